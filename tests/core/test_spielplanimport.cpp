// Fixture import: cells of a pasted line, tendency texts, the import of
// whole pasted tables, showing and saving fixture lists.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "Schreibpruefung.h"
#include "eingabe/Entwurf.h"
#include "eingabe/Spielplanimport.h"
#include "io/Datei.h"
#include "model/Spielplandatei.h"

namespace kv {
namespace {

using E = Tendenzlesung::Ergebnis;
using Zellen = std::vector<std::string>;
using test::tw;

std::string testdatei(const std::string& name) {
    return test::dateiInhalt(std::string(KALVENDO_TESTDATEN) + "/" + name);
}

// 13 lines "n<TAB>Heim n<TAB>Gast n<TAB>tendency", joined by LF.
std::string tabelle(const std::vector<std::string>& tendenzen) {
    std::string t;
    for (std::size_t i = 0; i < tendenzen.size(); ++i)
        t += std::to_string(i + 1) + "\tHeim " + std::to_string(i + 1) + "\tGast " + std::to_string(i + 1) +
             "\t" + tendenzen[i] + "\n";
    return t;
}
std::vector<std::string> dreizehnMal(const std::string& t) {
    return std::vector<std::string>(kSpiele, t);
}

TEST(ZellenDerZeile, TabsAnfuehrungszeichenUndBlanks) {
    struct Fall {
        std::string zeile;
        Zellen soll;
    };
    const Fall faelle[] = {
        {"a\tb", {"a", "b"}},
        {"\ta", {"", "a"}},
        {"a\t", {"a", ""}},
        {"\t", {"", ""}},
        {"a\t\tb", {"a", "", "b"}},
        {" a \t b ", {" a ", " b "}},
        {"\"x\"\"y\"\tz", {"x\"y", "z"}},
        {"\"a\tb\"\tc", {"a\tb", "c"}},    // a quoted cell runs over a tab
        {"\"a\"bc\td", {"a", "bc", "d"}},  // after the closing quote: a further cell
        {"\"a\"\t", {"a", ""}},
        {"\"offen\tx", {"offen\tx"}},    // no closing quote: to the end of the line
        {"ab\"c\t\"\"", {"ab\"c", ""}},  // a quote inside a piece is a character
        {"", {}},
    };
    for (const Fall& f : faelle) EXPECT_EQ(zellenDerZeile(f.zeile), f.soll) << f.zeile;
}

TEST(TendenzLesen, TexteUndIhreWerte) {
    struct Fall {
        std::string text;
        E ergebnis;
        std::optional<TTendenzWert> wert;
    };
    const Fall faelle[] = {
        {"5 - 3 - 2", E::Gelesen, tw(5, 3, 2)},
        {"4-4-2", E::Gelesen, tw(4, 4, 2)},
        {"5 - 2 - 2", E::Gelesen, tw(5, 3, 2)},  // the middle digit is never used
        {" \t5-3-2\r ", E::Gelesen, tw(5, 3, 2)},
        {"5 - 0 - 5", E::Gelesen, tw(5, 0, 5)},
        {"0-0-0", E::Gelesen, tw(0, 10, 0)},
        {"4 - 3", E::Unlesbar, std::nullopt},
        {"1-2-3-", E::Unlesbar, std::nullopt},
        {"40 - 30 - 30", E::Unlesbar, std::nullopt},
        {"4 \u2013 3 \u2013 3", E::Unlesbar, std::nullopt},            // en dashes
        {"5\u00A0-\u00A03\u00A0-\u00A02", E::Unlesbar, std::nullopt},  // no-break spaces
        {"6 - 0 - 5", E::Unlesbar, std::nullopt},                      // 6 + 5 > 10
        {"9-9-9", E::Unlesbar, std::nullopt},
        {"5-\u00E4-", E::Unlesbar, std::nullopt},  // two characters left
        {"4 - x - 3", E::KeineZahl, std::nullopt},
        {"\u00E4-3-2", E::KeineZahl, std::nullopt},  // three characters, one no digit
        {"+-1-2", E::KeineZahl, std::nullopt},
        {"", E::Unlesbar, std::nullopt},
    };
    for (const Fall& f : faelle) {
        const Tendenzlesung l = TendenzLesen(f.text);
        EXPECT_EQ(l.ergebnis, f.ergebnis) << f.text;
        if (f.wert) {
            EXPECT_EQ(l.wert(), *f.wert) << f.text;
        }
    }
}

// The pasted tables in tests/data, as a browser puts them on the clipboard.
TEST(DatenAuslesen, EingefuegteTabellen) {
    struct Fall {
        const char* datei;
        int gefunden;
        std::vector<int> spalten;
        std::vector<int> ungelesen;  // matches without a tendency
        int zeile;                   // a grid row to check
        Zellen zellen;
    };
    const Fall faelle[] = {
        {"spielplan_lf.txt", 13, {1, 2, 3}, {}, 1, {"FC Bayern München", "Borussia Dortmund", "5 - 3 - 2"}},
        // The header line before the first match is skipped: 13 pairings.
        {"spielplan_kopf_crlf.txt",
         13,
         {1, 2, 3},
         {},
         1,
         {"FC Bayern München", "Borussia Dortmund", "5 - 3 - 2"}},
        {"spielplan_kopf_crlf.txt", 13, {1, 2, 3}, {}, 13, {"FC St. Pauli", "Hansa Rostock", "5 - 3 - 2"}},
        {"spielplan_quotes_crlf.txt",
         13,
         {1, 2, 3},
         {},
         2,
         {"1. FC Köln", "Hertha \"BSC\" Berlin", "4 - 3 - 3"}},
        {"spielplan_quotes_crlf.txt", 13, {1, 2, 3}, {}, 3, {"VfB\tStuttgart", "SC Freiburg", "4 - 4 - 2"}},
        {"spielplan_nbsp.txt",
         0,
         {1, 2, 3},
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13},
         1,
         {"FC\u00A0Bayern\u00A0München", "Borussia Dortmund", "5\u00A0-\u00A03\u00A0-\u00A02"}},
        {"spielplan_halbgeviertstrich.txt",
         1,
         {1, 2, 3},
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
         13,
         {"FC St. Pauli", "Hansa Rostock", "5 - 3 - 2"}},
        // Date and kick-off are kept columns too; match 5's line ends with a tab.
        {"spielplan_spalten_crlf.txt",
         12,
         {1, 2, 3, 4, 5},
         {5},
         5,
         {"Sa, 14.09.", "15:30", "FC Schalke 04", "VfL Bochum", "5 - 3 - 2"}},
        {"spielplan_spalten_crlf.txt",
         12,
         {1, 2, 3, 4, 5},
         {5},
         13,
         {"Sa, 14.09.", "15:30", "FC St. Pauli", "Hansa Rostock", "5 - 3 - 2"}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.datei) + ", Zeile " + std::to_string(f.zeile));
        const TendenzWerte vorher{};
        const Spielplanimport im = DatenAuslesen(testdatei(f.datei), vorher);
        EXPECT_EQ(im.fehler, "");
        EXPECT_EQ(im.gefunden, f.gefunden);
        EXPECT_EQ(im.vorschlagFrei, f.gefunden == 13);
        EXPECT_EQ(im.vollstaendig(), f.gefunden == 13);
        EXPECT_EQ(im.spalten, f.spalten);
        for (int m = 1; m <= kSpiele; ++m) {
            const bool ungelesen = std::find(f.ungelesen.begin(), f.ungelesen.end(), m) != f.ungelesen.end();
            EXPECT_EQ(im.gelesen[m - 1], !ungelesen) << "Spiel " << m;
            if (ungelesen) {
                EXPECT_EQ(im.tendenzen[m - 1], TTendenzWert{}) << "Spiel " << m;
            }
        }
        Spielplanraster raster;
        raster.uebernehme(im);
        EXPECT_EQ(raster.spaltenAnzahl(), static_cast<int>(f.spalten.size()) + 1);
        EXPECT_EQ(raster.zelle(0, f.zeile), std::to_string(f.zeile));
        for (std::size_t k = 0; k < f.zellen.size(); ++k)
            EXPECT_EQ(raster.zelle(static_cast<int>(k) + 1, f.zeile), f.zellen[k]) << "Spalte " << k + 1;
        EXPECT_EQ(im.text.find("  "), std::string::npos);
        EXPECT_EQ(im.text.find("\n\n"), std::string::npos);
    }
    // The values themselves, from the plain table.
    const Spielplanimport im = DatenAuslesen(testdatei("spielplan_lf.txt"), TendenzWerte{});
    EXPECT_EQ(im.tendenzen[0], tw(5, 3, 2));
    EXPECT_EQ(im.tendenzen[2], tw(4, 4, 2));
    EXPECT_EQ(im.tendenzen[9], tw(3, 4, 3));
    EXPECT_EQ(im.tendenzen[11], tw(2, 3, 5));
    // Header plus pairings: pairing 1 is match 1, and the status line says so.
    const Spielplanimport kopf = DatenAuslesen(testdatei("spielplan_kopf_crlf.txt"), TendenzWerte{});
    EXPECT_EQ(kopf.tendenzen[1], tw(4, 3, 3));
    EXPECT_EQ(kopf.kopfzeilen, 1);
    EXPECT_TRUE(kopf.uebernehmbar());
    EXPECT_EQ(kopf.bericht(), "Kopfzeile übersprungen. 13 Spielpaarungen mit Tendenz gelesen.");
}

