#include "streams/SerialSettings.h"

namespace StreamIO {

SSerialSettings DeviceLinkSerialSettings()
{
    SSerialSettings settings;
    settings.baud = 38400;
    settings.dataBits = 8;
    settings.parity = parityNone;
    settings.stopBits = stopBitsOne;
    settings.flags = flowRtsCts;
    settings.rxQueue = 4096;
    settings.txQueue = 256;
    settings.readTimeout = 1000;
    settings.writeTimeout = 100;
    return settings;
}

} // namespace StreamIO
