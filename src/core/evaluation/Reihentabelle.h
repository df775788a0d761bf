// The row table of a slip shown as a tab: row 0 the header ("Tipp", "1" ...
// "13", "Ch"), column 0 the line number, columns 1..13 the tip digits of the
// line's row, column 14 its chance (13..10) or "---". Every cell is computed
// from the slip and its evaluation when asked for; nothing is copied.
#pragma once

#include <cstdint>
#include <string>

#include "evaluation/Auswertung.h"
#include "model/Schein.h"
#include "textexport/TextExport.h"

namespace kv {

inline constexpr int kReihenSpalten = 15;
inline constexpr int kChanceSpalte = 14;

class Reihentabelle : public Zellquelle {
  public:
    // `auswertung` may be null (the chance column is then empty); both must
    // outlive this object.
    Reihentabelle(const Schein& schein, const Auswertung* auswertung);

    std::uint64_t zeilenAnzahl() const override { return schein_->zeilen() + 1; }
    int spaltenAnzahl() const override { return kReihenSpalten; }
    std::string zelle(int spalte, std::uint64_t zeile) const override;

    static std::string kopf(int spalte);
    // Column (1..3) of the tip of match `spiel` in line `zeile` (1-based).
    int tippSpalte(std::uint64_t zeile, int spiel) const;
    // 13..10, or kKeineChance.
    int chance(std::uint64_t zeile) const;

  private:
    Reihe reihe(std::uint64_t zeile) const;

    const Schein* schein_;
    const Auswertung* auswertung_;
    mutable std::uint64_t letzteZeile_ = 0;
    mutable Reihe letzteReihe_ = 0;
};

}  // namespace kv
