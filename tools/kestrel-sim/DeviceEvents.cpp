// What happens on the tester itself: impacts, discarding the last impact, the key lock, the
// display and the three buttons. Each change the PC should learn about raises a status bit.
#include "tools/kestrel-sim/Device.h"

#include "tools/kestrel-sim/ModeWord.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace Sim {

bool Device::SeriesDue() const
{
    return !haveSeries_ || forcedNew_ || seriesVisible_ >= settings_.fixedImpacts;
}

// A new series gets the next number and the other series marker (first-generation testers tell
// series apart by that marker alone).
void Device::BeginSeriesIfDue()
{
    if (!SeriesDue())
        return;
    if (haveSeries_) {
        seriesNo_ = seriesNo_ == 0xFFFF ? 1 : static_cast<std::uint16_t>(seriesNo_ + 1);
        seriesMarker_ = !seriesMarker_;
    } else {
        seriesNo_ = 1;
        seriesMarker_ = false;
    }
    haveSeries_ = true;
    forcedNew_ = false;
    seriesVisible_ = 0;
    seriesSum_ = 0.0;
    lastValue_.reset();
}

std::string Device::Impact(float value, int angle)
{
    if (bootloaderMode)
        return "the tester is in its boot loader and does not measure";
    if (!(value >= 0.0f && value <= 1000.0f))
        return "the value must lie in 0..1000";
    if (angle < 0 || angle > 180)
        return "the angle must lie in 0..180";
    if (memory_.Full())
        return "memory full (" + std::to_string(memory_.Capacity()) + " measurements)";
    BeginSeriesIfDue();
    Record record;
    record.when = PackLocalTime(Clock(), identity_.OldDateLayout());
    record.value = value;
    record.angle = static_cast<std::uint8_t>(angle);
    record.modeWord = static_cast<std::uint16_t>((settings_.modeWord & 0x3FFF) | (seriesMarker_ ? kSeriesMarkerBit : 0));
    record.seriesNo = seriesNo_;
    memory_.Append(record);
    ++seriesVisible_;
    seriesSum_ += value;
    lastValue_ = value;
    ++settings_.measurementCounter;
    ++settings_.impactCounter;
    page_ = 0;
    ShowPage();
    DisplayChanged();
    return {};
}

// Only the last record can be discarded, and only once. The PC hears of it (status bit 0x04) only
// when it has been offered that record already; a record it has not had yet simply arrives with
// its hidden bit set, so the PC never hides a measurement that is not the discarded one.
std::string Device::Discard()
{
    const int count = memory_.Count();
    if (count == 0)
        return "no measurement to discard";
    Record& last = memory_.At(count - 1);
    if (last.modeWord & kHiddenBit)
        return "the last measurement is discarded already";
    last.modeWord |= kHiddenBit;
    const bool inCurrentSeries = haveSeries_ && last.seriesNo == seriesNo_
        && ((last.modeWord & kSeriesMarkerBit) != 0) == seriesMarker_ && seriesVisible_ > 0;
    if (inCurrentSeries) {
        --seriesVisible_;
        seriesSum_ -= last.value;
    }
    if (count - 1 < memory_.OfferedEnd()) {
        discardPending_ = true;
        ++discardSerial_;
    }
    return {};
}

std::string Device::OperatorKeyLock(int raw)
{
    if (raw < 0 || raw > 2)
        return "the key-lock byte must be 0 (unlocked), 1 (locked) or 2 (unlocked)";
    if (raw != keyLock_) {
        keyLock_ = raw;
        lockChanged_ = true;
        ++lockSerial_;
    }
    return {};
}

std::string Device::OperatorDisplay(const std::array<std::uint8_t, 4>& codes, std::uint8_t mode)
{
    displayCodes_ = codes;
    displayMode_ = mode;
    DisplayChanged();
    return {};
}

std::string Device::OperatorKey(int key)
{
    if (key < 1 || key > 3)
        return "the key must be 1 (left), 2 (right) or 3 (down)";
    if (keyLock_ == 1)
        return "the keys are locked";
    Press(key);
    return {};
}

// Left and right step through the display pages; down starts a new series and shows its number.
void Device::Press(int key)
{
    switch (key) {
    case 1:
        page_ = (page_ + 3) % 4;
        break;
    case 2:
        page_ = (page_ + 1) % 4;
        break;
    default:
        forcedNew_ = true;
        page_ = 2;
        break;
    }
    ShowPage();
    DisplayChanged();
}

