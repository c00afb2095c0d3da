// The main window driven as a user would: date sets, chart modes, the
// compute button, the aspect table and the reports.
//
// Expected positions for 2018-03-05 13:30 UT are those of the Swiss
// Ephemeris (apparent geocentric longitudes of date): Sun 344°55',
// Mercury 358°40', Venus 358°13', Mars 262°57', Jupiter 233°12',
// Saturn 277°38', Uranus 26°07', Neptune 343°58', Pluto 290°44',
// Moon 210°04'. The aspect counts below were worked out by hand from them
// with the default orbs (10, 9, 6, 7, 5, 4, 5 degrees).
#include "TestSupport.h"
#include "WindowSupport.h"
#include "astro/AstroTables.h"
#include "platform/Clock.h"
#include "settings/Configuration.h"
#include "text/Texts.h"
#include "ui/MessageBoxes.h"

#include <QComboBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace qal;
using qal::test::MainWindowTest;

namespace {

class MainWindow : public MainWindowTest {
protected:
    // 5 March 2018, 14:30 in GMT+1:00, in Planetary mode.
    void ComputeMarch2018()
    {
        FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
        form->optPlanetary->click();
    }
};

} // namespace

TEST_F(MainWindow, PlanetaryChartOfMarch2018)
{
    ComputeMarch2018();
    EXPECT_DOUBLE_EQ(dblChartJD[0], 2458183.0625);
    EXPECT_EQ(form->intChartMode, modePlanetary);
    EXPECT_EQ(form->Grid().intRows, 11);
    EXPECT_EQ(form->Grid().intCols, 10);

    EXPECT_EQ(Cell(0, 0), QStringLiteral("344°55'\r\n14Pis55")); // Sun
    EXPECT_EQ(Cell(0, 8), QStringLiteral("290°44'\r\n20Cap44")); // Pluto from its table
    EXPECT_EQ(Cell(0, 9), QStringLiteral("210°4'\r\n0Sco4")); // Moon
    EXPECT_EQ(Cell(1, 0), QStringLiteral("s")); // glyph row
    EXPECT_EQ(Cell(2, 0), QStringLiteral("s")); // diagonal
    EXPECT_EQ(Cell(10, 0), QStringLiteral("Tropical zodiac"));
    // Sun conjunct Neptune, 0°57' and separating; the Moon opposite Uranus.
    EXPECT_EQ(Cell(2, 7), QStringLiteral("Con\r\n0°57' +"));
    EXPECT_EQ(Cell(8, 9), QStringLiteral("Opp\r\n3°56' +"));
    EXPECT_EQ(Cell(5, 4), QStringLiteral("Ssx\r\n0°15' -")); // Mars and Jupiter, applying
    EXPECT_TRUE(form->Grid().At(2, 7).blnBold); // within 1°
    EXPECT_FALSE(form->Grid().At(8, 9).blnBold);
    EXPECT_EQ(form->Grid().At(8, 9).dblForeColor, udtConfig.dblAspectColor[2]);
    EXPECT_FALSE(form->Grid().At(3, 0).blnVisible); // below the diagonal
    EXPECT_EQ(Cell(2, 1), QString()); // Sun and Mercury: 13°45' apart

    const QString strReport = form->Reports().strReport;
    EXPECT_TRUE(strReport.startsWith(QStringLiteral("2 conjunctions\r\n1 opposition\r\n3 squares\r\n3 trines\r\n"
                                                    "1 sextile\r\n4 semisextiles\r\n3 quincunxes\r\n"
                                                    "17 aspects in total\r\n\r\n")))
        << strReport.toStdString();
    EXPECT_EQ(GetTotalNumAspects(form->Grid()), 17);
    EXPECT_FALSE(strReport.contains(QStringLiteral("retrograde"))); // nothing retrograde that day
    EXPECT_TRUE(form->txbReport->isVisible());
    EXPECT_FALSE(form->txbReport1->isVisible());
    EXPECT_EQ(form->txbReport->toPlainText(), QString(strReport).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_EQ(form->windowTitle(), GetText(1) + QStringLiteral(" - Planetary  Orbs: 4° to 10°"));
    // The cells on screen show the same, glyphs as astrological symbols.
    EXPECT_EQ(form->txbCell[27]->text(), QStringLiteral("Con\n0°57' +"));
    EXPECT_EQ(form->txbCell[10]->text(), QStringLiteral("\u2609\uFE0E"));
}

TEST_F(MainWindow, RetrogradeBodiesAreMarkedAndListed)
{
    // 15 July 2018: Mars, Saturn, Neptune and Pluto retrograde (Jupiter had
    // turned direct on July 10, Mercury turned back only on July 26).
    FillDateSet(0, "2018", 7, 15, "12:00", "GMT");
    form->cmdCompute->click();
    EXPECT_TRUE(Cell(0, 3).startsWith(QStringLiteral("307°6' r\r\n")));
    EXPECT_TRUE(form->Reports().strReport.endsWith(QStringLiteral("4 retrograde: Ma Sa Ne Pl ")))
        << form->Reports().strReport.toStdString();
    EXPECT_EQ(form->Reports().intRetrogradeCount, 4);
    EXPECT_FALSE(Cell(0, 4).contains(QStringLiteral(" r")));
}

TEST_F(MainWindow, PersonalTransitsWithAndWithoutTheTransitingMoon)
{
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    FillDateSet(1, "2018", 3, 5, "14:30", "GMT+1:00"); // natal chart at the same moment
    form->optPersonal[0]->click();
    EXPECT_EQ(form->intChartMode, modePersonal1);
    EXPECT_EQ(form->Grid().intRows, 12);
    EXPECT_EQ(Cell(1, 1), GetText(69));
    EXPECT_EQ(Cell(0, 2), Cell(2, 0)); // the same positions in both charts
    EXPECT_TRUE(Cell(11, 11).startsWith(QStringLiteral("Con\r\n0°0'"))); // natal Moon, transiting Moon
    const int intWithMoon = GetTotalNumAspects(form->Grid());

    udtConfig.blnIncludeTransitingMoon = false;
    form->cmdCompute->click();
    EXPECT_EQ(intNumBodies, 9);
    EXPECT_EQ(Cell(0, 11), QString()); // no transiting Moon position
    EXPECT_EQ(Cell(1, 11), QString()); // nor its glyph
    for (int r = 2; r < 12; ++r)
        EXPECT_EQ(Cell(r, 11), QString()) << r;
    // The natal Moon (row 11) still meets the transiting bodies: quincunx
    // transiting Mercury, 1°24' within a third of the 5° orb.
    EXPECT_FALSE(Cell(11, 0).isEmpty()); // natal Moon position
    EXPECT_TRUE(Cell(11, 3).startsWith(QStringLiteral("Qui\r\n1°24'"))) << Cell(11, 3).toStdString();
    EXPECT_LT(GetTotalNumAspects(form->Grid()), intWithMoon);
    EXPECT_TRUE(form->txbReport1->isVisible());
    EXPECT_FALSE(form->txbReport->isVisible());
}

TEST_F(MainWindow, SynastryUsesItsOwnOrbsJudgesBoldOnTheTransitOrbsAndShowsNoTrend)
{
    FillDateSet(1, "2018", 3, 5, "14:30", "GMT+1:00");
    FillDateSet(2, "2018", 3, 5, "14:30", "GMT+1:00");
    udtConfig.cboPersonalOrbsProportion[0] = 4; // personal transits: 1/5
    udtConfig.cboPersonalOrbsProportion[1] = 0; // synastry: the full orbs
    udtConfig.chkUseBoldface = true;
    udtConfig.opt1DegOfOrb = false; // bold below a fraction of the orb
    udtConfig.cboBoldfaceFactor = 0; // 1/2
    form->optSynastry->click();
    EXPECT_EQ(form->intChartMode, modeSynastry);
    EXPECT_EQ(Cell(0, 1), GetText(75));
    EXPECT_EQ(Cell(1, 1), GetText(14));

    // Moon (row 11) opposite Uranus (column 8): 3°56' is within the full 9°
    // synastry orb but not within the 1°48' transit orb.
    EXPECT_EQ(Cell(11, 8), QStringLiteral("Opp\r\n3°56'"));
    EXPECT_FALSE(form->Grid().At(11, 8).blnBold); // 3°56' > 1°48' / 2
    // Sun and Neptune: 0°57' < 2° / 2 in the transit column: bold.
    EXPECT_EQ(Cell(2, 9), QStringLiteral("Con\r\n0°57'"));
    EXPECT_TRUE(form->Grid().At(2, 9).blnBold);
    // Mars and Jupiter 0°16' (semisextile orb 4°/5 = 0°48', half is 0°24'): bold.
    EXPECT_TRUE(form->Grid().At(5, 6).blnBold);
    for (const GridCell& cell : form->Grid().cells) {
        EXPECT_FALSE(cell.strText.endsWith(QStringLiteral(" +")));
        EXPECT_FALSE(cell.strText.endsWith(QStringLiteral(" -")));
    }
    EXPECT_EQ(form->windowTitle(), GetText(1) + QStringLiteral(" - Synastry  Orbs: 4° to 10°"));
}

TEST_F(MainWindow, AnInvalidDateSetIsReportedAndChangesNothing)
{
    ComputeMarch2018();
    std::vector<QString> cellsBefore;
    for (const GridCell& cell : form->Grid().cells)
        cellsBefore.push_back(cell.strText);
    const QString strTitle = form->windowTitle();
    const QString strReport = form->txbReport->toPlainText();

    FillDateSet(1, "2018", 4, 31, "12:00", "GMT"); // 31 April
    form->optNatal[0]->click();
    const auto log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].strText, GetText(5) + QLatin1Char(' ') + GetText(146));
    EXPECT_EQ(log[0].strTitle, GetText(153));
    EXPECT_EQ(log[0].icon, ui::MsgIcon::Information);
    EXPECT_TRUE(form->optPlanetary->isChecked()); // back to the previous mode
    EXPECT_EQ(form->intChartMode, modePlanetary);
    EXPECT_FALSE(form->blnInvalidDateReported);
    EXPECT_EQ(form->windowTitle(), strTitle);
    EXPECT_EQ(form->txbReport->toPlainText(), strReport);
    for (size_t i = 0; i < cellsBefore.size(); ++i)
        EXPECT_EQ(form->Grid().cells[i].strText, cellsBefore[i]) << i;

    // Synastry reads date set 1 first: an empty natal chart 1 is named.
    FillDateSet(1, "", 0, 0, "", "");
    FillDateSet(2, "1990", 1, 1, "12:00", "GMT");
    form->optSynastry->click();
    EXPECT_EQ(ui::TakeMessageLog().at(0).strText, GetText(5) + QLatin1Char(' ') + GetText(145));
    EXPECT_TRUE(form->optPlanetary->isChecked());

    // Year 2800 in the current date: computed from the button, reported too.
    FillDateSet(0, "2800", 1, 1, "12:00", "GMT");
    form->cmdCompute->click();
    EXPECT_EQ(ui::TakeMessageLog().at(0).strText, GetText(4) + QLatin1Char(' ') + GetText(148));
}

