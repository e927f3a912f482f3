// The command channel of second-generation testers: text exchanges, reply lines and short binary
// commands.
#include "device/HxCommands.h"

#include "streams/IoStream.h"
#include "streams/StreamErrors.h"

#include <cstring>

namespace Device {

CHxCommands::CHxCommands(StreamIO::CIoStream* stream)
    : stream(stream)
    , reply{}
    , crlfMode(1)
{
}

CHxCommands::~CHxCommands() = default;

bool CHxCommands::SetLineMode(std::uint8_t crlf, bool probe)
{
    if (probe)
        return false;
    crlfMode = crlf;
    return true;
}

LinkResult CHxCommands::SendText(const std::string& command, std::int32_t timeoutMs)
{
    reply[0] = '\0';
    if (stream == nullptr)
        return LinkResult::NotOpen;
    try {
        return Exchange(command, timeoutMs);
    } catch (const StreamIO::CFileException&) {
        return LinkResult::StreamFailed;
    }
}

LinkResult CHxCommands::Exchange(const std::string& command, std::int32_t timeoutMs)
{
    stream->PurgeInput();
    stream->WriteByte(kPromptRequest);
    if (!stream->SetTimeouts(timeoutMs, timeoutMs))
        return LinkResult::StreamFailed;
    std::uint8_t prompt = 0;
    if (!ReadOneByte(prompt))
        return LinkResult::NoReply;
    if (!command.empty())
        stream->Write(command.data(), static_cast<std::uint32_t>(command.size()));
    stream->WriteByte(kEndOfCommand);

    char line[kLineBufferSize];
    const int length = GatherLine(line, kLineBufferSize);
    if (length == 0)
        return LinkResult::BadReply;
    if (command.empty())
        return LinkResult::Ok;
    std::string answer;
    if (!ExtractTextAnswer(std::string(line, static_cast<std::size_t>(length)), answer))
        return LinkResult::BadReply;
    // The answer came from a line of at most 1022 bytes, so it always fits.
    std::memcpy(reply, answer.data(), answer.size());
    reply[answer.size()] = '\0';
    return answer.find('?') == std::string::npos ? LinkResult::Ok : LinkResult::BadReply;
}

bool ExtractTextAnswer(const std::string& line, std::string& answer)
{
    answer.clear();
    std::size_t start = 0;
    if (line.find('\n') != std::string::npos) {
        // Echo mode: the command, a space, then the answer.
        const std::size_t space = line.find(' ');
        if (space == std::string::npos || space + 1 >= line.size())
            return false;
        start = space + 1;
    }
    // The answer ends at the line's end: its CR, or the LF of an echoed line.
    const std::size_t end = line.find_first_of("\r\n", start);
    answer = line.substr(start, end == std::string::npos ? std::string::npos : end - start);
    return true;
}

int CHxCommands::ReadLine(char* buffer, int size)
{
    if (buffer == nullptr || size < 2) {
        if (buffer != nullptr && size == 1)
            buffer[0] = '\0';
        return 0;
    }
    try {
        return GatherLine(buffer, size);
    } catch (const StreamIO::CFileException&) {
        buffer[0] = '\0';
        return 0;
    }
}

int CHxCommands::GatherLine(char* buffer, int size)
{
    int stored = 0;
    buffer[0] = '\0';
    while (stored < size - 1) {
        std::uint8_t byte = 0;
        if (!ReadOneByte(byte)) {
            // Silence after a CR: the line ended with it (a CR-only line read in LF mode).
            if (stored > 0 && buffer[stored - 1] == '\r')
                break;
            buffer[0] = '\0';
            return 0;
        }
        buffer[stored++] = static_cast<char>(byte);
        if (byte == '\n' || (crlfMode == 0 && byte == '\r'))
            break;
    }
    buffer[stored] = '\0';
    return stored;
}

bool CHxCommands::ReadOneByte(std::uint8_t& byte)
{
    return stream->Read(&byte, 1) == 1;
}

LinkResult CHxCommands::QueryIdentity(std::wstring& text)
{
    text.clear();
    const LinkResult result = SendText("@ID@", kIdentityTimeoutMs);
    if (result != LinkResult::Ok)
        return result;
    // The tester's text is 8-bit; every byte becomes the character of the same code.
    for (const char* c = reply; *c != '\0'; ++c)
        text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(*c)));
    return LinkResult::Ok;
}

LinkResult CHxCommands::SendCommand(std::uint8_t code, const std::uint8_t* data, int n, std::uint8_t* replyBytes,
                                    int expected, std::int32_t timeoutMs, int* received)
{
    int count = 0;
    if (received != nullptr)
        *received = 0;
    if (stream == nullptr)
        return LinkResult::NotOpen;
    if (static_cast<unsigned>(n) > kMaxDataBytes || static_cast<unsigned>(expected) > kMaxReplyBytes
        || timeoutMs < 0 || (n > 0 && data == nullptr) || (expected > 0 && replyBytes == nullptr))
        return LinkResult::BadRequest;
    bool lowered = false;
    LinkResult result = LinkResult::StreamFailed;
    try {
        result = ExchangeCommand(code, data, n, replyBytes, expected, timeoutMs, lowered, count);
    } catch (const StreamIO::CFileException&) {
        if (lowered) {
            try {
                stream->SetTimeouts(timeoutMs, timeoutMs);
            } catch (const StreamIO::CFileException&) {
            }
        }
    }
    if (received != nullptr)
        *received = count;
    return result;
}

LinkResult CHxCommands::ExchangeCommand(std::uint8_t code, const std::uint8_t* data, int n,
                                        std::uint8_t* replyBytes, int expected, std::int32_t timeoutMs,
                                        bool& lowered, int& received)
{
    std::uint8_t frame[2 + kMaxDataBytes];
    frame[0] = static_cast<std::uint8_t>(kShortFrameBase + n);
    frame[1] = code;
    if (n > 0)
        std::memcpy(frame + 2, data, static_cast<std::size_t>(n));
    stream->PurgeInput();
    const auto frameSize = static_cast<std::uint32_t>(n + 2);
    if (stream->Write(frame, frameSize) != frameSize)
        return LinkResult::StreamFailed;
    if (expected == 0)
        return LinkResult::Ok;

    stream->SetTimeouts(timeoutMs, timeoutMs);
    std::uint8_t count = 0;
    if (!ReadOneByte(count))
        return LinkResult::NoReply;
    if (count >= kFirstErrorCount || count != expected)
        return LinkResult::BadReply;
    while (received < count) {
        if (!ReadOneByte(replyBytes[received]))
            break;
        ++received;
        if (received == 1 && timeoutMs > kByteTimeoutMs) {
            // The reply is under way: a tester that stops in the middle of it is not waited for
            // with the full time-out per byte.
            lowered = true;
            stream->SetTimeouts(kByteTimeoutMs, kByteTimeoutMs);
        }
    }
    if (lowered) {
        stream->SetTimeouts(timeoutMs, timeoutMs);
        lowered = false;
    }
    return received == count ? LinkResult::Ok : LinkResult::BadReply;
}

std::uint32_t CHxCommands::GetDeviceId()
{
    std::uint8_t bytes[4] = {};
    if (SendCommand(kDeviceIdCommand, nullptr, 0, bytes, 4, kDeviceIdTimeoutMs) != LinkResult::Ok)
        return kNoDeviceId;
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8)
        | (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

} // namespace Device
