// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Writing files: whole or not at all, only over ordinary files, with the real
// cause of a failure, and leftovers of killed writes told from the user's
// own files by their name alone.
#include "TestSupport.h"
#include "platform/Files.h"
#include "platform/Registry3.h"
#include "text/FileMessages.h"
#include "text/Texts.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace qal {
namespace {

using platform::FileWriteStatus;

QByteArray ReadAll(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void MakeFile(const QString& strPath, int intSecondsAgo)
{
    QFile file(strPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.flush();
    file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-intSecondsAgo), QFileDevice::FileModificationTime);
}

TEST(Files, AReplacementKeepsPermissionsFollowsLinksAndLeavesNothingBehind)
{
    QTemporaryDir dir;
    const QString strFile = dir.filePath(QStringLiteral("chart.qal"));
    ASSERT_TRUE(platform::ReplaceFile(strFile, "old").ok());
    ASSERT_TRUE(QFile::setPermissions(strFile, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(platform::ReplaceFile(strFile, "new").ok());
    EXPECT_EQ(ReadAll(strFile), QByteArray("new"));
    EXPECT_EQ(QFile::permissions(strFile)
            & (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther),
        QFile::ReadOwner | QFile::WriteOwner);
#ifdef Q_OS_UNIX
    // A link to an ordinary file: the file it names is replaced, the link stays.
    ASSERT_TRUE(QFile::link(strFile, dir.filePath(QStringLiteral("link.qal"))));
    ASSERT_TRUE(platform::ReplaceFile(dir.filePath(QStringLiteral("link.qal")), "through the link").ok());
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("link.qal"))).isSymLink());
    EXPECT_EQ(ReadAll(strFile), QByteArray("through the link"));
#endif
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
        (QStringList { QStringLiteral("chart.qal"), QStringLiteral("link.qal") }));
    // A long name still gets a temporary name the system takes.
    const QString strLong = dir.filePath(QString(240, QLatin1Char('a')) + QStringLiteral(".png"));
    EXPECT_TRUE(platform::ReplaceFile(strLong, "long").ok());
    EXPECT_EQ(ReadAll(strLong), QByteArray("long"));
}

TEST(Files, PipesDevicesAndFoldersAreNeverWrittenOverAndEveryFailureHasItsCause)
{
    QTemporaryDir dir;
    const auto statusOf = [](const QString& strPath) { return platform::ReplaceFile(strPath, "x").status; };
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    EXPECT_EQ(statusOf(dir.filePath(QStringLiteral("folder"))), FileWriteStatus::NotAFile);
    EXPECT_EQ(statusOf(dir.filePath(QStringLiteral("none/x.qal"))), FileWriteStatus::NoFolder);
#ifdef Q_OS_UNIX
    const QString strPipe = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(strPipe).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(strPipe, dir.filePath(QStringLiteral("to-pipe.png"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), dir.filePath(QStringLiteral("to-device.png"))));
    for (const char* strName : { "pipe", "to-pipe.png", "to-device.png" })
        EXPECT_EQ(statusOf(dir.filePath(QString::fromLatin1(strName))), FileWriteStatus::NotAFile) << strName;
    EXPECT_EQ(statusOf(QStringLiteral("/dev/null")), FileWriteStatus::NotAFile);
    EXPECT_FALSE(QFileInfo(strPipe).isFile());
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/null")).isFile());
    // A link whose file does not exist yet: the new file is made where it points.
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("later.qal")), dir.filePath(QStringLiteral("early.qal"))));
    EXPECT_EQ(statusOf(dir.filePath(QStringLiteral("early.qal"))), FileWriteStatus::Ok);
    EXPECT_EQ(ReadAll(dir.filePath(QStringLiteral("later.qal"))), QByteArray("x"));
