// Benchmarks of unsaved work in the normal slip entry window's row list of
// thirteen 3-ways (1,594,323 rows) with one line edited by hand, each next to
// a reference measured in the same run:
// - the check after every keystroke whether the lines still show the listed
//   rows, with the count of the lines shown, against comparing every line's
//   text with its row's text;
// - the draft written after a change (rows and lines, atomically) against
//   "Als Text- Datei" of the same list, the file the user would save.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "eingabe/Entwurf.h"
#include "eingabe/Normalscheinentwurf.h"

namespace {

using namespace kv;

Reihenliste alleReihen() {
    TScheinOffen f;
    f.ja.fill(1);
    Reihenliste l;
    Reihenfilter aus;
    aus.an = false;
    l.auflisten(Feld(f), aus);
    return l;
}

// The list as shown with one line in its middle edited.
struct Bearbeitet {
    Reihenliste liste = alleReihen();
    Zeilentext text;
    Bearbeitet() {
        text.zeigeListe(&liste);
        text.ersetzen(liste.anzahl() / 2, 1, {"1 0 2 1 0 2 1 0 2 1 0 2 x"});
    }
};

std::string ablage(const char* name) {
    const char* tmp = std::getenv("TMPDIR");
    return std::string(tmp && *tmp ? tmp : "/tmp") + "/kalvendo-bench-" + std::to_string(::getpid()) + "-" +
           name;
}

void BM_ZeilenPruefen3hoch13(benchmark::State& state) {
    const Bearbeitet b;
    for (auto _ : state) {
        benchmark::DoNotOptimize(b.text.stimmtMitListe());
        benchmark::DoNotOptimize(b.text.belegteZeilen());
    }
}
BENCHMARK(BM_ZeilenPruefen3hoch13)->Unit(benchmark::kMicrosecond);

void BM_VergleichJedeZeile3hoch13(benchmark::State& state) {
    const Bearbeitet b;
    for (auto _ : state) {
        bool gleich = true;
        for (std::uint64_t i = 0; i < b.text.anzahl() && gleich; ++i)
            gleich = b.text.zeile(i) == zeilentext(b.liste.reihe(i));
        benchmark::DoNotOptimize(gleich);
    }
}
BENCHMARK(BM_VergleichJedeZeile3hoch13)->Unit(benchmark::kMillisecond);

void BM_EntwurfSchreiben3hoch13(benchmark::State& state) {
    const Bearbeitet b;
    const std::string pfad = ablage(kEntwurfDatei);
    for (auto _ : state) {
        NormalscheinTeile t;
        t.liste = &b.liste;
        t.zeilen = &b.text;
        schreibeEntwurf(pfad, Entwurf{std::time(nullptr), {{"Normalschein", normalscheinentwurf(t)}}});
    }
    ::unlink(pfad.c_str());
}
BENCHMARK(BM_EntwurfSchreiben3hoch13)->Unit(benchmark::kMillisecond);

void BM_VergleichTextdateiDerListe3hoch13(benchmark::State& state) {
    const Bearbeitet b;
    const std::string pfad = ablage("zeilen.txt");
    for (auto _ : state) zeilenlisteSpeichern(pfad, b.text.text());
    ::unlink(pfad.c_str());
}
BENCHMARK(BM_VergleichTextdateiDerListe3hoch13)->Unit(benchmark::kMillisecond);

}  // namespace
