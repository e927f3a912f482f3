#include "tools/kestrel-sim/Transmitter.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace Sim {

const std::vector<std::uint8_t>& Transmitter::Send(Reply reply)
{
    Pending pending;
    pending.intact = !faults_.Apply(reply.target, reply.bytes);
    pending.bytes = std::move(reply.bytes);
    pending.onDelivered = std::move(reply.onDelivered);
    lastSent_ = pending.bytes;
    if (pending.bytes.empty())
        return lastSent_;
    if (queue_.empty() && paced_ && DueOfNextByte() < SteadyClock::now()) {
        // The line was idle: the first byte may start at once.
        pacedStart_ = SteadyClock::now();
        pacedBytes_ = 0;
    }
    queue_.push_back(std::move(pending));
    return lastSent_;
}

SteadyClock::time_point Transmitter::DueOfNextByte() const
{
    return pacedStart_ + std::chrono::nanoseconds(pacedBytes_ * 1000000000 / kPacedBytesPerSecond);
}

bool Transmitter::Due(SteadyClock::time_point now) const
{
    return !queue_.empty() && (!paced_ || DueOfNextByte() <= now);
}

std::optional<SteadyClock::time_point> Transmitter::NextDue(SteadyClock::time_point now) const
{
    if (queue_.empty() || !paced_ || Due(now))
        return std::nullopt;
    return DueOfNextByte();
}

bool Transmitter::Pump(int fd, SteadyClock::time_point now)
{
    while (!queue_.empty()) {
        Pending& front = queue_.front();
        std::size_t count = front.bytes.size() - front.sent;
        if (paced_) {
            if (DueOfNextByte() > now)
                return true;
            const auto elapsed = std::chrono::duration_cast<std::chrono::nanoseconds>(now - pacedStart_).count();
            const std::int64_t allowed = elapsed * kPacedBytesPerSecond / 1000000000 + 1 - pacedBytes_;
            count = std::min<std::size_t>(count, static_cast<std::size_t>(std::max<std::int64_t>(allowed, 1)));
        }
        const ssize_t written = ::write(fd, front.bytes.data() + front.sent, count);
        if (written < 0)
            return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
        front.sent += static_cast<std::size_t>(written);
        pacedBytes_ += written;
        if (front.sent < front.bytes.size())
            continue;
        Pending done = std::move(front);
        queue_.pop_front();
        if (done.intact && done.onDelivered)
            done.onDelivered();
    }
    return true;
}

void Transmitter::DropAll()
{
    queue_.clear();
}

} // namespace Sim
