// The system slip entry window drawn offscreen, wide, all twelve frames
// visible. Measured, each beside its reference in the same run:
// - one click on a box until its mark and the field's counts are drawn,
//   against a repaint of the same frame with nothing changed;
// - a 12-field slip opened through "Spielschein öffnen" until all twelve
//   frames are drawn, against a repaint of the twelve frames unchanged.
// The counter "Bilder" is the number of pictures painted per iteration, so a
// figure without its painting would show.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

#include "Programm.h"
#include "common/Dialoge.h"
#include "common/Feldbild.h"
#include "common/Fenster.h"
#include "common/TFfrFeld.h"
#include "entry/TFEingabeSys.h"
#include "main/TFMain.h"
#include "model/Spielscheindatei.h"

namespace {

using kv::TScheinOffen;

// The open dialog answers with the next file of a list, in turn.
class Antworten : public kv::ui::Dialoge {
  public:
    QStringList dateien;
    int naechste = 0;
    void information(QWidget*, const QString&) override {}
    void fehler(QWidget*, const QString&) override {}
    void hinweis(QWidget*, const QString&) override {}
    Antwort frageJaNein(QWidget*, const QString&) override { return Antwort::Nein; }
    Antwort frageJaNeinAbbrechen(QWidget*, const QString&) override { return Antwort::Abbrechen; }
    QStringList dateienOeffnen(QWidget*, const kv::ui::Dateiauswahl&, bool) override {
        return {dateien[naechste++ % dateien.size()]};
    }
    QString dateiSpeichern(QWidget*, const kv::ui::Dateiauswahl&) override { return {}; }
    bool druckerEinrichten(QWidget*, QPrinter&) override { return false; }
};

// Counts the paint events of the field pictures.
class Bilderzaehler : public QObject {
  public:
    long bilder = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++bilder;
        return false;
    }
};

// A slip of 12 fields: systems, single rows and VEW fields; `versatz` varies it.
std::vector<TScheinOffen> zwoelfFelder(int versatz) {
    std::vector<TScheinOffen> felder;
    for (int f = 0; f < 12; ++f) {
        TScheinOffen t;
        for (int m = 1; m <= 13; ++m) t.setzeKreuz(m, (m + f + versatz) % 3 + 1, true);
        if (f % 3 == 0) {  // "3-3": three 2-ways, three 3-ways
            for (int m = 1; m <= 3; ++m) t.setzeKreuz(m, (m + f + versatz + 1) % 3 + 1, true);
            for (int m = 4; m <= 6; ++m)
                for (int c = 1; c <= 3; ++c) t.setzeKreuz(m, c, true);
            t.sys = 4;
        } else if (f % 3 == 1) {  // a full system with two 3-ways
            for (int m = 8; m <= 9; ++m)
                for (int c = 1; c <= 3; ++c) t.setzeKreuz(m, c, true);
        }
        felder.push_back(t);
    }
    return felder;
}

struct Welt {
    QTemporaryDir tmp;
    Antworten antworten;
    Bilderzaehler zaehler;
    std::unique_ptr<kv::ui::Programm> programm;
    kv::ui::TFEingabeSys* fenster = nullptr;

    Welt() {
        kv::ui::Dialoge::setzeDialoge(&antworten);
        qputenv("XDG_DATA_HOME", (tmp.path() + QStringLiteral("/daten")).toUtf8());
        const QString ordner = tmp.path() + QStringLiteral("/daten/Kalvendo/");
        QDir().mkpath(ordner);
        for (int i = 0; i < 2; ++i) {
            const QString fn = tmp.path() + QStringLiteral("/schein%1.kv13").arg(i);
            kv::schreibeSpielschein(fn.toStdString(), zwoelfFelder(i));
            antworten.dateien << fn;
        }
        programm = kv::ui::programmAufbauen(ordner);
        programm->hauptfenster().show();
        programm->kontext().befehle().ausfuehren(QStringLiteral("NeuenSystemscheineingeben1"));
        fenster = qobject_cast<kv::ui::TFEingabeSys*>(kv::ui::fensterSuchen(QStringLiteral("FEingabeSys")));
        fenster->cbAlle()->setChecked(true);
        fenster->cbAlleClick();
        // the offscreen screen is narrower than the wide window; it keeps the
        // window on it, the benchmark wants all twelve frames drawn
        fenster->resize(kv::ui::TFEingabeSys::kBreit);
        for (int f = 1; f <= 12; ++f) fenster->Feld(f)->Panel1()->installEventFilter(&zaehler);
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        zaehler.bilder = 0;
    }
    ~Welt() {
        programm.reset();
        kv::ui::Dialoge::setzeDialoge(nullptr);
    }

    void bilderZaehlen(benchmark::State& state) {
        state.counters["Bilder"] =
            benchmark::Counter(static_cast<double>(zaehler.bilder) / static_cast<double>(state.iterations()));
    }
};

// A press of the left button on box "0" of match 7 of field 3, which toggles
// its cross, until the mark and the counts are drawn.
void BM_SystemscheinKlick(benchmark::State& state) {
    Welt welt;
    QWidget* bild = welt.fenster->Feld(3)->Panel1();
    const QPointF p = kv::ui::Feldbild::kastenMitte(2, 7);
    for (auto _ : state) {
        QMouseEvent druck(QEvent::MouseButtonPress, p, bild->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(bild, &druck);
        QApplication::processEvents();
    }
    welt.bilderZaehlen(state);
}
BENCHMARK(BM_SystemscheinKlick)->Unit(benchmark::kMicrosecond)->Iterations(500);

// Reference: the same picture and count repainted with nothing changed.
void BM_SystemscheinKlickReferenz(benchmark::State& state) {
    Welt welt;
    kv::ui::TFfrFeld* feld = welt.fenster->Feld(3);
    for (auto _ : state) {
        feld->Panel1()->update();
        feld->PAnz()->update();
        QApplication::processEvents();
    }
    welt.bilderZaehlen(state);
}
BENCHMARK(BM_SystemscheinKlickReferenz)->Unit(benchmark::kMicrosecond)->Iterations(500);

// "Spielschein öffnen" with a 12-field slip (two slips in turn) until all
// twelve frames are drawn.
void BM_SystemscheinOeffnen12(benchmark::State& state) {
    Welt welt;
    for (auto _ : state) {
        welt.fenster->BOpenClick();
        QApplication::processEvents();
    }
    welt.bilderZaehlen(state);
}
BENCHMARK(BM_SystemscheinOeffnen12)->Unit(benchmark::kMillisecond)->Iterations(100);

// Reference: the twelve frames with their pictures and counts repainted,
// the slip opened once before and nothing changed.
void BM_SystemscheinOeffnen12Referenz(benchmark::State& state) {
    Welt welt;
    welt.fenster->BOpenClick();
    QApplication::processEvents();
    welt.zaehler.bilder = 0;
    for (auto _ : state) {
        for (int f = 1; f <= 12; ++f) {
            kv::ui::TFfrFeld* feld = welt.fenster->Feld(f);
            for (QWidget* w : {static_cast<QWidget*>(feld), static_cast<QWidget*>(feld->Panel1()),
                               static_cast<QWidget*>(feld->PZW()), static_cast<QWidget*>(feld->PDW()),
                               static_cast<QWidget*>(feld->PAnz())})
                w->update();
        }
        QApplication::processEvents();
    }
    welt.bilderZaehlen(state);
}
BENCHMARK(BM_SystemscheinOeffnen12Referenz)->Unit(benchmark::kMillisecond)->Iterations(100);

}  // namespace
