// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "platform/GlyphMap.h"

namespace qal::platform {
namespace {

struct GlyphSymbol {
    char chrGlyph;
    char16_t chrSymbol;
};

constexpr GlyphSymbol kGlyphs[] = {
    { 's', u'\u2609' },
    { 'f', u'\u263F' },
    { 'g', u'\u2640' },
    { 'h', u'\u2642' },
    { 'j', u'\u2643' },
    { 'S', u'\u2644' },
    { 'F', u'\u2645' },
    { 'G', u'\u2646' },
    { 'J', u'\u2647' },
    { 'a', u'\u263D' },
    { 'L', u'\u2295' },
    { 'x', u'\u2648' },
    { 'c', u'\u2649' },
    { 'v', u'\u264A' },
    { 'b', u'\u264B' },
    { 'n', u'\u264C' },
    { 'm', u'\u264D' },
    { 'X', u'\u264E' },
    { 'C', u'\u264F' },
    { 'V', u'\u2650' },
    { 'B', u'\u2651' },
    { 'N', u'\u2652' },
    { 'M', u'\u2653' },
};
constexpr char16_t kTextPresentation = u'\uFE0E';

} // namespace

QString GlyphSymbols(const QString& strGlyphs)
{
    QString strResult;
    for (const QChar chr : strGlyphs) {
        bool blnMapped = false;
        for (const GlyphSymbol& g : kGlyphs) {
            if (chr == QLatin1Char(g.chrGlyph)) {
                strResult += QChar(g.chrSymbol);
                strResult += QChar(kTextPresentation);
                blnMapped = true;
                break;
            }
        }
        if (!blnMapped)
            strResult += chr;
    }
    return strResult;
}

} // namespace qal::platform
