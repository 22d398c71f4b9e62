#include "AcnProcsUnit.h"

void AcnProcs::ClearPuzzle()
{
    PuzzleDocument cleared;
    cleared.FileName = Puzzle.FileName;
    cleared.Changed = Puzzle.Changed;
    Puzzle = cleared;
    AcceptedAlphabet.clear();
    AcceptedSquare.clear();
}

void AcnProcs::AcceptAlphabet(std::string alphabet)
{
    // Without a substitution ciphertext no key has to stay true to it: the alphabet is the puzzle's key at once, so
    // that a save keeps it.
    if (Puzzle.Ciphertext(CipherKind::Cipher).empty() && Puzzle.CIPHKEY != alphabet) {
        Puzzle.CIPHKEY = alphabet;
        Puzzle.Changed = true;
    }
    AcceptedAlphabet = std::move(alphabet);
    UseEditedAlphabet = true;
}

void AcnProcs::AcceptSquare(std::string square)
{
    AcceptedSquare = std::move(square);
    UseEditedSquare = true;
}

const std::string& AcnProcs::AlphabetToEdit() const
{
    return AcceptedAlphabet.empty() ? Puzzle.CIPHKEY : AcceptedAlphabet;
}

const std::string& AcnProcs::SquareKeyToEdit() const
{
    return AcceptedSquare.empty() ? Puzzle.PLAYKEY : AcceptedSquare;
}

CipherKind AcnProcs::FirstPresentKind() const
{
    for (int i = 0; i < CipherKindCount; ++i) {
        if (!Puzzle.Ciphertext(KindFromIndex(i)).empty()) {
            return KindFromIndex(i);
        }
    }
    return CipherKind::None;
}
