#pragma once
// What the device link asks of the layers above it when a job has brought new data: the table
// and the device settings dialog live there, so the application installs an implementation.
// Without one the link still updates the store; there is simply nothing to redraw.

#include <QString>

class ILinkFollowUps {
public:
    virtual ~ILinkFollowUps() = default;
    // Rebuild the measurement table from the store.
    virtual void RefreshTable() = 0;
    // Whether the device settings dialog is open, and redraw it from the store.
    virtual bool IsSettingsDialogVisible() = 0;
    virtual void RefreshSettingsDialog() = 0;
    // A measurement transfer has placed `received` of the `announced` records: called once with 0
    // when the header has arrived, then after every record. The transfer runs on the caller's
    // thread and waits for this call; the layer above may show the figures and repaint, but must
    // not start another exchange from here.
    virtual void TransferProgress(int received, int announced)
    {
        (void)received;
        (void)announced;
    }
    // An exchange has waited `waitedMs` for the tester's next byte and goes on waiting: called
    // every few tens of milliseconds while it waits (the exchange then waits in short slices).
    // As above, the layer above may show that and repaint, but must not start an exchange.
    virtual void WaitingForTester(int waitedMs) { (void)waitedMs; }
    // The waiting told above is over: the byte came, or the exchange gave up.
    virtual void TesterWaitOver() {}
    // A send of the settings or custom curves was not acknowledged and counts as not sent; the
    // text names what did not arrive. The settings are read back next, so the dialog comes to
    // show what the tester holds.
    virtual void SendNotAcknowledged(const QString& text) { (void)text; }
};
