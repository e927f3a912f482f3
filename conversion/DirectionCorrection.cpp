// Correction of a raw Leeb value for the impact direction.
//
// The correction runs through a cubic that is 0 at 0 degrees, passes R90 at 90 degrees with slope
// c per degree and reaches R180 at 180 degrees with zero slope, where R90 and R180 are the
// corrections the direction table gives at 90 and 180 degrees.
#include "conversion/ConversionEngine.h"

#include "conversion/ConversionTypes.h"

#include <stdexcept>

namespace {

// The single-precision values of pi/180, 1/360, 1/36, 1/90, 7/360 and 1/8100 and the two cubic
// factors of the upper branch, kept as doubles with exactly these values.
constexpr double kDegree = 0.01745329238474369;
constexpr double kUpperSquare = -0.0010015631560236216;
constexpr double kUpperCube = -3.373327854205854e-05;
constexpr double kOver360 = 0.0027777778450399637;
constexpr double kOver36 = 0.02777777798473835;
constexpr double kOver90 = 0.011111111380159855;
constexpr double kSevenOver360 = 0.01944444514811039;
constexpr double kOver8100 = 0.00012345678987912834;

bool IsSecondGeneration(const QString& deviceName)
{
    return deviceName == QLatin1String("Kestrel 2") || deviceName == QLatin1String("Tamarin 2");
}

const CArray<ANGLE>& AngleTable(const CMeasurementStore& store, int probe)
{
    if (probe == ProbeType::LeebDL)
        return store.anglesDL;
    return IsSecondGeneration(store.device.name) ? store.anglesD2 : store.anglesD1;
}

} // namespace

float GetDirectionCorrection(const CMeasurementStore& store, float value, int angle, int probe)
{
    if (angle <= 0)
        return 0.0f;
    if (angle > 180)
        angle = 180;

    const CArray<ANGLE>& table = AngleTable(store, probe);
    if (table.GetSize() < 3)
        throw std::invalid_argument("GetDirectionCorrection: impact-direction table not built");
    // Entries by position: 1 is 90 degrees, 2 is 180 degrees.
    const ANGLE& at90 = table[1];
    const ANGLE& at180 = table[2];

    const float r180 = value * at180.b + at180.a;
    if (angle >= 180)
        return r180;
    const float r90 = value * at90.b + at90.a;
    if (angle == 90)
        return r90;
    const float c = static_cast<float>((r180 - r90) * kDegree);

    if (angle > 90) {
        const float b = static_cast<float>(angle - 90);
        const float p = static_cast<float>(c * kUpperSquare);
        const float q = static_cast<float>(c * kUpperCube);
        return r90 + b * (c + b * (p + b * q));
    }
    const float s1 = static_cast<float>(r90 * kOver360);
    const float s2 = static_cast<float>((r90 * kOver36 - c) * kOver90);
    const float s3 = static_cast<float>((c - r90 * kSevenOver360) * kOver8100);
    const float a = static_cast<float>(angle);
    return a * (s1 + a * (s2 + a * s3));
}
