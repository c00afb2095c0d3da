// Saving the wheel and the transit graph as PNG images: the bitmap first,
// the conversion, the white-background colours, the corner texts and the
// failure paths.
#include "TestSupport.h"
#include "WindowSupport.h"
#include "chart/AspectGrid.h"
#include "drawing/ImageExport.h"
#include "drawing/PictureBox.h"
#include "settings/Configuration.h"
#include "text/Texts.h"
#include "ui/GraphicsConversion.h"
#include "ui/UiScript.h"
#include "util/Twips.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cmath>

using namespace qal;
using qal::test::MainWindowTest;

namespace {

class ImageExport : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        FillDateSet(0, "2018", 3, 5, "14:30", "GMT+1:00");
        form->optPlanetary->click();
        form->cmdToggleGraphic->click();
        ASSERT_TRUE(form->picGraphic->isVisible());
    }

    QString Path(const char* strName) const { return dir.filePath(QString::fromUtf8(strName)); }

    // Saves the picture shown under strFile (filter 1: twice the size); the
    // one message it gives.
    ui::MessageRecord Save(const QString& strFile, int intFilter = 0)
    {
        ui::QueueFileName(strFile, intFilter);
        form->cmdSaveAs->click();
        const QList<ui::MessageRecord> log = ui::TakeMessageLog();
        EXPECT_EQ(log.size(), 1);
        return log.value(0);
    }

    // Whether (x, y) of an image of the one-ring wheel at intScale lies on the disc.
    static bool OnDisc(int x, int y, int intScale)
    {
        const WheelGeometry g = OneRingGeometry();
        const double dx = (x + 0.5) * intTwipsPerPixel / intScale - g.cx;
        const double dy = (y + 0.5) * intTwipsPerPixel / intScale - g.cy;
        return std::hypot(dx, dy) < g.intDiscRadius - 2 * intTwipsPerPixel;
    }

    QTemporaryDir dir;
};

TEST(ImageColours, WhiteBackgroundMappingFollowsItsTable)
{
    EXPECT_EQ(WhiteBackgroundColor(qRgb(255, 255, 255)), qRgb(0, 0, 0));
    EXPECT_EQ(WhiteBackgroundColor(qRgb(245, 250, 255)), qRgb(0, 0, 0));
    EXPECT_EQ(WhiteBackgroundColor(qRgb(244, 250, 255)), qRgb(244, 250, 255)); // not near enough to white
    EXPECT_EQ(WhiteBackgroundColor(qRgb(0, 0, 0)), qRgb(255, 255, 255));
    EXPECT_EQ(WhiteBackgroundColor(qRgb(32, 32, 32)), qRgb(160, 160, 160));
    EXPECT_EQ(WhiteBackgroundColor(qRgb(255, 255, 0)), qRgb(255, 192, 0));
    EXPECT_EQ(WhiteBackgroundColor(qRgb(64, 64, 64)), qRgb(160, 160, 160));
    EXPECT_EQ(WhiteBackgroundColor(qRgb(1, 1, 1)), qRgb(160, 160, 160));
    EXPECT_EQ(WhiteBackgroundColor(qRgb(128, 128, 128)), qRgb(128, 128, 128));
    EXPECT_EQ(WhiteBackgroundColor(qRgb(224, 224, 224)), qRgb(224, 224, 224));
    EXPECT_EQ(WhiteBackgroundColor(qRgb(32, 32, 255)), qRgb(32, 32, 255));
    EXPECT_EQ(WhiteBackgroundColor(qRgb(255, 0, 0)), qRgb(255, 0, 0));
}

