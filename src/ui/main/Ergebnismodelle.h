// The sources of a tab's row table (GReihen) and chance lists (GChancen).
// Both read the slip and its last evaluation from the program state whenever
// a cell is drawn; nothing is kept per row.
#pragma once

#include <QFontMetrics>

#include "common/Fenstergitter.h"
#include "evaluation/Programmzustand.h"
#include "evaluation/Reihentabelle.h"

namespace kv::ui {

class ReihenQuelle : public Zeilenquelle {
  public:
    ReihenQuelle(const Programmzustand& zustand, std::size_t slot);

    std::uint64_t zeilenAnzahl() const override;
    QVariant daten(std::uint64_t zeile, int spalte, int rolle) const override;

    // The font the cells are measured in (for the padding of numbers).
    void setzeSchrift(const QFont& f);

  private:
    const Scheinslot& slot() const { return zustand_->slot(static_cast<int>(slot_)); }
    Reihe reihe(std::uint64_t zeile) const;

    const Programmzustand* zustand_;
    std::size_t slot_;
    QFontMetrics fm_;
    mutable std::uint64_t letzteZeile_ = 0;  // the row of the line asked for last
    mutable Reihe letzteReihe_ = 0;
};

// The chance lists: one line per entry of the longest list, at least one.
class ChancenQuelle : public Zeilenquelle {
  public:
    ChancenQuelle(const Programmzustand& zustand, std::size_t slot);

    std::uint64_t zeilenAnzahl() const override;
    QVariant daten(std::uint64_t zeile, int spalte, int rolle) const override;

  private:
    const Programmzustand* zustand_;
    std::size_t slot_;
};

}  // namespace kv::ui
