#pragma once
// Between the program's working data and the archive's records: the series of a store as archived
// series, and archived series put back into a store (to show, save or export them).

#include "archive/ArchiveRecords.h"

#include <vector>

class CMeasurementStore;

// Series `index` of the store with the store's tester, conversion standard and custom curves.
ArchivedSeries ArchivedFromStore(const CMeasurementStore& store, int index, const Provenance& provenance);
// Every series of the store that has an identity (at least one measurement).
std::vector<ArchivedSeries> ArchivedFromStore(const CMeasurementStore& store, const Provenance& provenance);

// Appends the series to the store. withSettings: the store also takes the series' tester,
// conversion standard and custom curves (do it for the first series put into an empty store).
void AppendToStore(CMeasurementStore& store, const ArchivedSeries& series, bool withSettings);
