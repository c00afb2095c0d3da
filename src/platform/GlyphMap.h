// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The chart glyphs: each glyph character of the body and sign tables stands
// for one astrological symbol. This is the one place that maps them to the
// Unicode symbols the glyph font draws.
#pragma once

#include <QString>

namespace qal::platform {

// The Unicode text for a string of glyph characters ("s" → "☉", "x" → "♈",
// "L" → "⊕"), each symbol followed by the text-presentation selector so it is
// never drawn as an emoji. Characters that are not glyphs are kept as they are.
QString GlyphSymbols(const QString& strGlyphs);

} // namespace qal::platform
