// Builds the solver's English language model from fortune cookie collections, dictionary example sentences and a
// word list, at build time.
//
//   BuildLanguageModel MODEL HELDOUT WORDLIST CORPUS... [--examples DICTIONARY...] [--word-classes FOLDER
//                      [--tags LEXICON TRIGRAMS]]
//
// Every CORPUS file is a collection of quotations separated by lines holding only "%". One quotation in ten,
// chosen by a hash of its text, is held out: it feeds no statistic, and when it is plain English prose it is
// written, as one line, to HELDOUT, the evaluation set of the solver's benchmark. Every DICTIONARY file is a data
// file of the kind whose glosses quote example sentences; the examples are counted as fragments (their word pairs,
// not where sentences start or end). A quotation or example that shares a run of letters with a held-out quotation
// (the same saying under another attribution, a proverb) feeds nothing either. The rest give the letter quadgrams
// and the word counts; the words of WORDLIST (one a line) join the vocabulary with the weight of a word seen half a
// time. FOLDER is a lexical database's (index.noun, noun.exc and the like): each word's parts of speech and
// inflections put it in a class, the thousand most frequent words in classes of their own, and the pairs counted
// between classes are the model's fallback for a pair of words never seen together. LEXICON and TRIGRAMS are a
// part-of-speech tagger's lexicon and tag trigram counts (TagLexicon), which score a reading's syntax.
//
// The model file (little-endian):
//   "TSLM" u32 version=9
//   f32 base, f32 step, then 26^4 bytes q: the quadgram's log10 probability is base + q * step
//   u32 word count, then per word, most frequent first: u8 length, the letters, i16 log10 probability * 1000
//   u32 per word: the word indexes in alphabetical order of the words (for look-ups)
//   u32 pair count, f32 base, f32 step, f32 log10 of the share of words that end a sentence, then the pairs of
//   consecutive words by first word: for each word index in turn and last for the start of a sentence, a varint n
//   and n pairs of (varint gap, u8 q): the second word's index is the previous pair's plus one plus gap (the first
//   pair's is gap), and log10 P(second | first) is base + q * step. A second index equal to the word count stands
//   for the end of the sentence. Pairs do not reach across the characters that end a sentence or clause
//   (BreaksWordPairs).
//   Then per letter A to Z, i16 log10 P(letter | a one-letter word other than A and I that stands alone) * 1000;
//   then the same for such a word that is a label (LabelsBefore).
//   Then "TAGS" and the tag model (LanguageModel::Tags): u8 tag count V (0 when the build has none, and no more of
//   it follows), u8 the tag of punctuation, V^3 i16 log10 P(c | a, b) * 1000 at (a * V + b) * V + c; the
//   emissions of a word the lexicon lacks; u32 token count and each token's emissions; then per word a u8 count
//   of its tokens (0 to 2) and their indexes as varints. Emissions are a u8 count n and n of (u8 tag, i16 log10
//   P(tag | token) / P(tag) * 1000).
//   Then u32 class count C, per word (in the order above) u16 its class, and per class in turn and last for the start
//   of a sentence, C times i16 log10 P(the next word's class | this class) * 1000 (the word classes: WordClasses).
//   Then "SPEL" and the spelling of the words (SpellingModel::Table): f32 base, f32 step, 27^4 bytes q; each
//   log10 P(letter | the three before it) is base + q * step.
//   Varints are little-endian groups of seven bits, the high bit set on all but the last.
// The word "'S" (LanguageModel::Possessive) is no word of the texts: it pools the possessives seen at most twice, so
// that its pairs tell what follows a possessive the list lacks.
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "LanguageModel.h"
#include "TagLexicon.h"
#include "WordClasses.h"

