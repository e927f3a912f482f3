#include "conversion/MeasurementValue.h"

#include "conversion/ConversionEngine.h"
#include "conversion/ConversionTables.h"
#include "conversion/ConversionTypes.h"
#include "conversion/MeasurementEvaluation.h"
#include "conversion/NumberText.h"
#include "resources/StringTable.h"

#include <stdexcept>
#include <utility>

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

MeasurementResult EvaluateMeasurement(const CMeasurementStore& store, int series, int measurement)
{
    const MSERIE& serie = *store.series[series];
    const MEAS& meas = *serie.measurements[measurement == -1 ? 0 : measurement];
    const int probe = serie.probe;
    const EffectiveScale effective = MapCustomCurve(store, serie.scale, serie.material, probe);
    const int scale = effective.scale;

    const CArray<CONVERSION*>& catalogue = ScaleCatalogue(store, probe);
    if (catalogue.IsEmpty())
        throw std::invalid_argument("EvaluateMeasurement: scale catalogues not built");
    MeasurementResult result;
    // A scale outside the catalogue (from a damaged file, or a custom curve based on an unknown
    // scale) shows nothing rather than stopping the table.
    if (scale < 0 || scale >= catalogue.GetSize())
        return result;
    result.unit = catalogue[scale]->unit;

    if (scale == ScaleType::RawLeeb) {
        result.kind = MeasurementResult::LeebValue;
        result.value = meas.value + effective.offset;
    } else if (scale == ScaleType::CorrectedLeeb) {
        result.kind = MeasurementResult::LeebValue;
        result.value = meas.value + GetDirectionCorrection(store, meas.value, meas.angle, probe) + effective.offset;
    } else if (IsConvertedScale(scale) && effective.material >= 1) {
        const float corrected = meas.value + GetDirectionCorrection(store, meas.value, meas.angle, probe);
        const float converted = ConvertHardness(store, corrected, scale, effective.material, probe);
        if (converted > 0) {
            result.kind = MeasurementResult::Converted;
            result.value = converted + effective.offset;
        } else if (converted == -1.0f) {
            result.kind = MeasurementResult::NoCurve;
            result.value = -1.0f;
        } else {
            // 0, and a curve that gives a negative or undefined value at this point.
            result.kind = MeasurementResult::OutOfRange;
        }
    }
    return result;
}

namespace {
// The number of a shown value: Leeb values without decimals, converted values with one decimal
// below 100 and none from 100 on.
QString ShownNumber(const MeasurementResult& result)
{
    if (result.kind == MeasurementResult::LeebValue)
        return FixedText(result.value, 0);
    return FixedText(result.value, result.value < 100 ? 1 : 0);
}
} // namespace

QString ConvertedValueText(float value, const QString& unit)
{
    MeasurementResult result;
    result.kind = MeasurementResult::Converted;
    result.value = value;
    return ShownNumber(result) + QLatin1Char(' ') + unit;
}

MeasurementNumber MeasurementValueNumber(const CMeasurementStore& store, int series, int measurement)
{
    MeasurementResult result = EvaluateMeasurement(store, series, measurement);
    MeasurementNumber number;
    number.value = result.value;
    switch (result.kind) {
    case MeasurementResult::LeebValue:
    case MeasurementResult::Converted:
        number.status = MeasurementNumber::Shown;
        number.number = ShownNumber(result);
        break;
    case MeasurementResult::OutOfRange:
        number.status = MeasurementNumber::OutOfRange;
        break;
    case MeasurementResult::NoCurve:
        number.status = MeasurementNumber::NoCurve;
        break;
    case MeasurementResult::Nothing:
        number.status = MeasurementNumber::Nothing;
        break;
    }
    number.unit = std::move(result.unit);
    return number;
}

QString SeriesUnit(const CMeasurementStore& store, int series)
{
    const MSERIE& serie = *store.series[series];
    const EffectiveScale effective = MapCustomCurve(store, serie.scale, serie.material, serie.probe);
    const CArray<CONVERSION*>& catalogue = ScaleCatalogue(store, serie.probe);
    if (catalogue.IsEmpty())
        throw std::invalid_argument("SeriesUnit: scale catalogues not built");
    if (effective.scale < 0 || effective.scale >= catalogue.GetSize())
        return QString();
    return catalogue[effective.scale]->unit;
}

QString FormatMeasurementValue(const CMeasurementStore& store, int series, int measurement,
                               float* value, QString* unit)
{
    const MeasurementResult result = EvaluateMeasurement(store, series, measurement);
    if (value)
        *value = result.value;
    if (unit)
        *unit = result.unit;
    switch (result.kind) {
    case MeasurementResult::LeebValue:
    case MeasurementResult::Converted:
        return ShownNumber(result) + QLatin1Char(' ') + result.unit;
    case MeasurementResult::OutOfRange:
        return ResString(ConversionIds::OutOfRange);
    case MeasurementResult::NoCurve:
        return ResString(ConversionIds::NoCurve);
    case MeasurementResult::Nothing:
        break;
    }
    return QString();
}
