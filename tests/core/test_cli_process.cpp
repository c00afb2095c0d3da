// qal-cli as a process: a reader that stops early and Ctrl-C end it quietly,
// with complete lines, and no progress line when standard error is not a
// terminal; a time map drawn without a window.
#include "TestSupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <csignal>
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
    EXPECT_TRUE(missing.readAllStandardError().contains("none/map.svg was not written"));
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
#endif

} // namespace