namespace {

constexpr std::size_t Alphabet = 26;
constexpr double MinPairCount = 1; // the pairs of consecutive words kept in the model: those seen this often
constexpr std::size_t Quadgrams = Alphabet * Alphabet * Alphabet * Alphabet;
// One quotation in HeldOutShare is held out: those whose hash leaves HeldOutResidue. Another residue would hold out
// another tenth, texts no benchmark has measured the solver on.
constexpr std::uint32_t HeldOutShare = 10;
constexpr std::uint32_t HeldOutResidue = 3;

std::uint32_t fnv1a(const std::string& text)
{
    std::uint32_t h = 2166136261u;
    for (unsigned char c : text) {
        h = (h ^ c) * 16777619u;
    }
    return h;
}

// A source file opened for reading; the build stops with the file's name when it cannot be read.
std::ifstream openSource(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::cerr << "BuildLanguageModel: cannot read " << file << "\n";
        std::exit(1);
    }
    return in;
}

// The quotations of one collection: its text between "%" lines, attribution lines ("-- Name") removed.
std::vector<std::string> readQuotations(const std::string& file)
{
    std::ifstream in = openSource(file);
    std::vector<std::string> quotations;
    std::string current;
    std::string line;
    auto flush = [&] {
        if (!current.empty()) {
            quotations.push_back(current);
        }
        current.clear();
    };
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line == "%") {
            flush();
            continue;
        }
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos) {
            continue;
        }
        if (line.compare(first, 2, "--") == 0) {
            continue; // the attribution
        }
        std::string trimmed = line.substr(first);
        while (!trimmed.empty() && (trimmed.back() == ' ' || trimmed.back() == '\t')) {
            trimmed.pop_back();
        }
        if (!current.empty()) {
            current += ' ';
        }
        current += trimmed;
    }
    flush();
    return quotations;
}

// The example sentences of a dictionary data file: each entry's gloss follows "| " and quotes its examples in double
// quotes ("she was able to program her computer"). Lines starting with a blank are the file's licence.
std::vector<std::string> readExampleSentences(const std::string& file)
{
    std::ifstream in = openSource(file);
    std::vector<std::string> sentences;
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t gloss = line.find("| ");
        if (line.empty() || line[0] == ' ' || gloss == std::string::npos) {
            continue;
        }
        for (std::size_t open = line.find('"', gloss); open != std::string::npos;) {
            const std::size_t close = line.find('"', open + 1);
            if (close == std::string::npos) {
                break;
            }
            sentences.push_back(line.substr(open + 1, close - open - 1));
            open = line.find('"', close + 1);
        }
    }
    return sentences;
}

// The letters of a text in capitals, nothing else.
std::string lettersOf(const std::string& text)
{
    std::string letters;
    for (char c : text) {
        if (std::isalpha(static_cast<unsigned char>(c)) != 0 && static_cast<unsigned char>(c) < 128) {
            letters += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    return letters;
}

// Runs of this many letters that the held-out quotations contain: a training sentence that shares one quotes a
// held-out quotation (a proverb, a famous line) and is left out, so that the benchmark stays honest.
constexpr std::size_t SharedRun = 24;

class HeldOutRuns
{
public:
    void add(const std::string& text)
    {
        for (std::size_t run : runsOf(text)) {
            runs_.insert(run);
        }
    }
    bool sharedBy(const std::string& text) const
    {
        const std::vector<std::size_t> runs = runsOf(text);
        return std::any_of(runs.begin(), runs.end(), [&](std::size_t run) { return runs_.count(run) != 0; });
    }

private:
    // The hashes of the text's runs of SharedRun letters.
    static std::vector<std::size_t> runsOf(const std::string& text)
    {
        const std::string letters = lettersOf(text);
        std::vector<std::size_t> runs;
        for (std::size_t i = 0; i + SharedRun <= letters.size(); ++i) {
            runs.push_back(std::hash<std::string_view>{}(std::string_view(letters).substr(i, SharedRun)));
        }
        return runs;
    }

    std::unordered_set<std::size_t> runs_;
};

// The words of a word list (one a line) in capitals; possessives and accented words stay out.
std::vector<std::string> readWordList(const std::string& file)
{
    std::ifstream in = openSource(file);
    std::vector<std::string> words;
    std::string entry;
    while (std::getline(in, entry)) {
        const std::string letters = lettersOf(entry);
        if (!letters.empty() && letters.size() == entry.size() && entry.size() < 40) {
            words.push_back(letters);
        }
    }
    return words;
}

// A held-out quotation is an English one when most of its words (70 %) are in the word list: sayings in Latin,
// French or Russian, and dialect spelt as spoken, are no fair test of an English solver. A word with an apostrophe
// counts by its part before it (IT'S, HELEN'S).
bool isMostlyEnglish(const std::string& text, const std::unordered_set<std::string>& english)
{
    std::size_t words = 0;
    std::size_t known = 0;
    std::string word;
    const auto flush = [&] {
        const std::string stem = word.substr(0, word.find('\''));
        if (!stem.empty()) {
            ++words;
            known += english.count(stem) != 0 ? 1 : 0;
        }
        word.clear();
    };
    for (char c : text) {
        if (std::isalpha(static_cast<unsigned char>(c)) != 0 || (c == '\'' && !word.empty())) {
            word += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        } else {
            flush();
        }
    }
    flush();
    return known * 10 >= words * 7;
}

// A held-out quotation makes a fair test text when it is plain prose: printable ASCII only, no tabs, no runs of
// blanks (verse, tables and pictures have them), enough letters.
bool isPlainProse(const std::string& text)
{
    std::size_t letters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 32 || c > 126 || c == '_' || c == '|' || c == '<' || c == '>' || c == '{' || c == '}' || c == '\\' ||
            c == '=' || c == '#' || c == '@' || c == '*' || c == '~' || c == '^' || c == '$') {
            return false;
        }
        if (c == ' ' && i > 0 && text[i - 1] == ' ' &&
            !(i > 1 && (text[i - 2] == '.' || text[i - 2] == '?' || text[i - 2] == '!'))) {
            return false;
        }
        letters += std::isalpha(c) != 0 ? 1 : 0;
    }
    return letters >= 20;
}

