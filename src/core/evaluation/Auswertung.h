// Hits, prize classes and winning chances of one opened slip.
//
// Hits of a row = |W ∩ row| (W = the winning row's 13 cross indices); misses =
// nF − |F ∩ row| (F = the winning tendencies of the finished matches); the
// chance of a row is 13 − misses while misses ≤ 3, otherwise none ("---").
//
// Nothing is materialised per row: a full system's counts follow from its tip
// lists (a product of one small polynomial per match), a run of single-row
// fields is counted as one array, and a row, its chance or the k-th entry of
// a chance list are computed on demand.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "evaluation/Reihenzaehlung.h"
#include "model/Schein.h"

namespace kv {

// What the evaluation reads: the winning row and the finished matches.
struct Ergebnislage {
    std::array<std::uint8_t, kSpiele> gewinnreihe{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};  // columns 1..3
    std::uint16_t beendet = 0;  // bit m - 1 set = match m finished

    Reihe gewinnmenge() const { return mengeAus(gewinnreihe); }            // W
    Reihe beendetMenge() const { return mengeAus(gewinnreihe, beendet); }  // F
    int beendetAnzahl() const;                                             // nF
    bool istBeendet(int spiel) const { return (beendet >> (spiel - 1)) & 1u; }
    friend bool operator==(const Ergebnislage&, const Ergebnislage&) = default;
};

inline constexpr int kKeineChance = -1;

class Auswertung {
  public:
    // Evaluates `schein` (which must outlive this object) against `lage`.
    // `rechts`: the slip is a tab of the right-hand table (chances are kept).
    Auswertung(const Schein& schein, const Ergebnislage& lage, bool rechts);

    const Ergebnislage& lage() const { return lage_; }
    bool rechts() const { return rechts_; }

    // C[h]: rows with exactly h hits (h = 0..13; the tables show 5..13).
    const std::array<std::uint64_t, kSpiele + 1>& C() const { return C_; }
    // C'[h] of field f (0-based), h = 10..13 at index h - 10.
    std::array<std::uint64_t, 4> feldKlassen(std::size_t f) const;
    // K[x]: rows with chance 13 - x (x = 0..3); zero unless `rechts`.
    const std::array<std::uint64_t, 4>& K() const { return K_; }
    std::uint64_t maxK() const;

    // Per line n (1-based): hits and chance (13 - misses, or kKeineChance).
    int treffer(std::uint64_t zeile) const;
    int chance(std::uint64_t zeile) const;
    // Line number of the k-th (1-based) row with chance 13 - x, in line order
    // (the chance list L[x]); 0 when k > K[x].
    std::uint64_t chancenEintrag(int x, std::uint64_t k) const;

  private:
    // What the evaluation keeps per section of the slip.
    struct Teil {
        std::array<std::uint64_t, 4> kumK{};   // K of all sections before it
        std::array<std::uint32_t, 4> feldC{};  // one field: its C'[10..13]
        Reihenzaehlung lauf;                   // a run of single-row fields: its counts
    };

    void abschnittAuswerten(std::size_t a);
    std::uint64_t feldEintrag(const Feld& feld, int x, std::uint64_t k) const;
    int fehlerVon(Reihe r) const;

    const Schein* schein_;
    Ergebnislage lage_;
    bool rechts_;
    Reihe W_ = 0, F_ = 0;
    int nF_ = 0;
    std::array<std::uint64_t, kSpiele + 1> C_{};
    std::array<std::uint64_t, 4> K_{};
    std::vector<Teil> teile_;  // per section
};

}  // namespace kv
