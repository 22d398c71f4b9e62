#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

/// A hidden Markov model of parts of speech: the probability of a tag after the two tags before it, and of each tag
/// given a word. It tells how well a sequence of words fits English syntax, beyond what the words' own frequencies
/// say: THE SAME BOX (determiner, adjective, noun) fits, THE SAME YOU (determiner, adjective, pronoun) hardly.
class TagModel
{
public:
    /// A tag a token can have, with P(tag | token) / P(tag): how much likelier the token makes the tag.
    struct Emission
    {
        std::uint8_t tag = 0;
        float ratio = 0;
    };

    /// The most tags a model may have: a pair of tags is indexed in 16 bits.
    static constexpr std::size_t MaxTags = 64;

    TagModel() = default;
    /// tags: the number of tags; breakTag: the tag of punctuation; trigrams: P(c | a, b) at (a * tags + b) * tags
    /// + c; tokens: the emissions of each token; wordTokens: per word of the language model, the indexes of its
    /// tokens (CAN'T is two: CA and N'T; none for a word the lexicon lacks); unknown: the emissions of such a word.
    TagModel(std::size_t tags, std::size_t breakTag, std::vector<float> trigrams,
             std::vector<std::vector<Emission>> tokens, std::vector<std::vector<std::uint32_t>> wordTokens,
             std::vector<Emission> unknown);

    /// log10 of P(words) under the model over the product of the words' own probabilities under it (the
    /// pointwise information the sequence's syntax adds). A word is an index into the language model's words, or
    /// nothing for a word it lacks; a punctuation token goes before each word whose breakBefore is true (not
    /// before the first).
    double Fit(const std::vector<std::optional<std::size_t>>& words, const std::vector<bool>& breakBefore) const;

    bool empty() const { return m_tags == 0; }

private:
    struct Span
    {
        std::uint32_t begin = 0;
        std::uint32_t end = 0;
    };
    std::size_t m_tags = 0;
    std::size_t m_breakTag = 0;
    std::vector<float> m_trigrams;
    std::vector<Emission> m_emissions;       // of all tokens, one after the other
    std::vector<Span> m_tokens;              // each token's emissions in m_emissions
    std::vector<std::uint32_t> m_wordTokens; // the tokens of all words, one after the other
    std::vector<Span> m_words;               // each word's tokens in m_wordTokens
    Span m_unknown;                          // in m_emissions: the emissions of a word the lexicon lacks
};
