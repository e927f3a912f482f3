#include "update/UpdateSession.h"

#include "data/UserPrompts.h"
#include "resources/StringTable.h"
#include "update/CurlEasy.h"
#include "update/FileVersionInfo.h"
#include "update/UpdateTexts.h"

#include <QRegularExpression>

struct CUpdateSession::Connection {
    QString user;
    QString password;
    QString folder;
    CCurlEasy curl;
};

namespace {

curl_slist* PwdCommand()
{
    static curl_slist command{const_cast<char*>("PWD"), nullptr};
    return &command;
}

size_t CollectListing(char* data, size_t size, size_t count, void* target)
{
    auto* listing = static_cast<QByteArray*>(target);
    const size_t bytes = size * count;
    if (listing->size() + static_cast<qsizetype>(bytes) > CUpdateSession::kMaxListingBytes)
        return 0; // ends the transfer with a write error
    listing->append(data, static_cast<qsizetype>(bytes));
    return bytes;
}

} // namespace

CUpdateSession::CUpdateSession(SUpdateServer server)
    : m_server(std::move(server))
{
}

CUpdateSession::~CUpdateSession()
{
    Close();
}

QString CUpdateSession::Folder() const
{
    return m_connection ? m_connection->folder : QString();
}

void CUpdateSession::Fail(const QString& text)
{
    m_lastError = text;
    if (m_showMessages)
        Prompts().Message(text, PromptButtons::Ok, PromptIcon::Error);
}

bool CUpdateSession::EnsureInternet()
{
    if (m_internet)
        return true;
    EnsureCurlInitialised();
    CURLSH* share = curl_share_init();
    if (!share || curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS) != CURLSHE_OK) {
        if (share)
            curl_share_cleanup(share);
        return false;
    }
    m_internet = share;
    return true;
}

bool CUpdateSession::ConnectFolder(const QString& name)
{
    QString folderName = name;
    if (folderName.isEmpty()) {
        if (!m_productName.isEmpty()) {
            folderName = m_productName;
        } else {
            CFileVersionInfo info;
            info.LoadModule();
            folderName = info.GetProductName();
        }
    }
    return Connect(m_server.user, m_server.password, QLatin1String(kRootFolder) + folderName + QLatin1Char('/'));
}

bool CUpdateSession::Connect(const QString& user, const QString& password, const QString& folder)
{
    if (m_connection)
        Disconnect();
    if (!EnsureInternet()) {
        Fail(ResString(UpdateText::NoSession));
        return false;
    }
    m_lastError.clear();
    auto connection = std::make_unique<Connection>();
    connection->user = user;
    connection->password = password;
    CCurlEasy& curl = connection->curl;
    if (!curl.IsValid()) {
        Fail(ResString(UpdateText::NoSession));
        return false;
    }
    curl.Setup(m_server, user, password, static_cast<CURLSH*>(m_internet), &m_stop);

    // Log in: the connection stays open in the handle for the next requests.
    curl.ClearRequest();
    curl.SetTarget({});
    curl_easy_setopt(curl.Handle(), CURLOPT_NOBODY, 1L);
    if (const CURLcode result = curl.Perform(); result != CURLE_OK) {
        Fail(curl.FailureText(result));
        return false;
    }
    // The login folder must be known to the server.
    curl_easy_setopt(curl.Handle(), CURLOPT_QUOTE, PwdCommand());
    if (curl.Perform() != CURLE_OK) {
        Fail(ResString(UpdateText::ConnectFailed));
        return false;
    }
    curl_easy_setopt(curl.Handle(), CURLOPT_QUOTE, nullptr);
    curl.SetTarget(folder);
    if (curl.Perform() != CURLE_OK) {
        Fail(FillResString(UpdateText::FolderNotFound, {folder}));
        return false;
    }
    connection->folder = folder;
    m_connection = std::move(connection);
    return true;
}

