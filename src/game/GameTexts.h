#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "GamePuzzle.h"

// The texts the solving commands draw or show: the text that Reveal puzzle shows, the keys for the status bar.

/// The rail fence's group size: the position of the first blank in text minus 1, or 0 when text starts with a
/// blank or holds none.
std::size_t RailGroupSize(std::string_view text);

/// What Reveal puzzle draws: the board with the answer in every scored cell (givens and rail fence fillers as they
/// stand). Empty for no kind.
std::string RevealText(const GamePuzzle& puzzle);

/// The key text of the kind on the board that Show Keys puts into the status bar (Windows-1252 bytes).
std::string KeyText(const GamePuzzle& puzzle);
