// qal-cli: QAL's aspect engine on the command line (see cli/CliArguments.h).
#include "astro/AstroTables.h"
#include "astro/PlutoTable.h"
#include "cli/CliCommands.h"
#include "platform/DataPaths.h"
#include "text/Texts.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString strData = qal::platform::FindDataFolder(QCoreApplication::applicationDirPath());
    const qal::TextLoadResult texts = qal::LoadProgramTexts(strData, QStringLiteral("qal.dat"));
    if (!texts.ok()) {
        std::fprintf(stderr, "qal-cli: %s\n", qPrintable(texts.strMessage));
        return qal::cli::intExitFailure;
    }
    qal::InitAstroTables(strData);
    QString strError;
    if (!qal::LoadPlutoTable(QStringLiteral("pluto.slx"), strError)) {
        std::fprintf(stderr, "qal-cli: %s\n", qPrintable(qal::PlutoLoadFailureMessage(strError)));
        return qal::cli::intExitFailure;
    }
    QString strOut, strErr;
    const int intStatus = qal::cli::RunCli(QCoreApplication::arguments().mid(1), strOut, strErr);
    std::fputs(strOut.toUtf8().constData(), stdout);
    std::fputs(strErr.toUtf8().constData(), stderr);
    return intStatus;
}
