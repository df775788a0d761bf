// "FGZEingabe": the winning row clicked in directly, one tendency per match,
// and transferred to the main window at once. Closing only hides it; the
// choices stay for the rest of the run, the position is remembered.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <cstdint>

#include "common/Befehle.h"

namespace kv::ui {

class Programmkontext;

// A button of one tendency: 36 x 24, black bold caption.
class TBGZ : public QPushButton {
    Q_OBJECT
  public:
    TBGZ(const QString& text, QWidget* eltern);
    void setzeGewaehlt(bool gewaehlt);
    bool gewaehlt() const { return gewaehlt_; }

  private:
    bool gewaehlt_ = false;
};

// The number of a match: 24 x 24, right-aligned, grey bold caption.
class TBGZNr : public QLabel {
    Q_OBJECT
  public:
    TBGZNr(const QString& text, QWidget* eltern);
};

class TFGZEingabe : public QWidget {
    Q_OBJECT
  public:
    // Belongs to the main window of `kontext` and places itself beside it.
    explicit TFGZEingabe(Programmkontext& kontext);

    // The entered value of match 1..13: 0 = nothing chosen, else column 1..3.
    int eingabe(int spiel) const { return eingabe_[static_cast<std::size_t>(spiel - 1)]; }
    TBGZ* BGZ(int spiel, int spalte) const;

    // Chooses or un-chooses column (tag mod 100) of match (tag div 100).
    void BLotAuswerten(int tag);
    // "Gewinnzahlen übertragen" (bsSkinSpeedButton2): the complete row
    // becomes the winning row of the program and is evaluated.
    void gewinnzahlenUebertragen();

  protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    Programmkontext& kontext_;
    std::array<int, 13> eingabe_{};
    std::array<TBGZ*, 39> knoepfe_{};
};

// The command "Gewinnzahlen direkt eingeben" (tool bar): shows the window,
// made on first use.
Befehl gewinnzahlenBefehl(Programmkontext& kontext);

}  // namespace kv::ui
