#include "RecentPuzzles.h"

#include "PuzzleView.h"

namespace {

bool listed(const QStringList& list, const QString& path)
{
    return list.contains(path, Qt::CaseInsensitive);
}

// Only a to z become capitals, as the menu always showed them; other letters stay as they are.
QString asciiUpper(QString text)
{
    for (QChar& c : text) {
        if (c >= u'a' && c <= u'z') {
            c = QChar(c.unicode() - u'a' + u'A');
        }
    }
    return text;
}

} // namespace

QStringList RecentPuzzleList(const QString& lastPuzzle, const QStringList& history)
{
    QStringList candidates;
    if (!lastPuzzle.isEmpty()) {
        candidates.append(lastPuzzle);
    }
    for (const QString& path : history) {
        if (!listed(candidates, path)) {
            candidates.append(path);
        }
    }
    QStringList taken;
    for (const QString& path : candidates) {
        if (!path.isEmpty() && taken.size() < 3) {
            taken.append(path);
        }
    }
    return taken;
}

QString HistoryCaption(int n, const QString& path)
{
    // An "&" of the name is doubled, so that the menu shows it instead of taking it as an access key.
    return QStringLiteral("&%1 %2").arg(n).arg(asciiUpper(PuzzleName(path)).replace(u'&', QStringLiteral("&&")));
}
