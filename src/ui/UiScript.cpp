// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ui/UiScript.h"

namespace qal::ui {
namespace {

struct ScriptState {
    bool blnScripted = false;
    QList<MsgAnswer> answers;
    QList<MessageRecord> messages;
    QList<QPair<QString, int>> fileNames; // name, filter index
    QList<FileDialogRecord> fileDialogs;
    QString strClipboard;
    QList<std::function<void()>> modalActions;
};

ScriptState& State()
{
    static ScriptState state;
    return state;
}

} // namespace

void UseScript(bool blnScripted)
{
    State() = ScriptState();
    State().blnScripted = blnScripted;
}

bool Scripted()
{
    return State().blnScripted;
}

void QueueMsgAnswer(MsgAnswer answer)
{
    State().answers.append(answer);
}

QList<MessageRecord> TakeMessageLog()
{
    return std::exchange(State().messages, {});
}

void QueueFileName(const QString& strFileName, int intFilterIndex)
{
    State().fileNames.append({ strFileName, intFilterIndex });
}

QList<FileDialogRecord> TakeFileDialogLog()
{
    return std::exchange(State().fileDialogs, {});
}

namespace script {

bool NextMsgAnswer(MsgAnswer& answer)
{
    if (State().answers.isEmpty())
        return false;
    answer = State().answers.takeFirst();
    return true;
}

void LogMessage(const MessageRecord& record)
{
    State().messages.append(record);
}

QString NextFileName(const FileDialogRecord& record, int* intFilterIndex)
{
    State().fileDialogs.append(record);
    const QPair<QString, int> answer
        = State().fileNames.isEmpty() ? QPair<QString, int>() : State().fileNames.takeFirst();
    if (intFilterIndex)
        *intFilterIndex = answer.second;
    return answer.first;
}

QString& Clipboard()
{
    return State().strClipboard;
}

void QueueModalAction(std::function<void()> action)
{
    State().modalActions.append(std::move(action));
}

std::function<void()> NextModalAction()
{
    return State().modalActions.isEmpty() ? std::function<void()>() : State().modalActions.takeFirst();
}

} // namespace script

} // namespace qal::ui
