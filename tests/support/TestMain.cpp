// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Test entry point: a Qt application object for the whole run (offscreen for
// window tests), a fixed time zone and locale, and every per-user folder in
// a temporary folder of the run, never the machine's own.
#include "TestSupport.h"

#include <gtest/gtest.h>

#ifdef QAL_GUI_TESTS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

#include <QDir>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    const QByteArray path = QFile::encodeName(home.path());
    for (const char* sub : { "config", "data", "cache", "runtime" })
        QDir(home.path()).mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(
        home.filePath(QStringLiteral("runtime")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", path);
    qputenv("XDG_CONFIG_HOME", path + "/config");
    qputenv("XDG_DATA_HOME", path + "/data");
    qputenv("XDG_CACHE_HOME", path + "/cache");
    qputenv("XDG_RUNTIME_DIR", path + "/runtime");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "UTC");
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale::c());

    TestApplication app(argc, argv);
    TestApplication::setOrganizationName(QStringLiteral("Brenvale"));
    TestApplication::setApplicationName(QStringLiteral("QAL"));
    ::testing::InitGoogleTest(&argc, argv);
    const auto runtime = qal::test::PrepareTestRun(); // stopped before the application object goes
    return RUN_ALL_TESTS();
}
