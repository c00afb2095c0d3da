// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// A picture the program draws: the chart wheel and the transit graph.
//
// Coordinates are twips (x to the right, y downward). Every drawing call is
// applied at once to an occupancy canvas of one pixel per 15 twips, drawn
// without smoothing so that its colours are exact (glyph placement and a
// right-click read colours from it), and recorded, so that the screen can
// show the same picture smoothly at any size.
#pragma once

#include <QColor>
#include <QImage>
#include <QPen>
#include <QString>
#include <QVector>

#include <functional>

class QPainter;

namespace qal {

struct PictureOp {
    enum class Kind { Disc, Line, Text, Glyph, Rect } kind = Kind::Line;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // line end points; disc centre and radius in x1, y1, x2; text top-left
    QColor color;
    QColor outline; // disc outline
    int intWidth = 1; // line width in pixels
    QString strText;
    bool blnGlyphFont = false; // the astrological glyph font, else the text font
    bool blnMonospace = false; // the fixed-width text font
    bool blnSideText = false; // a side text of the wheel, left out of a saved image
    double dblPointSize = 14;
    bool blnUnderline = false;
    bool blnOpaque = false; // text on a box of the picture's background
};

// The box a body glyph is drawn in, relative to its print position (the
// glyph's centre minus 150 twips in x and y): the glyph's ink always lies
// inside it, so the place test around the centre covers all that is drawn.
constexpr int intGlyphBoxWidth = 250;
constexpr int intGlyphBoxHeight = 300;

class RecordedPicture {
public:
    // Without a canvas (blnCanvas false) the calls are only recorded: for
    // pictures large enough that a second copy would cost, whose colours no
    // one reads back (PointColor is then invalid everywhere).
    RecordedPicture(int intWidthTwips, int intHeightTwips, const QColor& background, bool blnCanvas = true);

    int WidthTwips() const { return m_intWidth; }
    int HeightTwips() const { return m_intHeight; }

    void Disc(int cx, int cy, int r, const QColor& fill, const QColor& outline);
    // Fills the rectangle with its top-left corner at (x, y), w wide, h high.
    void FillRect(int x, int y, int w, int h, const QColor& color);
    void Line(int x1, int y1, int x2, int y2, const QColor& color, int intWidth);
    // Prints strText with its top-left corner at (x, y). Glyph text is given
    // as glyph characters ("x", "c", ...).
    void Print(int x, int y, const QString& strText, bool blnGlyphFont, double dblPointSize, const QColor& color,
        bool blnUnderline = false, bool blnOpaque = false);
    // Prints a body glyph (a glyph character) centred in its glyph box at
    // print position (x, y), sized so that its ink fits the box; an opaque
    // glyph fills the whole box with the background first.
    void PrintGlyph(
        int x, int y, const QString& strGlyph, const QColor& color, bool blnUnderline = false, bool blnOpaque = false);
    // Where the ink of a body glyph printed at print position (x, y) stands,
    // in twips, as the smooth picture shows it.
    static QRectF GlyphInkBox(int x, int y, const QString& strGlyph);
    // Prints text in the fixed-width font.
    void PrintMonospace(int x, int y, const QString& strText, double dblPointSize, const QColor& color);
    // Marks the text printed last as a side text of the wheel.
    void MarkLastAsSideText();

    // Width in twips of strText printed in the text font at dblPointSize.
    static int TextWidth(const QString& strText, double dblPointSize);

    // Colour at a point of the canvas; invalid outside the picture.
    QColor PointColor(int x, int y) const;
    // The same as an opaque RGB value; false outside the picture.
    bool PointRgb(int x, int y, QRgb& rgb) const;

    const QVector<PictureOp>& Ops() const { return m_ops; }
    const QImage& Canvas() const { return m_canvas; }

    // Paints the recorded picture, smoothed, into a painter whose coordinate
    // system is already in twips.
    void Replay(QPainter& painter) const;
    // The same, leaving out the side texts when asked and passing every
    // colour through mapColor (a vector copy of the picture).
    void Replay(QPainter& painter, bool blnWithSideTexts, const std::function<QColor(const QColor&)>& mapColor) const;

    // The picture drawn anew at intScale pixels per canvas pixel without
    // smoothing, so that its colours are exact; the side texts are left out
    // when asked.
    QImage Render(int intScale, bool blnWithSideTexts) const;

    // Prints smoothed text in the text font into an image of a picture drawn
    // at intScale pixels per canvas pixel; x and y are twips of the picture.
    static void PrintOnImage(
        QImage& image, int intScale, int x, int y, const QString& strText, double dblPointSize, const QColor& color);
    // Prints smoothed text in the text font with a painter in twips.
    static void PaintText(
        QPainter& painter, int x, int y, const QString& strText, double dblPointSize, const QColor& color);

private:
    void Record(const PictureOp& op);
    // Paints one drawing call. Smooth painting is for a painter already in
    // twips; exact painting scales twips to pixels itself, intScale pixels
    // to a canvas pixel (line widths grow with it).
    static void Apply(
        QPainter& painter, const PictureOp& op, bool blnSmooth, const QColor& background, int intScale = 1);
    // Paints every recorded call (the side texts only when asked), each
    // colour passed through mapColor when there is one.
    void ApplyAll(QPainter& painter, bool blnSmooth, bool blnWithSideTexts, int intScale,
        const std::function<QColor(const QColor&)>* mapColor) const;

    int m_intWidth;
    int m_intHeight;
    QColor m_background;
    QImage m_canvas;
    QVector<PictureOp> m_ops;
};

} // namespace qal
