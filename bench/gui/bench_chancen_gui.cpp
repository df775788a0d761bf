// The line "Wahrscheinlichkeit" in the main window, offscreen, each beside
// its reference in the same run:
// - a 13 x 3 full system opened as a tab until its line shows the figures,
//   beside the same opening until the tab is drawn with its counts; the
//   counter UI_ms is how long the user interface thread was busy (the
//   figures come from another thread meanwhile, the line shows "…");
// - with twelve such tabs, a goal change and a match finished until every
//   line shows its figures, beside the same change until the counts are drawn;
// - 2,000,000 single-row fields: opening and a match finished, the same way.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "../Beispiele.h"
#include "Programm.h"
#include "chancen/Chancenzeile.h"
#include "common/UpDown.h"
#include "main/TFMain.h"
#include "main/TFfrErg.h"
#include "model/Spielscheindatei.h"

namespace {

using kv::TScheinOffen;

TScheinOffen vollsystem() {
    TScheinOffen f;
    f.ja.fill(1);
    return f;
}

struct Welt {
    QTemporaryDir tmp;
    std::unique_ptr<kv::ui::Programm> programm;
    kv::ui::TFMain* w = nullptr;

    Welt() {
        qputenv("XDG_DATA_HOME", (tmp.path() + QStringLiteral("/daten")).toUtf8());
        const QString ordner = tmp.path() + QStringLiteral("/daten/Kalvendo/");
        QDir().mkpath(ordner);
        programm = kv::ui::programmAufbauen(ordner);
        w = &programm->hauptfenster();
        w->show();
        programm->kontext().zustand().tendenzWerteSetzen(kv::bench::beispielTendenzen());
        QApplication::processEvents();
    }
    QString schein(const QString& name, const std::vector<TScheinOffen>& felder) const {
        const QString fn = tmp.path() + QLatin1Char('/') + name;
        kv::schreibeSpielschein(fn.toStdString(), felder);
        return fn;
    }
    // Every line shown has the figures of the present state.
    bool bereit() const {
        for (const auto* z : w->findChildren<kv::ui::Chancenzeile*>())
            if (!z->isHidden() && !z->rechner().chancen()) return false;
        return true;
    }
    void warten() const {
        while (!bereit()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        QApplication::processEvents();
    }
    // Match 1 flips between running and finished (1:0 at start).
    void beendetUmschalten() {
        w->BRunClick(1);
        QApplication::processEvents();
    }
};

QString einzel2M(const Welt& welt) {
    std::vector<TScheinOffen> felder(2000000);
    std::mt19937 zufall(13);
    for (TScheinOffen& f : felder)
        for (int m = 1; m <= kv::kSpiele; ++m) f.setzeKreuz(m, static_cast<int>(zufall() % 3) + 1, true);
    return welt.schein(QStringLiteral("einzel2m.kv13"), felder);
}

// Opens the slip as a tab: `mitZahlen` until its line shows the figures.
void oeffnen(benchmark::State& state, bool gross, bool mitZahlen) {
    Welt welt;
    const QString vorlage = gross ? einzel2M(welt) : welt.schein(QStringLiteral("voll.kv13"), {vollsystem()});
    double ui = 0;
    int n = 0;
    for (auto _ : state) {
        // a file open as a tab would only come to the front: every time a copy
        state.PauseTiming();
        const QString fn = welt.tmp.path() + QStringLiteral("/kopie%1.kv13").arg(++n);
        QFile::copy(vorlage, fn);
        state.ResumeTiming();
        QElapsedTimer t;
        t.start();
        welt.w->PC1()->setCurrentWidget(welt.w->DateienEinlesen(fn));
        QApplication::processEvents();
        ui += static_cast<double>(t.nsecsElapsed()) / 1e6;
        if (mitZahlen) {
            welt.warten();
        } else {
            state.PauseTiming();
            welt.warten();
            state.ResumeTiming();
        }
    }
    state.counters["UI_ms"] = ui / static_cast<double>(state.iterations());
    state.SetLabel(gross ? "2.000.000 Einzelreihen" : "13x3-Vollsystem");
}

void BM_ChancenTabOeffnen(benchmark::State& state) {
    oeffnen(state, state.range(0) != 0, true);
}
BENCHMARK(BM_ChancenTabOeffnen)->Arg(0)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChancenTabOeffnen)->Arg(1)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_ChancenTabOeffnenReferenz(benchmark::State& state) {
    oeffnen(state, state.range(0) != 0, false);
}
BENCHMARK(BM_ChancenTabOeffnenReferenz)->Arg(0)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChancenTabOeffnenReferenz)->Arg(1)->Iterations(3)->Unit(benchmark::kMillisecond);

// A change with the slips open: range(0) = 12 tabs of 13 x 3 (0) or the
// 2,000,000 single rows (1); range(1) = a goal of a running match (0) or
// match 1 finished / running (1); `mitZahlen` until every line is done.
void aendern(benchmark::State& state, bool mitZahlen) {
    Welt welt;
    const bool gross = state.range(0) != 0;
    if (gross) {
        welt.w->DateienEinlesen(einzel2M(welt));
    } else {
        for (int t = 0; t < 12; ++t)
            welt.w->DateienEinlesen(welt.schein(QStringLiteral("voll%1.kv13").arg(t), {vollsystem()}));
    }
    welt.w->frSpiel(1)->Up1()->setzePosition(1);
    welt.warten();
    const bool beenden = state.range(1) != 0;
    kv::ui::UpDown* gast = welt.w->frSpiel(4)->Up2();
    int tore = 0;
    for (auto _ : state) {
        if (beenden) {
            welt.beendetUmschalten();
        } else {
            gast->setzePosition(tore = 1 - tore);
            QApplication::processEvents();
        }
        if (mitZahlen) {
            welt.warten();
        } else {
            state.PauseTiming();
            welt.warten();
            state.ResumeTiming();
        }
    }
    state.SetLabel(std::string(gross ? "2.000.000 Einzelreihen" : "12 Tabs 13x3") +
                   (beenden ? ", Spiel beendet" : ", Tor"));
}

void BM_ChancenAenderung(benchmark::State& state) {
    aendern(state, true);
}
BENCHMARK(BM_ChancenAenderung)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

void BM_ChancenAenderungReferenz(benchmark::State& state) {
    aendern(state, false);
}
BENCHMARK(BM_ChancenAenderungReferenz)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

}  // namespace
