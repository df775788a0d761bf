// The odds filter: Quote of a row, the listing between the limits, the
// overview, the window's field.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "eingabe/Quotenfilter.h"
#include "expansion/Feld.h"

namespace kv {
namespace {

using test::feldAus;
using test::reiheAus;
using test::tw;

TendenzWerte ueberall(TTendenzWert w) {
    TendenzWerte t;
    t.fill(w);
    return t;
}

TEST(Quotenfilter, QuoteUndGrenzen) {
    const TendenzWerte t = ueberall(tw(5, 3, 2));
    const Reihe einsen = Feld(reiheAus("1111111111111")).reihe(0);
    struct Fall {
        std::string reihe;
        int untere, obere;
        std::int64_t q;
        bool durch;
    };
    const Fall faelle[] = {
        {"1111111111111", 32, 70, 65, true},
        {"1111111111111", 32, 65, 65, false},   // equal to the upper limit
        {"1111111111111", 65, 104, 65, false},  // equal to the lower limit
        {"1111111111111", 64, 66, 65, true},
        {"2222222222222", 13, 39, 26, true},
        {"0000000000000", 39, 50, 39, false},
        {"1021021021021", 32, 50, 5 * 5 + 4 * 3 + 4 * 2, true},
        {"1111111111111", 60, 50, 65, false},  // lower above upper: nothing passes
    };
    for (const Fall& f : faelle) {
        std::int64_t q = -1;
        EXPECT_EQ(QuotenProof(Feld(reiheAus(f.reihe)).reihe(0), t, f.untere, f.obere, q), f.durch) << f.reihe;
        EXPECT_EQ(q, f.q) << f.reihe;
    }
    EXPECT_EQ(Quote(einsen, TendenzWerte{}), 0);
    EXPECT_EQ(tendenzwert(1, t), 5);
    EXPECT_EQ(tendenzwert(2, t), 3);
    EXPECT_EQ(tendenzwert(39, t), 2);
}

TEST(Quotenfilter, ListetDieReihenZwischenDenGrenzen) {
    Quotenfilter q;
    EXPECT_EQ(q.feld().LNrText(), "Feld 1");
    EXPECT_EQ(q.LMinText(), "32");
    EXPECT_EQ(q.LMaxText(), "50");
    // Single tips "1", tendencies 5-3-2 everywhere: Quote 65.
    q.feld().kreuzeSetzen(reiheAus("1111111111111"));
    EXPECT_EQ(q.TippsListen(ueberall(tw(5, 3, 2))), 0u);  // 65 is not below 50
    q.setzeObereGrenze(70);
    q.setzeUntereGrenze(64);
    EXPECT_EQ(q.TippsListen(ueberall(tw(5, 3, 2))), 1u);
    EXPECT_EQ(q.quote(0), 65);
    EXPECT_EQ(reiheZiffern(q.reihen()[0]), "1111111111111");
    // Before any tendency all values are 0: nothing is listed.
    EXPECT_EQ(q.TippsListen(TendenzWerte{}), 0u);
    // Limits outside their ranges are not taken.
    q.setzeUntereGrenze(12);
    q.setzeObereGrenze(105);
    EXPECT_EQ(q.untereGrenze(), 64);
    EXPECT_EQ(q.obereGrenze(), 70);
    q.setzeUntereGrenze(65);
    q.setzeObereGrenze(39);
    EXPECT_EQ(q.LMinText(), "65");
    EXPECT_EQ(q.LMaxText(), "39");
    // An incomplete field lists nothing; a VEW field neither.
    q.BAnzeigeClick();
    EXPECT_TRUE(q.feld().leer());
    q.feld().kreuzeSetzen(feldAus({"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", ""}));
    q.setzeUntereGrenze(13);
    q.setzeObereGrenze(104);
    EXPECT_EQ(q.TippsListen(ueberall(tw(5, 3, 2))), 0u);
    TScheinOffen vew = feldAus({"10", "10", "10", "10", "10", "1", "1", "1", "1", "1", "1", "1", "1"}, 1);
    EXPECT_TRUE(quotenReihen(vew, ueberall(tw(5, 3, 2)), 13, 104).empty());
    vew.sys = 0;
    EXPECT_EQ(quotenReihen(vew, ueberall(tw(5, 3, 2)), 13, 104).size(), 32u);
}

TEST(Quotenfilter, ListeStimmtMitQuotenProofUeberein) {
    std::mt19937 rng(11);
    for (int lauf = 0; lauf < 20; ++lauf) {
        TendenzWerte t;
        for (auto& w : t) {
            const int a = static_cast<int>(rng() % 8),
                      c = static_cast<int>(rng() % static_cast<unsigned>(11 - a));
            w = tw(a, 10 - a - c, c);
        }
        const TScheinOffen f = test::zufallsfeld(rng, 9);
        const int untere = 13 + static_cast<int>(rng() % 40), obere = 39 + static_cast<int>(rng() % 60);
        std::vector<Reihe> erwartet;
        const Feld feld(f);
        for (std::uint64_t k = 0; k < feld.reihenAnzahl(); ++k) {
            std::int64_t q = 0;
            if (QuotenProof(feld.reihe(k), t, untere, obere, q)) erwartet.push_back(feld.reihe(k));
        }
        EXPECT_EQ(quotenReihen(f, t, untere, obere), erwartet) << lauf;
    }
}

TEST(Quotenfilter, GelisteteQuotenBleibenBisZumNaechstenListen) {
    Quotenfilter q;
    q.feld().kreuzeSetzen(feldAus({"10", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}));
    TendenzWerte t = ueberall(tw(3, 4, 3));
    ASSERT_EQ(q.TippsListen(t), 2u);
    EXPECT_EQ(q.quote(0), 39);
    EXPECT_EQ(q.quote(1), 40);
    t.fill(tw(9, 1, 0));  // a later import changes nothing in the grid
    EXPECT_EQ(q.quote(0), 39);
}

TEST(Quotenfilter, Uebersicht) {
    TendenzWerte t = ueberall(tw(4, 3, 3));
    t[0] = tw(5, 3, 2);
    Quotenfilter q;
    EXPECT_FALSE(q.uebersicht().has_value());
    q.uebersichtFuellen(t);
    ASSERT_TRUE(q.uebersicht().has_value());
    const Quotenuebersicht& u = *q.uebersicht();
    EXPECT_EQ(u.groesste[0], 5);  // under "Min-Quote"
    EXPECT_EQ(u.kleinste[0], 2);  // under "Max-Quote"
    EXPECT_EQ(u.groesste[5], 4);
    EXPECT_EQ(u.kleinste[5], 3);
    EXPECT_EQ(u.summeGroesste, 5 + 12 * 4);
    EXPECT_EQ(u.faktorGroesste, 5 * 16777216ULL);  // 5 * 4^12
    EXPECT_EQ(u.summeKleinste, 2 + 12 * 3);
    EXPECT_EQ(u.faktorKleinste, 2 * 531441ULL);  // 2 * 3^12
    // A value 0 makes the factor 0.
    t[7] = tw(6, 4, 0);
    EXPECT_EQ(quotenUebersicht(t).faktorKleinste, 0u);
    EXPECT_EQ(quotenUebersicht(t).faktorGroesste, 5 * 6 * 4194304ULL);  // 5 * 6 * 4^11
    EXPECT_STREQ(kMinQuote, "Min-Quote");
    EXPECT_STREQ(kMaxQuote, "Max-Quote");
}

// Tendency values are bytes: a draw value is what home and away leave of
// 10, so "9 - 0 - 9" would leave 248 (the reader refuses such texts, but the
// overview takes any table). 13 such values overflow 64 bits; the products
// wrap modulo 2^64 (the sanitizer builds would report a signed overflow).
TEST(Quotenfilter, UebersichtMitUeberlaufendenWerten) {
    struct Fall {
        const char* name;
        TTendenzWert wert;
        int groesste, kleinste;
        std::uint64_t faktorGroesste, faktorKleinste;
        std::int64_t summeGroesste;
    };
    const Fall faelle[] = {
        // 248^13 = 13423688037899820324566029303808; 9^13 fits
        {"9 - 0 - 9", tw(9, 248, 9), 248, 9, 17214111824379641856ULL, 2541865828329ULL, 13 * 248},
        // 255^13 modulo 2^64, for both rows
        {"alles 255", tw(255, 255, 255), 255, 255, 12488767872148049151ULL, 12488767872148049151ULL,
         13 * 255},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const Quotenuebersicht u = quotenUebersicht(ueberall(f.wert));
        EXPECT_EQ(u.groesste[12], f.groesste);
        EXPECT_EQ(u.kleinste[0], f.kleinste);
        EXPECT_EQ(u.faktorGroesste, f.faktorGroesste);
        EXPECT_EQ(u.faktorKleinste, f.faktorKleinste);
        EXPECT_EQ(u.summeGroesste, f.summeGroesste);
    }
}

TEST(Quotenfilter, ZweimalOeffnenZeigtDenVorschlag) {
    Tippfeld vorschlag(Feldvariante::Vorschlag, 1);
    vorschlag.kreuzeSetzen(feldAus({"10", "1", "102", "2", "1", "1", "1", "1", "1", "1", "1", "1", "0"}));
    Quotenfilter q;
    q.kopiereVorschlag(vorschlag);
    q.feld().klick(75, 10);  // a cross of the user in the odds filter window
    vorschlag.klick(75, 40);
    q.kopiereVorschlag(vorschlag);
    EXPECT_EQ(q.feld().daten(), vorschlag.daten());
    EXPECT_EQ(q.feld().LVEWText(), vorschlag.LVEWText());
}

}  // namespace
}  // namespace kv
