// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Saving the picture shown (the wheel or the transit graph) as a PNG image.
#include "mainwindow/frmMain.h"

#include "chart/CurrentChart.h"
#include "drawing/GraphicsConversion.h"
#include "drawing/ImageExport.h"
#include "platform/Files.h"
#include "text/FileMessages.h"
#include "settings/Configuration.h"
#include "text/Texts.h"
#include "ui/MessageBoxes.h"
#include "ui/PictureBox.h"
#include "ui/PictureFiles.h"
#include "ui/WebAddress.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QPainter>
#include <QPushButton>

#include <limits>

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
    ui::PictureFileType type = ui::PictureFileType::Png;
    const QString strFile = ui::AskPictureFileName(this, type);
    if (strFile.isEmpty() || !picGraphic->Picture())
        return;

    const RecordedPicture& picture = *picGraphic->Picture();
    const WheelGeometry g = RuleOfMode(intChartMode).blnSingleChart ? OneRingGeometry() : TwoRingGeometry();
    const QString strTitle = cmdSaveAs->text();
    const QString strRefused = WriteFailureText(platform::CheckWritableTarget(strFile));
    if (!strRefused.isEmpty()) { // a pipe, a device or a folder is never written over
        ui::ReportPictureSaved(this, strTitle, strFile, strRefused);
        return;
    }
    if (type == ui::PictureFileType::Svg || type == ui::PictureFileType::Pdf) {
        // A drawing: the recorded picture painted anew, sharp at any size.
        const QVector<CornerText> texts = blnGraphShown ? QVector<CornerText>() : ImageTexts();
        const bool blnWhite = udtConfig.blnSaveGraphicWithWhiteBackground;
        const QString strError
            = WriteVectorFile(strFile, type == ui::PictureFileType::Svg ? VectorFormat::Svg : VectorFormat::Pdf,
                picture.WidthTwips(), picture.HeightTwips(), windowTitle(), [&](QPainter& painter) {
                    if (blnGraphShown)
                        picture.Replay(painter);
                    else
                        PaintWheelForSaving(painter, picture, g, blnWhite, texts);
                });
        ui::ReportPictureSaved(this, strTitle, strFile, strError);
        return;
    }

    const int intScale
        = type == ui::PictureFileType::PngForPrint ? 2 : 1; // twice the size is drawn anew, not scaled up
    const QImage image = blnGraphShown
        ? picture.Render(intScale, true)
        : WheelImage(picture, g, intScale, udtConfig.blnSaveGraphicWithWhiteBackground, ImageTexts());
    // The intermediate bitmap is written in a folder of its own outside the
    // user's folders, so that a save killed half-way leaves nothing beside
    // the picture; only a bitmap that could not be converted is copied beside
    // it, for the user to convert another way.
    const QTemporaryDir work(QDir(QDir::tempPath()).filePath(QStringLiteral("qal-picture-XXXXXX")));
    const QString strBitmap = QDir(work.path()).filePath(QFileInfo(BitmapFileName(strFile)).fileName());
    QString strError = work.isValid() ? WriteImageFile(image, strBitmap, "BMP") : work.errorString();
    if (!strError.isEmpty()) {
        ui::ReportPictureSaved(this, strTitle, strFile, strError);
        return;
    }
    QString strMessage;
    if (ConvertGraphicsFile(strBitmap, strFile, true, strMessage)) {
        ui::ReportPictureSaved(this, strTitle, strFile, QString());
        return;
    }
    const QString strKept = FreeBitmapFileName(strFile);
    const platform::FileContent bitmap = platform::ReadWholeFile(strBitmap, std::numeric_limits<qint64>::max());
    strError = WriteFailureText(platform::ReplaceFile(strKept, bitmap.bytes));
    ui::ReportPictureSaved(this, strTitle, strFile, strMessage,
        strError.isEmpty() ? strCrLf + strCrLf + GetText(TextId::ImageNotConverted) + strCrLf + strKept : QString());
}

} // namespace qal
