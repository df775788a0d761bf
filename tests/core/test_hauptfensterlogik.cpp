// The display rules of the main window: tip colours, header centring, the
// row-count captions, cleaning up read scores, and the row table the tabs and
// their text export read.
#include <gtest/gtest.h>

#include "Hilfen.h"
#include "evaluation/Hauptfensterlogik.h"
#include "evaluation/Reihentabelle.h"
#include "textexport/TextExport.h"

namespace kv {
namespace {

using test::feldAus;
using test::reiheAus;

struct Zentrierfall {
    int w, text, blank, blanks;
};

TEST(Zentrieren, BlanksNachDerRegelMitHalbenZurGeradenZahl) {
    const Zentrierfall faelle[] = {
        {35, 8, 3, 3},   // round(24.5) = 24, 16 / 6 = 2.67 -> 3
        {25, 14, 4, 0},  // round(17.5) = 18, 4 / 8 = 0.5 -> 0 (even)
        {16, 5, 2, 2},   // round(11.2) = 11, 6 / 4 = 1.5 -> 2 (even)
        {24, 7, 2, 2},   // round(16.8) = 17, 10 / 4 = 2.5 -> 2 (even)
        {15, 6, 1, 2},   // round(10.5) = 10, 4 / 2 = 2
        {18, 20, 3, 0},  // text wider than the room: no blank
        {31, 6, 3, 3},   // round(21.7) = 22, 16 / 6 = 2.67 -> 3
        {20, 6, 0, 0},   // no measurable blank
    };
    for (const auto& f : faelle)
        EXPECT_EQ(zentrierBlanks(f.w, f.text, f.blank), f.blanks) << "w=" << f.w << " text=" << f.text;
}

TEST(Farben, TippfelderNachErgebnisUndSpielende) {
    // the result column
    EXPECT_EQ(tippfeldFarbe(true, 2, 2, false), Tippfarbe::HellGruen);
    EXPECT_EQ(tippfeldFarbe(true, 2, 2, true), Tippfarbe::StarkGruen);
    EXPECT_EQ(tippfeldFarbe(false, 2, 2, false), Tippfarbe::HellRot);
    EXPECT_EQ(tippfeldFarbe(false, 2, 2, true), Tippfarbe::StarkRot);
    // the other columns do not depend on the end of the match
    EXPECT_EQ(tippfeldFarbe(true, 1, 2, false), Tippfarbe::Gelb);
    EXPECT_EQ(tippfeldFarbe(true, 3, 2, true), Tippfarbe::Gelb);
    EXPECT_EQ(tippfeldFarbe(false, 1, 2, true), Tippfarbe::Neutral);
    EXPECT_EQ(tippfeldFarbe(false, 3, 2, false), Tippfarbe::Neutral);

    EXPECT_EQ(reihenzellenFarbe(2, 2, false), Tippfarbe::HellGruen);
    EXPECT_EQ(reihenzellenFarbe(2, 1, false), Tippfarbe::HellRot);
    EXPECT_EQ(reihenzellenFarbe(2, 1, true), Tippfarbe::StarkRot);
    EXPECT_EQ(reihenzellenFarbe(3, 3, true), Tippfarbe::StarkGruen);

    EXPECT_EQ(chancenStufe(9), 0);
    EXPECT_EQ(chancenStufe(kKeineChance), 0);
    EXPECT_EQ(chancenStufe(10), 1);
    EXPECT_EQ(chancenStufe(13), 4);
}

TEST(Feldbeschriftung, ReihenzahlUndVew) {
    EXPECT_EQ(tippreihenText(Feld(reiheAus("1021021021021"))), "1 Tippreihe");
    EXPECT_EQ(
        tippreihenText(Feld(feldAus({"10", "102", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}))),
        "6 Tippreihen");
    // a match without a cross: no rows, no caption
    EXPECT_EQ(tippreihenText(Feld(feldAus({"", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}))),
              "");
    EXPECT_EQ(vewText(Feld(reiheAus("1021021021021"))), "");

    // VEW fields: the system's name and its rows, not the product of the tips
    struct Vewfall {
        int sys;
        std::array<std::string, kSpiele> tipps;
        const char* vew;
        const char* reihen;
    };
    const Vewfall faelle[] = {
        {1,
         {"10", "10", "10", "10", "10", "1", "1", "1", "1", "1", "1", "1", "1"},
         "VEW 5-0",
         "8 VEW-Reihen"},
        {7,
         {"10", "10", "10", "10", "102", "102", "102", "1", "1", "1", "1", "1", "1"},
         "VEW 4-3",
         "48 VEW-Reihen"},
        {13,
         {"10", "10", "10", "10", "102", "102", "102", "102", "1", "1", "1", "1", "1"},
         "VEW 4-4",
         "144 VEW-Reihen"},
    };
    for (const Vewfall& f : faelle) {
        const Feld vew(feldAus(f.tipps, f.sys));
        EXPECT_EQ(vewText(vew), f.vew) << f.sys;
        EXPECT_EQ(tippreihenText(vew), f.reihen) << f.sys;
    }
}

TEST(Reihentabelle, ZeilenUeberFelderHinwegMitChancen) {
    // field 1: 2 x 2 x 2 = 8 rows, field 2: 2 x 2 = 4 rows
    Schein schein;
    schein.feldAnhaengen(feldAus({"10", "10", "10", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}));
    schein.feldAnhaengen(feldAus({"2", "2", "2", "2", "2", "2", "2", "2", "2", "2", "2", "02", "02"}));
    Ergebnislage lage;
    lage.gewinnreihe.fill(1);  // "1" everywhere
    lage.beendet = 0x1F;       // matches 1..5 final
    const Auswertung a(schein, lage, true);
    const Reihentabelle t(schein, &a);

    EXPECT_EQ(t.zeilenAnzahl(), 13u);
    EXPECT_EQ(t.spaltenAnzahl(), 15);
    EXPECT_EQ(t.zelle(0, 0), "Tipp");
    EXPECT_EQ(t.zelle(13, 0), "13");
    EXPECT_EQ(t.zelle(14, 0), "Ch");

    auto zeile = [&](std::uint64_t n) {
        std::string s;
        for (int c = 1; c <= 13; ++c) s += t.zelle(c, n);
        return s;
    };
    EXPECT_EQ(zeile(1), "1111111111111");
    EXPECT_EQ(zeile(8), "0001111111111");
    EXPECT_EQ(zeile(9), "2222222222200");  // first row of field 2 is line 9
    EXPECT_EQ(zeile(12), "2222222222222");
    EXPECT_EQ(t.zelle(0, 9), "9");
    // line 1 misses nothing among 1..5, line 8 misses matches 1..3, field 2 misses all five
    EXPECT_EQ(t.zelle(14, 1), "13");
    EXPECT_EQ(t.zelle(14, 8), "10");
    EXPECT_EQ(t.zelle(14, 9), "---");
    EXPECT_EQ(t.tippSpalte(9, 12), 2);
    EXPECT_EQ(t.tippSpalte(9, 1), 3);
    EXPECT_EQ(t.zelle(1, 13), "");  // beyond the last line

    // without an evaluation the chance column stays empty
    const Reihentabelle ohne(schein, nullptr);
    EXPECT_EQ(ohne.zelle(14, 1), "");

    // the text export takes the 13 tips and never the chance column
    const std::string text = tabelleAlsTextInhalt(t, 13);
    EXPECT_EQ(text.size(), 12u * 27u);
    EXPECT_EQ(text.substr(0, 27), "1,1,1,1,1,1,1,1,1,1,1,1,1\r\n");
    EXPECT_EQ(text.substr(8 * 27, 27), "2,2,2,2,2,2,2,2,2,2,2,0,0\r\n");
}

}  // namespace
}  // namespace kv
