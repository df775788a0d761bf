// A field frame of the left panel: "Feld n", the 13 match lines with their
// three tip panels, the row count and the prize-class grid G1.
#pragma once

#include <QFrame>

#include <array>

class QLabel;

namespace kv::ui {

class Gitter;
class WerteModell;

// One match line of a field frame: "k:" and the tip panels P1 "1", P2 "0", P3 "2".
class TFfrSpiel : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kBreite = 99;
    static constexpr int kHoehe = 26;

    TFfrSpiel(int feld, int spiel, QWidget* eltern);
    // Panel of column 1..3.
    QLabel* P(int spalte) const { return P_[static_cast<std::size_t>(spalte - 1)]; }

  private:
    std::array<QLabel*, 3> P_{};
};

class TFFrScheineS : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kBreite = 99;
    static constexpr int kHoehe = 13 * TFfrSpiel::kHoehe + 109;

    TFFrScheineS(int feld, QWidget* eltern);

    QLabel* LNr() const { return LNr_; }
    // The caption of LNr ("Feld n" or "Trefferbild") on its colour; the label
    // grows to its text.
    void setzeTitel(const QString& text, const QColor& hinten);
    QLabel* LVEW() const { return LVEW_; }
    QLabel* LTipps() const { return LTipps_; }
    // The row count caption; a long one ("1594323 Tippreihen") is set in a
    // smaller type so that it fits the frame instead of being cut off.
    void setzeTippsText(const QString& text);
    Gitter* G1() const { return G1_; }
    WerteModell* G1Modell() const { return G1Modell_; }
    TFfrSpiel* Spielfr(int spiel) const { return Spielfr_[static_cast<std::size_t>(spiel - 1)]; }

  private:
    QLabel* LNr_;
    QLabel* LVEW_;
    QLabel* LTipps_;
    Gitter* G1_;
    WerteModell* G1Modell_;
    std::array<TFfrSpiel*, 13> Spielfr_{};
};

}  // namespace kv::ui
