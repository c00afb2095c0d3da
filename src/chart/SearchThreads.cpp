#include "chart/SearchThreads.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace qal {
namespace {

std::atomic<int> g_intThreads { 0 };

} // namespace

int SearchThreads()
{
    const int intSet = g_intThreads.load();
    return intSet > 0 ? intSet : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

void SetSearchThreads(int intThreads)
{
    g_intThreads = std::max(0, intThreads);
}

} // namespace qal
