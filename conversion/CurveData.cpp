#include "conversion/CurveData.h"

#include "conversion/ConversionTypes.h"

namespace CurveData {
namespace {

// Coefficients are written as float literals: each is the float nearest to the decimal shown.
// Columns: probe, scale, material, {defined, low, high, {a0, a1, a2, a3, a4}}.
const CurveRow kCurves[] = {
    {ProbeType::LeebD, ScaleType::Vickers, 1, {1, 300, 890, {290.852f, -2.41133f, 0.00823997f, -1.00563e-05f, 5.37546e-09f}}},
    {ProbeType::LeebD, ScaleType::Vickers, 2, {1, 300, 840, {700.92f, -6.3758f, 0.021921f, -2.9969e-05f, 1.5767e-08f}}},
    {ProbeType::LeebD, ScaleType::Vickers, 3, {1, 300, 800, {455.8419f, -4.197743f, 0.01521718f, -2.146243e-05f, 1.209494e-08f}}},
    {ProbeType::LeebD, ScaleType::Vickers, 4, {1, 350, 840, {978.02f, -7.6378f, 0.022506f, -2.7115e-05f, 1.2708e-08f}}},
    {ProbeType::LeebD, ScaleType::Vickers, 5, {1, 300, 840, {167.57f, -0.57489f, 0.00071071f, 1.5976e-06f, -8.2245e-10f}}},
    {ProbeType::LeebD, ScaleType::Vickers, 6, {1, 190, 600, {-30.78322f, 0.2485335f, 0.0002419916f, -7.390207e-07f, 1.131883e-09f}}},
    {ProbeType::LeebD, ScaleType::Brinell, 1, {1, 300, 800, {278.672f, -2.30143f, 0.00789787f, -9.59468e-06f, 5.06411e-09f}}},
    {ProbeType::LeebD, ScaleType::Brinell, 3, {1, 300, 770, {244.3592f, -2.174271f, 0.008320882f, -1.152877e-05f, 6.869504e-09f}}},
    {ProbeType::LeebD, ScaleType::Brinell, 4, {1, 350, 840, {921.0f, -7.182f, 0.021191f, -2.5463e-05f, 1.18815e-08f}}},
    {ProbeType::LeebD, ScaleType::Brinell, 5, {1, 300, 840, {182.3f, -0.7108f, 0.0011643f, 9.7464e-07f, -5.9844e-10f}}},
    {ProbeType::LeebD, ScaleType::Brinell, 6, {1, 170, 600, {-16.32313f, 0.1464444f, 0.0004349167f, -5.537771e-07f, 5.516013e-10f}}},
    {ProbeType::LeebD, ScaleType::Brinell, 7, {1, 200, 550, {-6.225f, 0.2079f, 2.7065e-05f, 4.3783e-07f, -1.75299e-10f}}},
    {ProbeType::LeebD, ScaleType::Brinell, 8, {1, 300, 700, {64.97f, -0.6509f, 0.0030043f, -3.46012e-06f, 1.64673e-09f}}},
    {ProbeType::LeebD, ScaleType::Brinell, 9, {1, 200, 690, {31.89f, -0.08932f, 0.00077696f, 1.38591e-08f, -1.31086e-10f}}},
    {ProbeType::LeebD, ScaleType::Brinell, 10, {0, 170, 570, {-4.323f, 0.14644f, 0.00043491f, -5.5377e-07f, 5.516e-10f}}},
    {ProbeType::LeebD, ScaleType::RockwellB, 1, {1, 300, 520, {-217.341f, 1.116583f, -0.0003282648f, -2.656746e-06f, 2.719083e-09f}}},
    {ProbeType::LeebD, ScaleType::RockwellB, 3, {1, 300, 520, {-503.5419f, 4.038067f, -0.01082032f, 1.346803e-05f, -6.324554e-09f}}},
    {ProbeType::LeebD, ScaleType::RockwellB, 6, {1, 330, 570, {-158.2896f, 0.6400196f, 7.581005e-05f, -1.38316e-06f, 1.038215e-09f}}},
    {ProbeType::LeebD, ScaleType::RockwellB, 7, {1, 260, 550, {-336.9437f, 2.458539f, -0.00574284f, 6.329196e-06f, -2.576873e-09f}}},
    {ProbeType::LeebD, ScaleType::RockwellC, 1, {1, 510, 890, {-228.721f, 1.01368f, -0.00155926f, 1.22498e-06f, -3.7227e-10f}}},
    {ProbeType::LeebD, ScaleType::RockwellC, 2, {1, 510, 840, {-230.65f, 1.1566f, -0.0021365f, 1.9931e-06f, -6.9809e-10f}}},
    {ProbeType::LeebD, ScaleType::RockwellC, 3, {1, 500, 800, {92.66272f, -0.7905359f, 0.002200154f, -2.237114e-06f, 8.286997e-10f}}},
    {ProbeType::LeebD, ScaleType::RockwellC, 4, {1, 550, 840, {-105.31f, 0.24552f, 0.00013882f, -4.4111e-07f, 2.4497e-10f}}},
    {ProbeType::LeebD, ScaleType::RockwellC, 5, {1, 530, 840, {157.89f, -1.3422f, 0.003665f, -3.8027e-06f, 1.4016e-09f}}},
    {ProbeType::LeebD, ScaleType::Shore, 1, {1, 480, 900, {-34.12f, 0.11389f, 9.734e-05f, -1.7601e-07f, 1.2269e-10f}}},
    {ProbeType::LeebD, ScaleType::TensileStrength, 11, {1, 300, 786, {1343.3713f, -11.418246f, 0.03894874f, -5.0692604e-05f, 2.7215355e-08f}}},
    {ProbeType::LeebD, ScaleType::TensileStrength, 12, {1, 480, 706, {-15667.92f, 103.128586f, -0.25053596f, 0.00027463707f, -1.103854e-07f}}},
    {ProbeType::LeebD, ScaleType::TensileStrength, 13, {0, 404, 532, {-12421.257f, 105.31965f, -0.33672038f, 0.0004922568f, -2.694053e-07f}}},
    {ProbeType::LeebDL, ScaleType::Vickers, 1, {2, 560, 950, {7733.11f, -47.3551f, 0.107927f, -0.000108632f, 4.1667e-08f}}},
    {ProbeType::LeebDL, ScaleType::Vickers, 2, {2, 560, 924, {11676.17f, -72.65185f, 0.1681417f, -0.0001716684f, 6.616664e-08f}}},
    {ProbeType::LeebDL, ScaleType::Vickers, 6, {2, 280, 740, {-94.10716f, 1.083985f, -0.003876347f, 6.055054e-06f, -2.828949e-09f}}},
    {ProbeType::LeebDL, ScaleType::Brinell, 1, {2, 560, 900, {7516.811f, -45.80665f, 0.1038673f, -0.000103941f, 3.962113e-08f}}},
    {ProbeType::LeebDL, ScaleType::Brinell, 6, {2, 280, 740, {115.7013f, -0.9183278f, 0.00293157f, -3.741632e-06f, 2.207018e-09f}}},
    {ProbeType::LeebDL, ScaleType::RockwellB, 1, {2, 560, 726, {-7478.986f, 40.80175f, -0.08366264f, 7.711833e-05f, -2.68404e-08f}}},
    {ProbeType::LeebDL, ScaleType::RockwellC, 1, {2, 720, 950, {-2475.823f, 11.34623f, -0.01982122f, 1.568451e-05f, -4.657791e-09f}}},
    {ProbeType::LeebDL, ScaleType::RockwellC, 2, {2, 720, 924, {-4432.321f, 21.1639f, -0.03817117f, 3.080939e-05f, -9.290264e-09f}}},
    {ProbeType::LeebDL, ScaleType::Shore, 1, {2, 700, 950, {-1141.982f, 5.306989f, -0.009194583f, 7.06743e-06f, -1.920396e-09f}}},
    {ProbeType::LeebDL, ScaleType::TensileStrength, 11, {2, 560, 900, {40867.395f, -246.82047f, 0.5554566f, -0.00055227126f, 2.0767193e-07f}}},
    {ProbeType::LeebDL, ScaleType::TensileStrength, 12, {2, 692, 849, {-149789.92f, 747.8742f, -1.3929954f, 0.0011463311f, -3.485814e-07f}}},
    {ProbeType::LeebDL, ScaleType::TensileStrength, 13, {2, 635, 734, {-160640.94f, 936.01514f, -2.0539944f, 0.0020112689f, -7.3828716e-07f}}},
};

const PARA kShoreSteelCustomJ = {1, 390, 910, {-21.36355f, 0.05939577f, 0.0001405883f, -1.183593e-07f, 6.268252e-11f}};

} // namespace

std::span<const CurveRow> Curves()
{
    return kCurves;
}

const PARA& ShoreSteelCustomJ()
{
    return kShoreSteelCustomJ;
}

int CurveTableLength(int scale)
{
    switch (scale) {
    case ScaleType::RockwellA:
        return 0;
    case ScaleType::TensileStrength:
        return 14; // materials 0..13
    default:
        return 11; // materials 0..10
    }
}

const AnglePoints kAnglesD1 = {-16.847094f, 0.0135604f, -38.36343f, 0.029247f};
const AnglePoints kAnglesD2 = {-11.1f, 0.00605f, -19.1f, 0.00378f};
const AnglePoints kAnglesDL = {-6.8f, 0.00366f, -13.9f, 0.00432f};

} // namespace CurveData
