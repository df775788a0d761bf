#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "expansion/Feld.h"

namespace kv {
namespace {

using test::feldAus;

std::vector<std::string> reihenVon(const Feld& f) {
    std::vector<std::string> aus;
    f.fuerJedeReihe([&](Reihe r) { aus.push_back(reiheZiffern(r)); });
    return aus;
}

// The digits of the given matches (1-based) in every row.
std::vector<std::string> spalten(const Feld& f, std::vector<int> spiele) {
    std::vector<std::string> aus;
    for (const auto& r : reihenVon(f)) {
        std::string s;
        for (int m : spiele) s += r[m - 1];
        aus.push_back(s);
    }
    return aus;
}

TEST(Vollsystem, EinKreuzJeSpielIstEineReihe) {
    const Feld f(test::reiheAus("1021102210010"));
    EXPECT_EQ(f.reihenAnzahl(), 1u);
    EXPECT_EQ(reihenVon(f), std::vector<std::string>{"1021102210010"});
}

TEST(Vollsystem, LeeresSpielErgibtKeineReihen) {
    const Feld f(feldAus({"102", "102", "1", "1", "1", "1", "", "1", "1", "1", "1", "1", "102"}));
    EXPECT_EQ(f.reihenAnzahl(), 0u);
    EXPECT_TRUE(reihenVon(f).empty());
}

TEST(Vollsystem, ReihenfolgeSpielEinsLangsamSpielDreizehnSchnell) {
    const Feld f(feldAus({"12", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "102"}));
    EXPECT_EQ(spalten(f, {1, 13}), (std::vector<std::string>{"11", "10", "12", "21", "20", "22"}));
    const Feld g(feldAus({"1", "1", "10", "10", "1", "1", "1", "1", "1", "1", "1", "1", "1"}));
    EXPECT_EQ(spalten(g, {3, 4}), (std::vector<std::string>{"11", "10", "01", "00"}));
}

// Random fields against plain nested loops; row k by index equals the k-th row visited.
TEST(Vollsystem, GleichDerVerschachteltenSchleifeUndPerIndex) {
    std::mt19937 rng(7);
    for (int i = 0; i < 200; ++i) {
        const TScheinOffen daten = test::zufallsfeld(rng, 6);
        const Feld f(daten);
        const auto referenz = test::referenzReihen(daten);
        ASSERT_EQ(reihenVon(f), referenz);
        ASSERT_EQ(f.reihenAnzahl(), referenz.size());
        for (std::uint64_t k = 0; k < f.reihenAnzahl(); ++k) ASSERT_EQ(reiheZiffern(f.reihe(k)), referenz[k]);
    }
}

TEST(Vollsystem, DreizehnDreiwege) {
    const Feld f(
        feldAus({"102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102"}));
    ASSERT_EQ(f.reihenAnzahl(), 1594323u);
    EXPECT_EQ(reiheZiffern(f.reihe(0)), "1111111111111");
    EXPECT_EQ(reiheZiffern(f.reihe(1)), "1111111111110");
    EXPECT_EQ(reiheZiffern(f.reihe(3)), "1111111111101");
    EXPECT_EQ(reiheZiffern(f.reihe(1594322)), "2222222222222");
    std::uint64_t n = 0;
    Reihe letzte = 0;
    f.fuerJedeReihe([&](Reihe r) {
        ++n;
        letzte = r;
    });
    EXPECT_EQ(n, 1594323u);
    EXPECT_EQ(letzte, f.reihe(1594322));
}

TEST(VewFeld, NullVierMitDreiwegenAufZweiFuenfNeunDreizehn) {
    const Feld f(feldAus({"1", "102", "1", "1", "102", "1", "1", "1", "102", "1", "1", "1", "102"}, 2));
    ASSERT_EQ(f.reihenAnzahl(), 9u);
    const auto s = spalten(f, {2, 5, 9, 13});
    EXPECT_EQ(s[0], "1111");
    EXPECT_EQ(s[1], "1000");  // codes 1 2 2 2
    EXPECT_EQ(s[8], "2201");  // codes 3 3 2 1
}

TEST(VewFeld, DreiDreiZweiwegeVorDenDreiwegenInDerTabelle) {
    // 3-way on match 1, 2-ways on 4, 7, 8, 3-ways on 10 and 12: columns 1..3
    // drive matches 4, 7, 8 and columns 4..6 drive matches 1, 10, 12.
    const Feld f(feldAus({"102", "1", "1", "10", "1", "1", "02", "12", "1", "102", "1", "102", "1"}, 4));
    ASSERT_EQ(f.reihenAnzahl(), 24u);
    const auto tabelle = [](int r) {
        std::string s;
        for (int k = 1; k <= 6; ++k) s += static_cast<char>('0' + vewCode(4, r, k));
        return s;
    };
    const char* erste[] = {"1", "0", "1"};  // tips of the 2-ways in column order: 1/0, 0/2, 1/2
    const char* zweite[] = {"0", "2", "2"};
    const auto z = spalten(f, {4, 7, 8, 1, 10, 12});
    for (int r = 1; r <= 24; ++r) {
        const std::string codes = tabelle(r);
        std::string erwartet;
        for (int k = 0; k < 3; ++k) erwartet += codes[k] == '4' ? erste[k] : zweite[k];
        for (int k = 3; k < 6; ++k) erwartet += zeichenVonSpalte(codes[k] - '0');
        EXPECT_EQ(z[r - 1], erwartet) << "row " << r << " codes " << codes;
    }
}

TEST(VewFeld, FuenfNullZweiwegMitNullUndZwei) {
    // 2-ways on 2, 4, 6, 8, 10; match 6 is "0"/"2".
    const Feld f(feldAus({"1", "10", "1", "12", "1", "02", "1", "10", "1", "10", "1", "1", "1"}, 1));
    ASSERT_EQ(f.reihenAnzahl(), 8u);
    for (int r = 1; r <= 8; ++r) {
        const char code = static_cast<char>('0' + vewCode(1, r, 3));
        EXPECT_EQ(reiheZiffern(f.reihe(static_cast<std::uint64_t>(r - 1)))[5], code == '4' ? '0' : '2');
    }
    EXPECT_EQ(reihenVon(f).size(), 8u);
}

TEST(Feldpruefung, UngueltigeFelderWerdenBenannt) {
    struct Fall {
        TScheinOffen feld;
        const char* teil;  // part of the reason, empty = valid
    };
    TScheinOffen sys14 = test::reiheAus("1111111111111");
    sys14.sys = 14;
    TScheinOffen sys255 = sys14;
    sys255.sys = 255;
    const std::vector<Fall> faelle = {
        {test::reiheAus("1111111111111"), ""},
        {feldAus({"1", "102", "1", "", "102", "1", "1", "1", "102", "1", "1", "1", "1"}),
         ""},  // full system may be empty
        {sys14, "unbekannte Systemnummer 14"},
        {sys255, "unbekannte Systemnummer 255"},
        {feldAus({"1", "102", "1", "1", "102", "1", "1", "1", "102", "1", "1", "1", "1"}, 2),
         "VEW 0-4 (0 Zweiwege, 4 Dreiwege) und die Kombination aus 0 Zweiwegen und 3 Dreiwegen"},
        {feldAus({"10", "102", "1", "1", "102", "1", "1", "1", "102", "1", "1", "1", "102"}, 2),
         "1 Zweiwegen"},
        {feldAus({"1", "102", "1", "", "102", "1", "1", "1", "102", "1", "1", "1", "102"}, 2),
         "hat Spiel 4 keinen Tipp"},
    };
    for (const Fall& f : faelle) {
        const std::string grund = feldFehler(f.feld);
        if (std::string(f.teil).empty()) {
            EXPECT_EQ(grund, "");
        } else {
            EXPECT_NE(grund.find(f.teil), std::string::npos) << grund;
            EXPECT_EQ(Feld(f.feld).reihenAnzahl(), 0u) << "an invalid field is never expanded";
        }
    }
}

}  // namespace
}  // namespace kv
