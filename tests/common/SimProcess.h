#pragma once
// Runs the tester simulator kestrel-sim for a test: starts it with arguments, reads the path of
// its pseudo-terminal, sends commands on its standard input and stops it.
//
//   SimProcess sim;
//   ASSERT_TRUE(sim.Start({"--model", "kestrel2", "--empty"}));
//   // open sim.SlavePath() like a serial port ...
//   EXPECT_TRUE(sim.Send("impact 512 90"));
//
// Every command is answered by one line, "ok ..." or "error: ..."; Command() waits for it, so
// after it returns the simulator has carried the command out. The simulator's standard error
// (warnings, --trace output) goes to the test's standard error.

#include <QProcess>
#include <QString>
#include <QStringList>

struct SimReply {
    bool ok = false;
    QString text; // the answer without "ok " / "error: "
};

class SimProcess {
public:
    SimProcess() = default;
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Starts the simulator and waits for its first line. False (with the reason in *error) when it
    // did not start or printed no path within timeoutMs.
    bool Start(const QStringList& arguments = {}, QString* error = nullptr, int timeoutMs = 10000);
    // The pseudo-terminal's slave path (after "replug" following "hangup", the new one).
    const QString& SlavePath() const { return slavePath_; }
    // Sends one command line and returns its answer; a missing answer reads as an error.
    SimReply Command(const QString& line, int timeoutMs = 5000);
    // Command() that only tells whether the answer was "ok".
    bool Send(const QString& line, int timeoutMs = 5000) { return Command(line, timeoutMs).ok; }
    // Sends "quit" and waits; a simulator that does not end is killed. Returns its exit code, or -1
    // when it had to be killed or never ran.
    int Stop(int timeoutMs = 5000);
    bool IsRunning() const { return process_.state() != QProcess::NotRunning; }

    // The simulator executable: $KESTREL_SIM when set, else the one this build made.
    static QString ExecutablePath();

private:
    bool ReadLine(QString* line, int timeoutMs);

    QProcess process_;
    QString slavePath_;
    bool started_ = false;
};
