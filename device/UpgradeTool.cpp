// Where the firmware upgrade tool is and what it is told.
#include "device/UpgradeTool.h"

#include <sstream>

namespace Device {

std::string UpgradeToolPath(const std::string& programPath)
{
    const std::size_t slash = programPath.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : programPath.substr(0, slash);
    return folder + '/' + kUpgradeToolName;
}

std::vector<std::string> UpgradeToolArguments()
{
    std::vector<std::string> words;
    std::istringstream in(kUpgradeToolParameters);
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

} // namespace Device
