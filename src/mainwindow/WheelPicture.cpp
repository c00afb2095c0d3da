#include "mainwindow/WheelPicture.h"

#include "platform/GlyphFont.h"
#include "platform/GlyphMap.h"

#include <QFontMetrics>
#include <QPainter>

namespace qal {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kTwipsPerPoint = 20;

// A font whose pixel size is given in twips, for painters working in twips.
QFont TwipFont(bool blnGlyphFont, double dblPointSize, bool blnUnderline, bool blnSmooth)
{
    QFont font = blnGlyphFont ? platform::GlyphFont(dblPointSize) : QFont(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(dblPointSize * kTwipsPerPoint + 0.5));
    font.setUnderline(blnUnderline);
    font.setBold(false);
    font.setStyleStrategy(blnSmooth ? QFont::PreferAntialias : QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

WheelPicture::WheelPicture(int intWidthTwips, int intHeightTwips, const QColor& background)
    : m_intWidth(intWidthTwips)
    , m_intHeight(intHeightTwips)
    , m_background(background)
    , m_canvas(intWidthTwips / kTwipsPerPixel, intHeightTwips / kTwipsPerPixel, QImage::Format_RGB32)
{
    m_canvas.fill(background);
}

void WheelPicture::Disc(int cx, int cy, int r, const QColor& fill, const QColor& outline)
{
    WheelOp op;
    op.kind = WheelOp::Disc;
    op.x1 = cx, op.y1 = cy, op.x2 = r;
    op.color = fill;
    op.outline = outline;
    m_ops.append(op);
    QPainter painter(&m_canvas);
    Apply(painter, op, false);
}

void WheelPicture::Line(int x1, int y1, int x2, int y2, const QColor& color, int intWidth)
{
    WheelOp op;
    op.kind = WheelOp::Line;
    op.x1 = x1, op.y1 = y1, op.x2 = x2, op.y2 = y2;
    op.color = color;
    op.intWidth = intWidth;
    m_ops.append(op);
    QPainter painter(&m_canvas);
    Apply(painter, op, false);
}

void WheelPicture::Print(int x, int y, const QString& strText, bool blnGlyphFont, double dblPointSize,
    const QColor& color, bool blnUnderline, bool blnOpaque)
{
    WheelOp op;
    op.kind = WheelOp::Text;
    op.x1 = x, op.y1 = y;
    op.strText = strText;
    op.blnGlyphFont = blnGlyphFont;
    op.dblPointSize = dblPointSize;
    op.color = color;
    op.blnUnderline = blnUnderline;
    op.blnOpaque = blnOpaque;
    m_ops.append(op);
    QPainter painter(&m_canvas);
    Apply(painter, op, false);
}

QColor WheelPicture::PointColor(int x, int y) const
{
    const int px = x / kTwipsPerPixel;
    const int py = y / kTwipsPerPixel;
    if (x < 0 || y < 0 || px >= m_canvas.width() || py >= m_canvas.height())
        return {};
    return QColor(m_canvas.pixel(px, py));
}

void WheelPicture::Replay(QPainter& painter) const
{
    painter.fillRect(QRect(0, 0, m_intWidth, m_intHeight), m_background);
    for (const WheelOp& op : m_ops)
        Apply(painter, op, true);
}

void WheelPicture::Apply(QPainter& painter, const WheelOp& op, bool blnSmooth) const
{
    painter.save();
    if (!blnSmooth)
        painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
    painter.setRenderHint(QPainter::Antialiasing, blnSmooth);
    painter.setRenderHint(QPainter::TextAntialiasing, blnSmooth);
    switch (op.kind) {
    case WheelOp::Disc: {
        QPen pen(op.outline);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.setBrush(op.color);
        painter.drawEllipse(QPoint(op.x1, op.y1), op.x2, op.x2);
        break;
    }
    case WheelOp::Line: {
        QPen pen(op.color);
        pen.setCosmetic(true);
        pen.setWidth(op.intWidth);
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        painter.drawLine(op.x1, op.y1, op.x2, op.y2);
        break;
    }
    case WheelOp::Text: {
        const QFont font = TwipFont(op.blnGlyphFont, op.dblPointSize, op.blnUnderline, blnSmooth);
        painter.setFont(font);
        const QString strShown = op.blnGlyphFont ? platform::GlyphSymbols(op.strText) : op.strText;
        const QFontMetrics metrics(font, painter.device());
        const QRect box(QPoint(op.x1, op.y1), QSize(metrics.horizontalAdvance(strShown), metrics.height()));
        if (op.blnOpaque)
            painter.fillRect(box, m_background);
        painter.setPen(op.color);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, strShown);
        break;
    }
    }
    painter.restore();
}

} // namespace qal