TEST_F(MainWindow, ReadingADateSetShowsTheValuesItUsed)
{
    FillDateSet(0, "20x18", 3, 5, "", "");
    form->cmdCompute->click();
    EXPECT_EQ(form->txbYearCE[0]->text(), QStringLiteral("2018"));
    EXPECT_EQ(form->cboHour[0]->currentText(), QStringLiteral("12:00"));
    EXPECT_EQ(form->cboTimezone[0]->currentText(), QStringLiteral("GMT")); // the computer's zone (UTC here)
    EXPECT_DOUBLE_EQ(dblChartJD[0], 2458183.0);
    EXPECT_EQ(form->InputDateToString(0, false), QStringLiteral("March 5, 2018, 12:00 (GMT)"));
    EXPECT_EQ(form->InputDateToString(0, true), QStringLiteral("Mar. 5, 2018, 12:00 (GMT)"));
    EXPECT_EQ(form->InputDateToString(2, false), QString());
    form->ShowWeekdayTip(0);
    EXPECT_EQ(form->cboDayCE[0]->toolTip(), QStringLiteral("Monday"));
    form->ShowWeekdayTip(1);
    EXPECT_EQ(form->cboDayCE[1]->toolTip(), QString());
}

TEST_F(MainWindow, ClearNowAndEnterInTheYearField)
{
    FillDateSet(1, "1990", 6, 15, "08:30", "GMT+2:00");
    ui::QueueMsgAnswer(ui::MsgAnswer::No);
    form->cmdClear[1]->click();
    EXPECT_EQ(form->txbYearCE[1]->text(), QStringLiteral("1990"));
    ui::QueueMsgAnswer(ui::MsgAnswer::Yes);
    form->cmdClear[1]->click();
    const auto log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 2);
    EXPECT_EQ(log[1].strText, GetText(342) + QLatin1Char(' ') + GetText(344));
    EXPECT_EQ(log[1].strTitle, form->cmdClear[1]->text());
    EXPECT_EQ(form->txbYearCE[1]->text(), QString());
    EXPECT_EQ(form->cboMonthCE[1]->currentIndex(), 0);
    EXPECT_EQ(form->cboTimezone[1]->currentIndex(), 0);

    // Enter in a year field computes when the selected mode uses that date set.
    ComputeMarch2018();
    FillDateSet(0, "2019", 3, 5, "14:30", "GMT+1:00");
    form->txbYearCE_KeyUp(1, 13);
    EXPECT_DOUBLE_EQ(dblChartJD[0], 2458183.0625);
    form->txbYearCE_KeyUp(0, 13);
    EXPECT_DOUBLE_EQ(dblChartJD[0], 2458183.0625 + 365);

    form->cmdNow->click();
    EXPECT_DOUBLE_EQ(dblChartJD[0], 2458183.0625); // the test clock: 5 March 2018, 13:30 UTC
}

