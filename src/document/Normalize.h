#pragma once

#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view PlaintextChangedHeading = "Plaintext Changed";
inline constexpr std::string_view PlaintextChangedText =
    "Puzzle must be saved in order to permanently keep normalized plaintext. Save puzzle now?";
inline constexpr std::string_view SelfLetterAlertText =
    "Ciphertext alphabet has at least one letter standing for itself. This will not create an authentic "
    "Patristocrat substitution cipher. Continue anyway?";
inline constexpr std::string_view NoLettersToRegroupText =
    "The substitution cryptogram has no letters A to Z to regroup into a Patristocrat.";

/// The editor's lines, each trimmed, joined by single blanks, the whole trimmed.
std::string NormalizeLines(const std::vector<std::string>& lines);

/// True when some position i of CIPHKEY holds the letter A+i.
bool HasSelfLetter(std::string_view CIPHKEY);

/// The Patristocrat form: the ASCII letters upper-cased, a blank after every fifth.
std::string PatristocratText(std::string_view CIPHER);
