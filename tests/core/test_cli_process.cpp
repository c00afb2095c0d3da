// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// qal-cli as a process: a reader that stops early and Ctrl-C end it quietly,
// with complete lines, and no progress line when standard error is not a
// terminal; a time map drawn without a window.
#include "TestSupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <tuple>
#include <utility>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/stat.h>
#include <sys/types.h>
#endif

namespace {

TEST(CliProcess, ATimeMapAsDrawingOrImageAndWhyNot)
{
    QTemporaryDir dir;
    const auto run = [&](const QString& strFile, QStringList extra = {}) {
        QProcess cli;
        cli.start(qal::test::DataFolder() + QStringLiteral("/qal-cli"),
            QStringList { QStringLiteral("timemap"), QStringLiteral("2021-01-01"), QStringLiteral("2022-01-01"),
                QStringLiteral("--slow-only"), QStringLiteral("--output"), strFile }
                + extra);
        EXPECT_TRUE(cli.waitForFinished(120000));
        EXPECT_EQ(cli.readAllStandardError(), QByteArray());
        return cli.exitCode();
    };
    // An SVG drawing that reads as XML, with the rows' texts in it.
    ASSERT_EQ(run(dir.filePath(QStringLiteral("map.svg"))), 0);
    QFile svg(dir.filePath(QStringLiteral("map.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    QString strTexts;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::Characters)
            strTexts += xml.text();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(strTexts.contains(QStringLiteral("Square")) && strTexts.contains(QStringLiteral("Jan. 2021")));
    // A PDF document, and a PNG image as wide as asked.
    ASSERT_EQ(run(dir.filePath(QStringLiteral("map.pdf"))), 0);
    QFile pdf(dir.filePath(QStringLiteral("map.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.read(5), QByteArray("%PDF-"));
    ASSERT_EQ(run(dir.filePath(QStringLiteral("map.png")), { QStringLiteral("--width"), QStringLiteral("800") }), 0);
    QFile png(dir.filePath(QStringLiteral("map.png")));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    const QByteArray head = png.read(24);
    EXPECT_TRUE(head.startsWith("\x89PNG"));
    EXPECT_EQ(static_cast<unsigned char>(head[18]) * 256 + static_cast<unsigned char>(head[19]), 800); // IHDR width
    // A folder that is not there: status 1 and why.
    QProcess missing;
    missing.start(qal::test::DataFolder() + QStringLiteral("/qal-cli"),
        { QStringLiteral("timemap"), QStringLiteral("2021-01-01"), QStringLiteral("2021-02-01"),
            QStringLiteral("--output"), dir.filePath(QStringLiteral("none/map.svg")) });
    ASSERT_TRUE(missing.waitForFinished(120000));
    EXPECT_EQ(missing.exitCode(), 1);
    EXPECT_TRUE(missing.readAllStandardError().contains("none/map.svg was not written: The folder does not exist."));
}

#ifdef Q_OS_UNIX
TEST(CliProcess, AReaderThatStopsEarlyOrCtrlCEndItQuietly)
{
    const QString strCli = qal::test::DataFolder() + QStringLiteral("/qal-cli");
    const QStringList century { QStringLiteral("aspects"), QStringLiteral("1900-01-01"), QStringLiteral("2000-01-01"),
        QStringLiteral("--orbs"), QStringLiteral("0,0,6,0,0,0,0") };

    // qal-cli aspects … | head -n 1: status 0, nothing on standard error.
    QProcess shell;
    shell.start(QStringLiteral("bash"),
        QStringList {
            QStringLiteral("-c"), QStringLiteral("set -o pipefail; \"$0\" \"$@\" | head -n 1 >/dev/null"), strCli }
            + century);
    ASSERT_TRUE(shell.waitForFinished(120000));
    EXPECT_EQ(shell.exitCode(), 0);
    EXPECT_EQ(shell.readAllStandardError(), QByteArray());

    // Ctrl-C once the first lines are out: status 130, only whole lines.
    QProcess cli;
    cli.start(strCli, century);
    ASSERT_TRUE(cli.waitForReadyRead(120000));
    ::kill(static_cast<pid_t>(cli.processId()), SIGINT);
    ASSERT_TRUE(cli.waitForFinished(120000));
    EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(cli.exitCode(), 130);
    const QByteArray output = cli.readAllStandardOutput();
    EXPECT_TRUE(output.endsWith('\n'));
    EXPECT_EQ(cli.readAllStandardError(), QByteArray());
}

// Ctrl-C typed on the terminal while a time map is computed (its progress
// line shown): status 130 at once, and the file asked for is left as it was.
TEST(CliProcess, CtrlCDuringATimeMapLeavesTheFileAsItWas)
{
    QTemporaryDir dir;
    const QString strOutput = dir.filePath(QStringLiteral("map.svg"));
    QFile old(strOutput);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the map of last year\n");
    old.close();
    // script(1) gives qal-cli a terminal; a Ctrl-C typed into it reaches
    // qal-cli as the terminal sends it.
    QProcess terminal;
    terminal.start(QStringLiteral("script"),
        { QStringLiteral("-qefc"),
            QStringLiteral("\"%1\" timemap 2000-01-01 2020-01-01 --moon --output \"%2\"")
                .arg(qal::test::DataFolder() + QStringLiteral("/qal-cli"), strOutput),
            QStringLiteral("/dev/null") });
    QByteArray shown;
    while (!shown.contains(" of 20 years") && terminal.waitForReadyRead(120000))
        shown += terminal.readAll();
    if (!shown.contains(" of 20 years"))
        GTEST_SKIP() << "the map was done before its progress was shown";
    terminal.write("\x03");
    ASSERT_TRUE(terminal.waitForFinished(120000));
    EXPECT_EQ(terminal.exitCode(), 130);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the map of last year\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { QStringLiteral("map.svg") });
}

// Runs a shell line with qal-cli as "$0"; the status and standard error.
std::pair<int, QByteArray> Shell(const QString& strLine, const QStringList& args = {})
{
    QProcess shell;
    shell.start(QStringLiteral("bash"),
        QStringList { QStringLiteral("-c"), strLine, qal::test::DataFolder() + QStringLiteral("/qal-cli") } + args);
    EXPECT_TRUE(shell.waitForFinished(120000));
    return { shell.exitCode(), shell.readAllStandardError() };
}

TEST(CliProcess, AWriteThatFailsSaysSoAndNeverGoesOverAPipeOrADevice)
{
    const QString strIcs = QStringLiteral(" aspects 2020-01-01 2030-01-01 --format ics");
    // A full device, in every command, in the language asked for.
    for (const char* strCommand : { " aspects 2020-01-01 2030-01-01 --format ics", " chart 2024-01-01 12:00 Z",
             " find grand-trine 2024-01-01 --format json", " --help" }) {
        const auto [intStatus, err] = Shell(QStringLiteral("\"$0\"") + QLatin1String(strCommand) + " > /dev/full");
        EXPECT_EQ(intStatus, 1) << strCommand;
        EXPECT_EQ(err, "qal-cli: The results could not be written in full: There is no space left on the disk.\n")
            << strCommand;
    }
    auto [intStatus, err] = Shell(QStringLiteral("\"$0\" --lang de chart 2024-01-01 12:00 Z > /dev/full"));
    EXPECT_EQ(intStatus, 1);
    EXPECT_TRUE(QString::fromUtf8(err).contains(QStringLiteral("Auf dem Datenträger ist kein Platz mehr frei.")));
    // A file-size limit: status 1 and the cause, not a silent end.
    QTemporaryDir dir;
    std::tie(intStatus, err)
        = Shell(QStringLiteral("ulimit -f 8; \"$0\"") + strIcs + QStringLiteral(" > \"$1\""), { dir.filePath("x.ics") });
    EXPECT_EQ(intStatus, 1);
    EXPECT_TRUE(err.endsWith("The file would be larger than this system allows.\n")) << err.toStdString();
    // A reader that leaves is no fault: status 0, nothing said.
    std::tie(intStatus, err) = Shell(QStringLiteral("set -o pipefail; \"$0\"") + strIcs + QStringLiteral(" | head -c 10 >/dev/null"));
    EXPECT_EQ(intStatus, 0);
    EXPECT_EQ(err, QByteArray());

    // A pipe or a link to one as the picture: refused, and the pipe stays.
    const QString strPipe = dir.filePath(QStringLiteral("map.png"));
    ASSERT_EQ(mkfifo(QFile::encodeName(strPipe).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(strPipe, dir.filePath(QStringLiteral("link.svg"))));
    for (const QString& strOutput : { strPipe, dir.filePath(QStringLiteral("link.svg")) }) {
        std::tie(intStatus, err) = Shell(
            QStringLiteral("\"$0\" timemap 2021-01-01 2021-02-01 --slow-only --output \"$1\""), { strOutput });
        EXPECT_EQ(intStatus, 1);
        EXPECT_TRUE(err.contains("QAL writes only ordinary files.")) << err.toStdString();
    }
    EXPECT_FALSE(QFileInfo(strPipe).isFile());
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("link.svg"))).isSymLink());
    // A name of bytes that are not UTF-8 would name another file: refused.
    std::tie(intStatus, err)
        = Shell(QStringLiteral("cd \"$1\"; \"$0\" timemap 2021-01-01 2021-02-01 --output $'\\xff.png'"), { dir.path() });
    EXPECT_EQ(intStatus, 2);
    EXPECT_TRUE(err.contains("not text in this system's encoding")) << err.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden),
        (QStringList { QStringLiteral("link.svg"), QStringLiteral("map.png"), QStringLiteral("x.ics") }));
}
#endif

} // namespace
