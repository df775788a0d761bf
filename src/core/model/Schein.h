// An opened slip: its fields in file order, expanded, with the rows numbered
// 1, 2, ... over all fields (the line numbers of the row table).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "expansion/Feld.h"

namespace kv {

class Schein {
  public:
    Schein() = default;
    explicit Schein(const std::vector<TScheinOffen>& felder);

    // Appends one field and expands it.
    void feldAnhaengen(const TScheinOffen& feld);
    // Removes every field (the slot stays, as an empty slip).
    void leeren();

    const std::vector<Feld>& felder() const { return felder_; }
    std::size_t feldAnzahl() const { return felder_.size(); }
    // Total rows (lines) of the slip.
    std::uint64_t zeilen() const { return start_.back(); }
    // Line number before the first row of field f (0-based field index).
    std::uint64_t feldStart(std::size_t f) const { return start_[f]; }

    // Field index (0-based) and row index within that field (0-based) of line n (1-based).
    std::pair<std::size_t, std::uint64_t> finde(std::uint64_t zeile) const;
    // The row of line n (1-based).
    Reihe reihe(std::uint64_t zeile) const;

  private:
    std::vector<Feld> felder_;
    std::vector<std::uint64_t> start_ = {0};
};

}  // namespace kv
