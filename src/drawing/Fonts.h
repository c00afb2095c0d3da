// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The fonts the program names: the one the chart glyphs are drawn with and
// the fixed-width one of lists and plain texts.
#pragma once

#include <QFont>

namespace qal {

// A font that draws the astrological symbols of GlyphSymbols as text glyphs.
QFont GlyphFont(qreal dblPointSize);

// A fixed-width font, for texts laid out in columns.
QFont FixedWidthFont(qreal dblPointSize);

} // namespace qal
