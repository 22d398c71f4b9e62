#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class LanguageModel;

/// A Playfair square in letter codes: code k is the k-th letter of PlayfairAlphabet (A to Z without Q).
struct PlayfairCodeSquare
{
    std::array<std::uint8_t, 25> cell{}; ///< position (row * 5 + column) -> letter code
    std::array<std::uint8_t, 25> at{};   ///< letter code -> position

    static PlayfairCodeSquare FromLetters(std::string_view square);
    std::string Letters() const;
    void Reindex();
};

/// The exact Playfair decryption and its quadgram score over one ciphertext, and the annealing that searches
/// squares for it. The ciphertext's letters are held as codes; an odd last letter is dropped.
class PlayfairSearch
{
public:
    PlayfairSearch(std::string_view ciphertext, const LanguageModel& model);

    std::size_t Size() const { return m_cipher.size(); }
    /// The working letters that square gives.
    std::string Decrypt(const PlayfairCodeSquare& square) const;
    /// Sum of the quadgram scores of the decryption under square.
    double Score(const PlayfairCodeSquare& square);

    struct Found
    {
        PlayfairCodeSquare square;
        double score = 0;
    };
    /// Simulated annealing from start over the given number of steps, the temperature falling linearly from
    /// startTemperature to zero. Stops early once stopped() says so; returns the best square.
    Found Anneal(const PlayfairCodeSquare& start, std::uint64_t seed, std::size_t steps, double startTemperature,
                 const std::function<bool()>& stopped);

private:
    std::vector<std::uint8_t> m_cipher; // letter codes, even length
    std::vector<std::uint8_t> m_plain;  // A-Z codes of the last decryption
    const float* m_quadgrams;
};

/// The square of keyword among the 50 arrangements that encrypt alike (rows and columns turned cyclically, the
/// square transposed): the one built by the shortest keyword, and that keyword; the square itself and an empty
/// keyword when no arrangement is a keyword square.
struct PlayfairKeyedForm
{
    std::string square;
    std::string keyword;
};
PlayfairKeyedForm PlayfairKeyedFormOf(std::string_view square);

/// Candidate keywords for dictionary attacks on keyed alphabets: the model's words and the system's word list
/// (/usr/share/dict/words when present), in capitals A-Z, each once, the model's most frequent first.
std::vector<std::string> KeywordCandidates(const LanguageModel& model);

/// The length of the shortest keyword whose keyed alphabet over base is arrangement, or nothing when none of at
/// most arrangement.size() - 8 letters builds it.
std::optional<std::size_t> KeywordLengthOf(std::string_view arrangement, std::string_view base);

/// The mean quadgram score of English text under the model (the model's own expectation) and of random letters:
/// the two ends of the scale on which a plaintext's score per quadgram becomes a confidence.
struct ScoreScale
{
    double english = 0;
    double random = 0;

    explicit ScoreScale(const LanguageModel& model);
    /// Where a score per quadgram lies between random letters (0) and English (1).
    double Level(double perQuadgram) const { return (perQuadgram - random) / (english - random); }
};
