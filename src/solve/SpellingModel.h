#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

/// How English words are spelt, letter by letter: P(letter | the three before it), with the word's start and end
/// as a symbol of their own. It scores a word no list has (a name, a made-up or misspelt word) by how much it looks
/// like one: FLYBOY and PHOSFLINK start as English words do, DLYBOY and YHOSFLINK do not, though the letters inside
/// them are the same.
class SpellingModel
{
public:
    /// The number of entries of Table().
    static constexpr std::size_t TableSize = 27 * 27 * 27 * 27;

    SpellingModel() = default;
    /// Counts the spellings of the words (capitals A-Z; other characters are skipped), each once.
    explicit SpellingModel(const std::vector<std::string_view>& words);
    /// A model from its Table() (empty, or of TableSize entries).
    explicit SpellingModel(std::vector<float> table) : m_table(std::move(table)) {}

    /// log10 P(the word) of n letter codes (0..25), its end included; 0 for an empty model.
    double LogProbability(const std::uint8_t* letters, std::size_t n) const;

    /// log10 P(d | a b c) over 27 symbols (the letters, then the word's edge), a the farthest, at
    /// ((a * 27 + b) * 27 + c) * 27 + d.
    const std::vector<float>& Table() const { return m_table; }

private:
    std::vector<float> m_table;
};
