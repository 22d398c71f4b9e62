#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QUrl;

/// True when the file name's extension (from its last ".") is ".acnx" in any letter case and the path is not a
/// folder.
bool IsPuzzlePath(const QString& path);

/// Appends path (made absolute) to list when it is a puzzle path of a file that the list does not hold yet: paths
/// compare as canonical paths (a relative and an absolute path of one file are one entry), without regard to
/// letter case. True when it was appended.
bool AddPuzzlePath(QStringList& list, const QString& path);

/// AddPuzzlePath for every local file among urls, in their order; other addresses are ignored. The number added.
int AddPuzzleUrls(QStringList& list, const QList<QUrl>& urls);
