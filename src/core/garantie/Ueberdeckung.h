// Covering codes of a mixed space of binary and ternary coordinates: a set of
// words such that every word of the space lies within the radius of one of
// them (Hamming distance: the number of coordinates that differ).
//
// The words are found through a syndrome map. Each coordinate gets a column
// in a small group A = Z2^p x Z3^q (binary coordinates in the Z2 part,
// ternary ones in the Z3 part; the first p binary and q ternary coordinates
// take the unit columns); a word's syndrome is the sum of its values times
// their columns. Changing up to R coordinates moves the syndrome by an element
// of the set X of such sums, so if every element of A lies within X of a set
// S, the words whose syndrome is in S cover the space with radius R, and
// there are |S| * |space| / |A| of them. With all points of a projective
// space as columns and S = {0} these are the Hamming codes; with A the whole
// space it is a plain search for the code itself. S is found by a greedy
// start and a tabu search that keeps shrinking S while it can cover A.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "model/Tipp.h"

namespace kv {

// One word: the binary coordinates' values (0/1) first, then the ternary
// ones' (0/1/2).
using Codewort = std::array<std::uint8_t, kSpiele>;

// Progress of a search: the share of its step budget used and the size of the
// best covering found so far.
struct Suchstand {
    double anteil = 0;
    std::uint64_t groesse = 0;
};

struct Suchgrenzen {
    std::uint64_t seed = 1;
    // Step budget of the tabu search (one unit is about one table lookup); a
    // fixed budget makes the result depend on the seed alone.
    std::uint64_t schritte = 400'000'000;
    // Ends the search early when reached (the result is still a covering).
    std::optional<std::chrono::steady_clock::time_point> frist;
    // Called now and then; returning false ends the search early as well.
    std::function<bool(const Suchstand&)> fortschritt;
    // Start from the known tables (off only for the program that made them).
    bool bekannteNutzen = true;
};

// A covering of {0,1}^zweier x {0,1,2}^dreier with the radius (1 or 2):
// known tables where they beat the search, otherwise the smallest covering the
// syndrome search finds within the limits. zweier + dreier <= 13.
std::vector<Codewort> ueberdeckung(int zweier, int dreier, int radius, const Suchgrenzen& grenzen);

}  // namespace kv
