#pragma once

#include <QString>
#include <QStringList>

/// The recent-puzzle list of the Puzzle menu: LastPuzzle first, then History1 to History3, each path once
/// (compared without regard to letter case), empty paths skipped, at most three.
QStringList RecentPuzzleList(const QString& lastPuzzle, const QStringList& history);

/// The caption of the n-th recent entry: "&", n, a blank, then the file name without its last five characters in
/// capitals (a to z only), for example "&1 RIDDLE" for .../riddle.acnx.
QString HistoryCaption(int n, const QString& path);
