#include "devicelink/ModeWord.h"

#include "data/MeasurementStore.h"

namespace {

constexpr int kScaleTensile = 8;
constexpr int kScaleCustom = 9;

// Material codes 0..10 on the wire; codes 7..10 are not in material order.
constexpr int kMaterialOfCode[11] = {0, 1, 2, 3, 4, 5, 6, 10, 7, 8, 9};

int MaterialCode(int material)
{
    for (int code = 0; code < 11; ++code)
        if (kMaterialOfCode[code] == material)
            return code;
    return 0;
}

// Material at a position of a scale's material list in the catalogue of the word's probe.
int CatalogueMaterial(CMeasurementStore& store, bool leebDL, int scale, int position)
{
    CArray<CONVERSION*>& catalogue = leebDL ? store.scalesDL : store.scalesD;
    return catalogue[scale]->materials[position];
}

} // namespace

SModeFields DecodeModeWord(CMeasurementStore& store, std::uint16_t word)
{
    SModeFields f;
    const int probeBits = (word >> 10) & 0xF;
    f.probe = probeBits;
    f.hidden = (word >> 14) & 1;
    f.seriesMark = (word >> 15) & 1;

    const int materialCode = word & 0x1F;
    if (materialCode <= 10) {
        f.material = kMaterialOfCode[materialCode];
    } else {
        f.material = 0;
        f.probe = 0;
    }

    const int scaleCode = (word >> 5) & 0x1F;
    const bool leebDL = probeBits == 1;
    if (scaleCode <= 7) {
        f.scale = scaleCode;
    } else if (scaleCode <= 10) {
        f.scale = kScaleTensile;
        f.material = CatalogueMaterial(store, leebDL, kScaleTensile, scaleCode - 8);
    } else if (scaleCode <= 13) {
        f.scale = kScaleCustom;
        f.material = CatalogueMaterial(store, leebDL, kScaleCustom, scaleCode - 11);
    } else {
        f.scale = 0;
        f.material = 0;
        f.probe = 0;
    }
    return f;
}

std::uint16_t EncodeModeWord(CMeasurementStore&, int scale, int material, int probe)
{
    int word = (probe & 0xF) << 10;
    int scaleCode = 1;
    int materialCode = 0;
    switch (scale) {
    case 0:
        scaleCode = 0;
        break;
    case 2: case 3: case 4: case 5: case 7:
        scaleCode = scale;
        materialCode = MaterialCode(material);
        break;
    case kScaleTensile:
        scaleCode = material >= 11 && material <= 13 ? 8 + (material - 11) : 1;
        break;
    case kScaleCustom:
        scaleCode = material >= 14 && material <= 16 ? 11 + (material - 14) : 1;
        break;
    default: // 1 (corrected Leeb), 6 (Rockwell A) and anything unknown
        scaleCode = 1;
        break;
    }
    word |= scaleCode << 5;
    word |= materialCode;
    return static_cast<std::uint16_t>(word);
}
