#include "app/RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const char *const Section = "Recent File List";

QString Key(int index)
{
    return QStringLiteral("%1/File%2").arg(QLatin1String(Section)).arg(index + 1);
}

QString Normalized(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}
} // namespace

void RecentFiles::load(QSettings &store)
{
    list.clear();
    for (int i = 0; i < MaximumCount; ++i) {
        const QString path = store.value(Key(i)).toString();
        if (!path.isEmpty() && !list.contains(path))
            list.append(path);
    }
}

void RecentFiles::save(QSettings &store) const
{
    for (int i = 0; i < MaximumCount; ++i) {
        if (i < list.size())
            store.setValue(Key(i), list[i]);
        else
            store.remove(Key(i));
    }
}

void RecentFiles::add(const QString &path)
{
    const QString file = Normalized(path);
    list.removeAll(file);
    list.prepend(file);
    while (list.size() > MaximumCount)
        list.removeLast();
}

void RecentFiles::remove(const QString &path)
{
    list.removeAll(path);
    list.removeAll(Normalized(path));
}
