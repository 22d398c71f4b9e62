#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class LanguageModel;

/// The pieces of a Quagmire break, on the letters of one ciphertext taken as codes 0-25. Decryption of the k-th
/// letter c is p = P[(C^-1(c) - shift[k mod period]) mod 26]: with the cipher alphabet C and the shifts known, the
/// text is one simple substitution P of the "aligned" letters C^-1(c) - shift.
class QuagmireSearch
{
public:
    using Alphabet = std::array<std::uint8_t, 26>; ///< position -> letter code
    using Histogram = std::array<int, 26>;         ///< letter code -> count

    explicit QuagmireSearch(std::string_view ciphertext);

    std::size_t Size() const { return m_cipher.size(); }
    /// The ciphertext's letters as codes.
    const std::vector<std::uint8_t>& Letters() const { return m_cipher; }
    /// Mean index of coincidence of the columns under period (English about 0.066, random letters 0.038).
    double ColumnCoincidence(std::size_t period) const;

    /// The letter counts of each column under period.
    std::vector<Histogram> Columns(std::size_t period) const;

    struct Alignment
    {
        std::vector<int> shifts; ///< shifts[0] == 0
        double coincidence = 0;  ///< index of coincidence of the aligned text
    };
    /// The shifts under which the columns (of Columns()), read through cipher alphabet C, agree best in letter
    /// frequencies (each column set against the others, twice over). With everyStart, every column is taken as the
    /// first in turn and the columns laid again until none moves, and the best fit kept (period times the work).
    static Alignment Align(const Alphabet& C, const std::vector<Histogram>& columns, bool everyStart = false);
    /// How often pairs of neighbouring aligned letters repeat (sum of count * (count - 1) over the 676 pairs):
    /// unchanged by the substitution, and higher the more consistently the columns are aligned.
    long PairCoincidence(const Alphabet& C, const std::vector<int>& shifts) const;
    /// The aligned letters C^-1(c) - shift.
    std::vector<std::uint8_t> Aligned(const Alphabet& C, const std::vector<int>& shifts) const;

private:
    std::vector<std::uint8_t> m_cipher;
};

/// A cipher alphabet found without a word list: a keyword of distinct letters climbed so that its keyed alphabet
/// aligns the columns of period best (QuagmireSearch::Align's shifts, scored by the pair coincidence), from the
/// straight alphabet and from random keywords in turn, one climb per restart; stopped, when given, ends it early.
struct KeywordClimb
{
    std::string keyword;
    QuagmireSearch::Alphabet alphabet{};
    double coincidence = 0;
};
KeywordClimb ClimbCipherKeyword(const QuagmireSearch& search, std::size_t period, std::uint64_t seed, int restarts,
                                const std::function<bool()>& stopped = {});

/// A cipher table found by quadgrams for the Quagmires whose key row is the straight alphabet or the cipher table
/// itself: annealing over keyword edits, each keyed alphabet read through the row with the columns' shifts fitted
/// to English letter frequencies (FitTable) and scored by quadgrams; stopped, when given, ends it early.
struct TableClimb
{
    QuagmireSearch::Alphabet alphabet{};
    double score = 0;
};
TableClimb ClimbTableKeyword(const QuagmireSearch& search, std::size_t period, const LanguageModel& model,
                             bool rowIsTable, std::uint64_t seed, int steps, const std::function<bool()>& stopped = {});

/// A cipher table for the Quagmire III found by letter frequencies alone: annealing over keyword edits, each keyed
/// alphabet taken as both cipher table and key row and valued by FrequencyFit. Every column of a Quagmire III is
/// the same turn of one cycle of letters, so the true table makes every column read as English letters, where a
/// keyword that merely lines the columns up with one another (ClimbCipherKeyword) need not. stopped, when given, is
/// asked every few thousand steps and ends the climb early with the best so far.
TableClimb ClimbSelfKeyedTable(const QuagmireSearch& search, std::size_t period, std::uint64_t seed, int steps,
                               const std::function<bool()>& stopped = {});

/// A whole Quagmire table: ciphertext letter c of column j reads as row[(position of c in table + shifts[j]) mod 26],
/// and the quadgram score of the text it gives.
struct TableState
{
    QuagmireSearch::Alphabet table{};
    QuagmireSearch::Alphabet row{};
    std::vector<int> shifts;
    double score = 0;
};

