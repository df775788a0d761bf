// "PPC", the right panel with the result tabs: "Spielschein(e) öffnen...", its
// tick box, and the page control "PC1" with one tab per slip opened on the
// right. A tab appears when such a slip is opened in the program state and
// goes when its slot is closed; its tables follow every evaluation. Tabs have
// no close button: their context menu closes them.
#pragma once

#include <vector>

#include "main/Rechtsfeld.h"

class QCheckBox;
class QTabWidget;

namespace kv::ui {

class Programmkontext;
class TFfrGrid;

class Ergebnistabs : public Rechtsfeld {
    Q_OBJECT
  public:
    Ergebnistabs(Programmkontext& kontext, QWidget* eltern);

    QTabWidget* PC1() const { return PC1_; }
    QCheckBox* cbMerken2() const { return cbMerken2_; }
    // The result frame of slot s (0-based), or null for a slip on the left.
    TFfrGrid* fr(int slot) const;
    // The tab of slot s, or null.
    QWidget* tab(int slot) const;

    // The context menu of the tab at `pos` (in the tab bar): "Reiter
    // schließen". It is shown without waiting ("ReiterMenue").
    void reiterMenue(const QPoint& pos);

  Q_SIGNALS:
    void scheineOeffnen();  // BOpen2
    // "Reiter schließen" on the tab of slot `slot`.
    void reiterSchliessen(int slot);

  private:
    void scheinZeichnen(int slot);
    void auswertungZeichnen();

    Programmkontext& kontext_;
    QTabWidget* PC1_ = nullptr;
    QCheckBox* cbMerken2_ = nullptr;
    std::vector<TFfrGrid*> grids_;  // per slot; null for slips on the left
};

}  // namespace kv::ui
