// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "drawing/ImageExport.h"

#include "platform/Files.h"
#include "text/FileMessages.h"
#include "util/Twips.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace qal {
namespace {

constexpr int kEdgeMargin = 60; // twips kept from the picture's edge
constexpr int kDiscMargin = 60; // twips kept from the disc
constexpr double kLineSpacing = 1.25; // line height in point sizes
constexpr double kSmallestPoints = 5;
constexpr double kShrinkStep = 0.92;

// The widest a line may be in the band [intTop, intTop + intHeight] on
// either side of the disc (the disc stands in the middle of the picture).
int SideRoom(const WheelGeometry& g, int intTop, int intHeight)
{
    const int intNearY = std::clamp(g.cy, intTop, intTop + intHeight);
    const double dy = intNearY - g.cy;
    const double dblR = g.intDiscRadius;
    const double dblHalfChord = std::fabs(dy) < dblR ? std::sqrt(dblR * dblR - dy * dy) : 0;
    return std::max(0, static_cast<int>(g.cx - dblHalfChord) - kDiscMargin - kEdgeMargin);
}

// Word-wraps the paragraphs at dblScale of their sizes from intTop down.
// Returns where the text ends, or −1 when a word does not fit its line
// (unless forced, when it is printed anyway).
int WrapCorner(const WheelGeometry& g, const CornerText& text, double dblScale, int intTop, bool blnForce,
    QVector<PlacedLine>& lines)
{
    const bool blnRight = text.corner == Corner::TopRight || text.corner == Corner::BottomRight;
    lines.clear();
    int y = intTop;
    for (const CornerParagraph& paragraph : text.paragraphs) {
        const double dblPoints = std::max(kSmallestPoints, paragraph.dblPointSize * dblScale);
        const int intHeight = static_cast<int>(std::lround(dblPoints * intTwipsPerPoint * kLineSpacing));
        QStringList words = paragraph.blnWhole ? QStringList { paragraph.strText }
                                               : paragraph.strText.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        while (!words.isEmpty()) {
            const int intRoom = SideRoom(g, y, intHeight);
            QString strLine = words.first();
            if (!blnForce && RecordedPicture::TextWidth(strLine, dblPoints) > intRoom)
                return -1;
            int n = 1;
            for (; n < words.size(); ++n) {
                const QString strLonger = strLine + QLatin1Char(' ') + words[n];
                if (RecordedPicture::TextWidth(strLonger, dblPoints) > intRoom)
                    break;
                strLine = strLonger;
            }
            words.remove(0, n);
            const int intWidth = RecordedPicture::TextWidth(strLine, dblPoints);
            lines.append({ blnRight ? g.intWidth - kEdgeMargin - intWidth : kEdgeMargin, y, strLine, dblPoints });
            y += intHeight;
        }
    }
    return y;
}

// Lays the text out at dblScale: a top corner from the top, no further than
// the picture's middle; a bottom corner as low as it fits, starting no
// higher than the middle (lower lines have more room beside the disc).
bool PlaceCorner(const WheelGeometry& g, const CornerText& text, double dblScale, QVector<PlacedLine>& lines)
{
    const int intMiddle = g.intHeight / 2;
    if (text.corner == Corner::TopLeft || text.corner == Corner::TopRight) {
        const int intEnd = WrapCorner(g, text, dblScale, kEdgeMargin, false, lines);
        return intEnd >= 0 && intEnd <= intMiddle;
    }
    const int intBottom = g.intHeight - kEdgeMargin;
    int intBestTop = -1;
    for (int intTop = intMiddle; intTop < intBottom; intTop += intTwipsPerPixel) {
        const int intEnd = WrapCorner(g, text, dblScale, intTop, false, lines);
        if (intEnd >= 0 && intEnd <= intBottom)
            intBestTop = intTop;
    }
    return intBestTop >= 0 && WrapCorner(g, text, dblScale, intBestTop, false, lines) >= 0;
}

} // namespace

QRgb WhiteBackgroundColor(QRgb c)
{
    const int r = qRed(c), gr = qGreen(c), b = qBlue(c);
    if (r >= 245 && gr >= 245 && b >= 245)
        return qRgb(0, 0, 0);
    if (r == 32 && gr == 32 && b == 32)
        return qRgb(0, 0, 0); // the second chart's glyphs: as dark as the first's, on their light boxes
    if (r == 0 && gr == 0 && b == 0)
        return qRgb(255, 255, 255);
    if (r == 255 && gr == 255 && b == 0)
        return qRgb(255, 192, 0);
    if (r == gr && gr == b && r != 128 && r != 224)
        return qRgb(160, 160, 160);
    return qRgb(r, gr, b);
}

