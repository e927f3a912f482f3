#include "tools/kestrel-sim/Device.h"

#include "tools/kestrel-sim/ModeWord.h"

#include <cstdlib>
#include <cstring>

namespace Sim {
namespace {

int LeadingNumber(const std::string& text, int position)
{
    const char* p = text.c_str();
    for (int i = 0; i < position; ++i) {
        p = std::strchr(p, '.');
        if (!p)
            return 0;
        ++p;
    }
    return std::atoi(p);
}

void PutFloat(std::array<std::uint8_t, 4>& bytes, float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

} // namespace

int Identity::FirmwareMajor() const { return LeadingNumber(firmware, 0); }
int Identity::FirmwareMinor() const { return LeadingNumber(firmware, 1); }

Device::Device(Identity identity, Settings settings, Memory memory)
    : identity_(std::move(identity)), settings_(settings), memory_(std::move(memory))
{
    // Until the PC writes its own curves, every slot holds the identity curve over 0..1000 on the
    // direction-corrected Leeb scale for the slot's probe.
    for (int slot = 0; slot < 6; ++slot) {
        auto& regs = registers_[slot];
        regs[0] = {0x00, 0x00, 0xE8, 0x03}; // 0 .. 1000
        PutFloat(regs[1], 0.0f);
        PutFloat(regs[2], 1.0f);
        PutFloat(regs[3], 0.0f);
        PutFloat(regs[4], 0.0f);
        PutFloat(regs[5], 0.0f);
        const std::uint16_t word = EncodeMode(1, 0, slot >= 3 ? 1 : 0);
        regs[6] = {static_cast<std::uint8_t>(word & 0xFF), static_cast<std::uint8_t>(word >> 8), 0, 0};
    }
    // Whatever was stored before power-on counts as downloaded; new impacts start a new series.
    memory_.MarkDownloaded(memory_.Count(), memory_.Generation());
    if (memory_.Count() > 0) {
        const Record& last = memory_.At(memory_.Count() - 1);
        haveSeries_ = true;
        seriesNo_ = last.seriesNo;
        seriesMarker_ = (last.modeWord & kSeriesMarkerBit) != 0;
    }
    ShowPage();
}

std::optional<Reply> Device::Handle(const Request& request)
{
    switch (request.kind) {
    case RequestKind::Noise:
        return std::nullopt;
    case RequestKind::Prompt:
        return Reply{{'>'}, kTargetPrompt, {}};
    case RequestKind::Text:
        return HandleText(request);
    case RequestKind::Binary:
        break;
    }
    switch (request.command) {
    case 0xD0:
        if (bootloaderMode)
            return std::nullopt; // the application is not running
        return HandleMeasuring(request);
    case 0xF4:
        return HandleSystem(request);
    case 0xF1:
        return HandleDeviceId(request);
    default:
        return Reply{{kErrorUnknown}, kTargetOtherCommand, {}};
    }
}

// System function 0x01 with argument 0x08 asks which program runs: 0x01 the application, 0x02 the
// boot loader. Both programs answer it.
std::optional<Reply> Device::HandleSystem(const Request& request)
{
    const auto& data = request.data;
    if (data.size() == 2 && data[0] == 0x01 && data[1] == 0x08)
        return Reply{bootloaderMode ? bootloaderAnswer : std::vector<std::uint8_t>{0x01, 0x01}, kTargetCheckApp, {}};
    if (!data.empty() && data[0] == 0x01)
        return Reply{{kErrorArgument}, kTargetCheckApp, {}};
    return Reply{{kErrorUnknown}, kTargetCheckApp, {}};
}

// The 32-bit device id of second-generation testers; first-generation firmware does not know the
// command.
std::optional<Reply> Device::HandleDeviceId(const Request& request)
{
    if (identity_.model->generation < 2)
        return Reply{{kErrorUnknown}, kTargetDeviceId, {}};
    if (!request.data.empty())
        return Reply{{kErrorArgument}, kTargetDeviceId, {}};
    Reply reply{{4}, kTargetDeviceId, {}};
    for (int i = 0; i < 4; ++i)
        reply.bytes.push_back(static_cast<std::uint8_t>(identity_.deviceId >> (8 * i)));
    return reply;
}

std::uint8_t Device::Status() const
{
    std::uint8_t status = 0;
    if (displayChanged_)
        status |= kStatusDisplay;
    if (memory_.HasNewRecords())
        status |= kStatusNewRecords;
    if (discardPending_)
        status |= kStatusDiscarded;
    if (lockChanged_)
        status |= kStatusKeyLock;
    return status;
}

} // namespace Sim
