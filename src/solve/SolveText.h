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

/// Quadgram score per quadgram of a text's letters (the solvers' common score scale), 0 for fewer than 4 letters.
double QuadgramScorePerLetter(const LanguageModel& model, const std::vector<std::uint8_t>& codes);

/// The share (0..1) of the letters of a text without word divisions that the best split into known words covers;
/// a one-letter word counts only for A and I.
double SegmentedWordShare(const LanguageModel& model, std::string_view letters);

/// The share (0..1) of the letters of a text with word divisions that stand in known words.
double SpacedWordShare(const LanguageModel& model, std::string_view text);
