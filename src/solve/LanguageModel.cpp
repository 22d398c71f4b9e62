#include "LanguageModel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <fstream>

#include "TessarinError.h"

namespace {

constexpr std::size_t QuadgramCount = 26 * 26 * 26 * 26;
constexpr float UnseenWordCount = 0.5F;    // what the builder counts a word of the list the sources lack as
constexpr float UnseenPairLogCount = 0.0F; // log10 of the count an uncounted pair is taken for at most
// The share of an uncounted pair's probability that its words' classes give, the rest the second word's own
// probability (0.75 measured best on the benchmark's fitting draw, against 0.5 and 0.9).
constexpr double ClassShare = 0.75;

// Reads little-endian values from the file's bytes; any read past the end marks the file as cut short.
class Reader
{
public:
    explicit Reader(const std::string& bytes) : m_bytes(bytes) {}

    bool ok() const { return m_ok; }
    const char* take(std::size_t n)
    {
        if (!m_ok || m_bytes.size() - m_at < n) {
            m_ok = false;
            return nullptr;
        }
        const char* p = m_bytes.data() + m_at;
        m_at += n;
        return p;
    }
    std::uint8_t u8()
    {
        const char* p = take(1);
        return p == nullptr ? 0 : static_cast<std::uint8_t>(*p);
    }
    std::uint16_t u16()
    {
        const char* p = take(2);
        return p == nullptr ? 0
                            : static_cast<std::uint16_t>(static_cast<unsigned char>(p[0]) |
                                                         (static_cast<unsigned char>(p[1]) << 8));
    }
    /// A little-endian signed 16-bit value that holds a log10 probability times 1000, as the log10 probability.
    float milli() { return static_cast<float>(static_cast<std::int16_t>(u16())) / 1000.0F; }
    std::uint32_t u32()
    {
        const char* p = take(4);
        if (p == nullptr) {
            return 0;
        }
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i) {
            v = (v << 8) | static_cast<unsigned char>(p[i]);
        }
        return v;
    }
    float f32()
    {
        const std::uint32_t v = u32();
        float f = 0;
        std::memcpy(&f, &v, 4);
        return f;
    }
    /// A little-endian base-128 number; one longer than ten bytes marks the file as damaged (cut short).
    std::uint64_t varint()
    {
        std::uint64_t v = 0;
        for (unsigned shift = 0; shift < 64; shift += 7) {
            const char* p = take(1);
            if (p == nullptr) {
                return 0;
            }
            const auto byte = static_cast<unsigned char>(*p);
            v |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
            if ((byte & 0x80) == 0) {
                return v;
            }
        }
        m_ok = false;
        return 0;
    }
    bool atEnd() const { return m_at == m_bytes.size(); }
    std::size_t left() const { return m_bytes.size() - m_at; }

private:
    const std::string& m_bytes;
    std::size_t m_at = 0;
    bool m_ok = true;
};

// Reads the tag model (its layout: BuildLanguageModel), checking each count against the bytes left before it
// reserves anything, and each index against what it indexes. Throws what broken makes of the cause.
template <typename Broken> TagModel readTags(Reader& r, std::size_t words, const Broken& broken)
{
    const std::size_t tags = r.u8();
    if (!r.ok()) {
        throw broken("cut short");
    }
    if (tags == 0) {
        return {};
    }
    const std::size_t breakTag = r.u8();
    if (breakTag >= tags || tags > TagModel::MaxTags) {
        throw broken("damaged");
    }
    if (tags * tags * tags * 2 > r.left()) {
        throw broken("cut short");
    }
    std::vector<float> trigrams(tags * tags * tags);
    for (float& p : trigrams) {
        p = std::pow(10.0F, r.milli());
    }
    const auto emissions = [&] {
        std::vector<TagModel::Emission> list(r.u8());
        if (list.empty() && r.ok()) {
            throw broken("damaged"); // a token no tag can stand for would make every reading impossible
        }
        for (TagModel::Emission& e : list) {
            e.tag = r.u8();
            e.ratio = std::pow(10.0F, r.milli());
            if (e.tag >= tags) {
                throw broken("damaged");
            }
        }
        return list;
    };
    std::vector<TagModel::Emission> unknown = emissions();
    const std::uint32_t tokenCount = r.u32();
    if (!r.ok() || tokenCount > r.left()) {
        throw broken("cut short");
    }
    std::vector<std::vector<TagModel::Emission>> tokens(tokenCount);
    for (auto& token : tokens) {
        token = emissions();
    }
    if (words > r.left()) {
        throw broken("cut short");
    }
    std::vector<std::vector<std::uint32_t>> wordTokens(words);
    for (auto& list : wordTokens) {
        list.resize(r.u8());
        for (std::uint32_t& token : list) {
            const std::uint64_t index = r.varint();
            if (index >= tokenCount) {
                throw broken(r.ok() ? "damaged" : "cut short");
            }
            token = static_cast<std::uint32_t>(index);
        }
    }
    if (!r.ok()) {
        throw broken("cut short");
    }
    return TagModel(tags, breakTag, std::move(trigrams), std::move(tokens), std::move(wordTokens), std::move(unknown));
}

