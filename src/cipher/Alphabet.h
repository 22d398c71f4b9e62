#pragma once

#include <cstdint>
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

/// The ASCII letters A-Z and a-z of text, in order, upper-cased; everything else is dropped.
std::string AsciiLettersUpper(std::string_view text);

/// One pass over text: every ASCII letter, upper-cased, becomes substitute(k, letter), where k counts the letters
/// from 0 modulo period (at least 1); everything else is dropped. With a groupSize, a blank follows every
/// groupSize-th letter written. substitute is also called, for nothing, with 'A' in place of other characters.
template <class Substitute>
std::string SubstituteAsciiLetters(std::string_view text, std::size_t groupSize, std::size_t period,
                                   Substitute substitute)
{
    // Every byte writes a letter and a blank after it, and the write position moves on past the letter only for a
    // letter and past the blank only at the end of a group: no branch on the kind of byte, which the mix of letters,
    // blanks and punctuation in a text makes unpredictable. The byte after the last one written is spare room.
    const std::size_t group = groupSize != 0 ? groupSize : SIZE_MAX;
    std::string out(text.size() + (groupSize != 0 ? text.size() / groupSize : 0) + 1, ' ');
    std::size_t written = 0;
    std::size_t k = 0;
    std::size_t inGroup = 0;
    for (char c : text) {
        const char upper = static_cast<char>(c & ~0x20);
        const bool letter = upper >= 'A' && upper <= 'Z';
        out[written] = substitute(k, letter ? upper : 'A');
        written += letter;
        k += letter;
        k = k == period ? 0 : k;
        inGroup += letter;
        const bool groupEnds = inGroup == group;
        out[written] = ' ';
        written += groupEnds;
        inGroup = groupEnds ? 0 : inGroup;
    }
    out.resize(written);
    return out;
}

/// Writes letters out with one blank after every groupSize-th letter (so a full last group ends with a blank).
std::string GroupLetters(std::string_view letters, std::size_t groupSize);

/// Removes all blanks (spaces) from text.
std::string WithoutBlanks(std::string_view text);

/// The lines of a text: a line ends at CR, LF or CR LF; a last line without an end counts, and a trailing line end
/// adds no empty line.
std::vector<std::string> SplitTextLines(std::string_view text);
