// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ui/PictureBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace qal {

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetPicture(std::unique_ptr<RecordedPicture> picture)
{
    m_picture = std::move(picture);
    update();
}

void PictureBox::Clear()
{
    m_picture.reset();
    update();
}

QPoint PictureBox::ToTwips(const QPointF& point) const
{
    if (!m_picture || width() == 0 || height() == 0)
        return {};
    return { static_cast<int>(point.x() * m_picture->WidthTwips() / width()),
        static_cast<int>(point.y() * m_picture->HeightTwips() / height()) };
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (!onMouseUp || !m_picture)
        return;
    const QPoint at = ToTwips(event->position());
    onMouseUp(event->button(), at.x(), at.y());
}

void PictureBox::SetOnMouseMove(std::function<void(int intXTwips, int intYTwips)> onMove)
{
    m_onMouseMove = std::move(onMove);
    setMouseTracking(static_cast<bool>(m_onMouseMove));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_onMouseMove || !m_picture)
        return;
    const QPoint at = ToTwips(event->position());
    m_onMouseMove(at.x(), at.y());
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!onDoubleClick || !m_picture)
        return;
    const QPoint at = ToTwips(event->position());
    onDoubleClick(at.x(), at.y());
}

void PictureBox::SetChosenArea(const QRect& twips)
{
    m_chosen = twips;
    update();
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    if (onKeyPress && m_picture && onKeyPress(event->key()))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void PictureBox::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_picture) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    painter.scale(static_cast<double>(width()) / m_picture->WidthTwips(),
        static_cast<double>(height()) / m_picture->HeightTwips());
    m_picture->Replay(painter);
    if (hasFocus() && !m_chosen.isEmpty()) {
        QPen pen(palette().highlight().color(), 2.0 * m_picture->WidthTwips() / std::max(1, width()));
        pen.setStyle(Qt::DashLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(m_chosen);
    }
}

} // namespace qal
