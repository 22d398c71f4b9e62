#pragma once

#include <QString>
#include <QStringList>

// Building a distribution folder. Every failure throws TessarinError with the message the user sees:
// "Cannot open file "PATH". REASON" for a source, "Cannot create file "PATH". REASON" for a destination.

/// Copies source to destination, replacing a file of that name. The copy is written under a temporary name in the
/// destination's folder and renamed when complete, so a failure leaves no partial file and the old destination
/// stays. A destination that is the source itself (same canonical path or the same file on disk) is refused with
/// the cannot-create error and left untouched. The copy gets the source's permissions (the game stays executable).
void CopyPackageFile(const QString& source, const QString& destination);

/// The package folder of the path chosen in the save dialog: the path itself, or the folder of an existing file.
/// Qt's save dialog opens a folder whose name is typed, so a package folder that exists is chosen by picking a
/// file in it.
QString PackageFolderOf(const QString& chosenPath);

/// Creates the package folder (PackageFolderOf(chosenPath)) when missing (one level; a failure shows up as the first
/// copy's error), copies every puzzle into it under its own file name, first to last, then the game program under its
/// file name. Stops at the first failure; what was copied before stays.
void BuildPackage(const QStringList& puzzles, const QString& chosenPath, const QString& gameProgramPath);
