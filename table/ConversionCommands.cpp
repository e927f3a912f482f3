#include "table/ConversionCommands.h"

#include "conversion/ConversionTypes.h"

namespace {
constexpr bool kDOnly = true;
constexpr bool kBoth = false;
constexpr bool kInDL = true;
constexpr bool kNotInDL = false;
} // namespace

const std::vector<ConversionRow>& ConversionRows()
{
    using namespace ScaleType;
    // The materials a Leeb DL series cannot take are the Leeb D only ones; the custom curves HC1..HC3
    // exist for both probes (each has its own custom-curve table), so their commands convert Leeb DL
    // series as well: the Leeb DL menu offers them for exactly that.
    static const std::vector<ConversionRow> rows = {
        {RawLeeb, 0, 32800, 32801, 32802, kBoth, kInDL},
        {CorrectedLeeb, 0, 32803, 32804, 32805, kBoth, kInDL},
        {Vickers, 1, 32806, 32808, 32807, kBoth, kInDL},
        {Vickers, 2, 32809, 32810, 32811, kBoth, kInDL},
        {Vickers, 3, 32812, 32813, 32814, kDOnly, kNotInDL},
        {Vickers, 4, 32815, 32817, 32816, kDOnly, kNotInDL},
        {Vickers, 5, 32818, 32819, 32820, kDOnly, kNotInDL},
        {Vickers, 6, 32821, 32822, 32823, kBoth, kInDL},
        {Brinell, 1, 32824, 32826, 32825, kBoth, kInDL},
        {Brinell, 3, 32827, 32828, 32829, kDOnly, kNotInDL},
        {Brinell, 4, 32830, 32831, 32832, kDOnly, kNotInDL},
        {Brinell, 5, 32833, 32834, 32835, kDOnly, kNotInDL},
        {Brinell, 6, 32836, 32837, 32838, kBoth, kInDL},
        {Brinell, 10, 32839, 32840, 32841, kDOnly, kNotInDL},
        {Brinell, 7, 32842, 32843, 32844, kDOnly, kNotInDL},
        {Brinell, 8, 32845, 32846, 32847, kDOnly, kNotInDL},
        {Brinell, 9, 32848, 32849, 32850, kDOnly, kNotInDL},
        {RockwellC, 1, 32851, 32852, 32853, kBoth, kInDL},
        {RockwellC, 2, 32854, 32855, 32856, kBoth, kInDL},
        {RockwellC, 3, 32857, 32858, 32859, kDOnly, kNotInDL},
        {RockwellC, 4, 32860, 32861, 32862, kDOnly, kNotInDL},
        {RockwellC, 5, 32863, 32864, 32865, kDOnly, kNotInDL},
        {RockwellB, 1, 32866, 32867, 32868, kBoth, kInDL},
        {RockwellB, 3, 32869, 32870, 32871, kDOnly, kNotInDL},
        {RockwellB, 6, 32872, 32873, 32874, kDOnly, kNotInDL},
        {RockwellB, 7, 32875, 32876, 32877, kDOnly, kNotInDL},
        {Shore, 1, 32878, 32879, 32880, kBoth, kInDL},
        {TensileStrength, 11, 32881, 32882, 32883, kBoth, kInDL},
        {TensileStrength, 12, 32886, 32884, 32885, kBoth, kInDL},
        {TensileStrength, 13, 32887, 32888, 32889, kBoth, kInDL},
        {Custom, 14, 32890, 32891, 32892, kBoth, kInDL},
        {Custom, 15, 32893, 32894, 32895, kBoth, kInDL},
        {Custom, 16, 32896, 32897, 32898, kBoth, kInDL},
    };
    return rows;
}

std::optional<ConversionCommand> FindConversionCommand(int id)
{
    for (const ConversionRow& row : ConversionRows()) {
        const std::pair<int, CommandScope> commands[] = {
            {row.all, CommandScope::All}, {row.selected, CommandScope::Selected}, {row.thisRow, CommandScope::This}};
        for (const auto& [commandId, scope] : commands)
            if (commandId == id)
                return ConversionCommand{row.scale, row.material, scope, row.leebDOnly};
    }
    return std::nullopt;
}
