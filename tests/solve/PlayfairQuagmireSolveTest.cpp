#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <numeric>
#include <string_view>
#include <tuple>
#include <vector>

#include "Alphabet.h"
#include "EncodePlayfair.h"
#include "EncodeQuagmire.h"
#include "EncodeVigenere.h"
#include "LanguageModel.h"
#include "PlayfairSearch.h"
#include "QuagmireSearch.h"
#include "SolvePlayfair.h"
#include "SolveQuagmire.h"
#include "Solver.h"

namespace {

const LanguageModel& model()
{
    static const LanguageModel loaded = LanguageModel::Load(TESSARIN_LANGUAGE_MODEL);
    return loaded;
}

SolveOptions quick()
{
    SolveOptions options;
    options.seconds = 60; // a bound for a loaded machine and the sanitizers' build, several times slower: a
                          // Quagmire that runs out of time before its first reading returns none
    options.seed = 7;
    return options;
}

constexpr const char* lighthouse =
    "The old lighthouse keeper climbed the narrow stairs every evening to light the great lamp, and for forty years "
    "no ship was lost on the rocks below his window while he kept watch over the dark and restless sea.";
constexpr const char* baker =
    "Every morning the baker rose before dawn to knead the dough by hand, believing that bread made with patience "
    "tasted better than bread made by machines, and the long line outside his small shop suggested that his "
    "customers agreed with him. Music gives a soul to the universe, wings to the mind and flight to the imagination.";

// The text that table reads from the search's ciphertext.
std::string readThrough(const QuagmireSearch& search, const TableState& table)
{
    std::array<std::size_t, 26> position{};
    for (std::size_t x = 0; x < 26; ++x) {
        position[table.table[x]] = x;
    }
    std::string plaintext;
    for (std::size_t k = 0; k < search.Size(); ++k) {
        const auto shift = static_cast<std::size_t>(table.shifts[k % table.shifts.size()]);
        plaintext += static_cast<char>('A' + table.row[(position[search.Letters()[k]] + shift) % 26]);
    }
    return plaintext;
}

struct Case
{
    const char* keyRow;
    const char* cipherTable;
    const char* indicator;
    const char* form;
};

} // namespace

TEST(PlayfairSolve, BreaksKeywordSquaresAndGivesTheKeywordArrangement)
{
    for (const char* keyword : {"HARBOR", "MOUNTAINS"}) {
        bool edited = false;
        const std::string ciphertext = EncryptPlayfair(lighthouse, keyword, edited);
        const SolveResult result = SolvePlayfair(ciphertext, model(), quick());
        EXPECT_EQ(result.best.plaintext, PreparePlayfairText(lighthouse)) << keyword;
        EXPECT_EQ(EncryptPlayfair(result.best.plaintext, result.best.key.square, edited), ciphertext) << keyword;
        EXPECT_EQ(result.best.key.square, PlayfairSquareOf(keyword)) << keyword;
        EXPECT_EQ(PlayfairSquareOf(result.best.key.keyword), result.best.key.square) << keyword;
    }
}

TEST(PlayfairSolve, FindsTheKeywordOfATurnedOrTransposedSquare)
{
    const std::string keyed = PlayfairSquareOf("BLACKSMITH");
    std::string turned(25, ' ');
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 5; ++c) {
            // Transposed, rows turned by two and columns by three.
            turned[static_cast<std::size_t>(r * 5 + c)] =
                keyed[static_cast<std::size_t>(((c + 3) % 5) * 5 + (r + 2) % 5)];
        }
    }
    const PlayfairKeyedForm form = PlayfairKeyedFormOf(turned);
    EXPECT_EQ(form.square, keyed);
    EXPECT_EQ(form.keyword, "BLACKSMITH");
    EXPECT_EQ(PlayfairKeyedFormOf("ZYXWVUTSRPONMLKJIHGFEDCBA").keyword, "");
}

