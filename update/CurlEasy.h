#pragma once
// One libcurl easy handle set up for the update server: account, passive mode, time-outs, the
// cooperative stop flag, and a record of the server's last error reply for messages.

#include "update/UpdateServer.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <curl/curl.h>

// Calls curl_global_init once per process.
void EnsureCurlInitialised();

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

    // The server's last error reply (e.g. "530 Login incorrect."), else libcurl's own text for
    // result, followed by " (Error <result>)" in the program's words.
    QString FailureText(CURLcode result) const;
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
    const std::atomic<bool>* m_stop = nullptr;
    char m_errorBuffer[CURL_ERROR_SIZE] = {};
};