TEST(DatenAuslesen, KopfzeilenVorDemErstenSpiel) {
    struct Fall {
        const char* zeile;
        bool kopf;
    };
    const Fall faelle[] = {
        {"Nr\tHeim\tGast\tTendenz", true},
        {"Spieltag am Samstag\tHeimmannschaft", true},   // no digit at all
        {"Nr.\t Heim \tGast\tTendenz 1 - 0 - 2", true},  // column titles, digits in one
        {"\t\tSpiel\t1\t0\t2", true},
        {"1\tHeim 1\tGast 1\t5 - 3 - 2", false},
        {"Heimspiel 2\tGastgeber FC\t5 - 3 - 2", false},
        {"\t\t7", false},
    };
    for (const Fall& f : faelle) EXPECT_EQ(istKopfzeile(f.zeile), f.kopf) << f.zeile;

    // two header lines, then 13 matches: all read, nothing shifted
    const Spielplanimport im = DatenAuslesen(
        "Spieltag 12\n" + std::string("Nr\tHeim\tGast\tTendenz\n") + tabelle(dreizehnMal("5 - 3 - 2")), {});
    EXPECT_EQ(im.kopfzeilen, 2);
    EXPECT_EQ(im.paarungen, 13);
    EXPECT_EQ(im.zeilen.front().second, (Zellen{"Heim 1", "Gast 1", "5 - 3 - 2"}));
    EXPECT_EQ(im.bericht(), "2 Kopfzeilen übersprungen. 13 Spielpaarungen mit Tendenz gelesen.");

    // a header and only twelve pairings: not 13 matches
    std::vector<std::string> zwoelf = dreizehnMal("5 - 3 - 2");
    zwoelf.pop_back();
    EXPECT_EQ(DatenAuslesen("Nr\tHeim\tGast\tTendenz\n" + tabelle(zwoelf), {}).fehler,
              meldungKeine13Zeilen());
}

