// kalvendo-cli print-plan from the outside: the marks of the print run, and
// how it refuses.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "Schreibpruefung.h"
#include "model/Spielscheindatei.h"
#include "print/Scheinformat.h"

namespace kv {
namespace {

using Lauf = test::CliLauf;

class PrintPlan : public ::testing::Test {
  protected:
    test::TempOrdner tmp;

    Lauf starte(const std::string& argumente) { return test::starteCli(tmp, "print-plan " + argumente); }

    // Box (f, m, b) at x = 1000 f + 10 m + b, y = 100 m + b; corrections
    // -5/3; number at (1900, 60); add-on game g "ja" at (100 g, 50), "nein"
    // at (100 g + 5, 55), except "nein" of game 4, which is not in use.
    std::string format(int felderProReihe) {
        TScheinFormat f;
        f.FelderProReihe = felderProReihe;
        f.B = 76;
        f.C = 480;
        f.Hori = -5;
        f.Vert = 3;
        f.Nr = {1900, 60};
        for (int feld = 1; feld <= 12; ++feld)
            for (int m = 1; m <= 13; ++m)
                for (int b = 1; b <= 3; ++b)
                    f.kaestchen(feld, m, b) = {1000 * feld + 10 * m + b, 100 * m + b};
        for (int g = 1; g <= 4; ++g) {
            f.zusatz(g, 1) = {100 * g, 50};
            f.zusatz(g, 2) = {100 * g + 5, 55};
        }
        f.zusatz(4, 2) = {-1, -1};
        const std::string p = tmp.datei("format" + std::to_string(felderProReihe) + ".kvxdr");
        schreibeScheinformat(p, f);
        return p;
    }

