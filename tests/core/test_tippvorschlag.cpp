// Tip suggestion, row filter, listing, random reduction and the two files of
// the normal slip entry window's row list.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "Schreibpruefung.h"
#include "eingabe/Normalscheineingabe.h"
#include "garantie/Garantieanalyse.h"
#include "model/Schein.h"
#include "model/Spielscheindatei.h"
#include "textexport/TextExport.h"

namespace kv {
namespace {

using test::feldAus;
using test::reiheAus;
using test::tw;

Reihe reihe(const std::string& ziffern) {
    return Feld(reiheAus(ziffern)).reihe(0);
}

TEST(Tippvorschlag, SchwellenUndNurKaestchen) {
    struct Fall {
        TTendenzWert wert;
        std::array<int, 3> schwelle;
        std::array<bool, 3> nur;
        std::string tipps;
    };
    const Fall faelle[] = {
        {tw(5, 3, 2), {2, 3, 3}, {false, false, false}, "1"},
        {tw(4, 4, 2), {2, 3, 3}, {false, false, false}, "10"},
        {tw(4, 4, 2), {2, 3, 3}, {false, true, false}, "0"},
        {tw(4, 4, 2), {2, 3, 3}, {false, false, true}, "10"},  // "nur" 2 does not apply: 2 is not above 3
        {tw(4, 4, 2), {2, 3, 3}, {true, true, false}, "1"},    // the first "nur" that applies wins
        {tw(4, 3, 3), {7, 7, 7}, {false, false, false}, ""},
        {tw(4, 3, 3), {3, 3, 3}, {false, false, false}, "1"},  // equal to the threshold: no cross
        {tw(3, 4, 3), {2, 2, 2}, {false, false, false}, "102"},
        {tw(2, 3, 5), {2, 3, 3}, {true, false, false}, "2"},
    };
    for (const Fall& f : faelle) {
        TendenzWerte t;
        t.fill(f.wert);
        Vorschlagseinstellungen e;
        e.schwelle = f.schwelle;
        e.nur = f.nur;
        const TScheinOffen v = tippVorschlag(t, e);
        std::string erwartet = f.tipps;
        for (int m = 1; m < kSpiele; ++m) erwartet += "," + f.tipps;
        EXPECT_EQ(tippgruppen(v), erwartet) << f.tipps;
    }
    // Start values of the settings.
    const Vorschlagseinstellungen e;
    EXPECT_EQ(e.schwelle, (std::array<int, 3>{2, 3, 3}));
    EXPECT_EQ(Reihenfilter{}.hoechstens, (std::array<int, 3>{8, 5, 5}));
    EXPECT_EQ(kSchwellen[0].nehme(9, 2), 2);
    EXPECT_EQ(kSchwellen[0].nehme(7, 2), 7);
}

TEST(Normalscheineingabe, VorschlagErsetztDasFeldUndDieReihenFolgen) {
    Normalscheineingabe n;
    EXPECT_EQ(n.vorschlagsfeld().LNrText(), "Vorschlag");
    EXPECT_EQ(n.reihen().reihenAnzahl(), 0u);
    // A hand cross before the suggestion disappears with it.
    n.vorschlagsfeld().klick(75, 10);  // match 1, "2"
    TendenzWerte t;
    t.fill(tw(5, 3, 2));
    t[1] = tw(4, 4, 2);
    t[2] = tw(2, 5, 3);
    n.BAktualClick(t, Vorschlagseinstellungen{});
    EXPECT_EQ(tippgruppen(n.vorschlagsfeld().daten()), "1,10,0,1,1,1,1,1,1,1,1,1,1");
    EXPECT_EQ(n.reihen().reihenAnzahl(), 2u);
    EXPECT_EQ(n.vorschlagsfeld().PAnzText(), "2");
    // Every click re-expands the rows; the list stays until the next listing.
    Reihenfilter aus;
    aus.an = false;
    n.BFilterClick(aus);
    EXPECT_EQ(n.liste().anzahl(), 2u);
    n.vorschlagsfeld().klick(75, 60);  // match 3, "2"
    EXPECT_EQ(n.reihen().reihenAnzahl(), 4u);
    EXPECT_EQ(n.liste().anzahl(), 2u);
    n.vorschlagsfeld().klick(75, 10);
    EXPECT_EQ(n.reihen().reihenAnzahl(), 8u);
    EXPECT_EQ(reiheZiffern(n.reihen().reihe(7)), "2021111111111");
    // A match without a tip: no rows at all.
    t[5] = tw(3, 3, 4);
    Vorschlagseinstellungen streng;
    streng.schwelle = {7, 7, 7};
    n.BAktualClick(t, streng);
    EXPECT_TRUE(n.vorschlagsfeld().leer());
    EXPECT_EQ(n.reihen().reihenAnzahl(), 0u);
    n.BFilterClick(Reihenfilter{});
    EXPECT_TRUE(n.liste().leer());
}

TEST(Reihenfilter, GrenzenJeTipp) {
    struct Fall {
        std::string reihe;
        std::array<int, 3> hoechstens;
        bool durch;
    };
    const Fall faelle[] = {
        {"1111111100000", {8, 5, 5}, true},   // eight "1": listed
        {"1111111110000", {8, 5, 5}, false},  // nine "1": dropped
        {"1111111102222", {8, 5, 5}, true},   {"0000001111111", {13, 5, 13}, false},
        {"0000011111111", {13, 5, 13}, true}, {"2222221111111", {13, 13, 5}, false},
        {"1021021021021", {1, 1, 1}, false},
    };
    for (const Fall& f : faelle) {
        Reihenfilter filter;
        filter.hoechstens = f.hoechstens;
        EXPECT_EQ(filterLaesstDurch(reihe(f.reihe), filter), f.durch) << f.reihe;
        filter.an = false;
        EXPECT_TRUE(filterLaesstDurch(reihe(f.reihe), filter)) << f.reihe;
    }
}

// Rows of 13 tips with at most a "1", b "0" and c "2", counted by choosing
// the positions of each kind.
std::uint64_t erwarteteAnzahl(int a, int b, int c) {
    std::uint64_t n = 0;
    const auto binom = [](int k, int r) {
        std::uint64_t x = 1;
        for (int i = 1; i <= r; ++i)
            x = x * static_cast<std::uint64_t>(k - r + i) / static_cast<std::uint64_t>(i);
        return x;
    };
    for (int n1 = 0; n1 <= std::min(a, 13); ++n1)
        for (int n0 = 0; n0 <= std::min(b, 13 - n1); ++n0)
            if (13 - n1 - n0 <= c) n += binom(13, n1) * binom(13 - n1, n0);
    return n;
}

TEST(Reihenliste, AuflistenMitUndOhneFilter) {
    const TScheinOffen voll =
        feldAus({"102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102"});
    Reihenliste l;
    Reihenfilter aus;
    aus.an = false;
    l.auflisten(Feld(voll), aus);
    EXPECT_EQ(l.anzahl(), 1594323u);
    EXPECT_EQ(reiheZiffern(l.reihe(0)), "1111111111111");
    EXPECT_EQ(reiheZiffern(l.reihe(1)), "1111111111110");
    EXPECT_EQ(reiheZiffern(l.reihe(1594322)), "2222222222222");
    l.auflisten(Feld(voll), Reihenfilter{});
    EXPECT_EQ(l.anzahl(), erwarteteAnzahl(8, 5, 5));
    for (std::uint64_t i = 0; i < l.anzahl(); i += 997)
        EXPECT_TRUE(filterLaesstDurch(l.reihe(i), Reihenfilter{}));

    // A smaller field against the plain expansion of the test helpers.
    const TScheinOffen f = feldAus({"10", "1", "102", "1", "0", "12", "1", "1", "1", "1", "02", "1", "102"});
    Reihenfilter filter;
    filter.hoechstens = {9, 2, 2};
    l.auflisten(Feld(f), filter);
    std::vector<std::string> erwartet;
    for (const std::string& z : test::referenzReihen(f))
        if (std::count(z.begin(), z.end(), '1') <= 9 && std::count(z.begin(), z.end(), '0') <= 2 &&
            std::count(z.begin(), z.end(), '2') <= 2)
            erwartet.push_back(z);
    std::vector<std::string> gelistet;
    for (Reihe r : l.reihen()) gelistet.push_back(reiheZiffern(r));
    EXPECT_EQ(gelistet, erwartet);
}

TEST(Reihenliste, ZufallsreduktionBehaeltVerschiedeneReihen) {
    const TScheinOffen f = feldAus({"10", "10", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "102"});
    Reihenfilter aus;
    aus.an = false;
    Reihenliste l;
    l.auflisten(Feld(f), aus);
    ASSERT_EQ(l.anzahl(), 12u);
    const std::vector<Reihe> vorher = l.reihen();
    Zufallsgenerator z(42);
    const std::vector<std::uint64_t> auswahl = l.reduzieren(4, z);
    ASSERT_EQ(l.anzahl(), 4u);
    ASSERT_EQ(auswahl.size(), 4u);
    EXPECT_EQ(std::set<std::uint64_t>(auswahl.begin(), auswahl.end()).size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(l.reihe(i), vorher[auswahl[i]]);
    // The same seed draws the same rows; the list is the previous list's part.
    Reihenliste m;
    m.auflisten(Feld(f), aus);
    Zufallsgenerator z2(42);
    m.reduzieren(4, z2);
    EXPECT_EQ(m.reihen(), l.reihen());
    // N is clamped to the rows there are.
    l.reduzieren(99, z);
    EXPECT_EQ(l.anzahl(), 4u);
    Reihenliste leer;
    EXPECT_TRUE(leer.reduzieren(3, z).empty());
}

TEST(Reihenliste, ZufallsauswahlIstGleichverteilt) {
    // Every position comes first equally often, and every order of three
    // numbers is drawn equally often.
    Zufallsgenerator z(7);
    std::map<std::uint64_t, int> erste;
    std::map<std::vector<std::uint64_t>, int> folgen;
    const int n = 60000;
    for (int i = 0; i < n; ++i) {
        ++erste[zufallsAuswahl(5, 2, z)[0]];
        ++folgen[zufallsAuswahl(3, 3, z)];
    }
    ASSERT_EQ(erste.size(), 5u);
    for (const auto& [p, k] : erste) EXPECT_NEAR(k, n / 5, n / 5 / 10) << p;
    ASSERT_EQ(folgen.size(), 6u);
    for (const auto& [f, k] : folgen) EXPECT_NEAR(k, n / 6, n / 6 / 10);
    // Taking all c numbers gives each once.
    std::vector<std::uint64_t> alle = zufallsAuswahl(1000, 1000, z);
    std::sort(alle.begin(), alle.end());
    for (std::uint64_t i = 0; i < 1000; ++i) EXPECT_EQ(alle[i], i);
}

TEST(Reihenliste, ReduktionsreglerFolgtDerListe) {
    struct Fall {
        std::uint64_t zeilen;
        int bisher, Reduz;
        Reduktionsregler soll;
    };
    const Fall faelle[] = {
        {20, 1, 12, {true, 19, 12}}, {20, 1, 30, {true, 19, 19}},  {10, 15, 12, {true, 9, 9}},
        {0, 5, 12, {false, 1, 1}},   {1, 1, 12, {true, 1, 1}},     {2, 1, 12, {true, 1, 1}},
        {30, 17, 0, {true, 29, 17}}, {30, 40, -3, {true, 29, 29}}, {1594323, 1, 12, {true, 1594322, 12}},
    };
    for (const Fall& f : faelle) {
        const Reduktionsregler r = reduktionsregler(f.zeilen, f.bisher, f.Reduz);
        EXPECT_EQ(r.sichtbar, f.soll.sichtbar) << f.zeilen;
        EXPECT_EQ(r.maximum, f.soll.maximum) << f.zeilen;
        EXPECT_EQ(r.wert, f.soll.wert) << f.zeilen << " " << f.Reduz;
    }
}

TEST(Reihenliste, GespeichertWirdWasDieListeZeigt) {
    test::TempOrdner tmp;
    Normalscheineingabe n;
    // 2-ways on matches 1 and 2 and a 3-way on 13 give 12 rows; the filter
    // drops the row of thirteen "1" and the one with three "0".
    n.vorschlagsfeld().kreuzeSetzen(
        feldAus({"10", "10", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "102"}));
    Reihenfilter filter;
    filter.hoechstens = {12, 2, 13};
    n.BFilterClick(filter);
    ASSERT_EQ(n.liste().anzahl(), 10u);
    Zufallsgenerator z(3);
    n.liste().reduzieren(4, z);
    const std::vector<Reihe> gezeigt = n.liste().reihen();
    // The field changes afterwards: the list is stale but keeps its rows.
    n.vorschlagsfeld().klick(50, 60);
    n.vorschlagsfeld().klick(75, 60);
    EXPECT_EQ(n.reihen().reihenAnzahl(), 36u);
    n.liste().alsSpielschein(tmp.datei("s.kv13"));
    const auto bytes = spielscheinBytes(reihenliste(gezeigt));
    EXPECT_EQ(test::dateiInhalt(tmp.datei("s.kv13")), std::string(bytes.begin(), bytes.end()));
    const std::vector<TScheinOffen> zurueck = leseSpielschein(tmp.datei("s.kv13"));
    ASSERT_EQ(zurueck.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(Feld(zurueck[i]).reihenAnzahl(), 1u);
        EXPECT_EQ(Feld(zurueck[i]).reihe(0), gezeigt[i]);
    }
}

TEST(Reihenliste, TextUndTextdatei) {
    test::TempOrdner tmp;
    Normalscheineingabe n;
    n.vorschlagsfeld().kreuzeSetzen(
        feldAus({"1", "0", "2", "1", "0", "0", "2", "2", "0", "2", "1", "1", "10"}));
    n.BFilterClick(Reihenfilter{});
    EXPECT_EQ(n.liste().text(), "1 0 2 1 0 0 2 2 0 2 1 1 1\r\n1 0 2 1 0 0 2 2 0 2 1 1 0\r\n");
    EXPECT_EQ(zeilentext(n.liste().reihe(1)), "1 0 2 1 0 0 2 2 0 2 1 1 0");
    n.liste().alsTextDatei(tmp.datei("r.txt"));
    EXPECT_EQ(test::dateiInhalt(tmp.datei("r.txt")),
              "1,0,2,1,0,0,2,2,0,2,1,1,1\r\n1,0,2,1,0,0,2,2,0,2,1,1,0\r\n");
    EXPECT_EQ(n.liste().textDatei(), zeilenlisteAlsText(n.liste().text()));

    // The text file takes the text as it stands, hand edits included.
    zeilenlisteSpeichern(tmp.datei("hand.txt"), "1 0 2 1 0 0 2 2 0 2 1 1 1\nneue Zeile\n2 2 2");
    EXPECT_EQ(test::dateiInhalt(tmp.datei("hand.txt")),
              "1,0,2,1,0,0,2,2,0,2,1,1,1\r\nneue,Zeile\r\n2,2,2\r\n");
    EXPECT_NE(meldungListeGeaendert().find("\"Aktualisieren\""), std::string::npos);

    // An empty list writes empty files.
    Reihenliste leer;
    leer.alsTextDatei(tmp.datei("leer.txt"));
    leer.alsSpielschein(tmp.datei("leer.kv13"));
    EXPECT_EQ(test::dateiInhalt(tmp.datei("leer.txt")), "");
    EXPECT_EQ(test::dateiInhalt(tmp.datei("leer.kv13")), "");
    EXPECT_EQ(leer.text(), "");

    test::pruefeFehlschlagAendertNichts([&](const std::string& p) { n.liste().alsTextDatei(p); }, "alt");
    test::pruefeFehlschlagAendertNichts([&](const std::string& p) { n.liste().alsSpielschein(p); }, "alt");
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

TEST(Reihenliste, ErsetzenNimmtNurGanzeReihen) {
    Reihenliste liste;
    liste.ersetzen({reihe("1021021021021"), reihe("2222222222222")});
    EXPECT_EQ(liste.text(), "1 0 2 1 0 2 1 0 2 1 0 2 1\r\n2 2 2 2 2 2 2 2 2 2 2 2 2\r\n");
    // no tip on match 13; two tips on match 1 (and none on 13); an empty row
    const Reihe ohne13 = reihe("1111111111111") & ~kreuzBit(kreuzIndex(13, 1));
    const Reihe doppelt = ohne13 | kreuzBit(kreuzIndex(1, 2));
    for (Reihe falsch : {ohne13, doppelt, Reihe{0}}) {
        EXPECT_THROW(liste.ersetzen({reihe("1111111111111"), falsch}), std::invalid_argument);
        EXPECT_EQ(liste.anzahl(), 2u);
        EXPECT_EQ(liste.reihe(1), reihe("2222222222222"));
    }
    liste.ersetzen({});
    EXPECT_TRUE(liste.leer());
}

TEST(Normalscheineingabe, GarantieReduzierungErsetztDieListe) {
    test::TempOrdner tmp;
    Normalscheineingabe n;
    // four 2-ways and three 3-ways: the shape of VEW "4-3" (48 rows of 432)
    const TScheinOffen feld =
        feldAus({"10", "02", "12", "10", "102", "102", "102", "1", "0", "2", "1", "1", "0"});
    n.vorschlagsfeld().kreuzeSetzen(feld);
    Reihenfilter aus;
    aus.an = false;
    n.BFilterClick(aus);
    ASSERT_EQ(n.liste().anzahl(), 432u);
    Reihe kreuze = 0;
    for (int i = 1; i <= kKreuzIndizes; ++i)
        if (feld.ja[static_cast<std::size_t>(i - 1)]) kreuze |= kreuzBit(i);

    struct Fall {
        int radius;
        std::uint64_t hoechstens;  // the VEW table's rows for radius 1
        int garantie;
    };
    for (const Fall& f : {Fall{1, 48, 12}, Fall{2, 48, 11}}) {
        ReduktionsOptionen o;
        o.radius = f.radius;
        o.zeitLimit = std::nullopt;
#ifdef KALVENDO_SANITIZED
        // the sanitizer build searches with a smaller budget: the guarantee, not the size
        o.schritte /= 100;
#endif
        const std::string text = n.garantieReduzieren(o);
        const std::uint64_t anzahl = n.liste().anzahl();
#ifndef KALVENDO_SANITIZED
        EXPECT_LE(anzahl, f.hoechstens) << f.radius;
#endif
        EXPECT_EQ(text, garantieText(anzahl, f.radius));
        for (Reihe r : n.liste().reihen()) EXPECT_EQ(r & ~kreuze, 0u) << "Reihe außerhalb des Feldes";
        // what is saved keeps the guarantee over the field's outcomes
        n.liste().alsSpielschein(tmp.datei("g.kv13"));
        const Garantieanalyse analyse(Schein(leseSpielschein(tmp.datei("g.kv13"))));
        const Trefferverteilung v = analyse.verteilung(Ausgangsbereich::ausFeld(feld));
        EXPECT_EQ(v.ausgaenge(), 432u);
        EXPECT_GE(v.garantie, f.garantie) << f.radius;
    }

    // a match without a tip: refused, the list stays
    const std::vector<Reihe> vorher = n.liste().reihen();
    n.vorschlagsfeld().alleKreuzeEntfernen();
    n.vorschlagsfeld().kreuzeSetzen(
        feldAus({"10", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", ""}));
    EXPECT_THROW(n.garantieReduzieren(ReduktionsOptionen{}), ReduktionsFehler);
    EXPECT_EQ(n.liste().reihen(), vorher);
}

}  // namespace
}  // namespace kv
