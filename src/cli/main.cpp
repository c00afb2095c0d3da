// qal-cli: QAL's aspect engine on the command line (see cli/CliArguments.h).
#include "chart/CoreStart.h"
#include "cli/CliCommands.h"
#include "platform/DataPaths.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const qal::CoreStartResult start
        = qal::StartCore(qal::platform::FindDataFolder(QCoreApplication::applicationDirPath()));
    if (!start.ok()) {
        std::fprintf(stderr, "qal-cli: %s\n", qPrintable(start.strMessage));
        return qal::cli::intExitFailure;
    }
    QString strOut, strErr;
    const int intStatus = qal::cli::RunCli(QCoreApplication::arguments().mid(1), strOut, strErr);
    std::fputs(strOut.toUtf8().constData(), stdout);
    std::fputs(strErr.toUtf8().constData(), stderr);
    return intStatus;
}
