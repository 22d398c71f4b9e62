#include "GamePuzzle.h"

#include <algorithm>

#include "Alphabet.h"

std::string BlankBoard()
{
    return std::string(BlankBoardLength, ' ');
}

bool OnlyBlanks(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

std::string* GamePuzzle::SolutionValue(CipherKind kind)
{
    switch (kind) {
    case CipherKind::Cipher:
        return &CIPHERSOL;
    case CipherKind::Railfence:
        return &RAILSOL;
    case CipherKind::Playfair:
        return &PLAYSOL;
    case CipherKind::Quagmire:
        return &QUAGSOL;
    case CipherKind::Vigenere:
        return &VIGENSOL;
    case CipherKind::None:
        break;
    }
    return nullptr;
}

const std::string* GamePuzzle::SolutionValue(CipherKind kind) const
{
    return const_cast<GamePuzzle*>(this)->SolutionValue(kind);
}

void GamePuzzle::TakeValues(const GameFileValues& values)
{
    static_cast<GameFileValues&>(*this) = values;
    GameChanged = false;
}

GameSolutions GamePuzzle::Solutions() const
{
    return {CIPHERSOL, RAILSOL, PLAYSOL, QUAGSOL, VIGENSOL};
}

void GamePuzzle::StoreBoard()
{
    if (std::string* stored = SolutionValue(GameKind)) {
        *stored = BoardText;
    }
}

bool GamePuzzle::ChooseKind(CipherKind kind)
{
    if (GameChanged) {
        StoreBoard();
    }
    GameKind = kind;
    const std::string* stored = SolutionValue(kind);
    BoardText = stored == nullptr || TrimControl(*stored).empty() ? BlankBoard() : *stored;
    SelectedCell.reset();
    SelectedLetter = 0;
    return BoardHasCryptogram();
}

void GamePuzzle::ClearKind()
{
    GameKind = CipherKind::None;
    BoardText = BlankBoard();
    SelectedCell.reset();
    SelectedLetter = 0;
}

CipherKind GamePuzzle::FirstPresentKind() const
{
    for (int i = 0; i < CipherKindCount; ++i) {
        if (!SolutionValue(KindFromIndex(i))->empty()) {
            return KindFromIndex(i);
        }
    }
    return CipherKind::None;
}
