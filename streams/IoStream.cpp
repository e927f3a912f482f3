#include "streams/IoStream.h"

#include "streams/StreamTable.h"

namespace StreamIO {

CIoStream::CIoStream(std::string name)
    : name_(std::move(name))
{
    id_ = Detail::RegisterStream(this);
}

CIoStream::~CIoStream()
{
    Detail::UnregisterStream(this, id_);
}

void CIoStream::CloseSafe()
{
    try {
        Close();
    } catch (const CFileException&) {
        // The stream is closed either way; the caller asked not to hear about it.
    }
}

void CIoStream::PurgeInput() {}
std::uint32_t CIoStream::GetInputCount() { return 0; }
void CIoStream::Flush() {}
std::uint32_t CIoStream::GetByteRate() { return 0; }
bool CIoStream::GetTimeouts(std::int32_t&, std::int32_t&) { return false; }
bool CIoStream::SetTimeouts(std::int32_t, std::int32_t) { return false; }
bool CIoStream::AbortIo() { return false; }
bool CIoStream::HasError() const { return GetError() != 0; }

bool CIoStream::IsTimeout() const
{
    const std::uint32_t code = GetError();
    return code == kErrorHandleEof || code == kErrorTimeout;
}

std::uint32_t CIoStream::GetError() const { return error_; }

std::uint8_t CIoStream::ReadByte()
{
    std::uint8_t byte = 0;
    Read(&byte, 1);
    return byte;
}

std::uint32_t CIoStream::WriteByte(std::uint8_t byte)
{
    return Write(&byte, 1);
}

bool CIoStream::IsSeekable() const { return false; }
std::uint64_t CIoStream::GetLength() { return 0; }
std::uint64_t CIoStream::GetPosition() { return 0; }
std::uint64_t CIoStream::Seek(std::int64_t, int) { return 0; }
std::uint64_t CIoStream::SeekFromStart(std::uint64_t) { return 0; }
void CIoStream::Truncate() {}

} // namespace StreamIO
