#include "TagModel.h"

#include <algorithm>
#include <cmath>

TagModel::TagModel(std::size_t tags, std::size_t breakTag, std::vector<float> trigrams,
                   std::vector<std::vector<Emission>> tokens, std::vector<std::vector<std::uint32_t>> wordTokens,
                   std::vector<Emission> unknown)
    : m_tags(tags), m_breakTag(breakTag), m_trigrams(std::move(trigrams))
{
    const auto append = [&](const std::vector<Emission>& emissions) {
        const auto begin = static_cast<std::uint32_t>(m_emissions.size());
        m_emissions.insert(m_emissions.end(), emissions.begin(), emissions.end());
        return Span{begin, static_cast<std::uint32_t>(m_emissions.size())};
    };
    for (const auto& token : tokens) {
        m_tokens.push_back(append(token));
    }
    m_unknown = append(unknown);
    for (const auto& word : wordTokens) {
        const auto begin = static_cast<std::uint32_t>(m_wordTokens.size());
        m_wordTokens.insert(m_wordTokens.end(), word.begin(), word.end());
        m_words.push_back({begin, static_cast<std::uint32_t>(m_wordTokens.size())});
    }
}

double TagModel::Fit(const std::vector<std::optional<std::size_t>>& words, const std::vector<bool>& breakBefore) const
{
    if (empty()) {
        return 0.0;
    }
    // The forward pass over pairs of tags (the one before, the one now): a dense table, and the pairs in use.
    const std::size_t V = m_tags;
    thread_local std::vector<double> now;
    thread_local std::vector<double> next;
    thread_local std::vector<std::uint16_t> used;
    thread_local std::vector<std::uint16_t> nextUsed;
    if (now.size() != V * V) {
        now.assign(V * V, 0.0); // zero between calls: each call clears the entries it used
        next.assign(V * V, 0.0);
    }
    used.assign(1, static_cast<std::uint16_t>(m_breakTag * V + m_breakTag));
    now[used[0]] = 1.0;
    double score = 0;
    const Emission punctuation{static_cast<std::uint8_t>(m_breakTag), 1.0F};
    const auto step = [&](const Emission* begin, const Emission* end) {
        nextUsed.clear();
        double sum = 0;
        for (const std::uint16_t ab : used) {
            const double p = now[ab];
            now[ab] = 0.0;
            const float* row = &m_trigrams[static_cast<std::size_t>(ab) * V];
            const std::size_t b = ab % V;
            for (const Emission* e = begin; e != end; ++e) {
                const double q = p * row[e->tag] * e->ratio;
                if (q <= 0.0) {
                    continue;
                }
                const auto bc = static_cast<std::uint16_t>(b * V + e->tag);
                if (next[bc] == 0.0) {
                    nextUsed.push_back(bc);
                }
                next[bc] += q;
                sum += q;
            }
        }
        for (const std::uint16_t bc : nextUsed) {
            next[bc] /= sum;
        }
        std::swap(now, next);
        std::swap(used, nextUsed);
        score += std::log10(sum);
    };
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (breakBefore[i] && i > 0) {
            step(&punctuation, &punctuation + 1);
        }
        const bool known = words[i] && *words[i] < m_words.size() && m_words[*words[i]].begin != m_words[*words[i]].end;
        if (!known) {
            step(m_emissions.data() + m_unknown.begin, m_emissions.data() + m_unknown.end);
            continue;
        }
        const Span tokens = m_words[*words[i]];
        for (std::uint32_t t = tokens.begin; t < tokens.end; ++t) {
            const Span token = m_tokens[m_wordTokens[t]];
            step(m_emissions.data() + token.begin, m_emissions.data() + token.end);
        }
    }
    for (const std::uint16_t ab : used) {
        now[ab] = 0.0;
    }
    return score;
}
