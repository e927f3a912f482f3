#pragma once
// CPageDownload, the wizard's second page: downloads the chosen installer beside the program (or
// where the user says, when that folder cannot be written) on the worker thread, with a progress
// bar, the bytes so far of the whole and the rate, then tells the operator that the program will
// close and starts the installer.
//
// The installer must carry a valid signature of a trusted key, the server must end the transfer
// and the byte count must equal the listed size (VerifiedDownload.h). The file is written under a
// temporary name and gets its name only then, so a refused, cancelled or broken download leaves
// nothing behind and nothing is ever made executable or started that did not verify.

#include "updatewizard/UpdatePage.h"

#include <QElapsedTimer>
#include <QString>
#include <QTimer>

#include <atomic>
#include <memory>

class QLabel;
class QProgressBar;
class QSaveFile;
struct SDownloadOutcome;

class CPageDownload : public CUpdatePage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 22000;
    static constexpr int kProgressBar = 22008;
    static constexpr int kTitleLine = 22011;
    static constexpr int kStatusLine = 22015;
    // How often the progress is shown while the download runs.
    static constexpr int kProgressMs = 200;

    explicit CPageDownload(CAutoUpdate* sheet);
    ~CPageDownload() override;
    void initializePage() override;

    // Ends a running download: the job is asked to stop, and its partial file goes with it.
    void Abort();

    QLabel* TitleLine() const { return m_title; }
    QLabel* StatusLine() const { return m_status; }
    QProgressBar* ProgressBar() const { return m_progress; }
    // Where the installer is written (after a save dialog, the user's choice).
    QString LocalPath() const { return m_localPath; }
    quint64 Transferred() const { return *m_transferred; }

protected:
    bool event(QEvent* event) override;

private:
    void OnStart();
    void OnDownloaded(const SDownloadOutcome& outcome);
    void OnDone();
    // Opens the local file; falls back to the save dialog. Null: nothing to write to.
    std::shared_ptr<QSaveFile> OpenLocalFile();
    void EndStep(const QString& text);
    void ShowProgress();

    QLabel* m_title;
    QLabel* m_status;
    QProgressBar* m_progress;
    QTimer m_progressTimer;
    QElapsedTimer m_clock;
    QString m_localPath;
    // Written by the worker thread, read by the page; shared so that a cancelled job may outlive
    // nothing it uses.
    std::shared_ptr<std::atomic<quint64>> m_transferred;
};
