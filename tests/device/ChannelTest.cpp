// The command channel byte for byte: what goes out, which reply lines are accepted, the count byte
// of binary replies and the time-outs around them.
#include "ScriptedStream.h"

#include "device/HxCommands.h"

#include <gtest/gtest.h>

using Device::CHxCommands;

namespace {

constexpr int S = CScriptedStream::kSilence;

struct TextCase {
    const char* name;
    std::uint8_t crlfMode;
    std::string line;       // what the tester answers
    LinkResult result;
    std::string reply;      // the channel's Reply() afterwards
    std::string leftOver;   // what stays in the driver's buffer
};

TEST(HxChannel, TextCommandGoesOutAfterThePromptAndLeavesItsTimeouts)
{
    CScriptedStream stream;
    stream.AnswerText("Kestr2 ;B2;123456;04A1B2C3;1.2.3;0.9\r");
    CHxCommands channel(&stream);
    ASSERT_TRUE(channel.SetLineMode(0, false));
    ASSERT_EQ(channel.SendText("@ID@", 2000), LinkResult::Ok);
    EXPECT_STREQ(channel.Reply(), "Kestr2 ;B2;123456;04A1B2C3;1.2.3;0.9");
    EXPECT_EQ(stream.written, std::string("\x10@ID@\r"));
    EXPECT_EQ(stream.purges, 1);
    // The time-outs of the exchange stay in force afterwards.
    ASSERT_EQ(stream.timeoutCalls.size(), 1u);
    EXPECT_EQ(stream.timeoutCalls[0], std::make_pair(2000, 2000));
}

TEST(HxChannel, ReplyLinesInBothLineModes)
{
    const TextCase cases[] = {
        {"CR ends the line", 0, "ANSWER\r", LinkResult::Ok, "ANSWER", ""},
        {"CR LF: the LF waits in the driver", 0, "ANSWER\r\n", LinkResult::Ok, "ANSWER", "\n"},
        {"LF mode: a CR line is complete when the tester falls silent", 1, "ANSWER\r", LinkResult::Ok, "ANSWER", ""},
        // In LF mode a line with an LF is taken for an echoed one: without a space it has no answer.
        {"LF mode: CR LF without echo", 1, "ANSWER\r\n", LinkResult::BadReply, "", ""},
        {"echo: command, space, answer, LF", 0, "@ID@ Kestr2 ;B2\n", LinkResult::Ok, "Kestr2 ;B2", ""},
        {"echo in LF mode", 1, "@ID@ Kestr2 ;B2\n", LinkResult::Ok, "Kestr2 ;B2", ""},
        {"echo ending in CR LF", 1, "@ID@ ANSWER\r\n", LinkResult::Ok, "ANSWER", ""},
        {"echo without a space", 0, "@ID@ANSWER\n", LinkResult::BadReply, "", ""},
        {"'?' anywhere is the error answer", 0, "ANS?WER\r", LinkResult::BadReply, "ANS?WER", ""},
        {"'?' alone", 0, "?\r", LinkResult::BadReply, "?", ""},
        {"an empty answer", 0, "\r", LinkResult::Ok, "", ""},
        {"no line end before the silence", 0, "ANSWER", LinkResult::BadReply, "", ""},
        {"LF mode: no line end at all", 1, "ANSWER", LinkResult::BadReply, "", ""},
        {"nothing after the prompt", 0, "", LinkResult::BadReply, "", ""},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.name);
        CScriptedStream stream;
        stream.AnswerText(c.line);
        CHxCommands channel(&stream);
        channel.SetLineMode(c.crlfMode, false);
        EXPECT_EQ(channel.SendText("@ID@", 2000), c.result);
        EXPECT_EQ(std::string(channel.Reply()), c.reply);
        EXPECT_EQ(stream.Pending(), c.leftOver);
    }
}

TEST(HxChannel, LeftOverBytesAreDiscardedByTheNextExchange)
{
    CScriptedStream stream;
    stream.AnswerText("FIRST\r\n");
    CHxCommands channel(&stream);
    channel.SetLineMode(0, false);
    ASSERT_EQ(channel.SendText("A", 500), LinkResult::Ok);
    ASSERT_EQ(stream.Pending(), "\n");
    stream.AnswerText("SECOND\r\n");
    ASSERT_EQ(channel.SendText("B", 500), LinkResult::Ok);
    EXPECT_STREQ(channel.Reply(), "SECOND");
}

TEST(HxChannel, ALongReplyLineIsCutAfter1022BytesAndAccepted)
{
    CScriptedStream stream;
    stream.AnswerText(std::string(1100, 'A') + "\r");
    CHxCommands channel(&stream);
    channel.SetLineMode(0, false);
    ASSERT_EQ(channel.SendText("@ID@", 2000), LinkResult::Ok);
    EXPECT_EQ(std::string(channel.Reply()), std::string(1022, 'A'));
    EXPECT_EQ(stream.Pending(), std::string(78, 'A') + "\r");
}

