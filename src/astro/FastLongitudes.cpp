// SPDX-FileCopyrightText: 2026 QAL maintainers
// SPDX-License-Identifier: AGPL-3.0-or-later
#include "astro/FastLongitudes.h"

#include "astro/Angles.h"
#include "astro/ChartState.h"
#include "astro/PlutoTable.h"
#include "platform/Ephemeris.h"
#include "util/SearchThreads.h"
#include "util/WorkPool.h"

#include <array>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <future>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace qal {
namespace {

// What is fitted: the longitudes without nutation (smooth over weeks) of the
// bodies 1..10, and as body 0 the nutation in longitude that every apparent
// longitude adds. Days a segment, nodes a segment: the fewest nodes that keep
// each body within a few ten-thousandths of an arc second of the ephemeris
// over its fastest-curving segments (Mercury's loops, the Moon's monthly
// swing, the nutation's 18.6-year and half-monthly terms), found by trying;
// the planets share the Sun's 32 days, so a planet's check near the Sun can
// read the Sun's block of the same years.
struct Fit {
    double dblDays;
    int intNodes;
};
constexpr Fit kFit[intMaxBodies + 1] = { { 16, 16 }, { 32, 18 }, { 32, 24 }, { 32, 22 }, { 32, 20 }, { 32, 16 },
    { 32, 14 }, { 32, 14 }, { 32, 14 }, { 32, 14 }, { 12, 30 } };
constexpr int intNutation = 0;
constexpr int intSegmentsPerBlock = 16;
constexpr double kEpoch = 2451545.0 - 7.3e6; // before every moment the ephemeris is asked for
constexpr std::size_t kMostCacheBytes = 48u << 20;
constexpr int intMostNodes = 30;

// Near the Sun the ephemeris bends a planet's light by up to two arc seconds,
// sharply within a few degrees: a segment that comes that near is checked
// between its nodes and halved where the fit misses, down to an hour; what
// still misses goes to the ephemeris directly.
constexpr double kNearTheSun = 20 * dblPi / 180;
constexpr double kBehindTheSun = 0.5 * dblPi / 180; // a piece of a day this near goes to the ephemeris
constexpr double kMostMiss = 0.0004 / 206264.806; // radians
constexpr double kShortestPiece = 1.0 / 8;
constexpr int intPieceNodes = 10; // a half or less of a segment: a few days about the Sun's bending

// A stretch of a segment with one polynomial, or none (the ephemeris asked).
struct Piece {
    double dblStart = 0;
    double dblDays = 0;
    int intCoefficients = -1; // offset of the coefficients; −1: ask the ephemeris
    int intNodes = 0;
};

struct Block {
    int intBody = 0;
    long long intIndex = 0;
    std::vector<double> coefficients;
    std::vector<Piece> pieces;
    std::vector<int> firstPiece; // of each segment, and one past the last
    std::size_t Bytes() const
    {
        return sizeof(Block) + coefficients.size() * sizeof(double) + pieces.size() * sizeof(Piece)
            + firstPiece.size() * sizeof(int);
    }
};

// What is fitted of body b at t, radians, continuous across 2π only within
// a fit; negative when the ephemeris fails.
double Fitted(int b, double t)
{
    if (b == intNutation)
        return platform::NutationInLongitude(t);
    return platform::LongitudeWithoutNutation(b == intMoon ? 10 : EphemerisPlanetNumber(b), t);
}

double Clenshaw(const double* c, int n, double x)
{
    double b1 = 0, b2 = 0;
    for (int j = n - 1; j >= 1; --j) {
        const double b0 = 2 * x * b1 - b2 + c[j];
        b2 = b1;
        b1 = b0;
    }
    return x * b1 - b2 + c[0] / 2;
}

// The cosines of a fit with n nodes: where the nodes lie, cos(π(k + ½)/n),
// and the terms cos(πj(k + ½)/n) that turn values at the nodes into
// coefficients; the same for every piece, so worked out once.
struct CosineTable {
    std::array<double, intMostNodes> nodes {};
    std::vector<double> terms;
};

const CosineTable& CosinesFor(int n)
{
    static const std::array<CosineTable, intMostNodes + 1> tables = [] {
        std::array<CosineTable, intMostNodes + 1> made;
        for (int m = 1; m <= intMostNodes; ++m) {
            CosineTable& table = made[static_cast<size_t>(m)];
            for (int k = 0; k < m; ++k)
                table.nodes[static_cast<size_t>(k)] = std::cos(dblPi * (k + 0.5) / m);
            for (int j = 0; j < m; ++j)
                for (int k = 0; k < m; ++k)
                    table.terms.push_back(std::cos(dblPi * j * (k + 0.5) / m));
        }
        return made;
    }();
    return tables[static_cast<size_t>(n)];
}

class BlockMaker {
public:
    BlockMaker(int b, long long intIndex, const Block* sun)
        : m_b(b)
        , m_fit(kFit[b])
        , m_sun(sun)
    {
        m_block = std::make_shared<Block>();
        m_block->intBody = b;
        m_block->intIndex = intIndex;
    }

