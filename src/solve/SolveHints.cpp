#include "SolveHints.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "CryptogramMeasures.h"
#include "SolveSubstitution.h"
#include "SolveText.h"

namespace {

bool isCapital(char c)
{
    return c >= 'A' && c <= 'Z';
}

bool right(const HintCell& cell)
{
    return !cell.puzzle || cell.letter == cell.answer;
}

std::string times(std::size_t n)
{
    return n == 1 ? "once" : n == 2 ? "twice" : n == 3 ? "three times" : std::to_string(n) + " times";
}

std::string ordinal(std::size_t n)
{
    const std::size_t lastTwo = n % 100;
    const char* suffix = lastTwo >= 11 && lastTwo <= 13 ? "th"
                         : n % 10 == 1                  ? "st"
                         : n % 10 == 2                  ? "nd"
                         : n % 10 == 3                  ? "rd"
                                                        : "th";
    return std::to_string(n) + suffix;
}

// A hint about cells; asking again fills every one of them that is not right yet.
SolveHint makeHint(std::string code, std::string text, std::vector<std::size_t> cells,
                   const std::vector<HintCell>& board)
{
    SolveHint hint{std::move(code), std::move(text), std::move(cells), {}};
    for (std::size_t i : hint.cells) {
        if (!right(board[i])) {
            hint.fill.push_back({i, board[i].answer});
        }
    }
    return hint;
}

// The board as a view over its cells: the ciphertext, the puzzle cells in order, the cells of each cipher letter.
class BoardView
{
public:
    explicit BoardView(const std::vector<HintCell>& board) : m_board(board)
    {
        for (std::size_t i = 0; i < board.size(); ++i) {
            m_cipher += board[i].cipher;
            if (board[i].puzzle) {
                m_puzzleCells.push_back(i);
                m_letters += board[i].cipher;
                m_cellsOf[static_cast<unsigned char>(board[i].cipher)].push_back(i);
            }
        }
    }
    const std::vector<HintCell>& Board() const { return m_board; }
    const std::string& Cipher() const { return m_cipher; }
    const std::string& Letters() const { return m_letters; }
    const std::vector<std::size_t>& PuzzleCells() const { return m_puzzleCells; }
    /// Every puzzle cell that shows the cipher letter c.
    const std::vector<std::size_t>& CellsOf(char c) const { return m_cellsOf[static_cast<unsigned char>(c)]; }
    bool AllRight(const std::vector<std::size_t>& cells) const
    {
        return std::all_of(cells.begin(), cells.end(), [&](std::size_t i) { return right(m_board[i]); });
    }
    /// True when the solver has written a letter anywhere.
    bool AnyFilled() const
    {
        return std::any_of(m_puzzleCells.begin(), m_puzzleCells.end(), [&](std::size_t i) {
            return m_board[i].letter != 0 && m_board[i].letter != m_board[i].cipher;
        });
    }
    /// The cells of a run of letters starting at a position in the ciphertext.
    static std::vector<std::size_t> Run(std::size_t start, std::size_t length)
    {
        std::vector<std::size_t> cells(length);
        for (std::size_t k = 0; k < length; ++k) {
            cells[k] = start + k;
        }
        return cells;
    }
    /// The answers of cells, as a word.
    std::string Answer(const std::vector<std::size_t>& cells) const
    {
        std::string word;
        for (std::size_t i : cells) {
            word += m_board[i].answer;
        }
        return word;
    }

private:
    const std::vector<HintCell>& m_board;
    std::string m_cipher;
    std::string m_letters;
    std::vector<std::size_t> m_puzzleCells;
    std::array<std::vector<std::size_t>, 256> m_cellsOf; ///< the puzzle cells of each cipher character
};

// The cells of every letter among cells, so that a substitution hint fills each letter everywhere it stands. One pass
// over the board for all the letters: a pass per cell took a minute on a long text's thousands of one-letter words.
std::vector<std::size_t> withTheirGroups(const BoardView& view, const std::vector<std::size_t>& cells)
{
    std::array<bool, 256> letters{};
    for (std::size_t i : cells) {
        letters[static_cast<unsigned char>(view.Board()[i].cipher)] = true;
    }
    std::vector<std::size_t> all;
    for (std::size_t i : view.PuzzleCells()) {
        if (letters[static_cast<unsigned char>(view.Board()[i].cipher)]) {
            all.push_back(i);
        }
    }
    return all;
}

std::optional<SolveHint> wrongLetter(SolveKind kind, const BoardView& view)
{
    const std::vector<HintCell>& board = view.Board();
    for (std::size_t i : view.PuzzleCells()) {
        if (board[i].letter == 0 || board[i].letter == board[i].answer) {
            continue;
        }
        const char wrong = board[i].letter;
        std::vector<std::size_t> cells{i};
        std::string text;
        if (kind == SolveKind::Cipher) {
            cells.clear();
            for (std::size_t j : view.CellsOf(board[i].cipher)) {
                if (board[j].letter == wrong) {
                    cells.push_back(j);
                }
            }
            text = std::string(1, wrong) + " is not the plaintext of " + board[i].cipher;
        } else if (kind == SolveKind::Railfence) {
            text = std::string(1, wrong) + " does not belong at this place of the zigzag";
        } else {
            text = std::string(1, wrong) + " is not the plaintext of " + board[i].cipher + " at this place";
        }
        return makeHint("wrong-letter", text, cells, board);
    }
    return std::nullopt;
}

// The first hint of a list of candidates whose cells are not all right yet.
template <class Candidates> std::optional<SolveHint> firstOpen(const BoardView& view, const Candidates& candidates)
{
    for (const auto& [cells, make] : candidates) {
        if (!view.AllRight(withTheirGroups(view, cells))) {
            return make();
        }
    }
    return std::nullopt;
}

std::string listWithOr(const std::vector<std::string>& items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        text += i == 0 ? "" : i + 1 == items.size() ? " or " : ", ";
        text += items[i];
    }
    return text;
}

