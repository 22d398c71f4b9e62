#pragma once

#include "PuzzleDocument.h"

/// The maker's program-wide holder: the document and the flags kept beside it.
class AcnProcs
{
public:
    PuzzleDocument Puzzle;
    /// Set when the Cipher Alphabet window is accepted; the next substitution encryption uses CIPHKEY once.
    bool UseEditedAlphabet = false;
    /// Set when the Playfair Square window is accepted; the next Playfair encryption uses PLAYKEY as the square.
    bool UseEditedSquare = false;
    /// Set when the preferences dialog saved something the main window has to apply.
    bool PrefsChanged = false;

    /// Empties every value field and sets CRADIOS to "00"; FileName, Changed and the flags stay.
    void ClearPuzzle();
    /// The first kind with a non-empty ciphertext, in tab order, or None.
    CipherKind FirstPresentKind() const;
};
