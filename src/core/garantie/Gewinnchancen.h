// How likely each prize class is for a slip, from the published tendencies:
// for each class I..IV (13, 12, 11, 10 hits) the probability that at least
// one row of the slip reaches that many hits or more, and the expected number
// of rows with exactly that many hits.
//
// The matches are independent. A finished match ends with its result; an open
// match takes column 1, 2, 3 ("1", "0", "2") with Heim/10, Remis/10, Gast/10
// of its tendency points, or 1/3 each when it has no tendency. Every figure is
// exact: every outcome of the open matches is weighed, in whole numbers over
// one denominator (the product of 10 or 3 per open match, at most 10^13).
//
// How it is cheap: the best hits of every outcome do not depend on the
// results, so the distance table of the guarantee analysis is made once per
// slip (Chancenbasis); each change of the results is then one weighted pass
// over the outcomes that agree with the finished matches. The expected rows
// per class are a product of one small polynomial per match for a full
// system, a polynomial per row for a few rows, and for many rows the same
// product folded over a count of rows per outcome.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "evaluation/Auswertung.h"
#include "garantie/Garantieanalyse.h"
#include "model/Records.h"
#include "model/Schein.h"

namespace kv {

// Whole numbers beyond 64 bits: the expected rows over the denominator reach
// rows x 10^13.
__extension__ using Gross = unsigned __int128;

// Tendency points that add up to 10: a tendency read from a text. All zero
// (none read) or anything else counts as no tendency.
bool hatTendenz(const TTendenzWert& w);

// Per match the weight of columns 1..3 and their sum: 1 for the result of a
// finished match (sum 1), the tendency points of an open match (sum 10), or
// 1 each for an open match without a tendency (sum 3).
struct Spielgewichte {
    std::array<std::array<std::uint8_t, kSpalten>, kSpiele> gewicht{};
    std::array<std::uint8_t, kSpiele> summe{};

    // The product of the sums: the denominator of every figure.
    std::uint64_t nenner() const;
    friend bool operator==(const Spielgewichte&, const Spielgewichte&) = default;
};
// Finished matches (lage.beendet) end with lage.gewinnreihe; the others take
// their tendency.
Spielgewichte spielgewichte(const TendenzWerte& tendenzen, const Ergebnislage& lage);
// No match finished: the tendencies alone.
Spielgewichte spielgewichte(const TendenzWerte& tendenzen);

// The figures, exactly: each as a whole number over `nenner`.
struct Gewinnchancen {
    std::uint64_t reihen = 0;  // every row of every field, duplicates too
    std::uint64_t nenner = 1;
    // Classes I..IV: weight of the outcomes where some row has 13, 12, 11, 10
    // hits or more.
    std::array<std::uint64_t, 4> mindestensZaehler{};
    // h = 0..13: the rows with exactly h hits, summed over the outcomes' weights.
    std::array<Gross, kSpiele + 1> erwartetZaehler{};

    // The probability that at least one row reaches class k (0..3: I..IV).
    double mindestens(int klasse) const;
    // The expected number of rows with exactly h hits (0..13).
    double erwartet(int treffer) const;
};

// The rows of a slip as the figures need them, taken from it at once (a few
// milliseconds even for two million rows), so that the slip may change or go
// afterwards: full systems as their spans, alike ones counted once; the other
// rows (single rows, VEW fields, small systems) as a list while they are few,
// else as a count per outcome (6.4 MB whatever their number).
class Reihenbestand {
  public:
    Reihenbestand() = default;  // no rows
    explicit Reihenbestand(const Schein& schein);
    explicit Reihenbestand(const std::vector<Reihe>& reihen);

    std::uint64_t reihen() const { return reihen_; }
    // Bytes held beyond the object itself.
    std::size_t speicher() const;

  private:
    friend class Chancenbasis;
    struct System {
        Ausgangsbereich bereich;
        std::uint64_t felder = 0;
    };
    void reiheHinzu(Reihe r);
    void systemHinzu(const Ausgangsbereich& b);
    void abschliessen();

    std::vector<System> systeme_;
    std::vector<Reihe> einzeln_;
    std::vector<std::uint32_t> jeAusgang_;  // empty, or one count per outcome
    std::uint64_t reihen_ = 0;
    std::uint64_t gezaehlt_ = 0;  // rows in jeAusgang_
};

// The part made once per slip: the distance of every outcome to the nearest
// row (the guarantee analysis), beside the rows. Costs about as much as that
// analysis; then chancen() costs one pass over the outcomes that agree with
// the finished matches.
class Chancenbasis {
  public:
    explicit Chancenbasis(Reihenbestand bestand);

    std::uint64_t reihen() const { return bestand_.reihen(); }
    std::size_t speicher() const;
    Gewinnchancen chancen(const Spielgewichte& gewichte) const;
    // The analysis, or nothing for a slip without rows.
    const Garantieanalyse* analyse() const { return analyse_ ? &*analyse_ : nullptr; }

  private:
    Reihenbestand bestand_;
    std::optional<Garantieanalyse> analyse_;
    // Per block of 27 outcomes (the last three matches) their distance class
    // when all share it (see Gewinnchancen.cpp).
    std::vector<std::uint8_t> bloecke_;
};

// The outcomes of a span weighed by their probability: per class of best hits
// (13, 12, 11, 10, at most 9, as Trefferverteilung::beste) the summed weight,
// and the weight of the whole span, all over Spielgewichte::nenner().
struct GewichteteVerteilung {
    std::array<std::uint64_t, 5> beste{};
    std::uint64_t summe = 0;
    // The share of class k (0..4) within the span; 0 for a span of weight 0.
    double anteil(int klasse) const;
};
GewichteteVerteilung gewichteteVerteilung(const Garantieanalyse& analyse, const Ausgangsbereich& bereich,
                                          const Spielgewichte& gewichte);

}  // namespace kv
