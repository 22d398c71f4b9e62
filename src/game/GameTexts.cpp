#include "GameTexts.h"

#include "Alphabet.h"

namespace {

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

} // namespace

std::size_t RailGroupSize(std::string_view text)
{
    const std::size_t blank = text.find(' ');
    return blank == std::string_view::npos ? 0 : blank;
}

std::string RevealText(const GamePuzzle& puzzle)
{
    if (puzzle.GameKind == CipherKind::None) {
        return {};
    }
    std::string text = puzzle.BoardText;
    for (std::size_t i = 0; i < text.size() && i < puzzle.Model.cells.size(); ++i) {
        if (puzzle.Model.cells[i].answer != 0) {
            text[i] = puzzle.Model.cells[i].answer;
        }
    }
    return text;
}

std::string KeyText(const GamePuzzle& puzzle)
{
    switch (puzzle.GameKind) {
    case CipherKind::Cipher:
        return puzzle.CIPHKEY;
    case CipherKind::Railfence:
        return std::to_string(RailGroupSize(puzzle.BoardText)) + " rail cipher";
    case CipherKind::Playfair:
        return puzzle.PLAYKEY;
    case CipherKind::Quagmire:
        return "Key: " + puzzle.QUAGKEY + "   C Key: " + puzzle.QUAGCKEY +
               "   Ind: " + ReplaceAll(puzzle.QUAGINDI, "@", " /");
    case CipherKind::Vigenere:
        return puzzle.VIGENKEY;
    case CipherKind::None:
        break;
    }
    return {};
}
