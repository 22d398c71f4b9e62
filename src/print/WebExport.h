#pragma once

#include <string>
#include <string_view>

#include "PuzzleDocument.h"

/// Text for HTML element content and attribute values: "&", "<", ">", '"' and "'" as character references.
std::string HtmlEscape(std::string_view utf8);

/// A JSON string literal that is safe inside a script element: quotes, backslashes, control characters and "<",
/// ">", "&" as \u escapes.
std::string JsonScriptString(std::string_view utf8);

/// Standard base64 of bytes.
std::string Base64(std::string_view bytes);

/// The substitution key a solver must find: for each cipher letter A to Z, the plain letter it stands for, or "."
/// for a letter that the ciphertext does not use. It is read from the letters of PLAIN and CIPHER in order, so it
/// holds for the Patristocrat form too. Throws TessarinError when there is no substitution ciphertext or when the
/// two texts do not match.
std::string SolutionKey(const PuzzleDocument& doc);

/// The bytes that hide the plaintext in the web page: the SHA-256 digests of salt + ":" + answer + ":" + n for the
/// block numbers n = 0, 1, ..., cut to length.
std::string AnswerKeystream(std::string_view salt, std::string_view answer, std::size_t length);

/// The web page of the substitution cryptogram: pageTemplate with "{{TITLE}}" replaced by the escaped title and
/// "{{PUZZLE}}" by a JSON object with the title, the ciphertext, the salt, the check (SHA-256 in hexadecimal of salt
/// + ":" + the SolutionKey) and the plaintext's UTF-8 bytes mixed with AnswerKeystream of the key, in base64. The
/// page holds no readable answer: it knows a solver's key is right when its digest matches, and only then can make
/// the plaintext. salt is a random text for each export. Throws as SolutionKey.
std::string ComposeWebPage(const PuzzleDocument& doc, std::string_view pageTemplate, std::string_view salt);
