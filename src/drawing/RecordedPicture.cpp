// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "drawing/RecordedPicture.h"

#include "drawing/Fonts.h"
#include "platform/GlyphMap.h"
#include "util/Twips.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>

#include <algorithm>

namespace qal {
namespace {

constexpr double kGlyphMargin = 10; // twips kept free inside the glyph box
constexpr double kUnderlineGap = 20; // twips between a glyph's ink and its underline
constexpr double kUnderlineRoom = 45; // twips kept below the ink for the underline
constexpr const char* kBodyGlyphs = "sfghjSFGJaL";

// A font whose pixel size is given in twips, for painters working in twips.
QFont TwipFont(bool blnGlyphFont, double dblPixelSize, bool blnUnderline, bool blnSmooth, bool blnMonospace = false)
{
    QFont font = blnGlyphFont ? GlyphFont(14)
                              : QFont(blnMonospace ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("Arial"));
    font.setStyleHint(blnMonospace ? QFont::Monospace : QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(dblPixelSize + 0.5)));
    font.setUnderline(blnUnderline);
    font.setBold(false);
    font.setStyleStrategy(blnSmooth ? QFont::PreferAntialias : QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The pixel size (twips) at which the widest and the tallest body glyph fit
// the glyph box, with a margin; the same for every glyph so they look alike.
double BodyGlyphPixelSize()
{
    static const double dblSize = [] {
        constexpr double kReference = 1000;
        const QFontMetricsF metrics(TwipFont(true, kReference, false, true));
        double dblWidth = 1, dblHeight = 1;
        for (const char* c = kBodyGlyphs; *c; ++c) {
            const QRectF ink = metrics.tightBoundingRect(platform::GlyphSymbols(QString(QLatin1Char(*c))));
            dblWidth = std::max(dblWidth, ink.width());
            dblHeight = std::max(dblHeight, ink.height());
        }
        const double dblScale = std::min((intGlyphBoxWidth - 2 * kGlyphMargin) / dblWidth,
            (intGlyphBoxHeight - 2 * kGlyphMargin - kUnderlineRoom) / dblHeight);
        // Never larger than the glyph font's own 14 points.
        return std::min(kReference * dblScale, 14.0 * intTwipsPerPoint);
    }();
    return dblSize;
}

// The ink box of a body glyph at the glyph size, worked out once per glyph
// and per kind of painting.
QRectF GlyphInk(const QString& strShown, bool blnSmooth)
{
    static QHash<QString, QRectF> inks[2];
    QHash<QString, QRectF>& cache = inks[blnSmooth ? 1 : 0];
    const auto it = cache.constFind(strShown);
    if (it != cache.constEnd())
        return *it;
    const QRectF ink
        = QFontMetricsF(TwipFont(true, BodyGlyphPixelSize(), false, blnSmooth)).tightBoundingRect(strShown);
    cache.insert(strShown, ink);
    return ink;
}

// A text drawing call in the text font.
PictureOp TextOp(int x, int y, const QString& strText, double dblPointSize, const QColor& color)
{
    PictureOp op;
    op.kind = PictureOp::Kind::Text;
    op.x1 = x, op.y1 = y;
    op.strText = strText;
    op.dblPointSize = dblPointSize;
    op.color = color;
    return op;
}

// The pen of a line intPixels wide (pixels of the picture at its own size).
QPen LinePen(const QColor& color, int intPixels, bool blnSmooth, int intScale)
{
    QPen pen(color);
    if (blnSmooth) {
        // A real width in the drawing's twips: on screen and in every file it
        // scales with the picture, so a line printed at 300 dpi is as strong
        // as on screen, not a hairline.
        pen.setWidthF(intPixels * intTwipsPerPixel);
    } else {
        // The exact canvas: whole device pixels.
        pen.setCosmetic(true);
        pen.setWidth(intPixels * intScale);
    }
    return pen;
}

// The pen, brush and font a painter holds while a picture is replayed. Each is
// set only when it changes: a drawing file (SVG, PDF) starts a new group at
// every change of state, and a time map of thousands of marks in one colour
// then stays one group instead of thousands.
class PainterState {
public:
    explicit PainterState(QPainter& painter)
        : m_painter(painter)
    {
    }
    void UsePen(const QPen& pen)
    {
        if (!m_blnPenSet || pen != m_pen)
            m_painter.setPen(pen);
        m_pen = pen, m_blnPenSet = true;
    }
    void UseBrush(const QColor& color) // Qt::transparent: no fill
    {
        if (!m_blnBrushSet || color != m_brush)
            m_painter.setBrush(color == QColor(Qt::transparent) ? QBrush(Qt::NoBrush) : QBrush(color));
        m_brush = color, m_blnBrushSet = true;
    }
    void UseFont(const QFont& font)
    {
        if (!m_blnFontSet || font != m_font)
            m_painter.setFont(font);
        m_font = font, m_blnFontSet = true;
    }
    // A filled rectangle without an outline.
    void Fill(const QRectF& box, const QColor& color)
    {
        UsePen(Qt::NoPen);
        UseBrush(color);
        m_painter.drawRect(box);
    }

private:
    QPainter& m_painter;
    QPen m_pen;
    QColor m_brush;
    QFont m_font;
    bool m_blnPenSet = false, m_blnBrushSet = false, m_blnFontSet = false;
};

// Sets the painter up for a run of drawing calls: smooth painting is for a
// painter already in twips; exact painting scales twips to pixels itself.
void BeginOps(QPainter& painter, bool blnSmooth)
{
    painter.save();
    if (!blnSmooth)
        painter.scale(1.0 / intTwipsPerPixel, 1.0 / intTwipsPerPixel);
    painter.setRenderHint(QPainter::Antialiasing, blnSmooth);
    painter.setRenderHint(QPainter::TextAntialiasing, blnSmooth);
}

// Paints one drawing call; intScale pixels to a canvas pixel in exact
// painting (line widths grow with it).
void PaintOp(
    QPainter& painter, PainterState& state, const PictureOp& op, bool blnSmooth, const QColor& background, int intScale)
{
    switch (op.kind) {
    case PictureOp::Kind::Disc: {
        state.UsePen(LinePen(op.outline, 1, blnSmooth, intScale));
        state.UseBrush(op.color);
        painter.drawEllipse(QPoint(op.x1, op.y1), op.x2, op.x2);
        break;
    }
    case PictureOp::Kind::Line: {
        QPen pen = LinePen(op.color, op.intWidth, blnSmooth, intScale);
        pen.setCapStyle(Qt::RoundCap);
        state.UsePen(pen);
        if (blnSmooth) {
            // Through the middle of the pixels the exact drawing fills, so
            // that straight lines stay sharp.
            const double dblHalf = intTwipsPerPixel / 2.0;
            painter.drawLine(QPointF(op.x1 + dblHalf, op.y1 + dblHalf), QPointF(op.x2 + dblHalf, op.y2 + dblHalf));
        } else {
            painter.drawLine(op.x1, op.y1, op.x2, op.y2);
        }
        break;
    }
    case PictureOp::Kind::Rect: state.Fill(QRect(op.x1, op.y1, op.x2, op.y2), op.color); break;
    case PictureOp::Kind::Text: {
        const QFont font = TwipFont(
            op.blnGlyphFont, op.dblPointSize * intTwipsPerPoint, op.blnUnderline, blnSmooth, op.blnMonospace);
        state.UseFont(font);
        const QString strShown = op.blnGlyphFont ? platform::GlyphSymbols(op.strText) : op.strText;
        const QFontMetrics metrics(font, painter.device());
        const QRect box(QPoint(op.x1, op.y1), QSize(metrics.horizontalAdvance(strShown), metrics.height()));
        if (op.blnOpaque)
            state.Fill(box, background);
        state.UsePen(QPen(op.color));
        // Not clipped to its box, which it fills anyway: a clip would save
        // and restore the painter's state around every text.
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, strShown);
        break;
    }
    case PictureOp::Kind::Glyph: {
        const QFont font = TwipFont(true, BodyGlyphPixelSize(), false, blnSmooth);
        state.UseFont(font);
        const QString strShown = platform::GlyphSymbols(op.strText);
        const QRectF ink = GlyphInk(strShown, blnSmooth);
        const QRectF box(op.x1, op.y1, intGlyphBoxWidth, intGlyphBoxHeight);
        if (op.blnOpaque)
            state.Fill(box, background);
        // The ink's centre on the box's centre (raised to leave room for the
        // underline); the baseline follows from it.
        const QPointF centre(box.center().x(), box.center().y() - kUnderlineRoom / 2);
        const QPointF baseline(centre.x() - ink.center().x(), centre.y() - ink.center().y());
        state.UsePen(QPen(op.color));
        painter.drawText(baseline, strShown);
        if (op.blnUnderline) {
            // Under the ink only, so it stays inside the box.
            const double dblY = centre.y() + ink.height() / 2 + kUnderlineGap;
            QPen pen(op.color);
            pen.setWidthF(blnSmooth ? intTwipsPerPixel : 0);
            if (!blnSmooth && intScale > 1) {
                pen.setCosmetic(true);
                pen.setWidth(intScale);
            }
            pen.setCapStyle(Qt::FlatCap);
            state.UsePen(pen);
            painter.drawLine(QPointF(centre.x() - ink.width() / 2, dblY), QPointF(centre.x() + ink.width() / 2, dblY));
        }
        break;
    }
    }
}


} // namespace

RecordedPicture::RecordedPicture(int intWidthTwips, int intHeightTwips, const QColor& background, bool blnCanvas)
    : m_intWidth(intWidthTwips)
    , m_intHeight(intHeightTwips)
    , m_background(background)
{
    if (!blnCanvas)
        return;
    m_canvas = QImage(intWidthTwips / intTwipsPerPixel, intHeightTwips / intTwipsPerPixel, QImage::Format_RGB32);
    m_canvas.fill(background);
}

void RecordedPicture::Record(const PictureOp& op)
{
    m_ops.append(op);
    if (m_canvas.isNull())
        return;
    QPainter painter(&m_canvas);
    Apply(painter, op, false, m_background);
}

void RecordedPicture::Disc(int cx, int cy, int r, const QColor& fill, const QColor& outline)
{
    PictureOp op;
    op.kind = PictureOp::Kind::Disc;
    op.x1 = cx, op.y1 = cy, op.x2 = r;
    op.color = fill;
    op.outline = outline;
    Record(op);
}

void RecordedPicture::FillRect(int x, int y, int w, int h, const QColor& color)
{
    PictureOp op;
    op.kind = PictureOp::Kind::Rect;
    op.x1 = x, op.y1 = y, op.x2 = w, op.y2 = h;
    op.color = color;
    Record(op);
}

void RecordedPicture::PrintMonospace(int x, int y, const QString& strText, double dblPointSize, const QColor& color)
{
    PictureOp op = TextOp(x, y, strText, dblPointSize, color);
    op.blnMonospace = true;
    Record(op);
}

void RecordedPicture::MarkLastAsSideText()
{
    if (!m_ops.isEmpty())
        m_ops.last().blnSideText = true;
}

void RecordedPicture::Line(int x1, int y1, int x2, int y2, const QColor& color, int intWidth)
{
    PictureOp op;
    op.kind = PictureOp::Kind::Line;
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
    op.color = color;
    op.intWidth = intWidth;
    Record(op);
}

void RecordedPicture::Print(int x, int y, const QString& strText, bool blnGlyphFont, double dblPointSize,
    const QColor& color, bool blnUnderline, bool blnOpaque)
{
    PictureOp op = TextOp(x, y, strText, dblPointSize, color);
    op.blnGlyphFont = blnGlyphFont;
    op.blnUnderline = blnUnderline;
    op.blnOpaque = blnOpaque;
    Record(op);
}

void RecordedPicture::PrintGlyph(
    int x, int y, const QString& strGlyph, const QColor& color, bool blnUnderline, bool blnOpaque)
{
    PictureOp op = TextOp(x, y, strGlyph, 0, color); // glyphs take their size from the glyph box
    op.kind = PictureOp::Kind::Glyph;
    op.blnUnderline = blnUnderline;
    op.blnOpaque = blnOpaque;
    Record(op);
}

int RecordedPicture::TextWidth(const QString& strText, double dblPointSize)
{
    const QFontMetricsF metrics(TwipFont(false, dblPointSize * intTwipsPerPoint, false, true));
    return static_cast<int>(metrics.horizontalAdvance(strText) + 0.5);
}

QColor RecordedPicture::PointColor(int x, int y) const
{
    QRgb rgb = 0;
    return PointRgb(x, y, rgb) ? QColor(rgb) : QColor();
}

bool RecordedPicture::PointRgb(int x, int y, QRgb& rgb) const
{
    const int px = x / intTwipsPerPixel;
    const int py = y / intTwipsPerPixel;
    if (x < 0 || y < 0 || px >= m_canvas.width() || py >= m_canvas.height())
        return false;
    rgb = reinterpret_cast<const QRgb*>(m_canvas.constScanLine(py))[px] | 0xFF000000u;
    return true;
}

QRectF RecordedPicture::GlyphInkBox(int x, int y, const QString& strGlyph)
{
    // As PaintOp places it: the ink's centre on the box's centre, raised to
    // leave room for the underline.
    const QRectF ink = GlyphInk(platform::GlyphSymbols(strGlyph), true);
    const QPointF centre(x + intGlyphBoxWidth / 2.0, y + intGlyphBoxHeight / 2.0 - kUnderlineRoom / 2);
    return QRectF(centre.x() - ink.width() / 2, centre.y() - ink.height() / 2, ink.width(), ink.height());
}

QImage RecordedPicture::Render(int intScale, bool blnWithSideTexts) const
{
    QImage image(
        m_intWidth / intTwipsPerPixel * intScale, m_intHeight / intTwipsPerPixel * intScale, QImage::Format_RGB32);
    image.fill(m_background);
    QPainter painter(&image);
    painter.scale(intScale, intScale);
    ApplyAll(painter, false, blnWithSideTexts, intScale, nullptr);
    return image;
}

void RecordedPicture::PrintOnImage(
    QImage& image, int intScale, int x, int y, const QString& strText, double dblPointSize, const QColor& color)
{
    QPainter painter(&image);
    painter.scale(double(intScale) / intTwipsPerPixel, double(intScale) / intTwipsPerPixel);
    PaintText(painter, x, y, strText, dblPointSize, color);
}

void RecordedPicture::PaintText(
    QPainter& painter, int x, int y, const QString& strText, double dblPointSize, const QColor& color)
{
    Apply(painter, TextOp(x, y, strText, dblPointSize, color), true, Qt::transparent);
}

void RecordedPicture::Replay(QPainter& painter) const
{
    painter.fillRect(QRect(0, 0, m_intWidth, m_intHeight), m_background);
    ApplyAll(painter, true, true, 1, nullptr);
}

void RecordedPicture::Replay(
    QPainter& painter, bool blnWithSideTexts, const std::function<QColor(const QColor&)>& mapColor) const
{
    painter.fillRect(QRect(0, 0, m_intWidth, m_intHeight), mapColor(m_background));
    ApplyAll(painter, true, blnWithSideTexts, 1, &mapColor);
}

void RecordedPicture::ApplyAll(QPainter& painter, bool blnSmooth, bool blnWithSideTexts, int intScale,
    const std::function<QColor(const QColor&)>* mapColor) const
{
    const QColor background = mapColor ? (*mapColor)(m_background) : m_background;
    BeginOps(painter, blnSmooth);
    PainterState state(painter);
    for (const PictureOp& recorded : m_ops) {
        if (recorded.blnSideText && !blnWithSideTexts)
            continue;
        if (!mapColor) {
            PaintOp(painter, state, recorded, blnSmooth, background, intScale);
            continue;
        }
        PictureOp op = recorded;
        op.color = (*mapColor)(op.color);
        op.outline = (*mapColor)(op.outline);
        PaintOp(painter, state, op, blnSmooth, background, intScale);
    }
    painter.restore();
}


void RecordedPicture::Apply(
    QPainter& painter, const PictureOp& op, bool blnSmooth, const QColor& background, int intScale)
{
    BeginOps(painter, blnSmooth);
    PainterState state(painter);
    PaintOp(painter, state, op, blnSmooth, background, intScale);
    painter.restore();
}

} // namespace qal
