#pragma once
// Stored series made up from a seed: the same seed gives the same memory on every run.

#include "tools/kestrel-sim/Memory.h"

#include <cstdint>
#include <vector>

namespace Sim {

struct GeneratorPlan {
    int series = 3;          // number of series
    int impacts = 5;         // impacts per series
    std::uint32_t seed = 1;
    int generation = 1;      // second-generation testers also measure with the Leeb DL probe
    bool oldDateLayout = false;
};

// Records of plan.series series of plan.impacts impacts each, at most `limit` records: varied
// scales, materials, probes, values, directions and times a few seconds apart, with the odd
// discarded impact; series numbered from 1 and series markers alternating from 0.
std::vector<Record> GenerateSeries(const GeneratorPlan& plan, int limit);

} // namespace Sim
