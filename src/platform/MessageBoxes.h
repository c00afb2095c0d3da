// Message boxes. Every question and notice the program shows goes through
// here, so that a test can answer in advance and read back what was shown.
#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace qal::platform {

enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

struct MessageRecord {
    QString strText;
    QString strTitle;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
};

// Shows a modal box and returns the answer. intDefaultButton (1-based) is the
// button that Enter presses.
MsgAnswer MsgBox(const QString& strText, MsgIcon icon, MsgButtons buttons, const QString& strTitle,
    int intDefaultButton = 1, QWidget* parent = nullptr);

// --- For tests: once scripted, no box is shown; each call takes the next
// queued answer (or its default button when none is queued) and is logged.
void MsgBoxUseScript(bool blnScripted);
void MsgBoxQueueAnswer(MsgAnswer answer);
QList<MessageRecord> MsgBoxTakeLog();

} // namespace qal::platform
