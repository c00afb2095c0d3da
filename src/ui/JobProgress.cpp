// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "ui/JobProgress.h"

#include "text/Texts.h"
#include "ui/ControlNames.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <cmath>

namespace qal::ui {

JobProgress::JobProgress(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    prgCompute = Named(new QProgressBar(this), "prgCompute");
    prgCompute->setRange(0, 100);
    cmdCancel = Named(new QPushButton(this), "cmdCancel");
    layout->addWidget(prgCompute, 1);
    layout->addWidget(cmdCancel);
    tmrJob = new QTimer(this);
    tmrJob->setInterval(50);
    connect(tmrJob, &QTimer::timeout, this, [this] { Tick(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        if (!Watching())
            return; // the job ended a moment ago: nothing left to cancel
        StopWatching();
        Q_EMIT cancelled();
    });
    SetLanguageDependentText();
    hide();
}

void JobProgress::SetLanguageDependentText()
{
    cmdCancel->setText(GetText(TextId::Cancel));
}

void JobProgress::Watch(std::function<bool()> ready, std::function<double()> progress)
{
    m_ready = std::move(ready);
    m_progress = std::move(progress);
    prgCompute->setValue(0);
    show();
    tmrJob->start();
    Tick(); // a job done at once (no pool) ends at once
}

void JobProgress::Tick()
{
    if (!m_ready) {
        tmrJob->stop();
        return;
    }
    prgCompute->setValue(static_cast<int>(std::lround(m_progress() * 100)));
    if (!m_ready())
        return;
    StopWatching();
    Q_EMIT finished();
}

void JobProgress::StopWatching()
{
    tmrJob->stop();
    m_ready = {};
    m_progress = {};
    hide();
}

} // namespace qal::ui
