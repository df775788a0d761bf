// An opened slip: its fields in file order, expanded, with the rows numbered
// 1, 2, ... over all fields (the line numbers of the row table).
//
// A single-row field (no system, one cross on every match) is held as its row
// alone, 8 bytes; consecutive ones form a run, which the evaluation takes as
// one array. Every other field is held expanded (a Feld). The fields are
// reached through sections: a section is such a run or one other field.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "expansion/Feld.h"

namespace kv {

// The row of a single-row field (sys 0, exactly one cross on every match), or
// nothing for any other field.
std::optional<Reihe> einzelreihe(const TScheinOffen& feld);
// The same for a 40-byte record as a slip file holds it (any non-zero flag is
// a cross).
std::optional<Reihe> einzelreiheAusSatz(const std::uint8_t* satz);
// The record of a single-row field with this row (flags 1 and 0).
TScheinOffen feldAusReihe(Reihe r);

class Schein {
  public:
    // A run of consecutive single-row fields, or one other field.
    struct Abschnitt {
        std::size_t feld = 0;     // its first field (0-based)
        std::uint64_t zeile = 0;  // lines before it
        std::size_t index = 0;    // its first row in einzelreihen(), or its field in mehrfeld()
        bool einzeln = false;     // a run of single-row fields
    };

    Schein() = default;
    explicit Schein(const std::vector<TScheinOffen>& felder);

    // Room for this many single-row fields (a reader that knows the file size).
    void reservieren(std::size_t felder);
    // Appends one field and expands it.
    void feldAnhaengen(const TScheinOffen& feld);
    // Appends a single-row field with this row.
    void reiheAnhaengen(Reihe r);
    // Removes every field (the slot stays, as an empty slip).
    void leeren();

    std::size_t feldAnzahl() const { return felder_; }
    // Total rows (lines) of the slip.
    std::uint64_t zeilen() const { return zeilen_; }
    // Line number before the first row of field f (0-based field index).
    std::uint64_t feldStart(std::size_t f) const;
    // Rows of field f.
    std::uint64_t feldZeilen(std::size_t f) const;
    // Field f (0-based), expanded; a single-row field is made up from its row.
    Feld feld(std::size_t f) const;

    // Field index (0-based) and row index within that field (0-based) of line n (1-based).
    std::pair<std::size_t, std::uint64_t> finde(std::uint64_t zeile) const;
    // The row of line n (1-based).
    Reihe reihe(std::uint64_t zeile) const;

    // Calls f(const Feld&) for every field in file order.
    template <class F>
    void fuerJedesFeld(F&& f) const;
    // Calls f(Reihe) for the rows of lines von .. bis (1-based, inclusive) in order.
    template <class F>
    void fuerZeilen(std::uint64_t von, std::uint64_t bis, F&& f) const;
    // Calls f(Reihe) for every row in line order.
    template <class F>
    void fuerJedeReihe(F&& f) const {
        if (zeilen_ > 0) fuerZeilen(1, zeilen_, f);
    }

    // --- sections -----------------------------------------------------------
    const std::vector<Abschnitt>& abschnitte() const { return abschnitte_; }
    std::size_t abschnittFelder(std::size_t a) const;
    std::uint64_t abschnittZeilen(std::size_t a) const;
    // The section holding line n (1-based), and the one holding field f.
    std::size_t abschnittVonZeile(std::uint64_t zeile) const;
    std::size_t abschnittVonFeld(std::size_t f) const;
    // The rows of all single-row fields, run after run.
    const Reihe* einzelreihen() const { return einzel_.data(); }
    const Feld& mehrfeld(const Abschnitt& a) const { return mehr_[a.index]; }

  private:
    void abschnittBeginnen(bool einzeln, std::size_t index);

    std::vector<Reihe> einzel_;
    std::vector<Feld> mehr_;
    std::vector<Abschnitt> abschnitte_;
    std::size_t felder_ = 0;
    std::uint64_t zeilen_ = 0;
};

template <class F>
void Schein::fuerJedesFeld(F&& f) const {
    for (const Abschnitt& a : abschnitte_) {
        if (!a.einzeln) {
            f(mehr_[a.index]);
            continue;
        }
        const std::size_t n = abschnittFelder(static_cast<std::size_t>(&a - abschnitte_.data()));
        for (std::size_t i = 0; i < n; ++i) f(Feld(feldAusReihe(einzel_[a.index + i])));
    }
}

template <class F>
void Schein::fuerZeilen(std::uint64_t von, std::uint64_t bis, F&& f) const {
    if (von < 1 || bis > zeilen_ || von > bis) return;
    std::size_t ai = abschnittVonZeile(von);
    std::uint64_t k = von - 1 - abschnitte_[ai].zeile;  // row within the section
    std::uint64_t rest = bis - von + 1;
    while (rest > 0) {
        const Abschnitt& a = abschnitte_[ai];
        const std::uint64_t n = std::min(rest, abschnittZeilen(ai) - k);
        if (a.einzeln) {
            const Reihe* r = einzel_.data() + a.index + k;
            for (std::uint64_t i = 0; i < n; ++i) f(r[i]);
        } else {
            mehr_[a.index].fuerReihen(k, n, f);
        }
        rest -= n;
        ++ai;
        k = 0;
    }
}

}  // namespace kv
