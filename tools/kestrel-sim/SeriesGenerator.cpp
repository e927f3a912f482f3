#include "tools/kestrel-sim/SeriesGenerator.h"

#include "tools/kestrel-sim/ModeWord.h"

#include <ctime>
#include <random>

namespace Sim {
namespace {

// Drawn with plain modulo on the engine's output, so a seed gives the same memory whatever the
// standard library's distributions do.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : engine_(seed) {}
    int Below(int bound) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(bound)); }

private:
    std::mt19937 engine_;
};

std::uint16_t PickMode(Dice& dice, int generation)
{
    static const int kScaleCodes[] = {0, 1, 2, 2, 2, 3, 3, 4, 4, 5, 7, 8, 9, 11};
    const int scaleCode = kScaleCodes[dice.Below(static_cast<int>(std::size(kScaleCodes)))];
    int materialCode = 0;
    if (scaleCode >= 2 && scaleCode <= 7)
        materialCode = 1 + dice.Below(6);
    const int probe = (generation >= 2 && dice.Below(5) == 0) ? 1 : 0;
    return static_cast<std::uint16_t>((probe << 10) | (scaleCode << 5) | materialCode);
}

} // namespace

std::vector<Record> GenerateSeries(const GeneratorPlan& plan, int limit)
{
    static const int kAngles[] = {0, 45, 90, 90, 90, 135, 180};
    Dice dice(plan.seed);
    std::tm start{};
    start.tm_year = 2024 - 1900;
    start.tm_mon = 0;
    start.tm_mday = 15 + static_cast<int>(plan.seed % 100);
    start.tm_hour = 8;
    start.tm_isdst = -1;
    std::time_t when = std::mktime(&start);

    std::vector<Record> records;
    for (int s = 0; s < plan.series && static_cast<int>(records.size()) < limit; ++s) {
        const std::uint16_t mode = PickMode(dice, plan.generation);
        const bool marker = (s % 2) == 1;
        when += 60 * (15 + dice.Below(60));
        for (int i = 0; i < plan.impacts && static_cast<int>(records.size()) < limit; ++i) {
            when += 4 + dice.Below(12);
            Record record;
            record.when = PackLocalTime(when, plan.oldDateLayout);
            record.value = static_cast<float>(300 + dice.Below(550));
            record.angle = static_cast<std::uint8_t>(kAngles[dice.Below(static_cast<int>(std::size(kAngles)))]);
            record.modeWord = mode;
            if (marker)
                record.modeWord |= kSeriesMarkerBit;
            if (dice.Below(25) == 0)
                record.modeWord |= kHiddenBit;
            record.seriesNo = static_cast<std::uint16_t>(s + 1);
            records.push_back(record);
        }
    }
    return records;
}

} // namespace Sim
