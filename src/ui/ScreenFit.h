// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Keeping a window on the screen it opens on: no larger than the screen's
// free area and moved inside it, frame included.
#pragma once

#include <QScrollArea>

class QWidget;

namespace qal::ui {

void FitOnScreen(QWidget* window);

// A scroll area that asks for the whole of its content: a dialog shows it
// all where the screen has the room, and scrolls it where not.
class WholeContentScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override;
};

} // namespace qal::ui
