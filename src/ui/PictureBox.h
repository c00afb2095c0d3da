// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// A picture box: shows a picture (the wheel, the transit graph, the time
// map), scaled to the widget, smoothly, and reports the mouse in the
// picture's twips.
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
    // The mouse moved (buttons up or down) or double-clicked, in twips.
    void SetOnMouseMove(std::function<void(int intXTwips, int intYTwips)> onMove);
    std::function<void(int intXTwips, int intYTwips)> onDoubleClick;
    // A point of the widget in the picture's twips.
    QPoint ToTwips(const QPointF& point) const;
    // A key pressed while the picture has the focus; true when it was used.
    std::function<bool(int intKey)> onKeyPress;
    // The part of the picture chosen with the keyboard (twips), framed while
    // the picture has the focus; an empty rectangle for none.
    void SetChosenArea(const QRect& twips);
    QRect ChosenArea() const { return m_chosen; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::unique_ptr<RecordedPicture> m_picture;
    std::function<void(int intXTwips, int intYTwips)> m_onMouseMove;
    QRect m_chosen;
};

} // namespace qal
