#include "ui/GraphicsConversion.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

namespace qal::ui {

QString ConvertGraphics(const QString& strSource, const QString& strTarget)
{
    QImageReader reader(strSource);
    const QImage image = reader.read();
    if (image.isNull())
        return reader.errorString();
    QByteArray format = QFileInfo(strTarget).suffix().toLower().toLatin1();
    if (!QImageWriter::supportedImageFormats().contains(format))
        format = "png";
    QImageWriter writer(strTarget, format);
    if (!writer.write(image))
        return writer.errorString();
    return QString::fromLatin1(kConversionSucceeded);
}

bool ConvertGraphicsFile(const QString& strSource, const QString& strTarget, bool blnDeleteSourceOnSuccess,
    bool blnDeleteTargetOnFailure, QString& strMessage)
{
    strMessage = ConvertGraphics(strSource, strTarget);
    if (strMessage == QLatin1String(kConversionSucceeded)) {
        if (blnDeleteSourceOnSuccess)
            QFile::remove(strSource);
        return true;
    }
    if (blnDeleteTargetOnFailure && QFileInfo(strTarget).isFile())
        QFile::remove(strTarget);
    return false;
}

} // namespace qal::ui
