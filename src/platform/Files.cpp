#include "platform/Files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace qal::platform {

bool FileExists(const QString& strPath)
{
    return QFileInfo(strPath).isFile();
}

FileContent ReadWholeFile(const QString& strPath, qint64 intMaxBytes)
{
    FileContent result;
    const QFileInfo info(strPath);
    if (!info.exists()) {
        result.status = FileReadStatus::CannotOpen;
        result.strError = QStringLiteral("The file does not exist.");
        return result;
    }
    if (!info.isFile()) {
        result.status = FileReadStatus::NotAFile;
        result.strError = QStringLiteral("This is not an ordinary file.");
        return result;
    }
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = FileReadStatus::CannotOpen;
        result.strError = file.errorString();
        return result;
    }
    // One byte more than allowed tells a file that is too long from one that fits.
    result.bytes = file.read(intMaxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.status = FileReadStatus::ReadError;
        result.strError = file.errorString();
        result.bytes.clear();
        return result;
    }
    if (result.bytes.size() > intMaxBytes) {
        result.status = FileReadStatus::TooLarge;
        result.strError = QStringLiteral("The file is larger than %1 bytes.").arg(intMaxBytes);
        result.bytes.clear();
        return result;
    }
    result.status = FileReadStatus::Ok;
    return result;
}

QString ReplaceFile(const QString& strPath, const QByteArray& bytes)
{
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString strError = file.errorString();
        file.cancelWriting();
        return strError;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace qal::platform
