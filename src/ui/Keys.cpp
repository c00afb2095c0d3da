// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ui/Keys.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>

namespace qal::ui {
namespace {

class EnterFilter : public QObject {
public:
    explicit EnterFilter(QDialog* dialog)
        : QObject(dialog)
        , m_dialog(dialog)
    {
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->modifiers() & ~Qt::KeypadModifier)
            return QObject::eventFilter(watched, event);
        // The dialog's own handling would press a default button: only the
        // focused one is pressed, and a list or a box keeps its Enter.
        if (auto* button = qobject_cast<QPushButton*>(m_dialog->focusWidget())) {
            if (button->isEnabled())
                button->click();
            return true;
        }
        return watched == m_dialog; // what reaches the dialog itself ends here
    }

private:
    QDialog* m_dialog;
};

} // namespace

void CloseOnEscape(QWidget* window, std::function<void()> close)
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, std::move(close));
}

void EnterPressesFocusedButton(QDialog* dialog)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    auto* filter = new EnterFilter(dialog);
    dialog->installEventFilter(filter);
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        button->installEventFilter(filter);
}

} // namespace qal::ui
