#include "app/MainMenu.h"

#include "app/CommandActions.h"
#include "app/CommandIds.h"
#include "resources/StringTable.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

MenuEntry Item(int command)
{
    return MenuEntry{MenuEntry::Kind::Command, command, nullptr, {}};
}

MenuEntry Separator()
{
    return MenuEntry{MenuEntry::Kind::Separator, 0, nullptr, {}};
}

MenuEntry Popup(const char* key, std::vector<MenuEntry> items)
{
    return MenuEntry{MenuEntry::Kind::Popup, 0, key, std::move(items)};
}

void AddEntries(QMenu* menu, const std::vector<MenuEntry>& entries, CommandActions& actions,
    const std::function<void(QMenu*)>& onPopup)
{
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
        case MenuEntry::Kind::Command:
            menu->addAction(actions.Get(entry.command));
            break;
        case MenuEntry::Kind::Separator:
            menu->addSeparator();
            break;
        case MenuEntry::Kind::Popup: {
            QMenu* sub = menu->addMenu(ResPopupText(entry.popup));
            sub->setObjectName(QString::fromLatin1(entry.popup));
            onPopup(sub);
            AddEntries(sub, entry.items, actions, onPopup);
            break;
        }
        }
    }
}

} // namespace

const std::vector<MenuEntry>& MainMenuLayout()
{
    static const std::vector<MenuEntry> layout = {
        Popup("file", {Item(Cmd::Save), Item(Cmd::Open), Item(Cmd::Export), Item(Cmd::ExportCsv),
                          Item(Cmd::ExportCsvStatistics), Item(Cmd::Print), Item(Cmd::Report), Item(Cmd::Archive), Separator(),
                          Item(Cmd::Exit)}),
        Popup("device", {Item(Cmd::ConnectDevice), Item(Cmd::DeviceSettings), Item(Cmd::ClearDeviceMemory),
                            Item(Cmd::FirmwareUpgrade)}),
        Popup("edit",
            {
                Popup("edit.expand", {Item(Cmd::ExpandAll), Item(Cmd::ExpandSelected)}),
                Popup("edit.collapse", {Item(Cmd::CollapseAll), Item(Cmd::CollapseSelected)}),
                Popup("edit.copy", {Item(Cmd::CopyAll), Item(Cmd::CopySelected)}),
                Popup("edit.show", {Item(Cmd::ShowAll), Item(Cmd::ShowSelected)}),
                Popup("edit.hide", {Item(Cmd::HideAll), Item(Cmd::HideSelected)}),
                Popup("edit.delete", {Item(Cmd::DeleteAll), Item(Cmd::DeleteSelected)}),
            }),
        Popup("view", {Item(Cmd::SeriesChart)}),
        Popup("settings",
            {
                Popup("settings.language",
                    {Item(Cmd::LanguageEnglish), Item(Cmd::LanguageGerman), Item(Cmd::LanguageFrench),
                        Item(Cmd::LanguageItalian), Item(Cmd::LanguageSpanish), Item(Cmd::LanguagePortuguese),
                        Item(Cmd::LanguageRussian), Item(Cmd::LanguageChinese)}),
                Popup("settings.standard", {Item(Cmd::StandardDefault), Item(Cmd::StandardCustomJ)}),
                Item(Cmd::ToleranceLimits),
                Item(Cmd::ArchiveSettings),
            }),
        Popup("help", {Item(Cmd::CheckForUpdates), Separator(), Item(Cmd::Help), Separator(),
                          Item(Cmd::ProductRegistration), Item(Cmd::CustomerFeedback), Separator(), Item(Cmd::About)}),
    };
    return layout;
}

void BuildMainMenu(QMenuBar* bar, CommandActions& actions, const std::function<void(QMenu*)>& onPopup)
{
    for (const MenuEntry& top : MainMenuLayout()) {
        QMenu* menu = bar->addMenu(ResPopupText(top.popup));
        menu->setObjectName(QString::fromLatin1(top.popup));
        onPopup(menu);
        AddEntries(menu, top.items, actions, onPopup);
    }
}

void ApplyStandardShortcuts(CommandActions& actions)
{
    // The desktop's own keys for these commands, shown beside them in the menus. Ctrl+C and
    // Ctrl+A stay the table's own keys while it has the focus.
    const std::pair<int, QKeySequence::StandardKey> shortcuts[] = {
        {Cmd::Open, QKeySequence::Open},
        {Cmd::Save, QKeySequence::Save},
        {Cmd::Print, QKeySequence::Print},
        {Cmd::Copy, QKeySequence::Copy},
        {Cmd::Help, QKeySequence::HelpContents},
    };
    for (const auto& [command, key] : shortcuts)
        actions.Get(command)->setShortcuts(key);
    // The tester's two everyday commands have keys of their own.
    actions.Get(Cmd::ConnectDevice)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    actions.Get(Cmd::DeviceSettings)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
}
