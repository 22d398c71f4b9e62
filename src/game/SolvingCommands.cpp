#include "SolvingCommands.h"

#include <algorithm>
#include <vector>

#include "Alphabet.h"

namespace {

constexpr char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsSelectableKind(CipherKind kind)
{
    return kind != CipherKind::Railfence;
}

bool IsLetterAt(const std::string& text, std::size_t p)
{
    return p >= 1 && p <= text.size() && IsAsciiLetter(text[p - 1]);
}

void SelectPosition(GamePuzzle& puzzle, std::size_t p)
{
    puzzle.SelectedCell = CellOfPosition(p);
    puzzle.SelectedLetter = 0;
    puzzle.GameChanged = true;
}

// The substitution kind writes into a whole letter group; the others into the selected cell alone.
void WriteIntoGroup(GamePuzzle& puzzle, std::size_t p, char letter)
{
    for (std::size_t i : LetterGroup(puzzle.PLAIN, p)) {
        if (i <= puzzle.BoardText.size()) {
            puzzle.BoardText[i - 1] = letter;
        }
    }
}

std::size_t BlanksUpTo(const std::string& text, std::size_t p)
{
    std::size_t blanks = 0;
    for (std::size_t i = 0; i < p && i < text.size(); ++i) {
        blanks += text[i] == ' ' ? 1 : 0;
    }
    return blanks;
}

// The k-th (from 1) A-Z or a-z of PLAIN, upper-cased, or nothing.
std::optional<char> PlainLetter(std::string_view plain, std::size_t k)
{
    for (char c : plain) {
        if (IsAsciiLetter(c) && --k == 0) {
            return UpperAscii(c);
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> FindLetterCell(const std::string& text, std::size_t from, bool forward)
{
    if (forward) {
        for (std::size_t p = std::max<std::size_t>(from, 1); p <= text.size(); ++p) {
            if (IsLetterAt(text, p)) {
                return p;
            }
        }
        return std::nullopt;
    }
    for (std::size_t p = std::min(from, text.size()); p >= 1; --p) {
        if (IsLetterAt(text, p)) {
            return p;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> MoveTarget(const std::string& text, std::optional<std::size_t> current, SelectionMove move)
{
    const std::size_t end = text.size();
    switch (move) {
    case SelectionMove::First:
        return FindLetterCell(text, 1, true);
    case SelectionMove::Last:
        return FindLetterCell(text, end, false);
    case SelectionMove::Next:
        return current ? FindLetterCell(text, *current + 1, true) : FindLetterCell(text, 1, true);
    case SelectionMove::Previous:
        return current ? (*current > 1 ? FindLetterCell(text, *current - 1, false) : std::nullopt)
                       : FindLetterCell(text, end, false);
    case SelectionMove::RowDown:
        return current ? FindLetterCell(text, *current + BoardColumns, true) : FindLetterCell(text, 1, true);
    case SelectionMove::RowUp:
        if (!current) {
            return FindLetterCell(text, end, false);
        }
        return *current > BoardColumns ? FindLetterCell(text, *current - BoardColumns, false) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace

bool ClickCell(GamePuzzle& puzzle, int row, int column)
{
    if (!IsSelectableKind(puzzle.GameKind)) {
        return false;
    }
    const BoardCell cell{row, column};
    const bool inside = row >= 0 && column >= 1 && column <= BoardColumns;
    if (inside && IsLetterAt(puzzle.BoardText, CellPosition(cell))) {
        SelectPosition(puzzle, CellPosition(cell));
    } else {
        puzzle.SelectedCell.reset();
        puzzle.SelectedLetter = 0;
    }
    return true;
}

bool PickLetter(GamePuzzle& puzzle, int slot)
{
    if (!puzzle.SelectedCell || slot < 1 || slot > 26) {
        return false;
    }
    puzzle.SelectedLetter = slot;
    const char letter = static_cast<char>('A' + slot - 1);
    const std::size_t p = CellPosition(*puzzle.SelectedCell);
    switch (puzzle.GameKind) {
    case CipherKind::Cipher:
        WriteIntoGroup(puzzle, p, letter);
        break;
    case CipherKind::Playfair:
    case CipherKind::Quagmire:
    case CipherKind::Vigenere:
        if (p <= puzzle.BoardText.size()) {
            puzzle.BoardText[p - 1] = letter;
        }
        break;
    case CipherKind::Railfence:
    case CipherKind::None:
        break;
    }
    return true;
}

std::vector<std::size_t> LetterGroup(std::string_view plain, std::size_t p)
{
    std::vector<std::size_t> group;
    if (p < 1 || p > plain.size()) {
        return group;
    }
    const char c = plain[p - 1];
    for (std::size_t i = 0; i < plain.size(); ++i) {
        if (plain[i] == c) {
            group.push_back(i + 1);
        }
    }
    return group;
}

bool UndoCell(GamePuzzle& puzzle)
{
    if (!puzzle.IsOpen() || !puzzle.SelectedCell) {
        return false;
    }
    const std::size_t p = CellPosition(*puzzle.SelectedCell);
    const std::string* stored = puzzle.SolutionValue(puzzle.GameKind);
    if (stored != nullptr && p <= stored->size() && puzzle.GameKind != CipherKind::Railfence) {
        const char checkpoint = (*stored)[p - 1];
        if (puzzle.GameKind == CipherKind::Cipher) {
            WriteIntoGroup(puzzle, p, checkpoint);
        } else if (p <= puzzle.BoardText.size()) {
            puzzle.BoardText[p - 1] = checkpoint;
        }
    }
    puzzle.SelectedLetter = 0;
    return true;
}

bool RevealLetter(GamePuzzle& puzzle)
{
    if (!puzzle.IsOpen() || !puzzle.SelectedCell) {
        return false;
    }
    const std::size_t p = CellPosition(*puzzle.SelectedCell);
    std::string& board = puzzle.BoardText;
    if (puzzle.GameKind == CipherKind::Cipher) {
        const std::string& stored = puzzle.CIPHERSOL;
        if (p <= stored.size() && p <= puzzle.PLAIN.size()) {
            const char plainLetter = UpperAscii(puzzle.PLAIN[p - 1]);
            for (std::size_t i = 1; i <= stored.size() && i <= board.size(); ++i) {
                if (stored[i - 1] == stored[p - 1]) {
                    board[i - 1] = plainLetter;
                }
            }
        }
    } else if (puzzle.GameKind != CipherKind::Railfence && puzzle.GameKind != CipherKind::None) {
        const std::size_t k = p - BlanksUpTo(board, p);
        if (const std::optional<char> letter = PlainLetter(puzzle.PLAIN, k); letter && p <= board.size()) {
            board[p - 1] = *letter;
        }
    }
    return true;
}

void RestartBoard(GamePuzzle& puzzle)
{
    if (puzzle.GameKind != CipherKind::None) {
        const std::string* stored = puzzle.SolutionValue(puzzle.GameKind);
        puzzle.BoardText = TrimControl(*stored).empty() ? BlankBoard() : *stored;
    }
    puzzle.SelectedCell.reset();
    puzzle.SelectedLetter = 0;
}

bool MoveSelection(GamePuzzle& puzzle, SelectionMove move)
{
    if (!IsSelectableKind(puzzle.GameKind)) {
        return false;
    }
    std::optional<std::size_t> current;
    if (puzzle.SelectedCell) {
        current = CellPosition(*puzzle.SelectedCell);
    }
    const std::optional<std::size_t> target = MoveTarget(puzzle.BoardText, current, move);
    if (!target || target == current) {
        return false;
    }
    SelectPosition(puzzle, *target);
    return true;
}
