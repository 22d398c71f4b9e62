#pragma once

#include <string>
#include <string_view>

#include "ComposePages.h"
#include "PrintCanvas.h"
#include "PuzzleDocument.h"

/// Text for an RTF document: "\", "{" and "}" escaped, tabs as \tab, characters of the code page outside ASCII as
/// \'hh, and characters beyond it as \uN? (UTF-16 units).
std::string RtfEscape(std::string_view utf8);

/// An RTF document of one cryptogram with the print font: the bold title with a rule under it, the ciphertext
/// lines spaced as printed and, unless the option is None, the bold heading (on a new page with the title before
/// " Solution" for NewPage, "Solution" below the ciphertext for SamePage), the key lines and the plaintext. A kind
/// outside 0..4 gives an empty text.
std::string ComposeRtf(const PuzzleDocument& doc, CipherKind kind, SolutionOption option, const PrintFont& font);
