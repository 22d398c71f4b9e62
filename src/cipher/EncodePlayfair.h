#pragma once

#include <string>
#include <string_view>

/// The square of a Playfair keyword: KeyedAlphabet over PlayfairAlphabet (an accepted square comes back as it is).
std::string PlayfairSquareOf(std::string_view PLAYKEY);

/// The working text: upper-cased letters, Q written as K, other characters dropped, doubled letters of a pair
/// split with X (with J for a doubled X), an odd length ended with X (J after an X).
std::string PreparePlayfairText(std::string_view plain);

/// Playfair over the square of PLAYKEY; clears UseEditedSquare. A text without letters gives an empty result.
std::string EncryptPlayfair(std::string_view plain, std::string_view PLAYKEY, bool& UseEditedSquare);

/// The working letters of a Playfair ciphertext under square (25 letters of PlayfairAlphabet). Characters
/// outside the square are ignored; an odd last letter is dropped.
std::string DecryptPlayfair(std::string_view ciphertext, std::string_view square);
