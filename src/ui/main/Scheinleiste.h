// The strip "PSchein" above the left slip: "Spielschein öffnen...", its two
// tick boxes, the name of the left slip, and the winning row "PGewReihe" with
// "Gewinnzahlen direkt eingeben". The winning row and the file name follow
// the program state.
#pragma once

#include <QWidget>

#include <array>

#include "evaluation/Programmzustand.h"

class QCheckBox;
class QLabel;

namespace kv::ui {

class Programmkontext;

class Scheinleiste : public QWidget {
    Q_OBJECT
  public:
    Scheinleiste(Programmkontext& kontext, QWidget* eltern);

    QCheckBox* cbMerken() const { return cbMerken_; }
    QCheckBox* cbRechts() const { return cbRechts_; }
    QLabel* LDatei() const { return LDatei_; }
    // The winning-number panel of match 1..13.
    QLabel* PGewZ(int spiel) const { return PGewZ_[static_cast<std::size_t>(spiel - 1)]; }

  Q_SIGNALS:
    void scheinOeffnen();  // BOpen
    void gewinnzahlen();   // BGZdirekt

  private:
    QWidget* gewinnreiheBauen();
    void gewinnreiheZeichnen(Spielmenge spiele);
    void dateiZeichnen();

    const Programmzustand& zustand_;
    QCheckBox* cbMerken_ = nullptr;
    QCheckBox* cbRechts_ = nullptr;
    QLabel* LDatei_ = nullptr;
    std::array<QLabel*, 13> PGewZ_{};
};

}  // namespace kv::ui
