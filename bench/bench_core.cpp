// Benchmarks of the core: opening and re-evaluating the largest slips.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <bit>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "evaluation/Auswertung.h"
#include "evaluation/Programmzustand.h"
#include "io/Datei.h"
#include "model/Bitzaehlung.h"
#include "model/Schein.h"
#include "model/Spielscheindatei.h"

namespace {

using namespace kv;

TScheinOffen vollsystem(int dreiwegeBis) {
    TScheinOffen f;
    for (int m = 1; m <= kSpiele; ++m)
        for (int c = 1; c <= kSpalten; ++c) f.setzeKreuz(m, c, m <= dreiwegeBis || c == 1);
    return f;
}

// A valid "4-4" field: 2-ways and 3-ways on random matches, single tips elsewhere.
TScheinOffen vew44(std::mt19937& rng) {
    std::array<int, kSpiele> spiele{};
    for (int m = 0; m < kSpiele; ++m) spiele[m] = m + 1;
    std::shuffle(spiele.begin(), spiele.end(), rng);
    TScheinOffen f;
    f.sys = 13;
    for (int i = 0; i < kSpiele; ++i) {
        const int m = spiele[i];
        const int tipps = i < 4 ? 2 : i < 8 ? 3 : 1;
        const int erster = static_cast<int>(rng() % static_cast<unsigned>(4 - tipps)) + 1;
        for (int c = erster; c < erster + tipps; ++c) f.setzeKreuz(m, c, true);
    }
    return f;
}

TScheinOffen einzelreihe(std::mt19937& rng) {
    TScheinOffen f;
    for (int m = 1; m <= kSpiele; ++m) f.setzeKreuz(m, static_cast<int>(rng() % 3) + 1, true);
    return f;
}

// A temporary folder for the benchmark's files, removed again at exit.
class TempOrdner {
  public:
    TempOrdner() {
        char vorlage[] = "/tmp/kalvendo-bench-XXXXXX";
        pfad_ = ::mkdtemp(vorlage);
    }
    ~TempOrdner() { std::filesystem::remove_all(pfad_); }
    TempOrdner(const TempOrdner&) = delete;
    TempOrdner& operator=(const TempOrdner&) = delete;
    std::string datei(const char* name) const { return pfad_ + "/" + name; }

