// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "drawing/Colors.h"

namespace qal {

QColor ToQColor(double dblColor)
{
    const auto v = static_cast<unsigned int>(dblColor < 0 ? 0 : dblColor);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

} // namespace qal
