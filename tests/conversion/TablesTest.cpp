#include "ConversionTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace ConversionTest;

namespace {

std::vector<int> Materials(const CONVERSION* entry)
{
    return std::vector<int>(entry->materials.begin(), entry->materials.end());
}

bool SameCurve(const PARA& a, const PARA& b)
{
    return a.defined == b.defined && a.low == b.low && a.high == b.high
        && std::memcmp(a.coef, b.coef, sizeof a.coef) == 0;
}

TEST(ConversionTables, CataloguesNamesUnitsAndMaterialLists)
{
    CMeasurementStore store;
    BuildConversionTables(store);
    ASSERT_EQ(store.scalesD.GetSize(), 10);
    ASSERT_EQ(store.scalesDL.GetSize(), 10);

    struct Row {
        const char* nameD;
        const char* nameDL;
        const char* unitD;
        const char* unitDL;
        std::vector<int> materialsD, materialsDL;
    } rows[] = {
        {"HLD Leeb D raw", "HLDL Leeb DL raw", "HLD", "HLDL", {}, {}},
        {"HLD  Leeb D", "HLDL  Leeb DL", "HLD", "HLDL", {}, {}},
        {"HV    Vickers", "HV    Vickers", "HV", "HV", {1, 2, 3, 4, 5, 6}, {1, 2, 6}},
        {"HB    Brinell (F=30D\u00b2)", "HB    Brinell (F=30D\u00b2)", "HB", "HB", {1, 3, 4, 5, 6, 10, 7, 8, 9}, {1, 6}},
        {"HRC Rockwell C", "HRC Rockwell C", "HRC", "HRC", {1, 2, 3, 4, 5}, {1, 2}},
        {"HRB Rockwell B", "HRB Rockwell B", "HRB", "HRB", {1, 3, 6, 7}, {1}},
        {"HRA Rockwell A", "HRA Rockwell A", "HRA", "HRA", {1}, {}},
        {"HS    Shore", "HS    Shore", "HS", "HS", {1}, {1}},
        {"Rm   Tensile strength", "Rm   Tensile strength", "N/mm\u00b2", "N/mm\u00b2", {11, 12, 13}, {11, 12, 13}},
        {"HC   Custom", "HC   Custom", "", "", {14, 15, 16}, {14, 15, 16}},
    };
    for (int t = 0; t < 10; ++t) {
        const Row& r = rows[t];
        EXPECT_EQ(store.scalesD[t]->name, QString::fromUtf8(r.nameD)) << t;
        EXPECT_EQ(store.scalesDL[t]->name, QString::fromUtf8(r.nameDL)) << t;
        EXPECT_EQ(store.scalesD[t]->unit, QString::fromUtf8(r.unitD)) << t;
        EXPECT_EQ(store.scalesDL[t]->unit, QString::fromUtf8(r.unitDL)) << t;
        EXPECT_EQ(Materials(store.scalesD[t]), r.materialsD) << t;
        EXPECT_EQ(Materials(store.scalesDL[t]), r.materialsDL) << t;
    }
}

TEST(ConversionTables, MaterialNamesColumnTitlesAndAngleTables)
{
    CMeasurementStore store;
    BuildConversionTables(store);
    const QStringList names = {
        "", "1 Steel and cast steel", "2 Work tool steel", "3 Stainless steel", "4 Gray cast iron (GG)",
        "5 Nodular cast iron (GGG)", "6 Cast aluminium alloys", "7 Brass", "8 Bronzes", "9 Wrought copper",
        "6.1 Alu-AN40 (ABB)", "1 Steel / Cast Steel", "2 Treat. Steel heat tr.", "3 Treat. Steel untreat.",
        "HC1  Custom1", "HC2  Custom2", "HC3  Custom3",
    };
    EXPECT_EQ(store.materialNames, names);
    const QStringList titles = {"Index", "Date", "Time", "Value", "Gravity component", "Scale", "Material",
                                "Impact body"};
    EXPECT_EQ(store.columnTitles, titles);

    struct {
        const CArray<ANGLE>* table;
        Reference::Points want;
    } angleCases[] = {
        {&store.anglesD1, Reference::kD1}, {&store.anglesD2, Reference::kD2}, {&store.anglesDL, Reference::kDL}};
    for (const auto& c : angleCases) {
        ASSERT_EQ(c.table->GetSize(), 3);
        const CArray<ANGLE>& t = *c.table;
        EXPECT_TRUE(t[0].angle == 0 && t[0].a == 0.0f && t[0].b == 0.0f);
        EXPECT_TRUE(t[1].angle == 90 && t[1].a == c.want.a90 && t[1].b == c.want.b90);
        EXPECT_TRUE(t[2].angle == 180 && t[2].a == c.want.a180 && t[2].b == c.want.b180);
    }
}

// Every curve table has its length, every listed curve sits at its material index with the float
// nearest to each decimal, and every other entry is all zero.
TEST(ConversionTables, CurveTablesHoldExactlyTheListedCurves)
{
    CMeasurementStore store;
    BuildConversionTables(store);
    const int lengths[7] = {11, 11, 11, 11, 0, 11, 14}; // HV HB HRC HRB HRA HS Rm
    std::vector<std::vector<PARA>> want(14);
    for (int i = 0; i < 14; ++i)
        want[i].resize(lengths[i % 7]);
    for (const CurveText& text : kCurveTexts) {
        const Curve c = ParseCurve(text);
        PARA& p = want[(c.scale - 2) + (c.probe == ProbeType::LeebDL ? 7 : 0)].at(c.material);
        p.defined = c.defined;
        p.low = c.low;
        p.high = c.high;
        std::memcpy(p.coef, c.coef, sizeof p.coef);
    }
    EXPECT_EQ(kCurveTexts.size(), 40u);
    for (int i = 0; i < 14; ++i) {
        ASSERT_EQ(store.curves[i].GetSize(), static_cast<int>(want[i].size())) << "table " << i;
        for (int k = 0; k < store.curves[i].GetSize(); ++k)
            EXPECT_TRUE(SameCurve(store.curves[i][k], want[i][k])) << "table " << i << " material " << k;
    }
}

// The conversion standard switches only the Leeb D Shore curve of steel; an unknown standard is
// reset to "default" first. Rebuilding empties before refilling and leaves custom curves alone.
TEST(ConversionTables, ConversionStandardAndRebuild)
{
    const PARA defaultShore = {1, 480, 900, {-34.12f, 0.11389f, 9.734e-05f, -1.7601e-07f, 1.2269e-10f}};
    const PARA customJShore = {1, 390, 910, {-21.36355f, 0.05939577f, 0.0001405883f, -1.183593e-07f, 6.268252e-11f}};

    CMeasurementStore reference;
    BuildConversionTables(reference);

    struct Case {
        int standard;
        int storedAfter;
        const PARA* shore;
    } cases[] = {{0, 0, &defaultShore}, {1, 1, &customJShore}, {7, 0, &defaultShore}, {-1, 0, &defaultShore}};
    for (const Case& c : cases) {
        CMeasurementStore store;
        const CPARA hc1{2, 2, 1, 5.0f};
        store.customD[14] = hc1;
        store.conversionStandard = c.standard;
        BuildConversionTables(store);
        BuildConversionTables(store); // a second build gives the same contents, not twice as many
        EXPECT_EQ(store.conversionStandard, c.storedAfter);
        EXPECT_EQ(store.customD[14], hc1);
        EXPECT_EQ(store.scalesD.GetSize(), 10);
        EXPECT_EQ(store.materialNames.size(), 17);
        EXPECT_EQ(store.anglesD1.GetSize(), 3);
        for (int i = 0; i < 14; ++i) {
            ASSERT_EQ(store.curves[i].GetSize(), reference.curves[i].GetSize());
            for (int k = 0; k < store.curves[i].GetSize(); ++k) {
                const bool shoreSteelD = i == 5 && k == 1;
                const PARA& want = shoreSteelD ? *c.shore : reference.curves[i][k];
                EXPECT_TRUE(SameCurve(store.curves[i][k], want)) << c.standard << ": table " << i << " entry " << k;
            }
        }
    }
}

TEST(ConversionTables, LookupHelpers)
{
    CMeasurementStore store;
    BuildConversionTables(store);
    EXPECT_EQ(&ScaleCatalogue(store, 1), &store.scalesDL);
    EXPECT_EQ(&ScaleCatalogue(store, 0), &store.scalesD);
    EXPECT_EQ(&ScaleCatalogue(store, 3), &store.scalesD);
    EXPECT_EQ(CurveTable(store, ScaleType::Vickers, 0), &store.curves[0]);
    EXPECT_EQ(CurveTable(store, ScaleType::TensileStrength, 1), &store.curves[13]);
    EXPECT_EQ(CurveTable(store, ScaleType::Shore, 5), &store.curves[5]);
    EXPECT_EQ(CurveTable(store, ScaleType::CorrectedLeeb, 0), nullptr);
    EXPECT_EQ(CurveTable(store, ScaleType::Custom, 1), nullptr);
    EXPECT_EQ(CustomCurveTable(store, 0), &store.customD);
    EXPECT_EQ(CustomCurveTable(store, 1), &store.customDL);
    EXPECT_EQ(CustomCurveTable(store, 2), nullptr);
}

} // namespace
