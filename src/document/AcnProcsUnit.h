#pragma once

#include <string>

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
    /// A cipher alphabet accepted in the Cipher Alphabet window, waiting for the next substitution encryption; until
    /// then CIPHKEY keeps the alphabet that made the ciphertext, so that print, save and show stay true to it.
    std::string AcceptedAlphabet;
    /// A Playfair square accepted in the Playfair Square window, waiting for the next Playfair encryption.
    std::string AcceptedSquare;

    /// OK in the Cipher Alphabet window: the alphabet waits for the next substitution encryption; while there is no
    /// substitution ciphertext it is also stored in CIPHKEY (and Changed set), so that a save keeps it.
    void AcceptAlphabet(std::string alphabet);
    /// OK in the Playfair Square window: the square waits for the next Playfair encryption.
    void AcceptSquare(std::string square);
    /// The alphabet the Cipher Alphabet window opens with: the waiting one, else CIPHKEY.
    const std::string& AlphabetToEdit() const;
    /// The keyword whose square the Playfair Square window opens with: the waiting square, else PLAYKEY.
    const std::string& SquareKeyToEdit() const;

    /// Empties every value field and sets CRADIOS to "00" and drops the waiting keys; FileName, Changed and the
    /// flags stay.
    void ClearPuzzle();
    /// The first kind with a non-empty ciphertext, in tab order, or None.
    CipherKind FirstPresentKind() const;
};