    std::shared_ptr<const Block> Make()
    {
        const double dblStart = kEpoch + static_cast<double>(m_block->intIndex) * intSegmentsPerBlock * m_fit.dblDays;
        // Where the data files end, the analytic theory goes on a little apart:
        // a segment across that change goes to the ephemeris.
        const int intPlanet = m_b == intMoon ? 10 : EphemerisPlanetNumber(m_b);
        const bool blnOneKind = m_b == intNutation
            || platform::FromDataFiles(intPlanet, dblStart)
                == platform::FromDataFiles(intPlanet, dblStart + intSegmentsPerBlock * m_fit.dblDays);
        for (int s = 0; s < intSegmentsPerBlock; ++s) {
            const double a = dblStart + s * m_fit.dblDays, e = a + m_fit.dblDays;
            m_block->firstPiece.push_back(static_cast<int>(m_block->pieces.size()));
            if (!blnOneKind && platform::FromDataFiles(intPlanet, a) != platform::FromDataFiles(intPlanet, e))
                m_block->pieces.push_back({ a, m_fit.dblDays, -1, 0 });
            else
                AddPieces(a, m_fit.dblDays, m_fit.intNodes);
        }
        m_block->firstPiece.push_back(static_cast<int>(m_block->pieces.size()));
        return m_block;
    }

private:
    // Fits [a, a + days] with n nodes; near the Sun checks the fit and halves
    // it where it misses.
    void AddPieces(double a, double dblDays, int n)
    {
        double c[intMostNodes] = {};
        double dblNearest = dblPi;
        if (!FitPiece(a, dblDays, n, c, dblNearest)) {
            m_block->pieces.push_back({ a, dblDays, -1, 0 });
            return;
        }
        if (m_sun && dblNearest < kNearTheSun && !Holds(a, dblDays, n, c)) {
            const bool blnAtTheSun = dblNearest < kBehindTheSun && dblDays <= 1;
            if (dblDays / 2 >= kShortestPiece && !blnAtTheSun) {
                AddPieces(a, dblDays / 2, intPieceNodes);
                AddPieces(a + dblDays / 2, dblDays / 2, intPieceNodes);
            } else {
                m_block->pieces.push_back({ a, dblDays, -1, 0 });
            }
            return;
        }
        const int intOffset = static_cast<int>(m_block->coefficients.size());
        m_block->coefficients.insert(m_block->coefficients.end(), c, c + n);
        m_block->pieces.push_back({ a, dblDays, intOffset, n });
    }

    // The coefficients from the nodes; the nearest the body came to the Sun
    // (in longitude) among them. False when the ephemeris fails at one.
    bool FitPiece(double a, double dblDays, int n, double* c, double& dblNearest) const
    {
        const double dblHalf = dblDays / 2, dblMiddle = a + dblHalf;
        const CosineTable& cosines = CosinesFor(n);
        std::array<double, intMostNodes> v {};
        for (int k = n - 1; k >= 0; --k) { // from the start to the end, continued across 2π
            const double t = dblMiddle + dblHalf * cosines.nodes[static_cast<size_t>(k)];
            const double L = Fitted(m_b, t);
            if (L < 0 && m_b != intNutation)
                return false;
            const size_t i = static_cast<size_t>(k);
            v[i] = k < n - 1 ? L - dblTwoPi * std::round((L - v[i + 1]) / dblTwoPi) : L;
            if (m_sun)
                dblNearest = std::min(dblNearest, std::fabs(std::remainder(L - SunAt(t), dblTwoPi)));
        }
        for (int j = 0; j < n; ++j) {
            const double* row = &cosines.terms[static_cast<size_t>(j * n)];
            double dblSum = 0;
            for (int k = 0; k < n; ++k)
                dblSum += v[static_cast<size_t>(k)] * row[k];
            c[j] = 2.0 * dblSum / n;
        }
        return true;
    }

