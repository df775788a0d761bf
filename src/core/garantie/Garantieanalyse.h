// Guarantee analysis of a slip: for every outcome (a winning row of 13
// columns) the best hits that any row of the slip reaches, gathered over a
// span of outcomes — all 3^13 outcomes, or every outcome whose results lie
// within the tips of one field.
//
// The distance of every outcome to the nearest row is computed once for all
// 3^13 outcomes (one byte each) by a separable distance transform: the
// Hamming distance is a sum over the matches, so relaxing one match after the
// other gives the exact distance in 13 passes over the table, whatever the
// number of rows.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "model/Schein.h"

namespace kv {

inline constexpr std::uint32_t kAlleAusgaenge = 1594323;  // 3^13

// A span of outcomes: for every match the columns its result may take
// (bit c - 1 for column c). Every combination of them is one outcome.
struct Ausgangsbereich {
    std::array<std::uint8_t, kSpiele> spalten{};

    static Ausgangsbereich alle();
    // The outcomes whose results all lie within the field's tips.
    static Ausgangsbereich ausFeld(const TScheinOffen& feld);
    std::uint64_t anzahl() const;  // 0 when a match has no column
    friend bool operator==(const Ausgangsbereich&, const Ausgangsbereich&) = default;
};

// Best hits over a span: best[0..4] = outcomes whose best row has 13, 12, 11,
// 10, at most 9 hits; garantie = the fewest best hits in the span (what the
// slip guarantees when the results fall within it), kKeineGarantie for an
// empty span.
inline constexpr int kKeineGarantie = -1;
struct Trefferverteilung {
    std::array<std::uint64_t, 5> beste{};
    int garantie = kKeineGarantie;
    std::uint64_t ausgaenge() const;
    friend bool operator==(const Trefferverteilung&, const Trefferverteilung&) = default;
};

// A slip without any row has no best row for any outcome: it cannot be analysed.
class KeineReihen : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The index of the outcome a row plays in the tables of every outcome: the
// columns - 1 of matches 1..13 as base-3 digits, match 1 highest (so match 13
// changes fastest, as in a full system's row order). The row has one cross
// on every match.
std::uint32_t ausgangsindex(Reihe r);

class Garantieanalyse {
  public:
    // Throws KeineReihen when the slip has no row. About 1.6 MB whatever the slip.
    explicit Garantieanalyse(const Schein& schein);
    explicit Garantieanalyse(const std::vector<Reihe>& reihen);
    // Rows held in summary: every outcome of the spans (full systems), the
    // rows, and every outcome with a non-zero count in `jeAusgang` (empty, or
    // one entry per outcome) is played. Throws KeineReihen when none is.
    Garantieanalyse(const std::vector<Ausgangsbereich>& systeme, const std::vector<Reihe>& reihen,
                    const std::vector<std::uint32_t>& jeAusgang);

    // Best hits of the slip for one outcome (columns 1..3 of matches 1..13).
    int besteTreffer(const std::array<std::uint8_t, kSpiele>& ausgang) const;
    Trefferverteilung verteilung(const Ausgangsbereich& bereich) const;
    // The distance of every outcome to the nearest row (13 - best hits),
    // kAlleAusgaenge entries indexed as ausgangsindex().
    const std::uint8_t* abstaende() const { return abstand_.data(); }

  private:
    void abstaendeBerechnen();
    std::vector<std::uint8_t> abstand_;  // per outcome, index = columns - 1 in base 3, match 1 highest
};

// What the analysis window and `kalvendo-cli guarantee` show: the span of all
// outcomes and the span of each field of the slip, in field order.
struct Garantiebericht {
    Trefferverteilung alle;
    // The outcomes whose results all lie within the tips of the slip (per
    // match the tips of any field): the span a slip of reduced single rows
    // was made for.
    Trefferverteilung tipps;

    // Fields that follow each other with the same distribution, held once: a
    // run of single rows (each field's span is its own row, 13 hits) is one
    // entry however long, so the report of two million single rows stays small.
    struct Lauf {
        std::size_t erstesFeld = 0;  // 0-based
        std::size_t felder = 0;
        Trefferverteilung verteilung;
    };
    std::vector<Lauf> laeufe;

    std::size_t feldAnzahl() const {
        return laeufe.empty() ? 0 : laeufe.back().erstesFeld + laeufe.back().felder;
    }
    // Field i (0-based, below feldAnzahl()).
    const Trefferverteilung& feld(std::size_t i) const;
};
// Throws KeineReihen (German message) for a slip without rows.
Garantiebericht garantieBericht(const Schein& schein);
// The report from an analysis of the same slip made before.
Garantiebericht garantieBericht(const Garantieanalyse& analyse, const Schein& schein);
// The outcomes whose results all lie within the tips of the slip (per match
// the tips of any field); the span of Garantiebericht::tipps.
Ausgangsbereich scheinTipps(const Schein& schein);

}  // namespace kv
