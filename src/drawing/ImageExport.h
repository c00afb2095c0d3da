// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Saving pictures as images. The wheel is saved drawn without its side
// texts, its colours turned for a white background when the configuration
// asks, with the chart's description and the credit written into the corners
// beside the disc; a picture is written as a bitmap first and then converted.
#pragma once

#include "drawing/ChartWheel.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QVector>

#include <functional>

class QPainter;

namespace qal {

// The colour a pixel of the wheel takes on a white background: white and
// near-white (glyphs, the disc's outline) and the second chart's dark glyphs
// turn black (readable on their light boxes), the disc white, the other
// greys (spokes, sign glyphs) a light grey, the yellow of the conjunction a
// darker yellow; the quincunx grey (128), the picture's background (224)
// and every other colour stay.
QRgb WhiteBackgroundColor(QRgb c);
void MapToWhiteBackground(QImage& image);

// The bitmap a picture is first written to: the chosen name without its
// last three characters, followed by "bmp".
QString BitmapFileName(const QString& strFileName);
// The bitmap name to use for strFileName: BitmapFileName, unless that is the
// chosen file itself or a file that exists already (which is left alone); a
// number before the extension then makes it free.
QString FreeBitmapFileName(const QString& strFileName);

enum class Corner { TopLeft, TopRight, BottomLeft, BottomRight };

// A paragraph of a corner text: word-wrapped as the room beside the disc
// allows, and made smaller (all paragraphs of a corner alike) when it still
// does not fit.
struct CornerParagraph {
    QString strText;
    double dblPointSize = 7;
    bool blnWhole = false; // one line, never broken (a date, a time with its zone): the corner shrinks instead
};

struct CornerText {
    Corner corner = Corner::TopLeft;
    QColor color;
    QVector<CornerParagraph> paragraphs;
};

// One printed line of a corner text: top-left corner in twips.
struct PlacedLine {
    int x = 0, y = 0;
    QString strText;
    double dblPointSize = 7;
};

// The lines of a corner text, laid out in the corner beside the disc of g:
// top corners from the top down, bottom corners ending at the bottom, right
// corners aligned to the right edge; never past the picture's middle.
QVector<PlacedLine> LayOutCorner(const WheelGeometry& g, const CornerText& text);

// The wheel's image at intScale pixels per canvas pixel: the picture without
// its side texts, mapped for a white background when asked, with the corner
// texts printed on it.
QImage WheelImage(const RecordedPicture& wheel, const WheelGeometry& g, int intScale, bool blnWhiteBackground,
    const QVector<CornerText>& texts);

// The same wheel as a drawing, for vector files: painted into a painter in
// twips, with the colours of the drawing calls mapped instead of pixels.
void PaintWheelForSaving(QPainter& painter, const RecordedPicture& wheel, const WheelGeometry& g,
    bool blnWhiteBackground, const QVector<CornerText>& texts);

enum class VectorFormat { Svg, Pdf };

// Writes a drawing of intWidth × intHeight twips as an SVG or PDF file; paint
// draws it into a painter in twips. "" on success, else the reason it failed;
// an earlier file of that name is replaced only by a complete drawing.
QString WriteVectorFile(const QString& strFileName, VectorFormat format, int intWidth, int intHeight,
    const QString& strTitle, const std::function<void(QPainter&)>& paint);

} // namespace qal
