#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

/// The SHA-256 digest of bytes (FIPS 180-4), as the web page's browser computes it to check an answer.
std::array<std::uint8_t, 32> Sha256(std::string_view bytes);

/// The digest as 64 lower-case hexadecimal digits.
std::string Sha256Hex(std::string_view bytes);