    // Whether the fit holds between the nodes and at the piece's ends, where
    // a polynomial fitted at its nodes strays furthest (a few moments checked).
    bool Holds(double a, double dblDays, int n, const double* c) const
    {
        for (const double f : { 0.0, 0.03, 0.21, 0.5, 0.79, 0.97, 1.0 }) {
            const double L = Fitted(m_b, a + f * dblDays);
            if (L < 0 || std::fabs(std::remainder(Clenshaw(c, n, 2 * f - 1) - L, dblTwoPi)) > kMostMiss)
                return false;
        }
        return true;
    }

    // The Sun's longitude without nutation from its block (the same years).
    double SunAt(double t) const
    {
        const Fit sun = kFit[1];
        const double dblSegments = (t - kEpoch) / sun.dblDays;
        const long long intSegment = static_cast<long long>(dblSegments);
        const int s = static_cast<int>(intSegment - m_sun->intIndex * intSegmentsPerBlock);
        if (s < 0 || s >= intSegmentsPerBlock)
            return Fitted(1, t);
        const Piece& p = m_sun->pieces[static_cast<size_t>(m_sun->firstPiece[static_cast<size_t>(s)])];
        if (p.intCoefficients < 0)
            return Fitted(1, t);
        return Clenshaw(&m_sun->coefficients[static_cast<size_t>(p.intCoefficients)], p.intNodes,
            2 * (dblSegments - static_cast<double>(intSegment)) - 1);
    }

    int m_b;
    Fit m_fit;
    const Block* m_sun; // the Sun's block of the same years, for the planets
    std::shared_ptr<Block> m_block;
};

// The blocks made so far, the least recently used given up first when the
// cache is full. Copies of the source on several threads share it, under its
// lock. The ephemeris keeps a state for each thread, so threads make blocks
// side by side; a block being made by one is waited for by another, which
// meanwhile makes blocks that are queued. When searches may use more than
// one thread, the work pool makes each body's next block in the direction it
// is read while the search reads this one: a long search on one thread finds
// its blocks made.
//
// No wait can close a circle: a planet's block waits at most for the Sun's
// block of the same years, and the Sun's block waits for none.
class Cache : public std::enable_shared_from_this<Cache> {
public:
    std::shared_ptr<const Block> Get(int b, long long intIndex)
    {
        const Key key { b, intIndex };
        std::shared_future<std::shared_ptr<const Block>> block;
        std::shared_ptr<Promise> mine;
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            auto it = m_blocks.find(key);
            if (it == m_blocks.end())
                it = Add(key);
            else
                m_used.splice(m_used.begin(), m_used, it->second.used);
            block = it->second.block;
            mine = std::move(it->second.unclaimed);
            MakeAheadOf(key);
        }
        if (mine)
            return Make(key, *mine);
        // Being made by another thread: meanwhile this one makes what is queued.
        while (block.wait_for(std::chrono::seconds(0)) != std::future_status::ready && MakeQueued()) { }
        return block.get();
    }
    std::size_t Bytes()
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_intBytes;
    }
    void Clear()
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_blocks.clear();
        m_used.clear();
        m_aheadQueue.clear();
        m_intBytes = 0;
        m_lastIndex.fill(kNone);
    }

