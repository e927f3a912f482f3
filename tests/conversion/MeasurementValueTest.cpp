#include "ConversionTestSupport.h"

#include "conversion/NumberText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

using namespace ConversionTest;

namespace {

QString Printf(const char* format, double value, const char* unit)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value, unit);
    return QString::fromUtf8(buffer);
}

const float* CoefOf(int probe, const char* scale, int material)
{
    static std::vector<Curve> curves;
    if (curves.empty())
        for (const CurveText& t : kCurveTexts)
            curves.push_back(ParseCurve(t));
    for (const Curve& c : curves)
        if (c.probe == probe && c.scale == ScaleOfName(scale) && c.material == material)
            return c.coef;
    return nullptr;
}

struct Case {
    const char* what;
    int scale, material, probe;
    const char* device;
    float value;
    int angle;
    CPARA hc1;           // custom curve entry 14 of the series' probe
    QString wantText;
    float wantValue;
    QString wantUnit;
};

TEST(FormatMeasurementValue, OneMeasurementInEachKindOfScale)
{
    using namespace ScaleType;
    const CPARA untouched{1, 1, 0, 0.0f};
    const CPARA vickersPlus5{1, Vickers, 1, 5.0f};
    const CPARA foreignScale{1, 42, 1, 0.0f};

    // Expected values computed independently: the plain steps and the curve table's text.
    const float corrD1 = 520.0f + Reference::Correction(520.0f, 135, Reference::kD1);
    const float corrD2 = 520.0f + Reference::Correction(520.0f, 135, Reference::kD2);
    const float corrDL = 820.0f + Reference::Correction(820.0f, 60, Reference::kDL);
    const float hvSteel = Reference::Curve(640.0f, CoefOf(0, "HV", 1));
    const float hrcSteel = Reference::Curve(640.0f, CoefOf(0, "HRC", 1));
    const float hrcSteelUp = Reference::Curve(640.0f + Reference::Correction(640.0f, 180, Reference::kD2),
                                              CoefOf(0, "HRC", 1));
    const float hvSteelDL = Reference::Curve(corrDL, CoefOf(1, "HV", 1));
    const float hv300 = Reference::Curve(300.0f, CoefOf(0, "HV", 1));

    const Case cases[] = {
        {"raw D", RawLeeb, 0, 0, "", 523.4f, 135, untouched, "523 HLD", 523.4f, "HLD"},
        {"raw DL", RawLeeb, 0, 1, "", 810.6f, 0, untouched, "811 HLDL", 810.6f, "HLDL"},
        {"corrected, first generation", CorrectedLeeb, 0, 0, "Kestrel 1", 520.0f, 135, untouched,
         Printf("%.0f %s", corrD1, "HLD"), corrD1, "HLD"},
        {"corrected, second generation", CorrectedLeeb, 0, 0, "Kestrel 2", 520.0f, 135, untouched,
         Printf("%.0f %s", corrD2, "HLD"), corrD2, "HLD"},
        {"corrected DL ignores the device", CorrectedLeeb, 0, 1, "Kestrel 2", 820.0f, 60, untouched,
         Printf("%.0f %s", corrDL, "HLDL"), corrDL, "HLDL"},
        {"HV from 100 on: no decimals", Vickers, 1, 0, "", 640.0f, 0, untouched, Printf("%.0f %s", hvSteel, "HV"),
         hvSteel, "HV"},
        {"HRC below 100: one decimal", RockwellC, 1, 0, "", 640.0f, 0, untouched, Printf("%.1f %s", hrcSteel, "HRC"),
         hrcSteel, "HRC"},
        {"HRC of an upward impact", RockwellC, 1, 0, "Tamarin 2", 640.0f, 180, untouched,
         Printf("%.1f %s", hrcSteelUp, "HRC"), hrcSteelUp, "HRC"},
        {"HV Leeb DL", Vickers, 1, 1, "", 820.0f, 60, untouched, Printf("%.0f %s", hvSteelDL, "HV"), hvSteelDL, "HV"},
        {"lower limit", Vickers, 1, 0, "", 300.0f, 0, untouched, Printf("%.1f %s", hv300, "HV"), hv300, "HV"},
        {"below the lower limit", Vickers, 1, 0, "", 299.9f, 0, untouched, "Out of range", 0.0f, "HV"},
        {"above the upper limit", Vickers, 1, 0, "", 890.1f, 0, untouched, "Out of range", 0.0f, "HV"},
        {"brass has no HV curve", Vickers, 7, 0, "", 500.0f, 0, untouched, "Out of range", 0.0f, "HV"},
        {"HRC material 12", RockwellC, 12, 0, "", 600.0f, 0, untouched, "no curve", -1.0f, "HRC"},
        {"no material", Vickers, 0, 0, "", 600.0f, 0, untouched, "", 0.0f, "HV"},
        {"Rockwell A", RockwellA, 1, 0, "", 600.0f, 0, untouched, "", 0.0f, "HRA"},
        {"HC1 on Vickers +5.0", Custom, 14, 0, "", 640.0f, 0, vickersPlus5, Printf("%.0f %s", hvSteel + 5.0f, "HV"),
         hvSteel + 5.0f, "HV"},
        {"HC1 never defined", Custom, 14, 0, "Kestrel 1", 520.0f, 135, untouched, Printf("%.0f %s", corrD1, "HLD"),
         corrD1, "HLD"},
        {"HC1 of another probe type", Custom, 14, 3, "", 640.0f, 0, vickersPlus5, "", 0.0f, ""},
        {"custom scale without a custom material", Custom, 1, 0, "", 640.0f, 0, vickersPlus5, "", 0.0f, ""},
        {"custom curve on a scale outside the catalogue", Custom, 14, 0, "", 640.0f, 0, foreignScale, "", 0.0f, ""},
        {"series scale outside the catalogue", 42, 1, 0, "", 640.0f, 0, untouched, "", 0.0f, ""},
        {"negative series scale", -3, 1, 0, "", 640.0f, 0, untouched, "", 0.0f, ""},
    };
    for (const Case& c : cases) {
        CMeasurementStore store;
        BuildConversionTables(store);
        store.device.name = QString::fromUtf8(c.device);
        store.customD[14] = c.hc1;
        store.customDL[14] = c.hc1;
        const int s = AddSeries(store, c.scale, c.material, c.probe, {{c.value, c.angle}});
        float value = 123.0f;
        QString unit = "stale";
        EXPECT_EQ(FormatMeasurementValue(store, s, 0, &value, &unit), c.wantText) << c.what;
        EXPECT_EQ(value, c.wantValue) << c.what;
        EXPECT_EQ(unit, c.wantUnit) << c.what;
    }
}

