// The score band "PSpiele" at the top of the main window, in its scroll area
// "PSpieleRahmen": the strip PTool1 (fixture list, "Alles", "Alles auf
// Anfang") and the 13 score frames. It draws scores, finished states, club
// names and the "Alles" button from the program state; what the user does
// with it leaves as signals for the main window.
#pragma once

#include <array>

#include "evaluation/Programmzustand.h"
#include "main/Querband.h"

class QCheckBox;
class QLabel;
class QToolButton;

namespace kv::ui {

class Programmkontext;
class TFfrErg;

class Spielband : public Querband {
    Q_OBJECT
  public:
    Spielband(Programmkontext& kontext, QWidget* eltern);

    TFfrErg* frSpiel(int spiel) const { return frSpiel_[static_cast<std::size_t>(spiel - 1)]; }
    QCheckBox* cbMerkenSp() const { return cbMerkenSp_; }
    QLabel* LDatei2() const { return LDatei2_; }
    QToolButton* BAlles() const { return BAlles_; }

  Q_SIGNALS:
    // The user moved an up-down (heim: of the home side) of match `spiel`.
    void torGeaendert(int spiel, bool heim);
    void laufUmschalten(int spiel);  // BRun
    void spielplanOeffnen();         // BOpen1
    void allesUmschalten();          // BAlles
    void allesAufAnfang();           // BNull

  private:
    void spieleZeichnen(Spielmenge spiele);
    void begegnungenZeichnen();

    const Programmzustand& zustand_;
    std::array<TFfrErg*, 13> frSpiel_{};
    QCheckBox* cbMerkenSp_ = nullptr;
    QLabel* LDatei2_ = nullptr;
    QToolButton* BAlles_ = nullptr;
};

}  // namespace kv::ui
