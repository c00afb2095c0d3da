// The manual pages say what the programs' own help says: every option and
// command of qal-cli's help texts, find's patterns and the exit statuses.
#include "TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

QString Help(const QString& strProgram, const QStringList& args)
{
    QProcess program;
    program.start(qal::test::DataFolder() + QLatin1Char('/') + strProgram, args);
    EXPECT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 0) << args.join(QLatin1Char(' ')).toStdString();
    return QString::fromUtf8(program.readAllStandardOutput());
}

// A manual page's text with roff's escaped hyphens as hyphens.
QString ManualPage(const char* strName)
{
    QFile page(QStringLiteral(QAL_SOURCE_DIR "/data/man/") + QString::fromLatin1(strName));
    EXPECT_TRUE(page.open(QIODevice::ReadOnly)) << strName;
    return QString::fromUtf8(page.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-"));
}

TEST(ManualPages, EveryOptionCommandAndPatternOfTheHelp)
{
    QString strHelp = Help(QStringLiteral("qal-cli"), { QStringLiteral("--help") });
    for (const char* strCommand : { "chart", "aspects", "find", "timemap" })
        strHelp += Help(QStringLiteral("qal-cli"), { QString::fromLatin1(strCommand), QStringLiteral("--help") });
    const QString strPage = ManualPage("qal-cli.1");
    QSet<QString> options;
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("--[a-z][a-z-]*")).globalMatch(strHelp))
        options.insert(m.captured());
    EXPECT_GT(options.size(), 15);
    for (const QString& strOption : options)
        EXPECT_TRUE(strPage.contains(strOption)) << strOption.toStdString();
    for (const char* strWord : { ".B chart", ".B aspects", ".B find", ".B timemap", "grand-sextile", "stellium-3",
             "jsonl", ".B 130", ".B 2\n" })
        EXPECT_TRUE(strPage.contains(QString::fromLatin1(strWord))) << strWord;
    for (const QString& strOption : { QStringLiteral("--help"), QStringLiteral("--version") }) {
        EXPECT_TRUE(Help(QStringLiteral("qal"), { QStringLiteral("--help") }).contains(strOption));
        EXPECT_TRUE(ManualPage("qal.1").contains(strOption));
    }
}

} // namespace
