// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The main window from the keyboard: Enter in a year field computes; the
// date lists change with typing and arrow keys as any list does and hand the
// focus on to Compute on Enter; a table cell is chosen with the arrow keys
// and asked about with Enter, as with a double click.
#include "mainwindow/frmMain.h"

#include "chart/AspectGrid.h"
#include "ui/Focus.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace qal {
namespace {

bool IsEnter(const QEvent* event)
{
    const int intKey = static_cast<const QKeyEvent*>(event)->key();
    return intKey == Qt::Key_Return || intKey == Qt::Key_Enter;
}

// Passes the Enter key and the loss of focus of a year field on to the window.
class YearKeyFilter : public QObject {
public:
    YearKeyFilter(frmMain* form, int k)
        : QObject(form)
        , m_form(form)
        , m_k(k)
    {
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && IsEnter(event)) {
            m_blnEnterPressed = true;
        } else if (event->type() == QEvent::KeyRelease && IsEnter(event)) {
            // Only the release of a press the field received: the release of
            // the Enter that closed a message box lands here too.
            if (m_blnEnterPressed && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
                m_blnEnterPressed = false;
                m_form->txbYearCE_KeyUp(m_k, 13);
            }
        } else if (event->type() == QEvent::FocusOut) {
            m_blnEnterPressed = false;
            m_form->txbYearCE_LostFocus(m_k);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    frmMain* m_form;
    int m_k;
    bool m_blnEnterPressed = false;
};

// The keys of a date list: a change made by a key is marked as such, so that
// the focus stays in the list for the next key; Enter hands it on to Compute.
class DateListKeyFilter : public QObject {
public:
    DateListKeyFilter(frmMain* form, QPushButton* compute)
        : QObject(form)
        , m_compute(compute)
    {
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            if (IsEnter(event)) {
                ui::FocusIfUsable(m_compute);
                return true;
            }
            blnKeyChange = true;
        } else if (event->type() == QEvent::KeyRelease || event->type() == QEvent::FocusOut) {
            blnKeyChange = false;
        }
        return QObject::eventFilter(watched, event);
    }
    bool blnKeyChange = false; // a key of the list is being handled

private:
    QPushButton* m_compute;
};

// A table cell: a double click, the arrow keys and Enter go to the window;
// the cell with the focus is framed.
class CellKeyFilter : public QObject {
public:
    explicit CellKeyFilter(frmMain* form)
        : QObject(form)
        , m_form(form)
    {
    }
    static constexpr const char* kIndex = "cellIndex";
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const int intCell = watched->property(kIndex).toInt();
        switch (event->type()) {
        case QEvent::MouseButtonDblClick: m_form->txbCell_DblClick(intCell); return true;
        case QEvent::KeyPress:
            if (m_form->txbCell_KeyDown(intCell, static_cast<QKeyEvent*>(event)->key()))
                return true;
            break;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            if (auto* cell = qobject_cast<QLabel*>(watched))
                cell->setFrameStyle(event->type() == QEvent::FocusIn ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
            break;
        default: break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    frmMain* m_form;
};

} // namespace

void frmMain::InstallKeyHandling()
{
    auto* dateLists = new DateListKeyFilter(this, cmdCompute);
    m_dateListKeys = [dateLists] { return dateLists->blnKeyChange; };
    for (int k = 0; k < 3; ++k) {
        m_keyFilters[k] = new YearKeyFilter(this, k);
        txbYearCE[k]->installEventFilter(m_keyFilters[k]);
        for (QComboBox* list : { cboMonthCE[k], cboDayCE[k], cboHour[k], cboTimezone[k] })
            list->installEventFilter(dateLists);
    }
    m_keyFilters[3] = dateLists;
    auto* cells = new CellKeyFilter(this);
    for (int i = 0; i < txbCell.size(); ++i) {
        txbCell[i]->setProperty(CellKeyFilter::kIndex, i);
        txbCell[i]->installEventFilter(cells);
    }
    // The reports can be read and selected from the keyboard; the cursor shows the focus.
    for (QPlainTextEdit* box : { txbReport, txbReport1 })
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

bool frmMain::DateListKeyChange() const
{
    return m_dateListKeys && m_dateListKeys();
}

bool frmMain::txbCell_KeyDown(int Index, int KeyCode)
{
    const AspectGrid& grid = m_shown.udtGrid;
    if (Index < 0 || Index >= grid.CellCount())
        return false;
    if (KeyCode == Qt::Key_Return || KeyCode == Qt::Key_Enter) {
        txbCell_DblClick(Index);
        return true;
    }
    int dRow = 0, dCol = 0;
    switch (KeyCode) {
    case Qt::Key_Up: dRow = -1; break;
    case Qt::Key_Down: dRow = 1; break;
    case Qt::Key_Left: dCol = -1; break;
    case Qt::Key_Right: dCol = 1; break;
    default: return false;
    }
    // The next visible cell that way, if there is one.
    GetRowCol(Index, grid.intCols);
    for (int r = intRow + dRow, c = intCol + dCol; r >= 0 && r < grid.intRows && c >= 0 && c < grid.intCols;
         r += dRow, c += dCol) {
        const int intNext = r * grid.intCols + c;
        if (grid.cells[static_cast<size_t>(intNext)].blnVisible) {
            txbCell[intNext]->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
    return true;
}

} // namespace qal
