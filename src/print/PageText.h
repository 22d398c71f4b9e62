#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "PuzzleDocument.h"

// The texts that go onto a printed page, shared by the page composer and the text exports. Field texts are
// Windows-1252 bytes; titles are UTF-8, as file names are.

/// The printed title: the file name without its folder and without its ".acnx" extension; "Untitled" for a
/// puzzle that has no file. A name with another extension is kept whole.
std::string PrintTitle(std::string_view fileNameUtf8);

/// The playfair ciphertext cut into pieces of 40 characters, each followed by one space, so that the line breaker
/// has break points; an empty (or all-space) text gives an empty text.
std::string PlayfairPieces(std::string_view text);

/// The text of kind as it is printed: the ciphertext field, cut into pieces for playfair.
std::string PrintedCiphertext(const PuzzleDocument& doc, CipherKind kind);

/// True when a line (Windows-1252) is too wide for the page: its width followed by one "m" exceeds the line width.
using LineOverflows = std::function<bool(std::string_view line)>;

/// Breaks a text into printed lines, each with leading and trailing blanks removed. A line grows character by
/// character until it overflows; it then backs up to the last space before the overflow point. A run without
/// any space ends after its last character that fits (at least one character a line). A line end in the text
/// always ends a line; an empty line in the text gives an empty printed line. The last character of a segment never
/// causes a break.
std::vector<std::string> BreakLines(std::string_view text, const LineOverflows& overflows);

/// One key line of the solution section: its text, how many heights "H" lie between it and the line above, how many
/// characters at the start of the text are its label (padded so that values line up in a fixed-width font), and
/// whether its value is a row of a letter table, whose letters stand in equal columns under each other.
struct KeyLine
{
    std::string text;
    int gapInLineHeights = 0;
    std::size_t labelLength = 0;
    bool letterColumns = false;

    std::string label() const;
    std::string value() const { return text.substr(std::min(labelLength, text.size())); }

    bool operator==(const KeyLine&) const = default;
};

/// The key lines of a kind, top to bottom: the alphabet and CIPHKEY for cipher; the rail count for railfence; the
/// keyword and the five rows of its square for playfair; the keyword for vigenere; the two keywords and the
/// indicator key with its column for quagmire.
std::vector<KeyLine> KeyLines(const PuzzleDocument& doc, CipherKind kind);

/// Whether any letter row carries a label, so that its columns start after the labels rather than at the edge.
bool HasLabelledLetterColumns(const std::vector<KeyLine>& keys);

/// Walks the key lines as they are set when a letter row holds perBand columns at most: band 0 holds every line
/// (each letter row's first perBand letters), each later band the letter rows alone with their next columns, until
/// the longest row is done. Calls each(key, band, firstOfBand) in that order.
void ForEachKeyBand(const std::vector<KeyLine>& keys, std::size_t perBand,
                    const std::function<void(const KeyLine& key, std::size_t band, bool firstOfBand)>& each);

/// The quagmire indicator line's value: the part of QUAGINDI before its first "@", then " (column ", up to three
/// characters after the "@", and ")". Without "@" the indicator is empty and the column its first three characters.
std::string IndicatorText(std::string_view quagIndi);
