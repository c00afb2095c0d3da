// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The pictures of the main window: the wheel instead of the table, a double
// click on an aspect (the message, the transit graph and what a right click
// reads off it), and saving pictures as PNG, SVG and PDF files.
#include "TestSupport.h"
#include "WindowSupport.h"
#include "aspects/Aspects.h"
#include "astro/Longitudes.h"
#include "chart/TimeStep.h"
#include "chart/TransitGraph.h"
#include "dialogs/frmConfigure.h"
#include "dialogs/frmDurations.h"
#include "drawing/ImageExport.h"
#include "ui/PictureBox.h"
#include "settings/Configuration.h"
#include "text/Texts.h"
#include "drawing/Colors.h"
#include "drawing/GraphicsConversion.h"
#include "ui/UiScript.h"
#include "util/Twips.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <cmath>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace qal;
using qal::test::AspectCell;
using qal::test::MainWindowTest;

namespace {

class Pictures : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
        optPlanetary()->click();
    }
    // Personal transits to natal chart 1 of 1 June 1970, with a transit of
    // Jupiter or a slower body double-clicked: its graph is shown.
    AspectCell ShowTransitGraph()
    {
        FillDateSet(1, "1970", 6, 1, "08:00", "GMT+1:00");
        optPersonal(0)->click();
        if (form->WheelShown())
            cmdToggleGraphic()->click();
        const AspectCell cell = FindTransitWithKnownSpan(5);
        EXPECT_GE(cell.intIndex, 0);
        form->txbCell_DblClick(cell.intIndex);
        EXPECT_TRUE(form->GraphShown());
        return cell;
    }
    void RightClickPixel(int px, int py)
    {
        form->picGraphic_MouseUp(2, 0, px * intTwipsPerPixel + 7, py * intTwipsPerPixel + 7);
    }
    // The first pixel of the picture's canvas in the colour.
    bool FindPixel(const QColor& color, QPoint& at) const
    {
        const QImage& canvas = picGraphic()->Picture()->Canvas();
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                if ((canvas.pixel(x, y) | 0xFF000000u) == color.rgb()) {
                    at = { x, y };
                    return true;
                }
            }
        }
        return false;
    }
    QString Path(const char* strName) const { return dir.filePath(QString::fromUtf8(strName)); }
    // Saves the picture shown under strFile (filter 1: twice the size, 2 SVG,
    // 3 PDF); the one message it gives.
    ui::MessageRecord Save(const QString& strFile, int intFilter = 0)
    {
        ui::QueueFileName(strFile, intFilter);
        cmdSaveAs()->click();
        const QList<ui::MessageRecord> log = ui::TakeMessageLog();
        EXPECT_EQ(log.size(), 1);
        return log.value(0);
    }
    static bool OnDisc(int x, int y, int intScale)
    {
        const WheelGeometry g = OneRingGeometry();
        const double dx = (x + 0.5) * intTwipsPerPixel / intScale - g.cx;
        const double dy = (y + 0.5) * intTwipsPerPixel / intScale - g.cy;
        return std::hypot(dx, dy) < g.intDiscRadius - 2 * intTwipsPerPixel;
    }
    QTemporaryDir dir;
};

// The texts and the colours of an SVG file.
struct SvgContent {
    QString strViewBox;
    QStringList texts;
    QSet<QString> colours;
    double dblThinnestStroke = 1e9; // of the lines, in the drawing's units (twips)
    bool blnHairlines = false; // strokes that do not scale with the drawing
};

SvgContent ReadSvg(const QString& strFile)
{
    QFile file(strFile);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    SvgContent svg;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("svg"))
            svg.strViewBox = a.value(QStringLiteral("viewBox")).toString();
        for (const char* attribute : { "fill", "stroke" }) {
            if (a.hasAttribute(QLatin1String(attribute)))
                svg.colours.insert(a.value(QLatin1String(attribute)).toString().toLower());
        }
        if (a.value(QLatin1String("stroke-linecap")) == QLatin1String("round")) // the lines (the wheel's pen)
            svg.dblThinnestStroke = std::min(svg.dblThinnestStroke, a.value(QLatin1String("stroke-width")).toDouble());
        svg.blnHairlines = svg.blnHairlines || a.value(QLatin1String("vector-effect")) == QLatin1String("non-scaling-stroke");
        if (xml.name() == QLatin1String("text"))
            svg.texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return svg;
}


