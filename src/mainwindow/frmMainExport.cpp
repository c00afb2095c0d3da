// Saving the picture shown (the wheel or the transit graph) as a PNG image.
#include "mainwindow/frmMain.h"

#include "chart/CurrentChart.h"
#include "drawing/ImageExport.h"
#include "ui/PictureBox.h"
#include "settings/Configuration.h"
#include "text/Texts.h"
#include "ui/FileDialogs.h"
#include "drawing/GraphicsConversion.h"
#include "ui/MessageBoxes.h"
#include "ui/WebAddress.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPushButton>

namespace qal {
namespace {

constexpr double kDatePoints = 10;
constexpr double kSmallPoints = 7;
constexpr double kCreditPoints = 6;

} // namespace

QVector<CornerText> frmMain::ImageTexts() const
{
    const ModeRule& rule = RuleOfMode(intChartMode);
    const QColor blue(0, 0, 255);
    const QColor grey(160, 160, 160);

    // What the chart is and when: top left; each date on a line of its own,
    // the time with its zone on the next.
    CornerText chart { Corner::TopLeft, blue, {} };
    const auto addDate = [&](int k) {
        const QStringList parts = ShownDateParts(k);
        for (const QString& strPart : parts)
            chart.paragraphs << CornerParagraph { strPart, kDatePoints, true };
    };
    if (rule.blnSingleChart) {
        chart.paragraphs << CornerParagraph { GetText(TextId::AspectsOf), kSmallPoints };
        addDate(rule.intSlotDateSet[0]);
    } else if (intChartMode == modeSynastry) {
        chart.paragraphs << CornerParagraph {
            GetText(TextId::ModeSynastry) + QLatin1Char(' ') + GetText(TextId::TwoBirthCharts), kSmallPoints
        };
        for (int intSlot = 0; intSlot < 2; ++intSlot)
            addDate(rule.intSlotDateSet[intSlot]);
    } else {
        chart.paragraphs << CornerParagraph { GetText(TextId::Transits), kSmallPoints };
        addDate(rule.intSlotDateSet[0]);
        chart.paragraphs << CornerParagraph { GetText(TextId::Birth), kSmallPoints };
        addDate(rule.intSlotDateSet[1]);
    }

    // The orbs and the zodiac: top right. German names the zodiac briefly
    // where the corners are small.
    QString strZodiac = ZodiacName(false);
    if (IsGerman()) {
        strZodiac = rule.blnSingleChart
            ? QString(udtConfig.blnSidereal ? QStringLiteral("Siderische Tk") : QStringLiteral("Tropische Tk"))
            : GetText(TextId::Zodiac) + QStringLiteral(": ")
                + (udtConfig.blnSidereal ? QStringLiteral("Siderisch.") : QStringLiteral("Tropisch."));
    }
    const CornerText about { Corner::TopRight, blue,
        { { ModeName(intChartMode), kSmallPoints },
            { AddOrbToTitle(QString(), !rule.blnSingleChart).trimmed(), kSmallPoints }, { strZodiac, kSmallPoints } } };

    // The credit: bottom left and bottom right.
    const CornerText credit { Corner::BottomLeft, grey,
        { { GetText(TextId::CreditCreated), kCreditPoints }, { GetText(TextId::CreditMaker), kCreditPoints } } };
    const CornerText address { Corner::BottomRight, grey,
        { { GetText(TextId::CreditMoreInformation), kCreditPoints },
            { ui::ProductPageAddress(IsGerman()), kCreditPoints } } };
    return { chart, about, credit, address };
}

void frmMain::SavePicture()
{
    // The file types in the dialog's order; a name's own extension wins.
    constexpr int filterPng = 0, filterPngForPrint = 1, filterSvg = 2, filterPdf = 3;
    const QString strFilter = GetText(TextId::PngImages) + QStringLiteral(" (*.png) | *.png | ")
        + GetText(TextId::PngImagesForPrint) + QStringLiteral(" (*.png) | *.png | ") + GetText(TextId::SvgDrawings)
        + QStringLiteral(" (*.svg) | *.svg | ") + GetText(TextId::PdfDocuments) + QStringLiteral(" (*.pdf) | *.pdf");
    int intFilter = filterPng;
    QString strFile = ui::GetSaveFileName(this, GetText(TextId::SaveImageAs), strFilter, &intFilter);
    if (strFile.isEmpty() || !picGraphic->Picture())
        return;
    const QString strSuffix = QFileInfo(strFile).suffix().toLower();
    if (strSuffix == QLatin1String("svg"))
        intFilter = filterSvg;
    else if (strSuffix == QLatin1String("pdf"))
        intFilter = filterPdf;
    else if (strSuffix.isEmpty())
        strFile += intFilter == filterSvg ? QStringLiteral(".svg")
                                          : (intFilter == filterPdf ? QStringLiteral(".pdf") : QStringLiteral(".png"));

    const RecordedPicture& picture = *picGraphic->Picture();
    const WheelGeometry g = RuleOfMode(intChartMode).blnSingleChart ? OneRingGeometry() : TwoRingGeometry();
    const QString strTitle = cmdSaveAs->text();
    // A failed save names the file and says that nothing replaced it.
    const auto reportFailure = [&](const QString& strReason, const QString& strAfter = QString()) {
        ui::MsgBox(GetTextWithMarkers(TextId::ImageNotSaved, QDir::toNativeSeparators(strFile)) + strCrLf + strCrLf
                + strReason + strAfter,
            ui::MsgIcon::Exclamation, ui::MsgButtons::Ok, strTitle, 1, this);
    };
    const auto reportSaved = [&] {
        ui::MsgBox(GetText(TextId::ImageSaved) + strCrLf + strFile, ui::MsgIcon::Information, ui::MsgButtons::Ok,
            strTitle, 1, this);
    };

    if (intFilter == filterSvg || intFilter == filterPdf) {
        // A drawing: the recorded picture painted anew, sharp at any size.
        const QVector<CornerText> texts = blnGraphShown ? QVector<CornerText>() : ImageTexts();
        const bool blnWhite = udtConfig.blnSaveGraphicWithWhiteBackground;
        const QString strError = WriteVectorFile(strFile,
            intFilter == filterSvg ? VectorFormat::Svg : VectorFormat::Pdf, picture.WidthTwips(),
            picture.HeightTwips(), windowTitle(), [&](QPainter& painter) {
                if (blnGraphShown)
                    picture.Replay(painter);
                else
                    PaintWheelForSaving(painter, picture, g, blnWhite, texts);
            });
        if (strError.isEmpty())
            reportSaved();
        else
            reportFailure(strError);
        return;
    }

    const int intScale = intFilter == filterPngForPrint ? 2 : 1; // twice the size is drawn anew, not scaled up
    const QImage image = blnGraphShown
        ? picture.Render(intScale, true)
        : WheelImage(picture, g, intScale, udtConfig.blnSaveGraphicWithWhiteBackground, ImageTexts());
    const QString strBitmap = FreeBitmapFileName(strFile);
    const QString strError = WriteImageFile(image, strBitmap, "BMP");
    if (!strError.isEmpty()) {
        reportFailure(strError);
        return;
    }
    QString strMessage;
    if (ConvertGraphicsFile(strBitmap, strFile, true, strMessage))
        reportSaved();
    else // the bitmap stays, for the user to convert another way
        reportFailure(strMessage, strCrLf + strCrLf + GetText(TextId::ImageNotConverted) + strCrLf + strBitmap);
}

} // namespace qal
