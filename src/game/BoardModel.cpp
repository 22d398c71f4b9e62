#include "BoardModel.h"

#include "Alphabet.h"
#include "EncodePlayfair.h"
#include "GamePuzzle.h"

std::string ExpectedLetters(CipherKind kind, std::string_view plain)
{
    return kind == CipherKind::Playfair ? PreparePlayfairText(plain) : AsciiLettersUpper(plain);
}

BoardModel BuildBoardModel(CipherKind kind, std::string_view cipher, std::string_view plain)
{
    BoardModel model;
    model.kind = kind;
    model.cells.resize(cipher.size());
    const std::string expected = kind == CipherKind::None ? std::string() : ExpectedLetters(kind, plain);
    std::size_t k = 0;
    for (std::size_t i = 0; i < cipher.size(); ++i) {
        CellModel& cell = model.cells[i];
        cell.cipher = cipher[i];
        cell.puzzle = kind != CipherKind::None && IsAsciiLetter(cipher[i]);
        if (cell.puzzle && k < expected.size()) {
            cell.answer = expected[k++];
        }
    }
    return model;
}

bool IsFilled(const BoardModel& model, std::string_view board, std::size_t p)
{
    const CellModel* cell = model.at(p);
    return cell != nullptr && cell->puzzle && p <= board.size() && board[p - 1] != cell->cipher;
}

bool BoardSolved(const BoardModel& model, std::string_view board)
{
    bool scored = false;
    for (std::size_t i = 0; i < model.cells.size(); ++i) {
        const char answer = model.cells[i].answer;
        if (answer == 0) {
            continue;
        }
        if (i >= board.size() || board[i] != answer) {
            return false;
        }
        scored = true;
    }
    return scored;
}

BoardLayout LayOutBoard(std::string_view text)
{
    BoardLayout layout;
    layout.places.resize(text.size());
    int row = 0;
    int column = 1;
    auto place = [&](std::size_t i) {
        if (column > BoardColumns) {
            ++row;
            column = 1;
        }
        layout.places[i] = BoardCell{row, column};
        ++column;
    };
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == ' ') {
            // The blank after a word that filled its row to the end would only open the next row with a gap.
            const bool afterFullRow = column > BoardColumns && i > 0 && text[i - 1] != ' ';
            if (!afterFullRow) {
                place(i);
            }
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && text[end] != ' ') {
            ++end;
        }
        const int length = static_cast<int>(end - i);
        if (column > 1 && length <= BoardColumns && column + length - 1 > BoardColumns) {
            ++row;
            column = 1;
        }
        for (; i < end; ++i) {
            place(i);
        }
    }
    layout.rows = text.empty() ? 0 : row + 1;
    layout.m_grid.assign(static_cast<std::size_t>(layout.rows) * BoardColumns, 0);
    for (std::size_t i = 0; i < layout.places.size(); ++i) {
        if (const auto& at = layout.places[i]) {
            layout.m_grid[static_cast<std::size_t>(at->row * BoardColumns + at->column - 1)] = i + 1;
        }
    }
    return layout;
}

std::optional<std::size_t> BoardLayout::positionAt(int row, int column) const
{
    if (row < 0 || row >= rows || column < 1 || column > BoardColumns) {
        return std::nullopt;
    }
    const std::size_t p = m_grid[static_cast<std::size_t>(row * BoardColumns + column - 1)];
    return p == 0 ? std::nullopt : std::optional<std::size_t>(p);
}
