#pragma once

#include <functional>

#include <QString>

#include "GamePuzzle.h"

// The game's edge to the puzzle file and the file system.

/// The question asked before unsaved solutions would be lost.
inline constexpr char SaveSolutionsQuestion[] = "Do you want to save your cryptogram solutions?";

/// The answers to the save question.
enum class SaveAnswer
{
    Yes,
    No,
    Cancel
};

/// Reads every value the game uses from the file, with the five ciphertext lines, and only then replaces them in
/// puzzle; clears GameChanged and the histories. Kind, board, selection and FileName stay. Throws TessarinError
/// and leaves puzzle unchanged when the file cannot be read or is no puzzle (fewer than 58 lines, or the solution
/// lines' tags missing); the message names the file and what is wrong.
void LoadGamePuzzle(GamePuzzle& puzzle, const QString& path);

/// Stores the board, then reads the file named by FileName afresh and writes back its five solution lines;
/// every other line stays as it is on disk; clears GameChanged. Throws TessarinError when the file cannot be read
/// or written, is no puzzle (as for LoadGamePuzzle), or holds other ciphertexts than those loaded (another program
/// changed it); the message names the file. The file is then unchanged, the stored boards stay in memory and
/// GameChanged stays set.
void SaveGamePuzzle(GamePuzzle& puzzle);

/// The save question: true to go on, false to stay. Asks only when GameChanged is set; Yes runs save first.
bool QuerySaveSolutions(const GamePuzzle& puzzle, const std::function<SaveAnswer()>& ask,
                        const std::function<void()>& save);

/// The folder Open starts in: the maker's puzzle folder (documents + "/Dunmarrow/Ciphers/") when the maker's
/// program file lies in the current folder, otherwise the current folder followed by "/".
QString OpenStartFolder(const QString& currentFolder, const QString& documentsFolder);

/// The maker's program file name on this platform.
QString MakerProgramName();

/// "Tessarin 5 Game - " followed by the file name without folder and without its last five characters.
QString GameCaption(const QString& path);
