// "FQuotenFilter", the odds filter window: the rows of one tip field whose
// Quote (the sum of the tendency points of its 13 tips) lies strictly
// between the limits "Größer als..." and "Kleiner als...", and an overview of
// the highest and lowest tendency value of every match. Created hidden at
// start-up; the normal slip window (its button "Quotenfilter...") and the
// main window's menu "Extras" copy the suggestion field into it and show it.
// Closing only hides it, so field, limits and grids last until the program
// ends. Nothing is saved from this window but its place and size.
#pragma once

#include <QWidget>

#include <memory>

#include "common/Befehle.h"
#include "eingabe/Quotenfilter.h"

class QLabel;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace kv::ui {

class Einzelfeldrahmen;
class Gitter;
class Programmkontext;
class Fenstergitter;
class QuotenReihenQuelle;
class QuotenUebersichtModell;

class TFQuotenFilter : public QWidget {
    Q_OBJECT
  public:
    explicit TFQuotenFilter(Programmkontext& kontext, QWidget* eltern = nullptr);
    ~TFQuotenFilter() override;

    Quotenfilter& filter() { return filter_; }
    Einzelfeldrahmen* Feld() const { return Feld_; }
    QScrollBar* scrMin() const { return scrMin_; }
    QScrollBar* scrMax() const { return scrMax_; }
    QLabel* LMin() const { return LMin_; }
    QLabel* LMax() const { return LMax_; }
    Gitter* G0() const { return G0_; }
    Gitter* GVerteilung() const { return GVerteilung_; }
    Fenstergitter* g1() const { return g1_; }
    QLabel* LAnzahl() const { return LAnzahl_; }

    // --- the commands -----------------------------------------------------
    void TippsListenClick();  // "Tipps listen" (bsSkinSpeedButton2)
    void UebersichtClick();   // the overview button (bsSkinSpeedButton3)
    void BAnzeigeClick();     // every cross of the field removed
    // The copy from the normal slip window: every cross of this field
    // removed, then those of `vorschlag` set.
    void kopiereVorschlag(const TScheinOffen& vorschlag);

  protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    QWidget* grenzenBauen();
    QWidget* verteilungBauen();
    QWidget* untenBauen();
    void scrMinChange(int wert);
    void scrMaxChange(int wert);

    Programmkontext& kontext_;
    Quotenfilter filter_;
    Einzelfeldrahmen* Feld_ = nullptr;
    QScrollBar* scrMin_ = nullptr;
    QScrollBar* scrMax_ = nullptr;
    QLabel* LMin_ = nullptr;
    QLabel* LMax_ = nullptr;
    QLabel* LAnzahl_ = nullptr;
    Gitter* G0_ = nullptr;
    Gitter* GVerteilung_ = nullptr;
    Fenstergitter* g1_ = nullptr;
    QuotenUebersichtModell* uebersicht_ = nullptr;
    std::unique_ptr<QuotenReihenQuelle> quelle_;  // what g1_ shows
};

// Creates the odds filter window hidden, as a window of its own above the
// main window, and returns the command "Quotenfilter..." (menu "&Extras"):
// the window with a copy of the normal slip window's suggestion field.
Befehl quotenFilterBefehl(Programmkontext& kontext);

// The copy from the normal slip window (`bsSkinSpeedButton5`): the odds
// filter's field becomes a copy of the suggestion field `vorschlag`; then the
// window is shown and raised. It reads the tendencies from the program state
// when the rows are listed. Returns the window (made now if there is none).
TFQuotenFilter* quotenFilterOeffnen(Programmkontext& kontext, const TScheinOffen& vorschlag);

}  // namespace kv::ui