TEST(HxChannel, AnEmptyCommandSucceedsOnAnyLine)
{
    CScriptedStream stream;
    stream.AnswerText("?\r");
    CHxCommands channel(&stream);
    channel.SetLineMode(0, false);
    EXPECT_EQ(channel.SendText("", 500), LinkResult::Ok);
    EXPECT_EQ(stream.written, std::string("\x10\r"));
}

TEST(HxChannel, WithoutAPromptTheCommandIsNotSent)
{
    CScriptedStream stream;
    stream.answerPrompt = false;
    stream.AnswerText("ANSWER\r");
    CHxCommands channel(&stream);
    EXPECT_EQ(channel.SendText("@ID@", 100), LinkResult::NoReply);
    EXPECT_EQ(stream.written, std::string("\x10"));
}

TEST(HxChannel, ReadLineLimits)
{
    CScriptedStream stream;
    CHxCommands channel(&stream);
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(channel.ReadLine(nullptr, 10), 0);
    EXPECT_EQ(channel.ReadLine(buffer, 1), 0);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(channel.ReadLine(buffer, 0), 0);

    // Size 4: at most three bytes, then the terminator.
    stream.Deliver({'A', 'B', 'C', 'D', 'E', 'F', '\r', S});
    EXPECT_EQ(channel.ReadLine(buffer, 4), 3);
    EXPECT_STREQ(buffer, "ABC");
    // In LF mode (the constructor's) the CR does not end the line; the silence after it does.
    EXPECT_EQ(channel.ReadLine(buffer, 8), 4);
    EXPECT_STREQ(buffer, "DEF\r");
    // The terminators count: "X\r\n" is three bytes.
    stream.Deliver({'X', '\r', '\n'});
    EXPECT_EQ(channel.ReadLine(buffer, 8), 3);
    EXPECT_STREQ(buffer, "X\r\n");
}

TEST(HxChannel, StreamFailuresNeverLeaveTheChannel)
{
    // Read 1 is the prompt, read 2 the first byte of the line.
    for (int failing : {1, 2, 5}) {
        SCOPED_TRACE(failing);
        CScriptedStream stream;
        stream.AnswerText("ANSWER\r");
        stream.FailRead(failing);
        CHxCommands channel(&stream);
        channel.SetLineMode(0, false);
        LinkResult result = LinkResult::Ok;
        EXPECT_NO_THROW(result = channel.SendText("@ID@", 2000));
        EXPECT_EQ(result, LinkResult::StreamFailed);
        EXPECT_STREQ(channel.Reply(), "");
    }
}

TEST(HxChannel, BinaryCommandFrameAndReply)
{
    CScriptedStream stream;
    stream.AnswerFrame({4, 0x44, 0x33, 0x22, 0x11});
    CHxCommands channel(&stream);
    const std::uint8_t data[2] = {0xAB, 0xCD};
    std::uint8_t reply[4] = {};
    int received = 0;
    EXPECT_EQ(channel.SendCommand(0x42, data, 2, reply, 4, 2000, &received), LinkResult::Ok);
    EXPECT_EQ(received, 4);
    EXPECT_EQ(stream.written, std::string("\xC2\x42\xAB\xCD", 4));
    EXPECT_EQ(reply[0], 0x44);
    EXPECT_EQ(reply[3], 0x11);
    EXPECT_EQ(stream.purges, 1);
    // The count byte and the first data byte may take the full time-out, every later byte 50 ms;
    // afterwards the full time-out is back.
    EXPECT_EQ(stream.readTimeouts, (std::vector<std::int32_t>{2000, 2000, 50, 50, 50}));
    EXPECT_EQ(stream.timeoutCalls, (std::vector<std::pair<int, int>>{{2000, 2000}, {50, 50}, {2000, 2000}}));
}

TEST(HxChannel, ShortTimeoutsAreNotLowered)
{
    CScriptedStream stream;
    stream.AnswerFrame({3, 1, 2, 3});
    CHxCommands channel(&stream);
    std::uint8_t reply[3] = {};
    EXPECT_EQ(channel.SendCommand(0x10, nullptr, 0, reply, 3, 50), LinkResult::Ok);
    EXPECT_EQ(stream.timeoutCalls, (std::vector<std::pair<int, int>>{{50, 50}}));
}

