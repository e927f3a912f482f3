#include "data/UserPrompts.h"

#include <QFileInfo>
#include <QStringList>

namespace {
class CancelAllPrompts final : public IUserPrompts {
public:
    PromptAnswer Message(const QString&, PromptButtons buttons, PromptIcon) override
    {
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
    }
    QString FileName(const FileDialogRequest&) override { return {}; }
};

CancelAllPrompts cancelAll;
IUserPrompts* installed = nullptr;
} // namespace

IUserPrompts& Prompts()
{
    return installed ? *installed : cancelAll;
}

void SetPrompts(IUserPrompts* prompts)
{
    installed = prompts;
}

QString ToQtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList names;
    // Pairs of (display name, pattern); the display names already show the pattern.
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        names << parts[i];
    }
    return names.join(QStringLiteral(";;"));
}

QString WithDefaultExtension(const QString& path, const QString& ext)
{
    if (path.isEmpty() || ext.isEmpty())
        return path;
    if (!QFileInfo(path).fileName().contains(QLatin1Char('.')))
        return path + QLatin1Char('.') + ext;
    return path;
}
