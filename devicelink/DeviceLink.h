#pragma once
// CDeviceLink: the program's conversation with a connected tester over its serial port.
//
// Every binary exchange writes one request frame (0xC0 + n, a command byte 0xD0 or 0xF4, n data
// bytes whose first selects the function) and reads the reply one byte per read call, within the
// exchange's attempt limit. Results: 1 the reply was accepted, 0 the port is not open or the reply
// is missing or malformed, -1 the stream failed (its exception never leaves the exchange). The few
// exchanges that deviate say so below.
//
// Other layers ask for device work by assigning a whole mask to `jobs`; RunJobs carries the
// pending jobs out once, in bit order, and clears the bit of each job that succeeded.

#include "streams/Rs232Stream.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class CMeasurementStore;
class ILinkFollowUps;

class CDeviceLink {
public:
    // Job bits.
    static constexpr std::uint32_t jobSetClock = 0x0001;
    static constexpr std::uint32_t jobIdentify = 0x0002;
    static constexpr std::uint32_t jobReadSettings = 0x0004;
    static constexpr std::uint32_t jobReadCustomCurves = 0x0008;
    static constexpr std::uint32_t jobReadMeasurements = 0x0010;
    static constexpr std::uint32_t jobReadDisplay = 0x0020;
    static constexpr std::uint32_t jobReadKeyLock = 0x0040;
    static constexpr std::uint32_t jobNone = 0x0080; // never run
    static constexpr std::uint32_t jobDialogSettings = 0x0100;
    static constexpr std::uint32_t jobDialogCustomCurves = 0x0200;
    static constexpr std::uint32_t jobWriteSettings = 0x0400;
    static constexpr std::uint32_t jobWriteCustomCurves = 0x0800;
    static constexpr std::uint32_t jobClearMemory = 0x1000;
    static constexpr std::uint32_t jobMask = 0x1F7F;
    // Job masks the other layers assign.
    static constexpr std::uint32_t jobsConnect = 0x00FF;
    static constexpr std::uint32_t jobsSettingsDialog = 0x0340;
    static constexpr std::uint32_t jobsSendSettings = 0x0C01;

    // Status bits of PollStatus.
    static constexpr std::uint8_t eventDisplay = 0x01;
    static constexpr std::uint8_t eventNewMeasurements = 0x02;
    static constexpr std::uint8_t eventDiscarded = 0x04;
    static constexpr std::uint8_t eventKeyLock = 0x08;

    // Keys of PressKey.
    static constexpr int keyLeft = 1;
    static constexpr int keyRight = 2;
    static constexpr int keyDown = 3;

    // A reply that has started and then stays silent this long ends its exchange as failed (the
    // tester sends a whole record within milliseconds): a pulled cable is noticed in seconds,
    // not after every attempt of every record.
    static constexpr int kReplySilenceMs = 2000;
    // While an exchange waits for a byte and a layer above is installed, it waits in slices of
    // this length and tells that layer between them (ILinkFollowUps::WaitingForTester).
    static constexpr int kWaitSliceMs = 50;

    // Port search range.
    static constexpr int kFirstPort = 1;
    static constexpr int kLastPort = 30;

    explicit CDeviceLink(CMeasurementStore& store);
    ~CDeviceLink();
    CDeviceLink(const CDeviceLink&) = delete;
    CDeviceLink& operator=(const CDeviceLink&) = delete;

    // The serial stream (the firmware check borrows it; tests shorten its time-outs).
    StreamIO::CRs232Stream& Stream() { return stream; }
    bool IsOpen() const { return stream.IsOpen(); }
    // Closes the port; never raises.
    void Close() { stream.CloseSafe(); }
    // Installs the layer above (not owned; nullptr removes it).
    void SetFollowUps(ILinkFollowUps* followUps) { this->followUps = followUps; }

    // ---- port -------------------------------------------------------------------------------
    // Records port as the store's portNumber and opens it at 38400 8N1 with RTS/CTS. 1 opened;
    // 0 not opened, -1 stream failure (the port is closed again in both cases). The reason of the
    // last failed open is kept in LastOpenProblem().
    int OpenPort(int port);
    // What the last application check heard.
    enum class ApplicationCheck {
        Application, // 01 01
        BootLoader,  // 01 02: the boot loader runs instead of the application
        NoAnswer,    // no reply, a reply cut short or garbled, a stream failure: nothing is known
    };
    // C2 F4 01 08: 1 when the tester's application answers 01 01; 0 for any other reply or none,
    // -1 on a stream failure. LastApplicationCheck() tells a boot loader from a garbled reply.
    int CheckApplication();
    ApplicationCheck LastApplicationCheck() const { return lastApplicationCheck; }
    // C1 D0 20: 1 and status = the second of two reply bytes. No reply gives -1, a stream
    // failure 0.
    int PollStatus(std::uint8_t& status);