TEST_F(Pictures, TheWheelShowsTheChartComputedAndFollowsEveryComputation)
{
    FillDateSet(0, "2019", 7, 1, "08:00", "GMT"); // typed, not computed
    cmdToggleGraphic()->click();
    EXPECT_TRUE(picGraphic()->isVisible() && !picTable()->isVisible());
    EXPECT_EQ(cmdToggleGraphic()->text() + cmdSaveAs()->text(), GetText(41) + GetText(TextId::SaveImage));
    EXPECT_EQ(picGraphic()->width(), 400);
    EXPECT_TRUE(PrintedWheelTexts().contains(QStringLiteral("Mar. 5, 2018"))); // the moment computed
    EXPECT_EQ(lblClickonAspect()->text(), GetText(TextId::TropicalZodiac));

    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    cboForwardBack()->setCurrentIndex(stepDay);
    cmdForwardBack(0)->click();
    EXPECT_TRUE(PrintedWheelTexts().contains(QStringLiteral("Mar. 6, 2018")));
    form->DateSetChanged(0); // editing while the wheel is shown leaves the view
    EXPECT_FALSE(cmdToggleGraphic()->isHidden());

    // An invalid date leaves the wheel as it was.
    const QVector<PictureOp> before = picGraphic()->Picture()->Ops();
    FillDateSet(0, "2018", 2, 30, "14:30", "GMT+1:00");
    cmdCompute()->click();
    EXPECT_EQ(ui::TakeMessageLog().size(), 1);
    EXPECT_EQ(picGraphic()->Picture()->Ops().size(), before.size());
    EXPECT_TRUE(PrintedWheelTexts().contains(QStringLiteral("Mar. 6, 2018")));

    // Two charts: the two-ring wheel; then back to the table.
    FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
    FillDateSet(1, "1990", 6, 15, "12:00", "GMT");
    optPersonal(0)->click();
    EXPECT_EQ(picGraphic()->width(), 660);
    EXPECT_TRUE(PrintedWheelTexts().contains(QStringLiteral("June 15, 1990, 12:00 GMT")));
    cmdToggleGraphic()->click();
    EXPECT_EQ(
        cmdSaveAs()->text() + lblClickonAspect()->text(), GetText(TextId::SaveAs) + GetText(TextId::DoubleClickHint));
    form->DateSetChanged(1); // with the table shown the wheel waits for a computation
    EXPECT_TRUE(cmdToggleGraphic()->isHidden());
    cmdCompute()->click();
    EXPECT_FALSE(cmdToggleGraphic()->isHidden());
}

TEST_F(Pictures, ADoubleClickTellsTheSpanOrTheMoonsHoursAndOffersTheDurations)
{
    const AspectCell cell = FindAspectCell([](const AspectCell& c) { return c.intColBody != intMoon; });
    ASSERT_GE(cell.intIndex, 0);
    ui::QueueMsgAnswer(ui::MsgAnswer::No);
    QMouseEvent doubleClick(
        QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(txbCell(cell.intIndex), &doubleClick); // the cell passes it on
    QList<ui::MessageRecord> log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].strText.startsWith(QStringLiteral("With an orb of ")));
    EXPECT_EQ(log[0].intDefaultButton, 2);
    EXPECT_FALSE(form->DurationsWindow()->isVisible());
    ui::QueueMsgAnswer(ui::MsgAnswer::Yes);
    form->txbCell_DblClick(cell.intIndex);
    EXPECT_TRUE(form->DurationsWindow()->isVisible());
    form->DurationsWindow()->hide();

    const AspectCell moon = FindAspectCell([](const AspectCell& c) { return c.intColBody == intMoon; });
    ASSERT_GE(moon.intIndex, 0);
    form->txbCell_DblClick(moon.intIndex);
    log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 2);
    EXPECT_EQ(log[1].icon, ui::MsgIcon::Information);
    EXPECT_TRUE(log[1].strTitle.endsWith(QStringLiteral(" Moon")));
    EXPECT_FALSE(form->GraphShown());

    // A fixed chart and a caption cell ask nothing.
    form->txbCell_DblClick(0);
    FillDateSet(1, "1970", 6, 1, "08:00", "GMT+1:00");
    optNatal(0)->click();
    form->txbCell_DblClick(FindAspectCell([](const AspectCell&) { return true; }).intIndex);
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());
}

