// The Kestrel/Tamarin family: identification and installed firmware.
#include "device/HxDevice.h"

namespace Device {

CKestrelDevice::CKestrelDevice()
    : CHxDevice(kClassCode)
{
}

CKestrelDevice::~CKestrelDevice() = default;

bool CKestrelDevice::ReadIdentity(SShortIdentity& shortIdentity)
{
    if (!IsReady())
        return false;
    std::wstring answer;
    if (channel->QueryIdentity(answer) != LinkResult::Ok)
        return false;
    return DecodeIdentity(answer, classCode, identity, shortIdentity);
}

bool CKestrelDevice::GetVersions(CContents& contents, const VersionParser& parse)
{
    if (identity.applicationVersion.empty()) {
        SShortIdentity scratch;
        if (!ReadIdentity(scratch))
            return false;
    }
    const auto valueOf = [&parse](const std::wstring& text) -> std::uint64_t { return parse ? parse(text) : 0; };
    contents.entries.clear();
    SContentEntry application;
    application.flagA = 1;
    application.flagB = 1;
    application.kind = kContentApplication;
    application.version = valueOf(identity.applicationVersion);
    contents.entries.push_back(application);
    SContentEntry bootloader;
    bootloader.kind = kContentBootloader;
    bootloader.version = valueOf(identity.bootloaderVersion);
    contents.entries.push_back(bootloader);
    return true;
}

} // namespace Device
