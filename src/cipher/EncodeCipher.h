#pragma once

#include <string>
#include <string_view>
#include <vector>

class Random;

/// Upper-cases text (Windows-1252) and replaces every A-Z by alphabet[code - 65]; all else stays in place.
/// alphabet must hold 26 characters.
std::string SubstituteLetters(std::string_view text, std::string_view alphabet);

/// Forward Fisher-Yates shuffle in place; reseeds rng first.
void ShuffleStrings(std::vector<std::string>& list, Random& rng);

/// The 26 capitals in a random order (26 draws after a reseed).
std::string ShuffledAlphabet(Random& rng);

/// An alphabet in which no letter stands at its own position; one without such a letter comes back unchanged.
/// alphabet must hold 26 letters.
std::string MakeAlphabetUnique(std::string alphabet);

/// Substitution with a random alphabet. Uses CIPHKEY instead of a fresh draw when UseEditedAlphabet is set and
/// clears the flag; applies MakeAlphabetUnique when unique; stores the alphabet used in CIPHKEY.
/// An accepted CIPHKEY that is not a permutation of A-Z is replaced by a fresh draw.
std::string EncryptCipherRandom(std::string_view plain, bool unique, std::string& CIPHKEY, bool& UseEditedAlphabet,
                                Random& rng);

/// Substitution with the standard alphabet rotated left by a shift drawn from 1 to 25, or with the accepted
/// CIPHKEY when UseEditedAlphabet is set (the flag is cleared). Stores the alphabet used in CIPHKEY.
std::string EncryptCipherOffset(std::string_view plain, std::string& CIPHKEY, bool& UseEditedAlphabet, Random& rng);

/// The inverse of SubstituteLetters: the upper-cased text with every A-Z taken back through alphabet.
std::string DecryptCipher(std::string_view ciphertext, std::string_view alphabet);
