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

/// The working letters (filler included) of a rail fence ciphertext; blanks and non-letters are ignored.
std::string DecryptRailfence(std::string_view ciphertext, int rails);
