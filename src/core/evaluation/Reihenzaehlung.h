// The evaluation of many rows held as one array (the runs of single-row
// fields): hits against W and hits among the finished matches F of every row,
// counted in one pass.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/Tipp.h"

namespace kv {

// Rows per block of the chance-list index.
inline constexpr std::size_t kZaehlblock = 1024;

struct Reihenzaehlung {
    std::array<std::uint64_t, kSpiele + 1> C{};  // rows with h hits
    std::array<std::uint64_t, 4> K{};            // rows with x misses among the finished matches (x <= 3)
    // Per block of kZaehlblock rows: K of the rows before the block.
    std::vector<std::array<std::uint64_t, 4>> bloecke;
};

// Counts rows r[0 .. n) against W and F (nF finished matches).
Reihenzaehlung reihenZaehlen(const Reihe* r, std::size_t n, Reihe W, Reihe F, int nF);

// Index (0-based) of the j-th (0-based) row of r[0 .. n) with exactly x misses,
// searched from the block the counting recorded; n when there is none.
std::size_t reiheMitFehlern(const Reihe* r, std::size_t n, const Reihenzaehlung& z, Reihe F, int nF, int x,
                            std::uint64_t j);

}  // namespace kv