TEST(FormatMeasurementValue, EmptyCustomTableLeavesTheCustomScale)
{
    CMeasurementStore store;
    BuildConversionTables(store);
    store.customD.RemoveAll();
    const int s = AddSeries(store, ScaleType::Custom, 15, 0, {{640.0f}});
    float value = 1.0f;
    EXPECT_EQ(FormatMeasurementValue(store, s, 0, &value), "");
    EXPECT_EQ(value, 0.0f);
}

TEST(FormatMeasurementValue, IndicesAndUnbuiltTables)
{
    CMeasurementStore store;
    BuildConversionTables(store);
    const int s = AddSeries(store, ScaleType::RawLeeb, 0, 0, {{401.0f}, {402.0f}});
    EXPECT_EQ(FormatMeasurementValue(store, s, -1), "401 HLD"); // -1: the first measurement
    EXPECT_EQ(FormatMeasurementValue(store, s, 1), "402 HLD");
    EXPECT_THROW(FormatMeasurementValue(store, s, 2), std::invalid_argument);
    EXPECT_THROW(FormatMeasurementValue(store, s, -2), std::invalid_argument);
    EXPECT_THROW(FormatMeasurementValue(store, s + 1, 0), std::invalid_argument);
    const int empty = AddSeries(store, ScaleType::RawLeeb, 0, 0, {});
    EXPECT_THROW(FormatMeasurementValue(store, empty, -1), std::invalid_argument);

    CMeasurementStore unbuilt;
    const int u = AddSeries(unbuilt, ScaleType::RawLeeb, 0, 0, {{401.0f}});
    EXPECT_THROW(FormatMeasurementValue(unbuilt, u, 0), std::invalid_argument);
}

// One decimal below 100, none from 100 on; the decision is taken on the float, before rounding.
TEST(FormatMeasurementValue, ConvertedValueTextBoundary)
{
    struct {
        float value;
        const char* want;
    } cases[] = {
        {99.94f, "99.9 HV"}, {99.95f, "99.9 HV"}, {99.96f, "100.0 HV"}, {100.0f, "100 HV"},
        {100.4f, "100 HV"}, {12.25f, "12.3 HV"}, {254.5f, "255 HV"}, {0.04f, "0.0 HV"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConvertedValueText(c.value, "HV"), c.want) << c.value;
}

TEST(NumberText, FixedTextRoundsHalvesAwayFromZero)
{
    struct {
        double value;
        int decimals;
        const char* want;
    } cases[] = {
        {2.5, 0, "3"},          {-2.5, 0, "-3"},     {254.5, 0, "255"},        {0.125, 2, "0.13"},
        {0.25, 1, "0.3"},       {2.4999, 0, "2"},    {99.95f, 1, "99.9"},      {0.0, 2, "0.00"},
        {-0.04, 1, "-0.0"},     {7.0710678f, 2, "7.07"}, {1e10f, 0, "10000000000"}, {3.0, 0, "3"},
        {1234.5678f, 3, "1234.568"}, {5e-7, 1, "0.0"},
        {std::numeric_limits<double>::infinity(), 1, "inf"}, {std::nan(""), 1, "nan"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FixedText(c.value, c.decimals), c.want) << c.value << " at " << c.decimals;
}

// Patterns of the string table are filled safely, whatever a translation puts in them.
TEST(NumberText, FormatPatternFillsOnlyKnownConversions)
{
    struct {
        const char* pattern;
        double number;
        const char* want;
    } cases[] = {
        {"m: %0.1f %s", 12.34, "m: 12.3 HV"}, {"s: %0.2f %s", 7.0710678, "s: 7.07 HV"},
        {"N: %d", 12, "N: 12"},               {"%s = %0.0f", 254.5, "HV = 255"},
        {"%f", 1.5, "1.500000"},              {"100%% %s", 1, "100% HV"},
        {"%x %n %p %", 1, "%x %n %p %"},      {"%s%s", 1, "HVHV"},
        {"%.f|%5.1f", 2.25, "2|2.3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatPattern(c.pattern, c.number, "HV"), c.want) << c.pattern;
}

} // namespace
