// The main window under load: a 12-field slip on the left and a full 13 x 3
// system (1,594,323 rows) as a tab. Measured: one goal change until every
// table and colour is updated and drawn, opening the system as a new tab
// until it is shown, and scrolling a row table to its last row. Runs on the
// offscreen platform in a temporary data folder.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

#include "Programm.h"
#include "common/Fenstergitter.h"
#include "common/UpDown.h"
#include "main/TFMain.h"
#include "main/TFfrErg.h"
#include "main/TFfrGrid.h"
#include "model/Spielscheindatei.h"

namespace {

using kv::TScheinOffen;

TScheinOffen feld(const char* ziffern) {
    TScheinOffen f;
    // ziffern: 13 groups separated by '|', e.g. "1|10|102|..."
    int m = 1;
    for (const char* z = ziffern; *z && m <= 13; ++z) {
        if (*z == '|') {
            ++m;
            continue;
        }
        f.setzeKreuz(m, kv::spalteVonZiffer(*z - '0'), true);
    }
    return f;
}

struct Welt {
    QTemporaryDir tmp;
    QString links, voll;
    std::unique_ptr<kv::ui::Programm> programm;
    kv::ui::TFMain* w = nullptr;

    Welt() {
        qputenv("XDG_DATA_HOME", (tmp.path() + QStringLiteral("/daten")).toUtf8());
        const QString ordner = tmp.path() + QStringLiteral("/daten/Kalvendo/");
        QDir().mkpath(ordner);
        std::vector<TScheinOffen> zwoelf;
        for (int i = 0; i < 12; ++i)
            zwoelf.push_back(i % 3 == 0   ? feld("10|1|0|2|102|1|0|2|1|0|2|1|0")
                             : i % 3 == 1 ? feld("1|0|2|1|0|2|1|0|2|1|0|2|1")
                                          : feld("2|2|0|0|1|1|2|2|0|0|1|1|2"));
        links = tmp.path() + QStringLiteral("/links.kv13");
        voll = tmp.path() + QStringLiteral("/voll.kv13");
        kv::schreibeSpielschein(links.toStdString(), zwoelf);
        kv::schreibeSpielschein(voll.toStdString(),
                                {feld("102|102|102|102|102|102|102|102|102|102|102|102|102")});
        programm = kv::ui::programmAufbauen(ordner);
        w = &programm->hauptfenster();
        w->show();
        QApplication::processEvents();
        w->DateiEinlesen(links);
        w->DateienEinlesen(voll);
        QApplication::processEvents();
    }
};

// One goal of match 4 up and down again: each change evaluates every slip,
// refills the tables, recolours the left slip; then the pending paints run.
void BM_Torwechsel(benchmark::State& state) {
    Welt welt;
    kv::ui::UpDown* gast = welt.w->frSpiel(4)->Up2();
    int tore = 0;
    for (auto _ : state) {
        tore = 1 - tore;
        gast->setzePosition(tore);
        QApplication::processEvents();
    }
    state.SetLabel("Auswertung + Tabellen + Farben + Zeichnen");
}
BENCHMARK(BM_Torwechsel)->Unit(benchmark::kMillisecond)->Iterations(200);

// The same with the whole window drawn anew after every change (worst case).
void BM_TorwechselGanzesFenster(benchmark::State& state) {
    Welt welt;
    kv::ui::UpDown* gast = welt.w->frSpiel(4)->Up2();
    int tore = 0;
    for (auto _ : state) {
        tore = 1 - tore;
        gast->setzePosition(tore);
        welt.w->repaint();
    }
}
BENCHMARK(BM_TorwechselGanzesFenster)->Unit(benchmark::kMillisecond)->Iterations(50);

// Opening the full 13 x 3 system as a further tab until it is drawn.
void BM_VollsystemOeffnen(benchmark::State& state) {
    Welt welt;
    for (auto _ : state) {
        // a tab opened this way does not become the active page: show it
        welt.w->PC1()->setCurrentWidget(welt.w->DateienEinlesen(welt.voll));
        QApplication::processEvents();
    }
    state.SetLabel("1.594.323 Reihen als Tab");
}
BENCHMARK(BM_VollsystemOeffnen)->Unit(benchmark::kMillisecond)->Iterations(10);

// Scrolling a tab's row table from its first row to its last and back, drawn:
// the argument is the number of full 13 x 3 systems in the slip (12: 19,131,876
// rows); 0, a slip of one single row, is the reference. The view holds only
// the rows it shows, so every row count costs the same.
void BM_ZurLetztenZeile(benchmark::State& state) {
    Welt welt;
    const QString fn = welt.tmp.path() + QStringLiteral("/zeilen.kv13");
    const auto systeme = static_cast<std::size_t>(state.range(0));
    kv::schreibeSpielschein(fn.toStdString(),
                            systeme == 0
                                ? std::vector<TScheinOffen>{feld("1|0|2|1|0|2|1|0|2|1|0|2|1")}
                                : std::vector<TScheinOffen>(
                                      systeme, feld("102|102|102|102|102|102|102|102|102|102|102|102|102")));
    QWidget* tab = welt.w->DateienEinlesen(fn);
    welt.w->PC1()->setCurrentWidget(tab);
    QApplication::processEvents();
    kv::ui::Fenstergitter* g = tab->findChild<kv::ui::TFfrGrid*>()->GReihen();
    for (auto _ : state) {
        g->setzeAktuelleZeile(g->zeilenAnzahl() - 1);
        QApplication::processEvents();
        g->setzeAktuelleZeile(0);
        QApplication::processEvents();
    }
    state.counters["Reihen"] = static_cast<double>(g->zeilenAnzahl());
}
BENCHMARK(BM_ZurLetztenZeile)->Arg(0)->Arg(1)->Arg(12)->Unit(benchmark::kMillisecond)->Iterations(50);

// The start until the main window is shown, with a settings file that
// remembers one slip as a tab and gives [Spielscheine] "Dateienanzahl" as the
// argument: 1 is the reference, 2147483647 a broken count that must cost no
// more than it.
void BM_StartMitDateienanzahl(benchmark::State& state) {
    QTemporaryDir tmp;
    const QString ordner = tmp.path() + QStringLiteral("/Kalvendo/");
    QDir().mkpath(ordner);
    const QString tab = tmp.path() + QStringLiteral("/tab.kv13");
    kv::schreibeSpielschein(tab.toStdString(), {feld("1|0|2|1|0|2|1|0|2|1|0|2|1")});
    QFile ini(ordner + QStringLiteral("Einstellungen.ini"));
    if (!ini.open(QIODevice::WriteOnly)) state.SkipWithError("Einstellungen nicht geschrieben");
    ini.write(QStringLiteral("[Spielscheine]\nDateienanzahl=%1\nDatei1=%2\n")
                  .arg(state.range(0))
                  .arg(tab)
                  .toUtf8());
    ini.close();
    for (auto _ : state) {
        auto programm = kv::ui::programmAufbauen(ordner);
        programm->hauptfenster().show();
        QApplication::processEvents();
        if (programm->hauptfenster().PC1()->count() != 1) state.SkipWithError("Tab nicht geöffnet");
    }
}
BENCHMARK(BM_StartMitDateienanzahl)->Arg(1)->Arg(2147483647)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