  private:
    std::string pfad_;
};

std::string tempDatei(const char* name) {
    static const TempOrdner ordner;
    return ordner.datei(name);
}

Ergebnislage lageMitTor(int tor) {
    Ergebnislage l;
    l.gewinnreihe = {1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3, 1};
    l.gewinnreihe[3] = static_cast<std::uint8_t>(1 + tor % 3);  // one goal changes match 4's tendency
    l.beendet = 0x001F;                                         // matches 1..5 finished
    return l;
}

// What the tables of a tab need for one screen after an evaluation: the
// visible lines' hits and chances and the visible entries of the chance lists.
std::uint64_t sichtbareZeilen(const Auswertung& aw, std::uint64_t zeilen) {
    std::uint64_t summe = 0;
    for (std::uint64_t n = 1; n <= 40 && n <= zeilen; ++n) summe += aw.treffer(n) + aw.chance(n);
    for (int x = 0; x < 4; ++x)
        for (std::uint64_t k = 1; k <= 40; ++k) summe += aw.chancenEintrag(x, k);
    return summe;
}

void BM_ExpandFull13(benchmark::State& state) {
    const std::string pfad = tempDatei("voll13.kv13");
    schreibeSpielschein(pfad, {vollsystem(13)});
    for (auto _ : state) {
        Schein schein(leseSchein(pfad));
        benchmark::DoNotOptimize(schein.zeilen());
    }
}
BENCHMARK(BM_ExpandFull13)->Unit(benchmark::kMicrosecond);

void BM_EvaluateFull13(benchmark::State& state) {
    const Schein schein(std::vector<TScheinOffen>{vollsystem(13)});
    int tor = 0;
    for (auto _ : state) {
        const Auswertung aw(schein, lageMitTor(++tor), true);
        benchmark::DoNotOptimize(aw.C());
        benchmark::DoNotOptimize(sichtbareZeilen(aw, schein.zeilen()));
    }
    state.counters["rows"] = static_cast<double>(schein.zeilen());
}
BENCHMARK(BM_EvaluateFull13)->Unit(benchmark::kMicrosecond);

void BM_EvaluateMixed(benchmark::State& state) {
    std::mt19937 rng(4711);
    Programmzustand z;
    std::vector<TScheinOffen> felder;
    for (int i = 0; i < 12; ++i) felder.push_back(vew44(rng));
    const Scheinslot& vew = z.slot(z.scheinOeffnen("vew.kv13", felder, true));
    felder.clear();
    for (int i = 0; i < 12; ++i) felder.push_back(einzelreihe(rng));
    z.linksOeffnen("normal.kv13", felder);
    felder.assign(3, vollsystem(10));
    const Scheinslot& voll = z.slot(z.scheinOeffnen("voll.kv13", felder, true));
    for (int m = 1; m <= 5; ++m) z.setzeBeendet(m, true);
    int tor = 0;
    for (auto _ : state) {
        z.spielstandGeaendert(4, ++tor % 4, 1);
        z.gewinnauswertung();
        for (int s = 0; s < z.scheinAnzahl(); ++s) benchmark::DoNotOptimize(z.slot(s).auswertung->C());
        benchmark::DoNotOptimize(sichtbareZeilen(*vew.auswertung, vew.schein.zeilen()));
        benchmark::DoNotOptimize(sichtbareZeilen(*voll.auswertung, voll.schein.zeilen()));
    }
}
BENCHMARK(BM_EvaluateMixed)->Unit(benchmark::kMicrosecond);

// 2,000,000 single-row fields, as the transfer tool writes a long row list.
const std::string& einzelreihenDatei() {
    static const std::string pfad = [] {
        std::mt19937 rng(13);
        std::vector<TScheinOffen> felder;
        for (int i = 0; i < 2'000'000; ++i) felder.push_back(einzelreihe(rng));
        const std::string p = tempDatei("einzel2m.kv13");
        schreibeSpielschein(p, felder);
        return p;
    }();
    return pfad;
}

// Opening it: read, checked and held at 8 bytes a row...
void BM_Einzelreihen2MOeffnen(benchmark::State& state) {
    const std::string& pfad = einzelreihenDatei();
    for (auto _ : state) {
        const Schein schein = leseSchein(pfad);
        benchmark::DoNotOptimize(schein.zeilen());
    }
}
BENCHMARK(BM_Einzelreihen2MOeffnen)->Unit(benchmark::kMillisecond);

// ... next to reading the same 80 MB file into memory and nothing else.
void BM_RefDatei2MLesen(benchmark::State& state) {
    const std::string& pfad = einzelreihenDatei();
    for (auto _ : state) benchmark::DoNotOptimize(leseDatei(pfad).size());
}
BENCHMARK(BM_RefDatei2MLesen)->Unit(benchmark::kMillisecond);

// One evaluation after a goal change (classes, hits, chances, what a screen
// of the tab shows) ...
void BM_Einzelreihen2MAuswerten(benchmark::State& state) {
    const Schein schein = leseSchein(einzelreihenDatei());
    int tor = 0;
    for (auto _ : state) {
        const Auswertung aw(schein, lageMitTor(++tor), true);
        benchmark::DoNotOptimize(aw.C());
        benchmark::DoNotOptimize(sichtbareZeilen(aw, schein.zeilen()));
    }
    state.counters["rows"] = static_cast<double>(schein.zeilen());
}
BENCHMARK(BM_Einzelreihen2MAuswerten)->Unit(benchmark::kMillisecond);

KV_MIT_POPCNT std::uint64_t trefferSumme(const std::vector<Reihe>& reihen, Reihe W) {
    std::uint64_t summe = 0;
    for (Reihe r : reihen) summe += static_cast<std::uint64_t>(std::popcount(r & W));
    return summe;
}

// ... next to one plain pass over the same rows that only adds up their hits.
void BM_RefEinzelreihen2MTrefferSumme(benchmark::State& state) {
    std::vector<Reihe> reihen;
    leseSchein(einzelreihenDatei()).fuerJedeReihe([&](Reihe r) { reihen.push_back(r); });
    int tor = 0;
    for (auto _ : state) benchmark::DoNotOptimize(trefferSumme(reihen, lageMitTor(++tor).gewinnmenge()));
}
BENCHMARK(BM_RefEinzelreihen2MTrefferSumme)->Unit(benchmark::kMillisecond);

}  // namespace