    std::string schein(int reihen) {
        std::vector<TScheinOffen> felder;
        for (int i = 0; i < reihen; ++i)
            felder.push_back(test::reiheAus(i % 2 ? "2222222222222" : "1021021021021"));
        const std::string p = tmp.datei("schein" + std::to_string(reihen) + ".kv13");
        schreibeSpielschein(p, felder);
        return p;
    }
};

std::vector<std::vector<std::string>> zeilen(const std::string& text) {
    std::vector<std::vector<std::string>> z;
    std::istringstream ein(text);
    for (std::string zeile; std::getline(ein, zeile);) {
        std::vector<std::string> teile;
        std::istringstream t(zeile);
        for (std::string teil; std::getline(t, teil, '\t');) teile.push_back(teil);
        z.push_back(teile);
    }
    return z;
}

TEST_F(PrintPlan, EineReiheMitZusatzspielenNummerVersatzUndKorrektur) {
    const Lauf l = starte(format(4) + " " + schein(1) +
                          " --offsets 100,127,645.16 --correction -5,3 --zusatz 1010 --number 5");
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.err, "");
    EXPECT_EQ(l.out,
              "1\t1\t1\t967\t-54\tx\n"
              "1\t1\t2\t978\t-155\tx\n"
              "1\t1\t3\t989\t-256\tx\n"
              "1\t1\t4\t997\t-354\tx\n"
              "1\t1\t5\t1008\t-455\tx\n"
              "1\t1\t6\t1019\t-556\tx\n"
              "1\t1\t7\t1027\t-654\tx\n"
              "1\t1\t8\t1038\t-755\tx\n"
              "1\t1\t9\t1049\t-856\tx\n"
              "1\t1\t10\t1057\t-954\tx\n"
              "1\t1\t11\t1068\t-1055\tx\n"
              "1\t1\t12\t1079\t-1156\tx\n"
              "1\t1\t13\t1087\t-1254\tx\n"
              "1\t-\tzusatz1\t56\t-3\tx\n"
              "1\t-\tzusatz2\t161\t-8\tx\n"
              "1\t-\tzusatz3\t256\t-3\tx\n"
              "1\t-\tnr\t1856\t-13\t5\n");
}

TEST_F(PrintPlan, KorrekturAusDemFormatOhneVersatzBei600Dpi) {
    // Without --correction the format's -5/3 hold; 600 dpi: OX 42, OY 54.
    const Lauf ohne = starte(format(4) + " " + schein(1));
    const Lauf dpi600 = starte(format(4) + " " + schein(1) + " --offsets 100,127,600");
    ASSERT_EQ(ohne.status, 0) << ohne.err;
    ASSERT_EQ(dpi600.status, 0) << dpi600.err;
    EXPECT_EQ(zeilen(ohne.out)[0], (std::vector<std::string>{"1", "1", "1", "1006", "-104", "x"}));
    EXPECT_EQ(zeilen(dpi600.out)[0], (std::vector<std::string>{"1", "1", "1", "964", "-50", "x"}));
    // No "ja" ticked: the "nein" positions, where filled; no number.
    const auto z = zeilen(ohne.out);
    ASSERT_EQ(z.size(), 16u);
    EXPECT_EQ(z[13], (std::vector<std::string>{"1", "-", "zusatz1", "100", "-58", "x"}));
    EXPECT_EQ(z[15][2], "zusatz3");
}

TEST_F(PrintPlan, ReihenAufPapierscheineVerteilt) {
    struct Fall {
        const char* name;
        int felderProReihe;
        int reihen;
        std::string optionen;
        // per paper slip: fields with tips, then the number of other marks
        std::map<std::string, std::pair<int, int>> scheine;
        std::string ersteTippzeile;
    } faelle[] = {
        {"25 Reihen, 12 Felder",
         6,
         25,
         "",
         {{"1", {12, 3}}, {"2", {12, 3}}, {"3", {1, 3}}},
         "1\t1\t1\t1006\t-104\tx"},
        {"Start 13, Ende 20, 8 Felder",
         4,
         25,
         "--start 13 --end 20",
         {{"1", {8, 3}}},
         "1\t1\t1\t1006\t-104\tx"},
        {"Start 14", 4, 25, "--start 14 --end 14", {{"1", {1, 3}}}, "1\t1\t1\t1008\t-106\tx"},
        {"Ende hinter der Tabelle",
         4,
         25,
         "--start 20 --end 30 --number 1",
         {{"1", {6, 4}}, {"2", {0, 4}}},
         ""},
        {"Start 0", 6, 3, "--start 0", {{"1", {3, 3}}}, "1\t1\t1\t1006\t-104\tx"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const Lauf l = starte(format(f.felderProReihe) + " " + schein(f.reihen) + " " + f.optionen);
        ASSERT_EQ(l.status, 0) << l.err;
        std::map<std::string, std::pair<int, int>> scheine;
        std::map<std::string, std::set<std::string>> felder;
        for (const auto& z : zeilen(l.out)) {
            ASSERT_EQ(z.size(), 6u);
            if (z[1] == "-")
                ++scheine[z[0]].second;
            else
                felder[z[0]].insert(z[1]);
        }
        for (auto& [schein, f2] : felder) scheine[schein].first = static_cast<int>(f2.size());
        EXPECT_EQ(scheine, f.scheine);
        if (!f.ersteTippzeile.empty()) {
            EXPECT_EQ(l.out.substr(0, f.ersteTippzeile.size()), f.ersteTippzeile);
        }
    }
}

TEST_F(PrintPlan, AblehnungenMitStatusUndDeutscherMeldung) {
    const std::string fmt = format(6), s = schein(3);
    test::schreibeRoh(tmp.datei("kurz.kvxdr"), std::string(3839, '\0'));
    std::vector<std::uint8_t> sieben = formatBytes(TScheinFormat{});
    sieben[0] = 7;
    schreibeAtomar(tmp.datei("sieben.kvxdr"), sieben);
    schreibeSpielschein(tmp.datei("leer.kv13"), {});
    std::vector<std::uint8_t> vew(40, 0);
    vew[0] = 3;
    schreibeAtomar(tmp.datei("vew.kv13"), vew);
    struct Fall {
        std::string args;
        int status;
        const char* meldung;
    } faelle[] = {
        {tmp.datei("kurz.kvxdr") + " " + s, 2,
         "Die Datei kurz.kvxdr ist kein gültiges Schein-Format: Sie ist 3839 Bytes"},
        {tmp.datei("sieben.kvxdr") + " " + s, 2,
         "sieben.kvxdr ist kein gültiges Schein-Format: Die Zahl der Tippfelder pro Reihe ist 7"},
        {tmp.datei("fehlt.kvxdr") + " " + s, 1, "fehlt.kvxdr konnte nicht geöffnet werden"},
        {fmt + " " + tmp.datei("fehlt.kv13"), 1, "fehlt.kv13 konnte nicht geöffnet werden"},
        {fmt + " " + tmp.datei("vew.kv13"), 2, "Die Datei vew.kv13 ist keine gültige Spielschein-Datei"},
        {fmt + " " + tmp.datei("leer.kv13"), 2, "Es gibt nichts zu drucken, ich breche ab."},
        {fmt + " " + s + " --start 3 --end 2", 2,
         "Bitte prüfen Sie Start und Ende des Tippreihen-Ausdrucks. Ich breche ab."},
        {fmt + " " + s + " --end 0", 2, "Bitte prüfen Sie Start und Ende"},
        {fmt + " " + s + " --start -1", 2, "--start erwartet eine Tippreihen-Nummer"},
        {fmt + " " + s + " --end 99999999999", 2, "--end erwartet eine Tippreihen-Nummer"},
        {fmt + " " + s + " --offsets 1,2", 2, "--offsets erwartet OX,OY,DPI"},
        {fmt + " " + s + " --offsets 1,2,0", 2, "--offsets erwartet OX,OY,DPI"},
        {fmt + " " + s + " --offsets -1,2,600", 2, "--offsets erwartet OX,OY,DPI"},
        {fmt + " " + s + " --correction 5", 2, "--correction erwartet H,V"},
        {fmt + " " + s + " --correction -,3", 2, "--correction erwartet H,V"},
        {fmt + " " + s + " --zusatz 101", 2, "--zusatz erwartet vier Ziffern"},
        {fmt + " " + s + " --zusatz 1012", 2, "--zusatz erwartet vier Ziffern"},
        {fmt + " " + s + " --number x", 2, "--number erwartet eine Start-Nummer"},
        {fmt + " " + s + " --number", 2, "Nach --number fehlt der Wert."},
        {fmt + " " + s + " --start 1 --start 2", 2, "--start ist doppelt angegeben."},
        {fmt + " " + s + " --farbe rot", 2, "Unbekannte Option --farbe."},
        {fmt, 2, "print-plan erwartet eine Schein-Format-Datei und eine Spielschein-Datei."},
    };
    for (const Fall& f : faelle) {
        const Lauf l = starte(f.args);
        EXPECT_EQ(l.status, f.status) << f.args << "\n" << l.err;
        EXPECT_EQ(l.out, "") << f.args;
        EXPECT_NE(l.err.find(f.meldung), std::string::npos) << f.args << "\n" << l.err;
    }
}

TEST_F(PrintPlan, SchreibfehlerDerAusgabe) {
    const Lauf l = starte(format(6) + " " + schein(25) + " >/dev/full");
    EXPECT_EQ(l.status, 1);
    EXPECT_NE(l.err.find("Die Ausgabe konnte nicht geschrieben werden"), std::string::npos) << l.err;
}

TEST_F(PrintPlan, HilfeNenntDenBefehl) {
    const Lauf l = test::starteCli(tmp, "--help");
    EXPECT_EQ(l.status, 0);
    for (const char* wort : {"print-plan", "--offsets", "--correction", "--zusatz", "--number"})
        EXPECT_NE(l.out.find(wort), std::string::npos) << wort;
}

}  // namespace
}  // namespace kv
