#include "ui/FileDialogs.h"

#include "ui/UiScript.h"

#include <QFileDialog>

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

QString GetSaveFileName(QWidget* parent, const QString& strTitle, const QString& strFilter)
{
    if (Scripted())
        return script::NextFileName({ true, strTitle, strFilter });
    return QFileDialog::getSaveFileName(parent, strTitle, QString(), DialogFilter(strFilter));
}

QString GetOpenFileName(QWidget* parent, const QString& strTitle, const QString& strFilter)
{
    if (Scripted())
        return script::NextFileName({ false, strTitle, strFilter });
    return QFileDialog::getOpenFileName(parent, strTitle, QString(), DialogFilter(strFilter));
}

} // namespace qal::ui
