// The print run as plain logic: the print store, the slip count, the
// printer's offsets, and which row goes into which field of which paper slip.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "io/Datei.h"
#include "model/Spielscheindatei.h"
#include "print/Druckplan.h"

namespace kv {
namespace {

using test::TempOrdner;

// Row i (1-based) of the test slips: i - 1 in base 3 over matches 13 .. 1.
std::string reihenZiffern(int i) {
    std::string z(13, '1');
    int v = i - 1;
    for (int m = 12; m >= 0 && v > 0; --m, v /= 3) z[static_cast<std::size_t>(m)] = "102"[v % 3];
    return z;
}

// A print store of n single rows.
Druckspeicher speicherMit(const TempOrdner& tmp, int n) {
    std::vector<TScheinOffen> felder;
    for (int i = 1; i <= n; ++i) felder.push_back(test::reiheAus(reihenZiffern(i)));
    const std::string pfad = tmp.datei("reihen.kv13");
    schreibeSpielschein(pfad, felder);
    Druckspeicher s;
    s.laden(pfad);
    return s;
}

// Box (f, m, b) lies at x = 1000 f + 10 m + b, y = 100 m + b.
TScheinFormat kennformat() {
    TScheinFormat f;
    f.FelderProReihe = 6;
    for (int feld = 1; feld <= 12; ++feld)
        for (int m = 1; m <= 13; ++m)
            for (int b = 1; b <= 3; ++b) f.kaestchen(feld, m, b) = {1000 * feld + 10 * m + b, 100 * m + b};
    return f;
}

struct Seite {
    std::uint64_t lauf;
    std::int64_t nummer;
    std::uint64_t erste, letzte;
    std::vector<int> felderMitTipps;  // fields that got tip marks
    std::vector<std::string> extra;   // add-on and number marks as "zusatzG@X,Y" / "nr=K@X,Y"
    friend bool operator==(const Seite&, const Seite&) = default;
};

std::ostream& operator<<(std::ostream& o, const Seite& s) {
    o << "{lauf " << s.lauf << ", nr " << s.nummer << ", Zeilen " << s.erste << ".." << s.letzte
      << ", Felder";
    for (int f : s.felderMitTipps) o << ' ' << f;
    for (const auto& e : s.extra) o << ", " << e;
    return o << '}';
}

Seite seite(const Papierschein& p) {
    Seite s{p.lauf, p.nummer, p.ersteZeile, p.letzteZeile, {}, {}};
    for (const Druckmarke& m : p.marken) {
        const std::string wo = "@" + std::to_string(m.punkt.X) + "," + std::to_string(m.punkt.Y);
        if (m.art == Druckmarke::Art::Tipp) {
            if (s.felderMitTipps.empty() || s.felderMitTipps.back() != m.feld)
                s.felderMitTipps.push_back(m.feld);
        } else if (m.art == Druckmarke::Art::Zusatz) {
            s.extra.push_back("zusatz" + std::to_string(m.spiel) + wo);
        } else {
            s.extra.push_back("nr=" + m.text + wo);
        }
    }
    return s;
}

std::vector<int> bis(int n) {
    std::vector<int> v;
    for (int i = 1; i <= n; ++i) v.push_back(i);
    return v;
}

// Runs a plan, answering the paper slips in turn with `antworten` (then Ja).
std::vector<Seite> lauf(Druckablauf& a, const Scheinangaben& angaben,
                        std::vector<Druckantwort> antworten = {}) {
    std::vector<Seite> seiten;
    std::size_t i = 0;
    while (!a.fertig()) {
        EXPECT_EQ(a.naechsterSchein(angaben), std::nullopt);
        seiten.push_back(seite(a.schein()));
        a.antwort(i < antworten.size() ? antworten[i++] : Druckantwort::Ja);
        if (seiten.size() > 1000) break;
    }
    return seiten;
}

TEST(Druckspeicher, ZeilenDerTabelleAusDerExpansion) {
    TempOrdner tmp;
    const std::string pfad = tmp.datei("s.kv13");
    schreibeSpielschein(
        pfad, {test::reiheAus("1021102210010"),
               test::feldAus({"12", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "102"})});
    Druckspeicher s;
    EXPECT_EQ(s.reihen(), 0u);
    s.laden(pfad);
    EXPECT_EQ(s.datei(), "s.kv13");
    EXPECT_EQ(s.reihen(), 7u);
    EXPECT_EQ(s.zeilenAnzahl(), 8u);
    EXPECT_EQ(s.zelle(0, 0), "Tippreihe");
    EXPECT_EQ(s.zelle(13, 0), "13");
    auto zeile = [&](std::uint64_t z) {
        std::string t;
        for (int c = 0; c < 14; ++c) t += (c ? "," : "") + s.zelle(c, z);
        return t;
    };
    EXPECT_EQ(zeile(1), "1,1,0,2,1,1,0,2,2,1,0,0,1,0");
    EXPECT_EQ(zeile(2), "2,1,1,1,1,1,1,1,1,1,1,1,1,1");
    EXPECT_EQ(zeile(7), "7,2,1,1,1,1,1,1,1,1,1,1,1,2");

    // A slip that is refused leaves the store as it was.
    std::vector<std::uint8_t> kaputt(40, 0);
    kaputt[0] = 14;
    schreibeAtomar(tmp.datei("kaputt.kv13"), kaputt);
    EXPECT_THROW(s.laden(tmp.datei("kaputt.kv13")), UngueltigeDatei);
    EXPECT_THROW(s.laden(tmp.datei("fehlt.kv13")), DateiFehler);
    EXPECT_EQ(s.reihen(), 7u);
    EXPECT_EQ(s.datei(), "s.kv13");
}

TEST(Druckplan, NeuBerechnen) {
    struct Fall {
        const char *start, *ende;
        int fps;
        std::optional<Scheinbedarf> erwartet;
    } faelle[] = {
        {"1", "25", 12, Scheinbedarf{3, "Scheine ausdrucken"}},
        {"1", "12", 12, Scheinbedarf{1, "Schein ausdrucken"}},
        {"1", "24", 12, Scheinbedarf{2, "Scheine ausdrucken"}},
        {"13", "20", 8, Scheinbedarf{1, "Schein ausdrucken"}},
        {"5", "5", 10, Scheinbedarf{1, "Schein ausdrucken"}},
        {"1", "1594323", 12, Scheinbedarf{132861, "Scheine ausdrucken"}},
        {"0", "12", 12, Scheinbedarf{1, "Schein ausdrucken"}},
        {"", "25", 12, std::nullopt},
        {"1", "", 12, std::nullopt},
        {"20", "13", 8, std::nullopt},
        {"1", "x", 8, std::nullopt},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(NeuBerechnen(f.start, f.ende, f.fps), f.erwartet)
            << f.start << ".." << f.ende << " / " << f.fps;
}

TEST(Druckplan, VersatzInZehntelMillimetern) {
    struct Fall {
        std::int64_t einheiten;
        double dpi;
        std::int64_t zehntel;
    } faelle[] = {
        {100, 645.16, 39}, {127, 645.16, 50}, {100, 600, 42}, {127, 600, 54}, {300, 1200, 64},
        {150, 1200, 32},   {1, 508, 0},       {3, 508, 2},    {5, 508, 2},    {7, 508, 4},
        {0, 300, 0},       {118, 300, 100},   {100, 0, 0},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(versatzZehntelMm(f.einheiten, f.dpi), f.zehntel)
            << f.einheiten << " bei " << f.dpi << " dpi";
}

TEST(Druckplan, MarkenpositionMitVersatzUndKorrektur) {
    TempOrdner tmp;
    const Druckspeicher s = speicherMit(tmp, 1);  // row 1: "1" on every match
    TScheinFormat f = kennformat();
    f.kaestchen(1, 1, 1) = {350, 420};
    struct Fall {
        Geraeteversatz versatz;
        Markenpunkt punkt;
    } faelle[] = {
        {{100, 127, 645.16}, {306, -373}},
        {{100, 127, 600}, {303, -369}},
        {{0, 0, 0}, {345, -423}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.versatz.dpi);
        Druckstart st;
        st.hori = "-5";
        st.vert = "3";
        st.versatz = fall.versatz;
        Druckbeginn b = Druckablauf::beginne(s, f, st);
        ASSERT_TRUE(b.ablauf) << b.meldung->text;
        ASSERT_EQ(b.ablauf->naechsterSchein({}), std::nullopt);
        const auto& m = b.ablauf->schein().marken;
        ASSERT_EQ(m.size(), 13u);
        EXPECT_EQ(m[0], (Druckmarke{Druckmarke::Art::Tipp, 1, 1, fall.punkt, "x"}));
        // Match 13, tip "1": x = 1000 + 130 + 1, y = 1301.
        EXPECT_EQ(m[12].punkt, markenPunkt({1131, 1301}, -5, 3, b.ablauf->OX(), b.ablauf->OY()));
    }
}

// Add-on game g "ja" at (100 g, 50), "nein" at (100 g + 5, 55); number at (1900, 60).
Scheinangaben alleAngaben(std::array<bool, 4> ja, bool nr) {
    Scheinangaben a;
    a.zusatzJa = ja;
    for (int g = 1; g <= 4; ++g) {
        a.zus[g - 1][0] = {std::to_string(100 * g), "50"};
        a.zus[g - 1][1] = {std::to_string(100 * g + 5), "55"};
    }
    a.nrDrucken = nr;
    a.nrX = "1900";
    a.nrY = "60";
    return a;
}

// The marks of alleAngaben: per game "j" for its "ja" or "n" for its "nein"
// position, then the number k.
std::vector<std::string> extras(const std::string& antworten, int k) {
    std::vector<std::string> e;
    for (int g = 1; g <= 4; ++g) {
        const bool ja = antworten[static_cast<std::size_t>(g - 1)] == 'j';
        e.push_back("zusatz" + std::to_string(g) + "@" + std::to_string(100 * g + (ja ? 0 : 5)) +
                    (ja ? ",-50" : ",-55"));
    }
    e.push_back("nr=" + std::to_string(k) + "@1900,-60");
    return e;
}

TEST(Druckplan, ReihenFelderUndPapierscheine) {
    using A = Druckantwort;
    const Scheinangaben ohne;
    Scheinangaben zusatz2 = alleAngaben({true, false, true, false}, false);
    zusatz2.zus[1][1] = {"205", ""};  // game 2 unchecked: only the "nein" x is filled
    zusatz2.zus[2][0] = {"", "50"};   // game 3 checked: "ja" lacks its x
    struct Fall {
        const char* name;
        int reihen;
        const char *start, *ende;
        int fps;
        const char* startNr;
        Scheinangaben angaben;
        std::vector<A> antworten;
        std::vector<Seite> seiten;
    } faelle[] = {
        // clang-format off
        {"25 Reihen, 12 Felder", 25, "1", "25", 12, "1", ohne, {},
         {{1, 1, 1, 12, bis(12), {}}, {2, 2, 13, 24, bis(12), {}}, {3, 3, 25, 25, {1}, {}}}},
        {"Reihen 1 bis 12", 25, "1", "12", 12, "1", ohne, {},
         {{1, 1, 1, 12, bis(12), {}}}},
        {"Start 13, Ende 20, 8 Felder", 25, "13", "20", 8, "1", ohne, {},
         {{1, 1, 13, 20, bis(8), {}}}},
        {"Nein beim letzten Teilschein", 25, "1", "25", 12, "1", ohne, {A::Ja, A::Ja, A::Nein},
         {{1, 1, 1, 12, bis(12), {}}, {2, 2, 13, 24, bis(12), {}}, {3, 3, 25, 25, {1}, {}},
          {4, 3, 25, 25, {1}, {}}}},
        {"Nein zweimal beim ersten Schein", 20, "1", "20", 10, "7", alleAngaben({}, true), {A::Nein, A::Nein},
         {{1, 7, 1, 10, bis(10), extras("nnnn", 7)}, {2, 7, 1, 10, bis(10), extras("nnnn", 7)},
          {3, 7, 1, 10, bis(10), extras("nnnn", 7)}, {4, 8, 11, 20, bis(10), extras("nnnn", 8)}}},
        {"Abbrechen", 25, "1", "25", 12, "1", ohne, {A::Abbrechen},
         {{1, 1, 1, 12, bis(12), {}}}},
        {"Ende hinter der Tabelle", 25, "20", "30", 8, "1", alleAngaben({false, true, false, true}, true), {},
         {{1, 1, 20, 27, bis(6), extras("njnj", 1)}, {2, 2, 28, 30, {}, extras("njnj", 2)}}},
        {"ENr leer", 13, "1", "13", 12, "", alleAngaben({}, true), {},
         {{1, 1, 1, 12, bis(12), extras("nnnn", 1)}, {2, 2, 13, 13, {1}, extras("nnnn", 2)}}},
        {"ENr 5", 13, "1", "13", 12, "5", alleAngaben({true, true, true, true}, true), {},
         {{1, 5, 1, 12, bis(12), extras("jjjj", 5)}, {2, 6, 13, 13, {1}, extras("jjjj", 6)}}},
        {"Zusatzspiel 2 nicht angekreuzt, nur nein-x", 3, "1", "3", 8, "1", zusatz2, {},
         {{1, 1, 1, 3, bis(3), {"zusatz1@100,-50", "zusatz4@405,-55"}}}},
        // clang-format on
    };
    TempOrdner tmp;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const Druckspeicher s = speicherMit(tmp, f.reihen);
        Druckstart st;
        st.start = f.start;
        st.ende = f.ende;
        st.felderProSchein = f.fps;
        st.startNr = f.startNr;
        Druckbeginn b = Druckablauf::beginne(s, kennformat(), st);
        ASSERT_TRUE(b.ablauf) << b.meldung->text;
        EXPECT_EQ(lauf(*b.ablauf, f.angaben, f.antworten), f.seiten);
        if (f.antworten.empty()) {  // the count shown before the run
            const auto n = NeuBerechnen(f.start, f.ende, f.fps);
            ASSERT_TRUE(n);
            EXPECT_EQ(n->scheine, f.seiten.size());
        }
    }
}

TEST(Druckplan, ZeileKommtInIhrFeldMitIhrenTipps) {
    TempOrdner tmp;
    const Druckspeicher s = speicherMit(tmp, 25);
    Druckstart st;
    st.start = "13";
    st.ende = "20";
    st.felderProSchein = 8;
    Druckbeginn b = Druckablauf::beginne(s, kennformat(), st);
    ASSERT_TRUE(b.ablauf);
    ASSERT_EQ(b.ablauf->naechsterSchein({}), std::nullopt);
    const auto& marken = b.ablauf->schein().marken;
    ASSERT_EQ(marken.size(), 8u * 13u);
    // Field q + 1 holds row 13 + q; each tip is drawn in its box of that field.
    for (std::size_t i = 0; i < marken.size(); ++i) {
        const int q = static_cast<int>(i / 13), m = static_cast<int>(i % 13) + 1;
        const int box = spalteVonZiffer(reihenZiffern(13 + q)[static_cast<std::size_t>(m - 1)] - '0');
        EXPECT_EQ(
            marken[i],
            (Druckmarke{
                Druckmarke::Art::Tipp, q + 1, m, {1000 * (q + 1) + 10 * m + box, -(100 * m + box)}, "x"}))
            << i;
    }
}

TEST(Druckplan, TippsJederReiheUeberFeldgrenzenHinweg) {
    // Full systems, a field without rows, a VEW field ("3-3", 24 rows) and a single row.
    TempOrdner tmp;
    const std::array<std::string, 13> eins = {"1", "1", "1", "1", "1", "1", "1",
                                              "1", "1", "1", "1", "1", "1"};
    auto mit = [&](std::initializer_list<std::pair<int, const char*>> tipps, int sys = 0) {
        auto t = eins;
        for (auto [m, z] : tipps) t[static_cast<std::size_t>(m - 1)] = z;
        return test::feldAus(t, sys);
    };
    std::mt19937 rng(11);
    schreibeSpielschein(tmp.datei("gemischt.kv13"),
                        {mit({{1, "102"}, {7, "02"}, {13, "102"}}), mit({{5, ""}, {6, "10"}}),
                         mit({{1, "102"}, {4, "10"}, {7, "02"}, {8, "12"}, {10, "102"}, {12, "102"}}, 4),
                         test::reiheAus("2222222222220"), test::zufallsfeld(rng, 5), mit({{13, "02"}})});
    Druckspeicher s;
    s.laden(tmp.datei("gemischt.kv13"));
    ASSERT_EQ(s.reihen(), 18u + 0u + 24u + 1u + s.schein()->feldZeilen(4) + 2u);
    for (int fps : {8, 12}) {
        for (const char* start : {"1", "5", "18"}) {
            SCOPED_TRACE(std::to_string(fps) + " ab " + start);
            Druckstart st;
            st.start = start;
            st.felderProSchein = fps;
            Druckbeginn b = Druckablauf::beginne(s, kennformat(), st);
            ASSERT_TRUE(b.ablauf);
            std::uint64_t geprueft = 0;
            while (!b.ablauf->fertig()) {
                ASSERT_EQ(b.ablauf->naechsterSchein({}), std::nullopt);
                const Papierschein& p = b.ablauf->schein();
                std::vector<std::string> ziffern(static_cast<std::size_t>(p.letzteZeile - p.ersteZeile + 1));
                for (const Druckmarke& m : p.marken) {
                    const int box = static_cast<int>(m.punkt.X) % 10;  // x = 1000 f + 10 m + b
                    ziffern[static_cast<std::size_t>(m.feld - 1)] += static_cast<char>('0' + TippZiffer[box]);
                }
                for (std::uint64_t z = p.ersteZeile; z <= p.letzteZeile; ++z, ++geprueft)
                    ASSERT_EQ(ziffern[z - p.ersteZeile], reiheZiffern(s.schein()->reihe(z))) << "Zeile " << z;
                b.ablauf->antwort(Druckantwort::Ja);
            }
            EXPECT_EQ(geprueft, s.reihen() - std::stoull(start) + 1);
        }
    }
}

TEST(Druckplan, BereichWirdBeimStartGeprueftUndZurueckgeschrieben) {
    TempOrdner tmp;
    const Druckspeicher s = speicherMit(tmp, 25);
    struct Fall {
        const char *start, *ende;
        const char *startDanach, *endeDanach;
        bool druckt;
    } faelle[] = {
        {"0", "", "1", "25", true},  {"", "", "1", "25", true},   {"00", "3", "1", "3", true},
        {"7", "6", "7", "6", false}, {"3", "0", "3", "0", false}, {"5", "5", "5", "5", true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.start) + ".." + f.ende);
        Druckstart st;
        st.start = f.start;
        st.ende = f.ende;
        Druckbeginn b = Druckablauf::beginne(s, kennformat(), st);
        EXPECT_EQ(st.start, f.startDanach);
        EXPECT_EQ(st.ende, f.endeDanach);
        EXPECT_EQ(b.ablauf.has_value(), f.druckt);
        if (!f.druckt) {
            EXPECT_EQ(b.meldung,
                      (Druckmeldung{
                          Meldungsart::Information,
                          "Bitte prüfen Sie Start und Ende des Tippreihen-Ausdrucks.\r\rIch breche ab."}));
        }
    }

    Druckspeicher leer;
    Druckstart st;
    const auto nichts = Druckmeldung{Meldungsart::Information, "Es gibt nichts zu drucken, ich breche ab."};
    EXPECT_EQ(Druckablauf::nichtsZuDrucken(leer), nichts);
    EXPECT_EQ(Druckablauf::beginne(leer, kennformat(), st).meldung, nichts);
    EXPECT_EQ(Druckablauf::nichtsZuDrucken(s), std::nullopt);
}

TEST(Druckplan, FelderOhneZahlBeendenDenLauf) {
    TempOrdner tmp;
    const Druckspeicher s = speicherMit(tmp, 25);
    struct Start {
        const char *hori, *vert, *nr;
        const char* meldung;
    } starts[] = {
        {"-", "", "1",
         "Im Feld \"horizontal:\" der Ausdruck-Korrektur steht \"-\", das ist keine ganze Zahl."},
        {"", "3-", "1",
         "Im Feld \"vertikal:\" der Ausdruck-Korrektur steht \"3-\", das ist keine ganze Zahl."},
        {"", "", "1a", "Im Feld \"Start-Nr.:\" steht \"1a\", das ist keine ganze Zahl."},
    };
    for (const Start& f : starts) {
        Druckstart st;
        st.hori = f.hori;
        st.vert = f.vert;
        st.startNr = f.nr;
        const Druckbeginn b = Druckablauf::beginne(s, kennformat(), st);
        EXPECT_FALSE(b.ablauf);
        ASSERT_TRUE(b.meldung);
        EXPECT_EQ(b.meldung->art, Meldungsart::Fehler);
        EXPECT_EQ(b.meldung->text, f.meldung + std::string("\r\rDer Ausdruck wird nicht begonnen."));
    }

    // A position field read for a paper slip: the run ends before that slip.
    Druckstart st;
    Druckbeginn b = Druckablauf::beginne(s, kennformat(), st);
    ASSERT_TRUE(b.ablauf);
    Druckablauf& a = *b.ablauf;
    Scheinangaben angaben = alleAngaben({}, true);
    ASSERT_EQ(a.naechsterSchein(angaben), std::nullopt);
    a.antwort(Druckantwort::Ja);
    angaben.zus[2][1][1] = "-";  // "y =" for "nein" of Joker1, changed while the question was open
    const auto m = a.naechsterSchein(angaben);
    ASSERT_TRUE(m);
    EXPECT_EQ(
        m->text,
        "Im Feld \"y =\" für \"nein\" bei Joker1 steht \"-\", das ist keine ganze Zahl.\r\rDer Ausdruck wird "
        "abgebrochen.");
    EXPECT_TRUE(a.fertig());
    angaben = alleAngaben({}, true);
    angaben.nrX = "x1";
    Druckbeginn c = Druckablauf::beginne(s, kennformat(), st);
    EXPECT_NE(c.ablauf->naechsterSchein(angaben)->text.find("\"x =\" der Tippschein-Nummer"),
              std::string::npos);
    // Not printing the number, its fields are not read.
    angaben.nrDrucken = false;
    Druckbeginn d = Druckablauf::beginne(s, kennformat(), st);
    EXPECT_EQ(d.ablauf->naechsterSchein(angaben), std::nullopt);
}

TEST(Druckplan, StoppenUndReihenfolgeDerAufrufe) {
    TempOrdner tmp;
    const Druckspeicher s = speicherMit(tmp, 25);
    Druckstart st;
    Druckbeginn b = Druckablauf::beginne(s, kennformat(), st);
    Druckablauf& a = *b.ablauf;
    EXPECT_THROW(a.antwort(Druckantwort::Ja), std::logic_error);
    ASSERT_EQ(a.naechsterSchein({}), std::nullopt);
    EXPECT_THROW(a.naechsterSchein({}), std::logic_error);  // the answer is due first
    a.stoppen();                                            // asked during the question
    a.antwort(Druckantwort::Nein);
    EXPECT_TRUE(a.fertig());
}

TEST(Druckplan, LaufBehaeltSeinenScheinWennEinAndererGeladenWird) {
    TempOrdner tmp;
    Druckspeicher s = speicherMit(tmp, 25);
    Druckstart st;
    Druckbeginn b = Druckablauf::beginne(s, kennformat(), st);
    ASSERT_EQ(b.ablauf->naechsterSchein({}), std::nullopt);
    b.ablauf->antwort(Druckantwort::Ja);
    schreibeSpielschein(tmp.datei("eins.kv13"), {test::reiheAus("2222222222222")});
    s.laden(tmp.datei("eins.kv13"));
    EXPECT_EQ(lauf(*b.ablauf, {}),
              (std::vector<Seite>{{2, 2, 13, 24, bis(12), {}}, {3, 3, 25, 25, {1}, {}}}));
}

}  // namespace
}  // namespace kv
