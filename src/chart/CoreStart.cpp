// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "chart/CoreStart.h"

#include "astro/AstroTables.h"
#include "astro/PlutoTable.h"
#include "text/Texts.h"

#include <QDir>

namespace qal {

CoreStartResult StartCore(const QString& strDataFiles)
{
    CoreStartResult result;
    const TextLoadResult texts = LoadProgramTexts(strDataFiles, QStringLiteral("qal.dat"));
    if (!texts.ok()) {
        result.failedStep = CoreStartStep::InterfaceTexts;
        result.strMessage = result.strDetail = texts.strMessage;
        return result;
    }
    InitAstroTables(strDataFiles);
    SetInterfaceLanguage(intLangEnglish);
    QString strError;
    if (!LoadPlutoTable(QDir(strDataFiles).filePath(QStringLiteral("pluto.slx")), strError)) {
        result.failedStep = CoreStartStep::PlutoTable;
        result.strMessage = PlutoLoadFailureMessage(strError);
        result.strDetail = strError;
    }
    return result;
}

} // namespace qal
