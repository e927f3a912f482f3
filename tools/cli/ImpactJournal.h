#pragma once
// CImpactJournal: what the live logger has already reported of the store, so that after every
// poll it reports each new measurement once, in store order, and each measurement the tester
// discarded (hidden since it was reported) once.

#include <vector>

class CMeasurementStore;

class CImpactJournal {
public:
    struct Entry {
        int series;      // index in the store
        int measurement; // index in the series
        bool discard;    // a reported measurement was hidden since; otherwise a new measurement
    };

    // Everything in the store now counts as reported (the memory read when the tester was attached).
    void Baseline(const CMeasurementStore& store);
    // What changed since the last call or the baseline: discards first (they concern measurements
    // reported before), then the new measurements in store order. All of it counts as reported.
    std::vector<Entry> Catch(const CMeasurementStore& store);

private:
    std::vector<std::vector<bool>> hidden; // per series, per reported measurement: its hidden flag
};
