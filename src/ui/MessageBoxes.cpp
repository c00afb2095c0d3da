// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ui/MessageBoxes.h"

#include <QGridLayout>
#include <QMessageBox>

namespace qal::ui {
namespace {

QList<MsgAnswer> ButtonAnswers(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::YesNo: return { MsgAnswer::Yes, MsgAnswer::No };
    case MsgButtons::YesNoCancel: return { MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::Cancel };
    case MsgButtons::Ok: break;
    }
    return { MsgAnswer::Ok };
}

QMessageBox::StandardButton ToStandard(MsgAnswer answer)
{
    switch (answer) {
    case MsgAnswer::Yes: return QMessageBox::Yes;
    case MsgAnswer::No: return QMessageBox::No;
    case MsgAnswer::Cancel: return QMessageBox::Cancel;
    case MsgAnswer::Ok: break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon ToQtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MsgAnswer MsgBox(const QString& strText, MsgIcon icon, MsgButtons buttons, const QString& strTitle,
    int intDefaultButton, QWidget* parent)
{
    const QList<MsgAnswer> answers = ButtonAnswers(buttons);
    const MsgAnswer defaultAnswer = answers.value(intDefaultButton - 1, answers.first());
    if (Scripted()) {
        script::LogMessage({ strText, strTitle, icon, buttons, intDefaultButton });
        MsgAnswer answer = defaultAnswer;
        script::NextMsgAnswer(answer);
        return answer;
    }
    QMessageBox box(ToQtIcon(icon), strTitle, QString(strText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
        QMessageBox::NoButton, parent);
    for (MsgAnswer a : answers)
        box.addButton(ToStandard(a));
    box.setDefaultButton(ToStandard(defaultAnswer));
    // A short message must not cut its title: the box is at least as wide as
    // the title and the title bar's own buttons need.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int intTitle = box.fontMetrics().horizontalAdvance(strTitle) + 140;
        grid->addItem(new QSpacerItem(intTitle, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0,
            1, grid->columnCount());
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    default: return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    }
}

} // namespace qal::ui