TEST_F(Pictures, APersonalTransitIsDrawnAsAGraphThatReadsBack)
{
    form->ConfigureDialog()->show();
    const AspectCell cell = ShowTransitGraph();
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty() && lblClickonAspect()->text().isEmpty());
    EXPECT_EQ(picGraphic()->toolTip(), GetText(TextId::GraphTooltip));
    EXPECT_FALSE(form->ConfigureDialog()->isVisible()); // put aside while the graph shows
    form->Timer1_Timer();
    EXPECT_FALSE(cmdForwardBack(0)->isEnabled());
    EXPECT_FALSE(cmdRun()->isVisible());

    // Exactly one grid row, the current moment's, is white.
    const QImage& canvas = picGraphic()->Picture()->Canvas();
    int intWhiteRows = 0;
    for (int i = 1; i <= intGraphGridRows; ++i) {
        const int y = intGraphTop + intGraphGridRowHeight * i;
        intWhiteRows += canvas.pixel(intGraphLeft + 2, y) == qRgb(255, 255, 255)
            && canvas.pixel(intGraphRight - 2, y) == qRgb(255, 255, 255);
    }
    EXPECT_EQ(intWhiteRows, 1);

    // Every tenth drawn point of the curve reads back its moment and the
    // transit's true distance from exact there.
    const QRgb aspectColor = ToQColor(udtConfig.dblAspectColor[cell.intKind]).rgb();
    const LongitudeSource source = EphemerisSource(false);
    const double dblExact
        = ExactPoint(dblLongitude[1][cell.intRowBody], cell.intKind, dblLongitude[0][cell.intColBody]);
    const QRegularExpression reading(QStringLiteral(
        "On (\\d{4})-(\\d\\d)-(\\d\\d) at (\\d\\d):(\\d\\d) the transit is (\\d+)°(\\d+)' from exact\\."));
    int intChecked = 0;
    for (int y = intGraphTop; y <= intGraphTop + intGraphRows; y += 10) {
        int x = intGraphExactX - intGraphOrbWidth;
        while (x <= intGraphExactX + intGraphOrbWidth && (canvas.pixel(x, y) | 0xFF000000u) != aspectColor)
            ++x;
        if (x > intGraphExactX + intGraphOrbWidth)
            continue;
        RightClickPixel(x, y);
        const QList<ui::MessageRecord> log = ui::TakeMessageLog();
        ASSERT_EQ(log.size(), 1);
        const QRegularExpressionMatch m = reading.match(log[0].strText);
        ASSERT_TRUE(m.hasMatch()) << log[0].strText.toStdString();
        const double dblMoment
            = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()).toJulianDay() - 0.5
            + (m.captured(4).toInt() * 60 + m.captured(5).toInt() - 60) / 1440.0;
        const double dblRead = test::Rad(m.captured(6).toInt() + m.captured(7).toInt() / 60.0);
        const double dblTrue = std::fabs(SignedSeparation(source(cell.intColBody, dblMoment), dblExact));
        EXPECT_NEAR(dblRead, dblTrue, 2 * udtOrbTable.dblOrb[cell.intKind][1] / intGraphOrbWidth + test::Rad(1 / 60.0)) << y;
        ++intChecked;
    }
    EXPECT_GT(intChecked, 5);
    RightClickPixel(intGraphExactX + 3, 5); // the black field
    form->picGraphic_MouseUp(1, 0, intGraphExactX * intTwipsPerPixel, 200 * intTwipsPerPixel); // a left click
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());

    // Leaving the graph brings the dialog back; the next computation draws the wheel.
    cmdToggleGraphic()->click();
    EXPECT_FALSE(form->GraphShown());
    EXPECT_TRUE(form->ConfigureDialog()->isVisible());
    form->ConfigureDialog()->hide();
    form->txbCell_DblClick(cell.intIndex);
    cmdCompute()->click();
    EXPECT_FALSE(form->GraphShown());
    EXPECT_TRUE(picGraphic()->isVisible());
    EXPECT_FALSE(form->ConfigureDialog()->isVisible());
}

