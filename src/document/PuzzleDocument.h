#pragma once

#include <string>

/// The five cryptogram kinds in tab order; None stands for no kind (no tab selected).
enum class CipherKind : int
{
    None = -1,
    Cipher = 0,
    Railfence = 1,
    Playfair = 2,
    Quagmire = 3,
    Vigenere = 4
};

inline constexpr int CipherKindCount = 5;

/// The kind of tab index i, or None for anything outside 0..4.
constexpr CipherKind KindFromIndex(int i)
{
    return i >= 0 && i < CipherKindCount ? static_cast<CipherKind>(i) : CipherKind::None;
}

/// The maker's one puzzle. Value fields are Windows-1252 byte strings named after the puzzle file's tags,
/// in file order; FileName is a UTF-8 path.
struct PuzzleDocument
{
    std::string FileName;
    std::string PLAIN;
    std::string CIPHER;
    std::string CIPHKEY;
    std::string CRADIOS = "00";
    std::string RAILFENCE;
    std::string PLAYFAIR;
    std::string PLAYKEY;
    std::string QUAGMIRE;
    std::string QUAGKEY;
    std::string QUAGCKEY;
    std::string QUAGINDI;
    std::string VIGENERE;
    std::string VIGENKEY;
    bool Changed = false;

    /// The ciphertext field of kind (CIPHER, RAILFENCE, PLAYFAIR, QUAGMIRE or VIGENERE); kind must not be None.
    std::string& Ciphertext(CipherKind kind);
    const std::string& Ciphertext(CipherKind kind) const;
    /// True when any of the five ciphertexts is non-empty.
    bool HasAnyCiphertext() const;

    bool operator==(const PuzzleDocument&) const = default;
};