// Only an import that read all 13 pairings reaches the main window; a junk or
// partial import says what it found, and names the lines without a tendency.
TEST(DatenAuslesen, NurVollstaendigeImporteSindUebernehmbar) {
    std::string muell;
    for (int i = 1; i <= 13; ++i) muell += "izwdi\teq\tqx" + std::to_string(i * 7) + "zt\n";
    const Spielplanimport junk = DatenAuslesen(muell, {});
    EXPECT_EQ(junk.fehler, "");
    EXPECT_TRUE(junk.rasterSchreiben);
    EXPECT_EQ(junk.paarungen, 0);
    EXPECT_FALSE(junk.uebernehmbar());
    EXPECT_EQ(junk.tendenzprobleme.size(), 13u);
    EXPECT_EQ(junk.tendenzprobleme[2], (Tendenzproblem{3, "qx21zt", false}));
    EXPECT_EQ(
        junk.bericht(),
        "Nur 0 von 13 Spielpaarungen vollständig gelesen; die Spielpaarungen im Hauptfenster bleiben, wie "
        "sie waren.");

    std::vector<std::string> t = dreizehnMal("5 - 3 - 2");
    t[3] = "45 - 30 - 25";
    t[8] = "abc";
    std::string text = tabelle(t);
    text.replace(text.find("Heim 11"), 7, " ");  // a blank home cell: no pairing
    const Spielplanimport teil = DatenAuslesen(text, {});
    EXPECT_EQ(teil.gefunden, 11);
    EXPECT_EQ(teil.paarungen, 10);
    EXPECT_FALSE(teil.uebernehmbar());
    EXPECT_EQ(teil.tendenzprobleme,
              (std::vector<Tendenzproblem>{{4, "45 - 30 - 25", true}, {9, "abc", false}}));
    EXPECT_EQ(meldungTendenzen(teil.tendenzprobleme),
              std::string(
                  "Diese Zeilen haben keine Tendenz der Form 5 - 3 - 2 (Punkte von 10 für Heimsieg, "
                  "Unentschieden und Auswärtssieg):\n"
                  "Zeile 4: \"45 - 30 - 25\" sind Prozente; erwartet werden Punkte von 10, z. B. 5 - 3 - 2\n"
                  "Zeile 9: \"abc\"") +
                  kAbsatz + "Ohne die Tendenzen aller 13 Spiele kann ich keinen Tipp vorschlagen.");
    // a line ending with a tab has no tendency in its last cell
    EXPECT_NE(meldungTendenzen({{6, "", false}}).find("Zeile 6: keine Tendenz in der letzten Spalte"),
              std::string::npos);

    const Spielplanimport ganz = DatenAuslesen(tabelle(dreizehnMal("5 - 3 - 2")), {});
    EXPECT_TRUE(ganz.uebernehmbar());
    EXPECT_TRUE(ganz.tendenzprobleme.empty());
    EXPECT_EQ(ganz.bericht(), "13 Spielpaarungen mit Tendenz gelesen.");
}

