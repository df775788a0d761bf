// The tip-field editor frame of the two windows with a single field (154 x
// 400): the suggestion field of the normal slip window ("Vorschlag") and the
// field of the odds filter window ("Feld 1"). Below the picture the caption
// with the icon button "BInfo" and the numbers "ZW", "DW", "Tipps" and,
// right of them, the bold "LVEW" ("VEW: " + rows), shown while the field's
// 2-ways and 3-ways form a VEW system. Caption, mark names and offset follow
// the field's variant.
#pragma once

#include "common/Feldrahmen.h"

class QLabel;
class QToolButton;

namespace kv::ui {

class Einzelfeldrahmen : public Feldrahmen {
    Q_OBJECT
  public:
    static constexpr int kBreite = 154;
    static constexpr int kHoehe = 400;

    Einzelfeldrahmen(Tippfeld& feld, QWidget* eltern);

    QLabel* LVEW() const { return LVEW_; }
    QToolButton* BInfo() const { return BInfo_; }

    void anzeigen() override;

  private:
    static constexpr int kInfoGroesse = 15;
    QLabel* LVEW_;
    QToolButton* BInfo_;
};

// The frame classes of the suggestion field and of the odds filter's field.
using TFfrFeld2 = Einzelfeldrahmen;
using TFfrFeld3 = Einzelfeldrahmen;

}  // namespace kv::ui
