// Feeds arbitrary boards to the game's hints: the first byte picks the kind, the rest holds the ciphertext, the
// board and the answer, split at bytes of value 1. Nothing may crash; a hint speaks only of cells the board has,
// never changes a right letter, and "solved" means every puzzle cell is right. A few hints are followed in turn.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "SolveHints.h"

namespace {

void check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

// The next part of text up to a byte of value 1, which is taken off with it.
std::string_view takePart(std::string_view& text)
{
    const std::size_t end = text.find('\x01');
    const std::string_view part = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    return part;
}

void checkHint(const SolveHint& hint, const std::vector<HintCell>& board)
{
    for (const std::size_t cell : hint.cells) {
        check(cell < board.size());
    }
    for (const HintFill& fill : hint.fill) {
        check(fill.cell < board.size());
        check(board[fill.cell].letter != board[fill.cell].answer);
    }
    if (hint.code == "solved") {
        for (const HintCell& cell : board) {
            check(!cell.puzzle || cell.letter == cell.answer);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const auto kind = static_cast<SolveKind>(data[0] % 5);
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string_view ciphertext = takePart(rest);
    const std::string_view boardText = takePart(rest);
    const std::string_view answerText = takePart(rest);
    std::vector<HintCell> board = HintBoard(ciphertext, boardText, answerText);
    for (int step = 0; step < 4; ++step) {
        const SolveHint hint = NextHint(kind, board);
        checkHint(hint, board);
        if (hint.fill.empty()) {
            break;
        }
        for (const HintFill& fill : hint.fill) {
            board[fill.cell].letter = fill.letter;
        }
    }
    return 0;
}
