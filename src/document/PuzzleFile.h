#pragma once

#include <string>
#include <string_view>
#include <vector>

struct PuzzleDocument;

/// A puzzle file as its list of lines (Windows-1252 bytes, without line ends).
using PuzzleLines = std::vector<std::string>;

namespace PuzzleLine {
inline constexpr int Title = 3;
inline constexpr int Plain = 6;
inline constexpr int Cradios = 15;
inline constexpr int CipherSol = 45;
inline constexpr int RailSol = 48;
inline constexpr int PlaySol = 51;
inline constexpr int QuagSol = 54;
inline constexpr int VigenSol = 57;
/// Lines the maker's reader needs (0..42), and every writer (0..57).
inline constexpr int MakerReadCount = 43;
inline constexpr int WriteCount = 58;
inline constexpr int TemplateCount = 60;
} // namespace PuzzleLine

/// The 60 lines of a file made from nothing.
PuzzleLines PuzzleTemplate();

/// Splits a file's bytes into lines: a line ends at CR, LF or CR LF, a last line without an end counts,
/// and a NUL byte ends the text.
PuzzleLines SplitPuzzleLines(std::string_view bytes);

/// Joins lines, each ended by CR LF.
std::string JoinPuzzleLines(const PuzzleLines& lines);

/// A value made fit for one line: every CR LF, CR or LF becomes one blank, and a NUL becomes a blank too.
std::string SingleLineValue(std::string_view value);

/// Takes lines 6, 9, ..., 42 into the 13 value fields. Throws TessarinError "List index out of bounds (%d)"
/// naming the first missing line, and then changes nothing. Does not touch FileName or Changed.
void ReadMakerValues(const PuzzleLines& lines, PuzzleDocument& doc);

/// Replaces lines 6, 9, ..., 42 with the fields and the five solution lines with copies of the ciphertexts,
/// all made single-line. Throws the list-index error, changing nothing, for fewer than 58 lines.
void WriteMakerValues(PuzzleLines& lines, const PuzzleDocument& doc);

/// The values that the game reads from a puzzle file.
struct GameFileValues
{
    std::string PLAIN;
    std::string CIPHKEY;
    std::string CRADIOS; ///< read, not used
    std::string PLAYKEY;
    std::string QUAGKEY;
    std::string QUAGCKEY;
    std::string QUAGINDI;
    std::string VIGENKEY;
    std::string CIPHERSOL;
    std::string RAILSOL;
    std::string PLAYSOL;
    std::string QUAGSOL;
    std::string VIGENSOL;
};

/// The five solution lines the game writes, in kind order.
struct GameSolutions
{
    std::string CIPHERSOL;
    std::string RAILSOL;
    std::string PLAYSOL;
    std::string QUAGSOL;
    std::string VIGENSOL;
};

/// Reads lines 6, 45, 12, 15, 48, 51, 24, 54, 30, 33, 36, 57, 42. Throws the list-index error naming the first
/// missing line in that order.
GameFileValues ReadGameValues(const PuzzleLines& lines);

/// Replaces lines 45, 48, 51, 54 and 57. Throws the list-index error, changing nothing, for fewer than 58 lines.
void WriteGameSolutions(PuzzleLines& lines, const GameSolutions& solutions);

/// The list-index error's message for line index.
std::string ListIndexMessage(int index);
