// The score commands of the main window: each changes the program state
// through its operations and runs the evaluation; the panels redraw from the
// state's change notices.
#include <QLabel>

#include "common/UpDown.h"
#include "main/Scheinfelder.h"
#include "main/Scheinleiste.h"
#include "main/TFMain.h"
#include "main/TFfrErg.h"

namespace kv::ui {

void TFMain::Gewinnauswertung() {
    zustand_.gewinnauswertung();
}

void TFMain::FarbAnzeige(int spiel, int tendenz, bool auswerten) {
    if (spiel < 1 || spiel > kSpiele) return;
    if (tendenz < 1 || tendenz > 3) {
        PGewZ(spiel)->clear();
        return;
    }
    zustand_.setzeGewinntendenz(spiel, tendenz);
    if (auswerten && zustand_.scheinAnzahl() > 0) Gewinnauswertung();
}

void TFMain::torGeaendert(int spiel, bool heim) {
    const TFfrErg* f = frSpiel(spiel);
    if (!startFertig_) {
        // before the window is shown a goal is only stored
        zustand_.toreSpeichern(spiel, heim, heim ? f->Up1()->position() : f->Up2()->position());
        return;
    }
    Farbe(spiel, f->Up1()->position(), f->Up2()->position());
}

void TFMain::Farbe(int spiel, int heim, int gast) {
    // the tendency and the winning row follow (all 13 after a direct entry)
    zustand_.spielstandGeaendert(spiel, heim, gast);
    if (zustand_.scheinAnzahl() > 0) Gewinnauswertung();
}

void TFMain::BRunClick(int spiel) {
    zustand_.setzeBeendet(spiel, !zustand_.istBeendet(spiel));
    if (zustand_.scheinAnzahl() > 0) Gewinnauswertung();
}

void TFMain::BAllesClick() {
    zustand_.allesUmschalten();
    if (zustand_.scheinAnzahl() > 0) Gewinnauswertung();
}

void TFMain::BNullClick() {
    zustand_.allesAufAnfang();
    if (zustand_.scheinAnzahl() > 0) Gewinnauswertung();
}

void TFMain::BNeu() {
    zustand_.linkenScheinLeeren();
}

void TFMain::HintZuweisen(int spiel, const QString& paarung) {
    felder_->HintZuweisen(spiel, paarung);
}

}  // namespace kv::ui
