#pragma once
// CLiveLogger: the body of scleron-cli watch once a tester is attached. It polls the tester the
// way the desktop program's timer does, prints every new impact and every discard on standard
// output (one line each, flushed at once), appends them to the CSV log and keeps the measurement
// file current. A lost connection is told and tried again until the watch is stopped; the same
// tester coming back is read on where it left off, another one ends the watch.

#include "export/CsvLog.h"
#include "tools/cli/ImpactJournal.h"
#include "tools/cli/TesterConnection.h"

#include <QByteArray>
#include <QString>

#include <deque>
#include <vector>

class CMeasurementStore;
class CDeviceLink;
class CArchiveQueue;

class CLiveLogger {
public:
    struct Files {
        CCsvLog* log = nullptr; // open, or nullptr without -o
        QString logPath;
        QString hkpPath;        // empty without --hkp
        bool linesToStandardError = false; // the log is standard output ("-o -")
        CArchiveQueue* archive = nullptr;  // --archive: every series kept current in the archive
    };

    CLiveLogger(CMeasurementStore& store, CDeviceLink& link, const Files& files, TickWait wait);

    // After the attach: what the tester holds counts as known; the measurement file is written.
    void Start();
    // Polls until the wait is cut short (Ctrl+C) or another tester answers. Returns 0, or exit
    // code 4 for another tester.
    int Run();
    // Writes what is still pending, the measurement file once more, and the summary. 0 when the
    // files are complete, 5 when one could not be written, 6 when series could not be written to
    // the archive (it did not answer in time).
    int Finish();

private:
    // One tick of the polling timer; true when the tester answered.
    bool Tick();
    // Tries to attach the tester again until it answers or the wait is cut short. 0 when it is
    // back, 4 when another tester answers, -1 when stopped.
    int Reconnect();
    // Prints and logs what the journal has caught, and rewrites the measurement file after a change.
    void ReportChanges();
    void QueueRow(const QByteArray& row);
    bool FlushLog();
    bool SaveHkp();
    // Hands the series (store indices) to the archive as they are now.
    void Archive(const std::vector<int>& seriesIndices);

    CMeasurementStore& store;
    CDeviceLink& link;
    Files files;
    TickWait wait;
    CImpactJournal journal;
    std::deque<QByteArray> pendingRows; // rows not yet in the log (a write failed); kept in order
    bool logFailureTold = false;
    bool hkpFailureTold = false;
    QString serialNumber;
    QString deviceName;
    int impacts = 0;
    int discards = 0;
};
