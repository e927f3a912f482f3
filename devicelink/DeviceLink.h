#pragma once
// CDeviceLink: the program's conversation with a connected tester over its serial port.
//
// Every binary exchange writes one request frame (0xC0 + n, a command byte 0xD0 or 0xF4, n data
// bytes whose first selects the function) and reads the reply one byte per read call, within the
// exchange's attempt limit. Every exchange answers with a LinkResult: Ok only when the reply
// arrived whole and was accepted; a stream exception never leaves the exchange.
//
// A tester answers within milliseconds. An exchange whose reply has not begun kReplySilenceMs
// after the request, or that falls silent that long in mid-reply, ends at once (NoReply or
// BadReply); until the tester sends a byte again every exchange gives up after one empty attempt
// (LineSilent()). Only clearing the memory, which the tester takes its time over, waits out its
// attempts.
//
// Other layers ask for device work by assigning a whole mask to `jobs`; RunJobs carries the
// pending jobs out once, in bit order, and clears the bit of each job that succeeded.

#include "streams/LinkResult.h"
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
    // Records port as the store's portNumber and opens it at 38400 8N1 with RTS/CTS. Ok opened;
    // NotOpen not opened, StreamFailed refused by the system (the port is closed again in both
    // cases). The reason of the last failed open is kept in LastOpenProblem().
    LinkResult OpenPort(int port);
    // What the last application check heard.
    enum class ApplicationCheck {
        Application, // 01 01
        BootLoader,  // any other complete two-byte answer: the boot loader runs instead
        NoAnswer,    // no reply, fewer than two bytes, a stream failure: no tester answered
    };
    // C2 F4 01 08: Ok when a complete two-byte answer came (LastApplicationCheck() tells the
    // application from the boot loader); NoReply or BadReply when no tester answered whole.
    LinkResult CheckApplication();
    ApplicationCheck LastApplicationCheck() const { return lastApplicationCheck; }
    // C1 D0 20: Ok and status = the second of two reply bytes.
    LinkResult PollStatus(std::uint8_t& status);

    // ---- identification and transfer --------------------------------------------------------
    // Text exchange "@ID@": fills the store's current device.
    LinkResult Identify();
    // Text exchange "ID" on a just-opened port during the search: Ok when a Kestrel tester
    // answered and was added to the search lists.
    LinkResult ProbeDevice(int port);
    // Probes COM1..COM30 and lists every Kestrel tester found in the store's foundDevices /
    // foundPorts; testers whose serial number begins with "RM73" come last. Leaves the port
    // closed.
    void ScanPorts();
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
    // placed, so the retry does not duplicate measurements. A missing or garbled header is a
    // failure (an empty tester sends a header of length 0).
    LinkResult ReadMeasurements();
    // Function 0x11: the measurements stored since the last download; the new series is expanded.
    // Fails and takes back what it placed as ReadMeasurements does: the tester offers the same
    // records again until one answer has reached the program whole.
    LinkResult ReadNewMeasurements();

    // ---- settings, curves and device operations ---------------------------------------------
    LinkResult ReadSettings();
    LinkResult ReadImpactCounter();
    LinkResult WriteSettings();
    // A slot whose replies are missing or wrong falls back to the untouched curve (probe 1,
    // scale 1, material 0, offset 0) and ends the read; with the port closed nothing changes.
    LinkResult ReadCustomCurves();
    // Every register of every slot, each acknowledged by the tester; the first register that is
    // not acknowledged ends the send (LastUnacknowledged() names it).
    LinkResult WriteCustomCurves();
    LinkResult SetClock();
    LinkResult ReadDisplay();
    // Ok and value = the reply byte (1 = keys locked).
    LinkResult ReadKeyLock(std::uint8_t& value);
    LinkResult PressKey(int key);
    LinkResult SetKeyLock(int state);
    // Asks the tester to lock (1) or unlock (0) its keys. Only an acknowledged request changes
    // the current device's keysLocked; otherwise the key-lock read is added to the pending jobs,
    // since the tester may have taken a request whose acknowledge was lost, and the next run
    // reads back what it holds.
    LinkResult ChangeKeyLock(int state);
    LinkResult ClearMemory();
    // The custom-curve register the last WriteCustomCurves could not deliver: slot and register,
    // or -1, -1 when every register was acknowledged.
    int LastUnacknowledgedSlot() const { return unacknowledgedSlot; }
    int LastUnacknowledgedRegister() const { return unacknowledgedRegister; }

    // ---- scheduler -------------------------------------------------------------------------
    // Carries out the pending jobs once; the number that succeeded, or -1 when none was pending.
    // Once an exchange found the tester silent (no reply begun, or silence in mid-reply, for
    // kReplySilenceMs), the remaining jobs wait for the next run instead of each waiting on a
    // dead line.
    int RunJobs();
    // Handles the pending status events (display, new measurements, key lock); returns 1. Stops
    // early, as RunJobs does, when the tester fell silent.
    int ProcessEvents();
    // The tester left a reply unbegun or fell silent in the middle of one, and has not sent a byte
    // since. While this holds, every exchange gives up after its first empty attempt: the line is taken to be
    // dead until a byte arrives, a search starts or another port is opened.
    bool LineSilent() const { return lineSilent; }

    std::uint32_t jobs = 0;
    std::uint8_t events = 0;

