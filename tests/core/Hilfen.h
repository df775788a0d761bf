// Small helpers shared by the core tests: building fields from digit strings,
// temporary folders, and an independent straightforward expansion to compare
// the real one against.
#pragma once

#include <stdlib.h>
#include <sys/wait.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "model/Records.h"

namespace kv::test {

// A field from 13 groups of shown digits, e.g. {"1", "10", "102", ...}.
inline TScheinOffen feldAus(const std::array<std::string, kSpiele>& tipps, int sys = 0) {
    TScheinOffen f;
    f.sys = static_cast<std::uint8_t>(sys);
    for (int m = 1; m <= kSpiele; ++m)
        for (char z : tipps[m - 1]) f.setzeKreuz(m, spalteVonZiffer(z - '0'), true);
    return f;
}

// Tendency points of a match: home, draw, away.
inline TTendenzWert tw(int heim, int remis, int gast) {
    TTendenzWert w;
    w.Heim = static_cast<std::uint8_t>(heim);
    w.Remis = static_cast<std::uint8_t>(remis);
    w.Gast = static_cast<std::uint8_t>(gast);
    return w;
}

// A single row from 13 shown digits, e.g. "1021102210010".
inline TScheinOffen reiheAus(const std::string& ziffern) {
    std::array<std::string, kSpiele> t;
    for (int m = 0; m < kSpiele; ++m) t[m] = std::string(1, ziffern[m]);
    return feldAus(t);
}

// Every row of a full system by plain nested recursion over the crossed
// columns, match 1 outermost: the rows as digit strings.
inline void alleKombinationen(const TScheinOffen& f, int m, std::string& aktuell,
                              std::vector<std::string>& aus) {
    if (m > kSpiele) {
        aus.push_back(aktuell);
        return;
    }
    for (int c = 1; c <= kSpalten; ++c)
        if (f.kreuz(m, c)) {
            aktuell.push_back(zeichenVonSpalte(c));
            alleKombinationen(f, m + 1, aktuell, aus);
            aktuell.pop_back();
        }
}

inline std::vector<std::string> referenzReihen(const TScheinOffen& f) {
    std::vector<std::string> aus;
    std::string a;
    alleKombinationen(f, 1, a, aus);
    return aus;
}

// A random full-system field with at most `maxMehrwege` 2-/3-ways.
inline TScheinOffen zufallsfeld(std::mt19937& rng, int maxMehrwege) {
    TScheinOffen f;
    int mehr = 0;
    for (int m = 1; m <= kSpiele; ++m) {
        const bool mehrweg = mehr < maxMehrwege && rng() % 3 == 0;
        int n = 0;
        for (int c = 1; c <= kSpalten; ++c) {
            const bool an = mehrweg ? rng() % 3 != 0 : false;
            f.setzeKreuz(m, c, an);
            n += an;
        }
        if (n == 0) f.setzeKreuz(m, static_cast<int>(rng() % 3) + 1, true);
        if (n >= 2) ++mehr;
    }
    return f;
}

class TempOrdner {
  public:
    TempOrdner() {
        std::string vorlage = (std::filesystem::temp_directory_path() / "kalvendo-test-XXXXXX").string();
        pfad_ = ::mkdtemp(vorlage.data());
    }
    ~TempOrdner() {
        std::error_code ec;
        std::filesystem::remove_all(pfad_, ec);
    }
    TempOrdner(const TempOrdner&) = delete;
    TempOrdner& operator=(const TempOrdner&) = delete;
    std::string datei(const std::string& name) const { return (pfad_ / name).string(); }
    const std::filesystem::path& pfad() const { return pfad_; }

  private:
    std::filesystem::path pfad_;
};

// The bytes this process has read with read() so far ("rchar" of
// /proc/self/io; reading that file counts too, a few hundred bytes). What a
// reader read is the difference around it. 0 when the kernel does not tell.
inline std::uint64_t geleseneBytes() {
    std::ifstream io("/proc/self/io");
    std::string schluessel;
    std::uint64_t wert = 0;
    while (io >> schluessel >> wert)
        if (schluessel == "rchar:") return wert;
    return 0;
}

// A file of `groesse` zero bytes that takes no room on the disk.
inline void leereDatei(const std::string& pfad, std::uintmax_t groesse) {
    std::ofstream(pfad, std::ios::binary | std::ios::trunc).close();
    std::filesystem::resize_file(pfad, groesse);
}

// One run of kalvendo-cli: exit status, standard output and standard error.
struct CliLauf {
    int status;
    std::string out, err;
};

// Runs `VORSPANN kalvendo-cli ARGUMENTE` through the shell (VORSPANN e.g.
// "ulimit -v 100000;" or "timeout 10"); stderr goes through a file in `ordner`.
inline CliLauf starteCli(const TempOrdner& ordner, const std::string& argumente,
                         const std::string& vorspann = "") {
    const std::string errDatei = ordner.datei("stderr.txt");
    const std::string befehl =
        vorspann + " " + std::string(KALVENDO_CLI_PATH) + " " + argumente + " 2>" + errDatei;
    FILE* p = ::popen(befehl.c_str(), "r");
    CliLauf l{};
    std::array<char, 65536> puffer{};
    for (std::size_t n; (n = std::fread(puffer.data(), 1, puffer.size(), p)) > 0;)
        l.out.append(puffer.data(), n);
    const int st = ::pclose(p);
    l.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    std::ifstream e(errDatei, std::ios::binary);
    l.err.assign(std::istreambuf_iterator<char>(e), {});
    std::filesystem::remove(errDatei);
    return l;
}

}  // namespace kv::test
