#include "update/VersionMessage.h"

#include <QCoreApplication>

SVersionParams PackVersion(const CVersion& version)
{
    SVersionParams p;
    p.wParam = std::uint32_t(version.GetPart(0)) | (std::uint32_t(version.GetPart(1)) << 16);
    p.lParam = std::uint32_t(version.GetPart(2)) | (std::uint32_t(version.GetPart(3)) << 16);
    return p;
}

CVersion UnpackVersion(std::uint32_t wParam, std::uint32_t lParam)
{
    const std::uint64_t value = (std::uint64_t(wParam & 0xFFFF) << 48) | (std::uint64_t(wParam >> 16) << 32)
        | (std::uint64_t(lParam & 0xFFFF) << 16) | std::uint64_t(lParam >> 16);
    return CVersion::FromValue(value);
}

CVersionMessage::CVersionMessage(int messageId, SVersionParams params)
    : QEvent(TypeOf(messageId))
    , m_messageId(messageId)
    , m_params(params)
{
}

QEvent::Type CVersionMessage::TypeOf(int messageId)
{
    return static_cast<QEvent::Type>(QEvent::User + messageId);
}

void PostVersionMessage(QObject* receiver, int messageId, const CVersion& version)
{
    if (receiver)
        QCoreApplication::postEvent(receiver, new CVersionMessage(messageId, PackVersion(version)));
}
