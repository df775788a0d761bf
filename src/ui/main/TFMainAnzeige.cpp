// The score entry and what follows from it: the winning row, the colours of
// the left slip, the evaluation and the result tables.
#include <QCheckBox>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>

#include "evaluation/Hauptfensterlogik.h"
#include "main/Farben.h"
#include "main/Gitter.h"
#include "main/Symbole.h"
#include "main/TFFrScheineS.h"
#include "main/TFGZEingabe.h"
#include "main/TFMain.h"
#include "main/TFfrErg.h"
#include "main/TFfrGrid.h"
#include "main/UpDown.h"

namespace kv::ui {

namespace {

bool istBeendet(const Programmzustand& z, int spiel) {
    return (z.beendeteSpiele >> (spiel - 1)) & 1u;
}

}  // namespace

void TFMain::auswerten() {
    if (aufschub_ > 0) {
        auswertungFaellig_ = true;
        return;
    }
    Gewinnauswertung();
}

void TFMain::Gewinnauswertung() {
    zustand_.gewinnauswertung();
    const int links = zustand_.linkerSchein;
    if (links >= 0 && links < zustand_.scheinAnzahl()) {
        const Scheinslot& s = *zustand_.slots[static_cast<std::size_t>(links)];
        for (std::size_t f = 0; f < s.schein.feldAnzahl() && f < Tippfeld_.size(); ++f) {
            const auto c = s.auswertung->feldKlassen(f);  // C'[10..13]
            Tippfeld_[f]->G1Modell()->setzeWerte(
                {QString::number(c[3]), QString::number(c[2]), QString::number(c[1]), QString::number(c[0])});
        }
    }
    for (TFfrGrid* g : grids_)
        if (g) g->auswertungAnzeigen();
}

void TFMain::FarbAnzeige(int b, int k, bool gewAusw) {
    if (b < 1 || b > 13) return;
    QLabel* gz = PGewZ(b);
    if (k < 1 || k > 3) {
        gz->clear();
        return;
    }
    gz->setText(QString::number(TippZiffer[static_cast<std::size_t>(k)]));
    zustand_.gewinnreihe[static_cast<std::size_t>(b - 1)] = static_cast<std::uint8_t>(k);

    const bool linkerDa = zustand_.linkerSchein >= 0;
    if (!linkerDa) {
        for (int j = 1; j <= 3; ++j) faerben(Ausgang(1, b, j), j == k ? farbe::bernstein : neutral());
        Tippfeld(1)->setzeTitel(QStringLiteral("Trefferbild"), farbe::trefferbild);
    } else {
        Tippfeld(1)->setzeTitel(QStringLiteral("Feld 1"), farbe::feldNr);
    }
    if (gewAusw && zustand_.scheinAnzahl() > 0) auswerten();
    if (linkerDa) {
        const Scheinslot& s = *zustand_.slots[static_cast<std::size_t>(zustand_.linkerSchein)];
        const bool beendet = istBeendet(zustand_, b);
        for (std::size_t f = 0; f < s.schein.feldAnzahl() && f < 12; ++f) {
            const TScheinOffen& feld = s.schein.felder()[f].daten();
            for (int j = 1; j <= 3; ++j)
                faerben(Ausgang(static_cast<int>(f) + 1, b, j),
                        farbeVon(tippfeldFarbe(feld.kreuz(b, j), j, k, beendet)));
        }
    }
}

void TFMain::torGeaendert(int spiel, bool heim) {
    TFfrErg* f = frSpiel(spiel);
    TSpielstand& s = zustand_.spielstaende[static_cast<std::size_t>(spiel - 1)];
    if (heim)
        s.Heim = static_cast<std::uint8_t>(f->Up1()->position());
    else
        s.Gast = static_cast<std::uint8_t>(f->Up2()->position());
    Farbe(spiel, f->Up1()->position(), f->Up2()->position());
}

void TFMain::Farbe(int spiel, int heim, int gast) {
    if (!startFertig_) return;
    const bool direkt = zustand_.gewinnreiheDirekt;
    zustand_.spielstandGeaendert(spiel, heim, gast);
    if (!direkt) {
        FarbAnzeige(spiel, zustand_.spielTendenz[static_cast<std::size_t>(spiel - 1)], true);
        return;
    }
    // the first change after a direct entry brings back all 13 tendencies
    for (int i = 1; i <= 13; ++i)
        FarbAnzeige(i, zustand_.spielTendenz[static_cast<std::size_t>(i - 1)], false);
    if (zustand_.scheinAnzahl() > 0) auswerten();
}

void TFMain::BRunClick(int spiel) {
    zustand_.setzeBeendet(spiel, !istBeendet(zustand_, spiel));
    frSpiel(spiel)->zeigeBeendet(istBeendet(zustand_, spiel));
    FarbAnzeige(spiel, zustand_.spielTendenz[static_cast<std::size_t>(spiel - 1)], true);
}

void TFMain::zeigeAlles() {
    // image 0 while every match is final, image 1 otherwise
    const bool alle = zustand_.alleBeendet;
    BAlles_->setIcon(alle ? symbol::laeuft() : symbol::beendet());
    BAlles_->setProperty("bild", alle ? 0 : 1);
}

void TFMain::BAllesClick() {
    zustand_.allesUmschalten();
    for (TFfrErg* f : frSpiel_) f->zeigeBeendet(zustand_.alleBeendet);
    zeigeAlles();
    for (int i = 1; i <= 13; ++i)
        FarbAnzeige(i, zustand_.gewinnreihe[static_cast<std::size_t>(i - 1)], false);
    if (zustand_.scheinAnzahl() > 0) Gewinnauswertung();
}

void TFMain::BNullClick() {
    ++aufschub_;
    zustand_.beendeteSpiele = 0;
    for (int i = 1; i <= 13; ++i) {
        TSpielstand& s = zustand_.spielstaende[static_cast<std::size_t>(i - 1)];
        s.Heim = 0;
        s.Gast = 0;
        frSpiel(i)->Up1()->setzePosition(0);
        frSpiel(i)->Up2()->setzePosition(0);
        s.Beendet = 0;
        frSpiel(i)->zeigeBeendet(false);
    }
    zustand_.alleBeendet = false;
    zeigeAlles();
    --aufschub_;
    if (auswertungFaellig_) {
        auswertungFaellig_ = false;
        if (zustand_.scheinAnzahl() > 0) Gewinnauswertung();
    }
}

void TFMain::gewinnzahlenUebertragen(const std::array<std::uint8_t, 13>& reihe) {
    for (int i = 1; i <= 13; ++i) FarbAnzeige(i, reihe[static_cast<std::size_t>(i - 1)], false);
    zustand_.gewinnreiheDirektSetzen(reihe);
    Gewinnauswertung();
}

void TFMain::linkesPanelNeutral() {
    const QColor n = neutral();
    for (int j = 1; j <= 12; ++j) {
        for (int k = 1; k <= 13; ++k)
            for (int c = 1; c <= 3; ++c) faerben(Ausgang(j, k, c), n);
        Tippfeld(j)->LVEW()->hide();
    }
}

void TFMain::BNeu() {
    zustand_.linkenScheinLeeren();
    linkesPanelNeutral();
    for (int k = 1; k <= 13; ++k)
        faerben(Ausgang(1, k, zustand_.gewinnreihe[static_cast<std::size_t>(k - 1)]), farbe::bernstein);
}

void TFMain::linkeFelderBeschriften() {
    const Scheinslot& s = *zustand_.slots[static_cast<std::size_t>(zustand_.linkerSchein)];
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

void TFMain::HintZuweisen(int a, const QString& s2) {
    if (a < 1 || a > 13) return;
    for (int j = 1; j <= 12; ++j) Tippfeld(j)->Spielfr(a)->setToolTip(s2);
}

void TFMain::begegnungenAnzeigen() {
    for (int m = 1; m <= 13; ++m) {
        const TBegegnung& b = zustand_.begegnungen[static_cast<std::size_t>(m - 1)];
        const QString heim = QString::fromStdString(b.Heim);
        const QString gast = QString::fromStdString(b.Gast);
        frSpiel(m)->setzeMannschaften(heim, gast);
        HintZuweisen(m, heim + QStringLiteral(" : ") + gast);
    }
}

void TFMain::BGZdirektClick() {
    QWidget* w = fensterSuchen(QStringLiteral("FGZEingabe"));
    if (!w) {
        auto* f = new TFGZEingabe(datenordner_, this);
        connect(f, &TFGZEingabe::uebertragen, this, &TFMain::gewinnzahlenUebertragen);
        w = f;
    }
    w->showNormal();
    w->raise();
    w->activateWindow();
}

}  // namespace kv::ui
