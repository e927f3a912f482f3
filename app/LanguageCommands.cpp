#include "app/LanguageCommands.h"

#include "app/AppStrings.h"
#include "app/Language.h"
#include "data/UserPrompts.h"
#include "resources/StringTable.h"

void AddLanguageCommands(CommandHandlers& commands)
{
    for (const Language::Entry& entry : Language::Table()) {
        const std::uint32_t number = entry.number;
        commands.Add(
            entry.command,
            [number] {
                Language::Choose(number);
                Prompts().Message(ResString(AppText::RestartForLanguage), PromptButtons::Ok, PromptIcon::Information);
            },
            // A stored number above 7 checks no item.
            [number](CommandState& state) { state.checked = Language::Stored() == number; });
    }
}
