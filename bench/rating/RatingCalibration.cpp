// Rates cryptograms made from held-out quotations (never seen by the language model) with the real solver and
// prints, kind by kind, how they spread over the five difficulty steps and how the steps relate to the solver's
// time and success. Run by hand:
//   tessarin_rating_calibration [COUNT_PER_KIND] [SECONDS] [THREADS] [QUOTATIONS_FILE] [FORM]
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "Alphabet.h"
#include "CryptogramMeasures.h"
#include "EncodeCipher.h"
#include "EncodePlayfair.h"
#include "EncodeQuagmire.h"
#include "EncodeRailfence.h"
#include "EncodeVigenere.h"
#include "LanguageModel.h"
#include "Normalize.h"
#include "PuzzleRating.h"
#include "Random.h"

namespace {

// The forms rated, each with the range of lengths (letters) its puzzles are usually made in.
struct Form
{
    const char* name;
    SolveKind kind;
    std::size_t shortest;
    std::size_t longest;
};
constexpr std::array<Form, 6> Forms = {{{"Aristocrat", SolveKind::Cipher, 40, 160},
                                        {"Patristocrat", SolveKind::Cipher, 60, 200},
                                        {"Rail fence", SolveKind::Railfence, 20, 200},
                                        {"Playfair", SolveKind::Playfair, 60, 300},
                                        {"Quagmire", SolveKind::Quagmire, 100, 400},
                                        {"Vigenere", SolveKind::Vigenere, 60, 300}}};

std::vector<std::string> readLines(const std::string& file)
{
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

// count quotations whose letter counts lie in the form's range, spread evenly over it (shortest to longest).
std::vector<std::string> pick(const std::vector<std::string>& quotations, const Form& form, std::size_t count)
{
    std::vector<std::pair<std::size_t, std::string>> fitting;
    for (const std::string& q : quotations) {
        const std::size_t n = AsciiLettersUpper(q).size();
        if (n >= form.shortest && n <= form.longest) {
            fitting.emplace_back(n, q);
        }
    }
    std::sort(fitting.begin(), fitting.end());
    std::vector<std::string> picked;
    for (std::size_t i = 0; i < count && !fitting.empty(); ++i) {
        picked.push_back(fitting[i * fitting.size() / count].second);
    }
    return picked;
}

std::string keywordFrom(const LanguageModel& model, Random& rng, std::size_t shortest, std::size_t longest)
{
    for (;;) {
        const std::string& word = model.Words()[static_cast<std::size_t>(rng.draw(3000))].text;
        if (word.size() >= shortest && word.size() <= longest && word.find('\'') == std::string::npos) {
            return word;
        }
    }
}

// The cryptogram of a quotation as the maker would store it, with the author's keys.
RatedCryptogram make(const Form& form, const std::string& quotation, const LanguageModel& model, Random& rng,
                     std::size_t index)
{
    RatedCryptogram c;
    c.kind = form.kind;
    c.PLAIN = quotation;
    switch (form.kind) {
    case SolveKind::Cipher: {
        bool edited = false;
        c.ciphertext = EncryptCipherRandom(quotation, true, c.CIPHKEY, edited, rng);
        if (form.name == std::string("Patristocrat")) {
            c.ciphertext = PatristocratText(c.ciphertext);
        }
        break;
    }
    case SolveKind::Railfence:
        c.ciphertext = EncryptRailfence(quotation, 2 + static_cast<int>(index % 3), rng);
        break;
    case SolveKind::Playfair: {
        c.PLAYKEY = keywordFrom(model, rng, 5, 10);
        bool edited = false;
        c.ciphertext = EncryptPlayfair(quotation, c.PLAYKEY, edited);
        break;
    }
    case SolveKind::Quagmire: {
        const std::size_t type = index % 4; // I, II, III, IV in turn
        const std::string plainKey = keywordFrom(model, rng, 5, 10);
        c.QUAGKEY = type == 1 ? std::string() : plainKey;
        c.QUAGCKEY = type == 0 ? std::string() : type == 2 ? plainKey : keywordFrom(model, rng, 5, 10);
        c.QUAGINDI = keywordFrom(model, rng, 3, 7) + "@" + std::to_string(1 + rng.draw(26));
        c.ciphertext = EncryptQuagmire(quotation, c.QUAGKEY, c.QUAGCKEY, c.QUAGINDI);
        break;
    }
    case SolveKind::Vigenere:
        c.VIGENKEY = keywordFrom(model, rng, 3, 10);
        c.ciphertext = EncryptVigenere(quotation, c.VIGENKEY);
        break;
    }
    return c;
}

struct StepTally
{
    int count = 0;
    int solved = 0;
    std::vector<double> seconds;
    std::vector<int> letters;
};

double median(std::vector<double> values)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    const std::size_t count = argc > 1 ? std::stoul(argv[1]) : 20;
    RatingOptions options;
    options.seconds = argc > 2 ? std::stod(argv[2]) : 5;
    options.threads = argc > 3 ? static_cast<unsigned>(std::stoul(argv[3])) : 0;
    const std::vector<std::string> quotations =
        readLines(argc > 4 && std::string(argv[4]) != "-" ? argv[4] : TESSARIN_HELDOUT_FILE);
    const LanguageModel model = LanguageModel::Load(TESSARIN_LANGUAGE_MODEL_FILE);
    const RatingEngine engine = SolverEngine(model);
    Random rng(20261209);

    std::printf("%zu held-out quotations, %zu per form, solver bound %.1f s\n\n", quotations.size(), count,
                options.seconds);
    std::printf("| Form | Step | Puzzles | Letters (min-max) | Solved | Median solver time |\n");
    std::printf("|---|---|---|---|---|---|\n");
    for (const Form& form : Forms) {
        if (argc > 5 && std::string(argv[5]) != form.name) {
            continue;
        }
        std::array<StepTally, 5> steps{};
        std::vector<int> numbers;
        std::size_t index = 0;
        for (const std::string& quotation : pick(quotations, form, count)) {
            const RatedCryptogram cryptogram = make(form, quotation, model, rng, index++);
            const PuzzleRating rating = RateCryptogram(cryptogram, engine, options);
            numbers.push_back(rating.number);
            if (std::getenv("TESSARIN_CALIBRATION_VERBOSE")) {
                std::fprintf(stderr, "%s %d letters: %d, solved %d in %.2f s, confidence %.2f\n", form.name,
                             rating.letters, rating.number, rating.solved ? 1 : 0, rating.seconds, rating.confidence);
                for (const RatingReason& reason : rating.reasons) {
                    std::fprintf(stderr, "    %+d %s\n", reason.points, reason.text.c_str());
                }
            }
            StepTally& tally = steps[static_cast<std::size_t>(rating.step)];
            ++tally.count;
            tally.solved += rating.solved ? 1 : 0;
            tally.seconds.push_back(rating.seconds);
            tally.letters.push_back(rating.letters);
        }
        std::sort(numbers.begin(), numbers.end());
        if (!numbers.empty()) {
            std::fprintf(stderr, "%s numbers: min %d, quintiles %d %d %d %d, max %d\n", form.name, numbers.front(),
                         numbers[numbers.size() / 5], numbers[2 * numbers.size() / 5], numbers[3 * numbers.size() / 5],
                         numbers[4 * numbers.size() / 5], numbers.back());
        }
        for (std::size_t s = 0; s < steps.size(); ++s) {
            const StepTally& tally = steps[s];
            const auto [least, most] = std::minmax_element(tally.letters.begin(), tally.letters.end());
            std::printf("| %s | %s | %d | %s | %s | %s |\n", form.name,
                        std::string(DifficultyStepName(static_cast<DifficultyStep>(s))).c_str(), tally.count,
                        tally.count ? (std::to_string(*least) + "-" + std::to_string(*most)).c_str() : "",
                        tally.count ? (std::to_string(100 * tally.solved / tally.count) + " %").c_str() : "",
                        tally.count ? (std::to_string(median(tally.seconds)).substr(0, 4) + " s").c_str() : "");
        }
    }
    return 0;
}