TEST(ImageFiles, BitmapNamesReplaceTheLastThreeCharacters)
{
    EXPECT_EQ(BitmapFileName(QStringLiteral("/home/a/chart.png")), QStringLiteral("/home/a/chart.bmp"));
    EXPECT_EQ(BitmapFileName(QStringLiteral("chart.PNG")), QStringLiteral("chart.bmp"));
    EXPECT_EQ(BitmapFileName(QStringLiteral("x")), QStringLiteral("bmp"));
    EXPECT_EQ(BitmapFileName(QStringLiteral("chart.jpeg")), QStringLiteral("chart.jbmp"));

    // A bitmap never takes the place of a file that is there, nor of the chosen file.
    QTemporaryDir dir;
    const QString strChart = dir.filePath(QStringLiteral("chart.png"));
    EXPECT_EQ(FreeBitmapFileName(strChart), dir.filePath(QStringLiteral("chart.bmp")));
    QFile existing(dir.filePath(QStringLiteral("chart.bmp")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    EXPECT_EQ(FreeBitmapFileName(strChart), dir.filePath(QStringLiteral("chart.2.bmp")));
    EXPECT_EQ(FreeBitmapFileName(dir.filePath(QStringLiteral("pic.bmp"))), dir.filePath(QStringLiteral("pic.2.bmp")));
}

TEST(ImageFiles, ConversionReportsAndCleansUp)
{
    QTemporaryDir dir;
    const QString strBitmap = dir.filePath(QStringLiteral("a.bmp"));
    const QString strPng = dir.filePath(QStringLiteral("a.png"));
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(qRgb(10, 200, 30));
    ASSERT_TRUE(image.save(strBitmap, "BMP"));
    QString strMessage;
    ASSERT_TRUE(ui::ConvertGraphicsFile(strBitmap, strPng, false, strMessage));
    EXPECT_EQ(strMessage, QStringLiteral("No Error"));
    EXPECT_TRUE(QFileInfo::exists(strBitmap)); // kept: not asked to delete
    EXPECT_EQ(QImage(strPng).pixel(3, 3), qRgb(10, 200, 30));
    ASSERT_TRUE(ui::ConvertGraphicsFile(strBitmap, strPng, true, strMessage));
    EXPECT_FALSE(QFileInfo::exists(strBitmap));

    // A source that is not an image: the message says why, and the earlier
    // picture of that name stays as it was.
    QFile broken(strBitmap);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a bitmap");
    broken.close();
    EXPECT_FALSE(ui::ConvertGraphicsFile(strBitmap, strPng, true, strMessage));
    EXPECT_NE(strMessage, QStringLiteral("No Error"));
    EXPECT_FALSE(strMessage.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(strBitmap));
    EXPECT_EQ(QImage(strPng).pixel(3, 3), qRgb(10, 200, 30));
}

TEST_F(ImageExport, WheelOnWhiteIsTheDrawnWheelMappedPixelByPixel)
{
    udtConfig.blnSaveGraphicWithWhiteBackground = true;
    const QString strFile = Path("chart.png");
    const ui::MessageRecord message = Save(strFile);
    EXPECT_EQ(message.strText, GetText(TextId::ImageSaved) + strCrLf + strFile);
    EXPECT_EQ(message.icon, ui::MsgIcon::Information);
    EXPECT_EQ(message.strTitle, GetText(TextId::SaveImage));
    const QList<ui::FileDialogRecord> dialogs = ui::TakeFileDialogLog();
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0].strTitle, GetText(TextId::SaveImageAs));
    EXPECT_TRUE(dialogs[0].strFilter.startsWith(QStringLiteral("PNG images (*.png) | *.png | ")));
    EXPECT_FALSE(QFileInfo::exists(Path("chart.bmp")));

    const QImage saved = QImage(strFile).convertToFormat(QImage::Format_RGB32);
    const QImage drawn = form->picGraphic->Picture()->Render(1, false);
    ASSERT_EQ(saved.size(), QSize(400, 400));
    int intOnDisc = 0, intWhite = 0, intWritten = 0, intBlue = 0, intDarkYellow = 0;
    for (int y = 0; y < saved.height(); ++y) {
        for (int x = 0; x < saved.width(); ++x) {
            const QRgb expected = WhiteBackgroundColor(drawn.pixel(x, y));
            if (OnDisc(x, y, 1)) {
                ASSERT_EQ(saved.pixel(x, y), expected) << x << "," << y;
                ++intOnDisc;
                intDarkYellow += saved.pixel(x, y) == qRgb(255, 192, 0);
                intWhite += saved.pixel(x, y) == qRgb(255, 255, 255);
            } else if (saved.pixel(x, y) != expected) {
                ++intWritten; // the corner texts
                const QColor c(saved.pixel(x, y));
                intBlue += c.blue() > 200 && c.red() < 100 && c.green() < 100;
            }
        }
    }
    EXPECT_GT(intOnDisc, 100000);
    EXPECT_GT(intWritten, 200);
    EXPECT_GT(intBlue, 20);
    // The disc is white now; the conjunction colour appears darker wherever a conjunction is drawn.
    EXPECT_GT(intWhite, intOnDisc * 3 / 4);
    bool blnConjunction = false;
    for (const GridCell& cell : form->Grid().cells)
        blnConjunction = blnConjunction || CellHasAspect(cell, 1);
    if (blnConjunction && udtConfig.dblAspectColor[1] == 65535.0) {
        EXPECT_GT(intDarkYellow, 0);
    }
    // Nothing of the side texts is left: they are not on the saved picture.
    EXPECT_EQ(saved.pixel(1, 1), qRgb(224, 224, 224));
}

