#pragma once

#include <string>
#include <string_view>

class Random;

/// Rail fence over rails (2, 3 or 4) rails: the upper-cased A-Z letters, filled up with letters drawn from
/// A to Y to a multiple of rails, dealt in zigzag, read rail by rail, a blank after every rails-th letter.
std::string EncryptRailfence(std::string_view plain, int rails, Random& rng);

/// The group size of a rail fence ciphertext (2, 3 or 4, from the position of its first blank), or 0 when
/// the text shows none.
int RailCountOf(std::string_view ciphertext);

/// The group size of a rail fence ciphertext written as EncryptRailfence writes it: letters A to Z (of either case)
/// in groups of 2, 3 or 4, all of one size, parted by blanks or line ends. 0 for any other text.
int RegularRailCount(std::string_view ciphertext);

/// The refusal of a text for which RegularRailCount gives 0.
inline constexpr std::string_view IrregularRailGroupsMessage =
    "A rail fence ciphertext must be written in groups of 2, 3 or 4 letters, one group per rail count";

/// The working letters (filler included) of a rail fence ciphertext; blanks and non-letters are ignored.
std::string DecryptRailfence(std::string_view ciphertext, int rails);
