// Fixture lists ("*.sp13"): 13 records of 73 bytes, no header. Each record
// holds three length-prefixed Windows-1252 short strings: Tendenz (1 + 10
// bytes), Heim (1 + 30), Gast (1 + 30). In memory the texts are UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Records.h"

namespace kv {

inline constexpr std::size_t kBegegnungBytes = 73;
inline constexpr std::size_t kTendenzLaenge = 10;
inline constexpr std::size_t kNamenLaenge = 30;

// Reads the records up to the end of the file into b[0], b[1], ... (at most
// 13; the rest of a longer file and a trailing part shorter than a record are
// ignored). Entries beyond the last record keep their content. A length byte
// larger than its field is taken as the field's size. Returns the number of
// records read; throws DateiFehler.
int leseBegegnungen(const std::string& pfad, Begegnungen& b);
// The same for the bytes of a file.
int begegnungenAusBytes(const std::vector<std::uint8_t>& daten, Begegnungen& b);

// The 13 records: texts converted to Windows-1252 (unrepresentable characters
// become '?'), cut to 10 or 30 bytes, unused bytes 0.
std::vector<std::uint8_t> begegnungenBytes(const Begegnungen& b);

// Writes the 13 records atomically; throws DateiFehler (the old file stays).
void schreibeBegegnungen(const std::string& pfad, const Begegnungen& b);

}  // namespace kv
