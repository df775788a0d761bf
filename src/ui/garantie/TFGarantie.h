// "FGarantie", the guarantee analysis of an opened slip: for every outcome of
// the 13 matches the best hits any row of the slip reaches, gathered over all
// 1,594,323 outcomes and over the outcomes within the tips of each field, as
// counts and as bar charts, with the guarantee (the fewest best hits) in
// words; beside the counts, how likely each class is when the outcomes are
// weighted by the tendencies. Made on first use; closing only hides it.
#pragma once

#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>

#include "common/Befehle.h"
#include "garantie/Garantieanalyse.h"
#include "garantie/Gewinnchancen.h"

class QComboBox;
class QLabel;

namespace kv::ui {

class Fenstergitter;
class Programmkontext;
class Verteilungsbild;
class VerteilungsQuelle;

class TFGarantie : public QWidget {
    Q_OBJECT
  public:
    explicit TFGarantie(Programmkontext& kontext, QWidget* eltern = nullptr);
    ~TFGarantie() override;

    QComboBox* CBSchein() const { return CBSchein_; }
    Fenstergitter* GVerteilung() const { return GVerteilung_; }
    QLabel* LGarantie() const { return LGarantie_; }
    QLabel* LGewichtet() const { return LGewichtet_; }
    Verteilungsbild* Bild() const { return Bild_; }

    // Analyses slot `slot` (0-based) and shows it; -1 or a slot without a
    // file: the first opened slip. A slip without rows gets a message.
    void scheinWaehlen(int slot);
    // The slot shown; -1 for none.
    int slot() const;
    const std::optional<Garantiebericht>& bericht() const { return bericht_; }
    // The outcomes of row `zeile` of the table weighted by the tendencies
    // (nothing while no slip is analysed).
    std::optional<GewichteteVerteilung> gewichtet(std::uint64_t zeile) const;
    // Shows row `zeile` of the table (0 = all outcomes, then for a slip of
    // several fields the tips of the slip, then the fields) in the guarantee
    // line and the large chart.
    void zeileZeigen(std::uint64_t zeile);

  protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void scheineAuflisten();
    // A slot was opened or emptied (-1: the left slip is another one).
    void scheineGeaendert(int geaendert);
    // A slip without rows is said in the guarantee line and, when `melden`
    // (the user asked for it), in a message.
    void analysieren(bool melden = true);

    Programmkontext& kontext_;
    QComboBox* CBSchein_ = nullptr;
    QLabel* LGarantie_ = nullptr;
    QLabel* LGewichtet_ = nullptr;
    Fenstergitter* GVerteilung_ = nullptr;
    std::unique_ptr<VerteilungsQuelle> quelle_;  // what GVerteilung_ shows
    Verteilungsbild* Bild_ = nullptr;
    std::optional<Garantiebericht> bericht_;
    std::unique_ptr<Garantieanalyse> analyse_;  // of the report shown
    std::uint64_t zeile_ = 0;                   // the row shown
    int gezeigt_ = -1;                          // the slot of the report shown
    bool veraltet_ = false;                     // the shown slip changed while the window was hidden
};

// The command "&Garantie-Analyse..." (menu "&Extras"): analyses the slip of
// the active result tab (or the first opened slip) in the window "FGarantie".
// With no slip opened it says so and shows nothing.
Befehl garantieBefehl(Programmkontext& kontext);

}  // namespace kv::ui
