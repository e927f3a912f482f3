#pragma once
// The simulated tester: its identity, settings, custom-curve registers, clock, display, key lock,
// pending status events and measurement memory, and its answers to every request of the link.

#include "tools/kestrel-sim/Framing.h"
#include "tools/kestrel-sim/Memory.h"
#include "tools/kestrel-sim/Models.h"
#include "tools/kestrel-sim/Transmitter.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

namespace Sim {

struct Identity {
    const ModelInfo* model = nullptr;
    std::string firmware;    // "major.minor.build"
    std::string bootloader;
    std::string serial;
    std::string hardware;
    std::string signature;   // hexadecimal text; top byte = device class
    std::uint32_t deviceId = 0;

    // Leading numbers of the firmware text ("2.1.0" -> 2, 1); 0 where there is none.
    int FirmwareMajor() const;
    int FirmwareMinor() const;
    // Firmware before major version 2 stores the year in bits 11-15 of the date word.
    bool OldDateLayout() const { return FirmwareMajor() < 2; }
};

struct Settings {
    std::uint16_t modeWord = 0x0041;      // Vickers, material 1, Leeb D
    std::uint8_t conversionStandard = 0;  // 0 default, 1 "Custom J"
    std::uint8_t fixedImpacts = 5;        // impacts per series, 1..99
    std::uint16_t measurementCounter = 0; // counts stored impacts; the PC may set it
    std::uint32_t impactCounter = 0;      // lifetime impacts of the probe; read only
};

// Status byte bits reported to the poll.
constexpr std::uint8_t kStatusDisplay = 0x01;
constexpr std::uint8_t kStatusNewRecords = 0x02;
constexpr std::uint8_t kStatusDiscarded = 0x04;
constexpr std::uint8_t kStatusKeyLock = 0x08;

// Error answers (0xF0..0xFF): the tester does not know the command or function, or the request
// has the wrong length or a value out of range.
constexpr std::uint8_t kErrorUnknown = 0xFE;
constexpr std::uint8_t kErrorArgument = 0xFD;

class Device {
public:
    Device(Identity identity, Settings settings, Memory memory);

    // ---- the wire -------------------------------------------------------------------------
    // The answer to one request, or nothing when the tester stays silent.
    std::optional<Reply> Handle(const Request& request);

    // ---- what happens on the tester itself (standard input and the event timer) ------------
    // Each returns an empty text on success, otherwise why nothing happened.
    std::string Impact(float value, int angle);
    std::string Discard();
    std::string OperatorKeyLock(int raw);
    std::string OperatorDisplay(const std::array<std::uint8_t, 4>& codes, std::uint8_t mode);
    std::string OperatorKey(int key);
    void StartNewSeries();
    void EraseMemory();
    // Stores a record exactly as given, outside the series logic (for unusual records).
    std::string AddRawRecord(const Record& record);
    // The operator changes a setting on the tester's own menu: "mode" (a mode word), "standard"
    // (0|1), "fixed" (1..99), "counter" (16 bits) or "impacts" (32 bits). A new measuring mode
    // starts a new series, as a write from the PC does.
    std::string OperatorSetting(const std::string& name, long long value);
    // Replaces the bytes of one custom-curve register (4 bytes, 2 for the mode word register 6).
    std::string OperatorRegister(int slot, int reg, const std::vector<std::uint8_t>& bytes);

    // ---- state ----------------------------------------------------------------------------
    std::uint8_t Status() const;
    const Identity& GetIdentity() const { return identity_; }
    const Settings& GetSettings() const { return settings_; }
    const Memory& GetMemory() const { return memory_; }
    std::time_t Clock() const { return std::time(nullptr) + clockOffset_; }
    void SetClock(std::time_t value) { clockOffset_ = value - std::time(nullptr); }
    const std::array<std::uint8_t, 4>& DisplayCodes() const { return displayCodes_; }
    std::uint8_t DisplayMode() const { return displayMode_; }
    int KeyLock() const { return keyLock_; }
    // Seven register bytes of the custom-curve slots (4 bytes each; register 6 uses 2).
    const std::array<std::uint8_t, 4>& Register(int slot, int reg) const { return registers_[slot][reg]; }
    int CurveSlots() const { return identity_.model->curveSlots; }

    bool bootloaderMode = false; // the application does not run; only system requests answer
    // What the boot loader answers to the application check (the application answers 01 01).
    std::vector<std::uint8_t> bootloaderAnswer = {0x01, 0x02};
    bool echo = false;           // text replies carry the echoed command (second-generation echo mode)

private:
    // Request families.
    std::optional<Reply> HandleText(const Request& request);
    std::optional<Reply> HandleMeasuring(const Request& request);
    std::optional<Reply> HandleSystem(const Request& request);
    std::optional<Reply> HandleDeviceId(const Request& request);
    Reply ReadSettings() const;
    Reply WriteSettings(const std::vector<std::uint8_t>& data);
    Reply ReadRegister(const std::vector<std::uint8_t>& data) const;
    Reply WriteRegister(const std::vector<std::uint8_t>& data);
    Reply SetClockFromWords(const std::vector<std::uint8_t>& data);
    Reply BulkDownload(bool onlyNew);
    Reply PressKeyRequest(const std::vector<std::uint8_t>& data);
    Reply KeyLockRequest(const std::vector<std::uint8_t>& data);

    // Live state.
    void Press(int key);
    void ShowPage();
    void DisplayChanged();
    bool SeriesDue() const;
    void BeginSeriesIfDue();

    Identity identity_;
    Settings settings_;
    Memory memory_;
    std::time_t clockOffset_ = 0;
    std::array<std::array<std::array<std::uint8_t, 4>, 7>, 6> registers_{};

    std::array<std::uint8_t, 4> displayCodes_{'-', '-', '-', '-'};
    std::uint8_t displayMode_ = 0;
    int page_ = 0; // 0 last value, 1 impacts in the series, 2 series number, 3 mean of the series
    int keyLock_ = 0; // the byte the key-lock query answers: 1 locked, 0 (or 2) unlocked

    // Pending events; each serial counts the changes, so a reply that reported an older state does
    // not clear a newer change.
    bool displayChanged_ = false;
    bool lockChanged_ = false;
    bool discardPending_ = false;
    std::uint64_t displaySerial_ = 0;
    std::uint64_t lockSerial_ = 0;
    std::uint64_t discardSerial_ = 0;

    // The series the next impact joins.
    bool haveSeries_ = false;
    bool forcedNew_ = true; // the next impact starts a new series whatever the count
    std::uint16_t seriesNo_ = 0;
    bool seriesMarker_ = false;
    int seriesVisible_ = 0;
    double seriesSum_ = 0.0;
    std::optional<float> lastValue_;
};

} // namespace Sim
