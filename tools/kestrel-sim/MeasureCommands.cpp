// The measuring functions (command 0xD0): the first data byte selects the function.
#include "tools/kestrel-sim/Device.h"

#include "tools/kestrel-sim/ModeWord.h"

#include <algorithm>

namespace Sim {
namespace {

std::uint16_t Get16(const std::vector<std::uint8_t>& data, std::size_t at)
{
    return static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8));
}

void Put16(std::vector<std::uint8_t>& out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

Reply Acknowledge(int function) { return Reply{{0x00}, function, {}}; }
Reply Refuse(int function) { return Reply{{kErrorArgument}, function, {}}; }

} // namespace

std::optional<Reply> Device::HandleMeasuring(const Request& request)
{
    const auto& data = request.data;
    if (data.empty())
        return Reply{{kErrorArgument}, kTargetOtherCommand, {}};
    const int function = data[0];
    const std::size_t n = data.size();
    // Functions that take no argument answer 0xFD to a longer frame.
    auto plain = [&](auto&& answer) -> Reply { return n == 1 ? answer() : Refuse(function); };
    switch (function) {
    case 0x00:
        return plain([&] { return ReadSettings(); });
    case 0x01:
        return WriteSettings(data);
    case 0x02:
        return ReadRegister(data);
    case 0x03:
        return WriteRegister(data);
    case 0x04:
        return SetClockFromWords(data);
    case 0x10:
        return plain([&] { return BulkDownload(false); });
    case 0x11:
        return plain([&] { return BulkDownload(true); });
    case 0x12:
        return plain([&] {
            EraseMemory();
            return Acknowledge(function);
        });
    case 0x20:
        return plain([&] {
            const std::uint64_t serial = discardSerial_;
            const bool reportedDiscard = discardPending_;
            return Reply{{0x01, Status()}, function, [this, serial, reportedDiscard] {
                             // The discard event is reported once: a status that carried it clears it.
                             if (reportedDiscard && serial == discardSerial_)
                                 discardPending_ = false;
                         }};
        });
    case 0x21:
        return plain([&] {
            const std::uint64_t serial = displaySerial_;
            std::vector<std::uint8_t> bytes{0x05, displayCodes_[0], displayCodes_[1], displayCodes_[2],
                                            displayCodes_[3], displayMode_};
            return Reply{std::move(bytes), function, [this, serial] {
                             if (serial == displaySerial_)
                                 displayChanged_ = false;
                         }};
        });
    case 0x22:
        return PressKeyRequest(data);
    case 0x23:
        return KeyLockRequest(data);
    case 0x24:
        return plain([&] {
            const std::uint64_t serial = lockSerial_;
            return Reply{{static_cast<std::uint8_t>(keyLock_)}, function, [this, serial] {
                             if (serial == lockSerial_)
                                 lockChanged_ = false;
                         }};
        });
    case 0x36:
        return plain([&] {
            Reply reply{{0x04}, function, {}};
            for (int i = 0; i < 4; ++i)
                reply.bytes.push_back(static_cast<std::uint8_t>(settings_.impactCounter >> (8 * i)));
            return reply;
        });
    default:
        return Reply{{kErrorUnknown}, function, {}};
    }
}

// The settings answer grows with the firmware: 1.x the mode word; 2.0 also the conversion
// standard; 2.1 and later also the fixed number of impacts and the measurement counter. The
// first byte counts the bytes that follow.
Reply Device::ReadSettings() const
{
    const int major = identity_.FirmwareMajor();
    const int minor = identity_.FirmwareMinor();
    std::vector<std::uint8_t> bytes{0};
    Put16(bytes, settings_.modeWord);
    if (major >= 2)
        bytes.push_back(settings_.conversionStandard);
    if (major > 2 || (major == 2 && minor >= 1)) {
        bytes.push_back(settings_.fixedImpacts);
        Put16(bytes, settings_.measurementCounter);
    }
    bytes[0] = static_cast<std::uint8_t>(bytes.size() - 1);
    return Reply{std::move(bytes), 0x00, {}};
}