std::string collapseBlanks(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == ' ' && !out.empty() && out.back() == ' ') {
            continue;
        }
        out += c;
    }
    return out;
}

// The first word of a pair that starts a sentence.
const std::string Start = ".";

// What the builder counts of the texts' words. Pairs of consecutive words are counted as "FIRST SECOND", a
// sentence's first word as ". SECOND" (starts counts the sentences); lasts counts how often each word ends a
// sentence (ends counts the sentences); lone counts the letters other than A and I that stand alone as words
// (StandsAloneBefore), labels those that are labels (LabelsBefore).
struct WordStatistics
{
    std::unordered_map<std::string, double> counts;
    double total = 0;
    std::unordered_map<std::string, double> pairs;
    double starts = 0;
    std::unordered_map<std::string, double> lasts;
    double ends = 0;
    std::array<double, Alphabet> lone{};
    std::array<double, Alphabet> labels{};
};

// Counts the words of a text in capitals: runs of letters, an apostrophe inside a word kept. A fragment (an example
// sentence) gives its word pairs but not where sentences start or end.
void countWords(const std::string& text, WordStatistics& stats, bool fragment)
{
    std::string word;
    std::string previous = Start;
    auto flush = [&](char following) {
        while (!word.empty() && word.back() == '\'') {
            word.pop_back();
        }
        if (word.size() == 1 && word != "A" && word != "I") {
            const auto letter = static_cast<std::size_t>(word[0] - 'A');
            stats.lone[letter] += StandsAloneBefore(following) ? 1 : 0;
            stats.labels[letter] += LabelsBefore(following) ? 1 : 0;
        }
        if (!word.empty() && word.size() < 40) {
            stats.counts[word] += 1;
            stats.total += 1;
            if (!fragment || previous != Start) {
                stats.pairs[previous + ' ' + word] += 1;
                stats.starts += previous == Start ? 1 : 0;
            }
            previous = word;
        }
        word.clear();
    };
    const auto endSentence = [&] {
        if (!fragment && previous != Start) {
            stats.lasts[previous] += 1;
            stats.ends += 1;
        }
        previous = Start;
    };
    for (char c : text) {
        if (std::isalpha(static_cast<unsigned char>(c)) != 0) {
            word += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        } else if (c == '\'' && !word.empty()) {
            word += c;
        } else {
            flush(c);
            if (BreaksWordPairs(c)) {
                endSentence();
            }
        }
    }
    flush(' ');
    endSentence();
}

