#pragma once
// The requests the tester received, as hex, for "show log": lets a test check the exact bytes a
// program sent. Bounded: the oldest entries go first.

#include <cstddef>
#include <deque>
#include <string>

namespace Sim {

class RequestLog {
public:
    static constexpr std::size_t kMaxEntries = 2000;

    void Add(std::string entry)
    {
        if (entries_.size() >= kMaxEntries) {
            entries_.pop_front();
            ++lost_;
        }
        entries_.push_back(std::move(entry));
    }
    // Every entry since the last call, separated by " | "; then forgets them.
    std::string Take()
    {
        std::string text;
        if (lost_ > 0)
            text = "(" + std::to_string(lost_) + " older requests not kept)";
        for (const std::string& entry : entries_) {
            if (!text.empty())
                text += " | ";
            text += entry;
        }
        entries_.clear();
        lost_ = 0;
        return text;
    }

private:
    std::deque<std::string> entries_;
    std::size_t lost_ = 0;
};

} // namespace Sim
