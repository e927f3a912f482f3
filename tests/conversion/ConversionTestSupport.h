#pragma once
// Helpers of the conversion tests: stores with built tables, series made of a few samples, and a
// second, independent computation of the conversion steps written out plainly, so the library's
// results can be checked bit for bit.

#include "conversion/Conversion.h"

#include <QString>

#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

namespace ConversionTest {

struct Sample {
    float value;
    int angle = 0;
    int hidden = 0;
};

// Appends a series with these samples and returns its index.
inline int AddSeries(CMeasurementStore& store, int scale, int material, int probe,
                     std::initializer_list<Sample> samples)
{
    auto* serie = new MSERIE;
    serie->SetScale(scale);
    serie->SetMaterial(material);
    serie->SetProbe(probe);
    for (const Sample& s : samples) {
        auto* meas = new MEAS;
        meas->SetValue(s.value);
        meas->SetAngle(s.angle);
        meas->SetHidden(s.hidden);
        meas->SetProbe(probe);
        serie->AddMeasurement(meas);
    }
    store.AddSeries(serie);
    return store.series.GetSize() - 1;
}

// The listed curves as written in the conversion tables, column by column:
// probe, scale, material, defined, low, high, a0, a1, a2, a3, a4.
struct CurveText {
    const char* field[11];
};
extern const std::vector<CurveText> kCurveTexts;

inline int ScaleOfName(const std::string& name)
{
    if (name == "HV") return ScaleType::Vickers;
    if (name == "HB") return ScaleType::Brinell;
    if (name == "HRC") return ScaleType::RockwellC;
    if (name == "HRB") return ScaleType::RockwellB;
    if (name == "HS") return ScaleType::Shore;
    if (name == "Rm") return ScaleType::TensileStrength;
    return -1;
}

// One listed curve, numbers read from its text with strtof.
struct Curve {
    int probe, scale, material, defined, low, high;
    float coef[5];
};
inline Curve ParseCurve(const CurveText& t)
{
    Curve c{};
    c.probe = std::string(t.field[0]) == "DL" ? ProbeType::LeebDL : ProbeType::LeebD;
    c.scale = ScaleOfName(t.field[1]);
    c.material = std::atoi(t.field[2]);
    c.defined = std::atoi(t.field[3]);
    c.low = std::atoi(t.field[4]);
    c.high = std::atoi(t.field[5]);
    for (int i = 0; i < 5; ++i)
        c.coef[i] = std::strtof(t.field[6 + i], nullptr);
    return c;
}

// ---- the conversion steps, written out plainly ----------------------------------------------
namespace Reference {

inline float RoundDecimals(float x, int n)
{
    float y = (float)(x * std::pow(10.0, n + 1));
    if (x >= 0)
        y = y + 5;
    else
        y = y - 5;
    y = y / 10;
    float integer = y < 0 ? std::ceil(y) : std::floor(y);
    return (float)(integer / std::pow(10.0, n));
}

inline float RoundSignificant(float x, int n)
{
    if (n < 1 || x == 0)
        return x;
    float s = x > 0 ? 1.0f : -1.0f;
    float m = x * s;
    float e = std::floor(std::log10(m)) + 1;
    float p = (float)std::pow(10.0, (double)e);
    return RoundDecimals(m / p, n) * s * p;
}

inline float Curve(float l, const float a[5])
{
    float t1 = RoundSignificant(l * a[1], 8);
    double sum = t1;
    float t0 = RoundSignificant(a[0], 8);
    sum = t0 + sum;
    double x2 = (double)l * (double)l;
    sum += RoundSignificant((float)(x2 * a[2]), 8);
    double x3 = l * x2;
    sum += RoundSignificant((float)(x3 * a[3]), 8);
    double x4 = l * x3;
    sum += RoundSignificant((float)(x4 * a[4]), 8);
    return (float)sum;
}

// Impact-direction points at 90 and 180 degrees.
struct Points {
    float a90, b90, a180, b180;
};
constexpr Points kD1{-16.847094f, 0.0135604f, -38.36343f, 0.029247f};
constexpr Points kD2{-11.1f, 0.00605f, -19.1f, 0.00378f};
constexpr Points kDL{-6.8f, 0.00366f, -13.9f, 0.00432f};

inline float Correction(float l, int alpha, const Points& t)
{
    if (alpha <= 0)
        return 0;
    if (alpha > 180)
        alpha = 180;
    float r180 = l * t.b180 + t.a180;
    if (alpha >= 180)
        return r180;
    float r90 = l * t.b90 + t.a90;
    if (alpha == 90)
        return r90;
    float c = (float)((r180 - r90) * 0.01745329238474369);
    if (alpha > 90) {
        float b = (float)(alpha - 90);
        float p = (float)(c * -0.0010015631560236216);
        float q = (float)(c * -3.373327854205854e-05);
        return r90 + b * (c + b * (p + b * q));
    }
    float s1 = (float)(r90 * 0.0027777778450399637);
    float s2 = (float)((r90 * 0.02777777798473835 - c) * 0.011111111380159855);
    float s3 = (float)((c - r90 * 0.01944444514811039) * 0.00012345678987912834);
    return alpha * (s1 + alpha * (s2 + alpha * s3));
}

} // namespace Reference
} // namespace ConversionTest