TEST_F(MainWindow, GermanReportAndRadiansDisplay)
{
    SetInterfaceLanguage(intLangGerman);
    ComputeMarch2018();
    const QString strReport = form->Reports().strReport;
    EXPECT_TRUE(strReport.startsWith(QStringLiteral("2 Konjunktion\r\n1 Opposition\r\n3 Quadrat\r\n3 Trigon\r\n"
                                                    "1 Sextil\r\n4 Semisextil\r\n3 Quinkunx\r\n")))
        << strReport.toStdString();
    EXPECT_TRUE(strReport.contains(QStringLiteral("Insgesamt 17 Aspekte")));
    EXPECT_EQ(Cell(2, 7), QStringLiteral("Kon\r\n0°57' +"));
    EXPECT_EQ(Cell(0, 0), QStringLiteral("344°55'\r\n14Fis55"));
    SetInterfaceLanguage(intLangEnglish);

    form->optRadians->click();
    static const QRegularExpression fourDecimals(QStringLiteral("^\\d+\\.\\d{4}$"));
    for (int c = 0; c < 10; ++c)
        EXPECT_TRUE(fourDecimals.match(Cell(0, c)).hasMatch()) << Cell(0, c).toStdString();
    EXPECT_EQ(Cell(2, 7), QStringLiteral("Con\r\n0.0165 +"));

    // Retrograde bodies show no marker in radians, and no report line.
    FillDateSet(0, "2018", 7, 15, "12:00", "GMT");
    form->cmdCompute->click();
    EXPECT_FALSE(form->Reports().strReport.contains(GetText(389)));
    EXPECT_FALSE(Cell(0, 3).contains(QStringLiteral(" r")));
}

