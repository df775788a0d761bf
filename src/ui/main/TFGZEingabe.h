// "FGZEingabe": the winning row clicked in directly, one tendency per match,
// and transferred to the main window at once. Closing only hides it; the
// choices stay for the rest of the run, the position is remembered.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <cstdint>

namespace kv::ui {

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
    // `haupt`: the main window the window places itself beside.
    TFGZEingabe(const QString& datenordner, QWidget* haupt);

    // The entered value of match 1..13: 0 = nothing chosen, else column 1..3.
    int eingabe(int spiel) const { return eingabe_[static_cast<std::size_t>(spiel - 1)]; }
    TBGZ* BGZ(int spiel, int spalte) const;

    // Chooses or un-chooses column (tag mod 100) of match (tag div 100).
    void BLotAuswerten(int tag);
    // "Gewinnzahlen übertragen".
    void bsSkinSpeedButton2Click();

  Q_SIGNALS:
    // The complete row, columns 1..3 of matches 1..13.
    void uebertragen(const std::array<std::uint8_t, 13>& reihe);

  protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    QString ini_;
    QWidget* haupt_;
    std::array<int, 13> eingabe_{};
    std::array<TBGZ*, 39> knoepfe_{};
};

}  // namespace kv::ui
