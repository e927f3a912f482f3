#include "app/RecentFiles.h"

#include "resources/Registry.h"

#include <QDir>
#include <QFileInfo>

namespace {
// Longer paths are shown with their middle left out.
constexpr int kMaxMenuPath = 60;

QString ValueName(int i)
{
    return QStringLiteral("File%1").arg(i + 1);
}
} // namespace

CRecentFiles::CRecentFiles()
{
    Load();
}

void CRecentFiles::Load()
{
    m_files.clear();
    CRegistryKey key;
    if (!key.Open(RegistryRoot::CurrentUser, QString::fromLatin1(kKey), RegistryAccess::Read))
        return;
    for (int i = 0; i < kMaxFiles; ++i) {
        const QString path = key.ReadText(ValueName(i), QString());
        if (!path.isEmpty() && !m_files.contains(path))
            m_files << path;
    }
}

void CRecentFiles::Store() const
{
    const QString keyPath = QString::fromLatin1(kKey);
    if (!Registry::CreateKey(RegistryRoot::CurrentUser, keyPath))
        return;
    CRegistryKey key;
    if (!key.Open(RegistryRoot::CurrentUser, keyPath, RegistryAccess::Write))
        return;
    // Unused entries are written empty: the registry has no removal of a single value.
    for (int i = 0; i < kMaxFiles; ++i)
        key.WriteText(ValueName(i), i < m_files.size() ? m_files[i] : QString());
}

void CRecentFiles::Add(const QString& path)
{
    if (path.isEmpty())
        return;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > kMaxFiles)
        m_files.removeLast();
    Store();
}

void CRecentFiles::Remove(const QString& path)
{
    if (m_files.removeAll(path) > 0)
        Store();
}

QString CRecentFiles::MenuText(int i) const
{
    if (i < 0 || i >= m_files.size())
        return {};
    QString shown = m_files[i];
    const QString home = QDir::homePath();
    if (home.size() > 1 && shown.startsWith(home + QLatin1Char('/')))
        shown = QLatin1Char('~') + shown.mid(home.size());
    if (shown.size() > kMaxMenuPath) {
        const int keep = (kMaxMenuPath - 3) / 2;
        shown = shown.left(keep) + QStringLiteral("...") + shown.right(keep);
    }
    // "&" in a path would be taken for an access key.
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(i + 1).arg(shown);
}
