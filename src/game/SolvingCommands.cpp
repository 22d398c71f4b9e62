#include "SolvingCommands.h"

#include <algorithm>
#include <cstdlib>

#include "Alphabet.h"
#include "EncodeRailfence.h"

namespace {

constexpr char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The letter index 0..25 of an A-Z or a-z, or -1.
int LetterIndex(char c)
{
    const char upper = UpperAscii(c);
    return upper >= 'A' && upper <= 'Z' ? upper - 'A' : -1;
}

void SelectPosition(GamePuzzle& puzzle, std::size_t p)
{
    puzzle.SelectedCell = p;
    puzzle.SelectedLetter = 0;
    puzzle.GameChanged = true;
}

// Writes letter, or each cell's own character given by of(p), into the cells of the selection's group.
template <class LetterOf> bool WriteSelectionGroup(GamePuzzle& puzzle, LetterOf of)
{
    if (!puzzle.SelectedCell) {
        return false;
    }
    std::string board = puzzle.BoardText;
    for (std::size_t i : CipherGroup(puzzle, *puzzle.SelectedCell)) {
        if (const std::optional<char> c = of(i)) {
            board[i - 1] = *c;
        }
    }
    ApplyStep(puzzle, std::move(board));
    return true;
}

// Undo and Redo: the board takes the latest text of from; the board it had goes onto to.
bool TakeStep(GamePuzzle& puzzle, std::vector<std::string>& from, std::vector<std::string>& to)
{
    to.push_back(std::move(puzzle.BoardText));
    puzzle.BoardText = std::move(from.back());
    from.pop_back();
    puzzle.SelectedLetter = 0;
    puzzle.GameChanged = true;
    return true;
}

bool IsPuzzleAt(const GamePuzzle& puzzle, std::size_t p)
{
    return p <= puzzle.BoardText.size() && puzzle.Model.isPuzzle(p);
}

std::optional<std::size_t> FindPuzzleCell(const GamePuzzle& puzzle, std::size_t from, bool forward)
{
    const std::size_t end = puzzle.BoardText.size();
    if (forward) {
        for (std::size_t p = std::max<std::size_t>(from, 1); p <= end; ++p) {
            if (IsPuzzleAt(puzzle, p)) {
                return p;
            }
        }
        return std::nullopt;
    }
    for (std::size_t p = std::min(from, end); p >= 1; --p) {
        if (IsPuzzleAt(puzzle, p)) {
            return p;
        }
    }
    return std::nullopt;
}

// The puzzle cell nearest in column to current in the closest row above or below that has one.
std::optional<std::size_t> RowTarget(const GamePuzzle& puzzle, std::size_t current, int direction)
{
    const BoardLayout& layout = puzzle.Layout;
    const std::optional<BoardCell> from = current <= layout.places.size() ? layout.places[current - 1] : std::nullopt;
    if (!from) {
        return std::nullopt;
    }
    for (int row = from->row + direction; row >= 0 && row < layout.rows; row += direction) {
        std::optional<std::size_t> best;
        int bestDistance = BoardColumns + 1;
        for (int column = 1; column <= BoardColumns; ++column) {
            const std::optional<std::size_t> p = layout.positionAt(row, column);
            if (p && IsPuzzleAt(puzzle, *p) && std::abs(column - from->column) < bestDistance) {
                best = p;
                bestDistance = std::abs(column - from->column);
            }
        }
        if (best) {
            return best;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> MoveTarget(const GamePuzzle& puzzle, std::optional<std::size_t> current, SelectionMove move)
{
    const std::size_t end = puzzle.BoardText.size();
    switch (move) {
    case SelectionMove::First:
        return FindPuzzleCell(puzzle, 1, true);
    case SelectionMove::Last:
        return FindPuzzleCell(puzzle, end, false);
    case SelectionMove::Next:
        return FindPuzzleCell(puzzle, current ? *current + 1 : 1, true);
    case SelectionMove::Previous:
        if (!current) {
            return FindPuzzleCell(puzzle, end, false);
        }
        return *current > 1 ? FindPuzzleCell(puzzle, *current - 1, false) : std::nullopt;
    case SelectionMove::RowDown:
        return current ? RowTarget(puzzle, *current, 1) : FindPuzzleCell(puzzle, 1, true);
    case SelectionMove::RowUp:
        return current ? RowTarget(puzzle, *current, -1) : FindPuzzleCell(puzzle, end, false);
    }
    return std::nullopt;
}

// The cipher letters of the rail fence's puzzle cells, in order.
std::string RailCipherLetters(const GamePuzzle& puzzle)
{
    std::string letters;
    for (const CellModel& cell : puzzle.Model.cells) {
        if (cell.puzzle) {
            letters += UpperAscii(cell.cipher);
        }
    }
    return letters;
}

} // namespace

bool ApplyStep(GamePuzzle& puzzle, std::string board)
{
    if (board == puzzle.BoardText) {
        return false;
    }
    if (BoardHistory* history = puzzle.History()) {
        history->undo.push_back(std::move(puzzle.BoardText));
        history->redo.clear();
    }
    puzzle.BoardText = std::move(board);
    puzzle.GameChanged = true;
    return true;
}

bool ClickCell(GamePuzzle& puzzle, std::optional<std::size_t> p)
{
    if (puzzle.GameKind == CipherKind::None) {
        return false;
    }
    if (p && IsPuzzleAt(puzzle, *p)) {
        SelectPosition(puzzle, *p);
    } else {
        puzzle.SelectedCell.reset();
        puzzle.SelectedLetter = 0;
    }
    return true;
}

std::vector<std::size_t> CipherGroup(const GamePuzzle& puzzle, std::size_t p)
{
    std::vector<std::size_t> group;
    if (!IsPuzzleAt(puzzle, p)) {
        return group;
    }
    if (!puzzle.Model.grouped()) {
        group.push_back(p);
        return group;
    }
    const char cipher = UpperAscii(puzzle.Model.cells[p - 1].cipher);
    for (std::size_t i = 1; i <= puzzle.BoardText.size(); ++i) {
        if (IsPuzzleAt(puzzle, i) && UpperAscii(puzzle.Model.cells[i - 1].cipher) == cipher) {
            group.push_back(i);
        }
    }
    return group;
}

bool PickLetter(GamePuzzle& puzzle, int slot)
{
    if (!puzzle.SelectedCell || slot < 1 || slot > 26) {
        return false;
    }
    puzzle.SelectedLetter = slot;
    const char letter = static_cast<char>('A' + slot - 1);
    return WriteSelectionGroup(puzzle, [letter](std::size_t) { return std::optional<char>(letter); });
}

bool TypeLetter(GamePuzzle& puzzle, int slot)
{
    if (!PickLetter(puzzle, slot)) {
        return false;
    }
    if (!puzzle.Model.grouped()) {
        const int picked = puzzle.SelectedLetter;
        MoveSelection(puzzle, SelectionMove::Next);
        puzzle.SelectedLetter = picked;
    }
    return true;
}

bool EraseSelection(GamePuzzle& puzzle)
{
    puzzle.SelectedLetter = 0;
    return WriteSelectionGroup(
        puzzle, [&puzzle](std::size_t i) { return std::optional<char>(puzzle.Model.cells[i - 1].cipher); });
}

bool RevealLetter(GamePuzzle& puzzle)
{
    if (!puzzle.IsOpen()) {
        return false;
    }
    return WriteSelectionGroup(puzzle, [&puzzle](std::size_t i) {
        const char answer = puzzle.Model.cells[i - 1].answer;
        return answer == 0 ? std::nullopt : std::optional<char>(answer);
    });
}

void RestartBoard(GamePuzzle& puzzle)
{
    if (puzzle.GameKind != CipherKind::None) {
        const std::string* stored = puzzle.SolutionValue(puzzle.GameKind);
        const std::string board = TrimControl(*stored).empty() ? BlankBoard() : *stored;
        if (board.size() == puzzle.BoardText.size()) {
            ApplyStep(puzzle, board);
        } else {
            puzzle.BoardText = board;
            puzzle.RebuildModel();
        }
    }
    puzzle.SelectedCell.reset();
    puzzle.SelectedLetter = 0;
}

bool CanUndo(const GamePuzzle& puzzle)
{
    return puzzle.GameKind != CipherKind::None &&
           !puzzle.Histories[static_cast<std::size_t>(puzzle.GameKind)].undo.empty();
}

bool CanRedo(const GamePuzzle& puzzle)
{
    return puzzle.GameKind != CipherKind::None &&
           !puzzle.Histories[static_cast<std::size_t>(puzzle.GameKind)].redo.empty();
}

bool UndoStep(GamePuzzle& puzzle)
{
    return CanUndo(puzzle) && TakeStep(puzzle, puzzle.History()->undo, puzzle.History()->redo);
}

bool RedoStep(GamePuzzle& puzzle)
{
    return CanRedo(puzzle) && TakeStep(puzzle, puzzle.History()->redo, puzzle.History()->undo);
}

std::vector<std::size_t> WrongCells(const GamePuzzle& puzzle)
{
    std::vector<std::size_t> wrong;
    const std::string& board = puzzle.BoardText;
    for (std::size_t i = 0; i < board.size() && i < puzzle.Model.cells.size(); ++i) {
        const char answer = puzzle.Model.cells[i].answer;
        if (answer != 0 && board[i] != answer) {
            wrong.push_back(i + 1);
        }
    }
    return wrong;
}

bool MoveSelection(GamePuzzle& puzzle, SelectionMove move)
{
    if (puzzle.GameKind == CipherKind::None) {
        return false;
    }
    const std::optional<std::size_t> target = MoveTarget(puzzle, puzzle.SelectedCell, move);
    if (!target || target == puzzle.SelectedCell) {
        return false;
    }
    SelectPosition(puzzle, *target);
    return true;
}

LetterMarks MarkLetters(const GamePuzzle& puzzle)
{
    LetterMarks marks;
    // For each plaintext letter, the first cipher letter it was given to (-1: none yet).
    std::array<int, 26> givenTo;
    givenTo.fill(-1);
    const std::string& board = puzzle.BoardText;
    for (std::size_t i = 0; i < board.size() && i < puzzle.Model.cells.size(); ++i) {
        const CellModel& cell = puzzle.Model.cells[i];
        if (!cell.puzzle) {
            continue;
        }
        const int cipher = LetterIndex(cell.cipher);
        if (cipher >= 0) {
            ++marks.counts[static_cast<std::size_t>(cipher)];
        }
        const int letter = LetterIndex(board[i]);
        if (letter < 0 || board[i] == cell.cipher) {
            continue;
        }
        const auto l = static_cast<std::size_t>(letter);
        marks.used[l] = true;
        if (puzzle.Model.grouped()) {
            if (cipher >= 0) {
                marks.given[static_cast<std::size_t>(cipher)] = board[i];
            }
            if (givenTo[l] < 0) {
                givenTo[l] = cipher;
            } else if (givenTo[l] != cipher) {
                marks.conflict[l] = true;
            }
        }
    }
    return marks;
}

bool InConflict(const GamePuzzle& puzzle, const LetterMarks& marks, std::size_t p)
{
    if (!IsFilled(puzzle.Model, puzzle.BoardText, p)) {
        return false;
    }
    const int letter = LetterIndex(puzzle.BoardText[p - 1]);
    return letter >= 0 && marks.conflict[static_cast<std::size_t>(letter)];
}

RailLayout LayOutRails(const GamePuzzle& puzzle, int rails)
{
    RailLayout layout;
    const std::string letters = RailCipherLetters(puzzle);
    layout.reading = DecryptRailfence(letters, rails);
    if (rails < 2) {
        layout.lines.push_back(layout.reading);
        return layout;
    }
    layout.lines.assign(static_cast<std::size_t>(rails), std::string(layout.reading.size(), ' '));
    int rail = 0;
    int step = 1;
    for (std::size_t i = 0; i < layout.reading.size(); ++i) {
        layout.lines[static_cast<std::size_t>(rail)][i] = layout.reading[i];
        if (rail + step < 0 || rail + step >= rails) {
            step = -step;
        }
        rail += step;
    }
    return layout;
}

bool ReadRailsIntoBoard(GamePuzzle& puzzle, int rails)
{
    if (puzzle.GameKind != CipherKind::Railfence) {
        return false;
    }
    const std::string reading = LayOutRails(puzzle, rails).reading;
    std::string board = puzzle.BoardText;
    std::size_t k = 0;
    for (std::size_t i = 1; i <= board.size() && k < reading.size(); ++i) {
        if (IsPuzzleAt(puzzle, i)) {
            board[i - 1] = reading[k++];
        }
    }
    return ApplyStep(puzzle, std::move(board));
}
