#include "PuzzleDocument.h"

#include <cassert>
#include <utility>

std::string& PuzzleDocument::Ciphertext(CipherKind kind)
{
    return const_cast<std::string&>(std::as_const(*this).Ciphertext(kind));
}

const std::string& PuzzleDocument::Ciphertext(CipherKind kind) const
{
    switch (kind) {
    case CipherKind::Cipher:
        return CIPHER;
    case CipherKind::Railfence:
        return RAILFENCE;
    case CipherKind::Playfair:
        return PLAYFAIR;
    case CipherKind::Quagmire:
        return QUAGMIRE;
    case CipherKind::Vigenere:
        return VIGENERE;
    case CipherKind::None:
        break;
    }
    assert(false && "a ciphertext needs a kind");
    return CIPHER;
}

bool PuzzleDocument::HasAnyCiphertext() const
{
    return !CIPHER.empty() || !RAILFENCE.empty() || !PLAYFAIR.empty() || !QUAGMIRE.empty() || !VIGENERE.empty();
}
