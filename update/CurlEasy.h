#pragma once
// One libcurl easy handle set up for the update server: account, passive mode, TLS, time-outs, the
// cooperative stop flag, the stall watch, and a record of the server's last error reply for
// messages.
//
// An exchange has stalled when the server sent less than kStallBytes of data in kStallSeconds; a
// server that does not answer a command within kStallSeconds has stalled as well.

#include "update/UpdateServer.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <curl/curl.h>

// Calls curl_global_init once per process.
void EnsureCurlInitialised();

// Why an exchange with the update server failed, as far as the operator is concerned.
enum class UpdateFailure {
    None,
    Unreachable, // no connection to the server (name, network, time-out)
    Login,       // the server refused the account
    NoTls,       // encryption was required and the server does not offer it
    Certificate, // the encrypted connection could not be set up or its certificate not verified
    Stalled,     // the server stopped sending
    Stopped,     // the program asked the exchange to stop
    NotFound,    // no such file or folder
    Short,       // the server ended a transfer before the size it announced
    Other,
};

// The number of the program's sentence for a failure.
int FailureTextId(UpdateFailure failure);

class CCurlEasy {
public:
    CCurlEasy();
    ~CCurlEasy();
    CCurlEasy(const CCurlEasy&) = delete;
    CCurlEasy& operator=(const CCurlEasy&) = delete;

    bool IsValid() const { return m_curl != nullptr; }
    CURL* Handle() const { return m_curl; }

    // Account, share (DNS cache), time-outs, stop flag (read from the progress callback; may be
    // null).
    void Setup(const SUpdateServer& server, const QString& user, const QString& password, CURLSH* share,
               const std::atomic<bool>* stop);
    // "ftp://host:port/" + the folder's path (relative to the login folder) + fileName.
    void SetTarget(const QString& folder, const QString& fileName = {});
    // Resets what a previous request on this handle may have set.
    void ClearRequest();
    CURLcode Perform();
    // Starts the stall watch and forgets the last error reply; Perform does it itself.
    void BeginTransfer();

    static constexpr int kStallSeconds = 15;
    static constexpr curl_off_t kStallBytes = 1024;

    UpdateFailure Classify(CURLcode result) const;
    // The program's sentence for the failure, then on a second line the server's last error
    // reply (e.g. "530 Login incorrect.") or libcurl's own text, and " (Error <result>)".
    QString FailureText(CURLcode result) const;
    // The server's last error reply, e.g. "550 No such file.".
    QByteArray LastErrorReply() const { return m_lastErrorReply; }
    // The path part of an FTP address for folder ("./DoDovavez/Scleron/" -> "DoDovavez/Scleron/").
    static QByteArray UrlPath(const QString& folder);

private:
    static size_t OnHeader(char* data, size_t size, size_t count, void* self);
    static int OnProgress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t);

    CURL* m_curl = nullptr;
    QByteArray m_baseUrl;
    QByteArray m_user;
    QByteArray m_password;
    QByteArray m_url;
    QByteArray m_lastErrorReply;
    QByteArray m_caFile;
    const std::atomic<bool>* m_stop = nullptr;
    // Reply bytes seen (a connection that answered was reached), and the stall watch's window.
    curl_off_t m_replyBytes = 0;
    curl_off_t m_markBytes = 0;
    qint64 m_markMs = 0;
    bool m_stalled = false;
    char m_errorBuffer[CURL_ERROR_SIZE] = {};
};