// The commonest cipher letter among cells that are not right yet, with those cells.
std::optional<std::pair<char, std::vector<std::size_t>>> commonestOpenLetter(const BoardView& view,
                                                                             const std::vector<std::size_t>& cells)
{
    std::map<char, std::vector<std::size_t>> open;
    for (std::size_t i : cells) {
        if (!right(view.Board()[i])) {
            open[view.Board()[i].cipher].push_back(i);
        }
    }
    const auto best = std::max_element(open.begin(), open.end(),
                                       [](const auto& a, const auto& b) { return a.second.size() < b.second.size(); });
    return best == open.end() ? std::nullopt : std::optional(*best);
}

// The letters a frequency count points at; a hint names them only where the answer is one of them.
bool isCommonLetter(char c)
{
    return std::string_view("ETAOIN").find(c) != std::string_view::npos;
}

std::optional<SolveHint> frequencyHint(const BoardView& view)
{
    const auto commonest = commonestOpenLetter(view, view.PuzzleCells());
    if (!commonest || commonest->second.size() < 3) {
        return std::nullopt;
    }
    const char c = commonest->first;
    const std::vector<std::size_t>& cells = view.CellsOf(c);
    if (!isCommonLetter(view.Board()[cells.front()].answer)) {
        return std::nullopt;
    }
    // Another letter still open may stand as often (in a quarter of these hints on held-out quotations): the hint
    // then says that none stands more often, not that this one stands more often than any.
    std::array<std::size_t, 256> open{};
    for (std::size_t i : view.PuzzleCells()) {
        open[static_cast<unsigned char>(view.Board()[i].cipher)] += right(view.Board()[i]) ? 0 : 1;
    }
    open[static_cast<unsigned char>(c)] = 0;
    const bool tied = *std::max_element(open.begin(), open.end()) >= commonest->second.size();
    return makeHint("frequency",
                    std::string(1, c) + " stands " + times(cells.size()) +
                        (tied ? ", and no letter still open stands more often" : ", more than any letter still open") +
                        ": the commonest letters in English are E, T, A, O, I and N",
                    cells, view.Board());
}