// The grid counts as changed against the list last shown or saved; a draft
// brings its cells back, still changed.
TEST(Spielplanraster, GeaendertUndEntwurf) {
    Spielplanraster r;
    EXPECT_FALSE(r.geaendert());
    r.uebernehme(DatenAuslesen(tabelle(dreizehnMal("5 - 3 - 2")), {}));
    EXPECT_TRUE(r.geaendert());
    Begegnungen b;
    b[0] = {"4 - 4 - 2", "A", "B"};
    TendenzWerte t{};
    BegegnungenTendenzen(b, r, t);
    EXPECT_FALSE(r.geaendert());
    r.setzeZelle(2, 5, "von Hand");
    EXPECT_TRUE(r.geaendert());
    r.setzeZelle(2, 5, "");
    EXPECT_FALSE(r.geaendert());
    r.setzeZelle(1, 13, "Heim 13");
    r.setzeSpaltenAnzahl(5);

    Entwurfsschreiber s;
    r.entwurfSchreiben(s);
    Spielplanraster neu;
    Entwurfsleser l(s.daten());
    neu.entwurfLesen(l);
    EXPECT_TRUE(l.amEnde());
    EXPECT_TRUE(neu.geaendert());
    EXPECT_EQ(neu.spaltenAnzahl(), 5);
    for (int z = 0; z < Spielplanraster::kZeilen; ++z)
        for (int c = 0; c < 5; ++c) EXPECT_EQ(neu.zelle(c, z), r.zelle(c, z)) << z << "," << c;
    Entwurfsleser kurz(std::string_view(s.daten()).substr(0, s.daten().size() - 1));
    EXPECT_THROW(neu.entwurfLesen(kurz), UngueltigeDatei);
}

