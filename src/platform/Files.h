// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Files as the program reads and writes them. Reads are whole, and only of
// ordinary files of a sensible size: a pipe, a device or a folder in place
// of a data file is refused before it is opened, so it can neither block nor
// flood. Writes replace a file whole or not at all, and only an ordinary file
// or a new name: a pipe or a device is never written over.
#pragma once

#include <QByteArray>
#include <QString>

namespace qal::platform {

enum class FileReadStatus { Ok, NotAFile, CannotOpen, TooLarge, ReadError };

struct FileContent {
    FileReadStatus status = FileReadStatus::CannotOpen;
    QByteArray bytes; // the whole file when status is Ok
    QString strError; // what went wrong, in a short English sentence
    bool ok() const { return status == FileReadStatus::Ok; }
};

// Why a write failed, as far as the system tells.
enum class FileWriteStatus {
    Ok,
    NoSpace, // the disk (or the user's quota) is full
    TooLarge, // larger than the system lets this program write
    NoPermission, // the folder or the file may not be written
    NotAFile, // a folder, a pipe or a device stands at that name
    NoFolder, // the folder does not exist
    Other, // anything else: strSystemText says what
};

struct FileWriteResult {
    FileWriteStatus status = FileWriteStatus::Ok;
    QString strSystemText; // the system's own words for the failure (English)
    bool ok() const { return status == FileWriteStatus::Ok; }
};

// From now on a write past the system's file-size limit fails with its cause
// (TooLarge) instead of ending the program, so that the program can keep
// the old file and say so. Called once by each program at its start.
void ReportFileSizeLimitAsWriteError();

// The failure a system error number (errno) stands for.
FileWriteResult WriteFailureOfSystemError(int intErrno);

// Whether strPath names an existing ordinary file (links are followed).
bool FileExists(const QString& strPath);

// Reads strPath whole, refusing anything that is not an ordinary file and
// anything longer than intMaxBytes.
FileContent ReadWholeFile(const QString& strPath, qint64 intMaxBytes);

// Whether strPath may be written: a new name, or an existing ordinary file
// (through any symbolic links). A pipe, a device or a folder is refused.
FileWriteResult CheckWritableTarget(const QString& strPath);

// Writes bytes as the whole new content of strPath, replacing an old file
// only once the new one is complete and on the disk: a failed or interrupted
// write leaves the old file byte for byte. A symbolic link is followed and
// its target replaced. The new content is first written to a hidden file
// beside the target whose name no user would choose (see
// TemporaryNameOf); a later save of the same name removes what a killed
// one left.
FileWriteResult ReplaceFile(const QString& strPath, const QByteArray& bytes);

// The hidden name beside strFileName that a replacement of it writes first,
// with "XXXXXX" where its six random letters and digits go.
QString TemporaryNameOf(const QString& strFileName);

// Removes what interrupted replacements of strFileName left in strFolder
// (only files named as TemporaryNameOf says); returns how many were removed.
int RemoveStaleTemporaryFiles(const QString& strFolder, const QString& strFileName);

// Renames a file (or a pipe, a folder ...) that cannot be used out of the way,
// to "<path>.unusable-<date and time>"; returns the new path, "" when it
// could not be renamed.
QString SetFileAside(const QString& strPath);

} // namespace qal::platform
