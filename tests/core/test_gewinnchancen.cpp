// Prize-class chances from the tendencies, checked against brute force: every
// outcome of the open matches enumerated with its weight, every row's hits
// counted. The brute force works in whole numbers over the same denominator,
// so the figures must agree exactly, not merely closely.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "evaluation/Auswertung.h"
#include "garantie/Gewinnchancen.h"
#include "model/Schein.h"

namespace kv {
namespace {

using test::feldAus;
using test::reiheAus;
using test::tw;

struct Brutto {
    std::uint64_t nenner = 1;
    std::array<std::uint64_t, 4> mindestens{};
    std::array<Gross, kSpiele + 1> erwartet{};
};

// Every outcome with a weight above 0, every row against it.
Brutto bruteForce(const std::vector<Reihe>& reihen, const Spielgewichte& g) {
    Brutto b;
    b.nenner = g.nenner();
    std::array<std::uint8_t, kSpiele> spalten{};
    auto rekursion = [&](auto&& selbst, int m, std::uint64_t w) -> void {
        if (m == kSpiele) {
            const Reihe ergebnis = reiheAusSpalten(spalten);
            int beste = -1;
            for (Reihe r : reihen) {
                const int t = treffer(r, ergebnis);
                beste = std::max(beste, t);
                b.erwartet[static_cast<std::size_t>(t)] += w;
            }
            for (int k = 0; k < 4; ++k)
                if (beste >= kSpiele - k) b.mindestens[static_cast<std::size_t>(k)] += w;
            return;
        }
        for (int c = 1; c <= kSpalten; ++c) {
            const std::uint64_t gc = g.gewicht[static_cast<std::size_t>(m)][static_cast<std::size_t>(c - 1)];
            if (gc == 0) continue;
            spalten[static_cast<std::size_t>(m)] = static_cast<std::uint8_t>(c);
            selbst(selbst, m + 1, w * gc);
        }
    };
    rekursion(rekursion, 0, 1);
    return b;
}

std::vector<Reihe> alleReihen(const Schein& s) {
    std::vector<Reihe> r;
    s.fuerJedeReihe([&](Reihe x) { r.push_back(x); });
    return r;
}

Gewinnchancen chancenVon(const Schein& s, const Spielgewichte& g) {
    return Chancenbasis(Reihenbestand(s)).chancen(g);
}

void gleich(const Gewinnchancen& c, const Brutto& b, std::uint64_t reihen) {
    EXPECT_EQ(c.reihen, reihen);
    EXPECT_EQ(c.nenner, b.nenner);
    EXPECT_EQ(c.mindestensZaehler, b.mindestens);
    for (int h = 0; h <= kSpiele; ++h)
        EXPECT_TRUE(c.erwartetZaehler[static_cast<std::size_t>(h)] == b.erwartet[static_cast<std::size_t>(h)])
            << "Treffer " << h;
}

// What holds for every slip and every weighting: probabilities between 0 and
// 1, no class more likely than the one below it, and the expected rows over
// all hit counts sum to the rows.
void stimmig(const Gewinnchancen& c) {
    for (int k = 0; k < 4; ++k) {
        EXPECT_GE(c.mindestens(k), 0.0);
        EXPECT_LE(c.mindestens(k), 1.0);
        if (k > 0) {
            EXPECT_LE(c.mindestensZaehler[k - 1], c.mindestensZaehler[static_cast<std::size_t>(k)]);
        }
    }
    Gross summe = 0;
    for (Gross e : c.erwartetZaehler) summe += e;
    EXPECT_TRUE(summe == static_cast<Gross>(c.reihen) * c.nenner);
}

TendenzWerte gemischteTendenzen() {
    TendenzWerte t{};
    const TTendenzWert werte[] = {tw(5, 3, 2),  tw(4, 4, 2), tw(2, 2, 6), tw(0, 0, 0), tw(7, 2, 1),
                                  tw(3, 4, 3),  tw(1, 8, 1), tw(6, 3, 1), tw(0, 0, 0), tw(2, 5, 3),
                                  tw(10, 0, 0), tw(3, 3, 4), tw(5, 0, 5)};
    for (int m = 0; m < kSpiele; ++m) t[static_cast<std::size_t>(m)] = werte[m];
    return t;
}

// Lage with the first `beendet` matches finished on the given result.
Ergebnislage lageMit(const std::string& ergebnis, int beendet) {
    Ergebnislage l;
    for (int m = 0; m < kSpiele; ++m)
        l.gewinnreihe[static_cast<std::size_t>(m)] =
            static_cast<std::uint8_t>(spalteVonZiffer(ergebnis[m] - '0'));
    l.beendet = static_cast<std::uint16_t>((1u << beendet) - 1);
    return l;
}

TEST(Gewinnchancen, EinzelreiheIstDieBinomialverteilung) {
    // every tip of the row has probability 5/10: hits ~ Binomial(13, 1/2)
    TendenzWerte t{};
    t.fill(tw(5, 2, 3));
    const Schein s({reiheAus("1111111111111")});
    const Gewinnchancen c = chancenVon(s, spielgewichte(t));
    ASSERT_EQ(c.nenner, 10000000000000u);
    std::uint64_t binom = 1, kumuliert = 0;
    const std::uint64_t fuenfHoch13 = 1220703125;  // 5^13: every outcome weighs 5^h 5^(13-h)
    for (int h = kSpiele; h >= 0; --h) {
        // binom = C(13, h)
        if (h < kSpiele)
            binom = binom * static_cast<std::uint64_t>(h + 1) / static_cast<std::uint64_t>(kSpiele - h);
        EXPECT_TRUE(c.erwartetZaehler[static_cast<std::size_t>(h)] == static_cast<Gross>(binom * fuenfHoch13))
            << h;
        EXPECT_DOUBLE_EQ(c.erwartet(h), static_cast<double>(binom) / 8192.0) << h;
        kumuliert += binom;
        if (h >= 10) {
            EXPECT_DOUBLE_EQ(c.mindestens(kSpiele - h), static_cast<double>(kumuliert) / 8192.0);
        }
    }
    stimmig(c);
}

TEST(Gewinnchancen, GleichVielWieAlleAusgaengeAbzuzaehlen) {
    // A few matches open, the rest finished: the brute force walks 3^k outcomes.
    const TScheinOffen voll =
        feldAus({"102", "10", "1", "02", "102", "1", "0", "2", "12", "1", "0", "1", "2"});
    const TScheinOffen vew =
        feldAus({"10", "102", "1", "02", "102", "0", "12", "102", "2", "10", "102", "1", "0"}, 13);
    const TScheinOffen zeile = reiheAus("1021102210010");
    const TScheinOffen daneben = reiheAus("1021102210012");  // one match from `zeile`
    // 3-ways on the last three matches: whole blocks of 27 outcomes at one distance
    const TScheinOffen hinten =
        feldAus({"1", "0", "2", "1", "0", "2", "1", "0", "10", "1", "102", "102", "102"});
    struct Fall {
        const char* name;
        std::vector<TScheinOffen> felder;
        int beendet;  // matches 1..n finished
    };
    const Fall faelle[] = {
        {"Einzelreihe, alles offen", {zeile}, 0},
        {"Vollsystem, vier beendet", {voll}, 4},
        {"Vollsystem, nichts beendet", {voll}, 0},
        {"VEW 4-4", {vew}, 5},
        {"zwei Felder, die sich überdecken", {zeile, daneben}, 3},
        {"Vollsystem und Einzelreihen", {voll, zeile, daneben, vew}, 6},
        {"alles beendet", {voll, zeile, vew}, 13},
        {"Dreiwege auf den letzten Spielen", {hinten}, 3},
        {"Dreiwege auf den letzten Spielen, nichts beendet", {hinten, zeile}, 0},
    };
    const TendenzWerte t = gemischteTendenzen();
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const Schein s(f.felder);
        const Spielgewichte g = spielgewichte(t, lageMit("1021102210010", f.beendet));
        const Gewinnchancen c = chancenVon(s, g);
        gleich(c, bruteForce(alleReihen(s), g), s.zeilen());
        stimmig(c);
    }
}

TEST(Gewinnchancen, UeberdeckendeFelderZaehlenNichtDoppelt) {
    // Two rows one match apart: an outcome that gives both 12 hits counts once.
    const Schein beide({reiheAus("1111111111111"), reiheAus("1111111111110")});
    const Schein erste({reiheAus("1111111111111")});
    const Schein zweite({reiheAus("1111111111110")});
    const Spielgewichte g = spielgewichte(TendenzWerte{});
    const Gewinnchancen c = chancenVon(beide, g), a = chancenVon(erste, g), b = chancenVon(zweite, g);
    // 13 hits: the two rows are different outcomes, so the events are disjoint
    EXPECT_EQ(c.mindestensZaehler[0], a.mindestensZaehler[0] + b.mindestensZaehler[0]);
    for (int k = 1; k < 4; ++k)
        EXPECT_LT(c.mindestensZaehler[static_cast<std::size_t>(k)],
                  a.mindestensZaehler[static_cast<std::size_t>(k)] +
                      b.mindestensZaehler[static_cast<std::size_t>(k)]);
    // expected rows do add up
    for (int h = 0; h <= kSpiele; ++h) {
        const auto i = static_cast<std::size_t>(h);
        EXPECT_TRUE(c.erwartetZaehler[i] == a.erwartetZaehler[i] + b.erwartetZaehler[i]);
    }
    gleich(c, bruteForce(alleReihen(beide), g), 2);
}

TEST(Gewinnchancen, AlleSpieleBeendetGibtDieZaehlungDerAuswertung) {
    // With every match finished the figures are certain: the expected rows are
    // the evaluation's counts, each class is reached or not.
    std::mt19937 rng(7);
    std::vector<TScheinOffen> felder;
    for (int i = 0; i < 6; ++i) felder.push_back(test::zufallsfeld(rng, 5));
    felder.push_back(
        feldAus({"10", "102", "1", "02", "102", "0", "12", "102", "2", "10", "102", "1", "0"}, 13));
    const Schein s(felder);
    const Ergebnislage lage = lageMit("0120120120120", kSpiele);
    const Gewinnchancen c = chancenVon(s, spielgewichte(gemischteTendenzen(), lage));
    const Auswertung a(s, lage, false);
    EXPECT_EQ(c.nenner, 1u);
    int beste = 0;
    for (int h = 0; h <= kSpiele; ++h) {
        EXPECT_DOUBLE_EQ(c.erwartet(h), static_cast<double>(a.C()[static_cast<std::size_t>(h)])) << h;
        if (a.C()[static_cast<std::size_t>(h)] > 0) beste = h;
    }
    for (int k = 0; k < 4; ++k) EXPECT_EQ(c.mindestens(k), beste >= kSpiele - k ? 1.0 : 0.0) << k;
}

TEST(Gewinnchancen, VieleReihenWerdenJeAusgangGezaehlt) {
    // Beyond the list the rows are counted per outcome and folded; the same
    // rows in lists of fewer give the same expected rows (they add up over
    // rows), and the brute force the same chances.
    std::mt19937 rng(11);
    std::vector<Reihe> reihen;
    std::array<std::uint8_t, kSpiele> spalten{};
    for (int i = 0; i < 40000; ++i) {
        for (auto& c : spalten) c = static_cast<std::uint8_t>(1 + rng() % 3);
        reihen.push_back(reiheAusSpalten(spalten));
    }
    reihen.push_back(reihen[5]);  // a duplicate counts twice
    const Spielgewichte g = spielgewichte(gemischteTendenzen(), lageMit("2021102210010", 8));
    const Chancenbasis basis{Reihenbestand(reihen)};
    const Gewinnchancen c = basis.chancen(g);
    EXPECT_GE(basis.speicher(), std::size_t{kAlleAusgaenge} * 5);  // the count table and the distances
    std::array<Gross, kSpiele + 1> teile{};
    for (std::size_t von = 0; von < reihen.size(); von += 10000) {
        const std::vector<Reihe> stueck(
            reihen.begin() + static_cast<std::ptrdiff_t>(von),
            reihen.begin() + static_cast<std::ptrdiff_t>(std::min(von + 10000, reihen.size())));
        const Gewinnchancen t = Chancenbasis(Reihenbestand(stueck)).chancen(g);
        for (std::size_t h = 0; h < teile.size(); ++h) teile[h] += t.erwartetZaehler[h];
    }
    for (std::size_t h = 0; h < teile.size(); ++h) EXPECT_TRUE(c.erwartetZaehler[h] == teile[h]) << h;
    gleich(c, bruteForce(reihen, g), reihen.size());
    stimmig(c);
}

TEST(Gewinnchancen, GleicheSystemeEinmalGefuehrt) {
    const TScheinOffen voll =
        feldAus({"102", "102", "102", "102", "10", "1", "0", "2", "1", "1", "0", "1", "2"});
    const Schein einmal({voll}), zweimal({voll, reiheAus("1111111111111"), voll});
    const Spielgewichte g = spielgewichte(gemischteTendenzen(), lageMit("1021102210010", 2));
    const Gewinnchancen a = chancenVon(einmal, g), b = chancenVon(zweimal, g);
    gleich(b, bruteForce(alleReihen(zweimal), g), 2 * 162 + 1);
    EXPECT_DOUBLE_EQ(
        b.erwartet(kSpiele) - chancenVon(Schein({reiheAus("1111111111111")}), g).erwartet(kSpiele),
        2 * a.erwartet(kSpiele));
}

TEST(Gewinnchancen, LeererScheinIstAllesNull) {
    for (const Schein& s :
         {Schein(), Schein({feldAus({"", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"})})}) {
        const Gewinnchancen c = chancenVon(s, spielgewichte(gemischteTendenzen()));
        EXPECT_EQ(c.reihen, 0u);
        for (int k = 0; k < 4; ++k) EXPECT_EQ(c.mindestens(k), 0.0);
        for (int h = 0; h <= kSpiele; ++h) EXPECT_EQ(c.erwartet(h), 0.0);
    }
}

TEST(Gewinnchancen, Spielgewichte) {
    TendenzWerte t{};
    t[0] = tw(5, 3, 2);
    t[1] = tw(0, 0, 0);                                      // none read
    t[2] = tw(6, static_cast<std::uint8_t>(10 - 6 - 6), 6);  // wrapped draw value: no tendency
    t[3] = tw(0, 10, 0);                                     // a certain draw is a tendency
    t[4] = tw(5, 3, 2);
    Ergebnislage lage;
    lage.gewinnreihe[4] = 3;
    lage.beendet = 1u << 4;  // match 5 finished, away win
    const Spielgewichte g = spielgewichte(t, lage);
    using Z = std::array<std::uint8_t, 3>;
    EXPECT_EQ(g.gewicht[0], (Z{5, 3, 2}));
    EXPECT_EQ(g.summe[0], 10);
    EXPECT_EQ(g.gewicht[1], (Z{1, 1, 1}));
    EXPECT_EQ(g.summe[1], 3);
    EXPECT_EQ(g.gewicht[2], (Z{1, 1, 1}));
    EXPECT_EQ(g.gewicht[3], (Z{0, 10, 0}));
    EXPECT_EQ(g.gewicht[4], (Z{0, 0, 1}));
    EXPECT_EQ(g.summe[4], 1);
    // 10 * 3 * 3 * 10 * 1 * 3^8
    EXPECT_EQ(g.nenner(), 10u * 3 * 3 * 10 * 6561);
}

TEST(Gewinnchancen, GewichteteVerteilungOhneTendenzenZaehltAusgaenge) {
    // Without tendencies every outcome weighs 1: the weighted distribution is
    // the guarantee analysis's count, over all outcomes and within a field.
    const TScheinOffen vew =
        feldAus({"10", "102", "1", "02", "102", "0", "12", "102", "2", "10", "102", "1", "0"}, 13);
    const Schein s({vew, reiheAus("2222222222222")});
    const Garantieanalyse a(s);
    const Spielgewichte g = spielgewichte(TendenzWerte{});
    for (const Ausgangsbereich& b : {Ausgangsbereich::alle(), Ausgangsbereich::ausFeld(vew)}) {
        const GewichteteVerteilung w = gewichteteVerteilung(a, b, g);
        EXPECT_EQ(w.beste, a.verteilung(b).beste);
        EXPECT_EQ(w.summe, b.anzahl());
    }
    // with tendencies the shares over all outcomes are the differences of the chances
    const Spielgewichte mit = spielgewichte(gemischteTendenzen());
    const GewichteteVerteilung w = gewichteteVerteilung(a, Ausgangsbereich::alle(), mit);
    const Gewinnchancen c = chancenVon(s, mit);
    EXPECT_EQ(w.summe, c.nenner);
    std::uint64_t bisher = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        bisher += w.beste[k];
        EXPECT_EQ(bisher, c.mindestensZaehler[k]);
    }
}

}  // namespace
}  // namespace kv
