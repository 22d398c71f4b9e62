#pragma once

#include <stdexcept>
#include <string>

/// An error that ends the command that caused it and reaches the program's one error report.
/// The message is UTF-8 and is shown to the user as it stands.
class TessarinError : public std::runtime_error
{
public:
    explicit TessarinError(const std::string& message) : std::runtime_error(message) {}
};
