#include "ui/FileDialogs.h"

#include "ui/UiScript.h"

#include <QFileDialog>

#include <algorithm>

namespace qal::ui {

QString DialogFilter(const QString& strFilter)
{
    QStringList parts = strFilter.split(QLatin1Char('|'));
    for (QString& part : parts)
        part = part.trimmed();
    // Pairs of "description (*.ext)" and "*.ext": the description carries the pattern already.
    QStringList filters;
    for (int i = 0; i < parts.size(); i += 2)
        filters << parts[i];
    return filters.join(QStringLiteral(";;"));
}

QString GetSaveFileName(QWidget* parent, const QString& strTitle, const QString& strFilter, int* intFilterIndex)
{
    if (Scripted())
        return script::NextFileName({ true, strTitle, strFilter }, intFilterIndex);
    const QString strFilters = DialogFilter(strFilter);
    QString strSelected;
    const QString strFile = QFileDialog::getSaveFileName(parent, strTitle, QString(), strFilters, &strSelected);
    if (intFilterIndex)
        *intFilterIndex = std::max(0, static_cast<int>(strFilters.split(QStringLiteral(";;")).indexOf(strSelected)));
    return strFile;
}

QString GetOpenFileName(QWidget* parent, const QString& strTitle, const QString& strFilter)
{
    if (Scripted())
        return script::NextFileName({ false, strTitle, strFilter }, nullptr);
    return QFileDialog::getOpenFileName(parent, strTitle, QString(), DialogFilter(strFilter));
}

} // namespace qal::ui
