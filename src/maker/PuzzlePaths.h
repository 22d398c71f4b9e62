#pragma once

#include <QString>

/// The maker's puzzle folder: the user's documents folder followed by "/Dunmarrow/Ciphers".
QString PuzzleFolder();

/// Where an unnamed puzzle is saved: the puzzle folder followed by "/Untitled.acnx".
QString DefaultPuzzlePath();

/// The folder the Open dialog starts in: the puzzle folder when the current folder is the program's folder,
/// else the current folder.
QString OpenDialogFolder(const QString& currentFolder, const QString& programFolder);

/// Creates the puzzle folder when path lies in it and it does not exist yet, so that a new user's first save does
/// not fail. Any other folder is left alone: a save into a missing folder elsewhere fails as it should.
void PreparePuzzleFolderFor(const QString& path);

/// The puzzle file type of the file dialogs.
inline const QString PuzzleFileFilter = QStringLiteral("Tessarin Cryptogram (*.acnx)");
inline const QString PuzzleFileSuffix = QStringLiteral("acnx");
