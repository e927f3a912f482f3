#include "ScriptedStream.h"

#include "streams/StreamErrors.h"

#include <cerrno>

CScriptedStream::CScriptedStream()
    : CIoStream("scripted")
{
}

void CScriptedStream::AnswerText(const std::string& line, bool withSilence)
{
    textReply.assign(line.begin(), line.end());
    for (int& c : textReply)
        c = static_cast<unsigned char>(c);
    if (withSilence)
        textReply.push_back(kSilence);
}

std::string CScriptedStream::Pending() const
{
    std::string bytes;
    for (int piece : incoming) {
        if (piece != kSilence)
            bytes += static_cast<char>(piece);
    }
    return bytes;
}

void CScriptedStream::PurgeInput()
{
    ++purges;
    incoming.clear();
}

bool CScriptedStream::GetTimeouts(std::int32_t& read, std::int32_t& write)
{
    read = readTimeout;
    write = writeTimeout;
    return true;
}

bool CScriptedStream::SetTimeouts(std::int32_t read, std::int32_t write)
{
    timeoutCalls.emplace_back(read, write);
    readTimeout = read;
    writeTimeout = write;
    return true;
}

std::uint32_t CScriptedStream::Read(void* buffer, std::uint32_t count)
{
    if (++reads == failingRead)
        throw StreamIO::CFileException(EIO, GetName());
    readTimeouts.push_back(readTimeout);
    auto* out = static_cast<std::uint8_t*>(buffer);
    std::uint32_t got = 0;
    while (got < count && !incoming.empty()) {
        const int piece = incoming.front();
        incoming.pop_front();
        if (piece == kSilence)
            break;
        out[got++] = static_cast<std::uint8_t>(piece);
    }
    error_ = got == 0 && count > 0 ? StreamIO::kErrorHandleEof : 0;
    return got;
}

std::uint32_t CScriptedStream::Write(const void* buffer, std::uint32_t count)
{
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    for (std::uint32_t i = 0; i < count; ++i) {
        written += static_cast<char>(bytes[i]);
        Arrived(bytes[i]);
    }
    return count;
}

void CScriptedStream::Arrived(std::uint8_t byte)
{
    if (frameBytesLeft > 0) {
        if (--frameBytesLeft == 0)
            incoming.insert(incoming.end(), frameReply.begin(), frameReply.end());
        return;
    }
    if (inText) {
        if (byte == '\r') {
            inText = false;
            incoming.insert(incoming.end(), textReply.begin(), textReply.end());
        } else {
            command += static_cast<char>(byte);
        }
        return;
    }
    if (byte == 0x10) {
        inText = true;
        command.clear();
        if (answerPrompt)
            incoming.push_back('>');
    } else if (byte >= 0xC0 && byte <= 0xDE) {
        frameBytesLeft = byte - 0xC0 + 1; // the command code and the data bytes
    }
}
