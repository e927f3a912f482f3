// Decoding the "@ID@" answer, and the device object's attach/detach rules, identification and
// installed firmware on a scripted stream.
#include "ScriptedStream.h"

#include "device/HxDevice.h"

#include <gtest/gtest.h>

using namespace Device;

namespace {

struct DecodeCase {
    const char* name;
    const wchar_t* answer;
    bool ok;
    const wchar_t* type;
    const wchar_t* hardware;
    const wchar_t* bootloader;
};

TEST(HxIdentity, DecodingTheAnswer)
{
    const DecodeCase cases[] = {
        {"all six fields", L"Kestr2 ;B2;123456;04A1B2C3;1.2.3;0.9", true, L"Lexamet Kestrel 2", L"B2", L"0.9"},
        {"another device class", L"Kestr2 ;B2;123456;03A1B2C3;1.2.3;0.9", false, L"Lexamet Kestrel 2", L"B2", L"0.9"},
        {"empty hardware revision", L"Kestr2 ;;123456;04A1B2C3;1.2.3;0.9", true, L"Lexamet Kestrel 2", L"-", L"0.9"},
        {"five fields: no boot loader version", L"Tamar2 ;B2;123456;04A1B2C3;1.2.3", true, L"Lexamet Tamarin 2",
         L"B2", L""},
        // The identification stops before the type code is looked up.
        {"four fields", L"Kestr2 ;B2;123456;04A1B2C3", false, L"Kestr2 ", L"B2", L""},
        {"type code in other letter case", L"kestr2 ;B2;123456;04A1B2C3;1.2.3;0.9", true, L"kestr2 ", L"B2", L"0.9"},
        {"first-generation names", L"KESTREL;B2;1;04000001;1.0;0.1", true, L"Lexamet Kestrel 1", L"B2", L"0.1"},
        {"TAMARIN", L"TAMARIN;B2;1;04000001;1.0;0.1", true, L"Lexamet Tamarin 1", L"B2", L"0.1"},
        {"signature not hexadecimal", L"Kestr2 ;B2;123456;04A1B2CX;1.2.3;0.9", false, L"Lexamet Kestrel 2", L"B2",
         L"0.9"},
        {"signature wider than 32 bits", L"Kestr2 ;B2;123456;104A1B2C3;1.2.3;0.9", false, L"Lexamet Kestrel 2", L"B2",
         L"0.9"},
        {"signature with 0x", L"Kestr2 ;B2;123456;0x04A1B2C3;1.2.3;0.9", true, L"Lexamet Kestrel 2", L"B2", L"0.9"},
        // Three separators in a row: one field reads "-", the other empty piece is skipped.
        {"three separators", L"Kestr2 ;;;123456;04A1B2C3;1.2.3", true, L"Lexamet Kestrel 2", L"-", L""},
        {"three separators, one field short", L"Kestr2 ;;;04A1B2C3;1.2.3", false, L"Kestr2 ", L"-", L""},
        {"empty answer", L"", false, L"", L"", L""},
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        SDeviceIdentity identity;
        SShortIdentity shortIdentity;
        EXPECT_EQ(DecodeIdentity(c.answer, CKestrelDevice::kClassCode, identity, shortIdentity), c.ok);
        EXPECT_EQ(identity.type, std::wstring(c.type));
        EXPECT_EQ(identity.hardwareRevision, std::wstring(c.hardware));
        EXPECT_EQ(identity.bootloaderVersion, std::wstring(c.bootloader));
    }
}

TEST(HxIdentity, ShortIdentityAndFieldOrder)
{
    SDeviceIdentity identity;
    SShortIdentity shortIdentity;
    ASSERT_TRUE(DecodeIdentity(L"Kestr2 ;B2;123456;04A1B2C3;1.2.3;0.9", 4, identity, shortIdentity));
    EXPECT_EQ(identity.serialNumber, L"123456");
    EXPECT_EQ(identity.signature, L"04A1B2C3");
    EXPECT_EQ(identity.applicationVersion, L"1.2.3");
    EXPECT_EQ(shortIdentity.type, L"Lexamet Kestrel 2");
    EXPECT_EQ(shortIdentity.applicationVersion, L"1.2.3");
    EXPECT_EQ(shortIdentity.serialNumber, L"123456");
    EXPECT_EQ(MarkEmptyFields(L"a;;b;;;c"), L"a;-;b;-;;c");
}

// A scripted stream that notes when it is destroyed.
struct WatchedStream : CScriptedStream {
    explicit WatchedStream(bool* destroyed)
        : destroyed(destroyed)
    {
    }
    ~WatchedStream() override { *destroyed = true; }
    bool* destroyed;
};

TEST(HxDevice, AttachRules)
{
    bool destroyed = false;
    auto* stream = new WatchedStream(&destroyed);
    {
        CKestrelDevice device;
        EXPECT_EQ(device.ClassCode(), 4);
        EXPECT_EQ(device.GetDeviceId(), 0u) << "no channel";
        EXPECT_FALSE(device.Attach(nullptr, 1));
        EXPECT_FALSE(device.Attach(stream, 3));
        EXPECT_FALSE(device.Attach(stream, 0));
        stream->open = false;
        EXPECT_FALSE(device.Attach(stream, 1));
        stream->open = true;
        ASSERT_TRUE(device.Attach(stream, 1));
        EXPECT_EQ(device.LinkType(), 1u);
        ASSERT_NE(device.Channel(), nullptr);
        EXPECT_EQ(device.Channel()->LineMode(), 0) << "CR or LF ends a reply line";
        EXPECT_TRUE(stream->written.empty()) << "attaching says nothing to the tester";
        EXPECT_FALSE(device.Attach(stream, 1)) << "already attached";

        EXPECT_EQ(device.Detach(), stream);
        EXPECT_EQ(device.LinkType(), 0u);
        EXPECT_EQ(device.Channel(), nullptr);
        EXPECT_EQ(device.Detach(), nullptr);
    }
    // The device gave the stream back: it is neither closed nor destroyed.
    EXPECT_FALSE(destroyed);
    EXPECT_TRUE(stream->IsOpen());

    // A device destroyed with its stream still attached takes the stream with it.
    {
        CKestrelDevice device;
        ASSERT_TRUE(device.Attach(stream, 4));
    }
    EXPECT_TRUE(destroyed);
}

TEST(HxDevice, DetachGuardKeepsALentStream)
{
    bool destroyed = false;
    WatchedStream stream(&destroyed);
    {
        CKestrelDevice device;
        DetachGuard guard(device);
        ASSERT_TRUE(device.Attach(&stream, 1));
    }
    EXPECT_FALSE(destroyed);
}

std::uint64_t FakeVersionValue(const std::wstring& text)
{
    // Enough for the test: the text's length and first character tell the versions apart.
    return text.empty() ? 0 : (static_cast<std::uint64_t>(text.size()) << 16) | static_cast<std::uint64_t>(text[0]);
}

TEST(HxDevice, IdentityAndVersionsOverTheChannel)
{
    CScriptedStream stream;
    stream.AnswerText("Kestr2 ;B2;123456;04A1B2C3;1.2.3;0.9\r");
    CKestrelDevice device;
    DetachGuard guard(device);
    ASSERT_TRUE(device.Attach(&stream, 1));

    CContents contents;
    contents.entries.resize(5); // emptied first
    // The application version is not known yet: GetVersions identifies the tester first.
    ASSERT_TRUE(device.GetVersions(contents, FakeVersionValue));
    EXPECT_EQ(stream.written, std::string("\x10@ID@\r"));
    ASSERT_EQ(contents.entries.size(), 2u);
    EXPECT_EQ(contents.entries[0].kind, kContentApplication);
    EXPECT_EQ(contents.entries[0].flagA, 1);
    EXPECT_EQ(contents.entries[0].flagB, 1);
    EXPECT_EQ(contents.entries[0].version, FakeVersionValue(L"1.2.3"));
    EXPECT_EQ(contents.entries[1].kind, kContentBootloader);
    EXPECT_EQ(contents.entries[1].flagA, 0);
    EXPECT_EQ(contents.entries[1].version, FakeVersionValue(L"0.9"));
    EXPECT_EQ(contents.version, 0u);

    // Once identified, the versions need no further exchange.
    stream.written.clear();
    ASSERT_TRUE(device.GetVersions(contents, FakeVersionValue));
    EXPECT_TRUE(stream.written.empty());
    EXPECT_EQ(contents.entries.size(), 2u);
}

TEST(HxDevice, NothingToAskWithoutAnOpenStream)
{
    CKestrelDevice device;
    SShortIdentity shortIdentity;
    EXPECT_FALSE(device.ReadIdentity(shortIdentity));
    CContents contents;
    EXPECT_FALSE(device.GetVersions(contents, FakeVersionValue));

    CScriptedStream stream;
    DetachGuard guard(device);
    ASSERT_TRUE(device.Attach(&stream, 1));
    stream.open = false;
    EXPECT_FALSE(device.ReadIdentity(shortIdentity));
    EXPECT_TRUE(stream.written.empty());
}

} // namespace
