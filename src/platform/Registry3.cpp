// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "platform/Registry3.h"

#include "platform/Files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <memory>

namespace qal::platform {
namespace {

const QString kSuccess = QStringLiteral("The operation completed successfully.");
const QString kNotFound = QStringLiteral("The system cannot find the file specified.");
const QString kUnusableFile = QStringLiteral("The settings file is not an ordinary file of a sensible size.");

// The largest settings file taken as one: the program keeps a handful of
// short values, so anything near this size is not a settings file of ours.
constexpr qint64 intMaxStoreFileBytes = 1024 * 1024;

#ifndef Q_OS_WIN
// Organisation and application of a key path: "Software\Maker\Product" is
// the maker's product; further parts become groups within it.
QStringList KeyParts(const QString& strKeyPath)
{
    QStringList parts = strKeyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (!parts.isEmpty() && parts.first().compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    return parts;
}
#endif

// Whether a settings file can be opened without blocking or flooding: absent,
// or an ordinary file of a sensible size. Qt reads the file whole as soon as
// the store is made, so a pipe would wait for ever.
bool StoreFileUsable(const QString& strFile)
{
    const QFileInfo info(strFile);
    if (!info.exists() && !info.isSymLink())
        return true;
    return info.isFile() && info.size() <= intMaxStoreFileBytes;
}

// The store of a key path; null when its file is not usable.
std::unique_ptr<QSettings> OpenStore(const QString& strKeyPath)
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\") + strKeyPath, QSettings::NativeFormat);
#else
    const QString strFile = UserStoreFile(strKeyPath);
    if (!StoreFileUsable(strFile))
        return nullptr;
    auto store = std::make_unique<QSettings>(strFile, QSettings::IniFormat);
    const QStringList parts = KeyParts(strKeyPath);
    for (qsizetype i = 2; i < parts.size(); ++i)
        store->beginGroup(parts[i]);
    return store;
#endif
}

// Whether the key exists: the registry key has values, or the settings file is there.
bool KeyExists(const QSettings& store)
{
#ifdef Q_OS_WIN
    return !store.allKeys().isEmpty();
#else
    return QFileInfo::exists(store.fileName());
#endif
}

QString StatusMessage(QSettings::Status status)
{
    switch (status) {
    case QSettings::NoError: return kSuccess;
    case QSettings::AccessError: return QStringLiteral("Access is denied.");
    case QSettings::FormatError: return QStringLiteral("The settings file is damaged.");
    }
    return QStringLiteral("The store could not be written.");
}

// Qt writes the settings file through a temporary file "<file>.XXXXXX" beside
// it (six random letters or digits) and renames it when complete; a write
// killed in between leaves it behind. A user may name a file that way too
// ("QAL.conf.backup"), so the name alone proves nothing: before each write
// the names of that form already there are noted in a hidden journal, which
// the write removes when it ends. A journal found at start-up means a write
// was killed: only a file of that form that is not in the journal and was
// made while that write ran is removed.
constexpr qint64 intKilledWriteSeconds = 120; // a write of a few short values takes far less

QString JournalOf(const QString& strFile)
{
    const QFileInfo info(strFile);
    return QDir(info.path()).filePath(QLatin1Char('.') + info.fileName() + QStringLiteral(".qal-writing"));
}

QStringList TemporaryLookalikes(const QString& strFile)
{
    const QFileInfo info(strFile);
    return QDir(info.path()).entryList({ info.fileName() + QStringLiteral(".??????") }, QDir::Files | QDir::Hidden);
}

void NoteBeforeWrite(const QString& strFile)
{
    QFile journal(JournalOf(strFile));
    if (journal.open(QIODevice::WriteOnly | QIODevice::Truncate))
        journal.write(TemporaryLookalikes(strFile).join(QLatin1Char('\n')).toUtf8());
}

void RemoveWhatAKilledWriteLeft(const QString& strFile)
{
    const QString strJournal = JournalOf(strFile);
    const QFileInfo journalInfo(strJournal);
    if (!journalInfo.isFile())
        return;
    const FileContent journal = ReadWholeFile(strJournal, intMaxStoreFileBytes);
    if (journal.ok()) {
        const QStringList before = QString::fromUtf8(journal.bytes).split(QLatin1Char('\n'));
        const QDateTime started = journalInfo.lastModified();
        const QDir folder = QFileInfo(strFile).dir();
        for (const QString& strName : TemporaryLookalikes(strFile)) {
            const QFileInfo info(folder.filePath(strName));
            const qint64 intSeconds = started.secsTo(info.lastModified());
            if (!before.contains(strName) && !info.isSymLink() && intSeconds >= -2 && intSeconds <= intKilledWriteSeconds)
                QFile::remove(info.filePath());
        }
    }
    QFile::remove(strJournal);
}

// Drops the characters below code 32 at the end (a terminating zero or a line end).
QString WithoutTrailingControls(QString strText)
{
    while (!strText.isEmpty() && strText.back().unicode() < 32)
        strText.chop(1);
    return strText;
}

} // namespace

QString WriteRegistryString(
    RegistryRoot /*root*/, const QString& strKeyPath, const QString& strName, const QString& strValue)
{
    if (strKeyPath.isEmpty())
        return QStringLiteral("2 Unable to create (or find) key.  ") + kNotFound;
    const std::unique_ptr<QSettings> store = OpenStore(strKeyPath);
    if (!store)
        return QStringLiteral("13 Unable to create (or find) key.  ") + kUnusableFile;
    const bool blnExisted = KeyExists(*store);
    store->setValue(strName, strValue);
    const QString strFile = UserStoreFile(strKeyPath); // "" for the registry
    if (!strFile.isEmpty())
        NoteBeforeWrite(strFile);
    store->sync();
    if (!strFile.isEmpty())
        QFile::remove(JournalOf(strFile));
    const QSettings::Status status = store->status();
    if (status == QSettings::FormatError && !blnExisted)
        return QStringLiteral("13 Unable to create (or find) key.  ") + StatusMessage(status);
    if (status == QSettings::AccessError && !blnExisted)
        return QStringLiteral("5 Unable to create (or find) key.  ") + StatusMessage(status);
    // The key was opened: the status keeps its "0" even when the value could not be set.
    const QString strOpened = blnExisted ? QStringLiteral("0 Key already exists.") : QStringLiteral("0 New key created.");
    return strOpened + QStringLiteral("  ") + StatusMessage(status);
}

QString ReadRegistryString(RegistryRoot /*root*/, const QString& strKeyPath, const QString& strName, QString& strValue)
{
    strValue.clear();
    if (strKeyPath.isEmpty())
        return QStringLiteral("1 Key not found or is empty.");
    const std::unique_ptr<QSettings> store = OpenStore(strKeyPath);
    if (!store)
        return QStringLiteral("4 ") + kUnusableFile;
    if (!KeyExists(*store))
        return QStringLiteral("1 Key not found or is empty.");
    if (strName.isEmpty())
        return QStringLiteral("2 Name not specified.");
    if (store->status() != QSettings::NoError)
        return QStringLiteral("4 ") + StatusMessage(store->status());
    const QVariant value = store->value(strName);
    if (!value.isValid() || value.toString().isEmpty())
        return QStringLiteral("3 Name not found.");
    strValue = WithoutTrailingControls(value.toString());
    return strValue.isEmpty() ? QStringLiteral("3 Name not found.") : QStringLiteral("0 OK");
}

bool RegistryWriteSucceeded(const QString& strStatus)
{
    return strStatus.startsWith(QLatin1Char('0')) && strStatus.endsWith(kSuccess);
}

QString UserStoreFile(const QString& strKeyPath)
{
#ifdef Q_OS_WIN
    Q_UNUSED(strKeyPath);
    return {};
#else
    // Where Qt keeps the settings of an organisation and application.
    const QStringList parts = KeyParts(strKeyPath);
    const QString strOrganisation = parts.value(0);
    const QString strApplication = parts.value(1, strOrganisation);
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/')
        + strOrganisation + QLatin1Char('/') + strApplication + QStringLiteral(".conf");
#endif
}

UserStoreCheck CheckUserStore(const QString& strKeyPath)
{
    UserStoreCheck check;
    const QString strFile = UserStoreFile(strKeyPath);
    if (strFile.isEmpty())
        return check; // the registry has no file of its own
    RemoveWhatAKilledWriteLeft(strFile);
    if (StoreFileUsable(strFile))
        return check;
    check.strFile = strFile;
    check.strSetAsideAs = SetFileAside(strFile);
    return check;
}

} // namespace qal::platform
