#include "app/MainToolBar.h"

#include "app/Artwork.h"
#include "app/CommandActions.h"
#include "app/CommandIds.h"

#include <QAction>
#include <QToolBar>

const std::vector<ToolbarButton>& ToolbarLayout()
{
    static const std::vector<ToolbarButton> layout = {
        {Cmd::ConnectDevice, "connect"},
        {Cmd::DeviceSettings, "device-settings"},
        {Cmd::ClearDeviceMemory, "clear-memory"},
        {Cmd::FirmwareUpgrade, "firmware"},
        {0, nullptr},
        {Cmd::Save, "save"},
        {Cmd::Open, "open"},
        {0, nullptr},
        {Cmd::Copy, "copy"},
        {Cmd::Export, "export"},
        {Cmd::Print, "print"},
        {0, nullptr},
        {Cmd::Help, "help"},
    };
    return layout;
}

void BuildToolBar(QToolBar* bar, CommandActions& actions)
{
    constexpr int kButtonImageSize = 32;
    bar->setIconSize(QSize(kButtonImageSize, kButtonImageSize));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolbarButton& button : ToolbarLayout()) {
        if (button.command == 0) {
            bar->addSeparator();
            continue;
        }
        QAction* action = actions.Get(button.command);
        action->setIcon(ToolbarIcon(QString::fromLatin1(button.image)));
        bar->addAction(action);
    }
}
