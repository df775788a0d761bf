// One expanded tip field: its crosses, tip lists and rows in expansion order.
//
// A full system's rows are the Cartesian product of the 13 tip lists, match 1
// changing slowest and match 13 fastest, every match running through its tips
// in the order "1", "0", "2". They are not stored: row k is computed from k.
// The rows of a VEW field follow the system's table and are stored (at most 144).
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "expansion/VewTabellen.h"
#include "model/Records.h"
#include "model/TippListen.h"

namespace kv {

// Why a field cannot be opened, as the end of a German sentence that starts
// "Im Feld n ..."; empty when the field is valid. Refused are a `sys` above 13
// and a VEW field whose 2-ways/3-ways do not fit its system or that has a
// match without a cross. A full system may leave a match empty (no rows).
std::string feldFehler(const TScheinOffen& feld);

class Feld {
  public:
    // Expands one field (the contract of `TippTransfer2`). The field must be
    // valid (feldFehler empty); an invalid one yields a field without rows.
    explicit Feld(const TScheinOffen& daten);

    const TScheinOffen& daten() const { return daten_; }
    const TippListen& tippListen() const { return listen_; }
    int system() const { return daten_.sys; }
    bool istVew() const { return daten_.sys != 0; }

    // Number of rows: product of the tip counts, or the system's `Reihen`.
    std::uint64_t reihenAnzahl() const { return anzahl_; }

    // Row k (0-based) in expansion order.
    Reihe reihe(std::uint64_t k) const;

    // Calls f(Reihe) for every row in expansion order.
    template <class F>
    void fuerJedeReihe(F&& f) const;
    // Calls f(Reihe) for the n rows from row k (0-based) on, as far as there are rows.
    template <class F>
    void fuerReihen(std::uint64_t k, std::uint64_t n, F&& f) const;

    // The stored rows of a VEW field (empty for a full system).
    const std::vector<Reihe>& vewReihen() const { return vew_; }

  private:
    TScheinOffen daten_;
    TippListen listen_;
    std::uint64_t anzahl_ = 0;
    std::vector<Reihe> vew_;
};

template <class F>
void Feld::fuerJedeReihe(F&& f) const {
    fuerReihen(0, anzahl_, f);
}

template <class F>
void Feld::fuerReihen(std::uint64_t k, std::uint64_t n, F&& f) const {
    if (k >= anzahl_ || n == 0) return;
    n = std::min(n, anzahl_ - k);
    if (istVew()) {
        for (std::uint64_t i = 0; i < n; ++i) f(vew_[k + i]);
        return;
    }
    // Odometer over the tip lists, match 13 fastest, started at row k.
    int idx[kSpiele] = {};
    Reihe r = 0;
    for (int m = kSpiele - 1; m >= 0; --m) {
        const std::uint64_t l = listen_.anzahl[m];
        idx[m] = static_cast<int>(k % l);
        k /= l;
        r |= kreuzBit(listen_.kreuz[m][idx[m]]);
    }
    for (;;) {
        f(r);
        if (--n == 0) return;
        int m = kSpiele - 1;
        while (m >= 0) {
            r &= ~kreuzBit(listen_.kreuz[m][idx[m]]);
            if (++idx[m] < listen_.anzahl[m]) {
                r |= kreuzBit(listen_.kreuz[m][idx[m]]);
                break;
            }
            idx[m] = 0;
            r |= kreuzBit(listen_.kreuz[m][0]);
            --m;
        }
    }
}

// `TippTransfer2`: the rows of one field.
inline Feld TippTransfer2(const TScheinOffen& ts) {
    return Feld(ts);
}

}  // namespace kv
