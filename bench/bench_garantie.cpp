// Guarantee analysis and guaranteed reduction, each next to a straightforward
// yardstick measured in the same run:
// - the analysis against the per-outcome scan (for every outcome, the most
//   hits of any row: what a plain implementation does; it gives the same
//   figures) on a "4-4" field, and against the plain expansion of the same
//   rows for the largest slips (any analysis has to look at every row once);
// - the reduction against a first-fit covering of the whole field (take the
//   first outcome no row covers yet as a row), with the row counts of both as
//   counters.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

#include "Beispiele.h"
#include "garantie/Garantieanalyse.h"
#include "garantie/Garantiereduktion.h"
#include "model/Schein.h"

namespace {

using namespace kv;

TScheinOffen feldAus(const char* const (&tipps)[kSpiele], int sys = 0) {
    TScheinOffen f;
    f.sys = static_cast<std::uint8_t>(sys);
    for (int m = 1; m <= kSpiele; ++m)
        for (const char* z = tipps[m - 1]; *z; ++z) f.setzeKreuz(m, spalteVonZiffer(*z - '0'), true);
    return f;
}

// A field with `zweier` 2-ways first, then `dreier` 3-ways, then single tips.
TScheinOffen form(int zweier, int dreier) {
    TScheinOffen f;
    for (int m = 1; m <= kSpiele; ++m) {
        const int tipps = m <= zweier ? 2 : m <= zweier + dreier ? 3 : 1;
        for (int c = 1; c <= tipps; ++c) f.setzeKreuz(m, c, true);
    }
    return f;
}

TScheinOffen vew44() {
    const char* const t[kSpiele] = {"10",  "102", "1",  "02",  "102", "0", "12",
                                    "102", "2",   "10", "102", "1",   "0"};
    return feldAus(t, 13);
}

const Schein& vollSchein() {
    static const Schein s({form(0, 13)});
    return s;
}

void BM_GarantieVoll13(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(garantieBericht(vollSchein()).alle.garantie);
}
BENCHMARK(BM_GarantieVoll13)->Unit(benchmark::kMillisecond);

void BM_RefExpansionVoll13(benchmark::State& state) {
    for (auto _ : state) {
        Reihe x = 0;
        vollSchein().fuerJedeReihe([&](Reihe r) { x ^= r; });
        benchmark::DoNotOptimize(x);
    }
}
BENCHMARK(BM_RefExpansionVoll13)->Unit(benchmark::kMillisecond);

// The 59,049 rows of the reduced thirteen 3-ways, as single-row fields.
const Schein& reduzierterSchein() {
    static const Schein s = [] {
        std::vector<TScheinOffen> felder;
        for (Reihe r : garantieReduktion(form(0, 13))) {
            TScheinOffen f;
            for (int m = 1; m <= kSpiele; ++m) f.setzeKreuz(m, spaltenDerReihe(r)[m - 1], true);
            felder.push_back(f);
        }
        return Schein(felder);
    }();
    return s;
}

void BM_GarantieReduziert59049(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(garantieBericht(reduzierterSchein()).alle.garantie);
}
BENCHMARK(BM_GarantieReduziert59049)->Unit(benchmark::kMillisecond);

void BM_RefExpansionReduziert59049(benchmark::State& state) {
    for (auto _ : state) {
        Reihe x = 0;
        reduzierterSchein().fuerJedeReihe([&](Reihe r) { x ^= r; });
        benchmark::DoNotOptimize(x);
    }
}
BENCHMARK(BM_RefExpansionReduziert59049)->Unit(benchmark::kMillisecond);

// Two million single-row fields (a long row list of the transfer tool): the
// report holds their run as one entry, so the analysis costs about what
// looking at every row once costs.
using kv::bench::einzelreihen2M;

void BM_GarantieEinzelreihen2M(benchmark::State& state) {
    for (auto _ : state) {
        const Garantiebericht b = garantieBericht(einzelreihen2M());
        benchmark::DoNotOptimize(b.alle.garantie);
        state.counters["felder"] = static_cast<double>(b.feldAnzahl());
    }
}
BENCHMARK(BM_GarantieEinzelreihen2M)->Unit(benchmark::kMillisecond);

void BM_RefExpansionEinzelreihen2M(benchmark::State& state) {
    for (auto _ : state) {
        Reihe x = 0;
        einzelreihen2M().fuerJedeReihe([&](Reihe r) { x ^= r; });
        benchmark::DoNotOptimize(x);
    }
}
BENCHMARK(BM_RefExpansionEinzelreihen2M)->Unit(benchmark::kMillisecond);

// Twelve "4-4" fields (1,728 rows), the largest normal VEW slip.
void BM_GarantieVew12(benchmark::State& state) {
    const Schein s(std::vector<TScheinOffen>(12, vew44()));
    for (auto _ : state) benchmark::DoNotOptimize(garantieBericht(s).alle.garantie);
}
BENCHMARK(BM_GarantieVew12)->Unit(benchmark::kMillisecond);

void BM_GarantieVew1(benchmark::State& state) {
    const Schein s({vew44()});
    for (auto _ : state) benchmark::DoNotOptimize(garantieBericht(s).alle.garantie);
}
BENCHMARK(BM_GarantieVew1)->Unit(benchmark::kMillisecond);

// For every outcome the most hits of any of the 144 rows.
void BM_RefScanVew1(benchmark::State& state) {
    const Feld f(vew44());
    const std::vector<Reihe>& reihen = f.vewReihen();
    for (auto _ : state) {
        std::array<std::uint64_t, kSpiele + 1> je{};
        std::array<std::uint8_t, kSpiele> a{};
        a.fill(1);
        for (std::uint32_t i = 0; i < kAlleAusgaenge; ++i) {
            const Reihe w = reiheAusSpalten(a);
            int beste = 0;
            for (Reihe r : reihen) beste = std::max(beste, treffer(r, w));
            ++je[static_cast<std::size_t>(beste)];
            for (int m = kSpiele - 1; m >= 0 && ++a[m] > 3; --m) a[m] = 1;
        }
        benchmark::DoNotOptimize(je);
    }
}
BENCHMARK(BM_RefScanVew1)->Unit(benchmark::kMillisecond);

struct Form {
    int zweier, dreier, radius;
};
const Form kFormen[] = {{0, 13, 1}, {3, 4, 1},  {5, 3, 1},  {0, 8, 1},
                        {6, 7, 1},  {13, 0, 1}, {0, 13, 2}, {6, 7, 2}};

void BM_Reduktion(benchmark::State& state) {
    const Form f = kFormen[state.range(0)];
    ReduktionsOptionen o;
    o.radius = f.radius;
    o.zeitLimit = std::nullopt;
    std::size_t n = 0;
    for (auto _ : state) n = garantieReduktion(form(f.zweier, f.dreier), o).size();
    state.counters["reihen"] = static_cast<double>(n);
    state.SetLabel(std::to_string(f.zweier) + "-" + std::to_string(f.dreier) + " R" +
                   std::to_string(f.radius));
}
BENCHMARK(BM_Reduktion)->DenseRange(0, 7)->Unit(benchmark::kMillisecond)->Iterations(1);

// First fit over the field's outcomes (mixed radix, 2-ways first).
void BM_RefErsteFreie(benchmark::State& state) {
    const Form f = kFormen[state.range(0)];
    const int n = f.zweier + f.dreier;
    std::vector<std::uint32_t> basis(static_cast<std::size_t>(n)), stelle(static_cast<std::size_t>(n));
    std::uint32_t groesse = 1;
    for (int k = n - 1; k >= 0; --k) {
        basis[static_cast<std::size_t>(k)] = k < f.zweier ? 2 : 3;
        stelle[static_cast<std::size_t>(k)] = groesse;
        groesse *= basis[static_cast<std::size_t>(k)];
    }
    std::size_t reihen = 0;
    for (auto _ : state) {
        std::vector<std::uint8_t> gedeckt(groesse, 0);
        reihen = 0;
        // Marks every outcome within `rest` changes of coordinates >= k.
        auto decke = [&](auto& selbst, std::uint32_t x, int k, int rest) -> void {
            gedeckt[x] = 1;
            if (rest == 0) return;
            for (int j = k; j < n; ++j) {
                const auto b = basis[static_cast<std::size_t>(j)], s = stelle[static_cast<std::size_t>(j)];
                const std::uint32_t wert = x / s % b;
                for (std::uint32_t v = 0; v < b; ++v)
                    if (v != wert) selbst(selbst, x - wert * s + v * s, j + 1, rest - 1);
            }
        };
        for (std::uint32_t x = 0; x < groesse; ++x)
            if (!gedeckt[x]) {
                ++reihen;
                decke(decke, x, 0, f.radius);
            }
        benchmark::DoNotOptimize(gedeckt.data());
    }
    state.counters["reihen"] = static_cast<double>(reihen);
    state.SetLabel(std::to_string(f.zweier) + "-" + std::to_string(f.dreier) + " R" +
                   std::to_string(f.radius));
}
BENCHMARK(BM_RefErsteFreie)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

}  // namespace
