// The engine's work behind what a user does: Go On on a two-pulley drive and
// on the four-pulley demonstration drive, the belt paths of a four-pulley
// layout, one click that moves a pulley to the standard length, and opening
// a project file. Each case checks its outcome once, so a benchmark never
// times a design that stopped early.
#include <benchmark/benchmark.h>

#include <string>

#include "catalogue/calculationtables.h"
#include "engine/designsequence.h"
#include "engine/layout.h"
#include "engine/layouteditor.h"
#include "platform/scripteddialogs.h"
#include "project/projectfile.h"
#include "units/units.h"

namespace {

using namespace belt;

const std::string kTwoPulleyFile = BELT_BENCH_DATA_DIR "/two-pulley-design.dat";
const std::string kDemoFile = BELT_BENCH_DATA_DIR "/demo-design.dat";

// A fresh copy of the fixture for every iteration, made (and the last one
// dropped) outside the timing: copying a project with its loaded tables
// costs about as much as designing it.
void Reset(benchmark::State& state, DriveProject& p, const DriveProject& from) {
    state.PauseTiming();
    p = from;
    state.ResumeTiming();
}

// A saved project as the batch tool opens it: the tables the file does not
// hold loaded as the screens load them.
bool Open(const std::string& file, DriveProject& p) {
    p = DriveProject{};
    InitUnitTables(p);
    if (!ProjectFile::open(file, p).ok) return false;
    LoadCalculationTables(p);
    return true;
}

// Go On on the pulley data screen: the standard length, the shorter of the
// two offered, the proposed width.
bool DesignTwoPulleys(DriveProject& p) {
    ScriptedDialogs d;
    d.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    d.acceptInputDefaults = true;
    return GoOnFromStep3(p, d) == NextStep::ShowStep5;
}

// The demonstration as a user designs it: DRAW to path 2 without a
// double-sided belt, Go On, the longer rounded length, pulley 2 moved
// vertically to fit it, Go On with the proposed width.
bool DesignDemonstration(DriveProject& p) {
    ScriptedDialogs d;
    d.answers = {MsgAnswer::No, MsgAnswer::No, MsgAnswer::No};
    d.acceptInputDefaults = true;
    p.beltPathTable[0][1] = 1;
    if (GoOnFromStep3(p, d) != NextStep::ShowStep4) return false;
    MarkLayoutDrawn(p);
    if (GoOnFromStep4(p, d) != NextStep::ShowAdjustHint) return false;
    if (!AdjustPulley(p, d, 2, kAxisY)) return false;
    return GoOnFromStep4(p, d) == NextStep::ShowStep5;
}

// Go On's design of a saved project, from a fresh copy each time.
void TimeDesign(benchmark::State& state, const std::string& file, bool (*design)(DriveProject&)) {
    DriveProject saved;
    DriveProject check;
    if (!Open(file, saved) || !design(check = saved)) {
        state.SkipWithError("the design does not reach the results");
        return;
    }
    DriveProject p;
    for (auto _ : state) {
        Reset(state, p, saved);
        benchmark::DoNotOptimize(design(p));
        benchmark::DoNotOptimize(p.beltWidth);
    }
}

void BM_TwoPulleyDesign(benchmark::State& state) {
    TimeDesign(state, kTwoPulleyFile, DesignTwoPulleys);
}
BENCHMARK(BM_TwoPulleyDesign)->Unit(benchmark::kMicrosecond);

void BM_FourPulleyDemonstrationDesign(benchmark::State& state) {
    TimeDesign(state, kDemoFile, DesignDemonstration);
}
BENCHMARK(BM_FourPulleyDemonstrationDesign)->Unit(benchmark::kMicrosecond);

void BM_BeltPathEnumeration(benchmark::State& state) {
    DriveProject p;
    if (!Open(kDemoFile, p) || (ComputeBeltPaths(p), p.beltPathTable[0][0] == 0)) {
        state.SkipWithError("the demonstration layout has no belt path");
        return;
    }
    for (auto _ : state) {
        ComputeBeltPaths(p);
        benchmark::DoNotOptimize(p.beltPathTable[0][0]);
    }
}
BENCHMARK(BM_BeltPathEnumeration)->Unit(benchmark::kMicrosecond);

// A left click on pulley 2 of the demonstration once Go On has chosen the
// standard length: the pulley moves vertically until the layout has it.
void BM_MouseAdjustment(benchmark::State& state) {
    DriveProject chosen;
    ScriptedDialogs d;
    d.answers = {MsgAnswer::No, MsgAnswer::No, MsgAnswer::No};
    bool ready = Open(kDemoFile, chosen);
    if (ready) {
        chosen.beltPathTable[0][1] = 1;
        ready = GoOnFromStep3(chosen, d) == NextStep::ShowStep4;
    }
    if (ready) {
        MarkLayoutDrawn(chosen);
        ready = GoOnFromStep4(chosen, d) == NextStep::ShowAdjustHint;
    }
    const double x = chosen.pulleyPosition[0][2];
    const double y = chosen.pulleyPosition[1][2];
    DriveProject check = chosen;
    ScriptedDialogs none;
    if (!ready || !OnLayoutMouseMove(check, x, y) || !OnLayoutMouseUp(check, none, true).redraw ||
        !none.seen.empty()) {
        state.SkipWithError("the demonstration's pulley 2 does not move to the standard length");
        return;
    }
    DriveProject p;
    for (auto _ : state) {
        Reset(state, p, chosen);
        OnLayoutMouseMove(p, x, y);
        benchmark::DoNotOptimize(OnLayoutMouseUp(p, none, true).redraw);
        benchmark::DoNotOptimize(p.pulleyPosition[1][2]);
    }
}
BENCHMARK(BM_MouseAdjustment)->Unit(benchmark::kMicrosecond);

void BM_ReadProjectFile(benchmark::State& state) {
    for (auto _ : state) {
        DriveProject p;
        const OpenResult r = ProjectFile::open(kDemoFile, p);
        if (!r.ok) {
            state.SkipWithError("demo-design.dat does not open");
            break;
        }
        benchmark::DoNotOptimize(p.pulleyCount);
    }
}
BENCHMARK(BM_ReadProjectFile)->Unit(benchmark::kMicrosecond);

}  // namespace
