#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

/// A part-of-speech tagger's data: a lexicon giving each word's tags with log P(word | tag), and the counts of tag
/// trigrams, both from a tagged body of newspaper English. The model keeps what tells syntax apart, not which words
/// the newspaper used: each token's P(tag | token) / P(tag), and P(tag | the two tags before).
class TagLexicon
{
public:
    /// A tag and P(tag | token) / P(tag).
    using Emission = std::pair<std::uint8_t, double>;

    /// Reads the lexicon and the trigram file; the build stops with the file's name when either is unreadable.
    TagLexicon(const std::string& lexiconFile, const std::string& trigramFile);

    std::size_t tagCount() const { return m_tags.size(); }
    /// The tag of punctuation, which stands between clauses.
    std::size_t breakTag() const { return m_breakTag; }
    /// P(c | a, b), smoothed with P(c | b) so that no sequence is impossible.
    double trigram(std::size_t a, std::size_t b, std::size_t c) const
    {
        return m_trigrams[(a * m_tags.size() + b) * m_tags.size() + c];
    }
    /// The tokens of a word in capitals, as the lexicon splits it (CAN'T: CA and N'T, JOHN'S: JOHN and 'S); empty
    /// when the lexicon lacks one of them.
    std::vector<std::string> tokensOf(const std::string& word) const;
    /// The emissions of a token of tokensOf.
    const std::vector<Emission>& emissionsOf(const std::string& token) const { return m_tokens.at(token); }
    /// The emissions of a word the lexicon lacks: the tags in the shares the lexicon's words have them (a tag of
    /// fewer than one word in a hundred left out), mostly nouns, names, adjectives and verbs.
    const std::vector<Emission>& unknown() const { return m_unknown; }

private:
    void readTrigrams(const std::string& file);
    void readLexicon(const std::string& file);

    std::vector<std::string> m_tags;
    std::size_t m_breakTag = 0;
    std::vector<double> m_prior;                                     // P(tag)
    std::vector<double> m_trigrams;                                  // trigram(a, b, c) at (a * tags + b) * tags + c
    std::unordered_map<std::string, std::vector<Emission>> m_tokens; // by token in small letters
    std::vector<Emission> m_unknown;
};