// Accepts the frame forms the firmware knows (a shorter form leaves the other fields alone) and
// refuses a longer form or a value out of range with 0xFD, changing nothing.
Reply Device::WriteSettings(const std::vector<std::uint8_t>& data)
{
    const int major = identity_.FirmwareMajor();
    const int minor = identity_.FirmwareMinor();
    std::size_t longest = 3;
    if (major == 2 && minor == 0)
        longest = 4;
    else if (major >= 2)
        longest = 7;
    const std::size_t n = data.size();
    if ((n != 3 && n != 4 && n != 7) || n > longest)
        return Refuse(0x01);
    const std::uint16_t word = Get16(data, 1) & 0x3FFF; // hidden and marker bits mean nothing here
    if (!IsSettableMode(word))
        return Refuse(0x01);
    if (n >= 4 && data[3] > 1)
        return Refuse(0x01);
    if (n == 7 && (data[4] < 1 || data[4] > 99))
        return Refuse(0x01);
    if (word != settings_.modeWord)
        forcedNew_ = true; // a new measuring mode begins a new series
    settings_.modeWord = word;
    if (n >= 4)
        settings_.conversionStandard = data[3];
    if (n == 7) {
        settings_.fixedImpacts = data[4];
        settings_.measurementCounter = Get16(data, 5);
    }
    return Acknowledge(0x01);
}

// Registers are addressed as slot * 16 + register. The answer counts its bytes, repeats the
// address and carries the register: 4 bytes for registers 0..5, the 2-byte mode word for 6.
Reply Device::ReadRegister(const std::vector<std::uint8_t>& data) const
{
    if (data.size() != 2)
        return Refuse(0x02);
    const int slot = data[1] >> 4;
    const int reg = data[1] & 0x0F;
    if (slot >= CurveSlots() || reg > 6)
        return Refuse(0x02);
    const int size = reg == 6 ? 2 : 4;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(2 + size));
    bytes[0] = static_cast<std::uint8_t>(1 + size);
    bytes[1] = data[1];
    std::copy_n(registers_[slot][reg].begin(), size, bytes.begin() + 2);
    return Reply{std::move(bytes), 0x02, {}};
}

Reply Device::WriteRegister(const std::vector<std::uint8_t>& data)
{
    if (data.size() < 2)
        return Refuse(0x03);
    const int slot = data[1] >> 4;
    const int reg = data[1] & 0x0F;
    if (slot >= CurveSlots() || reg > 6)
        return Refuse(0x03);
    const std::size_t size = reg == 6 ? 2 : 4;
    if (data.size() != 2 + size)
        return Refuse(0x03);
    if (reg == 6 && !IsSettableMode(Get16(data, 2) & 0x3FFF))
        return Refuse(0x03);
    auto& target = registers_[slot][reg];
    target.fill(0);
    std::copy(data.begin() + 2, data.end(), target.begin());
    return Acknowledge(0x03);
}

Reply Device::SetClockFromWords(const std::vector<std::uint8_t>& data)
{
    if (data.size() != 5)
        return Refuse(0x04);
    DateWords words{Get16(data, 1), Get16(data, 3)};
    std::tm local{};
    if (!UnpackDateWords(words, identity_.OldDateLayout(), &local))
        return Refuse(0x04);
    const std::time_t value = std::mktime(&local);
    if (value == static_cast<std::time_t>(-1))
        return Refuse(0x04);
    SetClock(value);
    return Acknowledge(0x04);
}

// Function 0x10 sends every record, 0x11 the records the PC has not had yet. Once the answer has
// left whole, its records count as downloaded.
Reply Device::BulkDownload(bool onlyNew)
{
    const int first = onlyNew ? memory_.DownloadMark() : 0;
    const int end = memory_.Count();
    const std::uint64_t generation = memory_.Generation();
    memory_.NoteOffered(end);
    return Reply{memory_.BulkReply(first), onlyNew ? 0x11 : 0x10,
                 [this, end, generation] { memory_.MarkDownloaded(end, generation); }};
}

// A key pressed from the PC acts even while the tester's own keys are locked: the lock guards
// against stray presses on the tester, not against the operator at the PC.
Reply Device::PressKeyRequest(const std::vector<std::uint8_t>& data)
{
    if (data.size() != 2 || data[1] < 1 || data[1] > 3)
        return Refuse(0x22);
    Press(data[1]);
    return Acknowledge(0x22);
}

// The PC locking or unlocking the keys raises no key-lock event: the PC knows what it did.
Reply Device::KeyLockRequest(const std::vector<std::uint8_t>& data)
{
    if (data.size() != 2 || data[1] > 1)
        return Refuse(0x23);
    keyLock_ = data[1];
    return Acknowledge(0x23);
}

} // namespace Sim
