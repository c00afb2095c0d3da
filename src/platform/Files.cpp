#include "platform/Files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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
    // One byte more than allowed tells a file that is too long from one that
    // fits; the buffer follows the file's own size, not the limit, so a short
    // file costs a short read.
    result.bytes = file.read(std::min(file.size(), intMaxBytes) + 1);
    if (file.error() == QFileDevice::NoError && result.bytes.size() <= intMaxBytes && !file.atEnd())
        result.bytes += file.read(intMaxBytes + 1 - result.bytes.size()); // it grew while being read
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
    // The bytes are buffered: a full disk or a file-size limit only shows when
    // they reach the file, and QSaveFile::commit() would then rename a short
    // file over the old one. Flush first, and keep the old file on any error.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        const QString strError = file.errorString();
        file.cancelWriting();
        return strError;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

int RemoveStaleTemporaryFiles(const QString& strFolder, const QString& strFileName)
{
    // QSaveFile writes "<name>.XXXXXX" beside the file and renames it when
    // complete; a save that was killed leaves it behind.
    const QRegularExpression pattern(
        QStringLiteral("^%1\\.[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(strFileName)));
    const QDir folder(strFolder);
    int intRemoved = 0;
    const QStringList names = folder.entryList({ strFileName + QStringLiteral(".??????") }, QDir::Files | QDir::Hidden);
    for (const QString& strName : names) {
        if (pattern.match(strName).hasMatch() && QFile::remove(folder.filePath(strName)))
            ++intRemoved;
    }
    return intRemoved;
}

QString SetFileAside(const QString& strPath)
{
    const QString strStamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString strAside = strPath + QStringLiteral(".unusable-") + strStamp;
    for (int i = 2; QFileInfo::exists(strAside) || QFileInfo(strAside).isSymLink(); ++i)
        strAside = strPath + QStringLiteral(".unusable-%1-%2").arg(strStamp).arg(i);
    return QFile::rename(strPath, strAside) ? strAside : QString();
}

} // namespace qal::platform
