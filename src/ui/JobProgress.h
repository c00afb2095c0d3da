// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
// A progress bar and a Cancel button for a computation on the work pool,
// shown while it runs. The window that started the job has the panel watch
// it: every 50 ms (Tick) the bar shows how far the job has come, and when it
// has ended the panel hides and says so (finished); Cancel hides it and says
// so (cancelled), and the window then drops the job.
#pragma once

#include "util/WorkPool.h"

#include <QWidget>

#include <functional>

class QProgressBar;
class QPushButton;
class QTimer;

namespace qal::ui {

class JobProgress : public QWidget {
    Q_OBJECT
public:
    explicit JobProgress(QWidget* parent);

    // Watches job (owned by the caller, alive until finished or cancelled).
    template <typename T> void Watch(Job<T>& job)
    {
        Watch([&job] { return job.Ready(); }, [&job] { return job.Control().Progress(); });
    }
    // Shown and watching ready() and progress() (0..1) until ready() holds.
    void Watch(std::function<bool()> ready, std::function<double()> progress);
    bool Watching() const { return static_cast<bool>(m_ready); }
    // Hidden, no longer watching (the job is dropped without a word).
    void StopWatching();
    // The timer's handler: the progress shown, finished() once the job has
    // ended (tests call it in place of waiting for the timer).
    void Tick();
    // Cancel in the interface language.
    void SetLanguageDependentText();

Q_SIGNALS:
    void finished();
    void cancelled();

private:
    QProgressBar* prgCompute = nullptr;
    QPushButton* cmdCancel = nullptr;
    QTimer* tmrJob = nullptr;
    std::function<bool()> m_ready;
    std::function<double()> m_progress;
};

} // namespace qal::ui