/// What the key row may do while a table is climbed: anything (any Quagmire), stay as it is (a straight row, the
/// Quagmire II), or be the cipher table itself (the Quagmire III).
enum class RowRule
{
    Free,
    Kept,
    SameAsTable,
};

/// A nearly right table put right by hill climbing: two letters of the cipher table or of the key row swapped, or
/// one column's shift moved, kept while the quadgram score improves. Mends what a break of the aligned text cannot,
/// a cipher table a few letters off, which spoils the same letters in some columns only. A row held by its rule
/// cannot soak up a wrong table letter, so the climb moves the table letter itself. stopped, when given, is asked
/// before each trial and ends the climb early with the best so far.
TableState ClimbTable(const QuagmireSearch& search, const LanguageModel& model, const TableState& start,
                      RowRule rule = RowRule::Free, const std::function<bool()>& stopped = {});

/// How well the columns (of QuagmireSearch::Columns()) read as English letter frequencies through cipher alphabet C
/// and key row R, each column at the shift that fits it best: those shifts and the summed log frequency.
struct ColumnsFit
{
    std::vector<int> shifts;
    double fit = 0;
};
ColumnsFit FrequencyFit(const QuagmireSearch::Alphabet& C, const QuagmireSearch::Alphabet& R,
                        const std::vector<QuagmireSearch::Histogram>& columns);

/// The table of cipher alphabet C read through key row R (the straight alphabet for a Quagmire II, C itself for a
/// Quagmire III): each column's shift the one under which its letters read most like English letter frequencies,
/// as a Vigenère's columns are found, and the quadgram score of the text. Laying the columns against one another
/// instead can prefer a wrong shift that makes their counts agree by chance.
TableState FitTable(const QuagmireSearch& search, const QuagmireSearch::Alphabet& C, const QuagmireSearch::Alphabet& R,
                    const std::vector<QuagmireSearch::Histogram>& columns, const LanguageModel& model);

/// The keyed alphabets nearest to key row (position -> letter code) on the positions that count (weight > 0): over
/// every turn of the row and every keyword length, the keyed alphabet whose letters disagree with the row on the
/// least weight (a keyword letter weighing as three), turned back to the row's turn; every such fit within margin
/// of the best, best first. Quadgrams leave rare letters to chance: a rare letter misread inside the keyword, or
/// letters the text lacks in any order, shift the alphabetical tail; the keyed form puts them right. Keyword
/// places a fit filled with letters from elsewhere in the row are listed in filled (their order is the fit's
/// guess: only the text can tell it).
struct NearestKeyed
{
    QuagmireSearch::Alphabet row{};
    int wrong = 0;
    std::vector<std::size_t> filled;
    int cost = 0; ///< wrong plus three for each keyword letter
};
std::vector<NearestKeyed> NearestKeyedRows(const QuagmireSearch::Alphabet& row, const std::array<int, 26>& weight,
                                           int margin = 0);

/// Breaks a simple substitution of letter codes by hill climbing with quadgram scores from restarts: key[y] is
/// the plaintext code of text code y. Starts from start, or from the letters matched by frequency. Returns the
/// best key and its score. stopped, when given, is asked before each restart after the first.
struct SubstitutionBreak
{
    std::array<std::uint8_t, 26> key{};
    double score = 0;
};
SubstitutionBreak BreakSubstitution(const std::vector<std::uint8_t>& text, const LanguageModel& model,
                                    std::uint64_t seed, int restarts,
                                    const std::optional<std::array<std::uint8_t, 26>>& start = std::nullopt,
                                    const std::function<bool()>& stopped = {});

/// The quadgram score of text read through key.
double SubstitutionScore(const std::vector<std::uint8_t>& text, const std::array<std::uint8_t, 26>& key,
                         const LanguageModel& model);

/// The keyword whose keyed alphabet (over A-Z) is one of the 26 rotations of alphabet, the shortest such, and
/// how far alphabet is turned left to give it; an empty keyword and turn -1 when no rotation is a keyed alphabet.
struct KeyedRotation
{
    std::string keyword;
    int turn = -1;
};
KeyedRotation KeyedRotationOf(std::string_view alphabet);

/// A keyword that the maker keys into alphabet, which is an alphabet turned left by form.turn, form its
/// KeyedRotationOf: form.keyword, or all the letters of alphabet when it has no keyed rotation.
std::string KeywordMaking(std::string_view alphabet, const KeyedRotation& form);
