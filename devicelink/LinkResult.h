#pragma once
// The outcome of one exchange with a tester, the same for every exchange of the link.

enum class LinkResult {
    Ok,           // the reply arrived whole and was accepted
    NoReply,      // not one byte came back: the tester is silent (cable pulled, tester off)
    BadReply,     // an answer came, but cut short, refused or not what the request asks for
    NotOpen,      // the port is not open: nothing was sent
    StreamFailed, // the serial port itself failed (the operating system reported an error)
};

inline bool Succeeded(LinkResult result) { return result == LinkResult::Ok; }

// A short English name for test output and diagnostics ("no reply").
const char* LinkResultName(LinkResult result);
