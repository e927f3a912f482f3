#include "tools/cli/PortArgument.h"

#include "devicelink/DeviceLink.h"

int PortArgument(const QString& text)
{
    if (text.isEmpty() || text.size() > 2)
        return 0;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
    const int port = text.toInt();
    return port >= CDeviceLink::kFirstPort && port <= CDeviceLink::kLastPort ? port : 0;
}