bool CUpdateSession::IsConnected()
{
    if (!m_connection)
        return false;
    CCurlEasy& curl = m_connection->curl;
    curl.ClearRequest();
    curl.SetTarget({});
    curl_easy_setopt(curl.Handle(), CURLOPT_NOBODY, 1L);
    curl_easy_setopt(curl.Handle(), CURLOPT_QUOTE, PwdCommand());
    const bool answered = curl.Perform() == CURLE_OK;
    curl.ClearRequest();
    if (!answered)
        m_connection.reset();
    return answered;
}

void CUpdateSession::Disconnect()
{
    m_connection.reset();
}

void CUpdateSession::Close()
{
    Disconnect();
    if (m_internet) {
        curl_share_cleanup(static_cast<CURLSH*>(m_internet));
        m_internet = nullptr;
    }
}

std::optional<QList<SRemoteEntry>> CUpdateSession::List(const QString& pattern)
{
    if (!m_connection) {
        Fail(ResString(UpdateText::ConnectFailed));
        return std::nullopt;
    }
    CCurlEasy& curl = m_connection->curl;
    QByteArray listing;
    curl.ClearRequest();
    curl.SetTarget(m_connection->folder);
    curl_easy_setopt(curl.Handle(), CURLOPT_CUSTOMREQUEST, "MLSD");
    curl_easy_setopt(curl.Handle(), CURLOPT_WRITEFUNCTION, &CollectListing);
    curl_easy_setopt(curl.Handle(), CURLOPT_WRITEDATA, &listing);
    const CURLcode result = curl.Perform();
    curl.ClearRequest();
    if (result != CURLE_OK) {
        Fail(curl.FailureText(result));
        return std::nullopt;
    }
    const QRegularExpression match(QRegularExpression::wildcardToRegularExpression(pattern));
    QList<SRemoteEntry> entries;
    for (const SRemoteEntry& entry : ParseMlsdListing(listing))
        if (match.match(entry.name).hasMatch())
            entries.append(entry);
    return entries;
}

std::unique_ptr<CRemoteFile> CUpdateSession::OpenFile(const QString& name)
{
    if (!m_connection || !IsPlainFileName(name)) {
        Fail(ResString(UpdateText::ConnectFailed));
        return nullptr;
    }
    auto handle = std::make_unique<CCurlEasy>();
    if (!handle->IsValid()) {
        Fail(ResString(UpdateText::NoSession));
        return nullptr;
    }
    handle->Setup(m_server, m_connection->user, m_connection->password, static_cast<CURLSH*>(m_internet), &m_stop);
    handle->ClearRequest();
    handle->SetTarget(m_connection->folder, name);
    auto file = std::make_unique<CRemoteFile>(std::move(handle));
    if (!file->Open()) {
        Fail(file->ErrorText());
        return nullptr;
    }
    return file;
}

bool IsPlainFileName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20 || c.unicode() == 0x7F
            || c.category() == QChar::Other_Control)
            return false;
    return true;
}

QList<SRemoteEntry> ParseMlsdListing(const QByteArray& listing)
{
    QList<SRemoteEntry> entries;
    for (QByteArray line : listing.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const qsizetype space = line.indexOf(' ');
        if (space < 0)
            continue;
        const QString name = QString::fromUtf8(line.mid(space + 1));
        bool isFile = false;
        std::optional<quint64> size;
        for (const QByteArray& fact : line.left(space).split(';')) {
            const qsizetype eq = fact.indexOf('=');
            if (eq < 0)
                continue;
            const QByteArray key = fact.left(eq).toLower();
            const QByteArray value = fact.mid(eq + 1);
            if (key == "type")
                isFile = value.toLower() == "file";
            else if (key == "size") {
                bool ok = false;
                const quint64 bytes = value.toULongLong(&ok);
                if (ok)
                    size = bytes;
            }
        }
        if (isFile && size && IsPlainFileName(name))
            entries.append({name, *size});
    }
    return entries;
}
