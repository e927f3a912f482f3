// The tester's settings: measuring mode, conversion standard, fixed number of impacts,
// measurement counter and impact counter.
#include "devicelink/DeviceLink.h"

#include "data/MeasurementStore.h"
#include "devicelink/ModeWord.h"

namespace {
std::uint8_t Lo(std::uint32_t value) { return static_cast<std::uint8_t>(value & 0xFF); }
std::uint8_t Hi(std::uint32_t value) { return static_cast<std::uint8_t>((value >> 8) & 0xFF); }
} // namespace

LinkResult CDeviceLink::ReadSettings()
{
    const std::uint8_t request[] = {0xC1, 0xD0, 0x00};
    Reply reply;
    const LinkResult result = Exchange(request, sizeof request, 7, 10, reply);
    if (result != LinkResult::Ok)
        return result;
    const std::uint8_t* b = reply.bytes;
    const bool accepted = (reply.count == 3 && b[0] == 2) || (reply.count == 4 && b[0] == 3)
        || (reply.count == 7 && b[0] == 6);
    if (!accepted)
        return LinkResult::BadReply;

    EnsureConversionTables();
    const SModeFields mode = DecodeModeWord(store, static_cast<std::uint16_t>(b[1] | (b[2] << 8)));
    store.deviceScale = mode.scale;
    store.deviceMaterial = mode.material;
    store.deviceProbe = mode.probe;
    store.conversionStandard = reply.count == 3 ? 0 : b[3];
    if (reply.count == 7) {
        store.fixedImpacts = b[4];
        store.measurementCounter = static_cast<std::uint32_t>(b[5] | (b[6] << 8));
    }
    return LinkResult::Ok;
}

LinkResult CDeviceLink::ReadImpactCounter()
{
    const std::uint8_t request[] = {0xC1, 0xD0, 0x36};
    Reply reply;
    // A reply cut short would store a counter with zero bytes in it.
    const LinkResult result =
        ExchangeChecked(request, sizeof request, 5, 8, reply, [](const Reply& r) { return r.bytes[0] == 4; });
    if (result != LinkResult::Ok)
        return result;
    const std::uint8_t* b = reply.bytes;
    store.impactCounter = static_cast<std::uint32_t>(b[1]) | (static_cast<std::uint32_t>(b[2]) << 8)
        | (static_cast<std::uint32_t>(b[3]) << 16) | (static_cast<std::uint32_t>(b[4]) << 24);
    return LinkResult::Ok;
}

LinkResult CDeviceLink::WriteSettings()
{
    store.reservedSetting = 0;
    const std::uint16_t word = EncodeModeWord(store, store.deviceScale, store.deviceMaterial, store.deviceProbe);
    const int major = store.device.firmwareNumbers[0];
    const int minor = store.device.firmwareNumbers[1];
    const std::uint8_t standard = Lo(static_cast<std::uint32_t>(store.conversionStandard));

    // Older firmware knows fewer settings: major 1 only the mode, 2.0 adds the conversion
    // standard, 2.1 and later the fixed number of impacts and the measurement counter.
    if (major < 2) {
        const std::uint8_t frame[] = {0xC3, 0xD0, 0x01, Lo(word), Hi(word)};
        return SimpleAcknowledged(frame, sizeof frame);
    }
    if (major == 2 && minor == 0) {
        const std::uint8_t frame[] = {0xC4, 0xD0, 0x01, Lo(word), Hi(word), standard};
        return SimpleAcknowledged(frame, sizeof frame);
    }
    const std::uint8_t frame[] = {0xC7, 0xD0, 0x01, Lo(word), Hi(word), standard, store.fixedImpacts,
                                  Lo(store.measurementCounter), Hi(store.measurementCounter)};
    return SimpleAcknowledged(frame, sizeof frame);
}
