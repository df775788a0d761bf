// The normal slip entry window drawn offscreen. Measured, each beside its
// reference in the same run:
// - "Daten auslesen" on a pasted 13-line table until the grid, the tendencies
//   and the main window's score frames are drawn, against a repaint of the
//   grid with nothing changed;
// - 10,000 lines of junk put into the text field and "Daten auslesen"
//   pressed, until its message is given and the window drawn, against putting
//   the same text into the field alone.
// The counter "Meldungen" is the number of messages per iteration, so a
// figure without the work behind the message would show.
#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

#include "Programm.h"
#include "common/Dialoge.h"
#include "common/Fenster.h"
#include "entry/TFEingabe.h"
#include "main/TFMain.h"

namespace {

class Antworten : public kv::ui::Dialoge {
  public:
    long meldungen = 0;
    void information(QWidget*, const QString&) override { ++meldungen; }
    void fehler(QWidget*, const QString&) override { ++meldungen; }
    void hinweis(QWidget*, const QString&) override { ++meldungen; }
    Antwort frageJaNein(QWidget*, const QString&) override { return Antwort::Nein; }
    Antwort frageJaNeinAbbrechen(QWidget*, const QString&) override { return Antwort::Abbrechen; }
    QStringList dateienOeffnen(QWidget*, const kv::ui::Dateiauswahl&, bool) override { return {}; }
    QString dateiSpeichern(QWidget*, const kv::ui::Dateiauswahl&) override { return {}; }
    bool druckerEinrichten(QWidget*, QPrinter&) override { return false; }
};

// The operator's table as a browser copies it: 13 pairings, CR LF.
QString tabelle(int versatz) {
    QString t;
    for (int m = 1; m <= 13; ++m)
        t += QStringLiteral("%1\tHeimverein %2\tGastverein %3\t%4 - 3 - %5\r\n")
                 .arg(m)
                 .arg(m + versatz)
                 .arg(m)
                 .arg((m + versatz) % 6 + 1)
                 .arg(3);
    return t;
}

QString muell() {
    QString t;
    for (int i = 0; i < 10000; ++i) t += QStringLiteral("x\ty%1\n").arg(i % 100);
    return t;
}

struct Welt {
    QTemporaryDir tmp;
    Antworten antworten;
    std::unique_ptr<kv::ui::Programm> programm;
    kv::ui::TFEingabe* fenster = nullptr;
    QPlainTextEdit* M1 = nullptr;

    Welt() {
        kv::ui::Dialoge::setzeDialoge(&antworten);
        qputenv("XDG_DATA_HOME", (tmp.path() + QStringLiteral("/daten")).toUtf8());
        const QString ordner = tmp.path() + QStringLiteral("/daten/Kalvendo/");
        QDir().mkpath(ordner);
        programm = kv::ui::programmAufbauen(ordner);
        programm->hauptfenster().show();
        programm->kontext().befehle().ausfuehren(QStringLiteral("NeuenNormalscheineingeben1"));
        fenster = qobject_cast<kv::ui::TFEingabe*>(kv::ui::fensterSuchen(QStringLiteral("FEingabe")));
        M1 = fenster->findChild<QPlainTextEdit*>(QStringLiteral("M1"));
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
    }
    ~Welt() {
        programm.reset();
        kv::ui::Dialoge::setzeDialoge(nullptr);
    }
    void meldungenZaehlen(benchmark::State& state) {
        state.counters["Meldungen"] = benchmark::Counter(static_cast<double>(antworten.meldungen) /
                                                         static_cast<double>(state.iterations()));
    }
};

// Two tables in turn, so that every import changes the grid and the frames.
void BM_SpielplanAuslesen13(benchmark::State& state) {
    Welt welt;
    const QString t[] = {tabelle(0), tabelle(1)};
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        welt.M1->setPlainText(t[i++ % 2]);
        QApplication::processEvents();
        state.ResumeTiming();
        welt.fenster->BAuslesenClick();
        QApplication::processEvents();
    }
    welt.meldungenZaehlen(state);
}
BENCHMARK(BM_SpielplanAuslesen13)->Unit(benchmark::kMicrosecond)->Iterations(200);

// Reference: the grid with the imported table repainted, nothing changed.
void BM_SpielplanAuslesen13Referenz(benchmark::State& state) {
    Welt welt;
    welt.M1->setPlainText(tabelle(0));
    welt.fenster->BAuslesenClick();
    QApplication::processEvents();
    auto* G1 = welt.fenster->findChild<QTableView*>(QStringLiteral("G1"));
    for (auto _ : state) {
        G1->viewport()->update();
        QApplication::processEvents();
    }
    welt.meldungenZaehlen(state);
}
BENCHMARK(BM_SpielplanAuslesen13Referenz)->Unit(benchmark::kMicrosecond)->Iterations(200);

void BM_MuellEinfuegenUndAuslesen(benchmark::State& state) {
    Welt welt;
    const QString text = muell();
    for (auto _ : state) {
        welt.M1->setPlainText(text);
        welt.fenster->BAuslesenClick();
        QApplication::processEvents();
    }
    welt.meldungenZaehlen(state);
}
BENCHMARK(BM_MuellEinfuegenUndAuslesen)->Unit(benchmark::kMillisecond)->Iterations(20);

// Reference: the same text put into the field and drawn, nothing read.
void BM_MuellEinfuegenReferenz(benchmark::State& state) {
    Welt welt;
    const QString text = muell();
    for (auto _ : state) {
        welt.M1->setPlainText(text);
        QApplication::processEvents();
    }
    welt.meldungenZaehlen(state);
}
BENCHMARK(BM_MuellEinfuegenReferenz)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
