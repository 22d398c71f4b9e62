#include "Solver.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <ctime>

#include "Alphabet.h"
#include "EncodeCipher.h"
#include "EncodePlayfair.h"
#include "EncodeQuagmire.h"
#include "EncodeRailfence.h"
#include "EncodeVigenere.h"
#include "LanguageModel.h"
#include "SearchRunner.h"
#include "SolvePlayfair.h"
#include "SolveQuagmire.h"
#include "SolveSubstitution.h"
#include "SolveText.h"
#include "SolveVigenere.h"

namespace {

// A text longer than this many letters is broken on a sample of it and the key found read over the whole: the
// search's every step scores the text it works on, so a text of megabytes would keep it far past its time bound,
// while a few thousand letters pin down the key of every kind.
constexpr std::size_t SampleLetters = 3000;
// In the sample of a substitution, each cipher letter the text holds stands at least this often (or as often as
// the text has it), so that a letter rare at the start is read from words, not guessed.
constexpr std::size_t SampleLetterCover = 3;

// The ciphertext with its letters a-z written as capitals, as the maker stores it; the kinds' solvers read capitals.
std::string capitals(std::string_view ciphertext)
{
    std::string text(ciphertext);
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

// Where the first SampleLetters letters of text end; a substitution's sample goes on to the end of the word or
// group (of a word's first 64 more letters: a text without blanks is not cut into words).
std::size_t sampleEnd(std::string_view text, bool wholeWords)
{
    std::size_t letters = 0;
    std::size_t i = 0;
    for (; i < text.size() && letters < SampleLetters; ++i) {
        letters += IsAsciiLetter(text[i]) ? 1 : 0;
    }
    for (std::size_t more = 0; wholeWords && more < 64 && i < text.size() && IsAsciiLetter(text[i]); ++more) {
        ++i;
    }
    return i;
}

// A substitution's sample of a text in capitals: its start, then every later word (every group of five, in the
// Patristocrat form) that holds a letter the sample has fewer than SampleLetterCover times.
std::string substitutionSample(std::string_view text)
{
    const bool groups = IsPatristocrat(text);
    const std::size_t end = sampleEnd(text, true);
    std::string sample(text.substr(0, end));
    std::array<std::size_t, 26> seen{};
    const auto count = [&seen](std::string_view part) {
        for (const char c : part) {
            if (IsAsciiLetter(c)) {
                ++seen[static_cast<std::size_t>(c - 'A')];
            }
        }
    };
    count(sample);
    std::size_t start = end;
    while (start < text.size()) {
        const std::size_t stop = std::min(text.find_first_of(" \r\n", start), text.size());
        const std::string_view word = text.substr(start, stop - start);
        const bool wanted = std::any_of(word.begin(), word.end(), [&](char c) {
            return IsAsciiLetter(c) && seen[static_cast<std::size_t>(c - 'A')] < SampleLetterCover;
        });
        if (wanted && (!groups || word.size() == 5)) {
            sample.append(" ").append(word);
            count(word);
        }
        start = stop + 1;
    }
    return sample;
}

// The part of a long ciphertext the search works on; a text of at most SampleLetters letters whole, and a rail fence
// whole (its transposition spans the text, and its solving is linear).
std::string sampleOf(SolveKind kind, const std::string& text)
{
    if (kind == SolveKind::Railfence || LetterCodes(text).size() <= SampleLetters) {
        return text;
    }
    return kind == SolveKind::Cipher ? substitutionSample(text) : text.substr(0, sampleEnd(text, false));
}

// A candidate found on a sample, with its key read over the whole ciphertext.
void readWhole(SolveKind kind, std::string_view ciphertext, SolveCandidate& candidate)
{
    const SolveKey& key = candidate.key;
    switch (kind) {
    case SolveKind::Cipher:
        candidate.plaintext = DecryptCipher(ciphertext, key.alphabet);
        break;
    case SolveKind::Playfair:
        candidate.plaintext = AsciiLettersUpper(DecryptPlayfair(ciphertext, key.square));
        break;
    case SolveKind::Quagmire:
        candidate.plaintext =
            DecryptQuagmire(ciphertext, key.keyRow, key.cipherTable, key.indicator + "@" + std::to_string(key.column));
        break;
    case SolveKind::Vigenere:
        candidate.plaintext = AsciiLettersUpper(DecryptVigenere(ciphertext, key.keyword));
        break;
    case SolveKind::Railfence:
        break;
    }
}

SolveResult solveRailfence(std::string_view ciphertext, const LanguageModel& model)
{
    const auto start = std::chrono::steady_clock::now();
    const int rails = RailCountOf(ciphertext);
    SolveResult result;
    result.best.plaintext = DecryptRailfence(ciphertext, rails);
    result.best.key.form = "railfence";
    result.best.key.rails = rails;
    result.best.score = QuadgramScorePerLetter(model, LetterCodes(result.best.plaintext));
    // The rail count is given by the groups, so the text has one reading; how sure it is depends only on how
    // much of it reads as English.
    result.confidence = SegmentedWordShare(model, result.best.plaintext.substr(0, SampleLetters));
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

SolveResult solveKind(SolveKind kind, std::string_view ciphertext, const LanguageModel& model,
                      const SolveOptions& options)
{
    switch (kind) {
    case SolveKind::Cipher:
        return SolveSubstitution(ciphertext, model, options);
    case SolveKind::Railfence:
        return solveRailfence(ciphertext, model);
    case SolveKind::Playfair:
        return SolvePlayfair(ciphertext, model, options);
    case SolveKind::Quagmire:
        return SolveQuagmire(ciphertext, model, options);
    case SolveKind::Vigenere:
        return SolveVigenere(ciphertext, model, options);
    }
    throw SolveRefused("Unknown kind of cryptogram");
}

} // namespace

std::size_t MinimumSolveLetters(SolveKind kind, std::string_view ciphertext)
{
    switch (kind) {
    case SolveKind::Cipher:
        return IsPatristocrat(ciphertext) ? 40 : 20;
    case SolveKind::Railfence:
        return 8;
    case SolveKind::Playfair:
        return 30;
    case SolveKind::Quagmire:
        return 60;
    case SolveKind::Vigenere:
        return 30;
    }
    return 0;
}

SolveResult Solve(SolveKind kind, std::string_view given, const LanguageModel& model, const SolveOptions& options)
{
    const std::string ciphertext = capitals(given);
    const std::size_t letters = LetterCodes(ciphertext).size();
    if (letters == 0) {
        throw SolveRefused("The ciphertext holds no letters");
    }
    // A rail fence ciphertext holds groups of its rail count, 2 to 4 letters, each followed by one blank.
    if (kind == SolveKind::Railfence && RegularRailCount(ciphertext) == 0) {
        throw SolveRefused(std::string(IrregularRailGroupsMessage));
    }
    const std::size_t minimum = MinimumSolveLetters(kind, ciphertext);
    if (letters < minimum) {
        throw SolveRefused("The ciphertext is too short to solve: it has " + std::to_string(letters) +
                           (letters == 1 ? " letter" : " letters") + ", this kind needs at least " +
                           std::to_string(minimum));
    }
    // The process's processor clock: the search's own threads are nearly all the work done while it runs.
    const std::clock_t started = std::clock();
    const std::string sample = sampleOf(kind, ciphertext);
    SolveResult result = solveKind(kind, sample, model, options);
    if (sample.size() != ciphertext.size() && !result.best.plaintext.empty()) {
        readWhole(kind, ciphertext, result.best);
        if (result.alternative) {
            readWhole(kind, ciphertext, *result.alternative);
        }
    }
    result.processorSeconds = static_cast<double>(std::clock() - started) / CLOCKS_PER_SEC;
    return result;
}
