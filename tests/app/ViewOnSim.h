#pragma once
// The main view against tester simulators on pseudo-terminals: a view with a frame that records
// every status text, the COM mapping pointed at the simulators, and helpers to read the table.

#include "AppTestEnvironment.h"

#include "app/ChildView.h"
#include "common/ScriptedPrompts.h"
#include "common/SimProcess.h"

#include <QEvent>
#include <QObject>
#include <QStringList>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

// The frame around the view: keeps every status text the view showed, in order.
class RecordingFrame final : public IViewFrame {
public:
    void SetStatusText(const QString& text) override
    {
        shown << text;
        current = text;
    }
    QString StatusText() const override { return current; }
    bool OpenDocument(const QString& path) override
    {
        opened << path;
        return true;
    }
    void ForgetNewestFirmware() override { ++firmwareVersionsForgotten; }

    QStringList shown;
    QString current;
    QStringList opened;
    int firmwareVersionsForgotten = 0;
};

// Records which status text was shown whenever the window it watches painted.
class PaintWatcher : public QObject {
public:
    explicit PaintWatcher(const RecordingFrame& frame) : m_frame(frame) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            paintedWith << m_frame.current;
        return QObject::eventFilter(watched, event);
    }
    QStringList paintedWith;

private:
    const RecordingFrame& m_frame;
};

class ViewOnSim : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts one simulator per argument list and maps them to COM1, COM2, ... in that order.
    bool StartTesters(const std::vector<QStringList>& arguments);
    SimProcess& Sim(int i) { return *sims.at(static_cast<std::size_t>(i)); }
    // Runs the event loop until done() holds or timeoutMs have passed; the result of done().
    static bool WaitFor(const std::function<bool()>& done, int timeoutMs);

    // The table: number of rows (title row included), a cell's text, the keys of column 0.
    int Rows();
    QString Text(int row, int column);
    QStringList Keys();

    std::vector<std::unique_ptr<SimProcess>> sims;
    ScriptedPrompts prompts;
    RecordingFrame frame;
    std::unique_ptr<CChildView> view;
};
