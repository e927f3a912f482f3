#pragma once
// The testers a port search found (the store's foundDevices / foundPorts) and how the connect
// flow takes one of them over as the current device.

class CMeasurementStore;

// Appends the second search list (testers listed last) to the first and empties it.
void AppendLaterDevices(CMeasurementStore& store);
// Removes the testers found on port from the search lists (its port is gone); returns how many.
int ForgetFoundPort(CMeasurementStore& store, int port);
// Copies product name, firmware version (and its numbers, when the text has all three) and serial
// number of found tester index into the current device, as attaching it does.
void AdoptFoundDevice(CMeasurementStore& store, int index);
