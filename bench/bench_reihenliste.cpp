// Benchmarks of the normal slip entry window's row list and of the odds
// filter on a field of thirteen 3-ways (1,594,323 rows), each next to a
// straightforward reference measured in the same run:
// - listing (filter off and on) against a plain recursive expansion into a
//   vector of rows;
// - the random reduction to 12 rows against the stated exchange procedure
//   run over the whole list;
// - the text file against a plain C loop writing the same bytes (with the
//   same flush to disk);
// - the odds filter's listing against summing each row's 13 tendency values.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "eingabe/Quotenfilter.h"
#include "eingabe/Reihenliste.h"

namespace {

using namespace kv;

constexpr std::uint64_t kAlleReihen = 1594323;

TScheinOffen dreizehnDreiwege() {
    TScheinOffen f;
    f.ja.fill(1);
    return f;
}

TendenzWerte tendenzen() {
    TendenzWerte t;
    const TTendenzWert werte[] = {{3, 5, 2}, {3, 4, 3}, {4, 4, 2}, {3, 3, 4}, {2, 6, 2}};
    for (int m = 0; m < kSpiele; ++m) t[static_cast<std::size_t>(m)] = werte[m % 5];
    return t;
}

// The reference expansion: nested loops, match 1 outermost.
void expandiere(const TippListen& l, int m, Reihe r, std::vector<Reihe>& aus) {
    if (m == kSpiele) {
        aus.push_back(r);
        return;
    }
    for (int i = 0; i < l.anzahl[m]; ++i) expandiere(l, m + 1, r | kreuzBit(l.kreuz[m][i]), aus);
}

std::vector<Reihe> referenzReihen(const TScheinOffen& f) {
    std::vector<Reihe> aus;
    aus.reserve(kAlleReihen);
    expandiere(tippListen(f), 0, 0, aus);
    return aus;
}

void BM_Auflisten3hoch13(benchmark::State& state) {
    const Feld feld(dreizehnDreiwege());
    Reihenfilter filter;
    filter.an = state.range(0) != 0;
    Reihenliste l;
    for (auto _ : state) {
        l.auflisten(feld, filter);
        benchmark::DoNotOptimize(l.anzahl());
    }
    state.counters["reihen"] = static_cast<double>(l.anzahl());
}
BENCHMARK(BM_Auflisten3hoch13)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_VergleichExpansion3hoch13(benchmark::State& state) {
    const TScheinOffen f = dreizehnDreiwege();
    for (auto _ : state) benchmark::DoNotOptimize(referenzReihen(f).size());
}
BENCHMARK(BM_VergleichExpansion3hoch13)->Unit(benchmark::kMillisecond);

void BM_Zufallsreduktion3hoch13Auf12(benchmark::State& state) {
    Reihenliste voll;
    Reihenfilter aus;
    aus.an = false;
    voll.auflisten(Feld(dreizehnDreiwege()), aus);
    Zufallsgenerator z(1);
    for (auto _ : state) {
        state.PauseTiming();
        Reihenliste l = voll;
        state.ResumeTiming();
        l.reduzieren(12, z);
        benchmark::DoNotOptimize(l.anzahl());
    }
}
BENCHMARK(BM_Zufallsreduktion3hoch13Auf12)->Unit(benchmark::kMillisecond);

void BM_VergleichAustausch3hoch13(benchmark::State& state) {
    const std::vector<Reihe> voll = referenzReihen(dreizehnDreiwege());
    std::mt19937_64 g(1);
    for (auto _ : state) {
        std::vector<std::uint64_t> folge(voll.size());
        for (std::uint64_t i = 0; i < folge.size(); ++i) folge[i] = i;
        for (std::uint64_t i = 0; i < folge.size(); ++i)
            std::swap(folge[i],
                      folge[i + std::uniform_int_distribution<std::uint64_t>(0, folge.size() - i - 1)(g)]);
        std::vector<Reihe> neu;
        for (int i = 0; i < 12; ++i) neu.push_back(voll[folge[static_cast<std::size_t>(i)]]);
        benchmark::DoNotOptimize(neu.data());
    }
}
BENCHMARK(BM_VergleichAustausch3hoch13)->Unit(benchmark::kMillisecond);

std::string ablage(const char* name) {
    const char* tmp = std::getenv("TMPDIR");
    return std::string(tmp && *tmp ? tmp : "/tmp") + "/kalvendo-bench-" + std::to_string(::getpid()) + "-" +
           name;
}

void BM_Textdatei3hoch13(benchmark::State& state) {
    Reihenliste l;
    Reihenfilter aus;
    aus.an = false;
    l.auflisten(Feld(dreizehnDreiwege()), aus);
    const std::string pfad = ablage("reihen.txt");
    for (auto _ : state) l.alsTextDatei(pfad);
    ::unlink(pfad.c_str());
}
BENCHMARK(BM_Textdatei3hoch13)->Unit(benchmark::kMillisecond);

void BM_VergleichCSchleife3hoch13(benchmark::State& state) {
    const std::string pfad = ablage("referenz.txt");
    for (auto _ : state) {
        FILE* f = std::fopen(pfad.c_str(), "wb");
        char zeile[28] = "1,1,1,1,1,1,1,1,1,1,1,1,1\r\n";
        int tipp[13] = {};
        const char ziffer[3] = {'1', '0', '2'};
        for (std::uint64_t k = 0; k < kAlleReihen; ++k) {
            std::fwrite(zeile, 1, 27, f);
            for (int m = 12; m >= 0; --m) {  // the next row: match 13 fastest
                tipp[m] = (tipp[m] + 1) % 3;
                zeile[2 * m] = ziffer[tipp[m]];
                if (tipp[m] != 0) break;
            }
        }
        std::fflush(f);
        ::fsync(::fileno(f));
        std::fclose(f);
    }
    ::unlink(pfad.c_str());
}
BENCHMARK(BM_VergleichCSchleife3hoch13)->Unit(benchmark::kMillisecond);

void BM_Quotenfilter3hoch13(benchmark::State& state) {
    const TScheinOffen f = dreizehnDreiwege();
    const TendenzWerte t = tendenzen();
    std::size_t n = 0;
    for (auto _ : state) {
        n = quotenReihen(f, t, 32, 40).size();
        benchmark::DoNotOptimize(n);
    }
    state.counters["reihen"] = static_cast<double>(n);
}
BENCHMARK(BM_Quotenfilter3hoch13)->Unit(benchmark::kMillisecond);

void BM_VergleichQuotensumme3hoch13(benchmark::State& state) {
    const Feld feld(dreizehnDreiwege());
    const TendenzWerte t = tendenzen();
    for (auto _ : state) {
        std::vector<Reihe> aus;
        feld.fuerJedeReihe([&](Reihe r) {
            std::int64_t q = 0;
            if (QuotenProof(r, t, 32, 40, q)) aus.push_back(r);
        });
        benchmark::DoNotOptimize(aus.size());
    }
}
BENCHMARK(BM_VergleichQuotensumme3hoch13)->Unit(benchmark::kMillisecond);

}  // namespace
