// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
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

QString GetSaveFileName(
    QWidget* parent, FileKind kind, const QString& strTitle, const QString& strFilter, int* intFilterIndex)
{
    const QString strFolder = StartFolderFor(kind);
    QString strFile;
    if (Scripted()) {
        strFile = script::NextFileName({ true, strTitle, strFilter, strFolder }, intFilterIndex);
    } else {
        const QString strFilters = DialogFilter(strFilter);
        QString strSelected;
        strFile = QFileDialog::getSaveFileName(parent, strTitle, strFolder, strFilters, &strSelected);
        if (intFilterIndex)
            *intFilterIndex
                = std::max(0, static_cast<int>(strFilters.split(QStringLiteral(";;")).indexOf(strSelected)));
    }
    RememberFolderOf(kind, strFile);
    return strFile;
}

QString GetOpenFileName(QWidget* parent, FileKind kind, const QString& strTitle, const QString& strFilter)
{
    const QString strFolder = StartFolderFor(kind);
    const QString strFile = Scripted()
        ? script::NextFileName({ false, strTitle, strFilter, strFolder }, nullptr)
        : QFileDialog::getOpenFileName(parent, strTitle, strFolder, DialogFilter(strFilter));
    RememberFolderOf(kind, strFile);
    return strFile;
}

} // namespace qal::ui
