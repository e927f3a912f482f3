// Names of exchange results for test output and diagnostics.
#include "streams/LinkResult.h"

const char* LinkResultName(LinkResult result)
{
    switch (result) {
    case LinkResult::Ok: return "ok";
    case LinkResult::NoReply: return "no reply";
    case LinkResult::BadReply: return "bad reply";
    case LinkResult::NotOpen: return "port not open";
    case LinkResult::StreamFailed: return "stream failed";
    case LinkResult::BadRequest: return "bad request";
    }
    return "?";
}
