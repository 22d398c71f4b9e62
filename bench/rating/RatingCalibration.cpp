// Rates cryptograms made from held-out quotations (never seen by the language model) with the real solver and
// prints, form by form, how they spread over the five difficulty steps under the built-in calibration, how the
// steps relate to the solver's success and time and to the length, and the calibration this draw would fit.
// Run by hand:
//   tessarin_rating_calibration [--count N] [--seconds S] [--threads T] [--draw fit|report] [--seed N]
//                               [--quotations FILE] [--form NAME]
// The quotations of each form's lengths are split in two halves that never meet: --draw fit rates the one the
// built-in calibration is fitted on, --draw report (the default) the other, so that the spread it shows is that of
// quotations the calibration has not seen. The keys are drawn with --seed, by default 20261209 for the fitting
// draw and 20261210 for the report.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <stdexcept>
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
    RatingForm form;
    SolveKind kind;
    std::size_t shortest;
    std::size_t longest;
};
constexpr std::array<Form, 6> Forms = {{{"Aristocrat", RatingForm::Aristocrat, SolveKind::Cipher, 40, 160},
                                        {"Patristocrat", RatingForm::Patristocrat, SolveKind::Cipher, 60, 200},
                                        {"Rail fence", RatingForm::Railfence, SolveKind::Railfence, 20, 200},
                                        {"Playfair", RatingForm::Playfair, SolveKind::Playfair, 60, 300},
                                        {"Quagmire", RatingForm::Quagmire, SolveKind::Quagmire, 100, 400},
                                        {"Vigenere", RatingForm::Vigenere, SolveKind::Vigenere, 60, 300}}};

struct Arguments
{
    std::size_t count = 50;
    RatingOptions options;
    bool fitDraw = false;
    std::optional<std::uint64_t> seed; ///< by default each draw has its own
    std::string quotations = TESSARIN_HELDOUT_FILE;
    std::string form;
};

Arguments parse(int argc, char* argv[])
{
    Arguments arguments;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--count") {
            arguments.count = std::stoul(value);
        } else if (name == "--seconds") {
            arguments.options.seconds = std::stod(value);
        } else if (name == "--threads") {
            arguments.options.threads = static_cast<unsigned>(std::stoul(value));
        } else if (name == "--draw" && (value == "fit" || value == "report")) {
            arguments.fitDraw = value == "fit";
        } else if (name == "--seed") {
            arguments.seed = std::stoull(value);
        } else if (name == "--quotations") {
            arguments.quotations = value;
        } else if (name == "--form") {
            arguments.form = value;
        } else {
            throw std::invalid_argument("unknown option or value: " + name + " " + value);
        }
    }
    if (argc % 2 == 0) {
        throw std::invalid_argument(std::string("option without a value: ") + argv[argc - 1]);
    }
    return arguments;
}

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

// count quotations whose letter counts lie in the form's range, spread evenly over it (shortest to longest), from
// the half of the draw asked: the fitting draw takes every other quotation in order of length, the report the rest.
std::vector<std::string> pick(const std::vector<std::string>& quotations, const Form& form, std::size_t count,
                              bool fitDraw)
{
    std::vector<std::pair<std::size_t, std::string>> fitting;
    for (const std::string& q : quotations) {
        const std::size_t n = AsciiLettersUpper(q).size();
        if (n >= form.shortest && n <= form.longest) {
            fitting.emplace_back(n, q);
        }
    }
    std::sort(fitting.begin(), fitting.end());
    std::vector<std::string> half;
    for (std::size_t i = fitDraw ? 0 : 1; i < fitting.size(); i += 2) {
        half.push_back(fitting[i].second);
    }
    std::vector<std::string> picked;
    for (std::size_t i = 0; i < std::min(count, half.size()); ++i) {
        picked.push_back(half[i * half.size() / std::min(count, half.size())]);
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
        if (form.form == RatingForm::Patristocrat) {
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

template <typename T> T median(std::vector<T> values)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string listed(const RatingCalibration& calibration)
{
    std::string text;
    for (double breakpoint : calibration) {
        char number[16];
        std::snprintf(number, sizeof number, "%.1f", breakpoint);
        text += (text.empty() ? "" : ", ") + std::string(number);
    }
    return text;
}

struct StepTally
{
    int count = 0;
    int solved = 0;
    std::vector<double> seconds;
    std::vector<int> letters;
};

} // namespace

int main(int argc, char* argv[])
{
    Arguments arguments;
    try {
        arguments = parse(argc, argv);
    } catch (const std::exception& wrong) {
        std::fprintf(stderr, "tessarin_rating_calibration: %s\n", wrong.what());
        return 2;
    }
    const std::vector<std::string> quotations = readLines(arguments.quotations);
    const LanguageModel model = LanguageModel::Load(TESSARIN_LANGUAGE_MODEL_FILE);
    const RatingEngine engine = SolverEngine(model);
    const std::uint64_t seed = arguments.seed.value_or(arguments.fitDraw ? 20261209 : 20261210);
    Random rng(seed);

    std::printf("%zu held-out quotations, %s draw, up to %zu per form, seed %llu, solver bound %s\n\n",
                quotations.size(), arguments.fitDraw ? "fitting" : "report", arguments.count,
                static_cast<unsigned long long>(seed),
                arguments.options.seconds > 0 ? (std::to_string(arguments.options.seconds) + " s").c_str()
                                              : "the kind's default");
    std::printf("| Form | Step | Puzzles | Solved | Median solver time | Median letters |\n");
    std::printf("|---|---|---|---|---|---|\n");
    std::string fitted;
    for (const Form& form : Forms) {
        if (!arguments.form.empty() && arguments.form != form.name) {
            continue;
        }
        std::array<StepTally, 5> steps{};
        std::vector<CalibrationSample> samples;
        std::size_t index = 0;
        for (const std::string& quotation : pick(quotations, form, arguments.count, arguments.fitDraw)) {
            const RatedCryptogram cryptogram = make(form, quotation, model, rng, index++);
            const PuzzleRating rating = RateCryptogram(cryptogram, engine, arguments.options);
            samples.push_back({rating.points, !rating.solved && !rating.HasWarning("refused")});
            if (std::getenv("TESSARIN_CALIBRATION_VERBOSE")) {
                std::fprintf(stderr, "%s %d letters: %d points, number %d, solved %d in %.2f s, confidence %.2f\n",
                             form.name, rating.letters, rating.points, rating.number, rating.solved ? 1 : 0,
                             rating.seconds, rating.confidence);
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
        for (std::size_t s = 0; s < steps.size(); ++s) {
            const StepTally& tally = steps[s];
            std::printf("| %s | %s | %d | %s | %s | %s |\n", form.name,
                        std::string(DifficultyStepName(static_cast<DifficultyStep>(s))).c_str(), tally.count,
                        tally.count ? (std::to_string(100 * tally.solved / tally.count) + " %").c_str() : "",
                        tally.count ? (std::to_string(median(tally.seconds)).substr(0, 4) + " s").c_str() : "",
                        tally.count ? std::to_string(median(tally.letters)).c_str() : "");
        }
        try {
            fitted += "    " + std::string(form.name) + ": {" + listed(FitCalibration(samples)) + "}   built in: {" +
                      listed(CalibrationOf(form.form)) + "}\n";
        } catch (const std::invalid_argument& tooFew) {
            fitted += "    " + std::string(form.name) + ": " + tooFew.what() + "\n";
        }
    }
    std::printf("\nBreakpoints (sums of points at difficulty 0, 20, 40, 60, 80, 100) that spread this draw evenly:\n%s",
                fitted.c_str());
    return 0;
}
