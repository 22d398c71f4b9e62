#include "GameHints.h"

#include <algorithm>

#include "Alphabet.h"
#include "SolvingCommands.h"

namespace {

char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool HasCryptogram(const GamePuzzle& puzzle)
{
    return puzzle.IsOpen() && puzzle.GameKind != CipherKind::None && puzzle.BoardHasCryptogram();
}

// The solve kinds follow the cipher kinds' order.
SolveKind SolveKindOf(CipherKind kind)
{
    return static_cast<SolveKind>(static_cast<int>(kind));
}

} // namespace

std::vector<HintCell> GameHintBoard(const GamePuzzle& puzzle)
{
    if (puzzle.GameKind == CipherKind::None) {
        return {};
    }
    // A cell's answer is the model's; cells without one (givens, rail fence fillers) take a blank, which HintBoard
    // reads as a cell that takes no letter.
    std::string cipher;
    std::string answers;
    const std::size_t size = std::min(puzzle.BoardText.size(), puzzle.Model.cells.size());
    for (std::size_t i = 0; i < size; ++i) {
        const CellModel& cell = puzzle.Model.cells[i];
        cipher += UpperAscii(cell.cipher);
        answers += cell.answer != 0 ? cell.answer : ' ';
    }
    std::vector<HintCell> board = HintBoard(cipher, std::string_view(puzzle.BoardText).substr(0, size), answers);
    // The game counts a cell filled while it shows anything but its cipher character as it stands, so a lower-case
    // cipher letter overwritten with its own capital is a letter entered: the hints must see it, right or wrong.
    for (std::size_t i = 0; i < size; ++i) {
        const char shown = puzzle.BoardText[i];
        if (board[i].puzzle && board[i].letter == 0 && shown != puzzle.Model.cells[i].cipher && shown >= 'A' &&
            shown <= 'Z') {
            board[i].letter = shown;
        }
    }
    return board;
}

const SolveHint* ShownHint(const GamePuzzle& puzzle)
{
    const std::optional<GivenHint>& given = puzzle.Hint;
    if (!given || given->kind != puzzle.GameKind || given->board != puzzle.BoardText) {
        return nullptr;
    }
    return &given->hint;
}

HintPress PressHint(GamePuzzle& puzzle)
{
    if (!HasCryptogram(puzzle)) {
        return HintPress::Nothing;
    }
    const SolveHint* shown = ShownHint(puzzle);
    if (shown != nullptr && !shown->fill.empty()) {
        std::string board = puzzle.BoardText;
        for (const HintFill& fill : shown->fill) {
            // Only a cell whose answer the fill names, and which does not hold it yet, is written.
            if (fill.cell < board.size() && puzzle.Model.cells[fill.cell].answer == fill.letter) {
                board[fill.cell] = fill.letter;
            }
        }
        puzzle.Hint.reset();
        ApplyStep(puzzle, std::move(board));
        return HintPress::Filled;
    }
    SolveHint hint = NextHint(SolveKindOf(puzzle.GameKind), GameHintBoard(puzzle));
    if (hint.code != "solved") {
        ++puzzle.HintsUsed[static_cast<std::size_t>(puzzle.GameKind)];
    }
    puzzle.Hint = GivenHint{puzzle.GameKind, puzzle.BoardText, std::move(hint)};
    return HintPress::Shown;
}

std::vector<std::size_t> HintPositions(const GamePuzzle& puzzle)
{
    std::vector<std::size_t> positions;
    if (const SolveHint* hint = ShownHint(puzzle)) {
        for (std::size_t cell : hint->cells) {
            positions.push_back(cell + 1);
        }
    }
    return positions;
}

std::string HintLineText(const SolveHint& hint)
{
    std::string text = "Hint: " + hint.text;
    if (!text.ends_with('.')) {
        text += '.';
    }
    if (!hint.fill.empty()) {
        text += hint.code == "wrong-letter" ? "  Press Hint again to correct it."
                                            : "  Press Hint again to fill in the marked cells.";
    }
    return text;
}

std::string HintCountText(const GamePuzzle& puzzle)
{
    if (!HasCryptogram(puzzle)) {
        return {};
    }
    return "Hints used: " + std::to_string(puzzle.HintsUsed[static_cast<std::size_t>(puzzle.GameKind)]);
}

std::string CongratulationText(int hintsUsed)
{
    std::string text = "Congratulations! Cryptogram has been correctly deciphered.";
    if (hintsUsed > 0) {
        text += "\n\nYou used " + std::to_string(hintsUsed) + (hintsUsed == 1 ? " hint." : " hints.");
    }
    return text;
}

std::optional<RatedCryptogram> RatedKind(const GamePuzzle& puzzle, CipherKind kind)
{
    const std::string* stored = puzzle.SolutionValue(kind);
    if (stored == nullptr || TrimControl(*stored).empty() || OnlyBlanks(*stored)) {
        return std::nullopt;
    }
    return RatedCryptogram{SolveKindOf(kind), std::string(puzzle.CiphertextOf(kind)),
                           puzzle.PLAIN,      puzzle.CIPHKEY,
                           puzzle.PLAYKEY,    puzzle.QUAGKEY,
                           puzzle.QUAGCKEY,   puzzle.QUAGINDI,
                           puzzle.VIGENKEY};
}
