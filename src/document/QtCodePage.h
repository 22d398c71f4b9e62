#pragma once

#include <string>
#include <string_view>

#include <QString>

#include "CodePage.h"

/// Windows-1252 bytes as Unicode; never fails.
QString FromCodePage(std::string_view text);

/// Unicode as Windows-1252 bytes, or the first character the code page cannot hold.
CodePageConversion ToCodePage(const QString& text);

/// As ToCodePage, but throws TessarinError naming the first character the code page cannot hold.
std::string ToCodePageOrThrow(const QString& text);