#endif
    // A file-size limit: the old file stays byte for byte, and the cause is named.
    const QString strFile = dir.filePath(QStringLiteral("kept.qal"));
    ASSERT_TRUE(platform::ReplaceFile(strFile, "old content").ok());
    {
        test::FileSizeLimit limit(4);
        if (limit.Active()) {
            const platform::FileWriteResult result = platform::ReplaceFile(strFile, QByteArray(100, 'n'));
            EXPECT_EQ(result.status, FileWriteStatus::TooLarge);
            EXPECT_EQ(WriteFailureText(result), GetText(TextId::WriteTooLarge));
        }
    }
    EXPECT_EQ(ReadAll(strFile), QByteArray("old content"));
    EXPECT_FALSE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).join(' ').contains(QStringLiteral("unfinished")));

    // The system's error numbers, named in the interface language.
    const struct {
        int intErrno;
        FileWriteStatus status;
        TextId text;
    } causes[] = { { ENOSPC, FileWriteStatus::NoSpace, TextId::WriteNoSpace },
        { EFBIG, FileWriteStatus::TooLarge, TextId::WriteTooLarge },
        { EACCES, FileWriteStatus::NoPermission, TextId::WriteNoPermission },
        { EROFS, FileWriteStatus::NoPermission, TextId::WriteNoPermission },
        { ENOENT, FileWriteStatus::NoFolder, TextId::WriteNoFolder } };
    SetInterfaceLanguage(intLangGerman);
    for (const auto& c : causes) {
        EXPECT_EQ(platform::WriteFailureOfSystemError(c.intErrno).status, c.status) << c.intErrno;
        EXPECT_EQ(WriteFailureText(platform::WriteFailureOfSystemError(c.intErrno)), GetText(c.text));
    }
    EXPECT_EQ(GetText(TextId::WriteNoSpace), QStringLiteral("Auf dem Datenträger ist kein Platz mehr frei."));
    // Any other cause in the system's words, never "Unknown error".
    EXPECT_EQ(platform::WriteFailureOfSystemError(EIO).status, FileWriteStatus::Other);
    EXPECT_FALSE(WriteFailureText(platform::WriteFailureOfSystemError(EIO)).isEmpty());
    EXPECT_EQ(WriteFailureText({}), QString());
}

TEST(Files, OnlyLeftoversOfKilledSavesAreRemovedAndOnlyWhenStale)
{
    QTemporaryDir dir;
    const QDir folder(dir.path());
    // The user's own files of every name a careless clean-up would take.
    const QStringList userFiles { QStringLiteral("qal.usr.backup"), QStringLiteral("qal.usr.old123"),
        QStringLiteral("qal.usr.Ab12Cd"), QStringLiteral(".qal.usr.qal-unfinished-save-Ab12Cd.old"), QStringLiteral("other.qal-unfinished-save-Ab12Cd") };
    for (const QString& strName : userFiles)
        MakeFile(folder.filePath(strName), 3600);
    const QString strTemplate = platform::TemporaryNameOf(QStringLiteral("qal.usr"));
    EXPECT_EQ(strTemplate, QStringLiteral(".qal.usr.qal-unfinished-save-XXXXXX"));
    MakeFile(folder.filePath(strTemplate.chopped(6) + QStringLiteral("Ab12Cd")), 3600); // a killed save
    MakeFile(folder.filePath(strTemplate.chopped(6) + QStringLiteral("Zz99Yy")), 1); // a save under way
    EXPECT_EQ(platform::RemoveStaleTemporaryFiles(dir.path(), QStringLiteral("qal.usr")), 1);
    QStringList expected = userFiles + QStringList { strTemplate.chopped(6) + QStringLiteral("Zz99Yy") };
    expected.sort();
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden), expected);
}

TEST(Files, ASettingsWriteLeavesNoJournalAndTheUsersLookalikesStay)
{
    const QString strKey = QStringLiteral("Software\\Brenvale\\QAL");
    const QString strSettings = platform::UserStoreFile(strKey);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(strSettings).path()));
    const QDir folder = QFileInfo(strSettings).dir();
    MakeFile(folder.filePath(QStringLiteral("QAL.conf.backup")), 0);
    EXPECT_TRUE(platform::RegistryWriteSucceeded(platform::WriteRegistryString(
        platform::HkeyCurrentUser, strKey, QStringLiteral("Moon"), QStringLiteral("1"))));
    EXPECT_TRUE(platform::CheckUserStore(strKey).strFile.isEmpty());
    EXPECT_EQ(folder.entryList({ QStringLiteral("*QAL.conf*") }, QDir::Files | QDir::Hidden),
        (QStringList { QStringLiteral("QAL.conf"), QStringLiteral("QAL.conf.backup") }));
    QFile::remove(folder.filePath(QStringLiteral("QAL.conf.backup")));
}

} // namespace
} // namespace qal
