#pragma once

#include <functional>
#include <string>
#include <string_view>

#include <QString>

#include "PuzzleFile.h"

class QIODevice;
struct PuzzleDocument;

/// Files larger than this are refused before they are read.
inline constexpr qint64 MaxPuzzleFileSize = qint64(256) * 1024 * 1024;

/// Reads the lines of a device (at most MaxPuzzleFileSize bytes). Throws TessarinError naming path on failure.
PuzzleLines ReadPuzzleLines(QIODevice& device, const QString& path);
/// Reads the lines of a file. Throws TessarinError "Cannot open file "%s". %s" when it cannot be read.
PuzzleLines ReadPuzzleLines(const QString& path);

/// Writes lines (CR LF each) to a device. Throws TessarinError "Cannot create file "%s". %s" on a failed write.
void WritePuzzleLines(QIODevice& device, const QString& path, const PuzzleLines& lines);
/// Writes lines through a QSaveFile, so the old file stays whole when anything fails. Lines that would make a file
/// larger than MaxPuzzleFileSize are refused with "Cannot create file ..." before anything is written.
void WritePuzzleLines(const QString& path, const PuzzleLines& lines);

/// The message for a file at path too short for what was read from it: names the file, then gives reason (the
/// list-index error).
std::string IncompletePuzzleFileMessage(const QString& path, std::string_view reason);

/// True when nothing is at path yet, or an empty file (made new in a file manager, say): it has no line to keep, and
/// a save writes it as a new puzzle.
bool HoldsNoPuzzleYet(const QString& path);

/// Loads the 13 value fields of the file into doc and clears Changed. On any failure doc is unchanged.
void LoadPuzzleFile(PuzzleDocument& doc, const QString& path);

/// Saves doc into the file (updating an existing one line by line; a new or empty one from the template) and clears
/// Changed.
/// On any failure the file and Changed are unchanged.
void SavePuzzleFile(PuzzleDocument& doc, const QString& path);

/// The game's reader: every value it uses, all read before anything is returned.
GameFileValues LoadGameFile(const QString& path);

/// The game's writer: reads the file afresh, lets check refuse its lines (by throwing), replaces only the five
/// solution lines and writes it back safely.
void SaveGameSolutions(const QString& path, const GameSolutions& solutions,
                       const std::function<void(const PuzzleLines& lines)>& check = {});
