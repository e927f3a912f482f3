#pragma once
// CHxDevice: a second-generation tester on an attached stream, and CKestrelDevice, the
// Kestrel/Tamarin family (device class 4).
//
// The life of a device object: Attach an open stream, ask ReadIdentity / GetVersions /
// GetDeviceId, Detach the stream, destroy the object. While attached the stream belongs to the
// device: destroying a device that still holds a stream destroys the stream too, so a user that
// lends a stream it owns always detaches before the device goes (DetachGuard below does that). A
// stream handed back by Detach is left open and untouched.

#include "device/Contents.h"
#include "device/DeviceIdentity.h"
#include "device/HxCommands.h"

#include <cstdint>
#include <memory>

namespace StreamIO {
class CIoStream;
}

namespace Device {

class CHxDevice {
public:
    virtual ~CHxDevice();

    CHxDevice(const CHxDevice&) = delete;
    CHxDevice& operator=(const CHxDevice&) = delete;

    // Takes the open stream with link type 1, 2 or 4 (the program uses 1): a fresh channel on it,
    // reply lines ending at CR or LF, nothing said to the tester yet. False, with nothing changed,
    // when a stream or link type is already set, for any other link type, or for a missing or
    // closed stream.
    bool Attach(StreamIO::CIoStream* stream, std::uint32_t linkType);
    // Hands the stream back (open) and forgets it: link type 0, no channel. nullptr when none.
    StreamIO::CIoStream* Detach();

    // Who the tester is; its short form goes to the caller.
    virtual bool ReadIdentity(SShortIdentity& shortIdentity) = 0;
    // The installed firmware; parse turns the tester's version texts into version values.
    virtual bool GetVersions(CContents& contents, const VersionParser& parse) = 0;
    // The tester's 32-bit id (command 0xF1): 0 without a channel, 0xFFFFFFFF when the tester does
    // not answer with exactly 4 bytes.
    std::uint32_t GetDeviceId();

    StreamIO::CIoStream* Stream() const { return stream; }
    std::uint32_t LinkType() const { return linkType; }
    CHxCommands* Channel() const { return channel.get(); }
    std::uint8_t ClassCode() const { return classCode; }

protected:
    explicit CHxDevice(std::uint8_t classCode);
    // An attached stream that is open, and a channel on it.
    bool IsReady() const;

    StreamIO::CIoStream* stream = nullptr;
    std::uint32_t linkType = 0;
    std::unique_ptr<CHxCommands> channel;
    std::uint8_t classCode;
};

class CKestrelDevice : public CHxDevice {
public:
    static constexpr std::uint8_t kClassCode = 4;

    CKestrelDevice();
    ~CKestrelDevice() override;

    // "@ID@" decoded into Identity(); see DecodeIdentity. False without an attached open stream or
    // when the tester does not answer.
    bool ReadIdentity(SShortIdentity& shortIdentity) override;
    // Identifies the tester first when its application version is not known yet, then lists the
    // application firmware (kind 1, flags 1) and the boot loader (kind 3, flags 0). This family has
    // no separate operating-system package.
    bool GetVersions(CContents& contents, const VersionParser& parse) override;

    const SDeviceIdentity& Identity() const { return identity; }

private:
    SDeviceIdentity identity;
};

// Detaches the stream from a device when the scope ends, so a borrowed stream is never destroyed
// with the device.
class DetachGuard {
public:
    explicit DetachGuard(CHxDevice& device)
        : device(device)
    {
    }
    ~DetachGuard() { device.Detach(); }
    DetachGuard(const DetachGuard&) = delete;
    DetachGuard& operator=(const DetachGuard&) = delete;

private:
    CHxDevice& device;
};

} // namespace Device
