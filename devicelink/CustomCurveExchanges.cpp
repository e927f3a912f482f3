// Reading and writing the custom curves HC1..HC3 on the tester. The tester holds each curve as
// its base curve shifted by the custom offset in a0, so reading takes the base curve's a0 back off.
#include "devicelink/CustomCurves.h"
#include "devicelink/DeviceLink.h"
#include "devicelink/ModeWord.h"
#include "devicelink/TesterModels.h"

#include "data/MeasurementStore.h"

#include <cmath>
#include <cstring>

namespace {
const CPARA kUntouchedCurve{1, 1, 0, 0.0f};
} // namespace

LinkResult CDeviceLink::ReadCustomCurveSlot(int slot)
{
    const std::uint8_t valueRequest[] = {0xC2, 0xD0, 0x02, CustomCurves::RegisterAddress(slot, 1)};
    const std::uint8_t modeRequest[] = {0xC2, 0xD0, 0x02,
                                        CustomCurves::RegisterAddress(slot, CustomCurves::kModeRegister)};
    Reply value;
    Reply mode;
    LinkResult result =
        ExchangeChecked(valueRequest, sizeof valueRequest, 6, 9, value, [](const Reply& r) { return r.bytes[0] == 5; });
    if (result != LinkResult::Ok)
        return result;
    result = ExchangeChecked(modeRequest, sizeof modeRequest, 4, 7, mode, [](const Reply& r) { return r.bytes[0] == 3; });
    if (result != LinkResult::Ok)
        return result;

    const std::uint32_t bits = static_cast<std::uint32_t>(value.bytes[2]) | (static_cast<std::uint32_t>(value.bytes[3]) << 8)
        | (static_cast<std::uint32_t>(value.bytes[4]) << 16) | (static_cast<std::uint32_t>(value.bytes[5]) << 24);
    float a0 = 0.0f;
    std::memcpy(&a0, &bits, sizeof a0);
    const SModeFields fields = DecodeModeWord(store, static_cast<std::uint16_t>(mode.bytes[2] | (mode.bytes[3] << 8)));
    const PARA base = CustomCurves::BaseCurve(store, slot, fields.scale, fields.material);
    // A register that was never written (erased memory reads FF FF FF FF) holds no number; the
    // curve is then taken unshifted instead of turning every value of the curve into NaN.
    float offset = a0 - base.coef[0];
    if (!std::isfinite(offset))
        offset = 0.0f;
    CustomCurves::SlotEntry(store, slot) = CPARA{fields.probe, fields.scale, fields.material, offset};
    return LinkResult::Ok;
}

LinkResult CDeviceLink::ReadCustomCurves()
{
    // Nothing can be read from a closed port, and nothing the store holds is given up for it.
    if (!stream.IsOpen())
        return LinkResult::NotOpen;
    EnsureConversionTables();
    const int slotCount = TesterModels::CustomCurveSlots(store.device.name);
    for (int slot = 0; slot < slotCount; ++slot) {
        const LinkResult result = ReadCustomCurveSlot(slot);
        if (result == LinkResult::Ok)
            continue;
        // The slot that failed falls back to the untouched curve; later slots keep their values.
        CustomCurves::SlotEntry(store, slot) = kUntouchedCurve;
        return result;
    }
    return LinkResult::Ok;
}

LinkResult CDeviceLink::WriteCustomCurves()
{
    unacknowledgedSlot = -1;
    unacknowledgedRegister = -1;
    // Curves that were never sent are not reported as sent.
    if (!stream.IsOpen())
        return LinkResult::NotOpen;
    EnsureConversionTables();
    const int slotCount = TesterModels::CustomCurveSlots(store.device.name);
    for (int slot = 0; slot < slotCount; ++slot) {
        const CPARA curve = CustomCurves::SlotEntry(store, slot);
        for (int r = 0; r < CustomCurves::kRegisters; ++r) {
            std::uint8_t payload[4] = {};
            const int size = CustomCurves::RegisterPayload(store, slot, curve, r, payload);
            std::uint8_t frame[8] = {static_cast<std::uint8_t>(0xC0 + 2 + size), 0xD0, 0x03,
                                     CustomCurves::RegisterAddress(slot, r)};
            std::memcpy(frame + 4, payload, static_cast<std::size_t>(size));
            // A register the tester did not take ends the send: what follows it would only be
            // half a curve on the tester, and the caller tells which register failed.
            const LinkResult result = SimpleAcknowledged(frame, 4 + size);
            if (result != LinkResult::Ok) {
                unacknowledgedSlot = slot;
                unacknowledgedRegister = r;
                return result;
            }
        }
    }
    return LinkResult::Ok;
}
