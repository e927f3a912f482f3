#include "common/Minisign.h"

#include <QFile>
#include <QProcess>

namespace {
bool Run(const QStringList& arguments)
{
    QProcess minisign;
    minisign.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    minisign.start(QStringLiteral("minisign"), arguments);
    return minisign.waitForFinished(60000) && minisign.exitStatus() == QProcess::NormalExit && minisign.exitCode() == 0;
}
} // namespace

MinisignKey::MinisignKey(const QString& folder, const QString& name)
    : pub_(folder + QLatin1Char('/') + name + QStringLiteral(".pub"))
    , sec_(folder + QLatin1Char('/') + name + QStringLiteral(".key"))
{
    if (!Run({QStringLiteral("-G"), QStringLiteral("-W"), QStringLiteral("-p"), pub_, QStringLiteral("-s"), sec_}))
        return;
    QFile pub(pub_);
    if (!pub.open(QIODevice::ReadOnly))
        return;
    const QList<QByteArray> lines = pub.readAll().split('\n');
    publicLine_ = lines.value(1).trimmed();
    valid_ = ParsePublicKey(publicLine_).has_value();
}

SPublicKey MinisignKey::PublicKey() const
{
    return ParsePublicKey(publicLine_).value_or(SPublicKey{});
}

bool MinisignKey::Sign(const QString& path, bool legacy, const QString& trustedComment) const
{
    QStringList arguments{QStringLiteral("-S"), QStringLiteral("-s"), sec_, QStringLiteral("-m"), path};
    if (legacy)
        arguments << QStringLiteral("-l");
    if (!trustedComment.isEmpty())
        arguments << QStringLiteral("-t") << trustedComment;
    return Run(arguments);
}
