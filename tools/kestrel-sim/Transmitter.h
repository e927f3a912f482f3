#pragma once
// The tester's transmit side: replies wait in a queue and go out through the pseudo-terminal,
// either as fast as it takes them or paced at the speed of a 38400 baud 8N1 line. With a latency
// set, the bytes then pass a USB serial adapter that holds them as its latency timer does.

#include "tools/kestrel-sim/Faults.h"
#include "tools/kestrel-sim/Framing.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace Sim {

struct Reply {
    std::vector<std::uint8_t> bytes;
    int target = kTargetOtherCommand;
    // Runs once the reply has left whole and unaltered by a fault. Replies that "consume" tester
    // state (new records, pending events) do that here, so a reply lost on the line is not lost
    // for the tester as well.
    std::function<void()> onDelivered;
};

class Transmitter {
public:
    static constexpr std::int64_t kPacedBytesPerSecond = 3840; // 38400 baud, 10 bits per byte
    // The data bytes of one USB packet of a serial adapter (64 bytes less two status bytes).
    static constexpr std::size_t kAdapterPacketBytes = 62;

    explicit Transmitter(FaultList& faults) : faults_(faults) {}

    void SetPaced(bool paced) { paced_ = paced; }
    bool Paced() const { return paced_; }
    // The adapter's latency timer: a full packet leaves at once, a packet not yet full when the
    // timer runs out (ms after its first byte, or after the previous packet left). 0: no adapter.
    void SetLatency(int ms) { latencyMs_ = ms; }
    int LatencyMs() const { return latencyMs_; }

    // Queues a reply after the armed faults had their say; returns the bytes that will go out.
    const std::vector<std::uint8_t>& Send(Reply reply);
    bool Busy() const { return !queue_.empty() || !held_.empty(); }
    // True when bytes may be written now (the caller then waits for the descriptor to be writable).
    bool Due(SteadyClock::time_point now) const;
    // When the paced line can take its next byte; nullopt when nothing waits for the clock.
    std::optional<SteadyClock::time_point> NextDue(SteadyClock::time_point now) const;
    // Writes what is due to fd (non-blocking). False on a write error other than a full buffer.
    bool Pump(int fd, SteadyClock::time_point now);
    // Forgets every queued reply (the line went dead).
    void DropAll();

private:
    struct Pending {
        std::vector<std::uint8_t> bytes;
        std::size_t sent = 0;
        bool intact = true;
        std::function<void()> onDelivered;
    };
    // A reply whose last byte sits in the adapter: delivered once the adapter let go of byte end.
    struct HeldDelivery {
        std::size_t end;
        std::function<void()> onDelivered;
    };
    SteadyClock::time_point DueOfNextByte() const;
    bool LineDue(SteadyClock::time_point now) const;
    bool AdapterDue(SteadyClock::time_point now) const;
    SteadyClock::time_point AdapterTimeout() const;
    // Writes the packets the adapter lets go of now.
    bool ReleaseHeld(int fd, SteadyClock::time_point now);

    FaultList& faults_;
    bool paced_ = false;
    std::deque<Pending> queue_;
    SteadyClock::time_point pacedStart_{};
    std::int64_t pacedBytes_ = 0;
    std::vector<std::uint8_t> lastSent_;
    int latencyMs_ = 0;
    // What the adapter holds (latency set only), since when its timer runs, and the replies that
    // end in it.
    std::vector<std::uint8_t> held_;
    SteadyClock::time_point heldSince_{};
    std::deque<HeldDelivery> heldDeliveries_;
};

} // namespace Sim