TEST_F(MainWindow, BodiesOutsideTheTablesShowWhereTheyAre)
{
    FillDateSet(0, "1500", 1, 1, "12:00", "GMT");
    form->cmdCompute->click();
    EXPECT_EQ(Cell(0, 8), QStringLiteral("<")); // Pluto before 1600
    EXPECT_EQ(Cell(0, 9), QStringLiteral("<")); // the Moon too
    for (int r = 2; r <= 9; ++r)
        EXPECT_EQ(Cell(r, 8), QString()) << r; // no aspect with Pluto
    EXPECT_FALSE(Cell(0, 0).isEmpty()); // the Sun comes from the ephemeris
    FillDateSet(0, "2150", 1, 1, "12:00", "GMT");
    form->cmdCompute->click();
    EXPECT_EQ(Cell(0, 9), QStringLiteral(">"));
}

TEST_F(MainWindow, StartsWithThePlanetaryChartOfNow)
{
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->optPlanetary->isChecked());
    EXPECT_EQ(form->intChartMode, modePlanetary);
    EXPECT_DOUBLE_EQ(dblChartJD[0], 2458183.0625); // the test clock: 5 March 2018, 13:30 UTC
    EXPECT_EQ(form->cboTimezone[0]->currentText(), QStringLiteral("GMT"));
    EXPECT_EQ(form->txbYearCE[1]->text(), QString());
    EXPECT_EQ(form->cmdCompute->text(), GetText(19));
    EXPECT_EQ(form->optPersonal[1]->text(), GetText(13));
    EXPECT_EQ(form->cboTimezone[0]->count(), intTimezoneListCount);
    EXPECT_EQ(form->cboTimezone[0]->itemData(14).toInt(), -300);
    // North American names only where the computer's zone is in America.
    EXPECT_EQ(form->cboTimezone[0]->itemText(14), QStringLiteral("GMT-5:00"));
    EXPECT_EQ(form->cboHour[2]->count(), 49);
}

