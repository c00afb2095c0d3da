// qal-cli and the window compute the same charts: the same aspects with the
// same deviations and trends, the same positions and the same report.
#include "TestSupport.h"
#include "WindowSupport.h"
#include "astro/AstroTables.h"
#include "chart/AspectGrid.h"
#include "cli/CliCommands.h"
#include "settings/Configuration.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QRadioButton>

using namespace qal;
using qal::test::MainWindowTest;

namespace {

int BodyNumber(const QString& strName)
{
    for (int b = 1; b <= intMaxBodies; ++b) {
        if (strBodyName[b] == strName)
            return b;
    }
    return 0;
}

class CliAndWindow : public MainWindowTest {
protected:
    // The chart qal-cli gives for the command line, compared with the table
    // and the report the window shows.
    void Compare(const QString& strLine)
    {
        QString out, err;
        ASSERT_EQ(cli::RunCli(strLine.split(QLatin1Char(' ')) << QStringLiteral("--format") << QStringLiteral("json"),
                      out, err),
            cli::intExitOk)
            << err.toStdString();
        const QJsonObject chart = QJsonDocument::fromJson(out.toUtf8()).object();
        const AspectGrid& grid = form->Grid();
        const bool blnPersonal = chart[QStringLiteral("charts")].toArray().size() == 2;

        // Every aspect of the tool stands in the window's table, as the table writes it.
        int intAspectCells = 0;
        for (int i = 0; i < grid.CellCount(); ++i) {
            const CellBodies bodies = BodiesOfCell(grid, i);
            intAspectCells += bodies.blnAspectCell && !grid.cells[static_cast<size_t>(i)].strText.isEmpty() ? 1 : 0;
        }
        const QJsonArray aspects = chart[QStringLiteral("aspects")].toArray();
        EXPECT_EQ(aspects.size(), intAspectCells);
        for (const QJsonValue& v : aspects) {
            const QJsonObject a = v.toObject();
            const int b1 = BodyNumber(a[QStringLiteral("body")].toString());
            const int b2 = BodyNumber(a[QStringLiteral("other")].toString());
            int intCell = -1;
            for (int i = 0; i < grid.CellCount() && intCell < 0; ++i) {
                const CellBodies bodies = BodiesOfCell(grid, i);
                // Single charts: row body, column body; transits: the column is the transiting body.
                const bool blnMatch = blnPersonal ? bodies.intColBody == b1 && bodies.intRowBody == b2
                                                  : bodies.intRowBody == b1 && bodies.intColBody == b2;
                if (bodies.blnAspectCell && blnMatch)
                    intCell = i;
            }
            ASSERT_GE(intCell, 0) << a[QStringLiteral("body")].toString().toStdString();
            const QString strTrend = a[QStringLiteral("trend")].toString();
            const QString strCell = grid.cells[static_cast<size_t>(intCell)].strText;
            EXPECT_TRUE(strCell.startsWith(a[QStringLiteral("abbreviation")].toString() + QStringLiteral("\r\n")
                + a[QStringLiteral("deviation_text")].toString()))
                << strCell.toStdString();
            EXPECT_EQ(strCell.endsWith(QStringLiteral("+")), strTrend == QLatin1String("separating"))
                << strCell.toStdString();
            EXPECT_EQ(strCell.endsWith(QStringLiteral("-")), strTrend == QLatin1String("applying"))
                << strCell.toStdString();
        }
        // The positions stand in the table's position cells.
        QString strAllCells;
        for (const GridCell& cell : grid.cells)
            strAllCells += cell.strText + QLatin1Char('|');
        for (const QJsonValue& c : chart[QStringLiteral("charts")].toArray()) {
            for (const QJsonValue& p : c.toObject()[QStringLiteral("positions")].toArray())
                EXPECT_TRUE(strAllCells.contains(p.toObject()[QStringLiteral("position")].toString()));
        }
        // The same report.
        const ChartReports& reports = form->Reports();
        EXPECT_EQ(chart[QStringLiteral("report")].toString(),
            QString(blnPersonal ? reports.strReport1 : reports.strReport)
                .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                .trimmed());
    }
};

TEST_F(CliAndWindow, TheSameChartsWithTheSameSettings)
{
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    FillDateSet(1, "1970", 6, 1, "08:00", "GMT+1:00");
    form->optPlanetary->click();
    Compare(QStringLiteral("chart 2018-03-05 14:30 GMT+1:00"));
    form->optPersonal[0]->click();
    Compare(QStringLiteral("chart 2018-03-05 14:30 +01:00 --natal 1970-06-01 08:00 +01:00"));

    // Other orbs and the sidereal zodiac, set in the window as a user would
    // accept them, and given to the tool.
    const int orbs[7] = { 8, 8, 7, 6, 4, 2, 3 };
    for (int k = 0; k < 7; ++k)
        udtConfig.cboOrb[k] = udtConfig.intOrbIndex[k] = orbs[k];
    udtConfig.blnSidereal = udtConfig.optVedicAstrology = true;
    FillDateSet(0, "1999", 8, 11, "11:00", "GMT");
    form->optPlanetary->click();
    Compare(QStringLiteral("chart 1999-08-11 11:00 Z --sidereal --orbs 8,8,7,6,4,2,3"));
    form->optPersonal[0]->click();
    Compare(QStringLiteral("chart 1999-08-11 11:00 Z --natal 1970-06-01 08:00 +1 --sidereal --orbs 8,8,7,6,4,2,3"));
}

} // namespace
