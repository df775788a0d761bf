// kalvendo-cli import-rows: tip rows from a text file into a slip file.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "Hilfen.h"
#include "Schreibpruefung.h"
#include "model/Spielscheindatei.h"

namespace kv {
namespace {

using Lauf = test::CliLauf;

class ImportRows : public ::testing::Test {
  protected:
    test::TempOrdner tmp;

    Lauf starte(const std::string& argumente) { return test::starteCli(tmp, "import-rows " + argumente); }
};

TEST_F(ImportRows, SchreibtDieErkanntenReihen) {
    // Byte-order mark, CR LF, lines that are no rows, every kind of separator.
    test::schreibeRoh(tmp.datei("reihen.txt"),
                      "\xEF\xBB\xBF"
                      "1021021021021\r\nKopf\r\n1,1,1,1,1,1,1,1,1,1,1,1,2\r\n\r\n"
                      "2;2;2;2;2;2;2;2;2;2;2;2;0\n0 0 0 0 0 0 0 0 0 0 0 0 "
                      "1\n1\t0\t3\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\n12345\n");
    const Lauf l = starte(tmp.datei("reihen.txt") + " -o " + tmp.datei("aus.kv13"));
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.out, "5 Reihen nach " + tmp.datei("aus.kv13") + " geschrieben.\n");
    EXPECT_EQ(l.err, "");

    // "3" (match 3 of the last row) leaves the match without a cross.
    std::vector<TScheinOffen> erwartet = {test::reiheAus("1021021021021"), test::reiheAus("1111111111112"),
                                          test::reiheAus("2222222222220"), test::reiheAus("0000000000001"),
                                          test::reiheAus("1000000000000")};
    erwartet[4].setzeKreuz(3, 2, false);
    const auto bytes = spielscheinBytes(erwartet);
    EXPECT_EQ(test::dateiInhalt(tmp.datei("aus.kv13")), std::string(bytes.begin(), bytes.end()));
}

TEST_F(ImportRows, OhneReiheWirdNichtsGeschrieben) {
    for (const std::string& text : {std::string("keine\nReihe\n"), std::string()}) {
        test::schreibeRoh(tmp.datei("leer.txt"), text);
        test::schreibeRoh(tmp.datei("alt.kv13"), "alt");
        for (const std::string& ziel : {tmp.datei("alt.kv13"), tmp.datei("neu.kv13")}) {
            const Lauf l = starte(tmp.datei("leer.txt") + " -o " + ziel);
            EXPECT_EQ(l.status, 2) << text;
            EXPECT_EQ(l.out, "");
            EXPECT_EQ(l.err, "Die Textdatei " + tmp.datei("leer.txt") +
                                 " enthält keine Tippreihe. Es wurde nichts geschrieben.\n");
        }
        EXPECT_EQ(test::dateiInhalt(tmp.datei("alt.kv13")), "alt");
        EXPECT_EQ(test::eintraege(tmp.pfad()), (std::set<std::string>{"alt.kv13", "leer.txt"}));
    }
}

TEST_F(ImportRows, BuchstabenWerdenAbgelehnt) {
    test::schreibeRoh(tmp.datei("r.txt"), "1111111111111\nfalsch\n11111111X1111\n");
    test::schreibeRoh(tmp.datei("aus.kv13"), "alt");
    const Lauf l = starte(tmp.datei("r.txt") + " -o " + tmp.datei("aus.kv13"));
    EXPECT_EQ(l.status, 2);
    EXPECT_EQ(l.out, "");
    EXPECT_EQ(l.err, tmp.datei("r.txt") +
                         ", Zeile 3: Der Tipp für Spiel 9 ist keine Zahl (\"X\"). Es wurde nichts "
                         "geschrieben.\n");
    EXPECT_EQ(test::dateiInhalt(tmp.datei("aus.kv13")), "alt");
}

TEST_F(ImportRows, FalscherAufrufUndDateifehler) {
    test::schreibeRoh(tmp.datei("r.txt"), "1111111111111\n");
    for (const std::string& a :
         {std::string(), tmp.datei("r.txt"), "-o " + tmp.datei("a.kv13"), tmp.datei("r.txt") + " -o",
          tmp.datei("r.txt") + " -x -o " + tmp.datei("a.kv13")}) {
        const Lauf l = starte(a);
        EXPECT_EQ(l.status, 2) << a;
        EXPECT_NE(l.err.find("Aufruf: kalvendo-cli import-rows"), std::string::npos) << a;
    }
    EXPECT_EQ(starte(tmp.datei("fehlt.txt") + " -o " + tmp.datei("a.kv13")).status, 1);
    EXPECT_EQ(starte(tmp.datei("r.txt") + " -o " + tmp.datei("kein/ordner.kv13")).status, 1);
    EXPECT_EQ(test::eintraege(tmp.pfad()), std::set<std::string>{"r.txt"});
    // Only a regular file is replaced: a FIFO stays what it is.
    ASSERT_EQ(::mkfifo(tmp.datei("fifo").c_str(), 0600), 0);
    const Lauf l = starte(tmp.datei("r.txt") + " -o " + tmp.datei("fifo"));
    EXPECT_EQ(l.status, 1);
    EXPECT_EQ(l.err,
              "Die Datei " + tmp.datei("fifo") +
                  " konnte nicht geschrieben werden: Das ist eine Pipe (FIFO), keine gewöhnliche Datei.\n");
    EXPECT_TRUE(std::filesystem::is_fifo(tmp.datei("fifo")));
    EXPECT_EQ(test::eintraege(tmp.pfad()), (std::set<std::string>{"fifo", "r.txt"}));
}

}  // namespace
}  // namespace kv