// A possessive the sources saw this seldom stands for the possessives they never saw (HELEN'S, REALITY'S).
constexpr double RarePossessiveCount = 2;

// Pools the pairs after rare possessives (and their sentence ends) under the word LanguageModel::Possessive, the
// context of a possessive the model lacks: what follows a possessive (MURPHY'S LAW) is not what follows its stem.
void poolRarePossessives(std::unordered_map<std::string, double>& counts,
                         std::unordered_map<std::string, double>& pairs, std::unordered_map<std::string, double>& lasts)
{
    const auto rare = [&](const std::string& word) {
        return word.size() > 2 && word.compare(word.size() - 2, 2, "'S") == 0 && counts.at(word) <= RarePossessiveCount;
    };
    const std::string pooled(LanguageModel::Possessive);
    std::unordered_map<std::string, double> pooledPairs;
    for (const auto& [pair, count] : pairs) {
        const std::size_t space = pair.find(' ');
        const std::string first = pair.substr(0, space);
        if (first != Start && rare(first)) {
            pooledPairs[pooled + pair.substr(space)] += count;
        }
    }
    double pooledCount = 0;
    double pooledLasts = 0;
    for (const auto& [word, count] : counts) {
        if (rare(word)) {
            pooledCount += count;
            const auto last = lasts.find(word);
            pooledLasts += last == lasts.end() ? 0.0 : last->second;
        }
    }
    if (pooledCount > 0) {
        counts[pooled] = pooledCount;
        lasts[pooled] = pooledLasts;
        pairs.insert(pooledPairs.begin(), pooledPairs.end());
    }
}

void put32(std::ostream& out, std::uint32_t v)
{
    const std::array<char, 4> b{static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                                static_cast<char>(v >> 24)};
    out.write(b.data(), 4);
}

void putVarint(std::ostream& out, std::size_t v)
{
    while (v >= 0x80) {
        out.put(static_cast<char>((v & 0x7F) | 0x80));
        v >>= 7;
    }
    out.put(static_cast<char>(v));
}

void putFloat(std::ostream& out, float f)
{
    std::uint32_t v = 0;
    std::memcpy(&v, &f, 4);
    put32(out, v);
}

void put16(std::ostream& out, long v)
{
    const auto bits = static_cast<std::uint16_t>(static_cast<std::int16_t>(std::clamp(v, -32000L, 32000L)));
    out.put(static_cast<char>(bits & 0xFF));
    out.put(static_cast<char>(bits >> 8));
}

