// Score files ("*.spst", among them the automatically saved
// "Spielstaende.spst"): 13 records of 3 bytes, home goals, away goals,
// finished flag, in match order; no header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Records.h"

namespace kv {

inline constexpr std::size_t kSpielstandBytes = 3;

// Reads the records up to the end of the file into stand[0], stand[1], ...
// (at most 13; the rest of a longer file and a trailing part shorter than
// 3 bytes are ignored). Matches beyond the last record keep their values.
// Goal bytes are kept as stored, even above 12; a non-zero finished byte is
// stored as 1. Returns the number of records read; throws DateiFehler.
int leseSpielstaende(const std::string& pfad, Spielstaende& stand);
// The same for the bytes of a file.
int spielstaendeAusBytes(const std::vector<std::uint8_t>& daten, Spielstaende& stand);

// The 39 bytes of a score file (finished flag written as 1 or 0).
std::vector<std::uint8_t> spielstaendeBytes(const Spielstaende& stand);

// Writes the 13 scores atomically; throws DateiFehler (the old file stays).
void schreibeSpielstaende(const std::string& pfad, const Spielstaende& stand);

}  // namespace kv