std::optional<SolveHint> substitutionHint(const BoardView& view, bool patristocrat)
{
    const std::vector<HintCell>& board = view.Board();
    using Candidate = std::pair<std::vector<std::size_t>, std::function<SolveHint()>>;
    std::vector<Candidate> candidates;
    const std::vector<CipherWord> words = patristocrat ? std::vector<CipherWord>{} : CipherWords(view.Cipher());
    // A letter standing alone makes one candidate, however often it does: a long text has thousands of such words,
    // and a candidate for each, holding every cell of its letter, took minutes and gigabytes.
    std::array<bool, 256> alone{};
    const auto firstAlone = [&alone](const CipherWord& word) {
        return !std::exchange(alone[static_cast<unsigned char>(word.letters[0])], true);
    };
    for (const CipherWord& word : words) {
        // A letter alone that is none of A, I and O (PLAN B, VITAMIN C, a label as Q:) is no word the hint can name.
        const char answer = board[word.start].answer;
        if (word.letters.size() == 1 && !word.afterApostrophe && !word.beforeApostrophe &&
            std::string_view("AIO").find(answer) != std::string_view::npos && firstAlone(word)) {
            const std::vector<std::size_t>& cells = view.CellsOf(word.letters[0]);
            candidates.emplace_back(cells, [=, &board] {
                return makeHint("one-letter-word",
                                "The one-letter word " + word.letters +
                                    (answer == 'A' || answer == 'I' ? " must be A or I" : " is A, I or O"),
                                cells, board);
            });
        }
    }
    alone = {};
    for (const CipherWord& word : words) {
        // The hint names the letters the answer is among: I'D and I'M are no S or T.
        const char answer = board[word.start].answer;
        const bool sOrT = answer == 'S' || answer == 'T';
        if (word.afterApostrophe && word.letters.size() == 1 && (sOrT || answer == 'D' || answer == 'M') &&
            firstAlone(word)) {
            const std::vector<std::size_t>& cells = view.CellsOf(word.letters[0]);
            candidates.emplace_back(cells, [=, &board] {
                return makeHint("apostrophe",
                                std::string("A letter after an apostrophe is usually ") +
                                    (sOrT ? "S or T" : "S, T, D or M") + ", as " + word.letters + " here",
                                cells, board);
            });
        }
    }
    // Repeated words of three letters, then of two, the most frequent first.
    for (std::size_t length : {std::size_t{3}, std::size_t{2}}) {
        // The cells of each place the letters stand.
        std::map<std::string, std::vector<std::vector<std::size_t>>> places;
        for (const CipherWord& word : words) {
            if (word.letters.size() == length && !word.afterApostrophe && !word.beforeApostrophe) {
                places[word.letters].push_back(BoardView::Run(word.start, length));
            }
        }
        if (patristocrat && length == 3) {
            // A Patristocrat's letters run on over the blanks between its groups.
            for (const RepeatedSequence& repeat : RepeatedSequences(view.Letters(), 3)) {
                for (std::size_t k : repeat.positions) {
                    const auto first = view.PuzzleCells().begin() + static_cast<std::ptrdiff_t>(k);
                    places[repeat.letters].emplace_back(first, first + static_cast<std::ptrdiff_t>(length));
                }
            }
        }
        std::vector<std::pair<std::string, std::vector<std::vector<std::size_t>>>> ordered(places.begin(),
                                                                                           places.end());
        std::stable_sort(ordered.begin(), ordered.end(),
                         [](const auto& a, const auto& b) { return a.second.size() > b.second.size(); });
        for (const auto& [letters, positions] : ordered) {
            if (positions.size() < (length == 3 ? 2u : 1u)) {
                continue;
            }
            std::vector<std::size_t> cells;
            for (const std::vector<std::size_t>& run : positions) {
                cells.insert(cells.end(), run.begin(), run.end());
            }
            const std::string answer = view.Answer(positions.front());
            static const std::set<std::string, std::less<>> Common = {
                "THE", "AND", "FOR", "ARE", "BUT", "NOT", "YOU", "ALL", "WAS", "HIS", "OF", "TO", "IN",
                "IT",  "IS",  "BE",  "AS",  "AT",  "SO",  "WE",  "HE",  "BY",  "OR",  "ON", "DO"};
            if (!Common.contains(answer)) {
                continue; // the list would lead away from the answer
            }
            const std::string count = letters + " occurs " + times(positions.size());
            std::string text;
            if (length == 3) {
                text = count + (answer == "THE"   ? ": THE is the commonest three-letter word"
                                : answer == "AND" ? ": AND is the second commonest three-letter word"
                                                  : ": try the common three-letter words THE, AND, FOR, ARE, BUT, "
                                                    "NOT, YOU, ALL, WAS and HIS");
            } else {
                text = "The two-letter word " + letters +
                       (positions.size() > 1 ? " (" + times(positions.size()) + ")" : std::string()) +
                       ": the commonest are OF, TO, IN, IT, IS, BE, AS, AT, SO, WE, HE, BY, OR, ON and DO";
            }
            candidates.emplace_back(cells, [=, &board] { return makeHint("repeated-word", text, cells, board); });
        }
    }
    // Doubled letters, in a word or anywhere in a Patristocrat.
    const std::vector<CipherWord> runs = patristocrat ? std::vector<CipherWord>{{0, view.Letters()}} : words;
    for (const CipherWord& word : runs) {
        for (std::size_t k = 0; k + 1 < word.letters.size(); ++k) {
            if (word.letters[k] == word.letters[k + 1]) {
                const std::size_t at = patristocrat ? view.PuzzleCells()[k] : word.start + k;
                const std::size_t next = patristocrat ? view.PuzzleCells()[k + 1] : at + 1;
                const std::string where = patristocrat ? word.letters.substr(k, 2) : word.letters;
                candidates.emplace_back(std::vector<std::size_t>{at, next}, [=, &board] {
                    return makeHint("doubled-letter",
                                    "The doubled letter pair in " + where +
                                        ": doubled letters are mostly LL, EE, SS, OO, TT, FF, RR, NN, PP or CC",
                                    std::vector<std::size_t>{at, next}, board);
                });
            }
        }
    }
    for (const CipherWord& word : words) {
        if (word.letters.size() >= 4 && HasRepeatedLetter(word.letters)) {
            const std::vector<std::size_t> cells = BoardView::Run(word.start, word.letters.size());
            candidates.emplace_back(cells, [=, &board] {
                return makeHint("pattern",
                                "Few words have the letter pattern of " + word.letters + " (" +
                                    WordPattern(word.letters) + "): list the ones that fit the letters you have",
                                cells, board);
            });
        }
    }
    if (auto hint = firstOpen(view, candidates)) {
        hint->fill.clear();
        const SolveHint grouped = makeHint(hint->code, hint->text, withTheirGroups(view, hint->cells), board);
        hint->fill = grouped.fill;
        return hint;
    }
    return frequencyHint(view);
}

