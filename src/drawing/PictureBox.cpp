#include "drawing/PictureBox.h"

#include <QPainter>

namespace qal {

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetPicture(std::unique_ptr<WheelPicture> picture)
{
    m_picture = std::move(picture);
    update();
}

void PictureBox::Clear()
{
    m_picture.reset();
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
}

} // namespace qal
