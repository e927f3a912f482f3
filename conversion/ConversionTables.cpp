#include "conversion/ConversionTables.h"

#include "conversion/CurveData.h"
#include "resources/StringTable.h"

#include <initializer_list>

namespace {

constexpr int kCurveTablesPerProbe = ScaleType::CurveScaleCount;

struct ScaleLayout {
    const char* unit;
    std::initializer_list<int> materialsD;  // offered with the Leeb D probe, in menu order
    std::initializer_list<int> materialsDL; // offered with the Leeb DL probe
};

// Units and material lists of scales 0..9; names come from the string table.
const ScaleLayout kScales[ScaleType::Count] = {
    {"HLD", {}, {}},
    {"HLD", {}, {}},
    {"HV", {1, 2, 3, 4, 5, 6}, {1, 2, 6}},
    {"HB", {1, 3, 4, 5, 6, 10, 7, 8, 9}, {1, 6}},
    {"HRC", {1, 2, 3, 4, 5}, {1, 2}},
    {"HRB", {1, 3, 6, 7}, {1}},
    {"HRA", {1}, {}},
    {"HS", {1}, {1}},
    {"N/mm\u00b2", {11, 12, 13}, {11, 12, 13}},
    {"", {14, 15, 16}, {14, 15, 16}},
};

// String ids of the material names 1..16 (index 0 has no name).
const int kMaterialNameIds[MaterialIndex::Count] = {
    0, 58110, 58111, 58112, 58113, 58114, 58115, 58116, 58117, 58118, 58119,
    58123, 58124, 58125, 58120, 58121, 58122,
};

CONVERSION* NewScale(int scale, int probe)
{
    auto* entry = new CONVERSION;
    const bool dl = probe == ProbeType::LeebDL;
    int nameId = ConversionIds::ScaleNamesD + scale;
    QString unit = QString::fromUtf8(kScales[scale].unit);
    if (dl && scale == ScaleType::RawLeeb)
        nameId = ConversionIds::RawLeebDL;
    if (dl && scale == ScaleType::CorrectedLeeb)
        nameId = ConversionIds::CorrectedLeebDL;
    if (dl && scale <= ScaleType::CorrectedLeeb)
        unit = QStringLiteral("HLDL");
    entry->name = ResString(nameId);
    entry->unit = unit;
    for (int material : dl ? kScales[scale].materialsDL : kScales[scale].materialsD)
        entry->materials.Add(material);
    return entry;
}

void BuildCatalogues(CMeasurementStore& store)
{
    store.DeleteConversionRecords();
    for (int scale = 0; scale < ScaleType::Count; ++scale) {
        store.scalesD.Add(NewScale(scale, ProbeType::LeebD));
        store.scalesDL.Add(NewScale(scale, ProbeType::LeebDL));
    }
}

void FillAngles(CArray<ANGLE>& table, const CurveData::AnglePoints& points)
{
    table.RemoveAll();
    table.Add(ANGLE{0, 0.0f, 0.0f});
    table.Add(ANGLE{90, points.a90, points.b90});
    table.Add(ANGLE{180, points.a180, points.b180});
}

void BuildCurves(CMeasurementStore& store)
{
    for (int probe : {ProbeType::LeebD, ProbeType::LeebDL}) {
        for (int scale = ScaleType::FirstCurve; scale <= ScaleType::LastCurve; ++scale) {
            CArray<PARA>& table = store.curves[CurveTableIndex(scale, probe)];
            table.RemoveAll();
            table.SetSize(CurveData::CurveTableLength(scale)); // all-zero entries
        }
    }
    for (const CurveData::CurveRow& row : CurveData::Curves())
        store.curves[CurveTableIndex(row.scale, row.probe)][row.material] = row.curve;
    if (store.conversionStandard == 1)
        store.curves[CurveTableIndex(ScaleType::Shore, ProbeType::LeebD)][1] = CurveData::ShoreSteelCustomJ();
}

} // namespace

void BuildConversionTables(CMeasurementStore& store)
{
    if (store.conversionStandard != 0 && store.conversionStandard != 1)
        store.conversionStandard = 0;

    BuildCatalogues(store);

    store.materialNames.clear();
    for (int material = 0; material < MaterialIndex::Count; ++material)
        store.materialNames.append(material == MaterialIndex::None ? QString() : ResString(kMaterialNameIds[material]));

    store.columnTitles.clear();
    for (int i = 0; i < ConversionIds::ColumnTitleCount; ++i)
        store.columnTitles.append(ResString(ConversionIds::ColumnTitles + i));

    FillAngles(store.anglesD1, CurveData::kAnglesD1);
    FillAngles(store.anglesD2, CurveData::kAnglesD2);
    FillAngles(store.anglesDL, CurveData::kAnglesDL);

    BuildCurves(store);
}

const CArray<CONVERSION*>& ScaleCatalogue(const CMeasurementStore& store, int probe)
{
    return probe == ProbeType::LeebDL ? store.scalesDL : store.scalesD;
}

int CurveTableIndex(int scale, int probe)
{
    if (scale < ScaleType::FirstCurve || scale > ScaleType::LastCurve)
        return -1;
    return scale - ScaleType::FirstCurve + (probe == ProbeType::LeebDL ? kCurveTablesPerProbe : 0);
}

const CArray<PARA>* CurveTable(const CMeasurementStore& store, int scale, int probe)
{
    const int index = CurveTableIndex(scale, probe);
    return index < 0 ? nullptr : &store.curves[index];
}

const CArray<CPARA>* CustomCurveTable(const CMeasurementStore& store, int probe)
{
    if (probe == ProbeType::LeebD)
        return &store.customD;
    if (probe == ProbeType::LeebDL)
        return &store.customDL;
    return nullptr;
}
