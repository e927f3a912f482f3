#pragma once
// The progress of a long measurement transfer in the status bar. The transfer keeps the
// user-interface thread busy for seconds (a full memory is tens of thousands of bytes at 38400
// baud, read one byte per call), so the figures are shown and the window repainted from inside it.
// A transfer that is over within kQuietMs shows nothing; after that the figures are shown at most
// every kEveryMs. When the link's work is over, the status text from before it comes back.

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

private:
    Hooks m_hooks;
    bool m_active = false;
    bool m_shown = false;
    QString m_before;
    QElapsedTimer m_sinceStart;
    QElapsedTimer m_sinceShown;
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
