#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

/// Measurements a person solving a cryptogram would take from its text: words and their patterns, repeated letter
/// sequences, letter counts and periods. They look only at the ciphertext (or at any text), never at a key, and are
/// shared by the difficulty rating and the hints.

/// A word of a substitution ciphertext: a run of capitals A-Z.
struct CipherWord
{
    std::size_t start = 0; ///< position of its first letter in the text
    std::string letters;
    bool afterApostrophe = false; ///< the run follows an apostrophe inside a word, as the S of "IT'S"
    bool beforeApostrophe = false;
};

/// The runs of capitals A-Z of text, in order.
std::vector<CipherWord> CipherWords(std::string_view text);

/// The capitals A-Z of text, in order.
std::string CapitalsOf(std::string_view text);

/// The shape of a word: its first letter becomes A, the next different letter B, and so on ("THAT" gives "ABCA").
std::string WordPattern(std::string_view word);

/// True when some letter occurs twice in word.
bool HasRepeatedLetter(std::string_view word);

/// A letter sequence found more than once, with its start positions (in the letters).
struct RepeatedSequence
{
    std::string letters;
    std::vector<std::size_t> positions;
};

/// Sequences of exactly length letters occurring at least twice in letters, the most frequent first (then the
/// earliest).
std::vector<RepeatedSequence> RepeatedSequences(std::string_view letters, std::size_t length);

/// The index of coincidence of the capitals in letters (0 for fewer than two).
double IndexOfCoincidence(std::string_view letters);

/// The period from 1 to maxPeriod whose columns have the highest mean index of coincidence, preferring the
/// shortest period within a small margin (multiples of the true period score as well). 0 when letters is too
/// short to tell.
int EstimatedPeriod(std::string_view letters, int maxPeriod);

/// The number of distinct capitals in text.
int DistinctLetters(std::string_view text);

/// Total variation distance between the letter shares of letters and those of English, from 0 (the same) to 1.
/// With byRank the shares are compared sorted, commonest first, which a substitution key does not change.
double DistanceFromEnglishLetters(std::string_view letters, bool byRank);
