#pragma once
// The external firmware upgrade tool "DoDovavez": it lives beside the program's executable and is
// started with one fixed parameter string that names the device class it is to look for
// (04, the second-generation testers).

#include <string>
#include <vector>

namespace Device {

constexpr const char* kUpgradeToolName = "DoDovavez";
constexpr const char* kUpgradeToolParameters = "-DeviceTypeList 04-00000-0";

// The tool beside the executable programPath (everything before its last '/'; the current folder
// when there is none). Paths of any length.
std::string UpgradeToolPath(const std::string& programPath);
// The parameter string split into its words, as the tool receives them.
std::vector<std::string> UpgradeToolArguments();

} // namespace Device
