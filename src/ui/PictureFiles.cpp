// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ui/PictureFiles.h"

#include "text/Texts.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBoxes.h"

#include <QDir>

#include <QFileInfo>

#include <algorithm>

namespace qal::ui {

QString AskPictureFileName(QWidget* parent, PictureFileType& type)
{
    // The file types in the dialog's order.
    const QString strFilter = GetText(TextId::PngImages) + QStringLiteral(" (*.png) | *.png | ")
        + GetText(TextId::PngImagesForPrint) + QStringLiteral(" (*.png) | *.png | ") + GetText(TextId::SvgDrawings)
        + QStringLiteral(" (*.svg) | *.svg | ") + GetText(TextId::PdfDocuments) + QStringLiteral(" (*.pdf) | *.pdf");
    int intFilter = 0;
    QString strFile = GetSaveFileName(parent, FileKind::Picture, GetText(TextId::SaveImageAs), strFilter, &intFilter);
    if (strFile.isEmpty())
        return {};
    type = static_cast<PictureFileType>(std::clamp(intFilter, 0, 3));
    const QString strSuffix = QFileInfo(strFile).suffix().toLower();
    if (strSuffix == QLatin1String("svg"))
        type = PictureFileType::Svg;
    else if (strSuffix == QLatin1String("pdf"))
        type = PictureFileType::Pdf;
    else if (strSuffix.isEmpty())
        strFile += type == PictureFileType::Svg
            ? QStringLiteral(".svg")
            : (type == PictureFileType::Pdf ? QStringLiteral(".pdf") : QStringLiteral(".png"));
    return strFile;
}

void ReportPictureSaved(
    QWidget* parent, const QString& strTitle, const QString& strFile, const QString& strError, const QString& strAfter)
{
    if (strError.isEmpty()) {
        MsgBox(
            GetText(TextId::ImageSaved) + strCrLf + strFile, MsgIcon::Information, MsgButtons::Ok, strTitle, 1, parent);
        return;
    }
    // A failed save names the file and says that nothing replaced it.
    MsgBox(GetTextWithMarkers(TextId::ImageNotSaved, QDir::toNativeSeparators(strFile)) + strCrLf + strCrLf + strError
            + strAfter,
        MsgIcon::Exclamation, MsgButtons::Ok, strTitle, 1, parent);
}

} // namespace qal::ui
