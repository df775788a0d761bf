// "PTipps", the left slip: the 12 field frames in a scroll area. Each frame
// draws itself from the program state: the crosses of the left slip coloured
// by the current results, the row counts and VEW labels, the prize classes of
// the last evaluation, the pairings as hints; without a left slip, field 1
// shows the winning row alone ("Trefferbild").
#pragma once

#include <QScrollArea>

#include <array>

#include "evaluation/Programmzustand.h"

class QLabel;

namespace kv::ui {

class Programmkontext;
class TFFrScheineS;

class Scheinfelder : public QScrollArea {
    Q_OBJECT
  public:
    Scheinfelder(Programmkontext& kontext, QWidget* eltern);
    QSize sizeHint() const override;

    TFFrScheineS* Tippfeld(int feld) const { return Tippfeld_[static_cast<std::size_t>(feld - 1)]; }
    // The tip panel of column 1..3 of match 1..13 in field 1..12.
    QLabel* Ausgang(int feld, int spiel, int spalte) const;
    // The pairing of match 1..13 as the hint of its line in every field.
    void HintZuweisen(int spiel, const QString& paarung);

  private:
    void spieleZeichnen(Spielmenge spiele);
    void linkenScheinZeichnen();
    void klassenZeichnen();
    void begegnungenZeichnen();

    const Programmzustand& zustand_;
    std::array<TFFrScheineS*, 12> Tippfeld_{};
};

}  // namespace kv::ui
