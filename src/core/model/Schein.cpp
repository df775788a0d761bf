#include "model/Schein.h"

#include <algorithm>
#include <stdexcept>

namespace kv {

Schein::Schein(const std::vector<TScheinOffen>& felder) {
    felder_.reserve(felder.size());
    start_.reserve(felder.size() + 1);
    for (const auto& f : felder) feldAnhaengen(f);
}

void Schein::feldAnhaengen(const TScheinOffen& feld) {
    felder_.emplace_back(feld);
    start_.push_back(start_.back() + felder_.back().reihenAnzahl());
}

void Schein::leeren() {
    felder_.clear();
    start_.assign(1, 0);
}

std::pair<std::size_t, std::uint64_t> Schein::finde(std::uint64_t zeile) const {
    if (zeile < 1 || zeile > zeilen()) throw std::out_of_range("Zeile außerhalb des Spielscheins");
    // The first field whose end lies at or after the line.
    const auto it = std::lower_bound(start_.begin() + 1, start_.end(), zeile);
    const auto f = static_cast<std::size_t>(it - start_.begin() - 1);
    return {f, zeile - 1 - start_[f]};
}

Reihe Schein::reihe(std::uint64_t zeile) const {
    const auto [f, k] = finde(zeile);
    return felder_[f].reihe(k);
}

}  // namespace kv
