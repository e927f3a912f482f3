#include "tools/cli/ImpactJournal.h"

#include "data/MeasurementStore.h"

#include <algorithm>

void CImpactJournal::Baseline(const CMeasurementStore& store)
{
    hidden.clear();
    Catch(store);
}

std::vector<CImpactJournal::Entry> CImpactJournal::Catch(const CMeasurementStore& store)
{
    std::vector<Entry> discards;
    std::vector<Entry> arrivals;
    const int seriesCount = store.series.GetSize();
    // The store only grows while a tester is watched; a shorter one (not expected) is followed.
    hidden.resize(static_cast<std::size_t>(seriesCount));
    for (int k = 0; k < seriesCount; ++k) {
        const MSERIE& serie = *store.series[k];
        std::vector<bool>& known = hidden[static_cast<std::size_t>(k)];
        if (static_cast<int>(known.size()) > serie.Count())
            known.resize(static_cast<std::size_t>(serie.Count()));
        for (int m = 0; m < serie.Count(); ++m) {
            const bool isHidden = serie.measurements[m]->hidden != 0;
            if (m < static_cast<int>(known.size())) {
                if (isHidden && !known[static_cast<std::size_t>(m)])
                    discards.push_back({k, m, true});
                known[static_cast<std::size_t>(m)] = isHidden;
            } else {
                arrivals.push_back({k, m, false});
                known.push_back(isHidden);
            }
        }
    }
    discards.insert(discards.end(), arrivals.begin(), arrivals.end());
    return discards;
}
