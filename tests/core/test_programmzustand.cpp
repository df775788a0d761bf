#include <gtest/gtest.h>

#include "Hilfen.h"
#include "evaluation/Programmzustand.h"

namespace kv {
namespace {

using Spalten = std::array<std::uint8_t, kSpiele>;

TEST(Programmzustand, StartwerteUnentschieden) {
    const Programmzustand z;
    EXPECT_EQ(z.spielTendenz, (Spalten{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}));
    EXPECT_EQ(z.gewinnreihe, z.spielTendenz);
    EXPECT_EQ(z.linkerSchein, -1);
    EXPECT_EQ(z.scheinAnzahl(), 0);
}

TEST(Programmzustand, NachDirekteingabeSetztEinTorAlleDreizehnZurueck) {
    Programmzustand z;
    z.spielstandGeaendert(4, 2, 1);
    Spalten direkt;
    direkt.fill(3);
    z.gewinnreiheDirektSetzen(direkt);
    EXPECT_EQ(z.gewinnreihe, direkt);
    EXPECT_EQ(z.spielTendenz[3], 1) << "the scores stay";
    // Toggling match 7 brings back only match 7's tendency.
    z.setzeBeendet(7, true);
    EXPECT_EQ(z.gewinnreihe[6], 2);
    EXPECT_EQ(z.gewinnreihe[0], 3);
    EXPECT_TRUE(z.gewinnreiheDirekt);
    // A goal anywhere restores all 13 from the scores.
    z.spielstandGeaendert(9, 0, 1);
    EXPECT_FALSE(z.gewinnreiheDirekt);
    Spalten erwartet;
    erwartet.fill(2);
    erwartet[3] = 1;
    erwartet[8] = 3;
    EXPECT_EQ(z.gewinnreihe, erwartet);
}

TEST(Programmzustand, AllesSchaltetUndBehaeltDieGewinnreihe) {
    Programmzustand z;
    z.gewinnreiheDirektSetzen(Spalten{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    z.allesUmschalten();
    EXPECT_TRUE(z.alleBeendet);
    EXPECT_EQ(z.beendeteSpiele, 0x1FFF);
    EXPECT_EQ(z.gewinnreihe[0], 1);
    for (const auto& s : z.spielstaende) EXPECT_EQ(s.Beendet, 1);
    z.allesUmschalten();
    EXPECT_EQ(z.beendeteSpiele, 0);
    for (const auto& s : z.spielstaende) EXPECT_EQ(s.Beendet, 0);
}

TEST(Programmzustand, ZweiterLinkerScheinLeertDenErsten) {
    Programmzustand z;
    auto& a = z.neuerSlot("a.kv13", false);
    a.schein.feldAnhaengen(test::reiheAus("1111111111111"));
    z.linkerSchein = 0;
    z.linkerFelder = 1;
    z.gewinnauswertung();
    z.linkenScheinLeeren();
    auto& b = z.neuerSlot("b.kv13", false);
    b.schein.feldAnhaengen(test::reiheAus("2222222222222"));
    z.linkerSchein = 1;
    z.gewinnauswertung();
    EXPECT_EQ(z.scheinAnzahl(), 2);
    EXPECT_EQ(z.linkerSchein, 1);
    EXPECT_EQ(z.slots[0]->schein.zeilen(), 0u);
    EXPECT_EQ(z.slots[0]->auswertung->C()[0] + z.slots[0]->auswertung->C()[13], 0u);
}

TEST(Programmzustand, SpielstaendeUebernehmenSetztTendenzenUndBeendete) {
    Programmzustand z;
    Spielstaende s{};
    s[0] = {2, 1, 1};
    s[1] = {0, 3, 0};
    s[12] = {13, 13, 5};  // bytes above 12 are kept; the tendency comes from them
    z.spielstaendeUebernehmen(s);
    EXPECT_EQ(z.spielTendenz[0], 1);
    EXPECT_EQ(z.spielTendenz[1], 3);
    EXPECT_EQ(z.spielTendenz[12], 2);
    EXPECT_EQ(z.beendeteSpiele, (1u << 0) | (1u << 12));
    EXPECT_EQ(z.gewinnreihe, z.spielTendenz);
}

TEST(Programmzustand, GewinnmengeFolgtDerLetztenAuswertung) {
    Programmzustand z;
    z.gewinnauswertung();
    const Reihe vorher = z.gewinnmenge();
    z.spielstandGeaendert(1, 1, 0);
    EXPECT_EQ(z.gewinnmenge(), vorher) << "not before the next evaluation";
    z.gewinnauswertung();
    EXPECT_TRUE(z.gewinnmenge() & kreuzBit(1));
}

}  // namespace
}  // namespace kv
