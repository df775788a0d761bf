// "Feld" + n, the tip-field editor frame of the system slip entry window
// (154 x 525): the picture with "Feld n", the numbers "ZW", "DW", "Tipps"
// with the delete button "BDel" between them, and the VEW choice "RGVEW"
// ("VEW-Systeme", three columns: "no", "5-0" ... "4-4").
#pragma once

#include "common/Feldrahmen.h"

class QButtonGroup;
class QGroupBox;
class QRadioButton;
class QToolButton;

namespace kv::ui {

class TFfrFeld : public Feldrahmen {
    Q_OBJECT
  public:
    static constexpr int kBreite = 154;
    static constexpr int kHoehe = 525;

    // The frame of field `feld` (its number names the frame, "Feld" + n).
    TFfrFeld(Tippfeld& feld, QWidget* eltern);

    QToolButton* BDel() const { return BDel_; }
    QGroupBox* RGVEW() const { return RGVEW_; }
    // The radio item k (0 = "no", 1..13 the systems).
    QRadioButton* vewKnopf(int k) const;

    void anzeigen() override;

    void BDelClick();
    void RGVEWClick(int k);

  private:
    QToolButton* BDel_;
    QGroupBox* RGVEW_;
    QButtonGroup* wahl_;
};

}  // namespace kv::ui
