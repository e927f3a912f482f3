#pragma once
// The state of the Caps Lock and Num Lock keys for the status bar's indicators, read from the
// keyboard LEDs the kernel lists under /sys/class/leds ("input3::capslock", ...). A key counts
// as on when any keyboard shows its LED lit; with no such LED it counts as off.

#include <QString>

enum class LockKey { Caps, Num };

bool LockKeyOn(LockKey key, const QString& ledsFolder = QStringLiteral("/sys/class/leds"));
