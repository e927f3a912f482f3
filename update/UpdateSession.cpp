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
    bool mlsdRefused = false;
    CCurlEasy curl;
};

namespace {

curl_slist* PwdCommand()
{
    static curl_slist command{const_cast<char*>("PWD"), nullptr};
    return &command;
}

struct SCollect {
    QByteArray* into;
    qsizetype maxBytes;
};

size_t Collect(char* data, size_t size, size_t count, void* target)
{
    auto* collect = static_cast<SCollect*>(target);
    const size_t bytes = size * count;
    if (collect->into->size() + static_cast<qsizetype>(bytes) > collect->maxBytes)
        return 0; // ends the transfer with a write error
    collect->into->append(data, static_cast<qsizetype>(bytes));
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

void CUpdateSession::Fail(const QString& text, UpdateFailure failure)
{
    m_lastError = text;
    m_failure = failure;
    if (m_showMessages)
        Prompts().Message(text, PromptButtons::Ok, PromptIcon::Error);
}

void CUpdateSession::Fail(const CCurlEasy& curl, CURLcode result)
{
    Fail(curl.FailureText(result), curl.Classify(result));
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
    m_failure = UpdateFailure::None;
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
        Fail(curl, result);
        return false;
    }
    // The login folder must be known to the server.
    curl_easy_setopt(curl.Handle(), CURLOPT_QUOTE, PwdCommand());
    if (const CURLcode result = curl.Perform(); result != CURLE_OK) {
        if (curl.LastErrorReply().isEmpty())
            Fail(curl, result);
        else
            Fail(ResString(UpdateText::ConnectFailed));
        return false;
    }
    curl_easy_setopt(curl.Handle(), CURLOPT_QUOTE, nullptr);
    curl.SetTarget(folder);
    if (const CURLcode result = curl.Perform(); result != CURLE_OK) {
        // The server answered the change of folder with an error: the folder is not there.
        if (curl.LastErrorReply().isEmpty())
            Fail(curl, result);
        else
            Fail(FillResString(UpdateText::FolderNotFound, {folder}), UpdateFailure::NotFound);
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

CURLcode CUpdateSession::Transfer(const char* command, QByteArray* into, qsizetype maxBytes)
{
    CCurlEasy& curl = m_connection->curl;
    SCollect collect{into, maxBytes};
    curl.ClearRequest();
    curl.SetTarget(m_connection->folder);
    curl_easy_setopt(curl.Handle(), CURLOPT_CUSTOMREQUEST, command);
    curl_easy_setopt(curl.Handle(), CURLOPT_WRITEFUNCTION, &Collect);
    curl_easy_setopt(curl.Handle(), CURLOPT_WRITEDATA, &collect);
    const CURLcode result = curl.Perform();
    curl.ClearRequest();
    return result;
}

std::optional<QList<SRemoteEntry>> CUpdateSession::List(const QString& pattern)
{
    if (!m_connection) {
        Fail(ResString(UpdateText::ConnectFailed));
        return std::nullopt;
    }
    CCurlEasy& curl = m_connection->curl;
    QByteArray listing;
    CURLcode result = CURLE_OK;
    if (!m_connection->mlsdRefused) {
        result = Transfer("MLSD", &listing, kMaxListingBytes);
        // A server without MLSD answers it with an error reply; it gets LIST from now on.
        if (result != CURLE_OK && curl.LastErrorReply().startsWith('5') && listing.isEmpty())
            m_connection->mlsdRefused = true;
    }
    if (m_connection->mlsdRefused) {
        listing.clear();
        result = Transfer("LIST", &listing, kMaxListingBytes);
    }
    if (result != CURLE_OK) {
        Fail(curl, result);
        return std::nullopt;
    }
    const QRegularExpression match(QRegularExpression::wildcardToRegularExpression(pattern));
    QList<SRemoteEntry> entries;
    const QList<SRemoteEntry> all = m_connection->mlsdRefused ? ParseUnixListing(listing) : ParseMlsdListing(listing);
    for (const SRemoteEntry& entry : all)
        if (match.match(entry.name).hasMatch())
            entries.append(entry);
    m_lastError.clear();
    m_failure = UpdateFailure::None;
    return entries;
}

std::optional<QByteArray> CUpdateSession::Fetch(const QString& name, qsizetype maxBytes)
{
    if (!m_connection || !IsPlainFileName(name)) {
        Fail(ResString(UpdateText::ConnectFailed));
        return std::nullopt;
    }
    CCurlEasy& curl = m_connection->curl;
    QByteArray bytes;
    SCollect collect{&bytes, maxBytes};
    curl.ClearRequest();
    curl.SetTarget(m_connection->folder, name);
    curl_easy_setopt(curl.Handle(), CURLOPT_WRITEFUNCTION, &Collect);
    curl_easy_setopt(curl.Handle(), CURLOPT_WRITEDATA, &collect);
    const CURLcode result = curl.Perform();
    curl.ClearRequest();
    if (result != CURLE_OK) {
        Fail(curl, result);
        return std::nullopt;
    }
    return bytes;
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
        Fail(file->ErrorText(), file->Failure());
        return nullptr;
    }
    return file;
}

bool IsPlainFileName(const QString& name)
{
    constexpr qsizetype kMaxNameBytes = 255;
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") || name.toUtf8().size() > kMaxNameBytes)
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char32_t c = name.at(i).isHighSurrogate() && i + 1 < name.size()
            ? QChar::surrogateToUcs4(name.at(i), name.at(i + 1))
            : name.at(i).unicode();
        if (c > 0xFFFF)
            ++i;
        if (c == U'/' || c == U'\\' || c < 0x20 || c == 0x7F)
            return false;
        switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Other_NotAssigned:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return false;
        case QChar::Separator_Space:
            if (c != U' ')
                return false;
            break;
        default:
            break;
        }
    }
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

QList<SRemoteEntry> ParseUnixListing(const QByteArray& listing)
{
    // "-rw-r--r--   1 owner group   5000 Dec 11 02:30 name": permissions, links, owner, group,
    // size, three words of date, then the name to the end of the line.
    static const QRegularExpression line(
        QStringLiteral("^-\\S*\\s+\\d+\\s+\\S+\\s+\\S+\\s+(\\d+)\\s+\\S+\\s+\\S+\\s+\\S+ (.+)$"));
    QList<SRemoteEntry> entries;
    for (QByteArray raw : listing.split('\n')) {
        if (raw.endsWith('\r'))
            raw.chop(1);
        const QRegularExpressionMatch m = line.match(QString::fromUtf8(raw));
        if (!m.hasMatch())
            continue;
        bool ok = false;
        const quint64 size = m.captured(1).toULongLong(&ok);
        const QString name = m.captured(2);
        if (ok && IsPlainFileName(name))
            entries.append({name, size});
    }
    return entries;
}
