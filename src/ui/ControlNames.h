// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Controls carry the names the design gives them as their object names (with
// the index of a control array appended: "txbYearCE0", "optNatal1"), so that
// a test finds a control as a user finds it, by what it is.
#pragma once

#include <QString>

namespace qal::ui {

template <typename Control> Control* Named(Control* control, const char* strName, int intIndex = -1)
{
    control->setObjectName(
        intIndex < 0 ? QString::fromLatin1(strName) : QString::fromLatin1(strName) + QString::number(intIndex));
    return control;
}

} // namespace qal::ui
