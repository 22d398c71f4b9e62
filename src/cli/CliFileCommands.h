#pragma once

#include <string_view>

#include "CliCommands.h"

/// The commands on puzzle files: add, show, pdf and rate. They read and write puzzle files, settings and PDFs
/// with Qt, so they live apart from the commands that run without it.
CliResult RunCliFileCommand(const CliOptions& options, std::string_view input);
