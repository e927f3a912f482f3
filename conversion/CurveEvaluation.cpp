// Evaluation of a conversion curve on a direction-corrected Leeb value.
#include "conversion/ConversionEngine.h"

#include "conversion/ConversionTables.h"
#include "conversion/ConversionTypes.h"

#include <stdexcept>

namespace {

float Round8(float x)
{
    return RoundSignificant(x, 8);
}

// a0 + a1*L + a2*L^2 + a3*L^3 + a4*L^4: each term is rounded to 8 significant digits in single
// precision, the powers of L and the sum are kept in double, in this order.
float EvaluatePolynomial(const float coef[5], float l)
{
    double sum = Round8(l * coef[1]);
    sum = static_cast<double>(Round8(coef[0])) + sum;
    const double x2 = static_cast<double>(l) * l;
    sum += Round8(static_cast<float>(x2 * coef[2]));
    const double x3 = l * x2;
    sum += Round8(static_cast<float>(x3 * coef[3]));
    const double x4 = l * x3;
    sum += Round8(static_cast<float>(x4 * coef[4]));
    return static_cast<float>(sum);
}

} // namespace

float ConvertHardness(const CMeasurementStore& store, float corrected, int scale, int material, int probe)
{
    const CArray<PARA>* table = CurveTable(store, scale, probe);
    if (scale == ScaleType::RockwellA)
        return material < table->GetSize() ? 0.0f : -1.0f;
    if (!table)
        return 0.0f;
    if (material < 0)
        throw std::invalid_argument("ConvertHardness: negative material index");
    if (material >= table->GetSize())
        return -1.0f;

    const PARA& curve = (*table)[material];
    if (corrected < curve.low || corrected > curve.high)
        return 0.0f;
    return EvaluatePolynomial(curve.coef, corrected);
}
