// The odds filter and the guarantee analysis drawn offscreen, each beside its
// reference in the same run:
// - "Tipps listen" on a 3^13 field whose every row passes the limits, until
//   the row grid shows the rows, against a bare pass over the same 1,594,323
//   rows that keeps those within the limits;
// - the guarantee analysis of a full 3^13 system in its window, until table
//   and charts are drawn, against the analysis alone.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

#include "Programm.h"
#include "common/Fenster.h"
#include "common/Fenstergitter.h"
#include "entry/TFQuotenFilter.h"
#include "expansion/Feld.h"
#include "garantie/Garantieanalyse.h"
#include "garantie/TFGarantie.h"
#include "main/TFMain.h"
#include "model/Schein.h"
#include "model/Spielscheindatei.h"

namespace {

using kv::TScheinOffen;

// All three tips on every match: 1,594,323 rows.
TScheinOffen vollsystem() {
    TScheinOffen t;
    t.ja.fill(1);
    return t;
}

kv::TendenzWerte dreiPunkte() {
    kv::TendenzWerte t{};
    for (auto& w : t) w.Heim = w.Remis = w.Gast = 3;  // every row: Quote 39, within 32 and 50
    return t;
}

struct Welt {
    QTemporaryDir tmp;
    std::unique_ptr<kv::ui::Programm> programm;
    QString voll;

    Welt() {
        qputenv("XDG_DATA_HOME", (tmp.path() + QStringLiteral("/daten")).toUtf8());
        const QString ordner = tmp.path() + QStringLiteral("/daten/Kalvendo/");
        QDir().mkpath(ordner);
        voll = tmp.path() + QStringLiteral("/voll.kv13");
        kv::schreibeSpielschein(voll.toStdString(), {vollsystem()});
        programm = kv::ui::programmAufbauen(ordner);
        programm->hauptfenster().show();
        programm->kontext().zustand().tendenzWerteSetzen(dreiPunkte());
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    }
};

void BM_QuotenfilterVollsystem(benchmark::State& state) {
    Welt welt;
    kv::ui::TFQuotenFilter* w = kv::ui::quotenFilterOeffnen(welt.programm->kontext(), vollsystem());
    QApplication::processEvents();
    for (auto _ : state) {
        w->TippsListenClick();
        QApplication::processEvents();
    }
    state.counters["Reihen"] = static_cast<double>(w->g1()->zeilenAnzahl());
}
BENCHMARK(BM_QuotenfilterVollsystem)->Unit(benchmark::kMillisecond)->Iterations(10);

// Reference: every row of the field generated and its Quote summed, those
// within the limits kept, nothing drawn.
void BM_QuotenfilterReferenz(benchmark::State& state) {
    const kv::Feld feld(vollsystem());
    const kv::TendenzWerte t = dreiPunkte();
    std::size_t n = 0;
    for (auto _ : state) {
        std::vector<kv::Reihe> reihen;
        feld.fuerJedeReihe([&](kv::Reihe r) {
            int q = 0;
            for (int x = 1; x <= kv::kKreuzIndizes; ++x)
                if (r & kv::kreuzBit(x)) q += t[static_cast<std::size_t>((x - 1) / 3)].Remis;
            if (32 < q && q < 50) reihen.push_back(r);
        });
        n = reihen.size();
        benchmark::DoNotOptimize(reihen.data());
    }
    state.counters["Reihen"] = static_cast<double>(n);
}
BENCHMARK(BM_QuotenfilterReferenz)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_GarantieFensterVollsystem(benchmark::State& state) {
    Welt welt;
    welt.programm->hauptfenster().DateienEinlesen(welt.voll);
    auto& befehle = welt.programm->kontext().befehle();
    befehle.ausfuehren(QStringLiteral("GarantieAnalyse1"));
    auto* w = qobject_cast<kv::ui::TFGarantie*>(kv::ui::fensterSuchen(QStringLiteral("FGarantie")));
    QApplication::processEvents();
    for (auto _ : state) {
        w->scheinWaehlen(w->slot());
        QApplication::processEvents();
    }
    state.counters["Garantie"] = w->bericht() ? w->bericht()->alle.garantie : -1;
}
BENCHMARK(BM_GarantieFensterVollsystem)->Unit(benchmark::kMillisecond)->Iterations(20);

// Reference: the analysis of the same slip alone.
void BM_GarantieAnalyseReferenz(benchmark::State& state) {
    const kv::Schein schein({vollsystem()});
    int g = -1;
    for (auto _ : state) {
        const kv::Garantiebericht b = kv::garantieBericht(schein);
        g = b.alle.garantie;
        benchmark::DoNotOptimize(&b);
    }
    state.counters["Garantie"] = g;
}
BENCHMARK(BM_GarantieAnalyseReferenz)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
