#pragma once
// CRs232Stream: the serial-port stream. A CFileStream opened on a serial device (found through the
// COM-number mapping of SerialPorts.h) with line settings, queues and time-outs.
//
// Reads and writes are those of CFileStream, bounded by the time-outs. Seeking does nothing.

#include "streams/FileStream.h"
#include "streams/SerialSettings.h"

namespace StreamIO {

// Whether the driver took the request for low-latency mode on the last open.
enum class LowLatency {
    NotAsked, // the port was not opened through OpenComPort or Reopen
    On,       // the driver reports the mode on (asked for now or left on from before)
    Refused,  // the driver has no such mode or did not keep it (a pseudo-terminal, CDC-ACM)
};

class CRs232Stream : public CFileStream {
public:
    // Settings: magic 0xA500, 9600 baud, 8N1, flags 0, queues 1024/256, time-outs 500/10 ms.
    // Closed, empty name.
    CRs232Stream();

    // Opens the stored port again with the stored mode, then ApplySettings with the stored
    // record; returns error == 0. A port opened with OpenComPort is looked up again by its COM
    // number (a USB tester that re-enumerated may have a new device node). False when nothing
    // was opened before.
    bool Reopen() override;
    // With modeRead: discards the receive buffer (tcflush). Failure raises.
    void PurgeInput() override;
    // Without modeRead: 0, the port untouched. Else the number of bytes in the receive queue.
    // Failure raises.
    std::uint32_t GetInputCount() override;
    // (baud / frameBits) * dataBits / 8 from the stored settings; frameBits = 10, +1 with parity,
    // +1 when stopBits is not 0. 38400 8N1 gives 3840.
    std::uint32_t GetByteRate() override;
    bool IsSeekable() const override;
    std::uint64_t GetLength() override;
    std::uint64_t GetPosition() override;
    std::uint64_t Seek(std::int64_t offset, int origin) override;
    std::uint64_t SeekFromStart(std::uint64_t offset) override;
    void Truncate() override;

    // OpenComPort(port, mode, settings or nullptr):
    // 1. settings with a magic other than 0xA500: error = kErrorInvalidParameter (87), false,
    //    nothing opened.
    // 2. The device path of COM port (SerialPortPath). An unmapped number raises CFileException
    //    with ENOENT and the name "COM<n>".
    // 3. Open(path, mode without its creation field). Raises for a port that is absent, in use
    //    (EBUSY) or not accessible (EACCES: the message names the device and the dialout fix);
    //    an already open stream returns false with error 50.
    //    Low-latency mode is asked for (TIOCSSERIAL with ASYNC_LOW_LATENCY, which USB serial
    //    adapters map to a 1 ms latency timer) and read back: GetLowLatency() tells whether it took.
    // 4. settings given: copied into the stream's record and applied (ApplySettings); else the
    //    port's current settings are read into the record (GetSettings).
    // 5. Returns error == 0. When step 4 fails the port stays open; the caller closes it.
    bool OpenComPort(unsigned port, std::uint32_t mode, const SSerialSettings* settings = nullptr);

    // Reads the port's line settings. Failure: the record becomes all zero, error = errno,
    // false. Parity and stop bits come back in the record's numbering; flags report XON/XOFF and
    // RTS/CTS (never rtsDisable); rxQueue/txQueue are the queue sizes last applied (4096 each
    // after an open, as the tty layer buffers), 0xFFFF when larger; time-outs from GetTimeouts.
    bool GetSettings(SSerialSettings& record);

    // Applies a settings record to the open port; steps:
    // 1. error = 0. Unsupported values fail before anything is changed: baud not a rate the
    //    system knows, dataBits outside 5..8, parity outside 0..4, stopBits outside 0..2, one
    //    and a half stop bits with other than 5 data bits or two with 5 ->
    //    kErrorInvalidParameter (87); flowDtrDsr -> kErrorNotSupported (50) (Linux has no DSR
    //    flow control).
    // 2. Queues: Linux has no queue-size setting; the requested sizes are kept as the current
    //    ones (the maximum counts as unlimited).
    // 3. Raw line: no character processing, parity checking exactly when parity is not none,
    //    mark/space parity through CMSPAR, one and a half stop bits as the UART's long stop
    //    (CSTOPB), RTS/CTS from flowRtsCts, XON/XOFF (0x11/0x13) from flowXonXoff, DTR on, RTS on
    //    unless rtsDisable (modem lines are set where the port has them; a pseudo-terminal has
    //    none). The port is checked afterwards: rate or framing the driver did not take (a
    //    pseudo-terminal takes no parity and only 8 data bits) fail with 50. A driver without
    //    hardware flow control keeps the line working without it; GetSettings then reports it
    //    off.
    // 4. A failed system call stores errno and returns false without raising.
    // 5. readTimeout or writeTimeout non-zero: SetTimeouts(readTimeout, writeTimeout); when both
    //    are 0 the time-outs stay as they are.
    // Returns error == 0.
    bool ApplySettings(const SSerialSettings& record);

    // The stream's settings record (the one applied or read back last).
    const SSerialSettings& Settings() const { return settings_; }
    // The COM number of the last OpenComPort; 0 when the stream was opened by path.
    unsigned GetPortNumber() const { return portNumber_; }
    // Whether low-latency mode took on the last OpenComPort or Reopen.
    LowLatency GetLowLatency() const { return lowLatency_; }

    bool Open(const std::string& name, std::uint32_t mode) override;

private:
    // The size the tty layer buffers each way, reported as the queue sizes until settings are
    // applied.
    static constexpr std::uint16_t kTtyBufferSize = 4096;

    void EnableLowLatency();
    void ResetQueues();

    SSerialSettings settings_;
    unsigned portNumber_ = 0;
    LowLatency lowLatency_ = LowLatency::NotAsked;
    std::uint16_t currentRxQueue_ = kTtyBufferSize;
    std::uint16_t currentTxQueue_ = kTtyBufferSize;
};

} // namespace StreamIO