private:
    struct Reply {
        std::uint8_t bytes[16] = {};
        int count = 0;
    };

    // The exchange procedure: purge stale input, write the request, read up to `expected` bytes
    // one per read call within `attempts` calls. Ok when at least one byte came (the caller judges
    // the reply), NoReply when none did, NotOpen, StreamFailed.
    LinkResult Exchange(const std::uint8_t* request, int length, int expected, int attempts, Reply& reply);
    // Exchange, and Ok only when exactly `expected` bytes came and `accepted` holds for them;
    // otherwise BadReply.
    template <typename Accept>
    LinkResult ExchangeChecked(const std::uint8_t* request, int length, int expected, int attempts, Reply& reply,
                               Accept accepted)
    {
        const LinkResult result = Exchange(request, length, expected, attempts, reply);
        if (result != LinkResult::Ok)
            return result;
        return reply.count == expected && accepted(reply) ? LinkResult::Ok : LinkResult::BadReply;
    }
    // Reads up to `expected` bytes one per read call within `attempts` calls (stream exceptions
    // pass through). Stops early once the tester has been silent for kReplySilenceMs, counted from
    // the request until the reply begins (unless the exchange is patient), or after one empty
    // attempt while LineSilent().
    int ReadBytes(std::uint8_t* buffer, int expected, int attempts);
    // One read attempt: true with the byte, false when the read time-out passed without one.
    bool ReadOneByte(std::uint8_t& byte, std::int64_t waitStartMs);
    // Whether the silence since the tester's last byte ends the reply being read.
    bool SilenceEndsReply() const;
    void PrepareRequest();
    void WriteAll(const std::uint8_t* bytes, int length);
    // The text exchange: 0x10, prompt '>', command + CR, reply line. 1 with text, 0 no or bad
    // answer (stream exceptions pass through).
    LinkResult TextExchange(const char* command, QString& text);
    LinkResult Download(std::uint8_t function);
    LinkResult DownloadRecords(std::uint8_t function);
    // Tells the layer above how far a transfer has come (ILinkFollowUps::TransferProgress).
    void ReportProgress(int received, int announced);
    LinkResult SimpleAcknowledged(const std::uint8_t* request, int length, int attempts = 4);
    int FirmwareMajor() const;
    // Both register reads of one custom-curve slot, stored when both were accepted.
    LinkResult ReadCustomCurveSlot(int slot);
    void EnsureConversionTables();
    void RefreshTable();
    void RecomputeStore();
    void RefreshSettingsDialog();
    // Runs the exchanges of one job.
    LinkResult RunJob(std::uint32_t bit);
    // What follows a job's success (store recompute, table and dialog refresh, ...).
    void FollowUp(std::uint32_t bit);
    // A send job (settings or custom curves) that failed: dropped, told, and the settings read back.
    void SendNotAcknowledged(std::uint32_t bit);

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
    bool patientReply = false;      // the current exchange waits out its attempts for the first byte
    int unacknowledgedSlot = -1;    // see LastUnacknowledgedSlot()
    int unacknowledgedRegister = -1;
};
