#include "main/Scheinfelder.h"

#include <QLabel>
#include <QScrollBar>

#include "chancen/Chancenzeile.h"
#include "common/Farben.h"
#include "common/Gitter.h"
#include "common/Programmkontext.h"
#include "evaluation/Hauptfensterlogik.h"
#include "main/TFFrScheineS.h"

namespace kv::ui {

Scheinfelder::Scheinfelder(Programmkontext& kontext, QWidget* eltern)
    : QScrollArea(eltern), zustand_(kontext.zustand()) {
    setObjectName(QStringLiteral("PTipps"));
    setFrameShape(QFrame::NoFrame);
    // the frames' colour fills a view wider or taller than the 12 frames
    setWidgetResizable(true);
    auto* felder = new QWidget;
    felder->setObjectName(QStringLiteral("PTippsInhalt"));
    faerben(felder, farbe::tipps, Qt::black);
    for (int j = 1; j <= 12; ++j) {
        auto* f = new TFFrScheineS(j, felder);
        f->move((j - 1) * (TFFrScheineS::kBreite + 11) + 11, 10);
        Tippfeld_[static_cast<std::size_t>(j - 1)] = f;
    }
    felder->setMinimumSize(12 * (TFFrScheineS::kBreite + 11) + 11, 521);
    // the chances of the left slip, below its fields
    auto* chancen = Chancenzeile::fuerSchein(kontext, Chancenzeile::kLinks, felder);
    chancen->setzeEinzeilig(true);
    chancen->setGeometry(11, 10 + TFFrScheineS::kHoehe + 2, 12 * (TFFrScheineS::kBreite + 11) - 11,
                         521 - TFFrScheineS::kHoehe - 12);
    chancen->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWidget(felder);
    faerben(viewport(), farbe::tipps);
    // a window lower than the 12 frames lets them scroll up and down as well
    setMinimumSize(120, 150);

    const Zustandsmelder& m = kontext.melder();
    connect(&m, &Zustandsmelder::spieleGeaendert, this, &Scheinfelder::spieleZeichnen);
    connect(&m, &Zustandsmelder::linkerScheinGeaendert, this, &Scheinfelder::linkenScheinZeichnen);
    connect(&m, &Zustandsmelder::ausgewertet, this, &Scheinfelder::klassenZeichnen);
    connect(&m, &Zustandsmelder::begegnungenGeaendert, this, &Scheinfelder::begegnungenZeichnen);
}

QSize Scheinfelder::sizeHint() const {
    // the laid-out size: all of PTipps' height, with room for the sideways scroll bar
    return {widget()->minimumWidth(), widget()->minimumHeight() + horizontalScrollBar()->sizeHint().height()};
}

QLabel* Scheinfelder::Ausgang(int feld, int spiel, int spalte) const {
    return Tippfeld(feld)->Spielfr(spiel)->P(spalte);
}

void Scheinfelder::HintZuweisen(int spiel, const QString& paarung) {
    if (spiel < 1 || spiel > kSpiele) return;
    for (int j = 1; j <= 12; ++j) Tippfeld(j)->Spielfr(spiel)->setToolTip(paarung);
}

void Scheinfelder::spieleZeichnen(Spielmenge spiele) {
    const int links = zustand_.linkerSchein();
    Tippfeld(1)->setzeTitel(links < 0 ? QStringLiteral("Trefferbild") : QStringLiteral("Feld 1"),
                            links < 0 ? farbe::trefferbild : farbe::feldNr);
    for (int m = 1; m <= kSpiele; ++m) {
        if (!(spiele & spielBit(m))) continue;
        const int k = zustand_.gewinntendenz(m);
        const Scheinslot* slot = links < 0 ? nullptr : &zustand_.slot(links);
        if (!slot || slot->schein.feldAnzahl() == 0) {
            // no left slip, or one without fields: field 1 shows the winning row alone
            for (int j = 1; j <= 3; ++j) faerben(Ausgang(1, m, j), j == k ? farbe::bernstein : neutral());
            continue;
        }
        const bool beendet = zustand_.istBeendet(m);
        for (std::size_t f = 0; f < slot->schein.feldAnzahl() && f < Tippfeld_.size(); ++f) {
            const TScheinOffen feld = slot->schein.feld(f).daten();
            for (int j = 1; j <= 3; ++j)
                faerben(Ausgang(static_cast<int>(f) + 1, m, j),
                        farbeVon(tippfeldFarbe(feld.kreuz(m, j), j, k, beendet)));
        }
    }
}

void Scheinfelder::linkenScheinZeichnen() {
    const QColor n = neutral();
    for (TFFrScheineS* t : Tippfeld_) {
        for (int k = 1; k <= kSpiele; ++k)
            for (int c = 1; c <= 3; ++c) faerben(t->Spielfr(k)->P(c), n);
        t->LVEW()->hide();
    }
    const int links = zustand_.linkerSchein();
    if (links >= 0) {
        const Scheinslot& s = zustand_.slot(links);
        for (std::size_t j = 0; j < Tippfeld_.size(); ++j) {
            TFFrScheineS* t = Tippfeld_[j];
            if (j < s.schein.feldAnzahl()) {
                const Feld feld = s.schein.feld(j);
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

void Scheinfelder::klassenZeichnen() {
    const int links = zustand_.linkerSchein();
    if (links < 0) return;
    const Scheinslot& s = zustand_.slot(links);
    if (!s.auswertung) return;
    for (std::size_t f = 0; f < s.schein.feldAnzahl() && f < Tippfeld_.size(); ++f) {
        const auto c = s.auswertung->feldKlassen(f);  // C'[10..13]
        Tippfeld_[f]->G1Modell()->setzeWerte(
            {QString::number(c[3]), QString::number(c[2]), QString::number(c[1]), QString::number(c[0])});
    }
}

void Scheinfelder::begegnungenZeichnen() {
    for (int m = 1; m <= kSpiele; ++m) {
        const TBegegnung& b = zustand_.begegnungen()[static_cast<std::size_t>(m - 1)];
        HintZuweisen(m,
                     QString::fromStdString(b.Heim) + QStringLiteral(" : ") + QString::fromStdString(b.Gast));
    }
}

}  // namespace kv::ui
