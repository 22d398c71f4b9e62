#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

/// The 26 capitals A to Z.
inline constexpr std::string_view StandardAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

/// The 25 letters of a Playfair square: A to Z without Q.
inline constexpr std::string_view PlayfairAlphabet = "ABCDEFGHIJKLMNOPRSTUVWXYZ";

/// A permutation of base that starts with the keyword's characters that occur in base, in order of their
/// first occurrence, followed by the rest of base in base order. The comparison is exact and case-sensitive;
/// characters not in base are skipped. A permutation of base comes back unchanged.
std::string KeyedAlphabet(std::string_view keyword, std::string_view base);

/// Characters n+1 to the end followed by characters 1 to n. Requires 0 <= n <= s.size().
std::string RotateLeft(std::string_view s, std::size_t n);

/// The last n characters followed by the others. Requires 0 <= n <= s.size().
std::string RotateRight(std::string_view s, std::size_t n);

/// True when text holds every character of base exactly once and nothing else.
bool IsPermutationOf(std::string_view text, std::string_view base);

/// Removes every character with a code from 0 to 32 at both ends.
std::string TrimControl(std::string_view text);

/// A to Z or a to z: the letters the ciphers work on.
constexpr bool IsAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

/// The ASCII letters A-Z and a-z of text, in order, upper-cased; everything else is dropped.
std::string AsciiLettersUpper(std::string_view text);

/// count copies of c, with room for one character more (a line end that the caller may add without a copy).
std::string RoomyString(std::size_t count, char c);

/// One substitution alphabet: the letter that stands for A, B, ... Z.
using LetterRow = std::array<char, 26>;

/// One pass over text: the k-th ASCII letter (A-Z, a-z), counted from 0, becomes rows[k % rows.size()] at the
/// upper-cased letter; everything else is dropped. With a groupSize, a blank follows every groupSize-th letter
/// written. rows holds at least one row.
std::string SubstitutePeriodic(std::string_view text, std::span<const LetterRow> rows, std::size_t groupSize);

/// Reads a text a block at a time and keeps, of each byte, its code from a table when that code is below none:
/// the codes of the letters that matter to a cipher, in order, with the other bytes dropped without a branch on
/// each byte (the mix of letters, blanks and punctuation in a text would defeat one).
class CodedLetters
{
public:
    /// text must outlive the reader.
    CodedLetters(std::string_view text, const std::array<std::uint8_t, 256>& codes, std::uint8_t none);

    /// False once the whole text has been read.
    bool more() const { return position < text.size(); }

    /// The codes of the next block's kept bytes (possibly none).
    std::span<const std::uint8_t> next();

private:
    std::string_view text;
    const std::array<std::uint8_t, 256>& codes;
    std::uint8_t none;
    std::size_t position = 0;
    std::array<std::uint8_t, 4096> block{};
};

/// Writes letters out with one blank after every groupSize-th letter (so a full last group ends with a blank).
std::string GroupLetters(std::string_view letters, std::size_t groupSize);

/// Removes all blanks (spaces) from text.
std::string WithoutBlanks(std::string_view text);

/// The lines of a text: a line ends at CR, LF or CR LF; a last line without an end counts, and a trailing line end
/// adds no empty line.
std::vector<std::string> SplitTextLines(std::string_view text);
