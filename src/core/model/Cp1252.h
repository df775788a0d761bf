// Windows-1252, the 8-bit code page of the fixture-list files. Texts are
// UTF-8 in memory and converted explicitly with a built-in table whenever they
// go into or come out of such a file.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kv {

// Code point of every byte 0x00..0xFF; the five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to U+FFFD.
extern const std::array<char32_t, 256> kCp1252Tabelle;

// Every character that Windows-1252 can represent becomes its byte; every
// other character, and every malformed UTF-8 sequence (one '?' per maximal
// invalid part), becomes '?'.
std::string utf8NachCp1252(std::string_view utf8);

// Every byte becomes its character in UTF-8; undefined bytes become U+FFFD.
std::string cp1252NachUtf8(std::string_view bytes);

}  // namespace kv
