#pragma once
// The two version messages to the main frame: UM_SOFTWARE_VERSION (a newer program installer on
// the update server) and UM_FIRMWARE_VERSION (newer tester firmware). A version travels as four
// 16-bit groups in the two message parameters: wParam holds part 1 in its low and part 2 in its
// high 16 bits, lParam part 3 low and part 4 high. Background threads post them as Qt events;
// Qt drops events still queued for a receiver that is destroyed.

#include "update/Version.h"

#include <QEvent>

#include <cstdint>

class QObject;

constexpr int UM_SOFTWARE_VERSION = 0x040B;
constexpr int UM_FIRMWARE_VERSION = 0x040C;

struct SVersionParams {
    std::uint32_t wParam = 0;
    std::uint32_t lParam = 0;
};

SVersionParams PackVersion(const CVersion& version);
CVersion UnpackVersion(std::uint32_t wParam, std::uint32_t lParam);

// A window message with its two parameters. Its event type is QEvent::User + message id.
class CVersionMessage : public QEvent {
public:
    CVersionMessage(int messageId, SVersionParams params);
    static QEvent::Type TypeOf(int messageId);
    int MessageId() const { return m_messageId; }
    SVersionParams Params() const { return m_params; }
    CVersion Version() const { return UnpackVersion(m_params.wParam, m_params.lParam); }

private:
    int m_messageId;
    SVersionParams m_params;
};

// Posts messageId with version to receiver; safe from any thread while receiver exists.
void PostVersionMessage(QObject* receiver, int messageId, const CVersion& version);
