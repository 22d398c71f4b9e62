#include "PuzzlePathRules.h"

#include <QDir>
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

namespace {

// The same file however its path is spelled: the canonical path of an existing file, else the clean absolute path.
QString identityOf(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

bool AddPuzzlePath(QStringList& list, const QString& path)
{
    if (path.isEmpty() || !IsPuzzlePath(path)) {
        return false;
    }
    const QString identity = identityOf(path);
    for (const QString& listed : list) {
        if (identityOf(listed).compare(identity, Qt::CaseInsensitive) == 0) {
            return false;
        }
    }
    // Listed as an absolute path: a relative one would depend on the current folder.
    list.append(QFileInfo(path).absoluteFilePath());
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
