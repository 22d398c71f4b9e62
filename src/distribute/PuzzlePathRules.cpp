#include "PuzzlePathRules.h"

#include <QFileInfo>
#include <QUrl>

bool IsPuzzlePath(const QString& path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0 || info.isDir()) {
        return false;
    }
    return name.mid(dot).compare(QStringLiteral(".acnx"), Qt::CaseInsensitive) == 0;
}

bool AddPuzzlePath(QStringList& list, const QString& path)
{
    if (path.isEmpty() || !IsPuzzlePath(path) || list.contains(path, Qt::CaseInsensitive)) {
        return false;
    }
    list.append(path);
    return true;
}

int AddPuzzleUrls(QStringList& list, const QList<QUrl>& urls)
{
    int added = 0;
    for (const QUrl& url : urls) {
        if (url.isLocalFile() && AddPuzzlePath(list, url.toLocalFile())) {
            ++added;
        }
    }
    return added;
}
