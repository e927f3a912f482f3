#include "table/TableHost.h"

#include "resources/StringTable.h"
#include "table/TableStrings.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

namespace {
class NoWindowHost final : public ITableHost {
public:
    void SetStatusText(const QString&) override {}
    bool IsPortOpen() const override { return false; }
    QWidget* MainWindow() const override { return nullptr; }
};

NoWindowHost noWindow;
ITableHost* installed = nullptr;
} // namespace

ITableHost& TableHost()
{
    return installed ? *installed : noWindow;
}

void SetTableHost(ITableHost* host)
{
    installed = host;
}

void ShowConnectionStatus(const QString& writtenPath)
{
    const QString status = ResString(TableHost().IsPortOpen() ? TableStrings::Online : TableStrings::Offline);
    TableHost().SetStatusText(writtenPath.isEmpty() ? status : WithWrittenNote(status, writtenPath));
}

QString WithWrittenNote(const QString& status, const QString& writtenPath)
{
    return status + QStringLiteral(" \u2014 ") + ResString(TableStrings::WrittenTo).arg(QDir::toNativeSeparators(writtenPath));
}

void RepaintMainWindow()
{
    if (QWidget* window = TableHost().MainWindow())
        window->update();
}

void NotifyTableChanged()
{
    TableHost().TableChanged();
}

CWaitCursor::CWaitCursor()
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        shown = true;
    }
}

CWaitCursor::~CWaitCursor()
{
    if (shown)
        QApplication::restoreOverrideCursor();
}
