// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "chart/CoreStart.h"

#include "astro/AstroTables.h"
#include "astro/FastLongitudes.h"
#include "astro/PlutoTable.h"
#include "text/Texts.h"
#include "util/WorkPool.h"

#include <QDir>

#include <mutex>

namespace qal {
namespace {

// The running runtime, shared by every StartCore while one is kept.
std::mutex g_runtimeMutex;
std::weak_ptr<CoreRuntime> g_runtime;

std::shared_ptr<CoreRuntime> Runtime()
{
    const std::lock_guard<std::mutex> lock(g_runtimeMutex);
    std::shared_ptr<CoreRuntime> runtime = g_runtime.lock();
    if (!runtime) {
        runtime = std::make_shared<CoreRuntime>();
        g_runtime = runtime;
    }
    return runtime;
}

} // namespace

CoreRuntime::CoreRuntime()
{
    StartFastSourceCache();
    StartWorkPool();
}

CoreRuntime::~CoreRuntime()
{
    StopWorkPool(); // no worker reads the cache after this
    StopFastSourceCache();
}

CoreStartResult StartCore(const QString& strDataFiles)
{
    CoreStartResult result;
    const TextLoadResult texts = LoadProgramTexts(strDataFiles, QStringLiteral("qal.dat"));
    if (!texts.ok()) {
        result.failedStep = CoreStartStep::InterfaceTexts;
        result.strMessage = result.strDetail = texts.strMessage;
        return result;
    }
    InitAstroTables(strDataFiles);
    SetInterfaceLanguage(intLangEnglish);
    result.runtime = Runtime();
    QString strError;
    if (!LoadPlutoTable(QDir(strDataFiles).filePath(QStringLiteral("pluto.slx")), strError)) {
        result.failedStep = CoreStartStep::PlutoTable;
        result.strMessage = PlutoLoadFailureMessage(strError);
        result.strDetail = strError;
    }
    return result;
}

} // namespace qal
