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

void GamePuzzle::TakeValues(const GameFileValues& values, const CipherLines& ciphertexts)
{
    static_cast<GameFileValues&>(*this) = values;
    Ciphertexts = ciphertexts;
    GameChanged = false;
    Histories = {};
    Hint.reset();
    HintsUsed = {};
}

std::string_view GamePuzzle::CiphertextOf(CipherKind kind) const
{
    const std::string* line = nullptr;
    switch (kind) {
    case CipherKind::Cipher:
        line = &Ciphertexts.CIPHER;
        break;
    case CipherKind::Railfence:
        line = &Ciphertexts.RAILFENCE;
        break;
    case CipherKind::Playfair:
        line = &Ciphertexts.PLAYFAIR;
        break;
    case CipherKind::Quagmire:
        line = &Ciphertexts.QUAGMIRE;
        break;
    case CipherKind::Vigenere:
        line = &Ciphertexts.VIGENERE;
        break;
    case CipherKind::None:
        return {};
    }
    const std::string& stored = *SolutionValue(kind);
    return line->size() == stored.size() ? std::string_view(*line) : std::string_view(stored);
}

BoardModel GamePuzzle::ModelOf(CipherKind kind) const
{
    if (kind == GameKind) {
        return Model;
    }
    return BuildBoardModel(kind, CiphertextOf(kind), PLAIN);
}

bool GamePuzzle::KindSolved(CipherKind kind) const
{
    if (kind == CipherKind::None) {
        return false;
    }
    if (kind == GameKind) {
        return BoardSolved(Model, BoardText);
    }
    return BoardSolved(ModelOf(kind), *SolutionValue(kind));
}

BoardHistory* GamePuzzle::History()
{
    return GameKind == CipherKind::None ? nullptr : &Histories[static_cast<std::size_t>(GameKind)];
}

void GamePuzzle::RebuildModel()
{
    // A blank board (a kind without cryptogram) has no puzzle cells.
    const bool blank = GameKind == CipherKind::None || OnlyBlanks(BoardText);
    Model = BuildBoardModel(blank ? CipherKind::None : GameKind, blank ? BoardText : CiphertextOf(GameKind), PLAIN);
    Model.kind = GameKind;
    Model.cells.resize(BoardText.size());
    Layout = LayOutBoard(BoardText);
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
    RebuildModel();
    return BoardHasCryptogram();
}

void GamePuzzle::ClearKind()
{
    GameKind = CipherKind::None;
    BoardText = BlankBoard();
    SelectedCell.reset();
    SelectedLetter = 0;
    RebuildModel();
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
