// The text viewer and the help command: the length rule with its two notes,
// the layout, copying, closing and the manual in each language.
#include "TestSupport.h"
#include "WindowSupport.h"
#include "dialogs/frmView.h"
#include "text/Texts.h"
#include "ui/Clipboard.h"
#include "ui/UiScript.h"
#include "util/Twips.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextCursor>

using namespace qal;
using qal::test::MainWindowTest;

namespace {

QString Repeated(int intLength)
{
    QString strText;
    strText.reserve(intLength);
    for (int i = 0; i < intLength; ++i)
        strText += QChar(u'a' + i % 26);
    return strText;
}

TEST(Viewer, LongTextsAreCutBetweenTwoNotes)
{
    const QString strShort = Repeated(intViewerMaxChars - 1);
    EXPECT_EQ(ViewerText(strShort), strShort);

    const QString strLong = Repeated(intViewerMaxChars);
    const QString strShown = ViewerText(strLong);
    const QString strHead = QStringLiteral("NOTE: This file is too large to display entirely in this textbox.\r\n"
                                           "To view the entire contents of the file load it into NotePad,\r\n"
                                           "WordPad or some other text editor.\r\n\r\n");
    const QString strTail = QStringLiteral("NOTE: Entire contents of file have not been displayed.\r\n");
    ASSERT_TRUE(strShown.startsWith(strHead));
    ASSERT_TRUE(strShown.endsWith(QStringLiteral("\r\n\r\n") + strTail));
    // Head note, kept text and tail note make the limit; two line breaks come on top.
    EXPECT_EQ(strShown.size(), intViewerMaxChars + 4);
    const qsizetype intKept = intViewerMaxChars - strHead.size() - strTail.size();
    EXPECT_EQ(strShown.mid(strHead.size(), intKept), strLong.left(intKept));
}

class ViewerWindow : public MainWindowTest {
protected:
    frmView* OpenFile(const QString& strText)
    {
        EXPECT_TRUE(dir.isValid());
        const QString strFile = dir.filePath(QStringLiteral("text.txt"));
        QFile file(strFile);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(strText.toUtf8());
        file.close();
        frmView* viewer = form->ViewerWindow();
        viewer->strFileName = strFile;
        viewer->blnHideCopyButton = false;
        viewer->show();
        return viewer;
    }
    QTemporaryDir dir;
};

TEST_F(ViewerWindow, CopiesTheSelectionOrEverything)
{
    frmView* viewer = OpenFile(QStringLiteral("First line\nSecond line\nThird"));
    EXPECT_EQ(viewer->txbText1->toPlainText(), QStringLiteral("First line\nSecond line\nThird"));
    EXPECT_TRUE(viewer->txbText1->isReadOnly());
    EXPECT_EQ(viewer->cmdClose->text(), QStringLiteral("Close"));
    EXPECT_EQ(viewer->cmdCopyToClipboard->text(), QStringLiteral("Copy to clipboard"));
    EXPECT_EQ(viewer->cmdCopyToClipboard->width(), Px(3270));
    EXPECT_EQ(viewer->txbText1->textCursor().position(), 0);

    // A selection: the button offers to copy just that.
    QTextCursor cursor = viewer->txbText1->textCursor();
    cursor.setPosition(6);
    cursor.setPosition(17, QTextCursor::KeepAnchor);
    viewer->txbText1->setTextCursor(cursor);
    viewer->txbText1_MouseUp();
    EXPECT_EQ(viewer->cmdCopyToClipboard->text(), QStringLiteral("Copy selected text to clipboard"));
    EXPECT_EQ(viewer->cmdCopyToClipboard->width(), Px(4425));
    viewer->cmdCopyToClipboard->click();
    EXPECT_EQ(ui::ClipboardText(), QStringLiteral("line\r\nSecond"));
    EXPECT_EQ(viewer->cmdCopyToClipboard->text(), QStringLiteral("Copy to clipboard"));
    EXPECT_EQ(viewer->cmdCopyToClipboard->width(), Px(3270));

    // No selection: everything, with CR LF line breaks.
    cursor.clearSelection();
    viewer->txbText1->setTextCursor(cursor);
    viewer->txbText1_MouseUp();
    EXPECT_EQ(viewer->cmdCopyToClipboard->text(), QStringLiteral("Copy to clipboard"));
    viewer->cmdCopyToClipboard->click();
    EXPECT_EQ(ui::ClipboardText(), QStringLiteral("First line\r\nSecond line\r\nThird"));
}

TEST_F(ViewerWindow, LayoutClosingAndReloading)
{
    frmView* viewer = OpenFile(QStringLiteral("one"));
    viewer->resize(100, 50); // raised to the smallest size
    EXPECT_EQ(viewer->width(), Px(8000));
    EXPECT_EQ(viewer->height(), Px(2000));
    viewer->resize(900, 600);
    EXPECT_EQ(viewer->txbText1->width(), 900 - Px(450));
    EXPECT_EQ(viewer->txbText1->height(), 600 - Px(1200));
    const QRect text = viewer->txbText1->geometry();
    EXPECT_EQ(viewer->cmdCopyToClipboard->x(), text.left());
    EXPECT_EQ(viewer->cmdClose->geometry().right(), text.right());
    EXPECT_GT(viewer->cmdClose->y(), text.bottom());

    // The close button hides it; showing again keeps what was loaded.
    QFile file(viewer->strFileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("two");
    file.close();
    viewer->cmdClose->click();
    EXPECT_FALSE(viewer->isVisible());
    viewer->show();
    EXPECT_EQ(viewer->txbText1->toPlainText(), QStringLiteral("one"));
    // The close box makes the next showing read the file again.
    viewer->close();
    EXPECT_FALSE(viewer->isVisible());
    EXPECT_FALSE(viewer->Activated());
    viewer->show();
    EXPECT_EQ(viewer->txbText1->toPlainText(), QStringLiteral("two"));

    // A file that cannot be read shows nothing.
    viewer->close();
    viewer->strFileName = dir.filePath(QStringLiteral("missing.txt"));
    viewer->show();
    EXPECT_TRUE(viewer->txbText1->toPlainText().isEmpty());
}

TEST_F(ViewerWindow, HelpShowsTheManualInTheInterfaceLanguage)
{
    form->show();
    form->cmdHelp->click();
    frmView* viewer = form->ViewerWindow();
    ASSERT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Help"));
    EXPECT_TRUE(viewer->strFileName.endsWith(QStringLiteral("/qal_help.txt")));
    EXPECT_FALSE(viewer->cmdCopyToClipboard->isVisible());
    const QString strEnglish = viewer->txbText1->toPlainText();
    EXPECT_TRUE(strEnglish.contains(QStringLiteral("transit graph"), Qt::CaseInsensitive));
    EXPECT_EQ(viewer->width(), form->frameGeometry().width() - Px(200));

    form->optGerman->click();
    form->cmdHelp->click();
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Hilfe"));
    EXPECT_TRUE(viewer->strFileName.endsWith(QStringLiteral("/qal_help_de.txt")));
    const QString strGerman = viewer->txbText1->toPlainText();
    EXPECT_NE(strGerman, strEnglish);
    EXPECT_TRUE(strGerman.contains(QStringLiteral("Transitgrafik")));
}

} // namespace
