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

/// The file names in packageFolder that building the package would replace, each once, in copy order; none when the
/// folder does not exist. Throws the cannot-create error when a destination is one of the files to copy, so that
/// the refusal comes before any question.
QStringList PackageReplacements(const QStringList& puzzles, const QString& packageFolder,
                                const QString& gameProgramPath);

/// The question asked once before files of an existing package folder are replaced: the folder and what would be
/// replaced (at most ten names, then how many more).
QString ReplaceQuestionText(const QString& packageFolder, const QStringList& replaced);

/// Creates the package folder when missing (one level; a failure throws "Cannot create folder "PATH". REASON"),
/// copies every puzzle into it under its own file name, first to last, then the language model when it stands beside
/// the game program, then the game program under its file name.
/// Stops at the first failure; what was copied before stays.
void BuildPackage(const QStringList& puzzles, const QString& packageFolder, const QString& gameProgramPath);
