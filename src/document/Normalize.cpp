#include "Normalize.h"

#include "Alphabet.h"

std::string NormalizeLines(const std::vector<std::string>& lines)
{
    std::string joined;
    for (const std::string& line : lines) {
        joined += TrimControl(line);
        joined += ' ';
    }
    return TrimControl(joined);
}

bool HasSelfLetter(std::string_view CIPHKEY)
{
    for (std::size_t i = 0; i < CIPHKEY.size() && i < 26; ++i) {
        if (CIPHKEY[i] == static_cast<char>('A' + i)) {
            return true;
        }
    }
    return false;
}

std::string PatristocratText(std::string_view CIPHER)
{
    return GroupLetters(AsciiLettersUpper(CIPHER), 5);
}
