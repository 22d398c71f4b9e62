#pragma once

#include <string>
#include <vector>

#include "CliCommands.h"

/// One run of the tool as a process: reads standard input when the command takes it (and the call is right), runs
/// the command and writes its output and message. Returns the exit status.
int RunCliProcess(const std::vector<std::string>& args, CliFileCommands fileCommands);

/// A failure of the system under the tool (a stream, a program that will not start): one line on standard error
/// with what failed and errno's text; returns the file error status.
int CliSystemFailure(const std::string& what);
