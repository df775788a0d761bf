// What the three tip-field editor frames share: the picture "Panel1" with
// the caption "LNr" below it, and the bar with the headers "ZW", "DW",
// "Tipps" over the bevelled number panels "PZW", "PDW", "PAnz". The frame
// shows its kv::Tippfeld and follows every `TrefferVerwerten` of it; the
// variants (TFfrFeld, and those of the normal slip and odds filter windows)
// place the panels and add their own controls.
#pragma once

#include <QFrame>

#include <functional>

class QLabel;

namespace kv {
class Tippfeld;
}

namespace kv::ui {

class Feldbild;

class Feldrahmen : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kBildX = 2;  // the picture's place in the frame
    static constexpr int kBildY = 2;

    Tippfeld& feld() { return feld_; }
    Feldbild* Panel1() const { return Panel1_; }
    QLabel* LNr() const { return LNr_; }
    QLabel* PZW() const { return PZW_; }
    QLabel* PDW() const { return PDW_; }
    QLabel* PAnz() const { return PAnz_; }

    // Shows the field as it is now (counts, picture). The frame calls it after
    // every `TrefferVerwerten` of its field; the window calls it after it
    // changed the field otherwise (a new slip, an opened file).
    virtual void anzeigen();
    // Called after every `TrefferVerwerten` of the field, once the frame shows
    // it (the normal slip window re-expands the suggestion there).
    void setzeNachVerwertung(std::function<void()> f) { nachVerwertung_ = std::move(f); }

  Q_SIGNALS:
    // The user changed the field through this frame (a cross, the VEW
    // choice, the delete button), or the field changed through
    // `TrefferVerwerten` otherwise.
    void feldGeaendert();

  protected:
    // A frame of `breite` x `hoehe` for `feld` (which outlives it). It takes
    // the field's one hook after `TrefferVerwerten`.
    Feldrahmen(Tippfeld& feld, int breite, int hoehe, QWidget* eltern);
    // The three number panels with their headers at these x positions; the
    // header row starts at kZahlenY, the panels below it are kZahlenHoehe high.
    // The panels never cut their number: "Tipps" is wide enough for the 3^13
    // rows of a full field, and a number wider than its panel (another font,
    // another scale) is drawn smaller (Zahlkasten).
    void zahlenfelder(int xZW, int xDW, int xAnz, int breite, int breiteAnz);
    static constexpr int kZahlenY = 361;
    static constexpr int kKopfHoehe = 13;
    static constexpr int kZahlenHoehe = 22;

  private:
    Tippfeld& feld_;
    Feldbild* Panel1_;
    QLabel* LNr_;
    QLabel* PZW_ = nullptr;
    QLabel* PDW_ = nullptr;
    QLabel* PAnz_ = nullptr;
    std::function<void()> nachVerwertung_;
};

}  // namespace kv::ui