TEST_F(Pictures, ARightClickOnAWheelLineNamesItsKinds)
{
    cmdToggleGraphic()->click();
    const AspectCell cell = FindAspectCell([](const AspectCell&) { return true; });
    ASSERT_GE(cell.intIndex, 0);
    const int intOther = cell.intKind == 1 ? 2 : 1; // another kind in the same colour
    test::ChangeConfig([&](ConfigurationSettings& c) { c.dblAspectColor[intOther] = c.dblAspectColor[cell.intKind]; });
    cmdCompute()->click();
    QPoint at;
    ASSERT_TRUE(FindPixel(ToQColor(udtConfig.dblAspectColor[cell.intKind]), at));
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at.x() + 0.5, at.y() + 0.5) * picGraphic()->width() / 400.0,
        QPointF(), Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(picGraphic(), &release); // the picture passes it on in twips
    const QList<ui::MessageRecord> log = ui::TakeMessageLog();
    ASSERT_EQ(log.size(), 1);
    const int a = std::min(cell.intKind, intOther), b = std::max(cell.intKind, intOther);
    QString strExpected = (udtAspectText[a].Label + QStringLiteral(" or ") + udtAspectText[b].Label).toLower();
    strExpected[0] = strExpected[0].toUpper();
    EXPECT_EQ(log[0].strText, strExpected);
    EXPECT_EQ(log[0].strTitle, QStringLiteral("This line is a"));
    ASSERT_TRUE(FindPixel(WheelLineColor(), at)); // a spoke, the disc and the background name nothing
    RightClickPixel(at.x(), at.y());
    RightClickPixel(200, 190);
    RightClickPixel(1, 1);
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());
}

