// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Answering the program's questions in advance, for tests.
//
// Every message box, file dialog, clipboard use and opened web address goes
// through the small modules of this folder. Once scripted, none of them
// shows a window or touches the system: each takes the next answer queued
// here and logs what it was asked, so that a test can read it back.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace qal::ui {

enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

struct MessageRecord {
    QString strText;
    QString strTitle;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    int intDefaultButton = 1;
};

struct FileDialogRecord {
    bool blnSave = false;
    QString strTitle;
    QString strFilter;
    QString strStartFolder; // the folder the dialog opened in
};

// Switches the scripted mode on or off; either way the queues, the logs and
// the scripted clipboard start empty.
void UseScript(bool blnScripted);
bool Scripted();

// Message boxes: the next answer (a box takes its default button when none is queued).
void QueueMsgAnswer(MsgAnswer answer);
QList<MessageRecord> TakeMessageLog();

// File dialogs: the next chosen file name ("" is a cancelled dialog, which
// is also the answer when none is queued) and the filter chosen with it
// (0 for the first of the dialog's filters).
void QueueFileName(const QString& strFileName, int intFilterIndex = 0);
QList<FileDialogRecord> TakeFileDialogLog();


// --- Used by the modules of this folder ---
namespace script {
bool NextMsgAnswer(MsgAnswer& answer);
void LogMessage(const MessageRecord& record);
QString NextFileName(const FileDialogRecord& record, int* intFilterIndex);
QString& Clipboard();
void QueueModalAction(std::function<void()> action);
std::function<void()> NextModalAction();
} // namespace script

} // namespace qal::ui