TEST_F(ImageExport, WheelKeepsItsColoursAndTwiceTheSizeIsDrawnAnew)
{
    const QString strFile = Path("big.png");
    Save(strFile, 1);
    const QImage saved = QImage(strFile).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(saved.size(), QSize(800, 800));
    const QImage drawn = form->picGraphic->Picture()->Render(2, false);
    for (int y = 0; y < saved.height(); ++y) {
        for (int x = 0; x < saved.width(); ++x) {
            if (OnDisc(x, y, 2)) {
                ASSERT_EQ(saved.pixel(x, y), drawn.pixel(x, y)) << x << "," << y;
            }
        }
    }
    // Drawn at twice the size, not scaled up: some 2×2 block is not one colour.
    bool blnFiner = false;
    for (int y = 0; y + 1 < saved.height() && !blnFiner; y += 2) {
        for (int x = 0; x + 1 < saved.width() && !blnFiner; x += 2) {
            const QRgb c = saved.pixel(x, y);
            blnFiner = OnDisc(x, y, 2) && (saved.pixel(x + 1, y) != c || saved.pixel(x, y + 1) != c);
        }
    }
    EXPECT_TRUE(blnFiner);

    // A name without an extension is saved as a PNG file with one.
    Save(Path("plain"));
    EXPECT_TRUE(QFileInfo::exists(Path("plain.png")));
    EXPECT_EQ(QImage(Path("plain.png")).size(), QSize(400, 400));
}