// A table of n log-probabilities stored as f32 base, f32 step and n bytes q: each is base + q * step.
template <typename Broken> std::vector<float> readLevels(Reader& r, std::size_t n, const Broken& broken)
{
    const float base = r.f32();
    const float step = r.f32();
    const char* q = r.take(n);
    if (q == nullptr) {
        throw broken("cut short");
    }
    std::array<float, 256> levels{};
    for (std::size_t i = 0; i < levels.size(); ++i) {
        levels[i] = base + static_cast<float>(i) * step;
    }
    std::vector<float> table(n);
    for (std::size_t i = 0; i < n; ++i) {
        table[i] = levels[static_cast<unsigned char>(q[i])];
    }
    return table;
}

} // namespace

LanguageModel LanguageModel::Load(const std::filesystem::path& file)
{
    // The size of a file alone: a folder in its place, or one missing, is named with its cause instead.
    std::error_code error;
    const auto size = static_cast<std::size_t>(std::filesystem::file_size(file, error));
    std::ifstream in(file, std::ios::binary);
    if (error || !in) {
        throw TessarinError("Cannot read the language model " + file.string() +
                            (error ? ". " + error.message() : std::string()));
    }
    std::string bytes(size, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    if (!in) {
        throw TessarinError("Cannot read the language model " + file.string());
    }
    const auto broken = [&](const char* cause) {
        return TessarinError("The language model " + file.string() + " is " + cause);
    };
    Reader r(bytes);
    const char* magic = r.take(4);
    if (magic == nullptr || std::memcmp(magic, "TSLM", 4) != 0 || r.u32() != 9) {
        throw broken("not a model file of this version");
    }
    LanguageModel model;
    model.m_quadgrams = readLevels(r, QuadgramCount, broken);
    const std::uint32_t count = r.u32();
    if (!r.ok() || count > bytes.size()) {
        throw broken("cut short");
    }
    model.m_words.reserve(count);
    for (std::uint32_t i = 0; i < count && r.ok(); ++i) {
        const char* length = r.take(1);
        const std::size_t n = length != nullptr ? static_cast<unsigned char>(*length) : 0;
        const char* text = r.take(n);
        const float logProbability = r.milli();
        if (text == nullptr || !r.ok()) {
            break;
        }
        model.m_words.push_back({std::string(text, n), logProbability});
    }
    model.m_alphabetical.resize(count);
    for (std::uint32_t& index : model.m_alphabetical) {
        index = r.u32();
        if (index >= count) {
            throw broken("damaged");
        }
    }
    const std::uint32_t pairs = r.u32();
    const float pairBase = r.f32();
    const float pairStep = r.f32();
    model.m_endLogProbability = r.f32();
    if (!r.ok() || pairs > bytes.size()) {
        throw broken("cut short");
    }
    model.m_pairOffsets.reserve(static_cast<std::size_t>(count) + 2);
    model.m_pairSeconds.reserve(pairs);
    model.m_pairLogProbabilities.reserve(pairs);
    model.m_pairOffsets.push_back(0);
    // The builder mixed each counted pair with the second word's own probability, so what the counted pairs of a
    // first word leave, 1 - sum P(second | first), belongs to the other words in proportion to their own
    // probabilities: the backoff share is that rest over 1 - sum P(second) of the counted seconds. A word's pair
    // with the end of the sentence stands apart from that sum.
    std::array<double, 256> pairProbabilities{};
    for (std::size_t i = 0; i < pairProbabilities.size(); ++i) {
        pairProbabilities[i] = std::pow(10.0, static_cast<double>(pairBase + static_cast<float>(i) * pairStep));
    }
    constexpr float Ln10 = 2.30258509F;
    std::vector<float> wordProbabilities(model.m_words.size());
    for (std::size_t i = 0; i < wordProbabilities.size(); ++i) {
        wordProbabilities[i] = std::exp(model.m_words[i].logProbability * Ln10);
    }
    model.m_pairBackoffs.assign(static_cast<std::size_t>(count) + 1, 0.0F);
    for (std::uint32_t slot = 0; slot <= count && r.ok(); ++slot) {
        const std::uint64_t n = r.varint();
        if (n > pairs - model.m_pairSeconds.size()) {
            throw broken("damaged");
        }
        double counted = 0;
        double seconds = 0;
        std::uint64_t next = 0;
        for (std::uint64_t i = 0; i < n && r.ok(); ++i) {
            const std::uint64_t gap = r.varint();
            const std::uint64_t second = next + std::min<std::uint64_t>(gap, count);
            const char* level = r.take(1);
            if (second > count || (slot == count && second == count) || level == nullptr) {
                throw broken(level == nullptr ? "cut short" : "damaged");
            }
            model.m_pairSeconds.push_back(static_cast<std::uint32_t>(second));
            model.m_pairLogProbabilities.push_back(pairBase +
                                                   static_cast<float>(static_cast<unsigned char>(*level)) * pairStep);
            if (second < count) {
                counted += pairProbabilities[static_cast<unsigned char>(*level)];
                seconds += wordProbabilities[second];
            }
            next = second + 1;
        }
        if (n > 0) {
            // Rounding in the file can leave the sums a little off; the share stays between 1 % and all.
            const double share = std::clamp((1.0 - counted) / std::max(1e-6, 1.0 - seconds), 0.01, 1.0);
            model.m_pairBackoffs[slot] = static_cast<float>(std::log10(share));
        }
        model.m_pairOffsets.push_back(static_cast<std::uint32_t>(model.m_pairSeconds.size()));
    }
    for (auto* table : {&model.m_loneLetters, &model.m_labelLetters}) {
        for (float& letter : *table) {
            letter = r.milli();
        }
    }
    const char* tagsMark = r.take(4);
    if (tagsMark == nullptr || std::memcmp(tagsMark, "TAGS", 4) != 0) {
        throw broken(r.ok() ? "damaged" : "cut short");
    }
    model.m_tags = readTags(r, count, broken);
    const std::uint32_t classes = r.u32();
    if (!r.ok() || classes > count) {
        throw broken(r.ok() ? "damaged" : "cut short");
    }
    if ((static_cast<std::uint64_t>(classes) + 1) * classes * 2 + std::uint64_t{count} * 2 > r.left()) {
        throw broken("cut short");
    }
    std::vector<std::uint16_t> classOf(count);
    for (std::uint16_t& c : classOf) {
        c = r.u16();
        if (c >= classes) {
            throw broken("damaged");
        }
    }
    std::vector<float> classPairs((static_cast<std::size_t>(classes) + 1) * classes);
    for (float& p : classPairs) {
        p = r.milli();
    }
    model.setWordClasses(std::move(classOf), classes, std::move(classPairs), wordProbabilities);
    const char* spellingMark = r.take(4);
    if (spellingMark == nullptr || std::memcmp(spellingMark, "SPEL", 4) != 0) {
        throw broken(r.ok() ? "damaged" : "cut short");
    }
    model.m_spelling = SpellingModel(readLevels(r, SpellingModel::TableSize, broken));
    if (!r.ok() || !r.atEnd()) {
        throw broken("cut short");
    }
    float rarest = 0;
    for (const Word& word : model.m_words) {
        rarest = std::min(rarest, word.logProbability);
    }
    model.m_logWordTotal = std::log10(UnseenWordCount) - rarest;
    model.m_unseenWordLogProbability = rarest;
    return model;
}

std::filesystem::path LanguageModel::FileBeside(const std::filesystem::path& programDir)
{
    return programDir / "tessarin5-english.model";
}

double LanguageModel::ScoreQuadgrams(const std::uint8_t* letters, std::size_t n) const
{
    double sum = 0;
    for (std::size_t i = 3; i < n; ++i) {
        sum += Quadgram(letters[i - 3], letters[i - 2], letters[i - 1], letters[i]);
    }
    return sum;
}

std::optional<std::size_t> LanguageModel::WordIndex(std::string_view word) const
{
    const auto it = std::lower_bound(m_alphabetical.begin(), m_alphabetical.end(), word,
                                     [&](std::uint32_t i, std::string_view w) { return m_words[i].text < w; });
    if (it == m_alphabetical.end() || m_words[*it].text != word) {
        return std::nullopt;
    }
    return *it;
}

std::optional<std::size_t> LanguageModel::ArchaicStem(std::string_view word) const
{
    constexpr std::size_t MinStem = 2;
    if (word.size() < MinStem + 3 || !word.ends_with("ETH")) {
        return std::nullopt;
    }
    const std::string_view base = word.substr(0, word.size() - 3);
    const auto bare = WordIndex(base);
    const auto withE = WordIndex(std::string(base) + 'E');
    if (bare && withE) {
        // COM and COME are both words; the commoner is the likelier stem (and Words() is most frequent first).
        return std::min(bare, withE);
    }
    if (bare || withE) {
        return bare ? bare : withE;
    }
    if (base.size() > MinStem && base[base.size() - 1] == base[base.size() - 2]) {
        return WordIndex(base.substr(0, base.size() - 1));
    }
    return std::nullopt;
}

std::optional<float> LanguageModel::WordLogProbability(std::string_view word) const
{
    const auto index = WordIndex(word);
    if (!index) {
        return std::nullopt;
    }
    return m_words[*index].logProbability;
}

void LanguageModel::setWordClasses(std::vector<std::uint16_t> classOf, std::size_t classes,
                                   std::vector<float> classPairs, const std::vector<float>& wordProbabilities)
{
    std::vector<double> classProbabilities(classes, 0.0);
    for (std::size_t w = 0; w < classOf.size(); ++w) {
        classProbabilities[classOf[w]] += wordProbabilities[w];
    }
    m_wordInClass.resize(classOf.size());
    for (std::size_t w = 0; w < classOf.size(); ++w) {
        m_wordInClass[w] = m_words[w].logProbability - static_cast<float>(std::log10(classProbabilities[classOf[w]]));
    }
    m_classOf = std::move(classOf);
    m_classCount = classes;
    m_classPairs = std::move(classPairs);
}

float LanguageModel::UncountedPairLogProbability(std::size_t first, std::size_t second) const
{
    // What follows a word in general, P(second), mixed with what follows its class: P(class of second | class of
    // first) P(second | its class).
    const std::size_t from = first == SentenceStart ? m_classCount : m_classOf[first];
    const double classed = m_classPairs[from * m_classCount + m_classOf[second]] + m_wordInClass[second];
    const double mixed = std::log10(ClassShare * std::pow(10.0, classed) +
                                    (1.0 - ClassShare) * std::pow(10.0, m_words[second].logProbability));
    const float backedOff = PairBackoff(first) + static_cast<float>(mixed);
    if (first == SentenceStart) {
        return backedOff;
    }
    return std::min(backedOff, -(m_words[first].logProbability + m_logWordTotal) + UnseenPairLogCount);
}

float LanguageModel::EndLogProbability(std::optional<std::size_t> word) const
{
    if (!word) {
        return m_endLogProbability;
    }
    return PairLogProbability(*word, m_words.size()).value_or(m_endLogProbability);
}

std::optional<float> LanguageModel::PairLogProbability(std::size_t first, std::size_t second) const
{
    const std::size_t slot = first == SentenceStart ? m_words.size() : first;
    if (slot > m_words.size()) {
        return std::nullopt;
    }
    const auto begin = m_pairSeconds.begin() + m_pairOffsets[slot];
    const auto end = m_pairSeconds.begin() + m_pairOffsets[slot + 1];
    const auto it = std::lower_bound(begin, end, second);
    if (it == end || *it != second) {
        return std::nullopt;
    }
    return m_pairLogProbabilities[static_cast<std::size_t>(it - m_pairSeconds.begin())];
}