std::optional<SolveHint> railfenceHint(const BoardView& view)
{
    const std::size_t blank = view.Cipher().find(' ');
    const std::size_t rails = blank == std::string::npos ? 0 : blank;
    if (rails < 2) {
        return std::nullopt;
    }
    // The board reads in plaintext order: each pass of the zigzag (down and up again) gives 2 * rails - 2 letters.
    std::vector<std::size_t> next;
    for (std::size_t i : view.PuzzleCells()) {
        if (!right(view.Board()[i]) && next.size() < 2 * rails - 2) {
            next.push_back(i);
        }
    }
    if (next.empty()) {
        return std::nullopt;
    }
    if (!view.AnyFilled()) {
        return makeHint("rails",
                        "The groups have " + std::to_string(rails) + " letters: try " + std::to_string(rails) +
                            " rails, and write the letters of each rail in turn along a zigzag",
                        next, view.Board());
    }
    // On two rails the zigzag is a plain alternation; "1 to 2 and back up again" would say the same less clearly.
    const std::string path = rails == 2 ? "rail 1 and rail 2 in turn"
                                        : "rails 1 to " + std::to_string(rails) +
                                              " and back up again, each rail giving its next letter in turn";
    return makeHint("zigzag", "Follow the zigzag on: the next letters come from " + path, next, view.Board());
}

std::vector<int> divisorsOf(std::size_t distance, int longest)
{
    std::vector<int> divisors;
    for (int d = 2; d <= longest && static_cast<std::size_t>(d) <= distance; ++d) {
        if (distance % static_cast<std::size_t>(d) == 0) {
            divisors.push_back(d);
        }
    }
    return divisors;
}

// True when, at every place period letters apart, each cipher letter stands for one plaintext letter of the answer
// and each plaintext letter for one cipher letter: every column uses one alphabet.
bool columnsAreAlphabets(const BoardView& view, int period)
{
    const auto columns = static_cast<std::size_t>(period);
    std::vector<std::array<char, 26>> plainOf(columns, std::array<char, 26>{});
    std::vector<std::array<char, 26>> cipherOf(columns, std::array<char, 26>{});
    const std::vector<std::size_t>& cells = view.PuzzleCells();
    for (std::size_t k = 0; k < cells.size(); ++k) {
        const char cipher = view.Letters()[k];
        const char plain = view.Board()[cells[k]].answer;
        if (cipher < 'A' || cipher > 'Z' || plain < 'A' || plain > 'Z') {
            continue;
        }
        char& p = plainOf[k % columns][static_cast<std::size_t>(cipher - 'A')];
        char& c = cipherOf[k % columns][static_cast<std::size_t>(plain - 'A')];
        if ((p != 0 && p != plain) || (c != 0 && c != cipher)) {
            return false;
        }
        p = plain;
        c = cipher;
    }
    return true;
}

