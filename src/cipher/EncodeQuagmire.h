#pragma once

#include <string>
#include <string_view>
#include <vector>

/// The key row (rows[0]) and one cipher row per indicator character (rows[1..n]).
struct QuagmireTable
{
    std::vector<std::string> rows;
    std::string indicator; ///< after defaulting; rows.size() == indicator.size() + 1
    int column = 1;        ///< the column as read, possibly outside 1..26
};

/// Parses an integer as the maker does: an optional sign and decimal digits, nothing else.
/// Throws TessarinError "'%s' is not a valid integer value" otherwise (an empty text too).
int ParseIntegerValue(std::string_view text);

/// Builds the table from the three Quagmire key fields. The column text is the (at most three) characters after
/// the first "@" of QUAGINDI. Throws TessarinError for a column that is not an integer.
QuagmireTable BuildQuagmireTable(std::string_view QUAGKEY, std::string_view QUAGCKEY, std::string_view QUAGINDI);

/// Quagmire ciphertext: the ASCII letters encrypted row by row in turn, a blank after every fifth letter.
/// Throws TessarinError for a column that is not an integer.
std::string EncryptQuagmire(std::string_view plain, std::string_view QUAGKEY, std::string_view QUAGCKEY,
                            std::string_view QUAGINDI);

/// The working letters of a Quagmire ciphertext (its letters taken back through the same table).
std::string DecryptQuagmire(std::string_view ciphertext, std::string_view QUAGKEY, std::string_view QUAGCKEY,
                            std::string_view QUAGINDI);
