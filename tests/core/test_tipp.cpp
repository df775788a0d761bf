#include <gtest/gtest.h>

#include "Hilfen.h"
#include "model/Records.h"
#include "model/Tipp.h"
#include "model/TippListen.h"

namespace kv {
namespace {

TEST(Tippcodierung, SpalteUndZifferSindUmkehrbar) {
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(spalteVonZiffer(TippZiffer[c]), c);
    EXPECT_EQ(TippZiffer[1], 1);
    EXPECT_EQ(TippZiffer[2], 0);
    EXPECT_EQ(TippZiffer[3], 2);
    EXPECT_EQ(spalteVonZiffer(5), 0);
    EXPECT_EQ(spalteVonZiffer(-1), 0);
}

TEST(Tippcodierung, Kreuzindex) {
    struct Fall {
        int kreuz, spiel, spalte, ziffer;
    };
    for (const Fall& f :
         {Fall{1, 1, 1, 1}, Fall{2, 1, 2, 0}, Fall{3, 1, 3, 2}, Fall{4, 2, 1, 1}, Fall{39, 13, 3, 2}}) {
        EXPECT_EQ(kreuzIndex(f.spiel, f.spalte), f.kreuz);
        EXPECT_EQ(spielVonKreuz(f.kreuz), f.spiel);
        EXPECT_EQ(spalteVonKreuz(f.kreuz), f.spalte);
        EXPECT_EQ(zifferVonKreuz(f.kreuz), f.ziffer);
    }
}

TEST(Tippcodierung, TendenzEinesSpielstands) {
    struct Fall {
        int heim, gast, tendenz;
        char gezeigt;
    };
    for (const Fall& f : {Fall{3, 3, 2, '0'}, Fall{1, 0, 1, '1'}, Fall{0, 2, 3, '2'}, Fall{0, 0, 2, '0'},
                          Fall{12, 11, 1, '1'}, Fall{200, 3, 1, '1'}}) {
        EXPECT_EQ(tendenz(f.heim, f.gast), f.tendenz) << f.heim << ":" << f.gast;
        EXPECT_EQ(zeichenVonSpalte(tendenz(f.heim, f.gast)), f.gezeigt);
    }
}

TEST(Reihen, ZiffernMitgliederUndSpalten) {
    const std::array<std::uint8_t, kSpiele> spalten = {1, 2, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    const Reihe r = reiheAusSpalten(spalten);
    EXPECT_EQ(mitglieder(r), 13);
    EXPECT_EQ(reiheZiffern(r), "1021111111111");
    EXPECT_EQ(spaltenDerReihe(r), spalten);
    // The worked example of a stored single row: crosses 1, 5, 9, 10, 13, ...
    const std::array<int, kSpiele> erwartet = {1, 5, 9, 10, 13, 16, 19, 22, 25, 28, 31, 34, 37};
    EXPECT_EQ(reiheMitglieder(r), erwartet);
    EXPECT_EQ(r & 1u, 0u) << "member 0 never occurs";
}

TEST(Tipplisten, AufsteigendInSpaltenfolge) {
    TScheinOffen f = test::reiheAus("1111111111111");
    f.setzeKreuz(5, 1, true);
    f.setzeKreuz(5, 3, true);
    f.ja[kreuzIndex(5, 3) - 1] = 7;  // any non-zero byte is a cross
    const TippListen t = tippListen(f);
    ASSERT_EQ(t.laenge(5), 2);
    EXPECT_EQ(t.tipp(5, 0), 13);
    EXPECT_EQ(t.tipp(5, 1), 15);
}

TEST(Tipplisten, ZaehlregelnDerEingabefenster) {
    struct Fall {
        std::array<std::string, kSpiele> tipps;
        int zw, dw;
        std::uint64_t angezeigt;
    };
    const std::vector<Fall> faelle = {
        {{"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}, 0, 0, 1},
        {{"10", "102", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}, 1, 1, 6},
        {{"102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102"},
         0,
         13,
         1594323},
        // an empty match does not enter the displayed product
        {{"10", "", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}, 1, 0, 2},
        {{"", "", "", "", "", "", "", "", "", "", "", "", ""}, 0, 0, 0},
    };
    for (const Fall& f : faelle) {
        const TScheinOffen feld = test::feldAus(f.tipps);
        EXPECT_EQ(zweiwege(feld), f.zw);
        EXPECT_EQ(dreiwege(feld), f.dw);
        EXPECT_EQ(angezeigteReihenAnzahl(feld), f.angezeigt);
    }
}

}  // namespace
}  // namespace kv
