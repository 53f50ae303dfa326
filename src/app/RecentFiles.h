#pragma once

#include <QStringList>

class QSettings;

// The four most recently opened or saved structure files, newest first,
// kept in the settings section "Recent File List" as "File1" ... "File4".
class RecentFiles {
public:
    static constexpr int MaximumCount = 4;

    void load(QSettings &store);
    // Writes the list; entries beyond its length are removed.
    void save(QSettings &store) const;

    // Puts the file first (as an absolute path), without duplicates.
    void add(const QString &path);
    void remove(const QString &path);

    const QStringList &files() const { return list; }

private:
    QStringList list;
};