void MapToWhiteBackground(QImage& image)
{
    image = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = WhiteBackgroundColor(line[x]);
    }
}

QString BitmapFileName(const QString& strFileName)
{
    return strFileName.left(std::max(0, static_cast<int>(strFileName.size()) - 3)) + QStringLiteral("bmp");
}

QString FreeBitmapFileName(const QString& strFileName)
{
    const QString strBitmap = BitmapFileName(strFileName);
    const auto taken = [&](const QString& strName) {
        return QFileInfo(strName).absoluteFilePath().compare(
                   QFileInfo(strFileName).absoluteFilePath(), Qt::CaseInsensitive)
            == 0
            || QFileInfo::exists(strName);
    };
    if (!taken(strBitmap))
        return strBitmap;
    const QString strStem = strBitmap.chopped(3);
    for (int n = 2;; ++n) {
        const QString strName = strStem + QString::number(n) + QStringLiteral(".bmp");
        if (!taken(strName))
            return strName;
    }
}

QVector<PlacedLine> LayOutCorner(const WheelGeometry& g, const CornerText& text)
{
    QVector<PlacedLine> lines;
    double dblLargest = 0;
    for (const CornerParagraph& paragraph : text.paragraphs)
        dblLargest = std::max(dblLargest, paragraph.dblPointSize);
    double dblScale = 1;
    for (; dblLargest * dblScale >= kSmallestPoints; dblScale *= kShrinkStep) {
        if (PlaceCorner(g, text, dblScale, lines))
            return lines;
    }
    // Too much for the corner even at the smallest size: print it anyway.
    const bool blnTop = text.corner == Corner::TopLeft || text.corner == Corner::TopRight;
    WrapCorner(g, text, dblScale, blnTop ? kEdgeMargin : g.intHeight / 2, true, lines);
    return lines;
}

void PaintWheelForSaving(QPainter& painter, const RecordedPicture& wheel, const WheelGeometry& g,
    bool blnWhiteBackground, const QVector<CornerText>& texts)
{
    wheel.Replay(painter, false, [blnWhiteBackground](const QColor& c) {
        return blnWhiteBackground && c.isValid() ? QColor(WhiteBackgroundColor(c.rgb())) : c;
    });
    for (const CornerText& text : texts) {
        for (const PlacedLine& line : LayOutCorner(g, text))
            RecordedPicture::PaintText(painter, line.x, line.y, line.strText, line.dblPointSize, text.color);
    }
}

QString WriteVectorFile(const QString& strFileName, VectorFormat format, int intWidth, int intHeight,
    const QString& strTitle, const std::function<void(QPainter&)>& paint)
{
    // Drawn in memory first, so that the file is replaced only by a complete drawing.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPainter painter;
    if (format == VectorFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(intWidth / intTwipsPerPixel, intHeight / intTwipsPerPixel));
        svg.setViewBox(QRect(0, 0, intWidth, intHeight)); // drawn in twips
        svg.setTitle(strTitle);
        svg.setDescription(QStringLiteral("QAL"));
        if (!painter.begin(&svg))
            return QStringLiteral("The drawing could not be made.");
        paint(painter);
        painter.end();
    } else {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(1440); // a device unit is a twip
        pdf.setPageSize(QPageSize(QSizeF(intWidth / double(intTwipsPerPoint), intHeight / double(intTwipsPerPoint)),
            QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(strTitle);
        pdf.setCreator(QStringLiteral("QAL"));
        if (!painter.begin(&pdf))
            return QStringLiteral("The drawing could not be made.");
        paint(painter);
        painter.end();
    }
    buffer.close();
    return WriteFailureText(platform::ReplaceFile(strFileName, bytes));
}

QImage WheelImage(const RecordedPicture& wheel, const WheelGeometry& g, int intScale, bool blnWhiteBackground,
    const QVector<CornerText>& texts)
{
    QImage image = wheel.Render(intScale, false);
    if (blnWhiteBackground)
        MapToWhiteBackground(image);
    for (const CornerText& text : texts) {
        for (const PlacedLine& line : LayOutCorner(g, text))
            RecordedPicture::PrintOnImage(image, intScale, line.x, line.y, line.strText, line.dblPointSize, text.color);
    }
    return image;
}

} // namespace qal