// A table of log-probabilities as f32 base, f32 step and a byte q per value: each is base + q * step.
template <typename Table> void putLevels(std::ostream& out, const Table& logs)
{
    const auto [lo, hi] = std::minmax_element(logs.begin(), logs.end());
    const double base = *lo;
    const double step = std::max(static_cast<double>(*hi) - base, 1e-9) / 255.0;
    putFloat(out, static_cast<float>(base));
    putFloat(out, static_cast<float>(step));
    std::string bytes(logs.size(), '\0');
    for (std::size_t i = 0; i < logs.size(); ++i) {
        bytes[i] = static_cast<char>(static_cast<int>(std::lround((logs[i] - base) / step)));
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The spelling of the vocabulary's words (SpellingModel), each word once.
void putSpelling(std::ostream& out, const std::vector<std::pair<std::string, double>>& words)
{
    std::vector<std::string_view> spellings;
    spellings.reserve(words.size());
    for (const auto& word : words) {
        spellings.push_back(word.first);
    }
    out.write("SPEL", 4);
    putLevels(out, SpellingModel(spellings).Table());
}

// The log-probabilities of the letters of one-letter words in one place (alone, or labels), each count raised by a
// half so that no letter is impossible.
void putLoneLetters(std::ostream& out, const std::array<double, Alphabet>& lone)
{
    double total = 0;
    for (double count : lone) {
        total += count + 0.5;
    }
    for (double count : lone) {
        put16(out, std::lround(std::log10((count + 0.5) / total) * 1000.0));
    }
}

// Writes the tag model (TagLexicon), or a tag count of 0 when the build has none: the tags' trigrams, what a
// word the lexicon lacks can be, the lexicon's tokens that the words use, and each word's tokens.
void putTags(std::ostream& out, const std::vector<std::pair<std::string, double>>& words, const TagLexicon* tags)
{
    out.write("TAGS", 4);
    if (tags == nullptr) {
        out.put(0);
        return;
    }
    const std::size_t V = tags->tagCount();
    out.put(static_cast<char>(V));
    out.put(static_cast<char>(tags->breakTag()));
    for (std::size_t i = 0; i < V * V * V; ++i) {
        put16(out, std::lround(std::log10(tags->trigram(i / (V * V), i / V % V, i % V)) * 1000.0));
    }
    const auto putEmissions = [&](const std::vector<TagLexicon::Emission>& emissions) {
        out.put(static_cast<char>(emissions.size()));
        for (const auto& [tag, ratio] : emissions) {
            out.put(static_cast<char>(tag));
            put16(out, std::lround(std::log10(ratio) * 1000.0));
        }
    };
    putEmissions(tags->unknown());
    std::unordered_map<std::string, std::uint32_t> tokenIndex;
    std::vector<std::string> tokens;
    std::vector<std::vector<std::uint32_t>> wordTokens;
    for (const auto& word : words) {
        wordTokens.emplace_back();
        for (const std::string& token : tags->tokensOf(word.first)) {
            const auto [it, added] = tokenIndex.try_emplace(token, static_cast<std::uint32_t>(tokens.size()));
            if (added) {
                tokens.push_back(token);
            }
            wordTokens.back().push_back(it->second);
        }
    }
    put32(out, static_cast<std::uint32_t>(tokens.size()));
    for (const std::string& token : tokens) {
        putEmissions(tags->emissionsOf(token));
    }
    for (const auto& list : wordTokens) {
        out.put(static_cast<char>(list.size()));
        for (std::uint32_t token : list) {
            putVarint(out, token);
        }
    }
}

// The most frequent words are classes of their own (THE, WHO, MUST): what follows them is their own habit, not
// their part of speech's. A thousand measured best on the benchmark's fitting draw (150 and 400 kept too few words
// apart, 3000 left the classes' pairs too sparse).
constexpr std::size_t OwnClassWords = 1000;

// Writes each word's class and, per class (the start of a sentence last), log10 P(class of the next word), from the
// pairs counted: the model's fallback for a pair of words never seen together (A MAN THINKS, not A MAN THINGS).
// indexOf gives each word's place in words.
std::size_t putWordClasses(std::ostream& out, const std::vector<std::pair<std::string, double>>& words,
                           const std::unordered_map<std::string, std::uint32_t>& indexOf,
                           const std::unordered_map<std::string, double>& pairs, const WordClasses& classes)
{
    std::unordered_map<std::string, std::uint16_t> classOfSignature;
    std::vector<std::uint16_t> classOf;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string signature = i < OwnClassWords ? "=" + words[i].first : classes.signatureOf(words[i].first);
        classOf.push_back(
            classOfSignature.try_emplace(signature, static_cast<std::uint16_t>(classOfSignature.size())).first->second);
    }
    const std::size_t count = classOfSignature.size();
    std::vector<double> seen((count + 1) * count, 0.0);
    std::vector<double> seconds(count, 0.0);
    for (const auto& [pair, n] : pairs) {
        const std::size_t space = pair.find(' ');
        const std::string first = pair.substr(0, space);
        const std::size_t from = first == Start ? count : classOf[indexOf.at(first)];
        const std::size_t to = classOf[indexOf.at(pair.substr(space + 1))];
        seen[from * count + to] += n;
        seconds[to] += n;
    }
    double total = 0;
    for (double n : seconds) {
        total += n;
    }
    put32(out, static_cast<std::uint32_t>(count));
    for (const std::uint16_t c : classOf) {
        put16(out, c);
    }
    // Each row drawn toward the classes' shares of all seconds, as if seen ClassPrior more times.
    constexpr double ClassPrior = 1.0;
    for (std::size_t from = 0; from <= count; ++from) {
        double row = 0;
        for (std::size_t to = 0; to < count; ++to) {
            row += seen[from * count + to];
        }
        for (std::size_t to = 0; to < count; ++to) {
            const double p = (seen[from * count + to] + ClassPrior * seconds[to] / total) / (row + ClassPrior);
            put16(out, std::lround(std::log10(p) * 1000.0));
        }
    }
    return count;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::cerr << "usage: BuildLanguageModel MODEL HELDOUT WORDLIST CORPUS... [--examples DICTIONARY...] "
                     "[--word-classes FOLDER [--tags LEXICON TRIGRAMS]]\n";
        return 2;
    }
    std::vector<std::uint64_t> quad(Quadgrams, 0);
    std::vector<std::uint64_t> tri(Alphabet * Alphabet * Alphabet, 0);
    std::vector<std::uint64_t> bi(Alphabet * Alphabet, 0);
    std::vector<std::uint64_t> uni(Alphabet, 0);
    WordStatistics stats;
    const std::vector<std::string> wordList = readWordList(argv[3]);
    const std::unordered_set<std::string> english(wordList.begin(), wordList.end());
    // The quotations first, to know which are held out; then the training texts that quote none of them.
    std::vector<std::string> training;
    std::vector<std::string> fragments;
    HeldOutRuns heldOutRuns;
    std::ofstream heldOut(argv[2], std::ios::binary);
    std::size_t held = 0;
    int arg = 4;
    for (; arg < argc && std::string_view(argv[arg]) != "--examples"; ++arg) {
        for (std::string& quotation : readQuotations(argv[arg])) {
            if (fnv1a(quotation) % HeldOutShare != HeldOutResidue) {
                training.push_back(std::move(quotation));
                continue;
            }
            if (isPlainProse(quotation) && isMostlyEnglish(quotation, english)) {
                heldOut << collapseBlanks(quotation) << '\n';
            }
            heldOutRuns.add(quotation);
            ++held;
        }
    }
    for (++arg; arg < argc && std::string_view(argv[arg]) != "--word-classes"; ++arg) {
        for (std::string& sentence : readExampleSentences(argv[arg])) {
            fragments.push_back(std::move(sentence));
        }
    }
    const WordClasses classes(arg + 1 < argc ? argv[arg + 1] : "");
    std::optional<TagLexicon> tags;
    if (arg + 4 < argc && std::string_view(argv[arg + 2]) == "--tags") {
        tags.emplace(argv[arg + 3], argv[arg + 4]);
    }
    std::size_t kept = 0;
    std::size_t quoting = 0;
    const auto countText = [&](const std::string& text, bool fragment) {
        if (heldOutRuns.sharedBy(text)) {
            ++quoting;
            return;
        }
        ++kept;
        countWords(text, stats, fragment);
        const std::string letters = lettersOf(text);
        std::vector<unsigned> codes;
        for (char c : letters) {
            codes.push_back(static_cast<unsigned>(c - 'A'));
        }
        for (std::size_t i = 0; i < codes.size(); ++i) {
            ++uni[codes[i]];
            if (i >= 1) {
                ++bi[codes[i - 1] * 26 + codes[i]];
            }
            if (i >= 2) {
                ++tri[(codes[i - 2] * 26 + codes[i - 1]) * 26 + codes[i]];
            }
            if (i >= 3) {
                ++quad[((codes[i - 3] * 26 + codes[i - 2]) * 26 + codes[i - 1]) * 26 + codes[i]];
            }
        }
    };
    for (const std::string& quotation : training) {
        countText(quotation, false);
    }
    for (const std::string& fragment : fragments) {
        countText(fragment, true);
    }

    // Interpolated probabilities: P(d|abc) = (c(abcd) + k P(d|bc)) / (c(abc) + k), and so on down to letters;
    // the quadgram's probability is P(a) P(b|a) P(c|ab) P(d|abc).
    constexpr double k = 2.0;
    double uniTotal = 0;
    for (auto c : uni) {
        uniTotal += static_cast<double>(c);
    }
    std::vector<double> pUni(Alphabet);
    for (std::size_t a = 0; a < Alphabet; ++a) {
        pUni[a] = (static_cast<double>(uni[a]) + 0.5) / (uniTotal + 13.0);
    }
    std::vector<std::uint64_t> biContext(Alphabet, 0);
    std::vector<std::uint64_t> triContext(Alphabet * Alphabet, 0);
    std::vector<std::uint64_t> quadContext(Alphabet * Alphabet * Alphabet, 0);
    for (std::size_t i = 0; i < bi.size(); ++i) {
        biContext[i / 26] += bi[i];
    }
    for (std::size_t i = 0; i < tri.size(); ++i) {
        triContext[i / 26] += tri[i];
    }
    for (std::size_t i = 0; i < quad.size(); ++i) {
        quadContext[i / 26] += quad[i];
    }
    auto pBi = [&](std::size_t a, std::size_t b) {
        return (static_cast<double>(bi[a * 26 + b]) + k * pUni[b]) / (static_cast<double>(biContext[a]) + k);
    };
    auto pTri = [&](std::size_t a, std::size_t b, std::size_t c) {
        const std::size_t ctx = a * 26 + b;
        return (static_cast<double>(tri[ctx * 26 + c]) + k * pBi(b, c)) / (static_cast<double>(triContext[ctx]) + k);
    };
    std::vector<double> logs(Quadgrams);
    for (std::size_t a = 0; a < Alphabet; ++a) {
        for (std::size_t b = 0; b < Alphabet; ++b) {
            for (std::size_t c = 0; c < Alphabet; ++c) {
                const std::size_t ctx = (a * 26 + b) * 26 + c;
                const double prefix = pUni[a] * pBi(a, b) * pTri(a, b, c);
                for (std::size_t d = 0; d < Alphabet; ++d) {
                    const double p = (static_cast<double>(quad[ctx * 26 + d]) + k * pTri(b, c, d)) /
                                     (static_cast<double>(quadContext[ctx]) + k);
                    const double l = std::log10(prefix * p);
                    logs[ctx * 26 + d] = l;
                }
            }
        }
    }

    poolRarePossessives(stats.counts, stats.pairs, stats.lasts);
    // The vocabulary: corpus words by count, then the word list's words not seen in the corpus.
    for (const std::string& word : wordList) {
        auto [it, inserted] = stats.counts.try_emplace(word, 0.0);
        if (inserted || it->second < 0.5) {
            it->second = 0.5;
        }
    }
    std::vector<std::pair<std::string, double>> words(stats.counts.begin(), stats.counts.end());
    std::sort(words.begin(), words.end(), [](const auto& x, const auto& y) {
        return x.second != y.second ? x.second > y.second : x.first < y.first;
    });

    std::ofstream out(argv[1], std::ios::binary);
    out.write("TSLM", 4);
    put32(out, 9);
    putLevels(out, logs);
    put32(out, static_cast<std::uint32_t>(words.size()));
    for (const auto& [word, count] : words) {
        out.put(static_cast<char>(word.size()));
        out.write(word.data(), static_cast<std::streamsize>(word.size()));
        put16(out, std::lround(std::log10(count / stats.total) * 1000.0));
    }
    std::vector<std::uint32_t> order(words.size());
    for (std::uint32_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::sort(order.begin(), order.end(),
              [&](std::uint32_t x, std::uint32_t y) { return words[x].first < words[y].first; });
    for (std::uint32_t i : order) {
        put32(out, i);
    }
    // A pair's probability is discounted and mixed with the second word's own (absolute discounting), so that a
    // pair seen once after a rare word does not count as certain; the discounts of a first word's pairs together go
    // to all words in proportion to their own probabilities (the loader derives from them what an uncounted pair
    // gets: LanguageModel::PairBackoff).
    std::unordered_map<std::string, std::uint32_t> indexOf;
    for (std::uint32_t i = 0; i < words.size(); ++i) {
        indexOf.emplace(words[i].first, i);
    }
    // A pair seen once in sources this small is as often chance as habit, so it keeps less of its count than one
    // seen again (0.9 against 0.75 measured best on the benchmark's tuning seeds).
    const auto discountOf = [](double count) { return count < 1.5 ? 0.9 : 0.75; };
    std::unordered_map<std::string, double> followers; // of each first word, the discounts of the words seen after it
    for (const auto& [pair, count] : stats.pairs) {
        followers[pair.substr(0, pair.find(' '))] += discountOf(count);
    }
    std::vector<std::tuple<std::uint32_t, std::uint32_t, double>> kept2;
    for (const auto& [pair, count] : stats.pairs) {
        if (count < MinPairCount) {
            continue;
        }
        const std::size_t space = pair.find(' ');
        const std::string firstWord = pair.substr(0, space);
        const bool start = firstWord == Start;
        const std::uint32_t first = start ? LanguageModel::SentenceStart : indexOf.at(firstWord);
        const std::uint32_t second = indexOf.at(pair.substr(space + 1));
        const double context = start ? stats.starts : words[first].second;
        const double p =
            (count - discountOf(count)) / context + followers[firstWord] / context * words[second].second / stats.total;
        kept2.emplace_back(first, second, std::log10(p));
    }
    // How often a word seen in the sources ends a sentence, drawn toward the share of all words that do (as if it
    // had been seen EndPrior more times), is stored as its pair with the word count as second index.
    constexpr double EndPrior = 2.0;
    const double endShare = stats.ends / stats.total;
    for (std::uint32_t i = 0; i < words.size(); ++i) {
        const double seen = words[i].second;
        if (seen >= 1) {
            const auto last = stats.lasts.find(words[i].first);
            const double ended = last == stats.lasts.end() ? 0.0 : last->second;
            kept2.emplace_back(i, static_cast<std::uint32_t>(words.size()),
                               std::log10((ended + EndPrior * endShare) / (seen + EndPrior)));
        }
    }
    std::sort(kept2.begin(), kept2.end());
    put32(out, static_cast<std::uint32_t>(kept2.size()));
    double pairLo = 0;
    for (const auto& pair : kept2) {
        pairLo = std::min(pairLo, std::get<2>(pair));
    }
    putFloat(out, static_cast<float>(pairLo));
    putFloat(out, static_cast<float>(-pairLo / 255.0));
    putFloat(out, static_cast<float>(std::log10(endShare)));
    // Per first word (the sentence start last), the number of its pairs, then per pair the gap to the previous
    // second word's index and the quantized probability.
    std::size_t at = 0;
    for (std::uint32_t slot = 0; slot <= words.size(); ++slot) {
        const std::uint32_t first = slot == words.size() ? LanguageModel::SentenceStart : slot;
        std::size_t end = at;
        while (end < kept2.size() && std::get<0>(kept2[end]) == first) {
            ++end;
        }
        putVarint(out, end - at);
        std::uint32_t next = 0;
        for (; at < end; ++at) {
            const std::uint32_t second = std::get<1>(kept2[at]);
            const double logP = std::get<2>(kept2[at]);
            putVarint(out, second - next);
            next = second + 1;
            out.put(static_cast<char>(static_cast<int>(std::lround((logP - pairLo) / -pairLo * 255.0))));
        }
    }
    putLoneLetters(out, stats.lone);
    putLoneLetters(out, stats.labels);
    putTags(out, words, tags ? &*tags : nullptr);
    const std::size_t classCount = putWordClasses(out, words, indexOf, stats.pairs, classes);
    putSpelling(out, words);
    if (!out) {
        std::cerr << "BuildLanguageModel: cannot write " << argv[1] << "\n";
        return 1;
    }
    std::cout << "language model: " << kept << " texts, " << held << " quotations held out, " << quoting
              << " texts left out for quoting one, " << words.size() << " words, " << kept2.size() << " word pairs, "
              << classCount << " word classes\n";
    return 0;
}
