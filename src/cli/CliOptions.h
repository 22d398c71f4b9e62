#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "PuzzleDocument.h"

/// What tessarin5-cli was asked to do, its arguments still as UTF-8.
struct CliOptions
{
    enum class Command
    {
        Help,
        Version,
        Encrypt,
        Decrypt,
        Add,
        Show,
        Pdf,
        Solve,
        Rate
    };
    Command command = Command::Help;
    CipherKind kind = CipherKind::None;
    std::string file;
    std::optional<std::string> keyword;
    std::optional<std::string> cipherKey;
    bool sameAsKeyword = false;
    std::optional<std::string> indicator;
    std::string column = "1";
    std::optional<int> rails;
    bool unique = false;
    bool offset = false;
    std::optional<std::string> alphabet;
    std::optional<std::string> square;
    std::optional<std::uint64_t> seed;
    bool showKey = false;
    bool force = false;
    bool normalize = false;
    bool patristocrat = false;
    std::string output;
    std::string solution = "none";
    std::string font;   ///< pdf: FAMILY or FAMILY,SIZE; empty for the stored print font
    double seconds = 0; ///< solve, rate: the bound on the search (for each kind), 0 for the kind's default
    bool json = false;  ///< solve: one JSON object instead of lines
};

/// A call that the tool refuses (exit status 2), with the message to show.
struct CliUsageError
{
    std::string message;
};

/// Parses the arguments after the program name; --help or -h after a command makes it Help. Throws CliUsageError
/// for a wrong call.
CliOptions ParseCliOptions(const std::vector<std::string>& args);

/// Whether word names a command on puzzle files (add, show, pdf, rate): the commands that need Qt.
bool IsFileCommandWord(std::string_view word);

/// Whether the command reads standard input (encrypt, decrypt, add, solve).
bool ReadsStandardInput(CliOptions::Command command);

/// The kind named by text ("cipher" ... "vigenere" or "0" ... "4"), or None.
CipherKind ParseKindName(const std::string& text);

/// The --help text.
std::string CliHelpText();
