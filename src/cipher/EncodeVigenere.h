#pragma once

#include <array>
#include <string>
#include <string_view>

/// Row 0 is the standard alphabet; row k (1..26) is it rotated left by k - 1.
using VigenereTableRows = std::array<std::string, 27>;
VigenereTableRows VigenereTable();

/// The key letters of VIGENKEY: its A-Z and a-z upper-cased, other characters skipped; the whole alphabet when
/// none is left.
std::string VigenereKeyLetters(std::string_view VIGENKEY);

/// Vigenere ciphertext: (plain + key) mod 26 over the ASCII letters, a blank after every fifth letter.
std::string EncryptVigenere(std::string_view plain, std::string_view VIGENKEY);

/// The working letters of a Vigenere ciphertext.
std::string DecryptVigenere(std::string_view ciphertext, std::string_view VIGENKEY);
