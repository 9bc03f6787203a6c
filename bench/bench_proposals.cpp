// The drive proposal search for one duty: 3.4 kW at 1200 rpm, ratio 2,
// 300 to 500 mm, over the default families and over every family.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "catalogue/beltids.h"
#include "catalogue/calculationtables.h"
#include "engine/proposals.h"
#include "units/units.h"

namespace {

using namespace belt;

DriveProject Base() {
    DriveProject p;
    InitUnitTables(p);
    LoadStep1Tables(p);
    return p;
}

ProposalDuty KnownDuty() {
    ProposalDuty d;
    d.power = 3400;
    d.driverSpeed = 1200 * 6.283185308 / 60;
    d.ratio = 2;
    d.centreMin = 0.3;
    d.centreMax = 0.5;
    return d;
}

void Search(benchmark::State& state, const std::vector<std::string>& families) {
    const DriveProject base = Base();
    const ProposalDuty duty = KnownDuty();
    const std::vector<ProposalBelt> belts = ProposalBeltsOfFamilies(families);
    int candidates = 0;
    for (auto _ : state) {
        const ProposalResult r = ProposeDrives(base, duty, belts);
        candidates = r.candidates;
        benchmark::DoNotOptimize(r.proposals.data());
    }
    state.counters["candidates"] = candidates;
}

void BM_ProposeDefaultFamilies(benchmark::State& state) {
    Search(state, DefaultProposalFamilies());
}
BENCHMARK(BM_ProposeDefaultFamilies)->Unit(benchmark::kMillisecond);

void BM_ProposeEveryFamily(benchmark::State& state) {
    std::vector<std::string> all;
    for (std::string_view f : kBeltFamilies) all.emplace_back(f);
    Search(state, all);
}
BENCHMARK(BM_ProposeEveryFamily)->Unit(benchmark::kMillisecond);

}  // namespace
