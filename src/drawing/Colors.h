// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Colour values as the program keeps them: red in the low byte, green in the
// middle byte, blue in the high byte, held as doubles.
#pragma once

#include <QColor>

namespace qal {

QColor ToQColor(double dblColor);

} // namespace qal
