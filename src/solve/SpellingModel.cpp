#include "SpellingModel.h"

#include <cmath>

namespace {

constexpr std::size_t Symbols = 27;
constexpr std::uint8_t Edge = 26; // the symbol of a word's start and end
constexpr std::size_t Order = 4;
static_assert(SpellingModel::TableSize == Symbols * Symbols * Symbols * Symbols,
              "a table entry per context and symbol");

// The counts of one order: how often each symbol follows each context, and per context the total and the number
// of different symbols seen after it.
struct Counts
{
    explicit Counts(std::size_t contexts) : follows(contexts * Symbols), total(contexts), kinds(contexts) {}
    std::vector<std::uint32_t> follows;
    std::vector<std::uint32_t> total;
    std::vector<std::uint32_t> kinds;

    void add(std::size_t context, std::uint8_t symbol)
    {
        std::uint32_t& n = follows[context * Symbols + symbol];
        kinds[context] += n == 0 ? 1 : 0;
        ++n;
        ++total[context];
    }
};

std::vector<std::uint8_t> symbolsOf(std::string_view word)
{
    std::vector<std::uint8_t> symbols(Order - 1, Edge);
    for (char c : word) {
        if (c >= 'A' && c <= 'Z') {
            symbols.push_back(static_cast<std::uint8_t>(c - 'A'));
        }
    }
    symbols.push_back(Edge);
    return symbols;
}

} // namespace

// Witten-Bell interpolation: each order's estimate gives way to the order below in proportion to how many
// different letters its context has been seen with, so a context seen with few letters many times is trusted.
SpellingModel::SpellingModel(const std::vector<std::string_view>& words)
{
    std::vector<Counts> counts;
    std::size_t contexts = 1;
    for (std::size_t order = 0; order < Order; ++order) {
        counts.emplace_back(contexts);
        contexts *= Symbols;
    }
    for (std::string_view word : words) {
        const std::vector<std::uint8_t> symbols = symbolsOf(word);
        if (symbols.size() == Order) {
            continue; // no letters
        }
        for (std::size_t i = Order - 1; i < symbols.size(); ++i) {
            // A context's symbols are digits in base Symbols, the nearest the lowest.
            std::size_t context = 0;
            std::size_t digit = 1;
            for (std::size_t order = 0; order < Order; ++order) {
                counts[order].add(context, symbols[i]);
                if (order + 1 < Order) {
                    context += symbols[i - 1 - order] * digit;
                    digit *= Symbols;
                }
            }
        }
    }
    std::vector<double> lower(Symbols, 1.0 / Symbols);
    for (std::size_t order = 0; order < Order; ++order) {
        const Counts& c = counts[order];
        std::vector<double> next(c.follows.size());
        for (std::size_t context = 0; context < c.total.size(); ++context) {
            for (std::size_t s = 0; s < Symbols; ++s) {
                // The order below conditions on the context's nearest order - 1 symbols, its lower digits.
                const std::size_t below = order == 0 ? s : (context % (c.total.size() / Symbols)) * Symbols + s;
                const double fallback = lower[below];
                const double n = c.total[context];
                const double t = c.kinds[context];
                next[context * Symbols + s] =
                    n == 0 ? fallback : (c.follows[context * Symbols + s] + t * fallback) / (n + t);
            }
        }
        lower = std::move(next);
    }
    m_table.resize(lower.size());
    for (std::size_t i = 0; i < lower.size(); ++i) {
        m_table[i] = static_cast<float>(std::log10(lower[i]));
    }
}

double SpellingModel::LogProbability(const std::uint8_t* letters, std::size_t n) const
{
    if (m_table.empty()) {
        return 0;
    }
    std::size_t context = (Edge * Symbols + Edge) * Symbols + Edge;
    double sum = 0;
    for (std::size_t i = 0; i <= n; ++i) {
        const std::size_t symbol = i < n ? letters[i] : Edge;
        sum += m_table[context * Symbols + symbol];
        context = (context * Symbols + symbol) % (Symbols * Symbols * Symbols);
    }
    return sum;
}
