#include "data/MeasurementStore.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

// Two series with 2 and 3 measurements, all change flags cleared.
void Fill(CMeasurementStore& store, std::initializer_list<int> counts)
{
    for (int count : counts) {
        auto* s = new MSERIE;
        for (int i = 0; i < count; ++i)
            s->AddMeasurement(new MEAS);
        store.AddSeries(s);
    }
    store.ClearChanges();
}

TEST(Store, FreshStoreHasDefaultCustomCurves)
{
    CMeasurementStore store;
    ASSERT_EQ(store.customD.GetSize(), 17);
    ASSERT_EQ(store.customDL.GetSize(), 17);
    for (int i = 0; i < 17; ++i) {
        const CPARA want = i >= 14 ? CPARA{1, 1, 0, 0.0f} : CPARA{};
        EXPECT_EQ(store.customD[i], want) << i;
        EXPECT_EQ(store.customDL[i], want) << i;
    }
    EXPECT_FALSE(store.HasChanges());
    EXPECT_EQ(store.series.GetSize(), 0);
}

TEST(Store, DeleteMeasurementsArgumentForms)
{
    struct Case {
        int series, measurement;
        std::vector<int> wantCounts;
        bool wantListChanged;
        bool wantSeriesChanged; // first remaining series
    } cases[] = {
        {-1, -1, {}, true, false},
        {-1, 0, {}, true, false},
        {2, -1, {2, 3}, false, false},
        {1, -1, {2}, true, false},
        {0, 1, {1, 3}, false, true},
        {0, 2, {2, 3}, false, false},
        {5, 0, {2, 3}, false, false},
    };
    for (const auto& c : cases) {
        CMeasurementStore store;
        Fill(store, {2, 3});
        EXPECT_EQ(store.DeleteMeasurements(c.series, c.measurement), 0);
        std::vector<int> counts;
        for (const MSERIE* s : store.series)
            counts.push_back(s->Count());
        EXPECT_EQ(counts, c.wantCounts) << c.series << "," << c.measurement;
        EXPECT_EQ(store.seriesListChanged != 0, c.wantListChanged) << c.series << "," << c.measurement;
        if (!counts.empty()) {
            EXPECT_EQ(store.series[0]->changed != 0, c.wantSeriesChanged) << c.series << "," << c.measurement;
        }
        EXPECT_EQ(store.CountMeasurements(), std::accumulate(counts.begin(), counts.end(), 0));
    }
}

TEST(Store, DeletingOnlyMeasurementKeepsEmptySeries)
{
    CMeasurementStore store;
    Fill(store, {1});
    store.DeleteMeasurements(0, 0);
    ASSERT_EQ(store.series.GetSize(), 1);
    EXPECT_EQ(store.series[0]->Count(), 0);
    EXPECT_EQ(store.series[0]->changed, 1);
    EXPECT_TRUE(store.HasChanges());
}

TEST(Store, HasChangesFollowsEveryKindOfEdit)
{
    CMeasurementStore store;
    Fill(store, {2, 3});
    EXPECT_FALSE(store.HasChanges());
    store.series[1]->measurements[2]->SetHidden(1);
    EXPECT_TRUE(store.HasChanges());
    store.ClearChanges();
    EXPECT_FALSE(store.HasChanges());
    store.series[0]->SetExpanded(1);
    EXPECT_TRUE(store.HasChanges());
    store.ClearChanges();
    store.series[0]->SetExpanded(1);
    EXPECT_FALSE(store.HasChanges());
    store.AddSeries(new MSERIE);
    EXPECT_TRUE(store.HasChanges());
}

TEST(Store, OutOfRangeIndexIsAnInvalidArgument)
{
    CMeasurementStore store;
    Fill(store, {1});
    EXPECT_THROW(store.series[1], std::invalid_argument);
    EXPECT_THROW(store.series[0]->measurements[-1], std::invalid_argument);
}

} // namespace
