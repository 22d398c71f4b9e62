#pragma once

#include <string>
#include <string_view>

#include "PrintCanvas.h"
#include "PuzzleDocument.h"

/// Text for an RTF document: "\", "{" and "}" escaped, tabs as \tab, characters of the code page outside ASCII as
/// \'hh, and characters beyond it as \uN? (UTF-16 units).
std::string RtfEscape(std::string_view utf8);

/// An RTF document of one cryptogram with the print font: the bold title with a rule under it, the ciphertext
/// lines and, with the solution, a new page with the bold heading (title and " Solution"), the key lines and the
/// plaintext. A kind outside 0..4 gives an empty text.
std::string ComposeRtf(const PuzzleDocument& doc, CipherKind kind, bool withSolution, const PrintFont& font);
