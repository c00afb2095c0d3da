// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// Shared helpers for the tests.
//
// The test main (TestMain.cpp) points every per-user folder at a temporary
// folder, turns on Qt's test mode for standard paths, loads the interface
// texts once and wraps every test in the ModuleStateGuard below: each test
// starts from English, the default configuration and its orbs, an empty
// chart state and a fixed clock, and whatever it changes is put back after it.
#pragma once

#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>
#include <ostream>

// Test failures show texts as text.
inline void PrintTo(const QString& strText, std::ostream* os)
{
    *os << '"' << strText.toStdString() << '"';
}

namespace qal {
class CoreRuntime;
struct ConfigurationSettings;
struct DateSetInput;
}

namespace qal::test {

// The folder the build puts qal.dat and pluto.slx in.
QString DataFolder();

// The moment the test clock shows unless a test sets another:
// 5 March 2018, 13:30 UTC, with the computer's zone UTC.
QDateTime DefaultTestNow();

// Sets the test clock to a UTC moment and a zone of the zone database.
void SetClock(const QDateTime& utcNow, const char* strZoneId);

// Empties the per-user store (the settings file of the test run's home) and
// removes the user's saved state.
void ClearUserStore();

// A date set of list indices only (year text, month, day, hour, zone).
DateSetInput DateSet(const QString& strYear, int intMonth, int intDay, int intHour, int intTimezone);

// Changes the configuration record through its one writer: edit gets a copy.
void ChangeConfig(const std::function<void(ConfigurationSettings&)>& edit);

// Degrees to radians with the program's 2π.
double Rad(double dblDegrees);
// Degrees and minutes to radians.
double RadDM(double dblDegrees, double dblMinutes);

// While it lives, no file of this process may grow beyond intBytes: a write
// past that fails as on a full disk (EFBIG, with SIGXFSZ ignored). Where the
// system has no such limit, Active() is false and the test should skip.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long long intBytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool Active() const { return m_blnActive; }

private:
    bool m_blnActive = false;
    long long m_intOldSoftLimit = 0;
    void (*m_oldHandler)(int) = nullptr;
};

// While it lives, every worker of the work pool is kept busy: jobs started
// meanwhile wait in the queue, so that a test can cancel one before it begins.
class WorkPoolHold {
public:
    WorkPoolHold();
    ~WorkPoolHold();
    WorkPoolHold(const WorkPoolHold&) = delete;
    WorkPoolHold& operator=(const WorkPoolHold&) = delete;

private:
    struct Held;
    std::unique_ptr<Held> m_held;
};

// Saves all module-wide state when made and puts it back when destroyed.
class ModuleStateGuard {
public:
    ModuleStateGuard();
    ~ModuleStateGuard();
    ModuleStateGuard(const ModuleStateGuard&) = delete;
    ModuleStateGuard& operator=(const ModuleStateGuard&) = delete;

    // The state every test starts from.
    static void SetBaseline();

private:
    struct Saved;
    Saved* m_saved;
};

// Installs the per-test guard and prepares the process; called by the test
// main before the tests run, which keeps the core's runtime until they end.
std::shared_ptr<CoreRuntime> PrepareTestRun();

} // namespace qal::test
