// Who the simulated tester says it is: text identification, the second-generation identity and
// device id, the application check, and the port it offers.
#include "sim/SimOnLine.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <termios.h>

namespace {

struct ModelCase {
    const char* model;
    const char* typeCode;
    int recordSize;
    bool secondGeneration;
};

TEST(SimIdentification, EachModelShowsItsTypeCodeRecordSizeAndGeneration)
{
    const ModelCase cases[] = {
        {"kestrel1", "KESTREL", 11, false},
        {"kestrel2", "Kestr2 ", 13, true},
        {"tamarin1", "TAMARIN", 11, false},
        {"tamarin2", "Tamar2 ", 13, true},
    };
    for (const ModelCase& c : cases) {
        SCOPED_TRACE(c.model);
        SimOnLine t;
        ASSERT_TRUE(t.Start({"--model", c.model, "--series", "2", "--impacts", "3", "--serial", "S-42",
                             "--device-id", "0x11223344"}));

        const QByteArray probe = t.line->Text("ID");
        EXPECT_TRUE(probe.startsWith(QByteArray(c.typeCode) + ';')) << probe.toStdString();
        EXPECT_TRUE(probe.endsWith(";S-42\r")) << probe.toStdString();
        EXPECT_EQ(probe.count(';'), 2);

        const QList<QByteArray> fields = t.line->Text("@ID@").chopped(1).split(';');
        ASSERT_EQ(fields.size(), 6);
        EXPECT_EQ(fields[0], QByteArray(c.typeCode));
        EXPECT_EQ(fields[2], QByteArray("S-42"));
        // Only second-generation testers carry device class 4 in the signature's top byte.
        EXPECT_EQ(fields[3].left(2) == "04", c.secondGeneration) << fields[3].toStdString();

        const QByteArray id = t.Hex("C0F1", 5, 500);
        if (c.secondGeneration)
            EXPECT_EQ(id, QByteArray::fromHex("0444332211"));
        else
            EXPECT_TRUE(id.size() == 1 && static_cast<std::uint8_t>(id[0]) >= 0xF0) << id.toHex().toStdString();

        EXPECT_EQ(t.Hex("C2F40108", 2), QByteArray::fromHex("0101"));
        // Six records of the model's size behind the five-byte header.
        const QByteArray bulk = t.Hex("C1D010", 5 + 6 * c.recordSize);
        EXPECT_EQ(bulk.left(5), Bytes({0xEF, 0x00, 6 * c.recordSize, 0x00, 0x00}));
        EXPECT_EQ(bulk.size(), 5 + 6 * c.recordSize);
    }
}

TEST(SimIdentification, IdentityTextsComeFromTheCommandLine)
{
    SimOnLine t;
    ASSERT_TRUE(t.Start({"--model", "kestrel2", "--hardware", "", "--serial", "123", "--signature", "04A1B2C3",
                         "--firmware", "2.1", "--bootloader", "0.9"}));
    // An empty hardware revision gives two separators in a row.
    EXPECT_EQ(t.line->Text("@ID@"), QByteArray("Kestr2 ;;123;04A1B2C3;2.1;0.9\r"));
    EXPECT_EQ(t.line->Text("ID"), QByteArray("Kestr2 ;2.1;123\r"));
    // An unknown text command is answered with the error text.
    EXPECT_EQ(t.line->Text("VERSION"), QByteArray("?\r"));

    // Echo mode: the command, a space, the answer, and a line feed instead of the carriage return.
    t.Do("echo 1");
    EXPECT_EQ(t.line->Text("@ID@"), QByteArray("@ID@ Kestr2 ;;123;04A1B2C3;2.1;0.9\n"));
}

TEST(SimPort, LeavesTheLineUnconfiguredAndLinksItsPath)
{
    QTemporaryDir dir;
    const QString link = dir.filePath("ttyKestrel");
    SimProcess sim;
    QString error;
    ASSERT_TRUE(sim.Start({"--link", link}, &error)) << error.toStdString();
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), sim.SlavePath());

    // A fresh pseudo-terminal has canonical input and echo on; configuring it is the program's job.
    RawLine untouched(link, false);
    ASSERT_TRUE(untouched.IsOpen());
    termios settings{};
    ASSERT_EQ(tcgetattr(untouched.Descriptor(), &settings), 0);
    EXPECT_NE(settings.c_lflag & ICANON, 0u);
    EXPECT_NE(settings.c_lflag & ECHO, 0u);

    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_FALSE(QFileInfo::exists(link) || QFileInfo(link).isSymLink());
}

TEST(SimPort, RefusesBadCommandLines)
{
    const QStringList cases[] = {
        {"--model", "kestrel3"},
        {"--series", "1000", "--impacts", "10"}, // more than the memory holds
        {"--fixed-impacts", "0"},
        {"--clock", "yesterday"},
        {"--frobnicate"},
    };
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        SimProcess sim;
        EXPECT_FALSE(sim.Start(args));
        EXPECT_NE(sim.Stop(), 0);
    }
}

} // namespace
