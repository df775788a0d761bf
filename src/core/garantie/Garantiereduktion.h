// Guaranteed reduction of a tip field: a few rows inside the field such that,
// whatever the results within the field's tips, one row has at least 12 hits
// (radius 1) or at least 11 hits (radius 2).
//
// Single tips are fixed; the 2-ways and 3-ways form a space of binary and
// ternary coordinates, covered by the rows of a covering code (Ueberdeckung.h).
// The search is bounded by a step budget (the result depends only on the
// field, the radius and the seed) and, as a safeguard on a slow or busy
// machine, by a time limit; it can report progress and be cancelled. Whenever
// it stops, the rows returned keep the guarantee.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "garantie/Ueberdeckung.h"
#include "model/Records.h"

namespace kv {

// The search budget of one reduction: about half a second on a desktop.
inline constexpr std::uint64_t kReduktionsSchritte = 150'000'000;

struct ReduktionsOptionen {
    int radius = 1;  // 1: 12 hits guaranteed, 2: 11 hits
    std::uint64_t seed = 1;
    std::uint64_t schritte = kReduktionsSchritte;
    // Ends the search early (the rows found so far are returned).
    std::optional<std::chrono::milliseconds> zeitLimit = std::chrono::milliseconds(1500);
    // Called now and then with the share of the budget used and the smallest
    // row count found so far; returning false cancels the search.
    std::function<bool(const Suchstand&)> fortschritt;
};

// A field or radius that cannot be reduced; what() is a German sentence.
class ReduktionsFehler : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

// Why the field cannot be reduced with these options (a match without a tip,
// a radius other than 1 or 2); empty when it can.
std::string reduktionsFehler(const TScheinOffen& feld, const ReduktionsOptionen& optionen);

// The reduced rows in the order of a full system's rows (match 1 slowest, tips
// "1", "0", "2"). Throws ReduktionsFehler when reduktionsFehler is not empty.
std::vector<Reihe> garantieReduktion(const TScheinOffen& feld, const ReduktionsOptionen& optionen = {});

// "72 Tippreihen. Garantie: 12 Richtige, wenn alle Tipps des Feldes stimmen."
std::string garantieText(std::size_t reihen, int radius);

}  // namespace kv
