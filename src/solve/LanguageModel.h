#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "SpellingModel.h"
#include "TagModel.h"

/// True for a character that ends a sentence or a clause: the word after it is counted as a sentence's first word,
/// not as the second of a pair with the word before it.
inline bool BreaksWordPairs(char c)
{
    return c == '.' || c == '!' || c == '?' || c == ';' || c == ':' || c == '"' || c == '(' || c == ')' || c == '[' ||
           c == ']';
}

/// True when a one-letter word (other than A and I) followed by this character stands alone (ABOUT X?, 8.5X11,
/// 280-Z): not an initial (J. K. GALBRAITH) nor a label (Q: A:), whose letters the sources have in other shares.
inline bool StandsAloneBefore(char following)
{
    return following != '.' && following != ':';
}

/// True when a one-letter word (other than A and I) followed by this character is a label (Q: and the answer
/// after it), whose letters are few: nearly always Q, in the sources.
inline bool LabelsBefore(char following)
{
    return following == ':';
}

/// Statistics of English used to score candidate plaintexts: letter quadgrams, a word list with frequencies,
/// the pairs of consecutive words and the pairs of consecutive word classes.
/// Letters are handled as codes 0 to 25 (A to Z). The model is a compact file generated at build time and
/// installed beside the programs.
class LanguageModel
{
public:
    struct Word
    {
        std::string text;     ///< capitals A-Z (an apostrophe where the word has one)
        float logProbability; ///< log10 of the word's share of all words
    };

    /// Reads a model file. Throws TessarinError naming the file and the cause.
    static LanguageModel Load(const std::filesystem::path& file);
    /// The model file that belongs in programDir (the folder of the running program).
    static std::filesystem::path FileBeside(const std::filesystem::path& programDir);

    /// log10 probability of the quadgram a b c d (codes 0..25).
    float Quadgram(unsigned a, unsigned b, unsigned c, unsigned d) const
    {
        return m_quadgrams[((a * 26 + b) * 26 + c) * 26 + d];
    }
    /// The 26^4 quadgram scores indexed ((a * 26 + b) * 26 + c) * 26 + d, for inner loops.
    const float* QuadgramTable() const { return m_quadgrams.data(); }
    /// Sum of the quadgram scores over n letter codes (0 for fewer than four).
    double ScoreQuadgrams(const std::uint8_t* letters, std::size_t n) const;

    /// The word list, most frequent first.
    const std::vector<Word>& Words() const { return m_words; }
    /// log10 probability of a word in capitals, or nothing when the word is not in the list.
    std::optional<float> WordLogProbability(std::string_view word) const;

    /// log10 probability of a word the sources never had: the word list's words they lack are counted as seen half
    /// a time, the least of any word.
    float UnseenWordLogProbability() const { return m_unseenWordLogProbability; }

    /// The index in Words() of a word in capitals, or nothing.
    std::optional<std::size_t> WordIndex(std::string_view word) const;
    /// For an archaic verb form in capitals that ends in ETH (BRINGETH, COMETH, RUNNETH), the index
    /// of its stem in Words(): the form without the ending (BRING), with an E in its place (COME) or without a
    /// doubled last consonant as well (RUN); the commoner when two are words (COME, not COM). Nothing when no stem
    /// of at least two letters is a known word. A form in EST (KNOWEST) is not taken: it reads as well as a
    /// superlative the list lacks (RIPEST would be RIP's or RIPE's, and RIDEST RIDE's, a commoner word).
    std::optional<std::size_t> ArchaicStem(std::string_view word) const;

