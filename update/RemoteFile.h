#pragma once
// CRemoteFile: one file on the update server, read in chunks the caller asks for. The transfer
// runs on the caller's thread (libcurl's multi interface) and never buffers much more than the
// last chunk asked for: the server is paused while nobody reads.

#include <QByteArray>
#include <QString>

#include <memory>

#include "update/CurlEasy.h"

class CRemoteFile {
public:
    // Takes over a prepared handle (target, account and stop flag set). Opening waits for the first data or
    // the end of the transfer.
    explicit CRemoteFile(std::unique_ptr<CCurlEasy> handle);
    ~CRemoteFile();
    CRemoteFile(const CRemoteFile&) = delete;
    CRemoteFile& operator=(const CRemoteFile&) = delete;

    // False when the file could not be opened (no such file, connection lost); see ErrorText().
    bool Open();
    // Reads up to maxBytes; 0 once the server has ended the transfer properly, -1 when it failed.
    qint64 Read(char* buffer, qint64 maxBytes);
    QString ErrorText() const { return m_errorText; }
    UpdateFailure Failure() const { return m_failure; }

private:
    static size_t OnData(char* data, size_t size, size_t count, void* self);
    // Lets the transfer move on; waits a little when nothing is ready.
    void Pump();
    void Resume();

    std::unique_ptr<CCurlEasy> m_handle;
    void* m_multi = nullptr;
    QByteArray m_pending;
    qint64 m_highWater = 64 * 1024;
    bool m_paused = false;
    bool m_done = false;
    bool m_failed = false;
    QString m_errorText;
    UpdateFailure m_failure = UpdateFailure::None;
};
