#include "TagLexicon.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <numeric>
#include <sstream>

#include "TagModel.h"

namespace {

[[noreturn]] void fail(const std::string& file, const char* cause)
{
    std::cerr << "BuildLanguageModel: " << file << ": " << cause << "\n";
    std::exit(1);
}

double bigEndianDouble(const char* p)
{
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) {
        bits = bits << 8 | static_cast<unsigned char>(p[i]);
    }
    double d = 0;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

std::string lowered(std::string text)
{
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// A share of the lexicon's words below which a tag is no guess for a word it lacks.
constexpr double UnknownTagShare = 0.01;
// The weight of P(c | b) in the smoothed P(c | a, b).
constexpr double BigramShare = 0.1;

} // namespace

TagLexicon::TagLexicon(const std::string& lexiconFile, const std::string& trigramFile)
{
    readTrigrams(trigramFile);
    readLexicon(lexiconFile);
}

// The trigram file: a line "NgramBin_2 3", a line of the tag names, a line of the tags predicted (the same), then
// the trigram counts as big-endian doubles in the order (a * tags + b) * tags + c, where a negative -n stands for
// n - 1 counts of zero.
void TagLexicon::readTrigrams(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    std::string header;
    std::string names;
    std::string predicted;
    if (!std::getline(in, header) || !std::getline(in, names) || !std::getline(in, predicted) ||
        header.rfind("NgramBin_2 3", 0) != 0) {
        fail(file, "not a tag trigram file");
    }
    std::istringstream list(names);
    for (std::string tag; list >> tag;) {
        m_tags.push_back(tag);
    }
    const std::size_t V = m_tags.size();
    m_breakTag = static_cast<std::size_t>(std::find(m_tags.begin(), m_tags.end(), "punc") - m_tags.begin());
    if (V == 0 || V > TagModel::MaxTags || m_breakTag == V) {
        fail(file, "unexpected tags");
    }
    const std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<double> counts; // of each tag trigram, at (a * tags + b) * tags + c
    for (std::size_t i = 0; i + 8 <= raw.size() && counts.size() <= V * V * V; i += 8) {
        const double x = bigEndianDouble(raw.data() + i);
        if (!std::isfinite(x)) {
            fail(file, "holds a count that is not a number");
        }
        if (x < 0) {
            counts.insert(counts.end(), static_cast<std::size_t>(std::clamp(-x, 1.0, 1e7)) - 1, 0.0);
        } else {
            counts.push_back(x);
        }
    }
    if (counts.size() != V * V * V) {
        fail(file, "the counts do not fill the table");
    }
    m_prior.assign(V, 0.0);
    std::vector<double> pairs(V * V, 0.0);
    double total = 0;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        m_prior[i % V] += counts[i];
        pairs[i % (V * V)] += counts[i];
        total += counts[i];
    }
    for (double& p : m_prior) {
        p /= total;
    }
    // P(c | b), then P(c | a, b) smoothed with it, row by row.
    std::vector<double> following(V * V, 1.0 / static_cast<double>(V));
    for (std::size_t b = 0; b < V; ++b) {
        const auto row = pairs.begin() + static_cast<std::ptrdiff_t>(b * V);
        const double sum = std::accumulate(row, row + static_cast<std::ptrdiff_t>(V), 0.0);
        for (std::size_t c = 0; c < V && sum > 0; ++c) {
            following[b * V + c] = pairs[b * V + c] / sum;
        }
    }
    m_trigrams.resize(counts.size());
    for (std::size_t ab = 0; ab < V * V; ++ab) {
        const auto row = counts.begin() + static_cast<std::ptrdiff_t>(ab * V);
        const double sum = std::accumulate(row, row + static_cast<std::ptrdiff_t>(V), 0.0);
        for (std::size_t c = 0; c < V; ++c) {
            const double tri = sum > 0 ? counts[ab * V + c] / sum : 0.0;
            m_trigrams[ab * V + c] = (1.0 - BigramShare) * tri + BigramShare * following[ab % V * V + c] + 1e-6;
        }
    }
}

// The lexicon: a line "MNCL", then a line per word: ("word" ((tag logp) (tag logp) ...) () ), logp the natural
// log of P(word | tag).
void TagLexicon::readLexicon(const std::string& file)
{
    std::ifstream in(file);
    if (!in) {
        fail(file, "cannot be read");
    }
    std::vector<double> wordsOfTag(m_tags.size(), 0.0);
    for (std::string line; std::getline(in, line);) {
        const std::size_t close = line.find("\" ((");
        if (line.rfind("(\"", 0) != 0 || close == std::string::npos) {
            continue;
        }
        std::vector<Emission> emissions;
        double marginal = 0;
        std::istringstream list(line.substr(close + 3));
        for (std::string tag, logp; list >> tag >> logp && tag.front() == '(';) {
            const auto t =
                static_cast<std::size_t>(std::find(m_tags.begin(), m_tags.end(), tag.substr(1)) - m_tags.begin());
            const double p = std::exp(std::strtod(logp.c_str(), nullptr));
            if (t < m_tags.size() && p > 0) {
                emissions.emplace_back(static_cast<std::uint8_t>(t), p);
                marginal += m_prior[t] * p;
                wordsOfTag[t] += 1;
            }
        }
        if (emissions.empty() || marginal <= 0) {
            continue;
        }
        for (Emission& e : emissions) {
            e.second /= marginal; // P(word | tag) / P(word) = P(tag | word) / P(tag)
        }
        m_tokens.emplace(lowered(line.substr(2, close - 2)), std::move(emissions));
    }
    if (m_tokens.empty()) {
        fail(file, "holds no words");
    }
    double words = 0;
    for (double n : wordsOfTag) {
        words += n;
    }
    for (std::size_t t = 0; t < m_tags.size(); ++t) {
        if (wordsOfTag[t] / words >= UnknownTagShare && m_prior[t] > 0) {
            m_unknown.emplace_back(static_cast<std::uint8_t>(t), wordsOfTag[t] / words / m_prior[t]);
        }
    }
}

std::vector<std::string> TagLexicon::tokensOf(const std::string& word) const
{
    const std::string token = lowered(word);
    if (m_tokens.count(token) != 0) {
        return {token};
    }
    for (const std::string ending : {"n't", "'s", "'re", "'ll", "'ve", "'d", "'m"}) {
        if (token.size() > ending.size() && token.ends_with(ending)) {
            const std::string stem = token.substr(0, token.size() - ending.size());
            if (m_tokens.count(stem) != 0 && m_tokens.count(ending) != 0) {
                return {stem, ending};
            }
            return {};
        }
    }
    return {};
}