    /// log10 P(second | first) for two words (indexes in Words()) that follow each other often enough in the
    /// sources to be counted, or nothing.
    std::optional<float> PairLogProbability(std::size_t first, std::size_t second) const;
    /// log10 P(word | start of a sentence) for a word seen often enough first in a sentence, or nothing.
    std::optional<float> StartLogProbability(std::size_t word) const { return PairLogProbability(SentenceStart, word); }
    /// log10 of the share of P(second | first) that goes to the words not counted after first (SentenceStart for the
    /// start of a sentence): an uncounted pair's probability is this plus the second word's own log-probability.
    /// A first word seen with many different words leaves more to the others than one always seen with the same.
    float PairBackoff(std::size_t first) const
    {
        const std::size_t slot = first == SentenceStart ? m_words.size() : first;
        return slot < m_pairBackoffs.size() ? m_pairBackoffs[slot] : 0.0F;
    }

    /// log10 P(second | first) for a pair not counted (first a word index or SentenceStart): the back-off share
    /// times the second word's probability mixed with what the words' classes say (after CAN, a past participle
    /// such as SHIPPED is likelier than its frequency: CAN BE SHIPPED, not CAN WE SHIPPED), but for a word first at
    /// most the share of one in as many as the sources have first: a pair never seen after a word seen thousands of
    /// times (A LIKE) is rarer than the back-off supposes.
    float UncountedPairLogProbability(std::size_t first, std::size_t second) const;

    /// log10 P(the sentence ends | word) for a word seen in the sources, or the share of all words that end a
    /// sentence for another word or one not in the list.
    float EndLogProbability(std::optional<std::size_t> word) const;

    /// log10 P(letter | a one-letter word other than A and I that stands alone: StandsAloneBefore).
    float LoneLetterLogProbability(unsigned letter) const { return m_loneLetters[letter]; }
    /// log10 P(letter | a one-letter word other than A and I that is a label: LabelsBefore).
    float LabelLetterLogProbability(unsigned letter) const { return m_labelLetters[letter]; }

    /// The parts of speech: how well a sequence of words fits English syntax.
    const TagModel& Tags() const { return m_tags; }
    /// How the list's words are spelt: how much a word the list lacks looks like an English word.
    const SpellingModel& Spelling() const { return m_spelling; }

    /// The word that stands for any possessive the list lacks (HELEN'S): its pairs are those of the possessives
    /// the sources saw seldom, so PairLogProbability(WordIndex(Possessive), w) tells how often w follows one.
    static constexpr std::string_view Possessive = "'S";

    /// The first index of a pair whose second word starts a sentence.
    static constexpr std::uint32_t SentenceStart = 0xFFFFFFFF;

private:
    std::vector<float> m_quadgrams;
    std::vector<Word> m_words;
    std::vector<std::uint32_t> m_alphabetical; ///< indexes into m_words in alphabetical order of the words
    /// The pairs by first word: those of word i (of the sentence start for i = word count) are at
    /// m_pairOffsets[i] up to m_pairOffsets[i + 1] in m_pairSeconds (ascending) and m_pairLogProbabilities.
    std::vector<std::uint32_t> m_pairOffsets;
    std::vector<std::uint32_t> m_pairSeconds;
    std::vector<float> m_pairLogProbabilities; ///< log10 P(second | first) of each pair
    std::vector<float> m_pairBackoffs;         ///< PairBackoff of each word, the sentence start last
    /// log10 of the share of words that end a sentence; a pair whose second index is the word count ends one.
    float m_endLogProbability = 0;
    /// log10 of the number of words in the sources; the word list's words they lack count as half a word each.
    float m_logWordTotal = 0;
    float m_unseenWordLogProbability = 0;
    std::array<float, 26> m_loneLetters{};
    std::array<float, 26> m_labelLetters{};
    /// The class of each word (what it can be in a sentence); log10 P(class of the next word | class of a word) in
    /// rows of m_classCount, the row of the sentence start last; log10 P(word | its class) of each word.
    std::vector<std::uint16_t> m_classOf;
    std::size_t m_classCount = 0;
    std::vector<float> m_classPairs;
    std::vector<float> m_wordInClass;
    TagModel m_tags;
    SpellingModel m_spelling;

    void setWordClasses(std::vector<std::uint16_t> classOf, std::size_t classes, std::vector<float> classPairs,
                        const std::vector<float>& wordProbabilities);
};
