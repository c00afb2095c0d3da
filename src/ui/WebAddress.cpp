#include "ui/WebAddress.h"

#include "ui/UiScript.h"

#include <QDesktopServices>
#include <QUrl>

namespace qal::ui {

bool OpenWebAddress(const QString& strAddress)
{
    if (Scripted()) {
        script::LogAddress(strAddress);
        return true;
    }
    return QDesktopServices::openUrl(QUrl(strAddress));
}

} // namespace qal::ui
