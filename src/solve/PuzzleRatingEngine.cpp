#include <cstdint>
#include <vector>

#include "LanguageModel.h"
#include "PuzzleRating.h"

RatingEngine SolverEngine(const LanguageModel& model)
{
    RatingEngine engine;
    engine.solve = [&model](SolveKind kind, std::string_view ciphertext, const SolveOptions& options) {
        return Solve(kind, ciphertext, model, options);
    };
    engine.score = [&model](std::string_view letters) {
        std::vector<std::uint8_t> codes;
        codes.reserve(letters.size());
        for (char c : letters) {
            if (c >= 'A' && c <= 'Z') {
                codes.push_back(static_cast<std::uint8_t>(c - 'A'));
            }
        }
        return model.ScoreQuadgrams(codes.data(), codes.size());
    };
    return engine;
}
