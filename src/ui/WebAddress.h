// Opening a web address in the default browser; scripted for tests
// (ui/UiScript.h).
#pragma once

#include <QString>

namespace qal::ui {

// Opens strAddress; false when the system could not open it.
bool OpenWebAddress(const QString& strAddress);

} // namespace qal::ui
