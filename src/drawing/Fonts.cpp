// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "drawing/Fonts.h"

namespace qal {

QFont GlyphFont(qreal dblPointSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(dblPointSize);
    font.setBold(false);
    font.setStyleHint(QFont::SansSerif, QFont::PreferMatch);
    return font;
}

QFont FixedWidthFont(qreal dblPointSize)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(dblPointSize);
    return font;
}

} // namespace qal
