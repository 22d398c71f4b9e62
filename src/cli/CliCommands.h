#pragma once

#include <string>
#include <string_view>
#include <vector>

struct CliOptions;

/// What one run of tessarin5-cli produced.
struct CliResult
{
    int exitCode = 0;
    std::string out; ///< UTF-8, for standard output
    std::string err; ///< UTF-8, for standard error
};

/// Exit statuses of the tool.
namespace CliExit {
inline constexpr int Success = 0;
inline constexpr int FileError = 1;
inline constexpr int Refused = 2;
inline constexpr int NotSolved = 3; ///< solve: the time bound ended the search before it found any reading
} // namespace CliExit

/// Runs one of the commands on puzzle files (add, show, pdf, rate).
using CliFileCommands = CliResult (*)(const CliOptions& options, std::string_view input);

/// Runs the tool on the arguments after the program name, with input as the whole of standard input (UTF-8). The
/// commands on puzzle files need Qt and run through fileCommands; the others (help, version, encrypt, decrypt,
/// solve) need only the standard library.
CliResult RunCli(const std::vector<std::string>& args, std::string_view input, CliFileCommands fileCommands);
