#pragma once
// CUpdateSession: the program's access to its update server over FTP (libcurl, passive mode).
// It logs in, checks the login folder with PWD, changes to a folder below "./DoDovavez/", lists a
// folder with names and sizes and opens files there for reading in chunks. Failures leave a text
// in GetErrorText() and, while showMessages is on, also appear in a message box (through the
// prompt seam). One session is used by one thread at a time; RequestStop() may come from any
// thread and makes a running exchange end soon with a failure.

#include "update/CurlEasy.h"
#include "update/RemoteFile.h"
#include "update/UpdateServer.h"

#include <QList>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>

struct SRemoteEntry {
    QString name;
    quint64 size = 0;
};

class CUpdateSession {
public:
    // Folder of all update folders, relative to the login folder.
    static constexpr char kRootFolder[] = "./DoDovavez/";
    // Longest listing accepted from the server.
    static constexpr qsizetype kMaxListingBytes = 8 * 1024 * 1024;

    explicit CUpdateSession(SUpdateServer server = UpdateServerFromEnvironment());
    virtual ~CUpdateSession();
    CUpdateSession(const CUpdateSession&) = delete;
    CUpdateSession& operator=(const CUpdateSession&) = delete;

    // The product folder ConnectFolder("") uses; by default the running executable's ProductName,
    // read on each call.
    void SetProductName(const QString& productName) { m_productName = productName; }

    // Connects to "./DoDovavez/<name>/" (the product folder when name is empty) with the
    // server's account.
    bool ConnectFolder(const QString& name);
    bool Connect(const QString& user, const QString& password, const QString& folder);
    // Asks the server for its current folder; a connection that cannot answer is closed.
    bool IsConnected();
    void Disconnect();
    // Disconnect and release everything libcurl holds for this session.
    void Close();

    QString GetErrorText() const { return m_lastError; }
    // What kind of failure the last error was (None after a success). A missing folder is NotFound.
    UpdateFailure LastFailure() const { return m_failure; }
    void SetShowMessages(bool show) { m_showMessages = show; }
    bool GetShowMessages() const { return m_showMessages; }
    const SUpdateServer& Server() const { return m_server; }
    // The folder of the current connection, empty without one.
    QString Folder() const;

    // The plain files of the current folder whose names match pattern ("*", "*.lod"), in the
    // server's order, fetched fresh: MLSD, or LIST (Unix "ls -l" lines) on a server that refuses
    // MLSD. Names that are not plain file names (IsPlainFileName) are left out. Nothing on
    // failure (error text set).
    std::optional<QList<SRemoteEntry>> List(const QString& pattern);
    // Opens a file of the current folder for reading; null on failure (error text set).
    std::unique_ptr<CRemoteFile> OpenFile(const QString& name);
    // A whole small file of the current folder (a signature); nothing when it is missing, longer
    // than maxBytes or the transfer failed (error text set).
    std::optional<QByteArray> Fetch(const QString& name, qsizetype maxBytes);

    void RequestStop() { m_stop = true; }
    void ClearStop() { m_stop = false; }

private:
    struct Connection;

    void Fail(const QString& text, UpdateFailure failure = UpdateFailure::Other);
    // Fails with the handle's text for result.
    void Fail(const CCurlEasy& curl, CURLcode result);
    CURLcode Transfer(const char* command, QByteArray* into, qsizetype maxBytes);
    bool EnsureInternet();

    SUpdateServer m_server;
    QString m_productName;
    QString m_lastError;
    UpdateFailure m_failure = UpdateFailure::None;
    bool m_showMessages = true;
    void* m_internet = nullptr; // CURLSH: the DNS cache shared by the session's handles
    std::unique_ptr<Connection> m_connection;
    std::atomic<bool> m_stop{false};
};

// A name a listing may offer: not empty, at most 255 bytes in UTF-8, no '/' or '\', not "." or
// "..", no control characters, no Unicode format characters (bidirectional overrides, zero-width
// characters) and no separators other than the plain space (line and paragraph separators,
// no-break and other spaces that pass for something they are not).
bool IsPlainFileName(const QString& name);
// Entries of an MLSD listing ("fact=value;...; name" lines) that are plain files with a size.
QList<SRemoteEntry> ParseMlsdListing(const QByteArray& listing);
// Entries of a LIST listing in the Unix "ls -l" form that are plain files ("-" lines).
QList<SRemoteEntry> ParseUnixListing(const QByteArray& listing);
