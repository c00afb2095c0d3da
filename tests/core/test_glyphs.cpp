// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The glyph characters map to the astrological symbols, as text, never emoji.
#include "astro/AstroTables.h"
#include "platform/GlyphMap.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace qal;

TEST(Glyphs, BodyAndSignGlyphsAreAstrologicalSymbols)
{
    const char16_t bodies[]
        = { 0, 0x2609, 0x263F, 0x2640, 0x2642, 0x2643, 0x2644, 0x2645, 0x2646, 0x2647, 0x263D, 0x2295 };
    for (int b = 1; b <= 11; ++b) {
        const QString strSymbol = platform::GlyphSymbols(strBodyGlyph[b]);
        ASSERT_EQ(strSymbol.size(), 2) << b;
        EXPECT_EQ(strSymbol[0].unicode(), bodies[b]) << b;
        EXPECT_EQ(strSymbol[1].unicode(), 0xFE0E) << b; // text presentation
    }
    for (int s = 0; s < 12; ++s)
        EXPECT_EQ(platform::GlyphSymbols(strSignGlyph[s])[0].unicode(), 0x2648 + s) << s; // ♈ .. ♓
    EXPECT_EQ(platform::GlyphSymbols(QStringLiteral("s1")).right(1), QStringLiteral("1"));
}