TEST(DatenAuslesen, AbbruecheMitMeldung) {
    struct Fall {
        const char* name;
        std::string text;
        std::string fehler;
        bool aufbereitet;
        std::optional<bool> vorschlagFrei;
    };
    std::string zwoelf, ohneTab, kurz;
    for (int i = 1; i <= 13; ++i) {
        if (i <= 12) zwoelf += std::to_string(i) + "\tHeim\tGast\t5 - 3 - 2\n";
        ohneTab += std::to_string(i) + " Heim Gast 5 - 3 - 2\n";
        kurz += "1\tA\tB\n";
    }
    const Fall faelle[] = {
        {"leer", "", meldungTextLeer(), false, std::nullopt},
        {"nur Umbrüche", "\n\r\n\n\r", meldungKeine13Zeilen(), true, std::nullopt},
        {"zwölf Zeilen", zwoelf + "\n\n", meldungKeine13Zeilen(), true, std::nullopt},
        {"ohne Tab", ohneTab, meldungKeineSpaltentrennung(), true, std::nullopt},
        {"keine Zeile über 10 Zeichen", kurz, meldungKeineSpielpaarungen(), true, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TendenzWerte vorher{};
        vorher[3] = tw(1, 1, 8);
        const Spielplanimport im = DatenAuslesen(f.text, vorher);
        EXPECT_EQ(im.fehler, f.fehler);
        EXPECT_EQ(im.aufbereitet, f.aufbereitet);
        EXPECT_EQ(im.vorschlagFrei, f.vorschlagFrei);
        EXPECT_FALSE(im.rasterSchreiben);
        EXPECT_EQ(im.tendenzen, vorher);
    }
    EXPECT_EQ(meldungKeine13Zeilen(), std::string("Ich kann keine 13 Zeilen mit Spielpaarungen ausmachen.") +
                                          kAbsatz + "Ich breche erst einmal ab.");
    EXPECT_EQ(DatenAuslesen("\n\r\n\n\r", {}).text, "");
}

TEST(DatenAuslesen, KeineZahlenfolgeBrichtNachDenFruiherenTendenzenAb) {
    std::vector<std::string> t = dreizehnMal("5 - 3 - 2");
    t[6] = "4 - x - 3";
    t[9] = "1 - y - 1";
    TendenzWerte vorher{};
    vorher[8] = tw(1, 1, 8);
    const Spielplanimport im = DatenAuslesen(tabelle(t), vorher);
    EXPECT_EQ(im.fehler, std::string("In Zeile 7 ist die Tendenz \"4 - x - 3\" keine Zahlenfolge.") +
                             kAbsatz + "Ich breche erst einmal ab.");
    for (int m = 1; m <= 6; ++m) EXPECT_EQ(im.tendenzen[m - 1], tw(5, 3, 2)) << m;
    EXPECT_EQ(im.tendenzen[8], tw(1, 1, 8));
    EXPECT_EQ(im.tendenzen[6], TTendenzWert{});
    EXPECT_FALSE(im.rasterSchreiben);
    EXPECT_EQ(im.vorschlagFrei, std::nullopt);
    Spielplanraster raster;
    raster.uebernehme(im);
    EXPECT_EQ(raster.zelle(1, 1), "");
}

TEST(DatenAuslesen, RandfaelleDerZeilen) {
    // Line 2: exactly 10 characters, passed over; line 3: 11, read.
    std::string text = tabelle(dreizehnMal("5 - 3 - 2"));
    const auto ersetze = [&](int zeile, const std::string& neu) {
        std::size_t a = 0;
        for (int i = 1; i < zeile; ++i) a = text.find('\n', a) + 1;
        text.replace(a, text.find('\n', a) - a, neu);
    };
    ersetze(2, "\tA\tB\t5-3-2");
    ersetze(3, "3\tA\tB\t4-4-2");
    ersetze(4, "4\tHeim\tGast\t5  -  3  -  2");  // double blanks
    ersetze(5, "5\tHeim\tGast\t6 - 0 - 5");      // 6 + 5 above 10: not read
    ersetze(6, "6\tHeim\tGast\t5 - 3 - 2\t");    // tab at the end: empty last cell
    // The last line has five cells; the final one is too short to be a column
    // and is no tendency.
    ersetze(13, "13\tHeim 13\tGast 13\t3 - 3 - 4\tab");
    text += "14\tHeim 14\tGast 14\t1 - 1 - 8\n";  // a 14th line is ignored

    TendenzWerte vorher{};
    vorher[4] = tw(1, 1, 8);
    const Spielplanimport im = DatenAuslesen(text, vorher);
    EXPECT_EQ(im.fehler, "");
    EXPECT_EQ(im.spalten, (std::vector<int>{1, 2, 3}));
    const std::vector<bool> gelesen = {true, false, true, true, false, false, true,
                                       true, true,  true, true, true,  false};
    for (int m = 1; m <= kSpiele; ++m) EXPECT_EQ(im.gelesen[m - 1], gelesen[m - 1]) << m;
    EXPECT_EQ(im.gefunden, 9);
    EXPECT_EQ(im.vorschlagFrei, false);
    EXPECT_EQ(im.tendenzen[2], tw(4, 4, 2));
    EXPECT_EQ(im.tendenzen[3], tw(5, 3, 2));
    EXPECT_EQ(im.tendenzen[4], tw(1, 1, 8));  // kept
    EXPECT_NE(im.text.find("4\tHeim\tGast\t5 - 3 - 2\n"), std::string::npos);

    Spielplanraster raster;
    raster.setzeZelle(1, 2, "alt");
    raster.uebernehme(im);
    EXPECT_EQ(raster.zelle(1, 2), "alt");  // the 10-character line left its row alone
    EXPECT_EQ(raster.zelle(0, 2), "");
    // The last long line decides the columns: short cells of other lines are taken.
    EXPECT_EQ(raster.zelle(1, 3), "A");
    EXPECT_EQ(raster.zelle(3, 6), "5 - 3 - 2");
    EXPECT_EQ(raster.zelle(3, 13), "3 - 3 - 4");
    EXPECT_EQ(raster.zelle(1, 14), "");
}

TEST(DatenAuslesen, WenigerSpaltenLassenZellenLeer) {
    // The last long line keeps two columns: the grid has three.
    const std::string text = tabelle(dreizehnMal("5 - 3 - 2"));
    std::string zwei;
    for (int i = 1; i <= 13; ++i) zwei += std::to_string(i) + "\tHeim X\t5 - 3 - 2\n";
    Spielplanraster raster;
    raster.uebernehme(DatenAuslesen(text, {}));
    EXPECT_EQ(raster.spaltenAnzahl(), 4);
    const Spielplanimport im = DatenAuslesen(zwei, {});
    EXPECT_EQ(im.gefunden, 13);
    raster.uebernehme(im);
    EXPECT_EQ(raster.spaltenAnzahl(), 3);
    EXPECT_EQ(raster.zelle(2, 1), "5 - 3 - 2");
    EXPECT_EQ(raster.zelle(3, 1), "");  // the column is gone
    EXPECT_EQ(raster.begegnungen()[0], (TBegegnung{"", "Heim X", "5 - 3 - 2"}));
}

TEST(Spielplanraster, BegegnungenZeigenUndSpeichern) {
    test::TempOrdner tmp;
    Begegnungen b;
    for (int i = 0; i < kSpiele; ++i) b[i] = {"4 3 3", "Heim " + std::to_string(i + 1), "Gast"};
    b[0] = {"5 - 3 - 2", std::string(35, 'x'), "Gast \u20AC\u0141"};  // euro sign fits, L stroke does not
    b[1].Tendenz = "4 - x - 3";
    TendenzWerte tw0{};
    tw0[2] = tw(1, 1, 8);
    Spielplanraster raster;
    raster.setzeSpaltenAnzahl(3);
    EXPECT_EQ(BegegnungenTendenzen(b, raster, tw0), 1);
    EXPECT_EQ(raster.spaltenAnzahl(), 4);
    EXPECT_EQ(tw0[0], tw(5, 3, 2));
    EXPECT_EQ(tw0[1], TTendenzWert{});  // a non-digit text keeps the value
    EXPECT_EQ(tw0[2], tw(1, 1, 8));     // no hyphens: kept
    EXPECT_EQ(raster.zelle(0, 13), "13");
    EXPECT_EQ(raster.zelle(1, 13), "Heim 13");
    EXPECT_EQ(raster.zelle(0, 0), "Nr");
    EXPECT_EQ(raster.zelle(3, 0), "Tendenz");

    raster.setzeZelle(3, 4, "Tendenz mit elf");  // a user's edit
    raster.setzeZelle(1, 0, "Kopf");             // the header cannot be edited
    EXPECT_EQ(raster.zelle(1, 0), "Heim");
    const std::string pfad = tmp.datei("tag.sp13");
    const Begegnungen gespeichert = BegegnungenSpeichern(raster, pfad);
    EXPECT_EQ(gespeichert[0].Heim, std::string(30, 'x'));
    EXPECT_EQ(gespeichert[0].Gast, "Gast \u20AC?");
    EXPECT_EQ(gespeichert[3].Tendenz, "Tendenz mi");
    const std::string bytes = test::dateiInhalt(pfad);
    ASSERT_EQ(bytes.size(), 13u * 73u);
    EXPECT_EQ(bytes.substr(0, 11), std::string("\x09"
                                               "5 - 3 - 2\0",
                                               11));
    EXPECT_EQ(bytes[11], 30);
    EXPECT_EQ(bytes.substr(42, 8), "\x07Gast \x80?");
    // Read back, the file holds exactly what was returned, and what the
    // import hands to the program state without a file.
    Begegnungen zurueck;
    EXPECT_EQ(leseBegegnungen(pfad, zurueck), 13);
    EXPECT_EQ(zurueck, gespeichert);
    EXPECT_EQ(gekuerzteBegegnungen(raster), gespeichert);
    test::pruefeFehlschlagAendertNichts([&](const std::string& p) { BegegnungenSpeichern(raster, p); },
                                        "alter Spielplan");
}

TEST(Spielplanraster, SpieltagDateiNenntDieErsteGespeicherteListe) {
    test::TempOrdner tmp;
    IniDatei ini(tmp.datei("Einstellungen.ini"));
    const Spielplanraster raster;
    BegegnungenSpeichern(raster, tmp.datei("erste.sp13"));
    EXPECT_TRUE(spieltagDateiMerken(ini, tmp.datei("erste.sp13")));
    BegegnungenSpeichern(raster, tmp.datei("zweite.sp13"));
    EXPECT_FALSE(spieltagDateiMerken(ini, tmp.datei("zweite.sp13")));
    EXPECT_EQ(ini.leseText("Spieltag", "Datei", ""), tmp.datei("erste.sp13"));
}

}  // namespace
}  // namespace kv
