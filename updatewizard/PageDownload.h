#pragma once
// CPageDownload, the wizard's second page: downloads the chosen installer beside the program (or
// where the user says, when that folder cannot be written), one chunk per step so the window stays
// live, with a progress bar and the megabytes so far, then starts it.
//
// The file is written under a temporary name in the target folder and gets its name only when it
// is complete, so a cancelled or broken download never leaves what looks like a whole installer.
// A transfer that ends before or beyond the size the listing gave ends with the download error and
// starts nothing.

#include "updatewizard/UpdatePage.h"

#include <QString>

#include <memory>

class CRemoteFile;
class QLabel;
class QProgressBar;
class QSaveFile;

class CPageDownload : public CUpdatePage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 22000;
    static constexpr int kProgressBar = 22008;
    static constexpr int kTitleLine = 22011;
    static constexpr int kStatusLine = 22015;
    // Bounds of one chunk: a ten-thousandth of the file, at least this much ...
    static constexpr qint64 kMinChunk = 64 * 1024;
    // ... and at most this much.
    static constexpr qint64 kMaxChunk = 4 * 1024 * 1024;

    explicit CPageDownload(CAutoUpdate* sheet);
    ~CPageDownload() override;
    void initializePage() override;

    // Ends a running download: the remote file is closed, the partial local file removed.
    void Abort();

    static qint64 ChunkSize(quint64 installerSize);
    QLabel* TitleLine() const { return m_title; }
    QLabel* StatusLine() const { return m_status; }
    QProgressBar* ProgressBar() const { return m_progress; }
    // Where the installer is written (after a save dialog, the user's choice).
    QString LocalPath() const { return m_localPath; }
    quint64 Transferred() const { return m_transferred; }

protected:
    bool event(QEvent* event) override;

private:
    void OnStart();
    void OnChunk();
    void OnDone();
    // Opens the local file; falls back to the save dialog. False: nothing to write to.
    bool OpenLocalFile();
    void EndStep(const QString& text);
    void ShowProgress();

    QLabel* m_title;
    QLabel* m_status;
    QProgressBar* m_progress;
    std::unique_ptr<QSaveFile> m_local;
    std::unique_ptr<CRemoteFile> m_remote;
    QString m_localPath;
    quint64 m_transferred = 0;
    QByteArray m_buffer;
};
