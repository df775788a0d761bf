// The score entry and what follows from it: the winning row, the colours of
// the left slip, the evaluation and the result tables. The commands change
// the program state; the drawing follows its change notices.
#include <QCheckBox>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>

#include "common/Farben.h"
#include "common/Gitter.h"
#include "common/Symbole.h"
#include "common/UpDown.h"
#include "evaluation/Hauptfensterlogik.h"
#include "io/Datei.h"
#include "main/TFFrScheineS.h"
#include "main/TFMain.h"
#include "main/TFfrErg.h"
#include "main/TFfrGrid.h"

namespace kv::ui {

void TFMain::Gewinnauswertung() {
    zustand_.gewinnauswertung();
}

void TFMain::FarbAnzeige(int b, int k, bool gewAusw) {
    if (b < 1 || b > 13) return;
    if (k < 1 || k > 3) {
        PGewZ(b)->clear();
        return;
    }
    zustand_.setzeGewinntendenz(b, k);
    if (gewAusw && zustand_.scheinAnzahl() > 0) Gewinnauswertung();
}

void TFMain::torGeaendert(int spiel, bool heim) {
    TFfrErg* f = frSpiel(spiel);
    const int tore = heim ? f->Up1()->position() : f->Up2()->position();
    if (!startFertig_) {
        zustand_.toreSpeichern(spiel, heim, tore);
        return;
    }
    Farbe(spiel, f->Up1()->position(), f->Up2()->position());
}

void TFMain::Farbe(int spiel, int heim, int gast) {
    // after a direct entry all 13 tendencies come back: one evaluation for them
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

void TFMain::HintZuweisen(int a, const QString& s2) {
    if (a < 1 || a > 13) return;
    for (int j = 1; j <= 12; ++j) Tippfeld(j)->Spielfr(a)->setToolTip(s2);
}

void TFMain::begegnungenAnzeigen() {
    begegnungenZeichnen();
}

// --- drawing ----------------------------------------------------------------

void TFMain::spieleZeichnen(Spielmenge spiele) {
    const bool alle = zustand_.alleBeendet();
    BAlles_->setIcon(alle ? symbol::laeuft() : symbol::beendet());  // image 0 while all are final
    BAlles_->setProperty("bild", alle ? 0 : 1);
    const int links = zustand_.linkerSchein();
    Tippfeld(1)->setzeTitel(links < 0 ? QStringLiteral("Trefferbild") : QStringLiteral("Feld 1"),
                            links < 0 ? farbe::trefferbild : farbe::feldNr);
    for (int m = 1; m <= kSpiele; ++m) {
        if (!(spiele & spielBit(m))) continue;
        const TSpielstand& s = zustand_.spielstand(m);
        const bool beendet = zustand_.istBeendet(m);
        TFfrErg* rahmen = frSpiel(m);
        // a stored goal count above 12 leaves the control and its number as they are
        if (rahmen->Up1()->zeigePosition(s.Heim)) rahmen->PHeim()->setText(QString::number(s.Heim));
        if (rahmen->Up2()->zeigePosition(s.Gast)) rahmen->PGast()->setText(QString::number(s.Gast));
        rahmen->zeigeBeendet(beendet);

        const int k = zustand_.gewinntendenz(m);
        PGewZ(m)->setText(QString::number(TippZiffer[static_cast<std::size_t>(k)]));
        if (links < 0) {
            // no left slip: field 1 shows the winning row alone
            for (int j = 1; j <= 3; ++j) faerben(Ausgang(1, m, j), j == k ? farbe::bernstein : neutral());
            continue;
        }
        const Scheinslot& slot = zustand_.slot(links);
        for (std::size_t f = 0; f < slot.schein.feldAnzahl() && f < 12; ++f) {
            const TScheinOffen& feld = slot.schein.felder()[f].daten();
            for (int j = 1; j <= 3; ++j)
                faerben(Ausgang(static_cast<int>(f) + 1, m, j),
                        farbeVon(tippfeldFarbe(feld.kreuz(m, j), j, k, beendet)));
        }
    }
}

void TFMain::linkenScheinZeichnen() {
    const QColor n = neutral();
    for (int j = 1; j <= 12; ++j) {
        for (int k = 1; k <= 13; ++k)
            for (int c = 1; c <= 3; ++c) faerben(Ausgang(j, k, c), n);
        Tippfeld(j)->LVEW()->hide();
    }
    const int links = zustand_.linkerSchein();
    if (links >= 0) {
        const Scheinslot& s = zustand_.slot(links);
        LDatei_->setText(QString::fromStdString(dateiName(s.datei)));
        for (std::size_t j = 0; j < 12; ++j) {
            TFFrScheineS* t = Tippfeld_[j];
            if (j < s.schein.feldAnzahl()) {
                const Feld& feld = s.schein.felder()[j];
                if (feld.istVew()) {
                    t->LVEW()->setText(QString::fromStdString(vewText(feld)));
                    t->LVEW()->show();
                }
                t->setzeTippsText(QString::fromStdString(tippreihenText(feld)));
            } else {
                // frames beyond the slip's fields show nothing of an earlier slip
                t->setzeTippsText(QString());
                t->G1Modell()->setzeWerte({});
            }
        }
    }
    spieleZeichnen(kAlleSpiele);
}

void TFMain::auswertungZeichnen() {
    const int links = zustand_.linkerSchein();
    if (links >= 0 && links < zustand_.scheinAnzahl()) {
        const Scheinslot& s = zustand_.slot(links);
        for (std::size_t f = 0; f < s.schein.feldAnzahl() && f < Tippfeld_.size(); ++f) {
            const auto c = s.auswertung->feldKlassen(f);  // C'[10..13]
            Tippfeld_[f]->G1Modell()->setzeWerte(
                {QString::number(c[3]), QString::number(c[2]), QString::number(c[1]), QString::number(c[0])});
        }
    }
    for (TFfrGrid* g : grids_)
        if (g) g->auswertungAnzeigen();
}

void TFMain::begegnungenZeichnen() {
    LDatei2_->setText(QString::fromStdString(dateiName(zustand_.spielplanDatei())));
    for (int m = 1; m <= 13; ++m) {
        const TBegegnung& b = zustand_.begegnungen()[static_cast<std::size_t>(m - 1)];
        const QString heim = QString::fromStdString(b.Heim);
        const QString gast = QString::fromStdString(b.Gast);
        frSpiel(m)->setzeMannschaften(heim, gast);
        HintZuweisen(m, heim + QStringLiteral(" : ") + gast);
    }
}

}  // namespace kv::ui