TEST(MainWindowStartUp, MissingDataFilesAreReportedAndEndTheProgram)
{
    QTemporaryDir folder;
    platform::AppFolders folders = test::TestFolders();
    folders.strDataFolder = folder.path();
    {
        frmMain form;
        EXPECT_FALSE(form.Form_Load(folders));
        const auto log = ui::TakeMessageLog();
        ASSERT_EQ(log.size(), 1);
        EXPECT_EQ(log[0].icon, ui::MsgIcon::Critical);
        EXPECT_EQ(log[0].strTitle, QString());
        EXPECT_EQ(log[0].strText,
            QStringLiteral("Cannot open file containing program text.\r\n") + folder.path()
                + QStringLiteral("/qal.dat"));
    }
    ASSERT_TRUE(
        QFile::copy(test::DataFolder() + QStringLiteral("/qal.dat"), folder.filePath(QStringLiteral("qal.dat"))));
    {
        frmMain form;
        EXPECT_FALSE(form.Form_Load(folders));
        const auto log = ui::TakeMessageLog();
        ASSERT_EQ(log.size(), 2);
        EXPECT_EQ(log[0].strTitle, QStringLiteral("Read Pluto Data"));
        EXPECT_TRUE(log[0].strText.startsWith(QStringLiteral("Error when reading geocentric Pluto data.\r\n")));
        EXPECT_GT(log[0].strText.size(), 45); // the system's reason follows
        EXPECT_EQ(log[1].strText, GetText(2));
        EXPECT_EQ(log[1].strTitle, GetText(3));
        EXPECT_EQ(log[1].icon, ui::MsgIcon::Exclamation);
    }
}

