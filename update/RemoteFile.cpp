#include "update/RemoteFile.h"

#include "update/CurlEasy.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr int kWaitMs = 200;
} // namespace

CRemoteFile::CRemoteFile(std::unique_ptr<CCurlEasy> handle)
    : m_handle(std::move(handle))
{
}

CRemoteFile::~CRemoteFile()
{
    if (m_multi) {
        curl_multi_remove_handle(static_cast<CURLM*>(m_multi), m_handle->Handle());
        curl_multi_cleanup(static_cast<CURLM*>(m_multi));
    }
}

bool CRemoteFile::Open()
{
    CURL* curl = m_handle->Handle();
    curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, 0L); // binary
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &CRemoteFile::OnData);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, this);
    m_multi = curl_multi_init();
    if (!m_multi || curl_multi_add_handle(static_cast<CURLM*>(m_multi), curl) != CURLM_OK) {
        m_failed = m_done = true;
        m_errorText = m_handle->FailureText(CURLE_OUT_OF_MEMORY);
        m_failure = UpdateFailure::Other;
        return false;
    }
    m_handle->BeginTransfer();
    while (m_pending.isEmpty() && !m_done)
        Pump();
    return !(m_failed && m_pending.isEmpty());
}

size_t CRemoteFile::OnData(char* data, size_t size, size_t count, void* self)
{
    auto* file = static_cast<CRemoteFile*>(self);
    const size_t bytes = size * count;
    if (file->m_pending.size() >= file->m_highWater) {
        file->m_paused = true;
        return CURL_WRITEFUNC_PAUSE; // libcurl keeps the data and offers it again after Resume()
    }
    file->m_pending.append(data, static_cast<qsizetype>(bytes));
    return bytes;
}

void CRemoteFile::Resume()
{
    if (m_paused) {
        m_paused = false;
        curl_easy_pause(m_handle->Handle(), CURLPAUSE_CONT);
    }
}

void CRemoteFile::Pump()
{
    auto* multi = static_cast<CURLM*>(m_multi);
    Resume();
    int running = 0;
    CURLMcode mc = curl_multi_perform(multi, &running);
    int queued = 0;
    while (CURLMsg* msg = curl_multi_info_read(multi, &queued)) {
        if (msg->msg != CURLMSG_DONE)
            continue;
        m_done = true;
        if (msg->data.result != CURLE_OK) {
            m_failed = true;
            m_errorText = m_handle->FailureText(msg->data.result);
            m_failure = m_handle->Classify(msg->data.result);
        }
    }
    if (mc != CURLM_OK && !m_done) {
        m_done = m_failed = true;
        m_errorText = QString::fromUtf8(curl_multi_strerror(mc));
        m_failure = UpdateFailure::Other;
    }
    if (!m_done && m_pending.size() < m_highWater && !m_paused)
        curl_multi_poll(multi, nullptr, 0, kWaitMs, nullptr);
}

qint64 CRemoteFile::Read(char* buffer, qint64 maxBytes)
{
    if (!m_multi || maxBytes <= 0)
        return m_failed ? -1 : 0;
    m_highWater = std::max<qint64>(maxBytes, 16 * 1024);
    while (m_pending.size() < maxBytes && !m_done)
        Pump();
    const qint64 n = std::min<qint64>(maxBytes, m_pending.size());
    if (n == 0)
        return m_failed ? -1 : 0;
    std::memcpy(buffer, m_pending.constData(), static_cast<size_t>(n));
    m_pending.remove(0, n);
    return n;
}