TEST(HxChannel, BinaryRepliesThatFail)
{
    struct Case {
        const char* name;
        CScriptedStream::Reply reply;
        int expected;
        LinkResult result;
        int received; // data bytes read into the reply
        int reads;    // reads the channel made
    };
    const Case cases[] = {
        {"no count byte", {S}, 4, LinkResult::NoReply, 0, 1},
        {"error count 0xF3: nothing more is read", {0xF3, 1, 2, 3, 4}, 4, LinkResult::BadReply, 0, 1},
        {"error count 240", {240}, 4, LinkResult::BadReply, 0, 1},
        {"error count 255", {255}, 4, LinkResult::BadReply, 0, 1},
        {"count other than expected", {5, 1, 2, 3, 4, 5}, 4, LinkResult::BadReply, 0, 1},
        {"tester falls silent after three bytes", {4, 1, 2, 3, S}, 4, LinkResult::BadReply, 3, 5},
        {"silent after the count", {4, S}, 4, LinkResult::BadReply, 0, 2},
        {"nothing expected: nothing read", {4, 1, 2, 3, 4}, 0, LinkResult::Ok, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CScriptedStream stream;
        stream.AnswerFrame(c.reply);
        CHxCommands channel(&stream);
        std::uint8_t reply[8] = {};
        int received = -1;
        EXPECT_EQ(channel.SendCommand(0x20, nullptr, 0, reply, c.expected, 2000, &received), c.result);
        EXPECT_EQ(received, c.received);
        EXPECT_EQ(static_cast<int>(stream.readTimeouts.size()), c.reads);
        // Whatever happened, the full time-out is what is left.
        if (!stream.timeoutCalls.empty()) {
            EXPECT_EQ(stream.timeoutCalls.back(), std::make_pair(2000, 2000));
        }
    }
}

TEST(HxChannel, RejectedArgumentsSendNothing)
{
    struct Case {
        int n;
        int expected;
        int timeout;
    };
    const Case cases[] = {{31, 4, 2000}, {-1, 4, 2000}, {0, 240, 2000}, {0, -1, 2000}, {0, 4, -1}};
    std::uint8_t data[40] = {};
    std::uint8_t reply[300] = {};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.n << " " << c.expected << " " << c.timeout);
        CScriptedStream stream;
        CHxCommands channel(&stream);
        EXPECT_EQ(channel.SendCommand(0x20, data, c.n, reply, c.expected, c.timeout), LinkResult::BadRequest);
        EXPECT_TRUE(stream.written.empty());
    }
    // Without a stream nothing can be sent at all.
    CHxCommands unbound(nullptr);
    EXPECT_EQ(unbound.SendCommand(0x20, data, 1, reply, 4, 2000), LinkResult::NotOpen);
    EXPECT_EQ(unbound.SendText("@ID@", 2000), LinkResult::NotOpen);
    // The limits themselves are allowed.
    CScriptedStream stream;
    stream.AnswerFrame({239});
    CHxCommands channel(&stream);
    int received = -1;
    EXPECT_EQ(channel.SendCommand(0x20, data, 30, reply, 239, 100, &received), LinkResult::BadReply);
    EXPECT_EQ(received, 0);
    EXPECT_EQ(stream.written.size(), 32u);
    EXPECT_EQ(static_cast<std::uint8_t>(stream.written[0]), 0xDE);
}

TEST(HxChannel, AFailureMidReplyRestoresTheTimeouts)
{
    // Read 1: count; read 2: first data byte (time-outs lowered after it); read 3 fails.
    CScriptedStream stream;
    stream.AnswerFrame({4, 1, 2, 3, 4});
    stream.FailRead(3);
    CHxCommands channel(&stream);
    std::uint8_t reply[4] = {};
    LinkResult result = LinkResult::Ok;
    EXPECT_NO_THROW(result = channel.SendCommand(0x20, nullptr, 0, reply, 4, 2000));
    EXPECT_EQ(result, LinkResult::StreamFailed);
    EXPECT_EQ(stream.timeoutCalls, (std::vector<std::pair<int, int>>{{2000, 2000}, {50, 50}, {2000, 2000}}));

    // Failing on the count byte: nothing was lowered, nothing to restore.
    CScriptedStream early;
    early.AnswerFrame({4, 1, 2, 3, 4});
    early.FailRead(1);
    CHxCommands earlyChannel(&early);
    EXPECT_EQ(earlyChannel.SendCommand(0x20, nullptr, 0, reply, 4, 2000), LinkResult::StreamFailed);
    EXPECT_EQ(early.timeoutCalls, (std::vector<std::pair<int, int>>{{2000, 2000}}));
}

TEST(HxChannel, DeviceIdIsLittleEndianAndNeedsExactlyFourBytes)
{
    struct Case {
        CScriptedStream::Reply reply;
        std::uint32_t id;
    };
    const Case cases[] = {
        {{4, 0x44, 0x33, 0x22, 0x11}, 0x11223344u},
        {{4, 0x44, 0x33, 0x22, S}, 0xFFFFFFFFu}, // count 4, only 3 bytes
        {{0xFE}, 0xFFFFFFFFu},
        {{2, 1, 2}, 0xFFFFFFFFu},
        {{S}, 0xFFFFFFFFu},
    };
    for (const Case& c : cases) {
        CScriptedStream stream;
        stream.AnswerFrame(c.reply);
        CHxCommands channel(&stream);
        EXPECT_EQ(channel.GetDeviceId(), c.id);
        EXPECT_EQ(stream.written, std::string("\xC0\xF1", 2));
    }
}

TEST(HxChannel, IdentityTextKeepsEveryByteAsItsCharacter)
{
    CScriptedStream stream;
    stream.AnswerText("Pr\xFC" "f;1\r");
    CHxCommands channel(&stream);
    channel.SetLineMode(0, false);
    std::wstring text;
    ASSERT_EQ(channel.QueryIdentity(text), LinkResult::Ok);
    EXPECT_EQ(text, L"Pr\u00FCf;1");
    EXPECT_EQ(stream.written, std::string("\x10@ID@\r"));
}

} // namespace
