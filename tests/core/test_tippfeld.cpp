// The tip-field editor: hit test, toggles, marks, counts of the three
// variants, VEW choice, keys.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Hilfen.h"
#include "eingabe/Tippfeld.h"

namespace kv {
namespace {

using test::feldAus;
using A = Verwertung::Art;

// Sets the crosses of a field given as 13 digit groups by clicking them.
void kreuze(Tippfeld& f, const std::array<std::string, kSpiele>& tipps) {
    f.kreuzeSetzen(feldAus(tipps));
}

TEST(Trefferpruefung, GrenzpunkteDerKaestchen) {
    struct Fall {
        int x, y;
        std::optional<Treffer> soll;
    };
    const Fall faelle[] = {
        {50, 10, Treffer{2, 1, 1}},  // box "0" of match 1
        {23, 10, std::nullopt},      // left of box "1"
        {24, 10, Treffer{1, 1, 1}},
        {41, 10, Treffer{1, 1, 1}},  // both ends of box "1"
        {42, 10, std::nullopt},
        {47, 10, std::nullopt},  // gap
        {48, 10, Treffer{2, 1, 1}},
        {89, 10, Treffer{3, 1, 1}},  // last pixel of box "2"
        {90, 10, std::nullopt},
        {95, 10, std::nullopt},
        {103, 10, std::nullopt},
        {104, 10, Treffer{4, 1, 2}},
        {110, 10, Treffer{4, 1, 2}},
        {121, 10, Treffer{4, 1, 2}},
        {122, 10, std::nullopt},
        {127, 10, std::nullopt},
        {128, 10, Treffer{5, 1, 2}},
        {145, 10, Treffer{5, 1, 2}},
        {146, 10, std::nullopt},
        {30, 2, std::nullopt},
        {30, 3, Treffer{1, 1, 1}},
        {30, 21, Treffer{1, 1, 1}},
        {30, 22, std::nullopt},
        {30, 28, std::nullopt},
        {30, 29, Treffer{1, 2, 1}},
        // Lines are 25 or 26 pixels apart: match 4 ends at 99, match 5 starts at 106.
        {30, 99, Treffer{1, 4, 1}},
        {30, 100, std::nullopt},
        {30, 105, std::nullopt},
        {30, 106, Treffer{1, 5, 1}},
        {75, 329, Treffer{3, 13, 1}},
        {75, 330, std::nullopt},
        {-1, 10, std::nullopt},
        {30, -1, std::nullopt},
        {130, 311, Treffer{5, 13, 2}},
    };
    for (const Fall& f : faelle) EXPECT_EQ(trefferTest(f.x, f.y), f.soll) << "x = " << f.x << ", y = " << f.y;
}

TEST(Trefferpruefung, JedesKaestchenIst18Mal19PunkteGross) {
    std::map<std::pair<int, int>, int> punkte;
    for (int x = -5; x < 160; ++x)
        for (int y = -5; y < 345; ++y)
            if (const auto t = trefferTest(x, y)) {
                EXPECT_EQ(t->Was, t->spalte <= 3 ? 1 : 2);
                ++punkte[{t->spalte, t->spiel}];
            }
    EXPECT_EQ(punkte.size(), 5u * 13u);
    for (const auto& [kasten, n] : punkte) EXPECT_EQ(n, 18 * 19) << kasten.first << "/" << kasten.second;
}

TEST(Tippfeld, KlickSetztUndEntferntDasKreuz) {
    Tippfeld f(Feldvariante::Systemschein, 1);
    EXPECT_EQ(f.klick(50, 10), (Verwertung{A::Gesetzt, 1, 2}));
    EXPECT_TRUE(f.kreuz(1, 2));
    EXPECT_EQ(f.klick(50, 10), (Verwertung{A::Entfernt, 1, 2}));
    EXPECT_TRUE(f.leer());
    // A click on the cross's mark removes it too.
    f.klick(50, 10);
    EXPECT_EQ(f.markeGeklickt(2, 1), (Verwertung{A::Entfernt, 1, 2}));
    EXPECT_TRUE(f.leer());
    // Outside every box: nothing at all.
    EXPECT_EQ(f.klick(95, 10), std::nullopt);
}

TEST(Tippfeld, MausDruckTrifftZuerstGezeigteMarken) {
    // Field 1 of the system slip window (marks at L + 8, T - 4, 13 x 13):
    // box "1" of match 2 crossed, match 5 a 2-way ("1", "0"), match 7 a 3-way.
    const auto feld = [] {
        auto f = std::make_unique<Tippfeld>(Feldvariante::Systemschein, 1);
        f->kreuzeSetzen(feldAus({"", "1", "", "", "10", "", "102", "", "", "", "", "", ""}));
        return f;
    };
    struct Fall {
        const char* was;
        int x, y;
        std::optional<Tippfeld::Marke> marke;
        std::optional<Verwertung> soll;
        bool links = true;  // the left mouse button, or another one
    };
    const Fall faelle[] = {
        // the mark of box "1", match 2: x 32..44, y 25..37; above the box it still hits
        {"Marke über dem Kästchen", 40, 26, Tippfeld::Marke{1, 2}, Verwertung{A::Entfernt, 2, 1}},
        {"Marke rechts neben dem Kästchen", 44, 30, Tippfeld::Marke{1, 2}, Verwertung{A::Entfernt, 2, 1}},
        {"neben der Marke", 45, 26, std::nullopt, std::nullopt},
        {"Kästchen unter der Marke", 25, 40, std::nullopt, Verwertung{A::Entfernt, 2, 1}},
        // an uncrossed box has no mark: the gap above it hits nothing
        {"Lücke über leerem Kästchen", 60, 26, std::nullopt, std::nullopt},
        {"leeres Kästchen", 60, 30, std::nullopt, Verwertung{A::Gesetzt, 2, 2}},
        // the shown 2-way mark of match 5 (x 112..124, y 102..114) and its hidden 3-way mark
        {"Zweiwegmarke", 124, 102, Tippfeld::Marke{4, 5}, Verwertung{A::Hinweis, 5, 4}},
        {"verborgene Dreiwegmarke", 146, 103, std::nullopt, std::nullopt},
        // the 3-way mark of match 7 reaches past its column's box (x 136..148)
        {"Dreiwegmarke", 147, 154, Tippfeld::Marke{5, 7}, Verwertung{A::Hinweis, 7, 5}},
        {"zwischen den Spalten", 95, 160, std::nullopt, std::nullopt},
        // a mark takes clicks, which are the left button's; the picture around
        // the marks takes any button
        {"rechts auf der Marke", 40, 26, Tippfeld::Marke{1, 2}, std::nullopt, false},
        {"rechts auf der Zweiwegmarke", 124, 102, Tippfeld::Marke{4, 5}, std::nullopt, false},
        {"rechts auf der Dreiwegmarke", 147, 154, Tippfeld::Marke{5, 7}, std::nullopt, false},
        {"rechts auf dem Kästchen unter der Marke", 25, 40, std::nullopt, Verwertung{A::Entfernt, 2, 1},
         false},
        {"rechts auf leerem Kästchen", 60, 30, std::nullopt, Verwertung{A::Gesetzt, 2, 2}, false},
        {"rechts in der Markenspalte", 112, 30, std::nullopt, Verwertung{A::Hinweis, 2, 4}, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        auto t = feld();
        const TScheinOffen vorher = t->daten();
        EXPECT_EQ(t->markeBei(f.x, f.y), f.marke);
        EXPECT_EQ(t->mausDruck(f.x, f.y, f.links), f.soll);
        if (!f.soll || f.soll->art == A::Hinweis) {
            EXPECT_EQ(t->daten(), vorher);
        }
        // A press on a tip box (or its mark) takes the keyboard focus there.
        const Feldfokus fokus =
            f.soll && f.soll->spalte <= 3 ? Feldfokus{f.soll->spiel, f.soll->spalte} : Feldfokus{1, 1};
        EXPECT_EQ(t->fokus(), fokus);
    }
    // The other two windows place their marks at L + 3.
    Tippfeld v(Feldvariante::Vorschlag, 1);
    v.TrefferVerwerten(102, 1);
    EXPECT_EQ(v.markeBei(27, 25), (Tippfeld::Marke{1, 2}));
    EXPECT_EQ(v.markeBei(40, 25), std::nullopt);
}

TEST(Tippfeld, MarkenspalteBringtNurDenHinweis) {
    Tippfeld f(Feldvariante::Vorschlag, 1);
    kreuze(f, {"10", "", "", "", "", "", "", "", "", "", "", "", ""});
    int aufrufe = 0;
    f.setzeNachVerwertung([&] { ++aufrufe; });
    const TScheinOffen vorher = f.daten();
    EXPECT_EQ(f.klick(110, 10), (Verwertung{A::Hinweis, 1, 4}));
    EXPECT_EQ(f.markeGeklickt(4, 1), (Verwertung{A::Hinweis, 1, 4}));  // the visible 2-way mark
    EXPECT_EQ(f.markeGeklickt(5, 7), (Verwertung{A::Hinweis, 7, 5}));
    EXPECT_EQ(f.daten(), vorher);
    EXPECT_TRUE(f.zweiwegMarke(1));
    // The hook follows every call, the message case included.
    EXPECT_EQ(aufrufe, 3);
    f.klick(30, 30);
    EXPECT_EQ(aufrufe, 4);
    EXPECT_STREQ(kMarkenHinweis,
                 "Die Kreuze für Zweier- und Dreierweg werden automatisch gesetzt und entfernt.");
}

TEST(Tippfeld, CodesOhneKaestchenWerdenAbgewiesen) {
    Tippfeld f(Feldvariante::Systemschein, 1);
    for (const auto& [z, was] :
         std::vector<std::pair<int, int>>{{100, 1}, {114, 1}, {401, 1}, {601, 2}, {101, 3}})
        EXPECT_THROW(f.TrefferVerwerten(z, was), std::out_of_range) << z << "/" << was;
    EXPECT_TRUE(f.leer());
}

TEST(Tippfeld, MarkenFolgenDenKreuzen) {
    // Match 4: one, two, three crosses, then back down.
    struct Schritt {
        int spalte;
        bool zw, dw;
        const char *pzw, *pdw, *panz;
    };
    const Schritt schritte[] = {
        {1, false, false, "0", "0", "1"}, {2, true, false, "1", "0", "2"},  {3, false, true, "0", "1", "3"},
        {1, true, false, "1", "0", "2"},  {2, false, false, "0", "0", "1"}, {3, false, false, "0", "0", "0"},
    };
    Tippfeld f(Feldvariante::Quotenfilter, 1);
    for (const Schritt& s : schritte) {
        f.TrefferVerwerten(s.spalte * 100 + 4, 1);
        SCOPED_TRACE("Spalte " + std::to_string(s.spalte) + ", Kreuze " + std::to_string(f.kreuzAnzahl(4)));
        EXPECT_EQ(f.zweiwegMarke(4), s.zw);
        EXPECT_EQ(f.dreiwegMarke(4), s.dw);
        EXPECT_EQ(f.PZWText(), s.pzw);
        EXPECT_EQ(f.PDWText(), s.pdw);
        EXPECT_EQ(f.PAnzText(), s.panz);
        for (int m = 1; m <= kSpiele; ++m)
            if (m != 4) {
                EXPECT_FALSE(f.zweiwegMarke(m) || f.dreiwegMarke(m));
            }
    }
    EXPECT_TRUE(f.leer());
}

TEST(Tippfeld, ZaehlerJeVariante) {
    using T = std::array<std::string, kSpiele>;
    const T leer{};
    const T einzel = {"1", "0", "2", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"};
    const T nurSpiel1 = {"10", "", "", "", "", "", "", "", "", "", "", "", ""};
    const T zw2dw5 = {"10", "02", "102", "102", "102", "102", "102", "1", "1", "1", "1", "1", "1"};
    const T zw4dw3 = {"10", "10", "10", "10", "102", "102", "102", "1", "1", "1", "1", "1", "1"};
    const T zw3dw4 = {"10", "10", "10", "102", "102", "102", "102", "1", "1", "1", "1", "1", "1"};
    const T zw5dw4 = {"10", "10", "10", "10", "10", "102", "102", "102", "102", "1", "1", "1", "1"};
    struct Fall {
        const char* name;
        T tipps;
        const char *pzw, *pdw, *panz;
        std::optional<std::string> lvew;  // suggestion and odds filter fields
    };
    const Fall faelle[] = {
        {"leer", leer, "0", "0", "0", std::nullopt},
        {"Einzelreihe", einzel, "0", "0", "1", std::nullopt},
        {"nur Spiel 1", nurSpiel1, "1", "0", "2", std::nullopt},
        {"2-5", zw2dw5, "2", "5", "972", "VEW: 108"},
        {"4-3", zw4dw3, "4", "3", "432", "VEW: 48"},
        {"3-4", zw3dw4, "3", "4", "648", "VEW: 72"},
        {"5-4", zw5dw4, "5", "4", "2592", std::nullopt},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        for (Feldvariante v :
             {Feldvariante::Systemschein, Feldvariante::Vorschlag, Feldvariante::Quotenfilter}) {
            Tippfeld feld(v, 1);
            kreuze(feld, f.tipps);
            EXPECT_EQ(feld.PZWText(), f.pzw);
            EXPECT_EQ(feld.PDWText(), f.pdw);
            EXPECT_EQ(feld.PAnzText(), f.panz);
            EXPECT_EQ(feld.LVEWText(), v == Feldvariante::Systemschein ? std::nullopt : f.lvew);
        }
    }
    // Turning one 2-way of "4-3" into a 3-way gives "3-4".
    Tippfeld v(Feldvariante::Vorschlag, 1);
    kreuze(v, zw4dw3);
    v.TrefferVerwerten(304, 1);
    EXPECT_EQ(v.LVEWText(), "VEW: 72");
}

TEST(Tippfeld, VewWahlBestimmtPAnzImSystemscheinfenster) {
    Tippfeld f(Feldvariante::Systemschein, 2);
    f.RGVEWClick(7);  // "4-3"
    EXPECT_EQ(f.PAnzText(), "48");
    kreuze(f, {"10", "102", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"});
    EXPECT_EQ(f.PAnzText(), "48");
    EXPECT_EQ(f.daten().sys, 7);
    f.RGVEWClick(0);
    EXPECT_EQ(f.PAnzText(), "6");
    f.RGVEWClick(14);  // no such item: ignored
    EXPECT_EQ(f.vewWahl(), 0);

    // "Delete field" on a field with "7-1": every cross gone, "no", "0".
    f.RGVEWClick(6);
    f.BDelClick();
    EXPECT_TRUE(f.leer());
    EXPECT_EQ(f.vewWahl(), 0);
    EXPECT_EQ(f.PAnzText(), "0");

    // The other two windows have no choice.
    Tippfeld v(Feldvariante::Vorschlag, 1);
    v.RGVEWClick(7);
    EXPECT_EQ(v.vewWahl(), 0);
    EXPECT_EQ(vewAuswahlTexte()[0], "no");
    EXPECT_EQ(vewAuswahlTexte()[4], "3-3");
    EXPECT_EQ(vewAuswahlTexte()[13], "4-4");
}

TEST(Tippfeld, SysFailUndFeldOkay) {
    using T = std::array<std::string, kSpiele>;
    struct Fall {
        T tipps;
        int system;
        bool sysFail, feldOkay;
    };
    const Fall faelle[] = {
        {{"10", "10", "10", "10", "102", "102", "102", "1", "1", "1", "1", "1", "1"}, 7, false, true},
        {{"10", "10", "10", "10", "10", "102", "102", "102", "1", "1", "1", "1", "1"}, 7, true, true},
        {{"10", "10", "10", "10", "102", "102", "1", "1", "1", "1", "1", "1", "1"}, 7, true, true},
        {{"10", "10", "10", "10", "102", "102", "102", "1", "1", "1", "1", "1", ""}, 7, false, false},
        {{"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}, 1, true, true},
        {{"", "", "", "", "", "", "", "", "", "", "", "", ""}, 2, true, false},
    };
    for (const Fall& f : faelle) {
        Tippfeld feld(Feldvariante::Systemschein, 1);
        kreuze(feld, f.tipps);
        EXPECT_EQ(feld.SysFail(f.system), f.sysFail) << feld.PZWText() << "-" << feld.PDWText();
        EXPECT_EQ(feld.FeldOkay(), f.feldOkay) << feld.PZWText() << "-" << feld.PDWText();
    }
}

TEST(Tippfeld, BeschriftungMarkennamenUndPositionen) {
    const Tippfeld s(Feldvariante::Systemschein, 3), v(Feldvariante::Vorschlag, 1),
        q(Feldvariante::Quotenfilter, 1);
    EXPECT_EQ(s.LNrText(), "Feld 3");
    EXPECT_EQ(v.LNrText(), "Vorschlag");
    EXPECT_EQ(q.LNrText(), "Feld 1");
    EXPECT_EQ(s.markenName(2, 5), "WZKreuz3205");
    EXPECT_EQ(s.markenName(4, 13), "WZKreuz3413");
    EXPECT_EQ(v.markenName(5, 1), "VKreuz1501");
    EXPECT_EQ(q.markenName(1, 12), "VKreuz1112");
    EXPECT_EQ(s.markenPosition(2, 5), (Punkt{56, 102}));
    EXPECT_EQ(v.markenPosition(2, 5), (Punkt{51, 102}));
    EXPECT_EQ(q.markenPosition(5, 13), (Punkt{131, 307}));
    EXPECT_EQ(KreuzKlick(3205), (Markenklick{3, 205, 1}));
    EXPECT_EQ(KreuzKlick(12413), (Markenklick{12, 413, 2}));
}

TEST(Tippfeld, TastaturBewegtDenFokusUndSchaltetUm) {
    Tippfeld f(Feldvariante::Vorschlag, 1);
    EXPECT_EQ(f.fokus(), (Feldfokus{1, 1}));
    // The focus stops at the edges.
    EXPECT_EQ(f.taste(Feldtaste::Links), std::nullopt);
    EXPECT_EQ(f.taste(Feldtaste::Hoch), std::nullopt);
    EXPECT_EQ(f.fokus(), (Feldfokus{1, 1}));
    f.taste(Feldtaste::Rechts);
    f.taste(Feldtaste::Rechts);
    f.taste(Feldtaste::Rechts);
    EXPECT_EQ(f.fokus(), (Feldfokus{1, 3}));
    for (int i = 0; i < 20; ++i) f.taste(Feldtaste::Runter);
    EXPECT_EQ(f.fokus(), (Feldfokus{13, 3}));
    EXPECT_EQ(f.taste(Feldtaste::Leertaste), (Verwertung{A::Gesetzt, 13, 3}));
    // "0" toggles box "0" (column 2) of the line and takes the focus there.
    f.taste(Feldtaste::Hoch);
    EXPECT_EQ(f.taste(Feldtaste::Null), (Verwertung{A::Gesetzt, 12, 2}));
    EXPECT_EQ(f.fokus(), (Feldfokus{12, 2}));
    EXPECT_EQ(f.taste(Feldtaste::Zwei), (Verwertung{A::Gesetzt, 12, 3}));
    EXPECT_EQ(f.taste(Feldtaste::Eins), (Verwertung{A::Gesetzt, 12, 1}));
    EXPECT_TRUE(f.dreiwegMarke(12));
    EXPECT_EQ(f.taste(Feldtaste::Leertaste), (Verwertung{A::Entfernt, 12, 1}));
    EXPECT_TRUE(f.zweiwegMarke(12));
    EXPECT_EQ(f.PAnzText(), "2");
}

TEST(Tippfeld, SetzenEntferntNieUndUebernehmenKopiertGenau) {
    const TScheinOffen vorschlag = feldAus({"1", "10", "102", "2", "", "", "", "", "", "", "", "", "0"});
    Tippfeld f(Feldvariante::Quotenfilter, 1);
    f.kreuzeSetzen(feldAus({"2", "2", "", "", "1", "", "", "", "", "", "", "", ""}));
    f.kreuzeSetzen(vorschlag);
    // Crossed before and in the suggestion: still crossed.
    EXPECT_TRUE(f.kreuz(2, 3) && f.kreuz(2, 1) && f.kreuz(2, 2) && f.kreuz(5, 1));
    // Copying twice gives exactly the source both times.
    f.kreuzeUebernehmen(vorschlag);
    EXPECT_EQ(f.daten(), vorschlag);
    f.kreuzeUebernehmen(vorschlag);
    EXPECT_EQ(f.daten(), vorschlag);
    EXPECT_TRUE(f.zweiwegMarke(2) && f.dreiwegMarke(3) && !f.zweiwegMarke(1));
}

}  // namespace
}  // namespace kv
