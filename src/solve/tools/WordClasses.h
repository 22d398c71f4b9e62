#pragma once
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

/// What a word can be in a sentence, read from a lexical database's lemma indexes (index.noun, index.verb,
/// index.adj, index.adv) and its lists of irregular forms (noun.exc, verb.exc, adj.exc): THINKS can be a verb after
/// HE or a plural noun, THINGS only a plural noun. Words sharing a signature share a class, whose pairs the model
/// counts so that a pair of words the sources never had together still gets the likelihood of its kind.
class WordClasses
{
public:
    /// Reads the database in folder; a file it lacks adds nothing.
    explicit WordClasses(const std::string& folder);

    /// The signature of a word in capitals: the parts of speech and inflections it can be, as letters (N noun,
    /// P plural, V verb, Z third person, D past, G -ing form, J adjective, C comparative, R adverb, S possessive),
    /// or for a word the database lacks, "?" and its ending.
    std::string signatureOf(const std::string& word) const;

    /// An ending and what replaces it to give the lemma (THINKS: S and nothing gives THINK).
    using Rule = std::array<std::string_view, 2>;

private:
    bool isLemma(char part, const std::string& word) const;
    bool isIrregular(char part, const std::string& form) const;
    bool endsAs(char part, const std::string& word, std::span<const Rule> rules) const;

    std::unordered_map<char, std::unordered_set<std::string>> m_lemmas;    // by part: n, v, a, r
    std::unordered_map<char, std::unordered_set<std::string>> m_irregular; // by part: the irregular forms
};
