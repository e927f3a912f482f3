#include "tools/kestrel-sim/Faults.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace Sim {
namespace {

struct NamedTarget {
    const char* name;
    int target;
};

const NamedTarget kNames[] = {
    {"any", kTargetAny},
    {"text", kTargetAnyText},
    {"prompt", kTargetPrompt},
    {"id", kTargetTextId},
    {"@id@", kTargetTextIdentity},
    {"check", kTargetCheckApp},
    {"devid", kTargetDeviceId},
    {"settings", 0x00},
    {"write-settings", 0x01},
    {"read-reg", 0x02},
    {"write-reg", 0x03},
    {"clock", 0x04},
    {"all", 0x10},
    {"new", 0x11},
    {"clear", 0x12},
    {"status", 0x20},
    {"display", 0x21},
    {"key", 0x22},
    {"setlock", 0x23},
    {"lock", 0x24},
    {"counter", 0x36},
};

} // namespace

bool TargetMatches(int armed, int target)
{
    if (armed == kTargetAny)
        return true;
    if (armed == kTargetAnyText)
        return target == kTargetTextId || target == kTargetTextIdentity || target == kTargetTextOther;
    return armed == target;
}

bool IsBinaryTarget(int target)
{
    return target != kTargetPrompt && target != kTargetTextId && target != kTargetTextIdentity
        && target != kTargetTextOther;
}

std::optional<int> ParseTarget(std::string_view word)
{
    std::string lower;
    for (char c : word)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const NamedTarget& named : kNames)
        if (lower == named.name)
            return named.target;
    if (lower.size() > 2 && lower.size() <= 4 && lower[0] == '0' && lower[1] == 'x') {
        char* end = nullptr;
        const long code = std::strtol(lower.c_str() + 2, &end, 16);
        if (end && *end == '\0' && code >= 0 && code <= 0xFF)
            return static_cast<int>(code);
    }
    return std::nullopt;
}

std::string TargetName(int target)
{
    for (const NamedTarget& named : kNames)
        if (named.target == target)
            return named.name;
    if (target == kTargetTextOther)
        return "other text";
    if (target == kTargetOtherCommand)
        return "other command";
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%02X", target & 0xFF);
    return buffer;
}

std::string TargetNames()
{
    std::string names;
    for (const NamedTarget& named : kNames) {
        if (!names.empty())
            names += ", ";
        names += named.name;
    }
    return names + ", or a measuring function code such as 0x10";
}

bool FaultList::Arm(Fault fault)
{
    if (faults_.size() >= kMaxArmed)
        return false;
    faults_.push_back(std::move(fault));
    return true;
}

bool FaultList::Apply(int target, std::vector<std::uint8_t>& bytes)
{
    for (auto it = faults_.begin(); it != faults_.end(); ++it) {
        if (!TargetMatches(it->target, target))
            continue;
        const Fault fault = std::move(*it);
        faults_.erase(it);
        switch (fault.kind) {
        case FaultKind::Drop:
            bytes.clear();
            break;
        case FaultKind::Truncate:
            if (fault.count < bytes.size())
                bytes.resize(fault.count);
            break;
        case FaultKind::Corrupt:
            if (fault.count < bytes.size())
                bytes[fault.count] ^= 0xFF;
            break;
        case FaultKind::Replace:
            bytes = fault.replacement;
            break;
        }
        return true;
    }
    return false;
}

std::string DescribeFault(const Fault& fault)
{
    const std::string on = TargetName(fault.target);
    switch (fault.kind) {
    case FaultKind::Drop:
        return "drop " + on;
    case FaultKind::Truncate:
        return "truncate " + std::to_string(fault.count) + " " + on;
    case FaultKind::Corrupt:
        return "corrupt " + on + " " + std::to_string(fault.count);
    case FaultKind::Replace:
        return "inject " + on + " (" + std::to_string(fault.replacement.size()) + " bytes)";
    }
    return on;
}

} // namespace Sim
