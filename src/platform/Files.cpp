// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "platform/Files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <QFileDevice>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace qal::platform {
namespace {

// What a temporary file's name carries between the hidden target name and its
// random letters: no user names a file like this.
const QString kTemporaryMark = QStringLiteral(".qal-unfinished-save-");

// A leftover younger than this may still be written by another QAL.
constexpr qint64 intStaleAfterSeconds = 60;

// At most this many bytes of the target's name go into the temporary name, so
// that it stays within the 255 bytes a file name may have.
constexpr qsizetype intMaxNameBytesInTemporary = 200;

QString NamePartOfTemporary(const QString& strFileName)
{
    QString strPart = strFileName;
    while (strPart.toUtf8().size() > intMaxNameBytesInTemporary)
        strPart.chop(1);
    return strPart;
}

QString RandomSuffix()
{
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString strSuffix;
    for (int i = 0; i < 6; ++i)
        strSuffix += QLatin1Char(kChars[QRandomGenerator::global()->bounded(int(sizeof kChars) - 1)]);
    return strSuffix;
}

// The file a write to strPath replaces: the final target of a symbolic link
// (which may not exist yet), else strPath itself.
QString ResolvedTarget(const QString& strPath)
{
    const QFileInfo info(strPath);
    if (!info.isSymLink())
        return info.absoluteFilePath();
    const QString strCanonical = info.canonicalFilePath();
    if (!strCanonical.isEmpty())
        return strCanonical;
    QString strTarget = info.symLinkTarget(); // a dangling link: its target is a new name
    for (int i = 0; i < 40 && QFileInfo(strTarget).isSymLink(); ++i)
        strTarget = QFileInfo(strTarget).symLinkTarget();
    return strTarget;
}

// A path as the file-system library takes it: bytes as the system names
// files, or wide characters on Windows.
std::filesystem::path NativePath(const QString& strPath)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(strPath.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(strPath).toStdString());
#endif
}

FileWriteResult Failure(FileWriteStatus status, const QString& strText)
{
    return { status, strText };
}

#ifndef Q_OS_WIN
// Writes bytes to a new file of that name; the file is on the disk when this
// returns Ok. intMode: the permissions of the file it will replace, or -1.
FileWriteResult WriteNewFile(const QString& strPath, const QByteArray& bytes, int intMode)
{
    const QByteArray path = QFile::encodeName(strPath);
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return WriteFailureOfSystemError(errno);
    const char* data = bytes.constData();
    qsizetype intLeft = bytes.size();
    int intError = 0;
    while (intLeft > 0 && intError == 0) {
        const ssize_t intWritten = ::write(fd, data, static_cast<size_t>(intLeft));
        if (intWritten < 0 && errno == EINTR)
            continue;
        if (intWritten <= 0)
            intError = intWritten < 0 ? errno : ENOSPC;
        else
            data += intWritten, intLeft -= intWritten;
    }
    if (intError == 0 && intMode >= 0 && ::fchmod(fd, static_cast<mode_t>(intMode)) != 0)
        intError = errno;
    if (intError == 0 && ::fsync(fd) != 0)
        intError = errno;
    if (::close(fd) != 0 && intError == 0)
        intError = errno;
    if (intError != 0) {
        ::unlink(path.constData());
        return WriteFailureOfSystemError(intError);
    }
    return {};
}
#else
FileWriteResult WriteNewFile(const QString& strPath, const QByteArray& bytes, int /*intMode*/)
{
    QFile file(strPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return Failure(FileWriteStatus::Other, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString strError = file.errorString();
        file.close();
        file.remove();
        return Failure(FileWriteStatus::Other, strError);
    }
    file.close();
    return {};
}
#endif

int PermissionsOf(const QString& strPath)
{
#ifndef Q_OS_WIN
    struct stat status {};
    if (::stat(QFile::encodeName(strPath).constData(), &status) == 0)
        return static_cast<int>(status.st_mode & 07777);
#else
    Q_UNUSED(strPath);
#endif
    return -1;
}

} // namespace

void ReportFileSizeLimitAsWriteError()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

FileWriteResult WriteFailureOfSystemError(int intErrno)
{
    const QString strText = QString::fromLocal8Bit(std::strerror(intErrno));
    switch (intErrno) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return Failure(FileWriteStatus::NoSpace, strText);
    case EFBIG: return Failure(FileWriteStatus::TooLarge, strText);
    case EACCES:
    case EPERM:
    case EROFS: return Failure(FileWriteStatus::NoPermission, strText);
    case EISDIR: return Failure(FileWriteStatus::NotAFile, strText);
    case ENOENT:
    case ENOTDIR: return Failure(FileWriteStatus::NoFolder, strText);
    default: return Failure(FileWriteStatus::Other, strText);
    }
}

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

FileWriteResult CheckWritableTarget(const QString& strPath)
{
    if (strPath.isEmpty())
        return Failure(FileWriteStatus::NoFolder, QStringLiteral("No file name was given."));
    const QFileInfo target(ResolvedTarget(strPath));
    if (target.exists() && !target.isFile())
        return Failure(FileWriteStatus::NotAFile, QStringLiteral("This is not an ordinary file."));
    if (!target.exists() && !QFileInfo(target.absolutePath()).isDir())
        return WriteFailureOfSystemError(ENOENT);
    return {};
}

QString TemporaryNameOf(const QString& strFileName)
{
    return QLatin1Char('.') + NamePartOfTemporary(strFileName) + kTemporaryMark + QStringLiteral("XXXXXX");
}

FileWriteResult ReplaceFile(const QString& strPath, const QByteArray& bytes)
{
    const FileWriteResult check = CheckWritableTarget(strPath);
    if (!check.ok())
        return check;
    const QFileInfo target(ResolvedTarget(strPath));
    const QString strFolder = target.absolutePath();
    const QString strTemplate = TemporaryNameOf(target.fileName());
    FileWriteResult result;
    QString strTemporary;
    for (int intTry = 0; intTry < 100; ++intTry) {
        strTemporary = QDir(strFolder).filePath(strTemplate.chopped(6) + RandomSuffix());
        result = WriteNewFile(strTemporary, bytes, target.exists() ? PermissionsOf(target.filePath()) : -1);
        if (result.ok() || QFileInfo::exists(strTemporary) == false)
            break; // done, or failed for another reason than a taken name
    }
    if (!result.ok())
        return result;
    // The rename is atomic: the old file or the new one, never a part of either.
    std::error_code error;
    std::filesystem::rename(NativePath(strTemporary), NativePath(target.filePath()), error);
    if (error) {
        QFile::remove(strTemporary);
        return WriteFailureOfSystemError(error.value());
    }
    RemoveStaleTemporaryFiles(strFolder, target.fileName());
    return {};
}

int RemoveStaleTemporaryFiles(const QString& strFolder, const QString& strFileName)
{
    const QString strTemplate = TemporaryNameOf(strFileName);
    const QRegularExpression pattern(
        QLatin1Char('^') + QRegularExpression::escape(strTemplate.chopped(6)) + QStringLiteral("[A-Za-z0-9]{6}$"));
    const QDir folder(strFolder);
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-intStaleAfterSeconds);
    int intRemoved = 0;
    const QStringList names = folder.entryList({ strTemplate.chopped(6) + QStringLiteral("??????") },
        QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& strName : names) {
        const QFileInfo info(folder.filePath(strName));
        if (pattern.match(strName).hasMatch() && !info.isSymLink() && info.lastModified().toUTC() < staleBefore
            && QFile::remove(info.filePath()))
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
