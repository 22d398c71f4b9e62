#pragma once

#include <string>

#include "PuzzleDocument.h"

/// Characters a line of the exported text file holds at most.
inline constexpr std::size_t TextExportLineLength = 72;

/// The text file of one cryptogram, UTF-8 with LF line ends: the title, underlined; the ciphertext broken as the
/// printed page breaks it (at 72 characters a line), a blank line after each line; and, with the solution, the
/// heading "Solution", the key lines and the plaintext. A kind outside 0..4 gives an empty text.
std::string ComposeTextExport(const PuzzleDocument& doc, CipherKind kind, bool withSolution);
