#include "ViewOnSim.h"

#include "grid/GridCtrl.h"
#include "update/FileVersionInfo.h"
#include "update/FirmwareCounters.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

void ViewOnSim::SetUp()
{
    // Failed firmware checks (the tests have no update server) are counted without ever reaching
    // the reminder.
    CFileVersionInfo version;
    version.LoadModule();
    SetTestRegistry("[" + FirmwareCheckRegistryKey(version.GetProductName()).toUtf8()
                    + "]\n\"FwUpdateFailCountMax\"=\"1000000\"\n");
    view = std::make_unique<CChildView>();
    view->Create(nullptr, &frame, {});
    view->resize(1000, 600);
}

void ViewOnSim::TearDown()
{
    view.reset();
    sims.clear();
    qunsetenv("SCLERON_SERIAL_PORTS");
}

bool ViewOnSim::StartTesters(const std::vector<QStringList>& arguments)
{
    QStringList paths;
    for (const QStringList& args : arguments) {
        sims.push_back(std::make_unique<SimProcess>());
        QString error;
        if (!sims.back()->Start(args, &error)) {
            ADD_FAILURE() << error.toStdString();
            return false;
        }
        paths << sims.back()->SlavePath();
    }
    qputenv("SCLERON_SERIAL_PORTS", paths.join(QLatin1Char(':')).toLocal8Bit());
    return true;
}

bool ViewOnSim::WaitFor(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return true;
}

int ViewOnSim::Rows()
{
    return view->store.grid->GetRowCount();
}

QString ViewOnSim::Text(int row, int column)
{
    return view->store.grid->GetItemText(row, column);
}

QStringList ViewOnSim::Keys()
{
    QStringList keys;
    for (int row = 1; row < Rows(); ++row)
        keys << Text(row, 0);
    return keys;
}
