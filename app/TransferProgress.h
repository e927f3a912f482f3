#pragma once
// The progress of a long measurement transfer in the status bar. The transfer keeps the
// user-interface thread busy for seconds (a full memory is tens of thousands of bytes at 38400
// baud, read one byte per call), so the figures are shown and the window repainted from inside it.
// A transfer that is over within kQuietMs shows nothing; after that the figures are shown at most
// every kEveryMs. When the link's work is over, the status text from before it comes back.
//
// Any exchange that waits for the tester (a slow answer, a pulled cable) is told the same way:
// after kQuietMs of waiting the status bar says the program waits for the tester, and the window
// is repainted at most every kEveryMs, so it never looks frozen; when the wait is over the text
// from before it comes back. The window is repainted directly, not through the event loop: no
// command, timer or close can start in the middle of an exchange.

#include <QElapsedTimer>
#include <QString>

#include <functional>

class CTransferProgress {
public:
    static constexpr int kQuietMs = 250;
    static constexpr int kEveryMs = 100;

    struct Hooks {
        std::function<QString()> statusText;                // the status text shown now
        std::function<void(const QString&)> showStatus;     // shows a status text
        std::function<void()> repaint;                      // repaints the window at once
    };

    explicit CTransferProgress(Hooks hooks);

    // The link's work begins / is over. Reports outside Begin .. End are ignored.
    void Begin();
    void End();
    // A transfer has placed `received` of `announced` records (0 when its header has arrived).
    void Report(int received, int announced);
    // An exchange has waited waitedMs for the tester's next byte and goes on waiting. Works
    // outside Begin .. End too.
    void Waiting(int waitedMs);
    // The wait is over.
    void WaitOver();

private:
    Hooks m_hooks;
    bool m_active = false;
    bool m_shown = false;
    QString m_before;
    QElapsedTimer m_sinceStart;
    QElapsedTimer m_sinceShown;
    bool m_waitShown = false;
    QString m_beforeWait;
    QElapsedTimer m_sinceWaitPainted;
};

// Begin .. End for the lifetime of the scope.
class CTransferProgressScope {
public:
    explicit CTransferProgressScope(CTransferProgress& progress) : m_progress(progress) { m_progress.Begin(); }
    ~CTransferProgressScope() { m_progress.End(); }
    CTransferProgressScope(const CTransferProgressScope&) = delete;
    CTransferProgressScope& operator=(const CTransferProgressScope&) = delete;

private:
    CTransferProgress& m_progress;
};
