// A picture box: shows a wheel picture, scaled to the widget, smoothly.
#pragma once

#include "drawing/RecordedPicture.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace qal {

class PictureBox : public QWidget {
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void SetPicture(std::unique_ptr<RecordedPicture> picture);
    const RecordedPicture* Picture() const { return m_picture.get(); }
    void Clear();

    // A released mouse button, at a point of the picture in twips.
    std::function<void(Qt::MouseButton button, int intXTwips, int intYTwips)> onMouseUp;
    // A point of the widget in the picture's twips.
    QPoint ToTwips(const QPointF& point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<RecordedPicture> m_picture;
};

} // namespace qal
