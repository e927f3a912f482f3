#include "resources/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStringList>

#include <optional>
#include <vector>

namespace {

constexpr int kLockWaitMs = 2000;
constexpr int kStaleLockMs = 10000;

const QString kNumberTag = QStringLiteral("dword:");
const QString kBigEndianTag = QStringLiteral("dword-be:");

// One line of the file. Value lines are understood; every other line is kept as it stands.
struct Line {
    QString raw;      // the line as read (empty for a value this code wrote)
    bool isValue = false;
    QString name;
    enum class Type { Number, BigEndianNumber, Text, Other } type = Type::Other;
    std::uint32_t number = 0;
    QString text;
};

struct Key {
    QString path;
    QString header; // the "[...]" line as read
    std::vector<Line> lines;
};

struct Document {
    std::vector<Line> preamble; // lines before the first key
    std::vector<Key> keys;
};

QString Escape(const QString& text)
{
    QString out;
    out.reserve(text.size() + 2);
    for (QChar c : text) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '"': out += QLatin1String("\\\""); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default: out += c;
        }
    }
    return QLatin1Char('"') + out + QLatin1Char('"');
}

// Reads a quoted text starting at line[pos] (the opening quote). On success returns the text and
// sets pos just past the closing quote.
std::optional<QString> Unquote(const QString& line, int& pos)
{
    if (pos >= line.size() || line[pos] != QLatin1Char('"'))
        return std::nullopt;
    QString out;
    for (int i = pos + 1; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == QLatin1Char('"')) {
            pos = i + 1;
            return out;
        }
        if (c != QLatin1Char('\\') || i + 1 >= line.size()) {
            out += c;
            continue;
        }
        const QChar next = line[++i];
        switch (next.unicode()) {
        case '\\': out += QLatin1Char('\\'); break;
        case '"': out += QLatin1Char('"'); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 'r': out += QLatin1Char('\r'); break;
        case 't': out += QLatin1Char('\t'); break;
        default: out += QLatin1Char('\\'); out += next;
        }
    }
    return std::nullopt;
}

std::optional<std::uint32_t> ParseHex(const QString& digits)
{
    if (digits.isEmpty() || digits.size() > 8)
        return std::nullopt;
    bool ok = false;
    const uint value = digits.toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

Line ParseLine(const QString& raw)
{
    Line line;
    line.raw = raw;
    int pos = 0;
    const auto name = Unquote(raw, pos);
    if (!name || name->isEmpty() || pos >= raw.size() || raw[pos] != QLatin1Char('='))
        return line;
    line.isValue = true;
    line.name = *name;
    const QString rest = raw.mid(pos + 1).trimmed();
    if (rest.startsWith(QLatin1Char('"'))) {
        int textPos = 0;
        const auto text = Unquote(rest, textPos);
        if (text && textPos == rest.size()) {
            line.type = Line::Type::Text;
            line.text = *text;
        }
    } else if (rest.startsWith(kBigEndianTag, Qt::CaseInsensitive)) {
        if (const auto n = ParseHex(rest.mid(kBigEndianTag.size()))) {
            line.type = Line::Type::BigEndianNumber;
            line.number = *n;
        }
    } else if (rest.startsWith(kNumberTag, Qt::CaseInsensitive)) {
        if (const auto n = ParseHex(rest.mid(kNumberTag.size()))) {
            line.type = Line::Type::Number;
            line.number = *n;
        }
    }
    return line;
}

QString FormatLine(const Line& line)
{
    if (!line.raw.isEmpty() || !line.isValue)
        return line.raw;
    QString value;
    switch (line.type) {
    case Line::Type::Number:
        value = kNumberTag + QStringLiteral("%1").arg(line.number, 8, 16, QLatin1Char('0'));
        break;
    case Line::Type::BigEndianNumber:
        value = kBigEndianTag + QStringLiteral("%1").arg(line.number, 8, 16, QLatin1Char('0'));
        break;
    case Line::Type::Text:
    case Line::Type::Other:
        value = Escape(line.text);
        break;
    }
    return Escape(line.name) + QLatin1Char('=') + value;
}

Document Parse(const QString& content)
{
    Document doc;
    QStringList lines = content.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString raw : lines) {
        if (raw.endsWith(QLatin1Char('\r')))
            raw.chop(1);
        const QString trimmed = raw.trimmed();
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']')) && trimmed.size() > 2) {
            doc.keys.push_back(Key{trimmed.mid(1, trimmed.size() - 2), raw, {}});
            continue;
        }
        auto& target = doc.keys.empty() ? doc.preamble : doc.keys.back().lines;
        target.push_back(ParseLine(raw));
    }
    return doc;
}

QByteArray Serialize(const Document& doc)
{
    QString out;
    for (const Line& line : doc.preamble)
        out += FormatLine(line) + QLatin1Char('\n');
    for (const Key& key : doc.keys) {
        out += (key.header.isEmpty() ? QLatin1Char('[') + key.path + QLatin1Char(']') : key.header)
            + QLatin1Char('\n');
        for (const Line& line : key.lines)
            out += FormatLine(line) + QLatin1Char('\n');
    }
    return out.toUtf8();
}

