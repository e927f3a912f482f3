#pragma once
// CArchiveFeeder: fills the archive from the window by itself. A moment after the table changed
// (a download, a newly polled impact, an opened file, a conversion or hide) it hands the loaded
// series to the archive's writer, which runs on a thread of its own: the window never waits for
// the database. A database that cannot be reached is told once in the status bar; what it missed
// stays queued and is written when it answers again.

#include "archive/ArchiveQueue.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class CMainFrame;

class CArchiveFeeder : public QObject {
    Q_OBJECT
public:
    // How long the table must have been still before its series are handed over.
    static constexpr int kSettleMs = 400;

    explicit CArchiveFeeder(CMainFrame& frame);
    ~CArchiveFeeder() override;

    // Writes to the archive in effect now (after its setting changed); nothing while it is off.
    void UseCurrentLocation();
    // The loaded series were put back from the archive itself: they bring no new origin.
    void LoadedFromArchive();
    // Waits at most timeoutMs for the writer to take everything queued; true when it did.
    bool Flush(int timeoutMs);
    bool IsOn() const { return queue != nullptr; }

private:
    void HandOver();
    void Tell(CArchiveQueue::Event event, const QString& detail);

    CMainFrame& frame;
    QTimer settle;
    std::unique_ptr<CArchiveQueue> queue;
    QString source;       // where the loaded series came from when they were handed over last
    quint64 handedOver = 0; // what they were then (see Fingerprint)
    QString fileHashPath; // the file whose SHA-256 is kept below
    QString fileHash;
    bool fromArchive = false;
    QString fromArchivePath; // the file named when they were put back (another file ends it)
};
