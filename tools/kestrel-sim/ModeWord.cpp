#include "tools/kestrel-sim/ModeWord.h"

namespace Sim {
namespace {

// Material index -> material code: indices 0..6 keep their number, 7 -> 8, 8 -> 9, 9 -> 10,
// 10 -> 7; any other index has no code of its own and becomes 0.
int MaterialCode(int material)
{
    if (material >= 0 && material <= 6)
        return material;
    switch (material) {
    case 7: return 8;
    case 8: return 9;
    case 9: return 10;
    case 10: return 7;
    default: return 0;
    }
}

} // namespace

std::uint16_t EncodeMode(int scale, int material, int probe)
{
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
    case 8:
        scaleCode = (material >= 11 && material <= 13) ? 8 + (material - 11) : 1;
        break;
    case 9:
        scaleCode = (material >= 14 && material <= 16) ? 11 + (material - 14) : 1;
        break;
    default: // 1 (direction-corrected Leeb), 6 (Rockwell A) and anything unknown
        scaleCode = 1;
        break;
    }
    return static_cast<std::uint16_t>(((probe & 0xF) << 10) | (scaleCode << 5) | materialCode);
}

ModeFields SplitMode(std::uint16_t word)
{
    ModeFields fields;
    fields.materialCode = word & 0x1F;
    fields.scaleCode = (word >> 5) & 0x1F;
    fields.probe = (word >> 10) & 0xF;
    fields.hidden = (word & kHiddenBit) != 0;
    fields.marker = (word & kSeriesMarkerBit) != 0;
    return fields;
}

bool IsSettableMode(std::uint16_t word)
{
    const ModeFields f = SplitMode(word);
    return f.materialCode <= 10 && f.scaleCode <= 13 && f.probe <= 1;
}

} // namespace Sim
