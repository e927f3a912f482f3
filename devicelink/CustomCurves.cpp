#include "devicelink/CustomCurves.h"

#include "data/MeasurementStore.h"
#include "devicelink/ModeWord.h"

#include <cstring>

namespace CustomCurves {

namespace {

// Index of a scale's table among the seven curve tables of one probe; -1 when it has none.
// Rockwell A has a table, but it is always empty.
int CurveTableOfScale(int scale)
{
    switch (scale) {
    case 2: return 0; // Vickers
    case 3: return 1; // Brinell
    case 4: return 2; // Rockwell C
    case 5: return 3; // Rockwell B
    case 7: return 5; // Shore
    case 8: return 6; // tensile strength
    default: return -1;
    }
}

void PutFloat(float value, std::uint8_t out[4])
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

void PutWord(int value, std::uint8_t* out)
{
    out[0] = static_cast<std::uint8_t>(value & 0xFF);
    out[1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

} // namespace

PARA BaseCurve(const CMeasurementStore& store, int slot, int scale, int material)
{
    const int table = CurveTableOfScale(scale);
    if (table < 0)
        return PARA{0, 0, 1000, {0.0f, 1.0f, 0.0f, 0.0f, 0.0f}};
    const CArray<PARA>& curves = store.curves[table + (slot >= 3 ? 7 : 0)];
    if (material < 0 || material >= curves.GetSize())
        return PARA{};
    return curves[material];
}

CPARA& SlotEntry(CMeasurementStore& store, int slot)
{
    if (slot < 3)
        return store.customD[CMeasurementStore::kCustomCurveFirst + slot];
    return store.customDL[CMeasurementStore::kCustomCurveFirst + slot - 3];
}

int RegisterPayload(CMeasurementStore& store, int slot, const CPARA& curve, int r, std::uint8_t out[4])
{
    const PARA base = BaseCurve(store, slot, curve.scale, curve.material);
    switch (r) {
    case 0:
        PutWord(base.low, out);
        PutWord(base.high, out + 2);
        return 4;
    case 1:
        PutFloat(base.coef[0] + curve.offset, out);
        return 4;
    case kModeRegister:
        PutWord(EncodeModeWord(store, curve.scale, curve.material, curve.probe), out);
        return 2;
    default:
        PutFloat(base.coef[r - 1], out);
        return 4;
    }
}

} // namespace CustomCurves