private:
    using Key = std::pair<int, long long>;
    using Promise = std::promise<std::shared_ptr<const Block>>;
    struct Entry {
        std::shared_future<std::shared_ptr<const Block>> block;
        std::list<Key>::iterator used;
        std::size_t intBytes; // 0 until it is made
        std::shared_ptr<Promise> unclaimed; // while no thread has begun to make it
    };
    static constexpr long long kNone = -1;

    // A new entry, not yet claimed by a thread that makes it (under the lock).
    std::map<Key, Entry>::iterator Add(const Key& key)
    {
        auto promise = std::make_shared<Promise>();
        m_used.push_front(key);
        return m_blocks.emplace(key, Entry { promise->get_future().share(), m_used.begin(), 0, promise }).first;
    }

    // Queues the block after this one in the direction the body is read
    // (under the lock).
    void MakeAheadOf(const Key& key)
    {
        long long& intLast = m_lastIndex[static_cast<size_t>(key.first)];
        const long long intStep = intLast == kNone || key.second > intLast ? 1 : -1;
        const bool blnMoved = key.second != intLast;
        intLast = key.second;
        const Key next { key.first, key.second + intStep };
        if (!blnMoved || next.second < 0 || SearchThreads() < 2 || m_blocks.count(next))
            return;
        Add(next);
        m_aheadQueue.push_back(next);
        // Made by a worker of the pool (if the cache is still there then),
        // or by a thread that waits for it meanwhile.
        detail::Enqueue([weak = weak_from_this()] {
            if (const std::shared_ptr<Cache> cache = weak.lock())
                cache->MakeQueued();
        });
    }

    // Makes the first queued block no thread has begun; false when there is none.
    bool MakeQueued()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_aheadQueue.empty()) {
            const Key key = m_aheadQueue.front();
            m_aheadQueue.pop_front();
            const auto it = m_blocks.find(key);
            if (it == m_blocks.end() || !it->second.unclaimed)
                continue;
            const std::shared_ptr<Promise> mine = std::move(it->second.unclaimed);
            lock.unlock();
            Make(key, *mine);
            return true;
        }
        return false;
    }

    std::shared_ptr<const Block> Make(const Key& key, Promise& made)
    {
        // A planet's block is checked near the Sun: the Sun's block of the
        // same years first (bodies with the same segment length share years).
        const int b = key.first;
        std::shared_ptr<const Block> sun;
        if (b >= 2 && b <= intPluto && kFit[b].dblDays == kFit[1].dblDays)
            sun = Get(1, key.second);
        std::shared_ptr<const Block> block = BlockMaker(b, key.second, sun.get()).Make();
        made.set_value(block);
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (const auto it = m_blocks.find(key); it != m_blocks.end()) {
            it->second.intBytes = block->Bytes();
            m_intBytes += it->second.intBytes;
        }
        // The least recently used blocks go, but not one still to be made.
        for (auto oldest = m_used.end(); m_intBytes > kMostCacheBytes && oldest != m_used.begin();) {
            --oldest;
            const auto it = m_blocks.find(*oldest);
            if (it->second.intBytes == 0 || *oldest == key)
                continue;
            m_intBytes -= it->second.intBytes;
            m_blocks.erase(it);
            oldest = m_used.erase(oldest);
        }
        return block;
    }

    std::mutex m_mutex;
    std::list<Key> m_used;
    std::map<Key, Entry> m_blocks;
    std::size_t m_intBytes = 0;
    std::array<long long, intMaxBodies + 1> m_lastIndex = MakeNoneArray();
    std::deque<Key> m_aheadQueue;

    static std::array<long long, intMaxBodies + 1> MakeNoneArray()
    {
        std::array<long long, intMaxBodies + 1> none {};
        none.fill(kNone);
        return none;
    }
};

// The cache while the core runs; its one writer is Start/StopFastSourceCache.
std::mutex g_cacheMutex;
std::shared_ptr<Cache> g_cache;

std::shared_ptr<Cache> CurrentCache()
{
    const std::lock_guard<std::mutex> lock(g_cacheMutex);
    return g_cache;
}

// One source's view of the cache: the block each body was last read from,
// and the nutation of the moment asked last (the bodies of a chart share it).
class CachedLongitudes {
public:
    CachedLongitudes(bool blnSidereal, bool blnPlutoFromTable)
        : m_blnSidereal(blnSidereal)
        , m_blnPlutoFromTable(blnPlutoFromTable)
    {
    }