void Device::ShowPage()
{
    char text[16] = "----";
    switch (page_) {
    case 0:
        if (lastValue_)
            std::snprintf(text, sizeof text, "%4ld", std::lround(*lastValue_));
        break;
    case 1:
        std::snprintf(text, sizeof text, "n%3d", seriesVisible_ % 1000);
        break;
    case 2: {
        int number = seriesNo_;
        if (SeriesDue())
            number = haveSeries_ ? (seriesNo_ == 0xFFFF ? 1 : seriesNo_ + 1) : 1;
        std::snprintf(text, sizeof text, "S%3d", number % 1000);
        break;
    }
    default:
        if (seriesVisible_ > 0)
            std::snprintf(text, sizeof text, "%4ld", std::lround(seriesSum_ / seriesVisible_));
        break;
    }
    for (int i = 0; i < 4; ++i)
        displayCodes_[i] = static_cast<std::uint8_t>(text[i]);
    displayMode_ = 0;
}

void Device::DisplayChanged()
{
    displayChanged_ = true;
    ++displaySerial_;
}

void Device::StartNewSeries()
{
    forcedNew_ = true;
}

void Device::EraseMemory()
{
    memory_.Erase();
    haveSeries_ = false;
    forcedNew_ = false;
    seriesVisible_ = 0;
    seriesSum_ = 0.0;
    lastValue_.reset();
}

std::string Device::AddRawRecord(const Record& record)
{
    if (memory_.Full())
        return "memory full (" + std::to_string(memory_.Capacity()) + " measurements)";
    memory_.Append(record);
    haveSeries_ = true;
    seriesNo_ = record.seriesNo;
    seriesMarker_ = (record.modeWord & kSeriesMarkerBit) != 0;
    forcedNew_ = true;
    seriesVisible_ = 0;
    seriesSum_ = 0.0;
    return {};
}

std::string Device::OperatorSetting(const std::string& name, long long value)
{
    const auto outside = [&](long long low, long long high) { return value < low || value > high; };
    if (name == "mode") {
        if (outside(0, 0x3FFF) || !IsSettableMode(static_cast<std::uint16_t>(value)))
            return "not a measuring mode the tester offers";
        if (value != settings_.modeWord)
            forcedNew_ = true;
        settings_.modeWord = static_cast<std::uint16_t>(value);
    } else if (name == "standard") {
        if (outside(0, 1))
            return "the conversion standard is 0 or 1";
        settings_.conversionStandard = static_cast<std::uint8_t>(value);
    } else if (name == "fixed") {
        if (outside(1, 99))
            return "the fixed number of impacts is 1..99";
        settings_.fixedImpacts = static_cast<std::uint8_t>(value);
    } else if (name == "counter") {
        if (outside(0, 0xFFFF))
            return "the measurement counter is 0..65535";
        settings_.measurementCounter = static_cast<std::uint16_t>(value);
    } else if (name == "impacts") {
        if (outside(0, 0xFFFFFFFFLL))
            return "the impact counter is a 32-bit number";
        settings_.impactCounter = static_cast<std::uint32_t>(value);
    } else {
        return "no setting \"" + name + "\" (mode, standard, fixed, counter, impacts)";
    }
    return {};
}

std::string Device::OperatorRegister(int slot, int reg, const std::vector<std::uint8_t>& bytes)
{
    if (slot < 0 || slot >= CurveSlots() || reg < 0 || reg > 6)
        return "no such register (slot * 16 + register, registers 0..6)";
    const std::size_t size = reg == 6 ? 2 : 4;
    if (bytes.size() != size)
        return "register " + std::to_string(reg) + " holds " + std::to_string(size) + " bytes";
    if (reg == 6 && !IsSettableMode(static_cast<std::uint16_t>((bytes[0] | (bytes[1] << 8)) & 0x3FFF)))
        return "not a measuring mode the tester offers";
    auto& target = registers_[static_cast<std::size_t>(slot)][static_cast<std::size_t>(reg)];
    target.fill(0);
    std::copy(bytes.begin(), bytes.end(), target.begin());
    return {};
}

} // namespace Sim
