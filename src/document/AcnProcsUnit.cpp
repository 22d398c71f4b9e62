#include "AcnProcsUnit.h"

void AcnProcs::ClearPuzzle()
{
    PuzzleDocument cleared;
    cleared.FileName = Puzzle.FileName;
    cleared.Changed = Puzzle.Changed;
    Puzzle = cleared;
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