TEST_F(ImageExport, TheGraphIsSavedAsItIsShown)
{
    FillDateSet(1, "1970", 6, 1, "08:00", "GMT+1:00");
    form->optPersonal[0]->click();
    const int intIndex = FindTransitWithKnownSpan(1).intIndex;
    ASSERT_GE(intIndex, 0);
    form->txbCell_DblClick(intIndex);
    ASSERT_TRUE(form->blnGraphShown);
    udtConfig.blnSaveGraphicWithWhiteBackground = true; // never applied to the graph
    const QString strFile = Path("graph.png");
    Save(strFile);
    const QImage saved = QImage(strFile).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(saved, form->picGraphic->Picture()->Render(1, true).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(saved.size(), QSize(730, 440));
}

// The texts and the colours an SVG file draws with.
struct SvgContent {
    QString strViewBox, strWidth;
    QStringList texts;
    QSet<QString> colours;
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
        if (xml.name() == QLatin1String("svg")) {
            svg.strViewBox = a.value(QStringLiteral("viewBox")).toString();
            svg.strWidth = a.value(QStringLiteral("width")).toString();
        }
        for (const char* attribute : { "fill", "stroke" }) {
            if (a.hasAttribute(QLatin1String(attribute)))
                svg.colours.insert(a.value(QLatin1String(attribute)).toString().toLower());
        }
        if (xml.name() == QLatin1String("text"))
            svg.texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return svg;
}

TEST_F(ImageExport, DrawingsAsSvgAndPdf)
{
    // The wheel on a white background as SVG: the corner texts as text, the
    // colours of the drawing calls mapped, no side texts.
    udtConfig.blnSaveGraphicWithWhiteBackground = true;
    ui::MessageRecord message = Save(Path("wheel"), 2);
    EXPECT_EQ(message.strText, GetText(TextId::ImageSaved) + strCrLf + Path("wheel.svg"));
    SvgContent svg = ReadSvg(Path("wheel.svg"));
    EXPECT_EQ(svg.strViewBox, QStringLiteral("0 0 6000 6000"));
    EXPECT_FALSE(svg.strWidth.isEmpty());
    const QString strTexts = svg.texts.join(QLatin1Char(' '));
    for (const char* expected :
        { "Created", "Brenvale", "https://brenvale.example/qal", "March 5, 2018,", "Planetary" })
        EXPECT_TRUE(strTexts.contains(QString::fromUtf8(expected))) << expected << " in " << strTexts.toStdString();
    EXPECT_FALSE(strTexts.contains(QStringLiteral("Mar. 5, 2018"))); // the side text of the screen
    EXPECT_TRUE(svg.colours.contains(QStringLiteral("#ffffff"))); // the disc
    EXPECT_FALSE(svg.colours.contains(QStringLiteral("#ffff00"))); // no yellow left
    EXPECT_TRUE(svg.colours.contains(QStringLiteral("#a0a0a0"))); // the spokes

    // On black as the screen has it; a name's own extension wins over the filter.
    udtConfig.blnSaveGraphicWithWhiteBackground = false;
    Save(Path("plain.SVG"), 0);
    svg = ReadSvg(Path("plain.SVG"));
    EXPECT_TRUE(svg.colours.contains(QStringLiteral("#000000")));
    EXPECT_TRUE(svg.colours.contains(QStringLiteral("#404040")));
    EXPECT_FALSE(QFileInfo::exists(Path("plain.bmp")));

    // The transit graph as PDF: one page the size of the picture.
    FillDateSet(1, "1970", 6, 1, "08:00", "GMT+1:00");
    form->optPersonal[0]->click();
    form->cmdToggleGraphic->click(); // the table
    const int intIndex = FindTransitWithKnownSpan(1).intIndex;
    ASSERT_GE(intIndex, 0);
    form->txbCell_DblClick(intIndex);
    ASSERT_TRUE(form->blnGraphShown);
    message = Save(Path("graph"), 3);
    EXPECT_EQ(message.strText, GetText(TextId::ImageSaved) + strCrLf + Path("graph.pdf"));
    QFile pdf(Path("graph.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
    // 10950 × 6600 twips are 547.5 × 330 points (the page rounds to whole points).
    EXPECT_TRUE(QRegularExpression(QStringLiteral("/MediaBox \\[0 0 54[78](\\.0*)? 330(\\.0*)?\\]"))
                    .match(QString::fromLatin1(bytes))
                    .hasMatch());

    // Nowhere to write.
    message = Save(Path("missing/graph.pdf"), 3);
    EXPECT_TRUE(message.strText.startsWith(GetTextWithMarkers(TextId::ImageNotSaved, Path("missing/graph.pdf"))));
}

TEST_F(ImageExport, FailuresKeepWhatThereIsAndSaySo)
{
    // Every failure names the file, says it was not saved and why.
    const auto notSaved = [&](const char* strName) {
        return GetTextWithMarkers(TextId::ImageNotSaved, Path(strName)) + strCrLf + strCrLf;
    };

    // The PNG cannot be written (a folder has its name): the bitmap stays.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.png")));
    ui::MessageRecord message = Save(Path("taken.png"));
    EXPECT_TRUE(message.strText.startsWith(notSaved("taken.png")));
    EXPECT_TRUE(message.strText.endsWith(GetText(TextId::ImageNotConverted) + strCrLf + Path("taken.bmp")));
    EXPECT_EQ(message.icon, ui::MsgIcon::Exclamation);
    EXPECT_EQ(QImage(Path("taken.bmp")).size(), QSize(400, 400));
    EXPECT_TRUE(QFileInfo(Path("taken.png")).isDir());

    // Nowhere to write at all.
    message = Save(Path("missing/folder/x.png"));
    EXPECT_TRUE(message.strText.startsWith(notSaved("missing/folder/x.png")));
    EXPECT_GT(message.strText.size(), notSaved("missing/folder/x.png").size()); // the reason follows
    EXPECT_FALSE(QFileInfo::exists(Path("missing")));

    // A full disk: the picture saved before stays byte for byte, in every format.
    for (const char* strName : { "full.png", "full.svg", "full.pdf" }) {
        Save(Path(strName));
        QFile saved(Path(strName));
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        const QByteArray old = saved.readAll();
        saved.close();
        form->cmdForwardBack[1]->click(); // another day: another picture
        {
            test::FileSizeLimit full(old.size() / 4);
            if (!full.Active())
                GTEST_SKIP() << "no file-size limit on this system";
            message = Save(Path(strName));
        }
        EXPECT_TRUE(message.strText.startsWith(notSaved(strName))) << strName;
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(saved.readAll(), old) << strName;
        saved.close();
        QFile::remove(Path(strName));
        QFile::remove(Path("full.bmp"));
    }

    // A cancelled dialog does nothing.
    ui::QueueFileName(QString());
    form->cmdSaveAs->click();
    EXPECT_TRUE(ui::TakeMessageLog().isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 2);
}

} // namespace
