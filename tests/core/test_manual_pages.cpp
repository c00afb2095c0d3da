// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The manual pages and the bash completion say what the programs' own help
// and qal-cli's option table say: every command and option, find's patterns
// and the exit statuses.
#include "TestSupport.h"
#include "cli/CliOptionTable.h"

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
    for (const char* strCommand : { "chart", "aspects", "find", "timemap", "places" })
        strHelp += Help(QStringLiteral("qal-cli"), { QString::fromLatin1(strCommand), QStringLiteral("--help") });
    const QString strPage = ManualPage("qal-cli.1");
    QSet<QString> options;
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("--[a-z][a-z-]*")).globalMatch(strHelp))
        options.insert(m.captured());
    EXPECT_GT(options.size(), 15);
    for (const QString& strOption : options)
        EXPECT_TRUE(strPage.contains(strOption)) << strOption.toStdString();
    for (const char* strWord : { ".B chart", ".B aspects", ".B find", ".B timemap", ".B places", "grand-sextile", "stellium-3",
             "jsonl", ".B 130", ".B 2\n" })
        EXPECT_TRUE(strPage.contains(QString::fromLatin1(strWord))) << strWord;
    // Both programs' --version names the licence.
    for (const char* strProgram : { "qal", "qal-cli" }) {
        const QString strVersion = Help(QString::fromLatin1(strProgram), { QStringLiteral("--version") });
        EXPECT_TRUE(strVersion.contains(QStringLiteral("License AGPL-3.0-or-later"))) << strProgram;
        EXPECT_TRUE(strVersion.contains(QStringLiteral("NO WARRANTY"))) << strProgram;
    }
    for (const QString& strOption : { QStringLiteral("--help"), QStringLiteral("--version") }) {
        EXPECT_TRUE(Help(QStringLiteral("qal"), { QStringLiteral("--help") }).contains(strOption));
        EXPECT_TRUE(ManualPage("qal.1").contains(strOption));
    }
}

TEST(ManualPages, TheOptionTableIsTheManualsAndTheCompletions)
{
    const QString strPage = ManualPage("qal-cli.1");
    const QString strOptions = strPage.section(QStringLiteral(".SH OPTIONS"), 1).section(QStringLiteral(".SH "), 0, 0);
    for (const qal::cli::OptionSpec& option : qal::cli::OptionTable()) {
        const QString strName = QLatin1String(option.strName);
        EXPECT_TRUE(strOptions.contains(QStringLiteral(".BI ") + strName + QLatin1Char(' '))
            || strOptions.contains(QStringLiteral(".B ") + strName + QLatin1Char('\n'))
            || strOptions.contains(QStringLiteral(".BR ") + strName + QLatin1Char(' ')))
            << option.strName;
    }
    for (const char* const strSlug : qal::cli::PatternSlugs())
        EXPECT_TRUE(strPage.contains(QLatin1String(strSlug))) << strSlug;

    // The completion offers each command exactly the options the table gives it.
    QFile completion(QStringLiteral(QAL_SOURCE_DIR "/data/qal-cli.bash-completion"));
    ASSERT_TRUE(completion.open(QIODevice::ReadOnly));
    const QString strScript = QString::fromUtf8(completion.readAll());
    for (const qal::cli::CommandSpec& command : qal::cli::CommandTable()) {
        const QRegularExpression line(
            QStringLiteral("local opts_%1=\"([^\"]*)\"").arg(QLatin1String(command.strName)));
        const QRegularExpressionMatch m = line.match(strScript);
        ASSERT_TRUE(m.hasMatch()) << command.strName;
        QStringList offered = m.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QStringList expected = qal::cli::OptionNamesOf(command.command);
        offered.sort();
        expected.sort();
        EXPECT_EQ(offered, expected) << command.strName;
    }
}

} // namespace
