#pragma once

// What the command implementations of tessarin5-cli share: failures, text conversion, the maker's Encrypt, JSON
// pieces and the language model. Standard C++ only, so that the commands without puzzle files stay free of Qt.

#include <filesystem>
#include <string>
#include <string_view>

#include "CliCommands.h"
#include "CliOptions.h"
#include "LanguageModel.h"
#include "TessarinError.h"

class AcnProcs;

/// A refusal of the input (exit status 2) or a file that cannot be used (exit status 1), with its message.
struct CliFailure
{
    int exitCode;
    std::string message;
};

/// Throws the refusal of the input with message.
[[noreturn]] void CliRefuse(const std::string& message);

/// UTF-8 converted to the code page; refuses text that is not UTF-8 or holds a character the code page lacks. source
/// names where the text comes from ("standard input", or an option such as "--keyword"), skipped how many bytes of
/// it came before utf8, so that a refusal names the byte where the source goes wrong.
std::string CliCodePage(std::string_view utf8, std::string_view source, std::size_t skipped = 0);

/// Standard input as a text in the code page: without a leading byte-order mark and one trailing line end, each NUL
/// a blank, as a puzzle file stores it (a NUL would end the file's text). ASCII text is the same in both and is used
/// as it is, without a copy; other text is converted into converted. Refuses as CliCodePage does.
std::string_view CliInputText(std::string_view input, std::string& converted);

/// Runs the maker's Encrypt on holder with the options' controls; the plaintext is in the code page.
const std::string& CliEncryptInto(AcnProcs& holder, std::string_view plain, const CliOptions& options);

/// Appends text as a JSON string.
void CliAppendJsonString(std::string& out, std::string_view utf8);

/// The value with that many decimals.
std::string CliNumber(double value, int decimals);

/// The folder of the running program.
std::filesystem::path CliProgramDir();

/// The language model in programDir.
LanguageModel CliLanguageModel(const std::filesystem::path& programDir);

/// Runs a file operation, turning its error into the tool's file failure.
template <class Operation> auto CliFileStep(Operation operation)
{
    try {
        return operation();
    } catch (const TessarinError& error) {
        throw CliFailure{CliExit::FileError, error.what()};
    }
}
