// The device object's stream and channel: attaching, detaching, the device id.
#include "device/HxDevice.h"

#include "streams/IoStream.h"

namespace Device {

CHxDevice::CHxDevice(std::uint8_t classCode)
    : classCode(classCode)
{
}

CHxDevice::~CHxDevice()
{
    channel.reset();
    delete stream;
}

bool CHxDevice::Attach(StreamIO::CIoStream* newStream, std::uint32_t newLinkType)
{
    if (stream != nullptr || linkType != 0)
        return false;
    if (newLinkType != 1 && newLinkType != 2 && newLinkType != 4)
        return false;
    if (newStream == nullptr || !newStream->IsOpen())
        return false;
    stream = newStream;
    linkType = newLinkType;
    channel = std::make_unique<CHxCommands>(stream);
    channel->SetLineMode(0, false);
    return true;
}

StreamIO::CIoStream* CHxDevice::Detach()
{
    StreamIO::CIoStream* released = stream;
    stream = nullptr;
    linkType = 0;
    channel.reset();
    return released;
}

std::uint32_t CHxDevice::GetDeviceId()
{
    return channel ? channel->GetDeviceId() : 0;
}

bool CHxDevice::IsReady() const
{
    return stream != nullptr && stream->IsOpen() && channel != nullptr;
}

} // namespace Device
