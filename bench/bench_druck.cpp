// Benchmarks of the print plan: every mark of every paper slip of the largest
// slip, and of 100 paper slips, each next to the plain expansion of the same
// rows in the same run.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "model/Schein.h"
#include "model/Spielscheindatei.h"
#include "print/Druckplan.h"

namespace {

using namespace kv;

// The slip of one field of thirteen 3-ways (1,594,323 rows) as a file, removed at exit.
class Voll13Datei {
  public:
    Voll13Datei()
        : pfad_((std::filesystem::temp_directory_path() /
                 ("kalvendo-bench-druck-" + std::to_string(::getpid()) + ".kv13"))
                    .string()) {
        TScheinOffen f;
        for (int m = 1; m <= kSpiele; ++m)
            for (int c = 1; c <= kSpalten; ++c) f.setzeKreuz(m, c, true);
        schreibeSpielschein(pfad_, {f});
    }
    ~Voll13Datei() { std::filesystem::remove(pfad_); }
    Voll13Datei(const Voll13Datei&) = delete;
    Voll13Datei& operator=(const Voll13Datei&) = delete;
    const std::string& pfad() const { return pfad_; }

  private:
    std::string pfad_;
};

const Druckspeicher& speicher() {
    static const Voll13Datei datei;
    static const Druckspeicher s = [] {
        Druckspeicher d;
        d.laden(datei.pfad());
        return d;
    }();
    return s;
}

TScheinFormat format() {
    TScheinFormat f;
    f.FelderProReihe = 6;
    for (int feld = 1; feld <= kMaxFelder; ++feld)
        for (int m = 1; m <= kSpiele; ++m)
            for (int b = 1; b <= kSpalten; ++b)
                f.kaestchen(feld, m, b) = {200 * feld + 38 * (b - 1), 200 + 40 * (m - 1)};
    return f;
}

// The print plan of rows 1 .. ende, every slip answered Ja, with slip numbers
// and two add-on marks per slip; returns a sum over all marks.
std::int64_t plane(const Druckspeicher& s, const TScheinFormat& f, std::uint64_t ende) {
    Druckstart st;
    st.ende = std::to_string(ende);
    st.versatz = {100, 127, 600};
    Druckbeginn b = Druckablauf::beginne(s, f, st);
    Scheinangaben angaben;
    angaben.zusatzJa = {true, false, false, false};
    angaben.zus[0][0] = {"300", "2700"};
    angaben.zus[1][1] = {"405", "2755"};
    angaben.nrDrucken = true;
    angaben.nrX = "1900";
    angaben.nrY = "60";
    std::int64_t summe = 0;
    Druckablauf& a = *b.ablauf;
    while (!a.fertig()) {
        if (a.naechsterSchein(angaben)) return -1;
        for (const Druckmarke& m : a.schein().marken) summe += m.punkt.X - m.punkt.Y;
        a.antwort(Druckantwort::Ja);
    }
    return summe;
}

// The reference: the same rows expanded in order and split into their tips.
std::int64_t expandiere(const Schein& schein) {
    std::int64_t summe = 0;
    schein.fuerJedeReihe([&](Reihe r) {
        for (std::uint8_t c : spaltenDerReihe(r)) summe += c;
    });
    return summe;
}

// The reference for a part of the slip: each row found by its number.
std::int64_t expandiere(const Schein& schein, std::uint64_t ende) {
    std::int64_t summe = 0;
    for (std::uint64_t z = 1; z <= ende; ++z)
        for (std::uint8_t c : spaltenDerReihe(schein.reihe(z))) summe += c;
    return summe;
}

void BM_DruckplanVoll13(benchmark::State& state) {
    const Druckspeicher& s = speicher();
    const TScheinFormat f = format();
    for (auto _ : state) benchmark::DoNotOptimize(plane(s, f, s.reihen()));
    state.counters["Reihen"] = static_cast<double>(s.reihen());
}
BENCHMARK(BM_DruckplanVoll13)->Unit(benchmark::kMillisecond);

void BM_ExpansionVoll13Referenz(benchmark::State& state) {
    const Druckspeicher& s = speicher();
    for (auto _ : state) benchmark::DoNotOptimize(expandiere(*s.schein()));
    state.counters["Reihen"] = static_cast<double>(s.reihen());
}
BENCHMARK(BM_ExpansionVoll13Referenz)->Unit(benchmark::kMillisecond);

// 100 paper slips of 12 fields: the print run the window's PDF test makes.
void BM_Druckplan100Scheine(benchmark::State& state) {
    const Druckspeicher& s = speicher();
    const TScheinFormat f = format();
    for (auto _ : state) benchmark::DoNotOptimize(plane(s, f, 1200));
}
BENCHMARK(BM_Druckplan100Scheine)->Unit(benchmark::kMicrosecond);

void BM_Expansion1200Referenz(benchmark::State& state) {
    const Druckspeicher& s = speicher();
    for (auto _ : state) benchmark::DoNotOptimize(expandiere(*s.schein(), 1200));
}
BENCHMARK(BM_Expansion1200Referenz)->Unit(benchmark::kMicrosecond);

}  // namespace
