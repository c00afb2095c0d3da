// Saving the picture shown (the wheel or the transit graph) as a PNG image.
#include "mainwindow/frmMain.h"

#include "chart/CurrentChart.h"
#include "drawing/ImageExport.h"
#include "drawing/PictureBox.h"
#include "settings/Configuration.h"
#include "text/Texts.h"
#include "ui/FileDialogs.h"
#include "ui/GraphicsConversion.h"
#include "ui/MessageBoxes.h"
#include "ui/WebAddress.h"

#include <QFileInfo>
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

    // What the chart is and when: top left.
    CornerText chart { Corner::TopLeft, blue, {} };
    if (rule.blnSingleChart) {
        chart.paragraphs << CornerParagraph { GetText(TextId::AspectsOf), kSmallPoints }
                         << CornerParagraph { ShownDateText(rule.intSlotDateSet[0]), kDatePoints };
    } else if (intChartMode == modeSynastry) {
        chart.paragraphs << CornerParagraph {
            GetText(TextId::ModeSynastry) + QLatin1Char(' ') + GetText(TextId::TwoBirthCharts), kSmallPoints
        };
        for (int intSlot = 0; intSlot < 2; ++intSlot)
            chart.paragraphs << CornerParagraph { ShownDateText(rule.intSlotDateSet[intSlot]), kDatePoints };
    } else {
        chart.paragraphs << CornerParagraph { GetText(TextId::Transits), kSmallPoints }
                         << CornerParagraph { ShownDateText(rule.intSlotDateSet[0]), kDatePoints }
                         << CornerParagraph { GetText(TextId::Birth), kSmallPoints }
                         << CornerParagraph { ShownDateText(rule.intSlotDateSet[1]), kDatePoints };
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
    const QString strFilter = GetText(TextId::PngImages) + QStringLiteral(" (*.png) | *.png | ")
        + GetText(TextId::PngImagesForPrint) + QStringLiteral(" (*.png) | *.png");
    int intFilter = 0;
    QString strFile = ui::GetSaveFileName(this, GetText(TextId::SaveImageAs), strFilter, &intFilter);
    if (strFile.isEmpty() || !picGraphic->Picture())
        return;
    if (QFileInfo(strFile).suffix().isEmpty())
        strFile += QStringLiteral(".png");
    const int intScale = intFilter == 1 ? 2 : 1; // twice the size is drawn anew, not scaled up
    const RecordedPicture& picture = *picGraphic->Picture();
    const QImage image = blnGraphShown
        ? picture.Render(intScale, true)
        : WheelImage(picture, RuleOfMode(intChartMode).blnSingleChart ? OneRingGeometry() : TwoRingGeometry(), intScale,
            udtConfig.blnSaveGraphicWithWhiteBackground, ImageTexts());

    const QString strTitle = cmdSaveAs->text();
    const QString strBitmap = FreeBitmapFileName(strFile);
    if (!image.save(strBitmap, "BMP")) {
        ui::MsgBox(GetText(TextId::ImageNotSaved) + strCrLf + strFile, ui::MsgIcon::Exclamation, ui::MsgButtons::Ok,
            strTitle, 1, this);
        return;
    }
    QString strMessage;
    if (ui::ConvertGraphicsFile(strBitmap, strFile, true, true, strMessage))
        ui::MsgBox(GetText(TextId::ImageSaved) + strCrLf + strFile, ui::MsgIcon::Information, ui::MsgButtons::Ok,
            strTitle, 1, this);
    else
        ui::MsgBox(GetText(TextId::ImageNotConverted) + strCrLf + strBitmap, ui::MsgIcon::Exclamation,
            ui::MsgButtons::Ok, strTitle, 1, this);
}

} // namespace qal
