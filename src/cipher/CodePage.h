#pragma once

#include <optional>
#include <string>
#include <string_view>

// Texts of the document, the puzzle file and the engine are Windows-1252 byte strings, one byte a character.

/// Upper-cases one Windows-1252 byte: a-z, the small accented letters 0xE0..0xFE (not 0xF7) and
/// 0x9A, 0x9C, 0x9E, 0xFF become their capitals; every other byte stays.
char UpperCaseCodePage(char c);

/// Upper-cases a whole Windows-1252 text byte by byte.
std::string UpperCaseText(std::string_view text);

/// The Unicode code point of a Windows-1252 byte; the five undefined bytes map to the C1 code point of the same number.
char32_t CodePageToUnicode(char c);

/// The Windows-1252 byte of a code point, or nothing when the code page cannot hold it.
std::optional<char> UnicodeToCodePage(char32_t codePoint);

/// Result of converting Unicode text to the code page: either the bytes, or the first code point that does not fit.
struct CodePageConversion
{
    std::string text;
    std::optional<char32_t> unrepresentable;  ///< set when the conversion failed
    std::optional<std::size_t> invalidUtf8At; ///< the byte offset of an invalid sequence, when that was the failure
    bool ok() const { return !unrepresentable; }
};

/// Converts UTF-8 to Windows-1252. An invalid UTF-8 sequence counts as U+FFFD, which the code page cannot hold,
/// and its byte offset is kept in invalidUtf8At.
CodePageConversion Utf8ToCodePage(std::string_view utf8);

/// Converts Windows-1252 to UTF-8; never fails.
std::string CodePageToUtf8(std::string_view text);

/// Appends text (Windows-1252) to out as UTF-8, growing out once.
void AppendCodePageAsUtf8(std::string& out, std::string_view text);

/// The length of the leading run of ASCII bytes (below 0x80); text.size() for ASCII text. Such a run is the same
/// in UTF-8 and in the code page, so the conversions copy it as it is.
std::size_t AsciiPrefixLength(std::string_view text);

/// The message that refuses a character the code page cannot hold, naming it and its code point. A control,
/// format or separator character is named by its code point only, so that it cannot break or reorder the message.
/// A non-empty `where` ("the value of --keyword") says where the character stands.
std::string UnrepresentableMessage(char32_t codePoint, std::string_view where = {});
