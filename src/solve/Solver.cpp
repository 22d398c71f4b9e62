#include "Solver.h"

#include <chrono>
#include <ctime>

#include "EncodeRailfence.h"
#include "LanguageModel.h"
#include "SearchRunner.h"
#include "SolvePlayfair.h"
#include "SolveQuagmire.h"
#include "SolveSubstitution.h"
#include "SolveText.h"
#include "SolveVigenere.h"

namespace {

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
    result.confidence = SegmentedWordShare(model, result.best.plaintext);
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

// A rail fence ciphertext holds groups of its rail count, 2 to 4 letters, each followed by one blank.
void checkRailGroups(std::string_view ciphertext)
{
    const int rails = RailCountOf(ciphertext);
    bool regular = rails != 0;
    std::size_t group = 0;
    for (std::size_t i = 0; regular && i < ciphertext.size(); ++i) {
        const char c = ciphertext[i];
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            ++group;
        } else if (c == ' ' || c == '\n' || c == '\r') {
            regular = group == 0 || group == static_cast<std::size_t>(rails);
            group = 0;
        } else {
            regular = false;
        }
    }
    regular = regular && (group == 0 || group == static_cast<std::size_t>(rails));
    if (!regular) {
        throw SolveRefused("A rail fence ciphertext must be written in groups of 2, 3 or 4 letters, "
                           "one group per rail count");
    }
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

SolveResult Solve(SolveKind kind, std::string_view ciphertext, const LanguageModel& model, const SolveOptions& options)
{
    const std::size_t letters = LetterCodes(ciphertext).size();
    if (letters == 0) {
        throw SolveRefused("The ciphertext holds no letters");
    }
    if (kind == SolveKind::Railfence) {
        checkRailGroups(ciphertext);
    }
    const std::size_t minimum = MinimumSolveLetters(kind, ciphertext);
    if (letters < minimum) {
        throw SolveRefused("The ciphertext is too short to solve: it has " + std::to_string(letters) +
                           " letters, this kind needs at least " + std::to_string(minimum));
    }
    // The process's processor clock: the search's own threads are nearly all the work done while it runs.
    const std::clock_t started = std::clock();
    SolveResult result = solveKind(kind, ciphertext, model, options);
    result.processorSeconds = static_cast<double>(std::clock() - started) / CLOCKS_PER_SEC;
    return result;
}
