// scleron: the desktop program. Command line: an optional measurement file to open.
#include "app/App.h"
#include "resources/StringTable.h"
#include "table/TablePopulation.h"

#include <QApplication>

#include <cstdio>

namespace {
bool HasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}
} // namespace

int main(int argc, char** argv)
{
    if (!HasDisplay()) {
        std::fprintf(stderr, "%s\n", qPrintable(ResString(Ids::NoDisplay)));
        return 1;
    }
    KeepLocalTimeZoneLoaded();
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Scleron"));
    CSCLERONApp app;
    CSCLERONApp::Options options;
    options.arguments = QApplication::arguments().mid(1);
    if (!app.InitInstance(options))
        return 1;
    const int result = QApplication::exec();
    app.ExitInstance();
    return result;
}
