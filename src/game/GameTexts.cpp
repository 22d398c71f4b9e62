#include "GameTexts.h"

#include "Alphabet.h"

namespace {

std::string UpperAsciiText(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

} // namespace

std::optional<std::string> AnswerText(const GamePuzzle& puzzle, CipherKind kind)
{
    switch (kind) {
    case CipherKind::Cipher:
        return UpperAsciiText(puzzle.PLAIN);
    case CipherKind::Playfair:
        return AsciiLettersUpper(puzzle.PLAIN);
    case CipherKind::Quagmire:
    case CipherKind::Vigenere:
        return GroupLetters(AsciiLettersUpper(puzzle.PLAIN), 5);
    case CipherKind::Railfence:
    case CipherKind::None:
        break;
    }
    return std::nullopt;
}

std::size_t RailGroupSize(std::string_view text)
{
    const std::size_t blank = text.find(' ');
    return blank == std::string_view::npos ? 0 : blank;
}

std::optional<std::string> RevealText(const GamePuzzle& puzzle, CipherKind kind)
{
    if (kind != CipherKind::Railfence) {
        return AnswerText(puzzle, kind);
    }
    const std::string letters = AsciiLettersUpper(puzzle.PLAIN);
    const std::size_t group = RailGroupSize(puzzle.RAILSOL);
    return group == 0 ? letters : GroupLetters(letters, group);
}

std::vector<std::size_t> WrongCells(std::string_view board, std::string_view answer)
{
    std::vector<std::size_t> wrong;
    for (std::size_t i = 0; i < board.size(); ++i) {
        if (i >= answer.size() || board[i] != answer[i]) {
            wrong.push_back(i + 1);
        }
    }
    return wrong;
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
