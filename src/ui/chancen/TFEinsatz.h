// "FEinsatz", the stake per row: what one row costs, by which the lines
// "Wahrscheinlichkeit" show what a slip costs. Made on first use; closing
// only hides it. The stake is kept in the settings file.
#pragma once

#include <QWidget>

#include "common/Befehle.h"

class QDoubleSpinBox;

namespace kv::ui {

class Programmkontext;

class TFEinsatz : public QWidget {
    Q_OBJECT
  public:
    explicit TFEinsatz(Programmkontext& kontext, QWidget* eltern = nullptr);

    QDoubleSpinBox* EEinsatz() const { return EEinsatz_; }
    // "OK": the stake becomes the value shown; the window closes.
    void BOkClick();

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    Programmkontext& kontext_;
    QDoubleSpinBox* EEinsatz_;
};

// The command "&Einsatz je Reihe..." (menu "&Extras").
Befehl einsatzBefehl(Programmkontext& kontext);

}  // namespace kv::ui