// The file as it is now: an empty document when there is none, nothing when it exists but
// cannot be read or is too large to be ours.
std::optional<Document> Load()
{
    const QString path = Registry::FilePath();
    QFileInfo info(path);
    if (!info.exists())
        return Document{};
    if (info.size() > Registry::kMaxFileSize)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return Parse(QString::fromUtf8(file.read(Registry::kMaxFileSize)));
}

bool Store(const Document& doc)
{
    QSaveFile file(Registry::FilePath());
    const QByteArray bytes = Serialize(doc);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

Key* FindKey(Document& doc, const QString& path)
{
    for (Key& key : doc.keys)
        if (key.path.compare(path, Qt::CaseInsensitive) == 0)
            return &key;
    return nullptr;
}

const Line* FindValue(const Key& key, const QString& name)
{
    for (const Line& line : key.lines)
        if (line.isValue && line.name.compare(name, Qt::CaseInsensitive) == 0)
            return &line;
    return nullptr;
}

std::optional<Line> ReadValue(const QString& keyPath, const QString& name)
{
    auto doc = Load();
    if (!doc)
        return std::nullopt;
    const Key* key = FindKey(*doc, keyPath);
    if (!key)
        return std::nullopt;
    const Line* line = FindValue(*key, name);
    return line ? std::optional<Line>(*line) : std::nullopt;
}

// Runs change on the current file under the lock and stores the result when change says so.
template <class Change>
bool Modify(Change change)
{
    const QString path = Registry::FilePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(kStaleLockMs);
    if (!lock.tryLock(kLockWaitMs))
        return false;
    auto doc = Load();
    if (!doc)
        return false;
    bool store = false;
    if (!change(*doc, store))
        return false;
    return !store || Store(*doc);
}

} // namespace

namespace Registry {

QString FilePath()
{
    const QString overridePath = qEnvironmentVariable("SCLERON_REGISTRY");
    if (!overridePath.isEmpty())
        return overridePath;
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/scleron/registry");
}

bool KeyExists(RegistryRoot, const QString& path)
{
    auto doc = Load();
    return doc && FindKey(*doc, path);
}

bool CreateKey(RegistryRoot, const QString& path)
{
    if (path.isEmpty())
        return false;
    return Modify([&](Document& doc, bool& store) {
        if (!FindKey(doc, path)) {
            doc.keys.push_back(Key{path, {}, {}});
            store = true;
        }
        return true;
    });
}

} // namespace Registry

bool CRegistryKey::Open(RegistryRoot root, const QString& path, RegistryAccess access)
{
    Close();
    if (path.isEmpty() || !Registry::KeyExists(root, path))
        return false;
    m_open = true;
    m_access = access;
    m_path = path;
    return true;
}

void CRegistryKey::Close()
{
    m_open = false;
    m_path.clear();
}

std::uint32_t CRegistryKey::ReadNumber(const QString& name, std::uint32_t def) const
{
    if (!m_open || m_access != RegistryAccess::Read)
        return def;
    const auto line = ReadValue(m_path, name);
    if (!line)
        return def;
    // A big-endian value is written in the file as the number it stands for.
    if (line->type == Line::Type::Number || line->type == Line::Type::BigEndianNumber)
        return line->number;
    return def;
}

QString CRegistryKey::ReadText(const QString& name, const QString& def) const
{
    if (!m_open || m_access != RegistryAccess::Read)
        return def;
    const auto line = ReadValue(m_path, name);
    return line && line->type == Line::Type::Text ? line->text : def;
}

std::optional<QString> CRegistryKey::FindText(const QString& name) const
{
    if (!m_open || m_access != RegistryAccess::Read)
        return std::nullopt;
    const auto line = ReadValue(m_path, name);
    if (line && line->type == Line::Type::Text)
        return line->text;
    return std::nullopt;
}

bool CRegistryKey::WriteNumber(const QString& name, std::uint32_t value)
{
    return WriteValue(name, false, value, {});
}

bool CRegistryKey::WriteText(const QString& name, const QString& text)
{
    return WriteValue(name, true, 0, text);
}

bool CRegistryKey::WriteValue(const QString& name, bool isText, std::uint32_t number, const QString& text)
{
    if (!m_open || m_access != RegistryAccess::Write || name.isEmpty())
        return false;
    Line line;
    line.isValue = true;
    line.name = name;
    line.type = isText ? Line::Type::Text : Line::Type::Number;
    line.number = number;
    line.text = text;
    const QString keyPath = m_path;
    return Modify([&](Document& doc, bool& store) {
        Key* key = FindKey(doc, keyPath);
        if (!key)
            return false; // deleted since it was opened
        for (Line& existing : key->lines) {
            if (existing.isValue && existing.name.compare(name, Qt::CaseInsensitive) == 0) {
                line.name = existing.name; // the name keeps the spelling it has
                existing = line;
                store = true;
                return true;
            }
        }
        key->lines.push_back(line);
        store = true;
        return true;
    });
}