TEST(MainWindowStartUp, TheSkyOfNowInTheComputersOwnZone)
{
    // The computer's clock at 13:30 UTC in each zone: date set 0 shows the
    // local time of that moment in the computer's zone, and the chart is the
    // sky of that very moment.
    const struct {
        const char* strZone;
        QDate date;
        const char* strShownZone;
        const char* strShownHour;
    } cases[] = {
        { "Pacific/Auckland", QDate(2018, 12, 5), "GMT+13:00", "02:30" }, // daylight saving
        { "Pacific/Auckland", QDate(2018, 6, 5), "GMT+12:00", "01:30" },
        { "Pacific/Kiritimati", QDate(2018, 6, 5), "GMT+14:00", "03:30" },
        { "Pacific/Chatham", QDate(2018, 6, 5), "GMT+12:45", "02:00" }, // 02:15 rounded down
        { "Australia/Eucla", QDate(2018, 6, 5), "GMT+8:45", "22:00" }, // 22:15 rounded down
        { "America/St_Johns", QDate(2018, 1, 5), "NST", "10:00" },
        { "America/St_Johns", QDate(2018, 7, 5), "NDT", "11:00" },
        { "Asia/Kathmandu", QDate(2018, 6, 5), "GMT+5:30", "19:00" }, // the moment shown in +5:30
        { "Pacific/Pago_Pago", QDate(2018, 6, 5), "GMT-11:00", "02:30" },
    };
    for (const auto& c : cases) {
        test::SetClock(QDateTime(c.date, QTime(13, 30), QTimeZone::utc()), c.strZone);
        test::ClearUserStore(); // a first start on this computer
        frmMain form;
        ASSERT_TRUE(form.Form_Load(test::TestFolders()));
        EXPECT_TRUE(ui::TakeMessageLog().isEmpty()) << c.strZone;
        EXPECT_EQ(form.cboTimezone[0]->currentText(), QString::fromLatin1(c.strShownZone)) << c.strZone;
        EXPECT_EQ(form.cboHour[0]->currentText(), QString::fromLatin1(c.strShownHour)) << c.strZone;
        const double dblNow = c.date.toJulianDay() + 13.5 / 24 - 0.5;
        // Rounded to the half hour: the Chatham and Eucla quarters round down.
        EXPECT_NEAR(dblChartJD[0], dblNow, 15.0 / 1440 + 1e-9) << c.strZone;
    }

    // A zone in no list entry: said once, and "now" is given in GMT.
    test::SetClock(QDateTime(QDate(2018, 6, 5), QTime(13, 30), QTimeZone::utc()), "UTC");
    platform::SetTestClock(QDateTime(QDate(2018, 6, 5), QTime(13, 30), QTimeZone::utc()), QTimeZone(4 * 3600 + 900));
    frmMain form;
    ASSERT_TRUE(form.Form_Load(test::TestFolders()));
    const auto log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0].strText, GetTextWithMarkers(TextId::ZoneNotInList, QStringLiteral("+04:15")));
    EXPECT_EQ(form.cboTimezone[0]->currentText(), QStringLiteral("GMT"));
    EXPECT_EQ(form.cboHour[0]->currentText(), QStringLiteral("13:30"));
    EXPECT_DOUBLE_EQ(dblChartJD[0], QDate(2018, 6, 5).toJulianDay() + 13.5 / 24 - 0.5);
}

#ifdef Q_OS_UNIX
TEST(MainWindowStartUp, SpecialFilesInPlaceOfTheDataFilesEndWithAMessage)
{
    // A pipe or a device in place of either data file: start-up says why and
    // ends, at once, instead of waiting for the pipe or reading forever.
    for (const char* strKind : { "fifo", "zero" }) {
        for (const char* strFile : { "qal.dat", "pluto.slx" }) {
            QTemporaryDir folder;
            platform::AppFolders folders = test::TestFolders();
            folders.strDataFolder = folder.path();
            if (qstrcmp(strFile, "pluto.slx") == 0) {
                ASSERT_TRUE(QFile::copy(
                    test::DataFolder() + QStringLiteral("/qal.dat"), folder.filePath(QStringLiteral("qal.dat"))));
            }
            const QString strPath = folder.filePath(QString::fromLatin1(strFile));
            if (qstrcmp(strKind, "fifo") == 0) {
                ASSERT_EQ(mkfifo(QFile::encodeName(strPath).constData(), 0600), 0);
            } else {
                ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), strPath));
            }
            frmMain form;
            QElapsedTimer timer;
            timer.start();
            EXPECT_FALSE(form.Form_Load(folders)) << strKind << " " << strFile;
            EXPECT_LT(timer.elapsed(), 1000) << strKind << " " << strFile;
            const auto log = ui::TakeMessageLog();
            ASSERT_FALSE(log.isEmpty());
            EXPECT_TRUE(log[0].strText.startsWith(qstrcmp(strFile, "qal.dat") == 0
                    ? QStringLiteral("Cannot open file containing program text.")
                    : QStringLiteral("Error when reading geocentric Pluto data.")))
                << log[0].strText.toStdString();
        }
    }
}
#endif
