#include "conversion/MeasurementValue.h"

#include "conversion/ConversionEngine.h"
#include "conversion/ConversionTables.h"
#include "conversion/ConversionTypes.h"
#include "conversion/NumberText.h"
#include "resources/StringTable.h"

#include <stdexcept>

namespace {

// The scale a series is evaluated in, after a custom curve HC1..HC3 has been mapped to its base.
struct EffectiveScale {
    int scale;
    int material;
    float offset = 0.0f;
};

EffectiveScale MapCustomCurve(const CMeasurementStore& store, int scale, int material, int probe)
{
    EffectiveScale effective{scale, material};
    if (scale != ScaleType::Custom || material < MaterialIndex::FirstCustom || material > MaterialIndex::LastCustom)
        return effective;
    const CArray<CPARA>* custom = CustomCurveTable(store, probe);
    if (!custom || custom->IsEmpty())
        return effective;
    const CPARA& entry = (*custom)[material];
    return {entry.scale, entry.material, entry.offset};
}

bool IsConvertedScale(int scale)
{
    return scale >= ScaleType::FirstCurve && scale <= ScaleType::LastCurve && scale != ScaleType::RockwellA;
}

} // namespace

QString ConvertedValueText(float value, const QString& unit)
{
    return FixedText(value, value < 100 ? 1 : 0) + QLatin1Char(' ') + unit;
}

QString FormatMeasurementValue(const CMeasurementStore& store, int series, int measurement,
                               float* valueOut, QString* unitOut)
{
    const MSERIE& serie = *store.series[series];
    const MEAS& meas = *serie.measurements[measurement == -1 ? 0 : measurement];
    const int probe = serie.probe;
    const EffectiveScale effective = MapCustomCurve(store, serie.scale, serie.material, probe);
    const int scale = effective.scale;

    QString text;
    QString unit;
    float value = 0.0f;
    // A scale outside the catalogue (a damaged file, a foreign custom curve) shows nothing.
    const CArray<CONVERSION*>& catalogue = ScaleCatalogue(store, probe);
    if (catalogue.IsEmpty())
        throw std::invalid_argument("FormatMeasurementValue: scale catalogues not built");
    if (scale >= 0 && scale < catalogue.GetSize()) {
        unit = catalogue[scale]->unit;
        if (scale == ScaleType::RawLeeb) {
            value = meas.value + effective.offset;
            text = FixedText(value, 0) + QLatin1Char(' ') + unit;
        } else if (scale == ScaleType::CorrectedLeeb) {
            value = meas.value + GetDirectionCorrection(store, meas.value, meas.angle, probe) + effective.offset;
            text = FixedText(value, 0) + QLatin1Char(' ') + unit;
        } else if (IsConvertedScale(scale) && effective.material >= 1) {
            const float corrected = meas.value + GetDirectionCorrection(store, meas.value, meas.angle, probe);
            const float converted = ConvertHardness(store, corrected, scale, effective.material, probe);
            if (converted > 0) {
                value = converted + effective.offset;
                text = ConvertedValueText(value, unit);
            } else if (converted == -1.0f) {
                value = -1.0f;
                text = ResString(ConversionIds::NoCurve);
            } else {
                // 0, and a curve that gives a negative or undefined value at this point.
                text = ResString(ConversionIds::OutOfRange);
            }
        }
    }
    if (valueOut)
        *valueOut = value;
    if (unitOut)
        *unitOut = unit;
    return text;
}
