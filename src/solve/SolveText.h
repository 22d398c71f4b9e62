#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class LanguageModel;

// Helpers that the solvers of every kind share.

/// The letters A-Z and a-z of text as codes 0..25, in order; everything else is dropped.
std::vector<std::uint8_t> LetterCodes(std::string_view text);

/// Codes 0..25 written as capitals.
std::string CodesToLetters(const std::vector<std::uint8_t>& codes);

/// The longest periods of the periodic kinds as the maker makes them: a Quagmire's indicator has at most 7 letters; a
/// Vigenère key is its keyword, or the whole alphabet when the author gave none.
constexpr int LongestQuagmirePeriod = 7;
constexpr int LongestVigenerePeriod = 26;

/// The mean index of coincidence of the columns of codes taken period apart: about 0.066 for English letters under
/// one key letter per column, about 0.038 when the columns mix alphabets.
double MeanColumnCoincidence(const std::vector<std::uint8_t>& codes, std::size_t period);

/// The length of the shortest part of key whose repeats make key (ABAB: 2; AAAAAAA: 1); key repeats as a whole
/// along a text, so the part's length divides key's. The period a repeating key really gives.
std::size_t RepeatLength(std::string_view key);

/// Quadgram score per quadgram of a text's letters (the solvers' common score scale), 0 for fewer than 4 letters.
double QuadgramScorePerLetter(const LanguageModel& model, const std::vector<std::uint8_t>& codes);

/// The share (0..1) of the letters of a text without word divisions that the best split into known words covers;
/// a one-letter word counts only for A and I.
double SegmentedWordShare(const LanguageModel& model, std::string_view letters);

/// The share (0..1) of the letters of a text with word divisions that stand in known words.
double SpacedWordShare(const LanguageModel& model, std::string_view text);
