#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "Hilfen.h"
#include "evaluation/Auswertung.h"

namespace kv {
namespace {

using test::feldAus;
using test::reiheAus;

// The straightforward evaluation: every row visited, lists built explicitly.
struct Referenz {
    std::array<std::uint64_t, 14> C{};
    std::array<std::uint64_t, 4> K{};
    std::array<std::vector<std::uint64_t>, 4> L;
    std::vector<int> treffer, chance;  // per line, index 0 = line 1
    std::vector<std::array<std::uint64_t, 4>> feldC;
};

Referenz referenz(const std::vector<TScheinOffen>& felder, const Ergebnislage& lage) {
    Referenz r;
    std::uint64_t zeile = 0;
    for (const auto& daten : felder) {
        std::array<std::uint64_t, 4> fc{};
        for (const auto& ziffern :
             daten.sys == 0 ? test::referenzReihen(daten) : std::vector<std::string>{}) {
            int h = 0, fehler = 0;
            for (int m = 1; m <= kSpiele; ++m) {
                const bool treffer = spalteVonZiffer(ziffern[m - 1] - '0') == lage.gewinnreihe[m - 1];
                h += treffer;
                fehler += lage.istBeendet(m) && !treffer;
            }
            ++zeile;
            ++r.C[h];
            if (h >= 10) ++fc[h - 10];
            r.treffer.push_back(h);
            r.chance.push_back(fehler <= 3 ? 13 - fehler : kKeineChance);
            if (fehler <= 3) {
                ++r.K[fehler];
                r.L[fehler].push_back(zeile);
            }
        }
        r.feldC.push_back(fc);
    }
    return r;
}

void vergleiche(const std::vector<TScheinOffen>& felder, const Ergebnislage& lage) {
    const Schein schein(felder);
    const Auswertung aw(schein, lage, true);
    const Referenz ref = referenz(felder, lage);
    ASSERT_EQ(aw.C(), ref.C);
    ASSERT_EQ(aw.K(), ref.K);
    for (std::size_t f = 0; f < felder.size(); ++f)
        ASSERT_EQ(aw.feldKlassen(f), ref.feldC[f]) << "field " << f + 1;
    for (std::uint64_t n = 1; n <= schein.zeilen(); ++n) {
        ASSERT_EQ(aw.treffer(n), ref.treffer[n - 1]) << "line " << n;
        ASSERT_EQ(aw.chance(n), ref.chance[n - 1]) << "line " << n;
    }
    for (int x = 0; x < 4; ++x) {
        for (std::uint64_t k = 1; k <= ref.L[x].size(); ++k)
            ASSERT_EQ(aw.chancenEintrag(x, k), ref.L[x][k - 1]) << "list " << x << " entry " << k;
        EXPECT_EQ(aw.chancenEintrag(x, ref.L[x].size() + 1), 0u);
    }
}

Ergebnislage zufallslage(std::mt19937& rng) {
    Ergebnislage l;
    for (auto& g : l.gewinnreihe) g = static_cast<std::uint8_t>(rng() % 3 + 1);
    l.beendet = static_cast<std::uint16_t>(rng() & 0x1FFF);
    return l;
}

// Full systems, single rows and empty fields mixed, against every row visited.
TEST(Auswertung, GleichDerZeilenweisenAuswertung) {
    std::mt19937 rng(12345);
    for (int runde = 0; runde < 60; ++runde) {
        std::vector<TScheinOffen> felder;
        const int n = static_cast<int>(rng() % 5) + 1;
        for (int i = 0; i < n; ++i) felder.push_back(test::zufallsfeld(rng, 7));
        if (runde % 7 == 0)
            felder.push_back(feldAus({"1", "", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}));
        SCOPED_TRACE(runde);
        vergleiche(felder, zufallslage(rng));
    }
}

// Single-row fields are counted as one array per run, with an index every
// block of rows: runs longer than a block, between full systems and fields
// without rows, against every row visited.
TEST(Auswertung, LaeufeVonEinzelreihenUeberBlockgrenzen) {
    std::mt19937 rng(321);
    std::vector<TScheinOffen> felder;
    auto lauf = [&](int n) {
        for (int i = 0; i < n; ++i) {
            std::string z;
            for (int m = 0; m < kSpiele; ++m) z += static_cast<char>('0' + rng() % 3);
            felder.push_back(reiheAus(z));
        }
    };
    lauf(2 * static_cast<int>(kZaehlblock) + 17);
    felder.push_back(test::zufallsfeld(rng, 5));
    felder.push_back(feldAus({"1", "", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}));
    lauf(static_cast<int>(kZaehlblock) - 1);
    felder.push_back(test::zufallsfeld(rng, 3));
    lauf(static_cast<int>(kZaehlblock) + 1);
    for (int runde = 0; runde < 4; ++runde) {
        SCOPED_TRACE(runde);
        vergleiche(felder, zufallslage(rng));
    }
}

TEST(Auswertung, VewFelderGleichIhrenTabellenzeilen) {
    // A "0-4" field: its 9 rows evaluated one by one.
    const TScheinOffen vew =
        feldAus({"1", "102", "1", "1", "102", "1", "1", "1", "102", "1", "1", "1", "102"}, 2);
    const Schein schein({vew, reiheAus("1111111111111")});
    Ergebnislage lage;
    lage.gewinnreihe.fill(1);
    lage.gewinnreihe[4] = 2;
    lage.beendet = 0x1FFF;
    const Auswertung aw(schein, lage, true);
    std::array<std::uint64_t, 14> C{};
    std::array<std::uint64_t, 4> K{};
    std::vector<std::uint64_t> L0;
    for (std::uint64_t n = 1; n <= 10; ++n) {
        const int h = treffer(schein.reihe(n), lage.gewinnmenge());
        ++C[h];
        EXPECT_EQ(aw.treffer(n), h);
        const int x = 13 - h;  // all finished: misses = 13 - hits
        EXPECT_EQ(aw.chance(n), x <= 3 ? h : kKeineChance);
        if (x <= 3) ++K[x];
        if (x == 0) L0.push_back(n);
    }
    EXPECT_EQ(aw.C(), C);
    EXPECT_EQ(aw.K(), K);
    for (std::uint64_t k = 1; k <= L0.size(); ++k) EXPECT_EQ(aw.chancenEintrag(0, k), L0[k - 1]);
    // The covering property: all single tips right and every result among the
    // crossed tips, so at least one row has 12 or 13 hits.
    EXPECT_GE(aw.C()[12] + aw.C()[13], 1u);
}

TEST(Auswertung, OhneBeendeteSpieleHatJedeReiheChanceDreizehn) {
    const Schein schein({feldAus({"10", "102", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "2"})});
    const Auswertung aw(schein, Ergebnislage{}, true);
    EXPECT_EQ(aw.K(), (std::array<std::uint64_t, 4>{6, 0, 0, 0}));
    EXPECT_EQ(aw.maxK(), 6u);
    for (std::uint64_t k = 1; k <= 6; ++k) EXPECT_EQ(aw.chancenEintrag(0, k), k);
}

TEST(Auswertung, AlleBeendetChanceGleichTrefferAbZehn) {
    std::mt19937 rng(3);
    const Schein schein({test::zufallsfeld(rng, 8)});
    Ergebnislage lage = zufallslage(rng);
    lage.beendet = 0x1FFF;
    const Auswertung aw(schein, lage, true);
    for (std::uint64_t n = 1; n <= schein.zeilen(); ++n) {
        const int h = aw.treffer(n);
        EXPECT_EQ(aw.chance(n), h >= 10 ? h : kKeineChance);
    }
}

TEST(Auswertung, VierTrefferZaehlenNirgendsFuenfZaehlen) {
    Ergebnislage lage;
    lage.gewinnreihe.fill(1);
    // 4 hits: "1" on matches 1..4; 5 hits: on matches 1..5.
    const Schein schein({reiheAus("1111000000000"), reiheAus("1111100000000")});
    const Auswertung aw(schein, lage, true);
    EXPECT_EQ(aw.C()[4], 1u);
    EXPECT_EQ(aw.C()[5], 1u);
}

TEST(Auswertung, ZeilennummernLaufenUeberFelder) {
    // Field 1: 8 rows, field 2: 4 rows -> field 2 starts at line 9.
    const TScheinOffen acht = feldAus({"10", "10", "10", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"});
    const TScheinOffen vier = feldAus({"2", "2", "2", "2", "2", "2", "2", "2", "2", "2", "2", "12", "12"});
    const Schein schein({acht, vier});
    ASSERT_EQ(schein.zeilen(), 12u);
    EXPECT_EQ(reiheZiffern(schein.reihe(9)), "2222222222211");
    Ergebnislage lage;
    lage.gewinnreihe.fill(3);  // every "2" right
    lage.beendet = 0x1FFF;
    const Auswertung aw(schein, lage, true);
    EXPECT_EQ(aw.chance(9), 11);              // "1" on matches 12 and 13: two misses
    EXPECT_EQ(aw.chancenEintrag(0, 1), 12u);  // only "2222222222222" (line 12) has no miss
    EXPECT_EQ(aw.chancenEintrag(1, 1), 10u);
    EXPECT_EQ(aw.chancenEintrag(1, 2), 11u);
    EXPECT_EQ(aw.chancenEintrag(2, 1), 9u);

    // Ten single-row fields: field 7's row is line 7.
    std::vector<TScheinOffen> zehn;
    for (int i = 0; i < 10; ++i) zehn.push_back(reiheAus(i == 6 ? "2222222222222" : "1111111111111"));
    const Schein s10(zehn);
    const Auswertung a10(s10, lage, true);
    EXPECT_EQ(a10.chancenEintrag(0, 1), 7u);
    EXPECT_EQ(a10.K()[0], 1u);
}

TEST(Auswertung, VierFehltippsKeineChance) {
    Ergebnislage lage;
    lage.gewinnreihe.fill(1);
    lage.beendet = 0x000F;  // matches 1..4 finished
    const Schein schein({reiheAus("0000111111111"), reiheAus("0001111111111")});
    const Auswertung aw(schein, lage, true);
    EXPECT_EQ(aw.chance(1), kKeineChance);
    EXPECT_EQ(aw.chance(2), 10);
    EXPECT_EQ(aw.K(), (std::array<std::uint64_t, 4>{0, 0, 0, 1}));
    EXPECT_EQ(aw.chancenEintrag(3, 1), 2u);
}

TEST(Auswertung, BeispielElfTrefferChanceZwoelf) {
    Ergebnislage lage;
    lage.gewinnreihe.fill(1);
    lage.beendet = 0x001F;  // 1..5 finished
    const Schein schein({reiheAus("0111101111111")});
    const Auswertung aw(schein, lage, true);
    EXPECT_EQ(aw.C()[11], 1u);
    EXPECT_EQ(aw.chance(1), 12);
    EXPECT_EQ(aw.K()[1], 1u);
    EXPECT_EQ(aw.chancenEintrag(1, 1), 1u);
}

TEST(Auswertung, TorEinesLaufendenSpielsAendertTrefferNichtChancen) {
    std::mt19937 rng(99);
    const Schein schein({test::zufallsfeld(rng, 6), test::zufallsfeld(rng, 6)});
    Ergebnislage vorher;
    vorher.beendet = 0x00FF;  // match 13 running
    Ergebnislage nachher = vorher;
    nachher.gewinnreihe[12] = 1;
    const Auswertung a(schein, vorher, true), b(schein, nachher, true);
    EXPECT_EQ(a.K(), b.K());
    Ergebnislage beendet = nachher;
    beendet.beendet = 0x1FFF;
    const Auswertung c(schein, beendet, true);
    EXPECT_EQ(b.C(), c.C()) << "finishing changes no hits";
}

TEST(Auswertung, LinkesFeldZaehltNurSeineReihen) {
    Ergebnislage lage;
    lage.gewinnreihe.fill(1);
    const Schein schein({reiheAus("1111111111110"), reiheAus("1111111111110"), reiheAus("1111111111000")});
    const Auswertung aw(schein, lage, false);
    EXPECT_EQ(aw.feldKlassen(0), (std::array<std::uint64_t, 4>{0, 0, 1, 0}));
    EXPECT_EQ(aw.feldKlassen(1), (std::array<std::uint64_t, 4>{0, 0, 1, 0}));
    EXPECT_EQ(aw.feldKlassen(2), (std::array<std::uint64_t, 4>{1, 0, 0, 0}));
    EXPECT_EQ(aw.K(), (std::array<std::uint64_t, 4>{}));
    EXPECT_EQ(aw.chancenEintrag(0, 1), 0u);
}

TEST(Auswertung, GrosseSystemeOhneZeilenweiseArbeit) {
    // 13 three-ways: C follows the binomial distribution 2^(13-h) * C(13, h).
    const Schein schein({feldAus(
        {"102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102"})});
    Ergebnislage lage;
    lage.beendet = 0x001F;
    const Auswertung aw(schein, lage, true);
    std::uint64_t binom = 1;
    for (int h = 13; h >= 0; --h) {
        // binom = C(13, 13 - h) built up from h = 13 downwards
        EXPECT_EQ(aw.C()[h], binom << (13 - h)) << h;
        binom = binom * static_cast<std::uint64_t>(h) / static_cast<std::uint64_t>(14 - h);
    }
    // 5 finished matches: K[x] = C(5, x) 2^x 3^8.
    EXPECT_EQ(aw.K(), (std::array<std::uint64_t, 4>{6561, 5 * 2 * 6561, 10 * 4 * 6561, 10 * 8 * 6561}));
    // Spot checks of the chance lists against the per-line chance.
    for (int x = 0; x < 4; ++x)
        for (std::uint64_t k : {std::uint64_t{1}, std::uint64_t{2}, aw.K()[x] / 2, aw.K()[x]}) {
            const std::uint64_t zeile = aw.chancenEintrag(x, k);
            ASSERT_GE(zeile, 1u);
            EXPECT_EQ(aw.chance(zeile), 13 - x);
        }
    // The first row without a miss has "0" on matches 1..5 and "1" after:
    // index 3^12 + 3^11 + 3^10 + 3^9 + 3^8.
    EXPECT_EQ(aw.chancenEintrag(0, 1), 531441u + 177147u + 59049u + 19683u + 6561u + 1u);
    EXPECT_EQ(reiheZiffern(schein.reihe(aw.chancenEintrag(0, 1))), "0000011111111");
}

}  // namespace
}  // namespace kv
