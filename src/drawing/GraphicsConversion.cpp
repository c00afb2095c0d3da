// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "drawing/GraphicsConversion.h"

#include "platform/Files.h"
#include "text/FileMessages.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

namespace qal {

QString WriteImageFile(const QImage& image, const QString& strPath, const char* strFormat)
{
    // Encoded in memory first, so that the file is replaced only by a complete image.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, strFormat);
    if (!writer.write(image))
        return writer.errorString();
    return WriteFailureText(platform::ReplaceFile(strPath, bytes));
}

QString ConvertGraphics(const QString& strSource, const QString& strTarget)
{
    QImageReader reader(strSource);
    const QImage image = reader.read();
    if (image.isNull())
        return reader.errorString();
    QByteArray format = QFileInfo(strTarget).suffix().toLower().toLatin1();
    if (!QImageWriter::supportedImageFormats().contains(format))
        format = "png";
    const QString strError = WriteImageFile(image, strTarget, format.constData());
    return strError.isEmpty() ? QString::fromLatin1(kConversionSucceeded) : strError;
}

bool ConvertGraphicsFile(
    const QString& strSource, const QString& strTarget, bool blnDeleteSourceOnSuccess, QString& strMessage)
{
    strMessage = ConvertGraphics(strSource, strTarget);
    if (strMessage != QLatin1String(kConversionSucceeded))
        return false;
    if (blnDeleteSourceOnSuccess)
        QFile::remove(strSource);
    return true;
}

} // namespace qal
