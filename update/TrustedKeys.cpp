#include "update/TrustedKeys.h"

#include <QDir>
#include <QFile>

namespace {
// Public half of the release key (minisign key id D09BE30947C14F38).
constexpr char kReleaseKey[] = "RWQ4T8FHCeOb0FL5coCp3IoHLatk7F0bO0hYnDlBbZPePOlaY3lsu0Hg";
constexpr qint64 kMaxKeysFileBytes = 64 * 1024;
} // namespace

SPublicKey ReleasePublicKey()
{
    return *ParsePublicKey(kReleaseKey);
}

QList<SPublicKey> ParseKeyList(const QByteArray& text)
{
    QList<SPublicKey> keys;
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#') || line.startsWith("untrusted comment:"))
            continue;
        for (const QByteArray& word : line.simplified().split(' '))
            if (const auto key = ParsePublicKey(word))
                keys.append(*key);
    }
    return keys;
}

QString UpdateKeysFilePath()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/scleron/update-keys");
}

QList<SPublicKey> TrustedUpdateKeys()
{
    QList<SPublicKey> keys{ReleasePublicKey()};
    QFile file(UpdateKeysFilePath());
    if (file.open(QIODevice::ReadOnly))
        keys += ParseKeyList(file.read(kMaxKeysFileBytes));
    keys += ParseKeyList(qgetenv("SCLERON_UPDATE_PUBKEY").replace(',', ' '));
    return keys;
}
