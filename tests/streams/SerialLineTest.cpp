// The translation between the settings record and the terminal line state, for the framings a
// pseudo-terminal cannot carry (data bits, parity).
#include "streams/SerialLine.h"

#include <gtest/gtest.h>

using namespace StreamIO;
using namespace StreamIO::Detail;

TEST(SerialLine, FramingRoundTripsThroughTheLineState)
{
    struct Case {
        std::uint8_t dataBits;
        std::int32_t parity;
        std::int32_t stopBits;
        tcflag_t cflagBits; // the control bits the line must carry
    } cases[] = {
        {8, parityNone, stopBitsOne, CS8},
        {8, parityEven, stopBitsOne, CS8 | PARENB},
        {8, parityOdd, stopBitsOne, CS8 | PARENB | PARODD},
        {7, parityMark, stopBitsTwo, CS7 | PARENB | PARODD | CMSPAR | CSTOPB},
        {6, paritySpace, stopBitsOne, CS6 | PARENB | CMSPAR},
        {5, parityNone, stopBitsOneAndHalf, CS5 | CSTOPB},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.dataBits) << " bits, parity " << c.parity << ", stop " << c.stopBits);
        SSerialSettings settings;
        settings.baud = 57600;
        settings.dataBits = c.dataBits;
        settings.parity = c.parity;
        settings.stopBits = c.stopBits;
        settings.flags = flowRtsCts | flowXonXoff;
        ASSERT_TRUE(IsRepresentable(settings));
        termios line {};
        BuildLineState(line, settings);
        EXPECT_EQ(line.c_cflag & (CSIZE | PARENB | PARODD | CMSPAR | CSTOPB), c.cflagBits);
        EXPECT_EQ((line.c_iflag & INPCK) != 0, c.parity != parityNone);
        EXPECT_EQ(cfgetospeed(&line), speed_t(B57600));
        EXPECT_EQ(line.c_cc[VSTART], 0x11);
        EXPECT_EQ(line.c_cc[VSTOP], 0x13);

        SSerialSettings back {};
        ReadLineState(line, back);
        EXPECT_EQ(back.baud, 57600u);
        EXPECT_EQ(back.dataBits, c.dataBits);
        EXPECT_EQ(back.parity, c.parity);
        EXPECT_EQ(back.stopBits, c.stopBits);
        EXPECT_EQ(back.flags, flowRtsCts | flowXonXoff);
    }
}
