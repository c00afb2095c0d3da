// The picture the chart wheel is drawn into.
//
// Coordinates are twips (x to the right, y downward). Every drawing call is
// applied at once to an occupancy canvas of one pixel per 15 twips, drawn
// without smoothing so that its colours are exact (glyph placement and a
// right-click read colours from it), and recorded, so that the screen can
// show the same picture smoothly at any size.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QVector>

class QPainter;

namespace qal {

struct WheelOp {
    enum Kind { Disc, Line, Text } kind = Line;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // line end points; disc centre and radius in x1, y1, x2; text top-left
    QColor color;
    QColor outline; // disc outline
    int intWidth = 1; // line width in pixels
    QString strText;
    bool blnGlyphFont = false; // the astrological glyph font, else the text font
    double dblPointSize = 14;
    bool blnUnderline = false;
    bool blnOpaque = false; // text on a box of the picture's background
};

class WheelPicture {
public:
    WheelPicture(int intWidthTwips, int intHeightTwips, const QColor& background);

    int WidthTwips() const { return m_intWidth; }
    int HeightTwips() const { return m_intHeight; }
    QColor Background() const { return m_background; }

    void Disc(int cx, int cy, int r, const QColor& fill, const QColor& outline);
    void Line(int x1, int y1, int x2, int y2, const QColor& color, int intWidth);
    // Prints strText with its top-left corner at (x, y). Glyph text is given
    // as glyph characters ("s", "x", ...).
    void Print(int x, int y, const QString& strText, bool blnGlyphFont, double dblPointSize, const QColor& color,
        bool blnUnderline = false, bool blnOpaque = false);

    // Colour at a point of the canvas; invalid outside the picture.
    QColor PointColor(int x, int y) const;

    const QVector<WheelOp>& Ops() const { return m_ops; }
    const QImage& Canvas() const { return m_canvas; }

    // Paints the recorded picture, smoothed, into a painter whose coordinate
    // system is already in twips.
    void Replay(QPainter& painter) const;

private:
    void Apply(QPainter& painter, const WheelOp& op, bool blnSmooth) const;

    int m_intWidth;
    int m_intHeight;
    QColor m_background;
    QImage m_canvas;
    QVector<WheelOp> m_ops;
};

} // namespace qal
