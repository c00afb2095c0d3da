// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// The text viewer: shows a text file (the manual) to read, and copies all of
// it or the selected part to the clipboard. There is one, shared; it loads its
// file when first shown and again after it was closed with the close box.
// Sizes are twips.
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace qal {

// The longest text the viewer shows whole; a longer one is cut to this
// length with a note before and after it.
constexpr int intViewerMaxChars = 65530;

// The text the viewer shows for a file's text: the text itself when it is
// shorter than intViewerMaxChars characters, else its beginning between the
// two notes (line breaks CR LF).
QString ViewerText(const QString& strFileText);

class frmView : public QWidget {
    Q_OBJECT
public:
    explicit frmView(QWidget* owner);

    // Set by the opener before showing.
    QString strFileName;
    bool blnHideCopyButton = false;
    bool blnShowAbout = false; // the manual: its About box, where a reader looks for it

    void Form_Activate();
    void Form_Resize();
    void txbText1_MouseUp();
    void cmdCopyToClipboard_Click();
    void cmdClose_Click();
    // The version, the copyright, the licence without warranty, where the
    // source is and the credits, in the interface language.
    void cmdAbout_Click();
    void Form_Unload();

    QPlainTextEdit* txbText1 = nullptr;
    QPushButton* cmdCopyToClipboard = nullptr;
    QPushButton* cmdClose = nullptr;
    QPushButton* cmdAbout = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_blnActivated = false;
    QString m_strLoadedFile;
    void SetCopyCaption(bool blnSelection);
};

} // namespace qal
