// The line "Wahrscheinlichkeit" under a slip's prize-class counts: for each
// class I..IV the probability that at least one row reaches it, in per cent,
// and below it what the rows cost at the stake per row. Finished matches count
// with their result, open ones with their tendency; the figures follow every
// goal, finished flag, winning-row entry and tendency change. Until the first
// figures of a slip are computed (off the user interface thread) the line
// shows "…". Its tool tip explains the figures and gives the expected rows.
#pragma once

#include <QLabel>

#include "chancen/Chancenrechner.h"

namespace kv::ui {

class Programmkontext;

class Chancenzeile : public QLabel {
    Q_OBJECT
  public:
    // A line whose rows come through zeigeReihen(); shown once it has rows.
    Chancenzeile(Programmkontext& kontext, QWidget* eltern);

    // The line of the slip of slot `slot` (0-based), or with kLinks of the
    // slip in the left panel (hidden while there is none); it follows the slot.
    static constexpr int kLinks = -1;
    static Chancenzeile* fuerSchein(Programmkontext& kontext, int slot, QWidget* eltern);

    // The rows of a slip, or of a list; taken at once (the slip or list may
    // change afterwards), the figures follow.
    void zeigeReihen(const Schein& schein);
    void zeigeReihen(const std::vector<Reihe>& reihen);
    // Figures and stake on one line instead of two (a wide place).
    void setzeEinzeilig(bool einzeilig);
    const Chancenrechner& rechner() const { return *rechner_; }

  private:
    void gewichteNeu();
    void schreiben();
    void scheinNeu(int slot);
    template <typename Quelle>
    void reihenNehmen(const Quelle& quelle);

    Programmkontext& kontext_;
    Chancenrechner* rechner_;
    int slot_ = -2;  // the slot followed; -2: none (rows set from outside)
    bool einzeilig_ = false;
};

// A probability in per cent with two significant digits, German: "27 %",
// "5,2 %", "0,0013 %"; "0 %" and "100 %" only when it is certain, so a
// value just below 100 % shows as many digits as it needs ("99,97 %").
QString prozentText(double wahrscheinlichkeit);

// "I 0,0013 %  II 0,41 %  III 5,2 %  IV 27 %"
QString klassenProzente(const Gewinnchancen& c);

}  // namespace kv::ui
