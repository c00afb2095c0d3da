// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The qal-positions developer tool prints what GetLongitude computes.
#include "astro/AstroTables.h"
#include "astro/Longitudes.h"
#include "chart/CurrentChart.h"
#include "astro/PlutoTable.h"
#include "TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace qal;

TEST(PositionsTool, PrintsEveryBodyOfEachMomentAndCodesOutsideTheRange)
{
    QProcess tool;
    tool.start(test::DataFolder() + QStringLiteral("/qal-positions"), {});
    ASSERT_TRUE(tool.waitForStarted());
    tool.write("2451545.0\n\nnonsense\n2305000.25\n");
    tool.closeWriteChannel();
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 0);
    const QStringList lines
        = QString::fromUtf8(tool.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 21);
    EXPECT_EQ(lines[0], QStringLiteral("jd,body,lon_deg"));
    for (int b = 1; b <= 10; ++b) {
        const QStringList fields = lines[b].split(QLatin1Char(','));
        ASSERT_EQ(fields.size(), 3);
        EXPECT_EQ(fields[0], QStringLiteral("2451545.0"));
        EXPECT_EQ(fields[1].toInt(), b);
        EXPECT_EQ(fields[2].section(QLatin1Char('.'), 1).size(), 6);
        EXPECT_NEAR(fields[2].toDouble(), GetLongitude(b, 2451545.0) / dblTwoPi * 360.0, 1e-6);
    }
    EXPECT_EQ(lines[19], QStringLiteral("2305000.25,9,-99")); // Pluto before 1600
    EXPECT_EQ(lines[20], QStringLiteral("2305000.25,10,-99")); // the Moon too
    EXPECT_TRUE(tool.readAllStandardError().contains("nonsense"));
}

TEST(PlutoTableGenerator, WritesTheSameTableEveryTime)
{
    QTemporaryDir folder;
    const QString strOut = folder.filePath(QStringLiteral("pluto.slx"));
    QProcess generator;
    generator.start(test::DataFolder() + QStringLiteral("/qal-make-pluto-table"), { strOut });
    ASSERT_TRUE(generator.waitForFinished(120000));
    EXPECT_EQ(generator.exitCode(), 0);
    QFile fresh(strOut);
    QFile built(test::DataFolder() + QStringLiteral("/pluto.slx"));
    ASSERT_TRUE(fresh.open(QIODevice::ReadOnly) && built.open(QIODevice::ReadOnly));
    const QByteArray content = fresh.readAll();
    EXPECT_EQ(content.count('\n'), intPlutoTableEntries);
    EXPECT_TRUE(content == built.readAll());
}