TEST(QuagmireSolve, BreaksEveryTypeWithItsKeywordsIndicatorAndColumn)
{
    for (const Case& c : {Case{"WEATHER", "", "SNOW@5", "quagmire1"}, Case{"", "GARDEN", "FLOWER@12", "quagmire2"},
                          Case{"PLANET", "PLANET", "ORBIT@20", "quagmire3"},
                          Case{"JOURNEY", "COMPASS", "MAP@1", "quagmire4"}, Case{"", "", "ORCHARD@3", "quagmire1"}}) {
        const std::string ciphertext = EncryptQuagmire(baker, c.keyRow, c.cipherTable, c.indicator);
        const SolveResult result = SolveQuagmire(ciphertext, model(), quick());
        const SolveKey& key = result.best.key;
        EXPECT_EQ(result.best.plaintext, DecryptQuagmire(ciphertext, c.keyRow, c.cipherTable, c.indicator)) << c.form;
        EXPECT_EQ(EncryptQuagmire(result.best.plaintext, key.keyRow, key.cipherTable,
                                  key.indicator + "@" + std::to_string(key.column)),
                  ciphertext)
            << c.form;
        EXPECT_EQ(key.form, c.form);
        EXPECT_EQ(key.keyRow, KeyedAlphabet(c.keyRow, StandardAlphabet)) << c.form;
        EXPECT_EQ(KeyedAlphabet(key.keyword, StandardAlphabet), key.keyRow) << c.form;
        EXPECT_EQ(KeyedAlphabet(key.cipherKeyword, StandardAlphabet), key.cipherTable) << c.form;
        if (*c.keyRow == 0 && *c.cipherTable == 0) {
            // Straight alphabets under an indicator alone read as a Vigenère, and as surely.
            EXPECT_GT(result.confidence, 0.6);
        }
    }
    // Cancelled before it starts, the search reads no keyword list through to the end: it stops with nothing.
    std::atomic<bool> cancel{true};
    SolveOptions cancelled = quick();
    cancelled.cancel = &cancel;
    const SolveResult none = SolveQuagmire(EncryptQuagmire(baker, "WEATHER", "", "SNOW@5"), model(), cancelled);
    EXPECT_TRUE(none.cancelled);
    EXPECT_TRUE(none.best.plaintext.empty());
}

TEST(QuagmireSolve, BreaksKeywordsOutsideTheWordList)
{
    // Random letters for the cipher table (found by climbing) and for the key row (its rare letters put right by
    // the nearest keyed alphabet).
    for (const Case& c : {Case{"", "XQVBJDW", "GLASS@7", "quagmire2"}, Case{"KZWPYF", "", "RIVER@3", "quagmire1"}}) {
        const std::string ciphertext = EncryptQuagmire(baker, c.keyRow, c.cipherTable, c.indicator);
        const SolveResult result = SolveQuagmire(ciphertext, model(), quick());
        EXPECT_EQ(result.best.plaintext, AsciiLettersUpper(baker)) << c.form;
        EXPECT_EQ(result.best.key.keyRow, KeyedAlphabet(c.keyRow, StandardAlphabet)) << c.form;
    }

    // The climbs are spread over the threads, but their seeds do not depend on how many there are.
    const std::string ciphertext = EncryptQuagmire(baker, "", "XQVBJDW", "GLASS@7");
    // (A bound far off, so that no time limit under a sanitizer cuts either search short.)
    SolveOptions one = quick();
    one.threads = 1;
    one.seconds = 120;
    SolveOptions three = one;
    three.threads = 3;
    const SolveResult byOne = SolveQuagmire(ciphertext, model(), one);
    const SolveResult byThree = SolveQuagmire(ciphertext, model(), three);
    EXPECT_EQ(byOne.best.plaintext, byThree.best.plaintext);
    EXPECT_EQ(byOne.best.key.cipherTable, byThree.best.key.cipherTable);
    EXPECT_EQ(byOne.best.score, byThree.best.score);
}

TEST(QuagmireSolve, EveryAlphabetFoundIsWrittenWithAKeywordThatKeysIt)
{
    // A climb that ends off the answer leaves alphabets that no short keyword makes.
    for (const std::string_view alphabet : {"GIYNEQZUXJLSMDCTPBRHWAVOKF", "HIJKLMOPQSTUVWXYZGARDENBCF"}) {
        const KeyedRotation form = KeyedRotationOf(alphabet);
        const std::string turned = RotateLeft(alphabet, static_cast<std::size_t>(std::max(form.turn, 0)));
        EXPECT_EQ(KeyedAlphabet(KeywordMaking(turned, form), StandardAlphabet), turned) << alphabet;
    }
}

TEST(QuagmireSolve, NearestKeyedRowPutsRareLettersRight)
{
    const std::string keyed = KeyedAlphabet("KZWPYF", StandardAlphabet);
    std::array<std::uint8_t, 26> right{};
    std::array<int, 26> weight{};
    for (std::size_t i = 0; i < 26; ++i) {
        right[(i + 5) % 26] = static_cast<std::uint8_t>(keyed[i] - 'A');
        weight[(i + 5) % 26] = std::string_view("QXZJ").find(keyed[i]) != std::string_view::npos ? 1 : 10;
    }
    // Two rare letters swapped in the tail; a rare letter of the keyword misread as one the text lacks (which
    // shifts the whole tail); and that with two tail letters the text lacks swapped as well.
    for (const std::string_view swaps : {"QX", "ZJ", "ZJQX"}) {
        std::array<std::uint8_t, 26> row = right;
        for (std::size_t i = 0; i < swaps.size(); i += 2) {
            std::swap(*std::find(row.begin(), row.end(), swaps[i] - 'A'),
                      *std::find(row.begin(), row.end(), swaps[i + 1] - 'A'));
        }
        const NearestKeyed nearest = NearestKeyedRows(row, weight).front();
        EXPECT_EQ(nearest.row, right) << swaps;
        EXPECT_EQ(nearest.wrong, static_cast<int>(swaps.size())) << swaps;
    }
}

