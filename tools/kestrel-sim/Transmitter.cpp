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

bool Transmitter::LineDue(SteadyClock::time_point now) const
{
    return !queue_.empty() && (!paced_ || DueOfNextByte() <= now);
}

SteadyClock::time_point Transmitter::AdapterTimeout() const
{
    return heldSince_ + std::chrono::milliseconds(latencyMs_);
}

bool Transmitter::AdapterDue(SteadyClock::time_point now) const
{
    return !held_.empty() && (held_.size() >= kAdapterPacketBytes || AdapterTimeout() <= now);
}

bool Transmitter::Due(SteadyClock::time_point now) const
{
    return LineDue(now) || AdapterDue(now);
}

std::optional<SteadyClock::time_point> Transmitter::NextDue(SteadyClock::time_point now) const
{
    if (Due(now))
        return std::nullopt;
    std::optional<SteadyClock::time_point> next;
    if (!queue_.empty() && paced_)
        next = DueOfNextByte();
    if (!held_.empty() && (!next || AdapterTimeout() < *next))
        next = AdapterTimeout();
    return next;
}

bool Transmitter::Pump(int fd, SteadyClock::time_point now)
{
    while (LineDue(now)) {
        Pending& front = queue_.front();
        std::size_t count = front.bytes.size() - front.sent;
        if (paced_) {
            const auto elapsed = std::chrono::duration_cast<std::chrono::nanoseconds>(now - pacedStart_).count();
            const std::int64_t allowed = elapsed * kPacedBytesPerSecond / 1000000000 + 1 - pacedBytes_;
            count = std::min<std::size_t>(count, static_cast<std::size_t>(std::max<std::int64_t>(allowed, 1)));
        }
        ssize_t written = static_cast<ssize_t>(count);
        if (latencyMs_ > 0) {
            // Into the adapter; its timer starts with the first byte it holds.
            if (held_.empty())
                heldSince_ = now;
            held_.insert(held_.end(), front.bytes.begin() + static_cast<std::ptrdiff_t>(front.sent),
                         front.bytes.begin() + static_cast<std::ptrdiff_t>(front.sent + count));
        } else {
            written = ::write(fd, front.bytes.data() + front.sent, count);
            if (written < 0)
                return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
        }
        front.sent += static_cast<std::size_t>(written);
        pacedBytes_ += written;
        if (front.sent < front.bytes.size())
            continue;
        Pending done = std::move(front);
        queue_.pop_front();
        if (!done.intact || !done.onDelivered)
            continue;
        if (latencyMs_ > 0)
            heldDeliveries_.push_back({held_.size(), std::move(done.onDelivered)});
        else
            done.onDelivered();
    }
    return ReleaseHeld(fd, now);
}

bool Transmitter::ReleaseHeld(int fd, SteadyClock::time_point now)
{
    while (AdapterDue(now)) {
        const std::size_t count = std::min(held_.size(), kAdapterPacketBytes);
        const ssize_t written = ::write(fd, held_.data(), count);
        if (written < 0)
            return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
        const auto sent = static_cast<std::size_t>(written);
        held_.erase(held_.begin(), held_.begin() + static_cast<std::ptrdiff_t>(sent));
        // The timer starts again once a packet has left.
        heldSince_ = now;
        std::vector<std::function<void()>> delivered;
        for (HeldDelivery& delivery : heldDeliveries_)
            delivery.end -= std::min(delivery.end, sent);
        while (!heldDeliveries_.empty() && heldDeliveries_.front().end == 0) {
            delivered.push_back(std::move(heldDeliveries_.front().onDelivered));
            heldDeliveries_.pop_front();
        }
        for (auto& onDelivered : delivered)
            onDelivered();
    }
    return true;
}

void Transmitter::DropAll()
{
    queue_.clear();
    held_.clear();
    heldDeliveries_.clear();
}

} // namespace Sim
