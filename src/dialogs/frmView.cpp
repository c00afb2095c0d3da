// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "dialogs/frmView.h"

#include "platform/Files.h"
#include "text/Texts.h"
#include "ui/Clipboard.h"
#include "ui/ControlNames.h"
#include "ui/MessageBoxes.h"
#include "util/Version.h"
#include "ui/Keys.h"
#include "drawing/Fonts.h"
#include "util/Twips.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace qal {
namespace {

constexpr int kMinWidth = 8000;
constexpr int kMinHeight = 2000;
constexpr int kTextWidthLess = 450; // the text box is this much narrower than the window
constexpr int kTextHeightLess = 1200; // and this much lower
constexpr int kButtonHeight = 375;
constexpr int kCopyWidth = 3270;
constexpr int kCopySelectionWidth = 4425;
constexpr int kCloseWidth = 1200;
constexpr int kMargin = 120;
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

} // namespace

QString ViewerText(const QString& strFileText)
{
    if (strFileText.size() < intViewerMaxChars)
        return strFileText;
    const QString strHead = QStringLiteral("NOTE: This file is too large to display entirely in this textbox.")
        + strCrLf + QStringLiteral("To view the entire contents of the file load it into NotePad,") + strCrLf
        + QStringLiteral("WordPad or some other text editor.") + strCrLf + strCrLf;
    const QString strTail = QStringLiteral("NOTE: Entire contents of file have not been displayed.") + strCrLf;
    return strHead + strFileText.left(intViewerMaxChars - strHead.size() - strTail.size()) + strCrLf + strCrLf
        + strTail;
}

frmView::frmView(QWidget* owner)
    : QWidget(owner, Qt::Window)
{
    txbText1 = new QPlainTextEdit(this);
    txbText1->setReadOnly(true);
    txbText1->setFont(FixedWidthFont(10)); // the manual is plain text laid out in columns
    txbText1->viewport()->installEventFilter(this);
    cmdCopyToClipboard = new QPushButton(this);
    cmdClose = new QPushButton(this);
    cmdAbout = ui::Named(new QPushButton(this), "cmdAbout");
    connect(cmdAbout, &QPushButton::clicked, this, [this] { cmdAbout_Click(); });
    connect(cmdCopyToClipboard, &QPushButton::clicked, this, [this] { cmdCopyToClipboard_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    ui::CloseOnEscape(this, [this] { cmdClose_Click(); });
    resize(Px(kMinWidth), Px(kMinHeight * 3));
}

void frmView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Form_Activate();
}

void frmView::Form_Activate()
{
    // Loaded once; again only after the close box or for another file (the
    // manual in the other language).
    cmdClose->setText(GetText(TextId::Close)); // in the interface language, as every other button
    cmdAbout->setText(GetText(TextId::AboutQal));
    cmdAbout->setVisible(blnShowAbout);
    cmdAbout->resize(std::max(Px(kCopyWidth), cmdAbout->sizeHint().width()), Px(kButtonHeight));
    if (m_blnActivated && m_strLoadedFile == strFileName)
        return;
    txbText1->clear();
    SetCopyCaption(false);
    cmdCopyToClipboard->setVisible(!blnHideCopyButton);
    Form_Resize();

    // A file that cannot be read shows what was read: nothing.
    const platform::FileContent content = platform::ReadWholeFile(strFileName, kMaxFileBytes);
    const QString strText = content.ok() ? QString::fromUtf8(content.bytes) : QString();
    txbText1->setPlainText(ViewerText(strText).replace(strCrLf, QStringLiteral("\n")));
    txbText1->moveCursor(QTextCursor::Start);
    m_blnActivated = true;
    m_strLoadedFile = strFileName;
}

void frmView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmView::Form_Resize()
{
    if (isMinimized())
        return;
    if (width() < Px(kMinWidth) || height() < Px(kMinHeight)) {
        resize(std::max(width(), Px(kMinWidth)), std::max(height(), Px(kMinHeight)));
        return; // laid out by the resize this causes
    }
    const int intTextWidth = width() - Px(kTextWidthLess);
    const int intTextHeight = height() - Px(kTextHeightLess);
    txbText1->setGeometry(Px(kMargin), Px(kMargin), intTextWidth, intTextHeight);
    const int intButtonTop = txbText1->geometry().bottom() + 1 + Px(kMargin);
    cmdCopyToClipboard->move(txbText1->x(), intButtonTop);
    cmdAbout->move(txbText1->x(), intButtonTop); // the copy button's place: the manual has none
    cmdClose->setGeometry(
        txbText1->geometry().right() + 1 - Px(kCloseWidth), intButtonTop, Px(kCloseWidth), Px(kButtonHeight));
}

void frmView::SetCopyCaption(bool blnSelection)
{
    cmdCopyToClipboard->setText(GetText(blnSelection ? TextId::CopySelectionToClipboard : TextId::CopyToClipboard));
    // The designed width, or wider where a language needs it.
    const int intNeeded = cmdCopyToClipboard->sizeHint().width();
    cmdCopyToClipboard->resize(
        std::max(Px(blnSelection ? kCopySelectionWidth : kCopyWidth), intNeeded), Px(kButtonHeight));
}

bool frmView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txbText1->viewport() && event->type() == QEvent::MouseButtonRelease)
        txbText1_MouseUp();
    return QWidget::eventFilter(watched, event);
}

void frmView::txbText1_MouseUp()
{
    if (cmdCopyToClipboard->isVisible() && cmdCopyToClipboard->isEnabled())
        SetCopyCaption(txbText1->textCursor().hasSelection());
}

void frmView::cmdCopyToClipboard_Click()
{
    if (txbText1->toPlainText().isEmpty())
        return;
    const QTextCursor cursor = txbText1->textCursor();
    // The selection comes with paragraph separators; the clipboard gets CR LF.
    QString strText = cursor.hasSelection()
        ? cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'))
        : txbText1->toPlainText();
    ui::SetClipboardText(strText.replace(QLatin1Char('\n'), strCrLf));
    SetCopyCaption(false);
    cmdClose->setFocus();
}

void frmView::cmdAbout_Click()
{
    ui::MsgBox(GetTextWithMarkers(TextId::AboutQalText, QLatin1String(kQalVersion)), ui::MsgIcon::Information,
        ui::MsgButtons::Ok, GetText(TextId::AboutQal), 1, this);
}

void frmView::cmdClose_Click()
{
    hide();
}

void frmView::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->ignore();
}

void frmView::Form_Unload()
{
    hide();
    m_blnActivated = false; // the next showing reads the file again
}

} // namespace qal