TEST(QuagmireSolve, ClimbingTheWholeTableMendsACipherTableLettersOff)
{
    // Letters of the cipher table swapped: the key row climbed alone makes up for them in some columns only.
    const std::string ciphertext = EncryptQuagmire(baker, "", "BWFAZA", "WOLF@15");
    const QuagmireSearch search(ciphertext);
    TableState start;
    const std::string table = KeyedAlphabet("BWFAZA", StandardAlphabet);
    for (std::size_t x = 0; x < 26; ++x) {
        start.table[x] = static_cast<std::uint8_t>(table[x] - 'A');
        start.row[x] = static_cast<std::uint8_t>(x);
    }
    // Cipher row j is the table turned left by t, so a letter at position x reads as x - t.
    for (const std::string& cipherRow : BuildQuagmireTable("", "BWFAZA", "WOLF@15").rows) {
        start.shifts.push_back(static_cast<int>(26 - table.find(cipherRow[0])) % 26);
    }
    start.shifts.erase(start.shifts.begin());
    // Two letters off, the free row mends them. Six frequent letters off, a free row learns to make up for them and
    // the climb stops short; the row held straight, as the Quagmire II has it, does not.
    for (const auto& [swaps, rule] : {std::pair{"BZ", RowRule::Free}, std::pair{"ETAOIN", RowRule::Kept}}) {
        TableState off = start;
        for (std::size_t i = 0; swaps[i] != 0; i += 2) {
            std::swap(*std::find(off.table.begin(), off.table.end(), swaps[i] - 'A'),
                      *std::find(off.table.begin(), off.table.end(), swaps[i + 1] - 'A'));
        }
        EXPECT_EQ(readThrough(search, ClimbTable(search, model(), off, rule)), AsciiLettersUpper(baker)) << swaps;
        // Told to stop, the climb leaves the table as it was (the time bound ends it on a long text).
        const TableState stopped = ClimbTable(search, model(), off, rule, [] { return true; });
        EXPECT_EQ(stopped.table, off.table) << swaps;
    }
}

TEST(QuagmireSolve, FittingEachColumnToEnglishReadsTheQuagmireTwoAndThree)
{
    // Given the table, the shifts follow from English letter frequencies column by column; the kind of key row that
    // reads English tells the Quagmire II from the III.
    QuagmireSearch::Alphabet table{};
    QuagmireSearch::Alphabet straight{};
    const std::string letters = KeyedAlphabet("RAILWAY", StandardAlphabet);
    for (std::size_t x = 0; x < 26; ++x) {
        table[x] = static_cast<std::uint8_t>(letters[x] - 'A');
        straight[x] = static_cast<std::uint8_t>(x);
    }
    for (const auto& [keyRow, indicator, period] :
         {std::tuple{"", "DECIDE@2", 6}, std::tuple{"RAILWAY", "TOLD@4", 4}}) {
        const QuagmireSearch search(EncryptQuagmire(baker, keyRow, "RAILWAY", indicator));
        const std::vector<QuagmireSearch::Histogram> columns = search.Columns(period);
        const bool straightRow = *keyRow == 0;
        const TableState right = FitTable(search, table, straightRow ? straight : table, columns, model());
        const TableState wrong = FitTable(search, table, straightRow ? table : straight, columns, model());
        EXPECT_EQ(readThrough(search, right), AsciiLettersUpper(baker)) << indicator;
        EXPECT_GT(right.score, wrong.score + 100) << indicator;
    }
}

