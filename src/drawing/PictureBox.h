// A picture box: shows a wheel picture, scaled to the widget, smoothly.
#pragma once

#include "drawing/WheelPicture.h"

#include <QWidget>

#include <memory>

namespace qal {

class PictureBox : public QWidget {
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void SetPicture(std::unique_ptr<WheelPicture> picture);
    const WheelPicture* Picture() const { return m_picture.get(); }
    void Clear();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<WheelPicture> m_picture;
};

} // namespace qal