// The period the column and repeat hints speak of. The letter counts alone often favour a multiple of the key's
// length, or on a short text a period of a few letters a column that no key has; the hints go by the shortest period
// whose columns the answer shows to be alphabets, so what they say is true. Nothing when no period fits.
std::optional<int> alphabetPeriod(const BoardView& view, int longest)
{
    for (int period = 1; period <= longest; ++period) {
        if (columnsAreAlphabets(view, period)) {
            return period;
        }
    }
    return std::nullopt;
}

std::optional<SolveHint> periodicHint(SolveKind kind, const BoardView& view)
{
    const int longest = kind == SolveKind::Quagmire ? LongestQuagmirePeriod : LongestVigenerePeriod;
    const std::vector<std::size_t>& cells = view.PuzzleCells();
    // A repeat the key did not make (two stretches of plaintext that happen to encrypt alike) suggests keys the
    // cryptogram does not have: only repeats a multiple of the answer's period apart are pointed out.
    const std::optional<int> keyPeriod = alphabetPeriod(view, longest);
    if (!view.AnyFilled()) {
        for (std::size_t length : {std::size_t{5}, std::size_t{4}, std::size_t{3}}) {
            for (const RepeatedSequence& repeat : RepeatedSequences(view.Letters(), length)) {
                const std::size_t distance = repeat.positions[1] - repeat.positions[0];
                const std::vector<int> divisors = divisorsOf(distance, longest);
                if (divisors.empty() || (keyPeriod && distance % static_cast<std::size_t>(*keyPeriod) != 0) ||
                    keyPeriod == 1) {
                    continue;
                }
                std::vector<std::string> keys;
                for (int d : divisors) {
                    keys.push_back(std::to_string(d));
                }
                std::vector<std::size_t> about;
                for (std::size_t start : {repeat.positions[0], repeat.positions[1]}) {
                    for (std::size_t k = 0; k < length; ++k) {
                        about.push_back(cells[start + k]);
                    }
                }
                return makeHint("repeats",
                                "The repeats of " + repeat.letters + " " + std::to_string(distance) +
                                    " letters apart suggest a key of " + listWithOr(keys) + " letters",
                                about, view.Board());
            }
        }
    }
    const int period = keyPeriod.value_or(std::max(EstimatedPeriod(view.Letters(), longest), 1));
    // The column (letters period apart) with the most letters still open, and its commonest cipher letter there.
    std::optional<std::pair<char, std::vector<std::size_t>>> best;
    std::size_t bestColumn = 0;
    for (std::size_t column = 0; column < static_cast<std::size_t>(period); ++column) {
        std::vector<std::size_t> columnCells;
        for (std::size_t k = column; k < cells.size(); k += static_cast<std::size_t>(period)) {
            columnCells.push_back(cells[k]);
        }
        const auto commonest = commonestOpenLetter(view, columnCells);
        if (commonest && isCommonLetter(view.Board()[commonest->second.front()].answer) &&
            (!best || commonest->second.size() > best->second.size())) {
            best = commonest;
            bestColumn = column;
        }
    }
    if (!best || best->second.size() < 2) {
        return std::nullopt;
    }
    const char answer = view.Board()[best->second.front()].answer;
    const std::string every = period == 1 ? std::string("Every letter uses the same alphabet")
                                          : "Every " + ordinal(static_cast<std::size_t>(period)) + " letter from the " +
                                                ordinal(bestColumn + 1) + " on uses the same alphabet";
    // Once its commonest letter is in, the column's commonest is a letter already right: the hint speaks of the
    // letters still open.
    std::array<std::size_t, 256> inColumn{};
    for (std::size_t k = bestColumn; k < cells.size(); k += static_cast<std::size_t>(period)) {
        ++inColumn[static_cast<unsigned char>(view.Letters()[k])];
    }
    const std::size_t own = std::exchange(inColumn[static_cast<unsigned char>(best->first)], 0);
    const bool outdone = *std::max_element(inColumn.begin(), inColumn.end()) > own;
    std::string text = every + (outdone ? ": its commonest letter still open " : ": its commonest letter ") +
                       best->first + (answer == 'E' ? " is probably E" : " is probably one of E, T, A, O, I or N");
    if (kind == SolveKind::Vigenere && answer == 'E') {
        text += ", a shift of " + std::to_string((best->first - 'E' + 26) % 26);
    }
    return makeHint("column", text, best->second, view.Board());
}