TEST(QuagmireSolve, FrequencyClimbFindsAQuagmireThreeTableOfRandomLetters)
{
    // Lining the columns up with one another ranks wrong keywords of random letters above these; reading every
    // column as English letters through the table itself does not. The climb lands on or next to the table (a few
    // rare letters off, which the later climbs put right): nine letters in ten read right.
    for (const auto& [keyword, indicator, period] :
         {std::tuple{"YNVBSIEQ", "TOLD@4", 4}, std::tuple{"RJNZSFPA", "BUCKY@10", 5}}) {
        const QuagmireSearch search(EncryptQuagmire(baker, keyword, keyword, indicator));
        const std::vector<QuagmireSearch::Histogram> columns = search.Columns(period);
        TableClimb best{{}, -1e300};
        for (std::uint64_t seed = 1; seed <= 4; ++seed) {
            const TableClimb climbed = ClimbSelfKeyedTable(search, period, seed, 150000);
            best = climbed.score > best.score ? climbed : best;
        }
        const std::string read = readThrough(search, FitTable(search, best.alphabet, best.alphabet, columns, model()));
        const std::string plaintext = AsciiLettersUpper(baker);
        const auto right = std::inner_product(read.begin(), read.end(), plaintext.begin(), std::size_t{0},
                                              std::plus<>(), std::equal_to<>());
        EXPECT_GE(right * 10, plaintext.size() * 9) << keyword;
        // Told to stop, the climb asks once and ends where it started, far from the table.
        int asked = 0;
        const TableClimb stopped = ClimbSelfKeyedTable(search, period, 1, 150000, [&] { return ++asked > 0; });
        EXPECT_EQ(asked, 1);
        EXPECT_LT(stopped.score, best.score);
    }
}

TEST(QuagmireSolve, AligningFromEveryColumnFindsTheShiftsOfAShortText)
{
    // Laid one by one from the first column, the columns of this short text lock in a wrong shift.
    const QuagmireSearch search(EncryptQuagmire(lighthouse, "GARDEN", "GARDEN", "WISH@14"));
    const std::string letters = KeyedAlphabet("GARDEN", StandardAlphabet);
    QuagmireSearch::Alphabet table{};
    std::transform(letters.begin(), letters.end(), table.begin(), [](char c) { return c - 'A'; });
    const std::vector<std::uint8_t> aligned =
        search.Aligned(table, QuagmireSearch::Align(table, search.Columns(4), true).shifts);
    // Aligned right, the text is one simple substitution of the plaintext.
    const std::string plaintext = AsciiLettersUpper(lighthouse);
    std::array<char, 26> readAs{};
    int wrong = 0;
    for (std::size_t k = 0; k < aligned.size(); ++k) {
        wrong += readAs[aligned[k]] != 0 && readAs[aligned[k]] != plaintext[k] ? 1 : 0;
        readAs[aligned[k]] = plaintext[k];
    }
    EXPECT_EQ(wrong, 0);
}

TEST(PlayfairQuagmireSolve, RefuseTextsTooShort)
{
    EXPECT_THROW(SolvePlayfair("AB CD", model(), quick()), SolveRefused);
    EXPECT_THROW(SolveQuagmire("ABCDE FGHIJ", model(), quick()), SolveRefused);
}

TEST(PlayfairQuagmireSolve, LongTextsEndNearTheTimeBound)
{
    // A hundred thousand letters: each step of the keyword climbs, each keyword square and each Vigenere period scores
    // the whole text, and these once ran for many times the bound. The limit only tells a hang from a finished search.
    std::string text;
    while (text.size() < 120000) {
        text += std::string(baker) + ' ' + lighthouse + ' ';
    }
    bool edited = false;
    const std::vector<std::pair<SolveKind, std::string>> kinds{
        {SolveKind::Vigenere, EncryptVigenere(text, "LIGHTHOUSE")},
        {SolveKind::Playfair, EncryptPlayfair(text, "LANTERN", edited)},
        {SolveKind::Quagmire, EncryptQuagmire(text, "", "HARBOUR", "SHIP@3")}};
    for (const auto& [kind, ciphertext] : kinds) {
        SolveOptions options;
        options.seconds = 0.5;
        const auto start = std::chrono::steady_clock::now();
        Solve(kind, ciphertext, model(), options);
        EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 8.0)
            << static_cast<int>(kind);
    }
}

TEST(QuagmireSolve, ReportsItsProgressAsAShareOfTheWholeBound)
{
    // A text too short for keys of random letters uses the whole bound. Its stages report their progress against
    // the bound, not each against the time left when it began (which stood at a few percent to the end).
    SolveOptions options = quick();
    options.seconds = 2;
    std::mutex lock;
    std::vector<double> shares;
    options.progress = [&](double share) {
        const std::lock_guard hold(lock);
        shares.push_back(share);
    };
    const SolveResult result =
        SolveQuagmire(EncryptQuagmire(lighthouse, "QZXJVK", "WPYFBM", "KNAVE@9"), model(), options);
    ASSERT_GT(result.seconds, 2.0);
    ASSERT_FALSE(shares.empty());
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
    EXPECT_GT(shares.back(), 0.5);
    EXPECT_LE(shares.back(), 1.0);
}
