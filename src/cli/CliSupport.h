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

/// UTF-8 converted to the code page; refuses text that is not UTF-8 or holds a character the code page lacks.
std::string CliCodePage(std::string_view utf8);

/// Standard input without one trailing line end.
std::string_view CliWithoutTrailingLineEnd(std::string_view input);

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
