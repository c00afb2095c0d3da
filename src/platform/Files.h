// Files as the program reads them: whole, and only when they are ordinary
// files of a sensible size. A pipe, a device or a folder in place of a data
// file is refused before it is opened, so it can neither block nor flood.
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

// Whether strPath names an existing ordinary file (links are followed).
bool FileExists(const QString& strPath);

// Reads strPath whole, refusing anything that is not an ordinary file and
// anything longer than intMaxBytes.
FileContent ReadWholeFile(const QString& strPath, qint64 intMaxBytes);

// Writes bytes as the whole new content of strPath, replacing an old file
// only once the new one is complete (a failed or interrupted write leaves the
// old file as it was). "" on success, else why it failed.
QString ReplaceFile(const QString& strPath, const QByteArray& bytes);

// Removes what interrupted replacements of strFileName left in strFolder
// (its temporary files "<name>.XXXXXX"); returns how many were removed.
int RemoveStaleTemporaryFiles(const QString& strFolder, const QString& strFileName);

// Renames a file (or a pipe, a folder ...) that cannot be used out of the way,
// to "<path>.unusable-<date and time>"; returns the new path, "" when it
// could not be renamed.
QString SetFileAside(const QString& strPath);

} // namespace qal::platform
