// Measures the solver on held-out quotations (never seen by the language model): per form and length bucket, the
// share of cases solved exactly and the median time, beside a plain quadgram hill climber as the baseline.
//
//   tessarin_solve_bench [--cases N] [--forms a,p,v,q,f,r] [--baseline-seconds S] [--seed N] [--draw fit|report]
//
// The held-out quotations are split in two halves that never meet (every other line): --draw fit is the one to
// tune the solver on, --draw report (the default) the one whose figures are reported, never tuned on.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "Alphabet.h"
#include "CodePage.h"
#include "EncodeCipher.h"
#include "EncodePlayfair.h"
#include "EncodeQuagmire.h"
#include "EncodeRailfence.h"
#include "EncodeVigenere.h"
#include "LanguageModel.h"
#include "Random.h"
#include "SearchRunner.h"
#include "SolveSubstitution.h"
#include "Solver.h"

namespace {

using Clock = std::chrono::steady_clock;

double since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::size_t letterCount(const std::string& text)
{
    return AsciiLettersUpper(text).size();
}

// Texts of lo to hi letters: single held-out quotations, or consecutive ones joined, starting at offset.
std::vector<std::string> textsOf(const std::vector<std::string>& quotations, std::size_t lo, std::size_t hi,
                                 std::size_t count, std::size_t offset)
{
    std::vector<std::string> texts;
    std::string joined;
    for (std::size_t k = 0; k < quotations.size() && texts.size() < count; ++k) {
        const std::string& q = quotations[(k + offset) % quotations.size()];
        joined = joined.empty() ? q : joined + " " + q;
        const std::size_t n = letterCount(joined);
        if (n > hi) {
            joined = letterCount(q) <= hi ? q : std::string();
        }
        if (!joined.empty() && letterCount(joined) >= lo) {
            texts.push_back(joined);
            joined.clear();
        }
    }
    return texts;
}

// A case: the ciphertext as the maker stores it, and the plaintext a solution must give.
struct Case
{
    std::string ciphertext;
    std::string expected;
    std::size_t compare = std::string::npos; // letters to compare (a rail fence leaves out its fillers)
    std::string key;                         // the key, shown for a miss
};

// ---- The baseline: a plain quadgram hill climber with random restarts, one thread, for a fixed time. ----

double quadScore(const LanguageModel& model, const std::string& letters)
{
    std::vector<std::uint8_t> codes;
    for (char c : letters) {
        codes.push_back(static_cast<std::uint8_t>(c - 'A'));
    }
    return model.ScoreQuadgrams(codes.data(), codes.size());
}

template <class Key, class Decrypt, class Start, class Tweak>
std::string climbBaseline(const LanguageModel& model, double seconds, std::uint64_t seed, Decrypt decrypt, Start start,
                          Tweak tweak)
{
    const auto begin = Clock::now();
    SearchRandom rng(seed);
    std::string bestText;
    double best = -1e300;
    while (since(begin) < seconds) {
        Key key = start(rng);
        double current = quadScore(model, decrypt(key));
        for (int stale = 0; stale < 2000; ++stale) {
            Key trial = key;
            tweak(trial, rng);
            const double s = quadScore(model, decrypt(trial));
            if (s > current) {
                current = s;
                key = trial;
                stale = 0;
            }
        }
        if (current > best) {
            best = current;
            bestText = decrypt(key);
        }
    }
    return bestText;
}

std::string shuffled(std::string s, SearchRandom& rng)
{
    for (std::size_t i = s.size() - 1; i > 0; --i) {
        std::swap(s[i], s[rng.below(static_cast<unsigned>(i + 1))]);
    }
    return s;
}

void swapTwo(std::string& key, SearchRandom& rng)
{
    std::swap(key[rng.below(static_cast<unsigned>(key.size()))], key[rng.below(static_cast<unsigned>(key.size()))]);
}

// The baseline's plaintext letters, or nothing for a form it does not try.
std::optional<std::string> baseline(char form, const LanguageModel& model, const Case& c, double seconds,
                                    std::uint64_t seed)
{
    const std::string letters = AsciiLettersUpper(c.ciphertext);
    if (form == 'a' || form == 'p') {
        const auto decrypt = [&](const std::string& key) { return AsciiLettersUpper(DecryptCipher(letters, key)); };
        return climbBaseline<std::string>(
            model, seconds, seed, decrypt,
            [](SearchRandom& rng) { return shuffled(std::string(StandardAlphabet), rng); }, swapTwo);
    }
    if (form == 'v') {
        std::string best;
        double bestScore = -1e300;
        for (std::size_t period = 3; period <= 10; ++period) {
            const auto decrypt = [&](const std::string& key) { return DecryptVigenere(letters, key); };
            const std::string text = climbBaseline<std::string>(
                model, seconds / 8, seed + period, decrypt,
                [&](SearchRandom& rng) {
                    std::string key(period, 'A');
                    for (char& k : key) {
                        k = static_cast<char>('A' + rng.below(26));
                    }
                    return key;
                },
                [](std::string& key, SearchRandom& rng) {
                    key[rng.below(static_cast<unsigned>(key.size()))] = static_cast<char>('A' + rng.below(26));
                });
            const double s = quadScore(model, text);
            if (s > bestScore) {
                bestScore = s;
                best = text;
            }
        }
        return best;
    }
    if (form == 'f') {
        const auto decrypt = [&](const std::string& square) { return DecryptPlayfair(letters, square); };
        return climbBaseline<std::string>(
            model, seconds, seed, decrypt,
            [](SearchRandom& rng) { return shuffled(std::string(PlayfairAlphabet), rng); }, swapTwo);
    }
    return std::nullopt;
}

// ---- The cases of each form. ----

std::string randomWord(const LanguageModel& model, SearchRandom& rng, std::size_t lo, std::size_t hi)
{
    for (;;) {
        const auto& w = model.Words()[rng.below(3000)].text;
        if (w.size() >= lo && w.size() <= hi && w.find('\'') == std::string::npos) {
            return w;
        }
    }
}

// Words of lo to hi letters from the held-out quotations: keywords the solver's word list does not hand it for
// free as the model's frequent words would (many are still in its long list of rare words).
std::string quotationWord(const std::vector<std::string>& words, SearchRandom& rng, std::size_t lo, std::size_t hi)
{
    for (;;) {
        const std::string& w = words[rng.below(static_cast<unsigned>(words.size()))];
        if (w.size() >= lo && w.size() <= hi) {
            return w;
        }
    }
}

std::string randomLetters(SearchRandom& rng, std::size_t lo, std::size_t hi)
{
    std::string word(lo + rng.below(static_cast<unsigned>(hi - lo + 1)), 'A');
    for (char& c : word) {
        c = static_cast<char>('A' + rng.below(26));
    }
    return word;
}

// Where a Quagmire case's keywords come from: even cases take words of the held-out quotations, odd cases
// random letters (no word list knows them).
bool randomKeywords(std::size_t index)
{
    return index % 2 == 1;
}

Case makeCase(char form, const std::string& plain, const LanguageModel& model, const std::vector<std::string>& words,
              std::uint64_t seed, std::size_t index)
{
    Random random(seed);
    SearchRandom rng(seed);
    Case c;
    switch (form) {
    case 'a':
    case 'p': {
        std::string key;
        bool edited = false;
        c.ciphertext = EncryptCipherRandom(plain, false, key, edited, random);
        c.expected = UpperCaseText(plain);
        if (form == 'p') {
            c.ciphertext = GroupLetters(AsciiLettersUpper(c.ciphertext), 5);
            c.expected = GroupLetters(AsciiLettersUpper(plain), 5);
        }
        break;
    }
    case 'v': {
        std::string key(3 + rng.below(8), 'A');
        for (char& k : key) {
            k = static_cast<char>('A' + rng.below(26));
        }
        c.ciphertext = EncryptVigenere(plain, key);
        c.expected = AsciiLettersUpper(plain);
        break;
    }
    case 'q': {
        const unsigned type = 1 + rng.below(4);
        const auto keyword = [&] {
            return randomKeywords(index) ? randomLetters(rng, 5, 10) : quotationWord(words, rng, 5, 10);
        };
        const std::string plainKey = keyword();
        const std::string cipherKey = type == 3 ? plainKey : keyword();
        const std::string indicator = quotationWord(words, rng, 3, 7);
        const std::string column = std::to_string(1 + rng.below(26));
        c.ciphertext =
            EncryptQuagmire(plain, type == 2 ? "" : plainKey, type == 1 ? "" : cipherKey, indicator + "@" + column);
        c.expected = AsciiLettersUpper(plain);
        c.key = "type " + std::to_string(type) + ", key row " + plainKey + ", cipher table " + cipherKey +
                ", indicator " + indicator + "@" + column;
        break;
    }
    case 'f': {
        bool edited = false;
        c.ciphertext = EncryptPlayfair(plain, randomWord(model, rng, 5, 12), edited);
        c.expected = PreparePlayfairText(plain);
        break;
    }
    case 'r':
        c.ciphertext = EncryptRailfence(plain, 2 + rng.below(3), random);
        c.expected = AsciiLettersUpper(plain);
        c.compare = c.expected.size();
        break;
    }
    return c;
}

bool solved(const Case& c, const std::string& plaintext)
{
    if (c.compare != std::string::npos) {
        return plaintext.compare(0, c.compare, c.expected) == 0;
    }
    return plaintext == c.expected;
}

SolveKind kindOf(char form)
{
    switch (form) {
    case 'v':
        return SolveKind::Vigenere;
    case 'q':
        return SolveKind::Quagmire;
    case 'f':
        return SolveKind::Playfair;
    case 'r':
        return SolveKind::Railfence;
    default:
        return SolveKind::Cipher;
    }
}

struct Bucket
{
    char form;
    const char* name;
    std::size_t lo;
    std::size_t hi;
};

double median(std::vector<double> v)
{
    if (v.empty()) {
        return 0;
    }
    std::sort(v.begin(), v.end());
    return v.size() % 2 == 1 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// How far the solver's confidence can be trusted: the cases of a form by confidence, and the share of each bin
// that was solved exactly.
class Calibration
{
public:
    void add(double confidence, bool exact)
    {
        std::size_t bin = 0;
        while (bin + 1 < Bounds.size() && confidence >= Bounds[bin + 1]) {
            ++bin;
        }
        ++m_cases[bin];
        m_exact[bin] += exact ? 1 : 0;
    }
    void print(char form) const
    {
        std::printf(
            "\nConfidence against exact solutions (%s)\n\n| Confidence | Cases | Solved exactly |\n|---|---|---|\n",
            formName(form));
        for (std::size_t bin = 0; bin < Bounds.size(); ++bin) {
            const double top = bin + 1 < Bounds.size() ? Bounds[bin + 1] : 1.0;
            if (m_cases[bin] == 0) {
                std::printf("| %.1f-%.1f | 0 | - |\n", Bounds[bin], top);
            } else {
                std::printf("| %.1f-%.1f | %zu | %.0f %% |\n", Bounds[bin], top, m_cases[bin],
                            100.0 * static_cast<double>(m_exact[bin]) / static_cast<double>(m_cases[bin]));
            }
        }
    }

private:
    static const char* formName(char form)
    {
        switch (form) {
        case 'a':
            return "Aristocrat";
        case 'p':
            return "Patristocrat";
        case 'v':
            return "Vigenere";
        case 'q':
            return "Quagmire";
        case 'f':
            return "Playfair";
        default:
            return "rail fence";
        }
    }
    static constexpr std::array<double, 6> Bounds{0.0, 0.2, 0.4, 0.6, 0.8, 0.9};
    std::array<std::size_t, 6> m_cases{};
    std::array<std::size_t, 6> m_exact{};
};

// Whether an Aristocrat's miss is the search's (the right reading scores higher than the one found: more search
// would have found it) or the score's (the reading found scores higher: only a better score would rank the right
// one first); counted in misses, said in the miss's line.
std::string missCause(const Case& c, const std::string& found, const LanguageModel& model,
                      std::array<std::size_t, 2>& misses)
{
    const std::optional<double> right = ScoreAristocratReading(c.ciphertext, c.expected, model);
    const std::optional<double> got = ScoreAristocratReading(c.ciphertext, found, model);
    if (!right || !got) {
        return "";
    }
    const bool search = *right > *got;
    ++misses[search ? 0 : 1];
    char text[96];
    std::snprintf(text, sizeof text, " [%s: right %.2f, found %.2f]", search ? "search" : "score", *right, *got);
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    std::size_t cases = 20;
    std::string forms = "a,p,v,q,f,r";
    double baselineSeconds = 1.0;
    std::uint64_t seed = 1;
    bool verbose = false;
    bool fitDraw = false;
    std::string modelFile = TESSARIN_LANGUAGE_MODEL; // another build of the model, to compare two
    std::set<std::size_t> only; // case indexes to run (all when empty), to rerun a few misses quickly
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (arg == "--cases") {
            cases = std::stoul(value());
        } else if (arg == "--forms") {
            forms = value();
        } else if (arg == "--baseline-seconds") {
            baselineSeconds = std::stod(value());
        } else if (arg == "--seed") {
            seed = std::stoull(value());
        } else if (arg == "--draw" && i + 1 < argc &&
                   (std::string_view(argv[i + 1]) == "fit" || std::string_view(argv[i + 1]) == "report")) {
            fitDraw = value() == "fit";
        } else if (arg == "--verbose") {
            verbose = true;
        } else if (arg == "--model") {
            modelFile = value();
        } else if (arg == "--only") {
            std::stringstream list(value());
            for (std::string index; std::getline(list, index, ',');) {
                only.insert(std::stoul(index));
            }
        } else {
            std::cout << "usage: tessarin_solve_bench [--cases N] [--forms a,p,v,q,f,r] [--baseline-seconds S] "
                         "[--seed N] [--draw fit|report] [--verbose] [--only I,J,...] [--model FILE]\n"
                         "forms: a Aristocrat, p Patristocrat, v Vigenere, q Quagmire, f Playfair, r rail fence; "
                         "a baseline of 0 seconds skips it; --only runs the cases of those indexes (from 0); "
                         "--draw fit takes the half of the quotations to tune on, report (the default) the other\n";
            return arg == "--help" ? 0 : 2;
        }
    }

    // The load time is the least of five loads, the machine being shared.
    double loadSeconds = 1e9;
    double loadCpu = 1e9;
    for (int i = 0; i < 5; ++i) {
        const auto loadStart = Clock::now();
        const std::clock_t cpuStart = std::clock();
        const LanguageModel loaded = LanguageModel::Load(modelFile);
        loadSeconds = std::min(loadSeconds, since(loadStart));
        loadCpu = std::min(loadCpu, static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
    }
    const LanguageModel model = LanguageModel::Load(modelFile);
    std::vector<std::string> quotations;
    {
        std::ifstream in(TESSARIN_HELDOUT_QUOTATIONS);
        std::size_t line = 0;
        for (std::string text; std::getline(in, text); ++line) {
            if ((line % 2 == 0) == fitDraw) {
                quotations.push_back(text);
            }
        }
    }
    std::vector<std::string> words;
    for (const std::string& q : quotations) {
        std::string word;
        for (const char c : q + " ") {
            if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
                word += static_cast<char>(c & ~0x20);
            } else if (c != '\'') {
                if (word.size() >= 3) {
                    words.push_back(word);
                }
                word.clear();
            }
        }
    }
    std::printf("Language model loaded in %.1f ms (%.1f ms of processor time); %zu held-out quotations (%s draw, "
                "seed %llu); %zu cases per bucket; baseline: plain "
                "quadgram hill climber, one thread, %.1f s per case\n\n",
                loadSeconds * 1000, loadCpu * 1000, quotations.size(), fitDraw ? "fitting" : "report",
                static_cast<unsigned long long>(seed), cases, baselineSeconds);
    std::printf(
        "| Form | Letters | Cases | Solved exactly | Median time | Median processor time | Baseline solved |\n");
    std::printf("|---|---|---|---|---|---|---|\n");

    const std::array<Bucket, 8> buckets{{{'a', "Aristocrat", 40, 70},
                                         {'a', "Aristocrat", 70, 110},
                                         {'p', "Patristocrat", 100, 140},
                                         {'v', "Vigenere, keys of 3-10 letters", 150, 300},
                                         {'q', "Quagmire I-IV, indicator 3-7, any column", 250, 350},
                                         {'f', "Playfair, keyword square", 60, 150},
                                         {'f', "Playfair, keyword square", 150, 250},
                                         {'r', "Rail fence", 20, 300}}};
    // Each seed draws its texts from its own place in the draw's quotations; the places of two seeds can overlap
    // (a bucket takes a few hundred quotations), so tuning and reporting keep to their own draws.
    std::map<char, Calibration> calibration;
    std::size_t offset = static_cast<std::size_t>((seed - 1) * 389 % std::max<std::size_t>(1, quotations.size()));
    for (const Bucket& bucket : buckets) {
        offset += 97;
        if (forms.find(bucket.form) == std::string::npos) {
            continue;
        }
        const std::vector<std::string> texts = textsOf(quotations, bucket.lo, bucket.hi, cases, offset);
        std::size_t ok = 0;
        std::array<std::size_t, 2> keywordCases{}; // Quagmire cases by keyword source: words, random letters
        std::array<std::size_t, 2> keywordOk{};
        std::array<std::size_t, 2> missesOf{}; // Aristocrat misses of the search, of the score
        std::size_t baseOk = 0;
        bool baseTried = false;
        std::vector<double> times;
        std::vector<double> cpuTimes;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (!only.empty() && only.count(i) == 0) {
                continue;
            }
            const Case c = makeCase(bucket.form, texts[i], model, words, seed * 1000 + i, i);
            SolveOptions options;
            options.seed = seed + i;
            const auto start = Clock::now();
            const std::clock_t cpuStart = std::clock();
            std::string plaintext;
            double confidence = 0;
            try {
                const SolveResult result = Solve(kindOf(bucket.form), c.ciphertext, model, options);
                plaintext = result.best.plaintext;
                confidence = result.confidence;
            } catch (const SolveRefused& e) {
                plaintext = std::string("refused: ") + e.what();
            }
            times.push_back(since(start));
            cpuTimes.push_back(static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
            const bool good = solved(c, plaintext);
            ok += good ? 1 : 0;
            keywordCases[randomKeywords(i) ? 1 : 0] += 1;
            keywordOk[randomKeywords(i) ? 1 : 0] += good ? 1 : 0;
            calibration[bucket.form].add(confidence, good);
            std::string cause;
            if (!good && bucket.form == 'a') {
                cause = missCause(c, plaintext, model, missesOf);
            }
            if (verbose && !good) {
                std::printf("  miss %zu: %s\n     got %s (confidence %.2f, %.1f s) %s%s\n", i, c.expected.c_str(),
                            plaintext.c_str(), confidence, times.back(), c.key.c_str(), cause.c_str());
            }
            if (baselineSeconds > 0) {
                if (const auto base = baseline(bucket.form, model, c, baselineSeconds, seed + i)) {
                    baseTried = true;
                    baseOk += base == AsciiLettersUpper(c.expected) ? 1 : 0;
                }
            }
        }
        const double n = static_cast<double>(std::max<std::size_t>(1, times.size()));
        char baseText[32] = "-";
        if (baseTried) {
            std::snprintf(baseText, sizeof baseText, "%.0f %%", 100.0 * static_cast<double>(baseOk) / n);
        }
        std::printf("| %s | %zu-%zu | %zu | %.0f %% | %.2f s | %.2f s | %s |\n", bucket.name, bucket.lo, bucket.hi,
                    times.size(), 100.0 * static_cast<double>(ok) / n, median(times), median(cpuTimes), baseText);
        if (bucket.form == 'a') {
            std::printf("| - misses of the search (the right reading scores higher) | | %zu | | | | |\n", missesOf[0]);
            std::printf("| - misses of the score (the reading found scores higher) | | %zu | | | | |\n", missesOf[1]);
        }
        if (bucket.form == 'q') {
            std::printf("| - keywords from held-out quotations | | %zu | %zu solved | | | |\n", keywordCases[0],
                        keywordOk[0]);
            std::printf("| - keywords of random letters | | %zu | %zu solved | | | |\n", keywordCases[1], keywordOk[1]);
        }
        std::fflush(stdout);
    }
    for (const auto& [form, table] : calibration) {
        table.print(form);
    }
    return 0;
}
