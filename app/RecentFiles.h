#pragma once
// CRecentFiles: the measurement files opened or saved last, newest first, as the File menu lists
// them. Kept in the registry below "Software\Halvex\Kestrel\Recent File List" as "File1" (the
// newest) to "File4".

#include "app/ChildView.h"

#include <QStringList>

class CRecentFiles final : public IRecentFiles {
public:
    static constexpr int kMaxFiles = 4;
    static constexpr const char* kKey = "Software\\Halvex\\Kestrel\\Recent File List";

    // Reads the list from the registry.
    CRecentFiles();

    const QStringList& Files() const { return m_files; }
    // Puts path first (once, as an absolute path) and stores the list.
    void Add(const QString& path) override;
    // Takes path off the list and stores it.
    void Remove(const QString& path);
    // The menu text of entry i (0 = newest): "&1 " and the path, the home folder written "~"
    // and the middle of a long path left out.
    QString MenuText(int i) const;

private:
    void Load();
    void Store() const;

    QStringList m_files;
};