    double operator()(int b, double t)
    {
        if (b < 1 || b > intMaxBodies || !(std::fabs(t - 2451545.0) < 7.0e6))
            return PreciseSource(m_blnSidereal)(b, t);
        if (b == intPluto && m_blnPlutoFromTable)
            return LongitudeAt(b, t, m_blnSidereal);
        if (b == intMoon || b == intPluto) { // available over the years of the Pluto table
            const double dblDay = std::floor(t + 0.5);
            if (!(dblDay >= intFirstTableDay))
                return -99.0;
            if (dblDay > intLastTableDay)
                return -100.0;
        }
        if (t != m_dblNutationMoment) {
            m_dblNutation = Value(intNutation, t);
            m_dblNutationMoment = t;
        }
        const double S = Value(b, t);
        if (std::isnan(S) || std::isnan(m_dblNutation))
            return PreciseSource(m_blnSidereal)(b, t);
        double L = NormalizeAngle(S + m_dblNutation);
        if (m_blnSidereal)
            L = NormalizeAngle(L - SiderealOffset(YearOfJD(t)));
        return L;
    }

private:
    // The fitted value, NaN where the ephemeris is to be asked.
    double Value(int b, double t)
    {
        const Fit fit = kFit[b];
        const double dblSegments = (t - kEpoch) / fit.dblDays;
        const long long intSegment = static_cast<long long>(dblSegments);
        const long long intBlock = intSegment / intSegmentsPerBlock;
        std::shared_ptr<const Block>& block = m_block[static_cast<size_t>(b)];
        if (!block || block->intIndex != intBlock) {
            const std::shared_ptr<Cache> cache = CurrentCache();
            if (!cache)
                return std::nan(""); // no cache while the core is not running: the ephemeris is asked
            block = cache->Get(b, intBlock);
        }
        const int s = static_cast<int>(intSegment - intBlock * intSegmentsPerBlock);
        int i = block->firstPiece[static_cast<size_t>(s)];
        const int intLast = block->firstPiece[static_cast<size_t>(s) + 1] - 1;
        while (i < intLast && t >= block->pieces[static_cast<size_t>(i) + 1].dblStart)
            ++i;
        const Piece& p = block->pieces[static_cast<size_t>(i)];
        if (p.intCoefficients < 0)
            return std::nan("");
        const double x = i == intLast && p.dblDays == fit.dblDays
            ? 2 * (dblSegments - static_cast<double>(intSegment)) - 1
            : 2 * (t - p.dblStart) / p.dblDays - 1;
        return Clenshaw(&block->coefficients[static_cast<size_t>(p.intCoefficients)], p.intNodes, x);
    }

    bool m_blnSidereal;
    bool m_blnPlutoFromTable;
    std::array<std::shared_ptr<const Block>, intMaxBodies + 1> m_block;
    double m_dblNutationMoment = std::nan("");
    double m_dblNutation = 0;
};

} // namespace

LongitudeSource FastSource(bool blnSidereal, bool blnPlutoFromTable)
{
    // Each copy of the source reads with a view of its own (the blocks it
    // last read), so that threads that each take a copy share nothing but
    // the cache, which is locked.
    return [reader = CachedLongitudes(blnSidereal, blnPlutoFromTable)](int b, double t) mutable { return reader(b, t); };
}

std::size_t FastSourceCacheBytes()
{
    const std::shared_ptr<Cache> cache = CurrentCache();
    return cache ? cache->Bytes() : 0;
}

void ClearFastSource()
{
    if (const std::shared_ptr<Cache> cache = CurrentCache())
        cache->Clear();
}

void StartFastSourceCache()
{
    // What making a block uses is readied before a thread may make one.
    platform::FromDataFiles(3, 2451545.0);
    CosinesFor(intMostNodes);
    auto cache = std::make_shared<Cache>();
    const std::lock_guard<std::mutex> lock(g_cacheMutex);
    g_cache = std::move(cache);
}

void StopFastSourceCache()
{
    const std::lock_guard<std::mutex> lock(g_cacheMutex);
    g_cache.reset(); // a thread still making a block keeps the cache until it is made
}

} // namespace qal
