#pragma once
// The process-wide table of live streams (internal to the stream layer).

#include <cstdint>

namespace StreamIO {
class CIoStream;
namespace Detail {

// Puts the stream into the first free slot and returns its id; 0 when the table is full.
std::uint32_t RegisterStream(CIoStream* stream);
// Frees the stream's slot when the id still names that stream.
void UnregisterStream(CIoStream* stream, std::uint32_t id);

} // namespace Detail
} // namespace StreamIO
