// "FDetail", the detail window: `GDetail` with the x and y of every box of
// every field (the A-values and the boxes beside them), edited in place.
// The print window makes a new one on every use of the print command;
// closing only hides it.
#pragma once

#include <QWidget>

class QTableView;

namespace kv {
class Kalibrierung;
}

namespace kv::ui {

class DetailModell;
class Programmkontext;

class TFDetail : public QWidget {
    Q_OBJECT
  public:
    TFDetail(Kalibrierung& k, Programmkontext& kontext, QWidget* eltern);

    QTableView* GDetail() const { return GDetail_; }
    // After the table changed under the window.
    void aktualisieren();
    // "Alle A-Werte": empties the table.
    void BDelClick();

  private:
    Kalibrierung& k_;
    Programmkontext& kontext_;
    DetailModell* modell_;
    QTableView* GDetail_;
};

}  // namespace kv::ui