TEST_F(Pictures, TheWheelSavedAsPngOnWhiteIsTheDrawnWheelMappedAndTwiceTheSizeIsDrawnAnew)
{
    cmdToggleGraphic()->click();
    test::ChangeConfig([&](ConfigurationSettings& c) { c.blnSaveGraphicWithWhiteBackground = true; });
    ui::MessageRecord message = Save(Path("chart.png"));
    EXPECT_EQ(message.strText, GetText(TextId::ImageSaved) + strCrLf + Path("chart.png"));
    EXPECT_EQ(ui::TakeFileDialogLog().value(0).strTitle, GetText(TextId::SaveImageAs));
    EXPECT_FALSE(QFileInfo::exists(Path("chart.bmp")));
    QImage saved = QImage(Path("chart.png")).convertToFormat(QImage::Format_RGB32);
    QImage drawn = picGraphic()->Picture()->Render(1, false);
    ASSERT_EQ(saved.size(), QSize(400, 400));
    int intOnDisc = 0, intWritten = 0;
    for (int y = 0; y < saved.height(); ++y) {
        for (int x = 0; x < saved.width(); ++x) {
            const QRgb expected = WhiteBackgroundColor(drawn.pixel(x, y));
            if (OnDisc(x, y, 1)) {
                ASSERT_EQ(saved.pixel(x, y), expected) << x << "," << y;
                ++intOnDisc;
            } else {
                intWritten += saved.pixel(x, y) != expected; // the corner texts
            }
        }
    }
    EXPECT_GT(intOnDisc, 100000);
    EXPECT_GT(intWritten, 200); // the corner texts, and no side text
    EXPECT_EQ(saved.pixel(1, 1), qRgb(224, 224, 224));

    test::ChangeConfig([&](ConfigurationSettings& c) { c.blnSaveGraphicWithWhiteBackground = false; });
    Save(Path("big.png"), 1);
    saved = QImage(Path("big.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(saved.size(), QSize(800, 800));
    drawn = picGraphic()->Picture()->Render(2, false);
    bool blnFiner = false; // drawn at twice the size, not scaled up
    for (int y = 0; y + 1 < saved.height(); y += 2) {
        for (int x = 0; x + 1 < saved.width(); x += 2) {
            if (!OnDisc(x, y, 2))
                continue;
            ASSERT_EQ(saved.pixel(x, y), drawn.pixel(x, y)) << x << "," << y;
            blnFiner = blnFiner || saved.pixel(x + 1, y) != saved.pixel(x, y);
        }
    }
    EXPECT_TRUE(blnFiner);
    Save(Path("plain")); // a name without an extension is saved as PNG
    EXPECT_EQ(QImage(Path("plain.png")).size(), QSize(400, 400));
}

TEST_F(Pictures, DrawingsAsSvgAndPdfAndTheGraphAsShown)
{
    cmdToggleGraphic()->click();
    test::ChangeConfig([&](ConfigurationSettings& c) { c.blnSaveGraphicWithWhiteBackground = true; });
    EXPECT_EQ(Save(Path("wheel"), 2).strText, GetText(TextId::ImageSaved) + strCrLf + Path("wheel.svg"));
    SvgContent svg = ReadSvg(Path("wheel.svg"));
    EXPECT_EQ(svg.strViewBox, QStringLiteral("0 0 6000 6000"));
    const QString strTexts = svg.texts.join(QLatin1Char(' '));
    for (const char* expected : { "Created", "Brenvale", "March 5, 2018 14:30 (GMT+1:00)", "Planetary" })
        EXPECT_TRUE(strTexts.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_FALSE(strTexts.contains(QStringLiteral("Mar. 5, 2018"))); // the side text of the screen
    EXPECT_TRUE(svg.colours.contains(QStringLiteral("#ffffff"))); // the disc
    EXPECT_FALSE(svg.blnHairlines); // lines as wide as on screen at any size, for print
    EXPECT_GE(svg.dblThinnestStroke, 15); // a pixel of the picture: 15 twips
    EXPECT_FALSE(svg.colours.contains(QStringLiteral("#ffff00")));
    test::ChangeConfig([&](ConfigurationSettings& c) { c.blnSaveGraphicWithWhiteBackground = false; });
    Save(Path("plain.SVG"), 0); // a name's own extension wins over the filter
    EXPECT_TRUE(ReadSvg(Path("plain.SVG")).colours.contains(QStringLiteral("#000000")));
    // Two charts, in German: both dates and the zodiac in the corners.
    optGerman()->click();
    FillDateSet(2, "1985", 1, 2, "06:00", "GMT");
    FillDateSet(1, "1970", 6, 1, "08:00", "GMT+1:00");
    for (QRadioButton* mode : { optSynastry(), optPersonal(0) }) {
        mode->click();
        Save(Path("two.svg"));
        const QString strTwo = ReadSvg(Path("two.svg")).texts.join(QLatin1Char(' '));
        EXPECT_TRUE(strTwo.contains(QStringLiteral("Juni 1970 08:00 (GMT+1:00)"))) << strTwo.toStdString();
        EXPECT_TRUE(strTwo.contains(QStringLiteral("Tierkreis: Tropisch."))) << strTwo.toStdString();
    }
    optEnglish()->click();

    test::ChangeConfig([&](ConfigurationSettings& c) { c.blnSaveGraphicWithWhiteBackground = true; }); // never applied to the graph
    ShowTransitGraph();
    Save(Path("graph.png"));
    EXPECT_EQ(QImage(Path("graph.png")).convertToFormat(QImage::Format_RGB32),
        picGraphic()->Picture()->Render(1, true).convertToFormat(QImage::Format_RGB32));
    Save(Path("graph"), 3);
    QFile pdf(Path("graph.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    // 10950 × 6600 twips are 547.5 × 330 points (the page rounds to whole points).
    EXPECT_TRUE(QRegularExpression(QStringLiteral("/MediaBox \\[0 0 54[78](\\.0*)? 330(\\.0*)?\\]"))
                    .match(QString::fromLatin1(bytes))
                    .hasMatch());
}

TEST_F(Pictures, AFailedSaveKeepsWhatThereIsAndSaysSo)
{
    cmdToggleGraphic()->click();
    const auto notSaved = [&](const char* strName) {
        return GetTextWithMarkers(TextId::ImageNotSaved, Path(strName)) + strCrLf + strCrLf;
    };
    // A folder, a pipe or a link to a pipe where the picture would go: refused
    // before anything is written, and the pipe stays a pipe.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.png")));
    ui::MessageRecord message = Save(Path("taken.png"));
    EXPECT_EQ(message.strText, notSaved("taken.png") + GetText(TextId::WriteNotAFile));
#ifdef Q_OS_UNIX
    ASSERT_EQ(mkfifo(QFile::encodeName(Path("pipe.png")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(Path("pipe.png"), Path("link.png")));
    for (const char* strName : { "pipe.png", "link.png", "link.svg" }) {
        if (QByteArray(strName) == "link.svg") {
            ASSERT_TRUE(QFile::rename(Path("link.png"), Path("link.svg")));
        }
        EXPECT_EQ(Save(Path(strName)).strText, notSaved(strName) + GetText(TextId::WriteNotAFile));
    }
    EXPECT_FALSE(QFileInfo(Path("pipe.png")).isFile());
    EXPECT_TRUE(QFileInfo(Path("link.svg")).isSymLink());
#endif
    message = Save(Path("missing/folder/x.svg"));
    EXPECT_EQ(message.strText, notSaved("missing/folder/x.svg") + GetText(TextId::WriteNoFolder));

    // A full disk: the picture saved before stays byte for byte, in every
    // format, and the reason is named.
    for (const char* strName : { "full.png", "full.svg", "full.pdf" }) {
        Save(Path(strName));
        QFile saved(Path(strName));
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        const QByteArray old = saved.readAll();
        saved.close();
        cmdForwardBack(1)->click(); // another day: another picture
        {
            test::FileSizeLimit full(old.size() / 4);
            if (!full.Active())
                GTEST_SKIP() << "no file-size limit on this system";
            message = Save(Path(strName));
        }
        EXPECT_EQ(message.strText, notSaved(strName) + GetText(TextId::WriteTooLarge)) << strName;
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(saved.readAll(), old) << strName;
        saved.close();
    }
    // No bitmap and no unfinished file is ever left beside the pictures.
    EXPECT_TRUE(QDir(dir.path()).entryList({ QStringLiteral("*.bmp"), QStringLiteral(".*unfinished*") },
        QDir::Files | QDir::Hidden).isEmpty());
    ui::QueueFileName(QString()); // a cancelled dialog does nothing
    cmdSaveAs()->click();
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());
}

TEST(ImageFiles, ColoursForAWhiteBackgroundBitmapNamesAndConversion)
{
    const struct {
        QRgb from, to;
    } colours[] = { { qRgb(255, 255, 255), qRgb(0, 0, 0) }, { qRgb(245, 250, 255), qRgb(0, 0, 0) },
        { qRgb(244, 250, 255), qRgb(244, 250, 255) }, { qRgb(0, 0, 0), qRgb(255, 255, 255) },
        { qRgb(32, 32, 32), qRgb(0, 0, 0) }, { qRgb(255, 255, 0), qRgb(255, 192, 0) },
        { qRgb(64, 64, 64), qRgb(160, 160, 160) }, { qRgb(128, 128, 128), qRgb(128, 128, 128) },
        { qRgb(224, 224, 224), qRgb(224, 224, 224) }, { qRgb(255, 0, 0), qRgb(255, 0, 0) } };
    for (const auto& c : colours)
        EXPECT_EQ(WhiteBackgroundColor(c.from), c.to) << QColor(c.from).name().toStdString();
    // The second chart's glyphs (dark, and blue when retrograde) read on their
    // boxes (the background 224) on paper: a contrast of at least 4.5:1.
    const auto luminance = [](QRgb c) {
        const auto channel = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
    };
    const double dblBox = luminance(WhiteBackgroundColor(WheelBackground().rgb()));
    for (bool blnRetrograde : { false, true }) {
        const double dblGlyph = luminance(WhiteBackgroundColor(SecondSetColor(blnRetrograde).rgb()));
        EXPECT_GE((dblBox + 0.05) / (dblGlyph + 0.05), 4.5) << blnRetrograde;
    }

    EXPECT_EQ(BitmapFileName(QStringLiteral("chart.PNG")), QStringLiteral("chart.bmp"));
    EXPECT_EQ(BitmapFileName(QStringLiteral("chart.jpeg")), QStringLiteral("chart.jbmp"));
    QTemporaryDir dir;
    const QString strChart = dir.filePath(QStringLiteral("chart.png"));
    QFile(dir.filePath(QStringLiteral("chart.bmp"))).open(QIODevice::WriteOnly);
    EXPECT_EQ(FreeBitmapFileName(strChart), dir.filePath(QStringLiteral("chart.2.bmp"))); // an existing file stays
    EXPECT_EQ(FreeBitmapFileName(dir.filePath(QStringLiteral("pic.bmp"))), dir.filePath(QStringLiteral("pic.2.bmp")));

    const QString strBitmap = dir.filePath(QStringLiteral("a.bmp"));
    const QString strPng = dir.filePath(QStringLiteral("a.png"));
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(qRgb(10, 200, 30));
    ASSERT_EQ(WriteImageFile(image, strBitmap, "BMP"), QString());
    QString strMessage;
    ASSERT_TRUE(ConvertGraphicsFile(strBitmap, strPng, true, strMessage));
    EXPECT_EQ(strMessage, QStringLiteral("No Error"));
    EXPECT_FALSE(QFileInfo::exists(strBitmap));
    EXPECT_EQ(QImage(strPng).pixel(3, 3), qRgb(10, 200, 30));
    // A source that is not an image: the reason, and the earlier picture stays.
    QFile broken(strBitmap);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a bitmap");
    broken.close();
    EXPECT_FALSE(ConvertGraphicsFile(strBitmap, strPng, true, strMessage));
    EXPECT_FALSE(strMessage.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(strBitmap));
    EXPECT_EQ(QImage(strPng).pixel(3, 3), qRgb(10, 200, 30));
}

} // namespace
