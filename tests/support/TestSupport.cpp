// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "TestSupport.h"

#include "aspects/Orbs.h"
#include "astro/AstroTables.h"
#include "chart/CoreStart.h"
#include "dates/DatePr2.h"
#include "platform/Clock.h"
#include "platform/DataPaths.h"
#include "platform/Registry3.h"
#include "settings/Configuration.h"
#include "settings/RegistrySwitches.h"
#include "text/Language.h"
#include "text/Texts.h"
#include "util/SearchThreads.h"
#include "util/WorkPool.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

#include <algorithm>
#include <condition_variable>
#include <csignal>
#include <memory>
#include <mutex>
#include <vector>

#ifdef QAL_GUI_TESTS
#include "ui/UiScript.h"
#endif

namespace qal::test {

struct ModuleStateGuard::Saved {
    int intLanguage;
    ConfigurationSettings config;
    OrbTable orbs;
    ShownChartState chart;
    int intTzMinutes;
    QString strDataFolder;
};

QString DataFolder()
{
    return QStringLiteral(QAL_DATA_DIR);
}

QDateTime DefaultTestNow()
{
    return QDateTime(QDate(2018, 3, 5), QTime(13, 30), QTimeZone::utc());
}

void SetClock(const QDateTime& utcNow, const char* strZoneId)
{
    platform::SetTestClock(utcNow, QTimeZone(QByteArray(strZoneId)));
}

DateSetInput DateSet(const QString& strYear, int intMonth, int intDay, int intHour, int intTimezone)
{
    DateSetInput set;
    set.strYear = strYear;
    set.intMonth = intMonth;
    set.intDay = intDay;
    set.intHour = intHour;
    set.intTimezone = intTimezone;
    return set;
}

void ChangeConfig(const std::function<void(ConfigurationSettings&)>& edit)
{
    ConfigurationSettings config = udtConfig;
    edit(config);
    SetConfiguration(config);
}

double Rad(double dblDegrees)
{
    return DegToRad(dblDegrees);
}

double RadDM(double dblDegrees, double dblMinutes)
{
    return Rad(dblDegrees + dblMinutes / 60.0);
}

ModuleStateGuard::ModuleStateGuard()
    : m_saved(new Saved {
        intCurrentLanguage, udtConfig, udtOrbTable, ShownChartNow(), intComputerTzMinutes, strDataFolder })
{
}

ModuleStateGuard::~ModuleStateGuard()
{
    // A test that loaded a broken text file leaves no texts behind.
    if (GetText(TextId::AppTitle).isEmpty())
        LoadProgramTexts(DataFolder(), QStringLiteral("qal.dat"));
    BuildRegistryKey();
    SetInterfaceLanguage(m_saved->intLanguage);
    SetConfiguration(m_saved->config);
    SetOrbTable(m_saved->orbs);
    SetShownChart(m_saved->chart);
    SetComputerTimeZoneMinutes(m_saved->intTzMinutes);
    if (strDataFolder != m_saved->strDataFolder)
        InitAstroTables(m_saved->strDataFolder); // and the fast source's blocks of the other files go
    SetSearchThreads(0);
    platform::SetTestClock(DefaultTestNow(), QTimeZone::utc());
#ifdef QAL_GUI_TESTS
    ui::UseScript(true);
#endif
    delete m_saved;
    QFile::remove(platform::UserStoreFile(strSwitchesKeyPath));
    QDir(platform::UserApplicationDataFolder()).removeRecursively(); // the user's saved state
}

#ifdef Q_OS_UNIX
FileSizeLimit::FileSizeLimit(long long intBytes)
{
    rlimit limit {};
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0)
        return;
    m_intOldSoftLimit = static_cast<long long>(limit.rlim_cur);
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = static_cast<rlim_t>(intBytes); // the hard limit stays, so the old one comes back
    m_blnActive = setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit {};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(m_intOldSoftLimit);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_oldHandler);
}
#else
FileSizeLimit::FileSizeLimit(long long) {}
FileSizeLimit::~FileSizeLimit() {}
#endif

void ClearUserStore()
{
    QFile::remove(platform::UserStoreFile(strSwitchesKeyPath));
    QDir(platform::UserApplicationDataFolder()).removeRecursively(); // the user's saved state
}

void ModuleStateGuard::SetBaseline()
{
    ClearUserStore(); // the per-user store lives in the run's temporary home and starts empty
    SetInterfaceLanguage(intLangEnglish);
    InitAstroTables(DataFolder());
    BuildRegistryKey();
    SetConfiguration(ConfigurationSettings());
    SetOrbTable(udtConfig);
    SetShownChart(ShownChartState());
    SetComputerTimeZoneMinutes(0);
    SetSearchThreads(0);
    platform::SetTestClock(DefaultTestNow(), QTimeZone::utc());
#ifdef QAL_GUI_TESTS
    ui::UseScript(true);
#endif
}

namespace {

// Wraps every test in a guard, starting it from the baseline.
class StateGuardListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        m_guard = std::make_unique<ModuleStateGuard>();
        ModuleStateGuard::SetBaseline();
    }
    void OnTestEnd(const ::testing::TestInfo&) override { m_guard.reset(); }

    std::unique_ptr<ModuleStateGuard> m_guard;
};

} // namespace

std::shared_ptr<CoreRuntime> PrepareTestRun()
{
    const CoreStartResult start = StartCore(DataFolder());
    if (!start.ok())
        qFatal("The engine cannot start: %s", qPrintable(start.strMessage));
    ModuleStateGuard::SetBaseline();
    ::testing::UnitTest::GetInstance()->listeners().Append(new StateGuardListener);
    return start.runtime;
}

} // namespace qal::test

namespace qal::test {

struct WorkPoolHold::Held {
    std::mutex mutex;
    std::condition_variable changed;
    int intBusy = 0;
    bool blnReleased = false;
    std::vector<Job<bool>> jobs;
};

WorkPoolHold::WorkPoolHold()
    : m_held(std::make_unique<Held>())
{
    Held& held = *m_held;
    for (int i = 0; i < WorkPoolWorkers(); ++i) {
        held.jobs.push_back(StartJob<bool>([&held](JobControl&) {
            std::unique_lock<std::mutex> lock(held.mutex);
            ++held.intBusy;
            held.changed.notify_all();
            held.changed.wait(lock, [&] { return held.blnReleased; });
            return true;
        }));
    }
    // Every worker has taken its job.
    std::unique_lock<std::mutex> lock(held.mutex);
    held.changed.wait(lock, [&] { return held.intBusy == WorkPoolWorkers(); });
}

WorkPoolHold::~WorkPoolHold()
{
    {
        const std::lock_guard<std::mutex> lock(m_held->mutex);
        m_held->blnReleased = true;
    }
    m_held->changed.notify_all();
    m_held->jobs.clear(); // waited for
}

} // namespace qal::test
