#pragma once
// Faults the operator arms from standard input. Each fault hits the next reply it matches once:
// drop it, cut it short, flip a byte, or replace it by given bytes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Sim {

// What a reply answers, so a fault can aim at one kind of request. Measuring functions (command
// 0xD0) use their function code 0x00..0xFF; the other kinds follow.
enum ReplyTarget : int {
    kTargetPrompt = 0x100,
    kTargetTextId = 0x101,      // text "ID"
    kTargetTextIdentity = 0x102, // text "@ID@"
    kTargetTextOther = 0x103,   // any other text command
    kTargetCheckApp = 0x104,    // system command 0xF4
    kTargetDeviceId = 0x105,    // command 0xF1
    kTargetOtherCommand = 0x106, // any other command byte
};

// A target as the operator writes it: "any", a name ("status", "all", "@id@", "text" ...) or a
// measuring function code ("0x10"). -1 stands for "any", -2 for "any text reply".
constexpr int kTargetAny = -1;
constexpr int kTargetAnyText = -2;
std::optional<int> ParseTarget(std::string_view word);
// Whether a reply to `target` is hit by something aimed at `armed` (a target or kTargetAny...).
bool TargetMatches(int armed, int target);
// Whether a reply answers a binary frame (not the text form).
bool IsBinaryTarget(int target);
std::string TargetName(int target);
// Names accepted by ParseTarget, for the help text.
std::string TargetNames();

enum class FaultKind { Drop, Truncate, Corrupt, Replace };

struct Fault {
    FaultKind kind = FaultKind::Drop;
    int target = kTargetAny;
    std::size_t count = 0;              // Truncate: bytes kept; Corrupt: offset of the flipped byte
    std::vector<std::uint8_t> replacement; // Replace
};

class FaultList {
public:
    static constexpr std::size_t kMaxArmed = 64;

    // False when too many faults are armed already.
    bool Arm(Fault fault);
    void Clear() { faults_.clear(); }
    const std::vector<Fault>& Armed() const { return faults_; }
    // Applies the first armed fault matching target to bytes and disarms it. True when a fault hit.
    bool Apply(int target, std::vector<std::uint8_t>& bytes);

private:
    std::vector<Fault> faults_;
};

std::string DescribeFault(const Fault& fault);

} // namespace Sim
