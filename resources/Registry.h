#pragma once
// The program's registry: typed values (32-bit numbers, big-endian 32-bit numbers, texts) under
// keys such as "Software\Halvex\Kestrel\Settings", kept for the current user in one file.
//
// The file is $SCLERON_REGISTRY when that is set, else $XDG_CONFIG_HOME/scleron/registry (with
// ~/.config for an unset XDG_CONFIG_HOME). It is plain UTF-8 text:
//
//     [Software\Halvex\Kestrel\Settings]
//     "Language"=dword:00000001
//     "Order"=dword-be:00000001
//     "Path"="/opt/scleron"
//
// Key and value names compare case-insensitively. Texts escape \\ \" \n \r \t. Lines this code
// does not understand are kept as they stand when the file is rewritten. Every read looks at the
// file as it is now, so another process's writes are seen at once; every write replaces the file
// atomically (temporary file + rename) under a lock file.

#include <QString>

#include <cstdint>
#include <optional>

enum class RegistryRoot { CurrentUser };
enum class RegistryAccess { Read, Write };

namespace Registry {
// Files larger than this are not read (and so never rewritten).
constexpr qint64 kMaxFileSize = 1 << 20;
// The path of the registry file in use.
QString FilePath();
// Creates the key (and the file and its folder) when it does not exist yet. True when the key
// exists afterwards.
bool CreateKey(RegistryRoot root, const QString& path);
bool KeyExists(RegistryRoot root, const QString& path);
} // namespace Registry

// An open registry key. Opening never creates a key: writing below a key that does not exist
// does nothing (Open fails and every write after it fails).
class CRegistryKey {
public:
    CRegistryKey() = default;
    ~CRegistryKey() = default;
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    // Closes any key held, then opens path below root for reading or for setting values.
    bool Open(RegistryRoot root, const QString& path, RegistryAccess access);
    void Close();
    bool IsOpen() const { return m_open; }

    // A 32-bit number or big-endian 32-bit number value; anything else (a text, a missing value,
    // no key open for reading) gives def.
    std::uint32_t ReadNumber(const QString& name, std::uint32_t def) const;
    // Fails without a key open for writing or with an empty name.
    bool WriteNumber(const QString& name, std::uint32_t value);
    // A text value; another type, a missing value or no key open for reading gives def.
    QString ReadText(const QString& name, const QString& def) const;
    // A text value, or nothing for another type, a missing value or no key open for reading.
    std::optional<QString> FindText(const QString& name) const;
    bool WriteText(const QString& name, const QString& text);

private:
    bool WriteValue(const QString& name, bool isText, std::uint32_t number, const QString& text);

    bool m_open = false;
    RegistryAccess m_access = RegistryAccess::Read;
    QString m_path;
};
