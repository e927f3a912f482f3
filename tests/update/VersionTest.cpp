#include "update/Version.h"
#include "update/VersionMessage.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

namespace {

constexpr std::uint64_t V(std::uint64_t a, std::uint64_t b, std::uint64_t c, std::uint64_t d = 0)
{
    return (a << 48) | (b << 32) | (c << 16) | d;
}

struct ParseCase {
    const char* text;
    std::uint64_t value;
};

TEST(VersionTest, ParsesTextsOfOneToFourParts)
{
    const ParseCase cases[] = {
        {"1.2.3", V(1, 2, 3)},
        {"1.2.3.0", V(1, 2, 3)},
        {"1 . 2 . 3", V(1, 2, 3)},
        {" 1, 2, 3, 0 ", V(1, 2, 3)},
        {"1.2.3.", V(1, 2, 3)},
        {"2.0.1abc", V(2, 0, 1)},
        {"3.1.0.7", V(3, 1, 0, 7)},
        {"65535.65535.65535.65535", 0xFFFFFFFFFFFFFFFFULL},
        {"1.2.70000", 0},
        {"1.2.3.65536", 0},
        {"1.-2.3", 0},
        {"12345", 12345},
        {"1234567890123456789", 1234567890123456789ULL},   // 19 characters
        {"12345678901234567890", 0},                       // 20 characters
        {"-5", 0},
        {"1.5", (1ULL << 32) + 5},
        {"4294967295.4294967295", 0xFFFFFFFFFFFFFFFFULL},
        {"4294967296.1", 0},
        {"", 0},
        {"abc", 0},
        {".1.2", 0},
        {"99999999999999999999.1.2", 0},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(CVersion(QString::fromLatin1(c.text)).Value(), c.value) << c.text;
    // Two-part texts compare sensibly only with two-part texts.
    EXPECT_GT(CVersion(QStringLiteral("1.5")), CVersion(QStringLiteral("0.1.0")));
}

TEST(VersionTest, FormatsAndSplitsIntoParts)
{
    const CVersion v(QStringLiteral("3.1.0.7"));
    EXPECT_EQ(v.Format(3), QStringLiteral("3.1.0"));
    EXPECT_EQ(v.Format(4), QStringLiteral("3.1.0.7"));
    EXPECT_EQ(v.Format(2), QStringLiteral("196609.7"));
    EXPECT_EQ(v.Format(1), QString::number(qint64(V(3, 1, 0, 7))));
    EXPECT_EQ(CVersion::FromValue(0xFFFFFFFFFFFFFFFFULL).Format(0), QStringLiteral("-1"));
    const int parts[] = {3, 1, 0, 7, 0, 0};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(v.GetPart(k), parts[k]) << k;
    EXPECT_EQ(v.GetPart(4), 0);
    EXPECT_EQ(v.GetPart(-1), 0);
}

TEST(VersionTest, InstallerNames)
{
    const ParseCase cases[] = {
        {"Setup_V_2_0_1.exe", V(2, 0, 1)},
        {"Scleron_V_3_1_0.exe", V(3, 1, 0)},
        {"Setup_V_2_0_1.EXE", 0},
        {"Set.up_V_2_0_1.exe", 0},
        {"Setup_2_0_1.exe", 0},
        {"Setup_V_2_0_1.zip", 0},
        {"_V_.exe", 0},
        {"a.exe", 0},
        {"Setup_v_2_0_1.exe", 0},
        {"Setup_V_2_0_1_4.exe", V(2, 0, 1, 4)},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(CVersion::FromInstallerName(QString::fromLatin1(c.text)).Value(), c.value) << c.text;
}

TEST(VersionTest, FirmwarePackageNamesByKind)
{
    struct Case {
        const char* name;
        std::uint64_t application;
        std::uint64_t system;
    };
    const Case cases[] = {
        {"Kestrel-V1.2.3_APP.lod", V(1, 2, 3), 0},
        {"Kestrel-V1.0.3_FW.lod", V(1, 0, 3), 0},
        {"Kestrel-V2.1_OS.lod", 0, (2ULL << 32) + 1},
        {"Kestrel-V1.2.3.lod", V(1, 2, 3), V(1, 2, 3)},
        {"Kestrel-V1_2_3_FW.lod", V(1, 2, 3), 0},
        {"Kestrel-V1.2.3_XX.lod", 0, 0},
        {"Kestrel-V1.2.3_fw.lod", 0, 0},
        {"Kestrel-V1.2.3_FW.LOD", 0, 0},
        {"Kestrel-1.2.3_FW.lod", 0, 0},
        {"Kestrel-V1.2.3xlod", 0, 0},
        {"lod", 0, 0},
    };
    for (const Case& c : cases) {
        const QString name = QString::fromLatin1(c.name);
        EXPECT_EQ(CVersion::FromFirmwareName(name, CVersion::kApplicationFirmware).Value(), c.application) << c.name;
        EXPECT_EQ(CVersion::FromFirmwareName(name, CVersion::kOperatingSystem).Value(), c.system) << c.name;
        EXPECT_EQ(CVersion::FromFirmwareName(name, 3).Value(), 0u) << c.name;
    }
}

TEST(VersionMessageTest, PacksFourGroupsIntoTheTwoParameters)
{
    // wParam 131075 = high half 2, low half 3; lParam 1 = high half 0, low half 1.
    const CVersion v = UnpackVersion(131075, 1);
    EXPECT_EQ(v.GetPart(0), 3);
    EXPECT_EQ(v.GetPart(1), 2);
    EXPECT_EQ(v.GetPart(2), 1);
    EXPECT_EQ(v.GetPart(3), 0);
    const CVersion full = CVersion::FromValue(V(0xFFFE, 2, 0x8001, 4));
    const SVersionParams p = PackVersion(full);
    EXPECT_EQ(p.wParam, 0xFFFEu | (2u << 16));
    EXPECT_EQ(p.lParam, 0x8001u | (4u << 16));
    EXPECT_EQ(UnpackVersion(p.wParam, p.lParam), full);
    EXPECT_TRUE(UnpackVersion(0, 0).IsNull());
}

TEST(VersionMessageTest, PostedMessageArrivesWithItsVersion)
{
    struct Receiver : QObject {
        CVersion got;
        int id = 0;
        bool event(QEvent* e) override
        {
            if (e->type() != CVersionMessage::TypeOf(UM_FIRMWARE_VERSION))
                return QObject::event(e);
            got = static_cast<CVersionMessage*>(e)->Version();
            id = static_cast<CVersionMessage*>(e)->MessageId();
            return true;
        }
    } receiver;
    PostVersionMessage(&receiver, UM_FIRMWARE_VERSION, CVersion(QStringLiteral("1.0.3")));
    QCoreApplication::sendPostedEvents(&receiver);
    EXPECT_EQ(receiver.id, UM_FIRMWARE_VERSION);
    EXPECT_EQ(receiver.got, CVersion(QStringLiteral("1.0.3")));
}

} // namespace