std::optional<SolveHint> playfairHint(const BoardView& view)
{
    const std::vector<std::size_t>& cells = view.PuzzleCells();
    std::map<std::string, std::vector<std::size_t>> pairs; // pair of letters -> the index of its first cell
    for (std::size_t k = 0; k + 1 < cells.size(); k += 2) {
        pairs[view.Letters().substr(k, 2)].push_back(k);
    }
    const auto cellsOf = [&](const std::vector<std::size_t>& starts) {
        std::vector<std::size_t> about;
        for (std::size_t k : starts) {
            about.push_back(cells[k]);
            about.push_back(cells[k + 1]);
        }
        return about;
    };
    std::vector<std::pair<std::string, std::vector<std::size_t>>> ordered(pairs.begin(), pairs.end());
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto& a, const auto& b) { return a.second.size() > b.second.size(); });
    for (const auto& [pair, starts] : ordered) {
        if (starts.size() >= 2 && !view.AllRight(cellsOf(starts))) {
            return makeHint("repeated-pair",
                            "The pair " + pair + " occurs " + times(starts.size()) +
                                ": the commonest pairs in English are TH, HE, IN, ER, AN, RE, ON and ES",
                            cellsOf(starts), view.Board());
        }
    }
    for (const auto& [pair, starts] : ordered) {
        const std::string reversed{pair[1], pair[0]};
        const auto other = pairs.find(reversed);
        if (pair[0] < pair[1] && other != pairs.end()) {
            std::vector<std::size_t> about = cellsOf(starts);
            const std::vector<std::size_t> more = cellsOf(other->second);
            about.insert(about.end(), more.begin(), more.end());
            if (!view.AllRight(about)) {
                return makeHint("reversed-pair",
                                pair + " and " + reversed +
                                    " both occur: their plaintexts are reversed too, as ER and RE or ES and SE",
                                about, view.Board());
            }
        }
    }
    return std::nullopt;
}

// The last resort: one letter (a substitution: all of its cells) shown.
SolveHint revealHint(SolveKind kind, const BoardView& view)
{
    for (std::size_t i : view.PuzzleCells()) {
        if (!right(view.Board()[i])) {
            const char cipher = view.Board()[i].cipher;
            const std::vector<std::size_t> cells =
                kind == SolveKind::Cipher ? view.CellsOf(cipher) : std::vector<std::size_t>{i};
            return makeHint("reveal",
                            kind == SolveKind::Railfence
                                ? std::string("The next letter is ") + view.Board()[i].answer
                                : std::string(1, cipher) + " stands for " + view.Board()[i].answer +
                                      (kind == SolveKind::Cipher ? "" : " here"),
                            cells, view.Board());
        }
    }
    return {"solved", "Every letter is right: the cryptogram is solved.", {}, {}};
}

} // namespace

std::vector<HintCell> HintBoard(std::string_view ciphertext, std::string_view boardText, std::string_view answerText)
{
    std::vector<HintCell> board(ciphertext.size());
    for (std::size_t i = 0; i < ciphertext.size(); ++i) {
        HintCell& cell = board[i];
        cell.cipher = ciphertext[i];
        cell.answer = i < answerText.size() ? answerText[i] : 0;
        // A rail fence's filler letters have no answer: they take no letter.
        cell.puzzle = isCapital(cell.cipher) && isCapital(cell.answer);
        const char shown = i < boardText.size() ? boardText[i] : cell.cipher;
        // A cell showing its cipher letter is empty, unless that letter is its answer: the game scores it right.
        cell.letter = cell.puzzle && isCapital(shown) && (shown != cell.cipher || shown == cell.answer) ? shown : 0;
    }
    return board;
}

SolveHint NextHint(SolveKind kind, const std::vector<HintCell>& board)
{
    const BoardView view(board);
    if (auto wrong = wrongLetter(kind, view)) {
        return *wrong;
    }
    std::optional<SolveHint> hint;
    switch (kind) {
    case SolveKind::Cipher:
        hint = substitutionHint(view, IsPatristocrat(view.Cipher()));
        break;
    case SolveKind::Railfence:
        hint = railfenceHint(view);
        break;
    case SolveKind::Playfair:
        hint = playfairHint(view);
        break;
    case SolveKind::Quagmire:
    case SolveKind::Vigenere:
        hint = periodicHint(kind, view);
        break;
    }
    return hint ? *hint : revealHint(kind, view);
}
