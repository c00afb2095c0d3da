// The main window.
#pragma once

#include <QMainWindow>

namespace qal {

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
};

} // namespace qal
