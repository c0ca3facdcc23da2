// The loadout finder against a plain complete enumeration of the same
// request, in the same run: the best 50 of the Jaralaccs N (the largest
// space, 27.5 million loadouts) with no limits and with typical ones, and the
// best loadout of every VT. "Search" rows are the search alone; "Answer" rows
// are the whole findLoadouts(), with the 50 records, texts and previews of
// the winners; "Plain" rows are the finder tests' oracle
// (tests/core/FinderOracle.h). Each row reports the median of its
// repetitions.
//
// The memory row counts the bytes a search holds at its peak beyond what it
// held before and beyond its results, with this program's own operator new.

#include "core/Finder.h"
#include "core/FinderSearch.h"
#include "core/VtChoice.h"
#include "model/VtCatalogue.h"
#include "tests/core/FinderOracle.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>
#include <string>
#include <utility>

namespace {

std::atomic<long long> liveBytes{0};
std::atomic<long long> peakBytes{0};

void counted(void* p) {
    if (!p)
        throw std::bad_alloc();
    const long long now = liveBytes += (long long)malloc_usable_size(p);
    long long peak = peakBytes.load();
    while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {
    }
}

} // namespace

void* operator new(std::size_t n) {
    void* p = std::malloc(n ? n : 1);
    counted(p);
    return p;
}
void operator delete(void* p) noexcept {
    if (p)
        liveBytes -= (long long)malloc_usable_size(p);
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace {

using namespace vantor;

constexpr int JaralaccsN = 14;
constexpr int Id355Sb = 3;

enum class Preset { NoLimits, Typical, EveryVt };

FinderRequest requestFor(Preset preset) {
    FinderRequest r;
    r.current.vt = JaralaccsN;
    chooseVt(r.currentLoadout, JaralaccsN);
    r.count = 50;
    r.limits.worstStatus = StatusMountOver;
    if (preset == Preset::Typical) {
        r.limits.worstStatus = StatusVtOk;
        r.limits.mustCarry = {{FinderRequirement::MainWeapon, Id355Sb, 0}};
    }
    if (preset == Preset::EveryVt) {
        r.scope = FinderScope::EveryVt;
        r.count = VtCount;
    }
    return r;
}

// Times `find` on the preset's request: the search alone, the whole answer
// (with each winner's record and preview) or the plain enumeration.
template <auto find> void BM_Find(benchmark::State& state, Preset preset) {
    const FinderRequest r = requestFor(preset);
    for (auto _ : state)
        benchmark::DoNotOptimize(find(r));
}

finder::SearchResult searchOnly(const FinderRequest& r) {
    return finder::search(r);
}

FinderAnswer wholeAnswer(const FinderRequest& r) {
    return findLoadouts(r);
}

void BM_SearchMemory(benchmark::State& state, Preset preset) {
    const FinderRequest r = requestFor(preset);
    finder::search(r); // the part tables are built once per process
    for (auto _ : state) {
        const long long before = liveBytes.load();
        peakBytes = before;
        const finder::SearchResult result = finder::search(r);
        const long long results = liveBytes.load() - before;
        state.counters["peak_kB"] = double(peakBytes.load() - before - results) / 1024;
        state.counters["results_kB"] = double(results) / 1024;
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const std::pair<const char*, Preset> presets[] = {
        {"NoLimits", Preset::NoLimits}, {"Typical", Preset::Typical}, {"EveryVt", Preset::EveryVt}};
    for (const auto& [name, preset] : presets) {
        const auto row = [&, preset = preset](const char* kind, auto fn) {
            return benchmark::RegisterBenchmark(
                       (std::string(kind) + "/" + name).c_str(),
                       [fn, preset](benchmark::State& s) { fn(s, preset); })
                ->Unit(benchmark::kMillisecond)
                ->ReportAggregatesOnly(true);
        };
        row("Search", BM_Find<searchOnly>)->Repetitions(15);
        row("Answer", BM_Find<wholeAnswer>)->Repetitions(15);
        row("Plain", BM_Find<oracle>)->Repetitions(3)->Iterations(1);
        if (preset != Preset::Typical)
            row("SearchMemory", BM_SearchMemory)->Iterations(1);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