    // ---- identification and transfer --------------------------------------------------------
    // Text exchange "@ID@": fills the store's current device.
    int Identify();
    // Text exchange "ID" on a just-opened port during the search: 1 when a Kestrel tester answered
    // and was added to the search lists, 0 otherwise, -1 on stream failure.
    int ProbeDevice(int port);
    // Probes COM1..COM30 and lists every Kestrel tester found in the store's foundDevices /
    // foundPorts; testers whose serial number begins with "RM73" come last. Leaves the port
    // closed. Returns 1.
    int ScanPorts();
    // Probes only the given ports (a device just plugged in) and adds the testers found there to
    // the search lists, keeping the testers already listed; ports outside COM1..COM30 are passed
    // over. Needs the link closed (it would take the port of an attached tester): 0 then, else the
    // number of testers added. Leaves the port closed.
    int ProbePorts(const std::vector<int>& ports);
    // Ports of the last search that exist but could not be opened (permissions), one sentence
    // each, for the user.
    const QStringList& PortProblems() const { return portProblems; }
    const QString& LastOpenProblem() const { return lastOpenProblem; }
    // Function 0x10: every stored measurement. A download that fails part-way takes back what it
    // placed, so the retry does not duplicate measurements. 0 also when the port is closed or the
    // header is missing or garbled (an empty tester sends a header of length 0).
    int ReadMeasurements();
    // Function 0x11: the measurements stored since the last download; the new series is expanded.
    // Fails and takes back what it placed as ReadMeasurements does: the tester offers the same
    // records again until one answer has reached the program whole.
    int ReadNewMeasurements();

    // ---- settings, curves and device operations ---------------------------------------------
    int ReadSettings();
    // 1 with the impact counter stored; -1 for a missing or malformed reply too; 0 port closed.
    int ReadImpactCounter();
    int WriteSettings();
    // A slot whose replies are missing or wrong falls back to the untouched curve (probe 1,
    // scale 1, material 0, offset 0) and ends the read with 0; with the port closed nothing changes.
    int ReadCustomCurves();
    // The acknowledge of each register is read and not judged: 1 once every register was sent,
    // 0 when the port is not open, -1 on a stream failure.
    int WriteCustomCurves();
    int SetClock();
    int ReadDisplay();
    // 1 and value = the reply byte (1 = keys locked).
    int ReadKeyLock(std::uint8_t& value);
    int PressKey(int key);
    int SetKeyLock(int state);
    int ClearMemory();

    // ---- scheduler -------------------------------------------------------------------------
    // Carries out the pending jobs once; the number that succeeded, or -1 when none was pending.
    // Once an exchange ended because the tester fell silent in mid-reply, the remaining jobs wait
    // for the next run instead of each waiting out its attempts on a dead line.
    int RunJobs();
    // Handles the pending status events (display, new measurements, key lock); returns 1. Stops
    // early, as RunJobs does, when the tester fell silent in mid-reply.
    int ProcessEvents();
    // The tester fell silent in the middle of a reply and has not sent a byte since. While this
    // holds, every exchange gives up after its first empty attempt: the line is taken to be
    // dead until a byte arrives, a search starts or another port is opened.
    bool LineSilent() const { return lineSilent; }

    std::uint32_t jobs = 0;
    std::uint8_t events = 0;

private:
    enum class Outcome { NotOpen, Done, StreamFailure };
    struct Reply {
        std::uint8_t bytes[16] = {};
        int count = 0;
    };

    // The exchange procedure: purge stale input, write the request, read up to `expected` bytes
    // one per read call within `attempts` calls.
    Outcome Exchange(const std::uint8_t* request, int length, int expected, int attempts, Reply& reply);
    // Reads up to `expected` bytes one per read call within `attempts` calls (stream exceptions
    // pass through). Stops early once the reply has started and the tester has been silent for
    // kReplySilenceMs (or after one empty attempt while LineSilent()).
    int ReadBytes(std::uint8_t* buffer, int expected, int attempts);
    // One read attempt: true with the byte, false when the read time-out passed without one.
    bool ReadOneByte(std::uint8_t& byte, std::int64_t waitStartMs);
    // Whether the silence since the tester's last byte ends the reply being read.
    bool SilenceEndsReply() const;
    void PrepareRequest();
    void WriteAll(const std::uint8_t* bytes, int length);
    // The text exchange: 0x10, prompt '>', command + CR, reply line. 1 with text, 0 no or bad
    // answer (stream exceptions pass through).
    int TextExchange(const char* command, QString& text);
    int Download(std::uint8_t function);
    int DownloadRecords(std::uint8_t function);
    // Tells the layer above how far a transfer has come (ILinkFollowUps::TransferProgress).
    void ReportProgress(int received, int announced);
    int SimpleAcknowledged(const std::uint8_t* request, int length);
    int FirmwareMajor() const;
    // Both register reads of one custom-curve slot: 1 stored, 0 a reply missing or wrong, -1
    // stream failure.
    int ReadCustomCurveSlot(int slot);
    void EnsureConversionTables();
    void RefreshTable();
    void RecomputeStore();
    void RefreshSettingsDialog();
    // Runs the exchanges of one job; true when it succeeded.
    bool RunJob(std::uint32_t bit);
    // What follows a job's success (store recompute, table and dialog refresh, ...).
    void FollowUp(std::uint32_t bit);

    StreamIO::CRs232Stream stream;
    CMeasurementStore& store;
    ILinkFollowUps* followUps = nullptr;
    QStringList portProblems;
    QString lastOpenProblem;
    bool lastOpenRefused = false; // the port exists but may not be opened (permissions, in use)
    std::uint8_t keyLockValue = 0; // the reply of the key-lock job, for its follow-up
    ApplicationCheck lastApplicationCheck = ApplicationCheck::NoAnswer;
    bool replyStarted = false;      // the current exchange has received a byte
    std::int64_t lastByteMs = 0;    // when the tester's last byte arrived (StreamIO::MonotonicMs)
    bool lineSilent = false;        // see LineSilent()
    bool cutBySilence = false;      // an exchange since the last RunJobs/ProcessEvents start ended for silence
    bool waitTold = false;          // the layer above was told of the current wait
};
