// kalvendo-cli suggest: the tip suggestion from a fixture list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Hilfen.h"
#include "Schreibpruefung.h"
#include "model/Spielplandatei.h"

namespace kv {
namespace {

using Lauf = test::CliLauf;

// The tendencies of the pasted table in tests/data, as a fixture list:
// 5-3-2, 4-3-3, 4-4-2, 3-3-4, 5-3-2, 5-2-3, 6-2-2, 5-3-2, 4-3-3, 3-4-3,
// 4-3-3, 2-3-5, 5-3-2.
const std::vector<std::string> kTendenzen = {"5 - 3 - 2", "4 - 3 - 3", "4 - 4 - 2", "3 - 3 - 4", "5 - 3 - 2",
                                             "5 - 2 - 3", "6 - 2 - 2", "5 - 3 - 2", "4 - 3 - 3", "3 - 4 - 3",
                                             "4 - 3 - 3", "2 - 3 - 5", "5 - 3 - 2"};

class Suggest : public ::testing::Test {
  protected:
    test::TempOrdner tmp;

    std::string spielplan(const std::string& name, const std::vector<std::string>& tendenzen) {
        Begegnungen b;
        for (std::size_t i = 0; i < tendenzen.size(); ++i)
            b[i] = {tendenzen[i], "Heim " + std::to_string(i + 1), "Gast " + std::to_string(i + 1)};
        auto bytes = begegnungenBytes(b);
        bytes.resize(tendenzen.size() * kBegegnungBytes);
        test::schreibeRoh(tmp.datei(name), std::string(bytes.begin(), bytes.end()));
        return tmp.datei(name);
    }
    Lauf starte(const std::string& argumente) { return test::starteCli(tmp, "suggest " + argumente); }
};

TEST_F(Suggest, VorschlagReihenUndListe) {
    const std::string sp = spielplan("tag.sp13", kTendenzen);
    struct Fall {
        std::string optionen, ausgabe;
    };
    const Fall faelle[] = {
        // Nine single "1" tips: the start filter (at most 8 "1") drops every row.
        {"", "1,1,10,12,1,1,1,1,1,10,1,2,1\nrows 8\nlisted 0\n"},
        {"--thresholds 2,3,3 --only 000 --filter 8,5,5", "1,1,10,12,1,1,1,1,1,10,1,2,1\nrows 8\nlisted 0\n"},
        {"--filter off", "1,1,10,12,1,1,1,1,1,10,1,2,1\nrows 8\nlisted 8\n"},
        {"--filter 11,1,13", "1,1,10,12,1,1,1,1,1,10,1,2,1\nrows 8\nlisted 5\n"},
        // "nur" for "0": 4-4-2 and 3-4-3 get the single "0"; 3-3-4 does not apply.
        {"--only 010 --filter off", "1,1,0,12,1,1,1,1,1,0,1,2,1\nrows 2\nlisted 2\n"},
        {"--only 100", "1,1,1,1,1,1,1,1,1,1,1,2,1\nrows 1\nlisted 0\n"},
        // Six single "0" tips: the start filter (at most 5 "0") drops every row.
        {"--thresholds 4,2,4", "10,0,0,0,10,1,1,10,0,0,0,02,10\nrows 32\nlisted 0\n"},
        {"--thresholds 7,7,7", ",,,,,,,,,,,,\nrows 0\nlisted 0\n"},
    };
    for (const Fall& f : faelle) {
        const Lauf l = starte(sp + " " + f.optionen);
        EXPECT_EQ(l.status, 0) << f.optionen << ": " << l.err;
        EXPECT_EQ(l.out, f.ausgabe) << f.optionen;
        EXPECT_EQ(l.err, "") << f.optionen;
    }
}

TEST_F(Suggest, ReihenImTextformat) {
    // At most 11 "1" and one "0": of the eight rows, the one of twelve "1"
    // and the two with two "0" are dropped.
    const Lauf l = starte(spielplan("tag.sp13", kTendenzen) + " --filter 11,1,13 --rows");
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.out,
              "1,1,10,12,1,1,1,1,1,10,1,2,1\nrows 8\nlisted 5\n"
              "1,1,1,1,1,1,1,1,1,0,1,2,1\r\n"
              "1,1,1,2,1,1,1,1,1,1,1,2,1\r\n"
              "1,1,1,2,1,1,1,1,1,0,1,2,1\r\n"
              "1,1,0,1,1,1,1,1,1,1,1,2,1\r\n"
              "1,1,0,2,1,1,1,1,1,1,1,2,1\r\n");
}

TEST_F(Suggest, FehlendeTendenzenZaehlenNull) {
    // Twelve records: match 13 has no tendency and no tip; an unreadable text
    // (en dashes) neither.
    std::vector<std::string> t(kTendenzen.begin(), kTendenzen.end() - 1);
    t[1] = "4 \u2013 3 \u2013 3";
    Lauf l = starte(spielplan("zwoelf.sp13", t) + " --filter off");
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.out, "1,,10,12,1,1,1,1,1,10,1,2,\nrows 0\nlisted 0\n");
    l = starte(spielplan("leer.sp13", {}));
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.out, ",,,,,,,,,,,,\nrows 0\nlisted 0\n");
}

TEST_F(Suggest, FalscheAngabenUndDateifehler) {
    const std::string sp = spielplan("tag.sp13", kTendenzen);
    const std::vector<std::string> falsch = {
        "",
        sp + " " + sp,
        sp + " --thresholds",
        sp + " --thresholds 1,3,3",
        sp + " --thresholds 2,3,8",
        sp + " --thresholds 2,3",
        sp + " --thresholds 2,3,3,3",
        sp + " --thresholds 2,,3",
        sp + " --only 012",
        sp + " --only 00",
        sp + " --filter 0,5,5",
        sp + " --filter 8,5,14",
        sp + " --filter aus",
        sp + " --rowz",
    };
    for (const std::string& a : falsch) {
        const Lauf l = starte(a);
        EXPECT_EQ(l.status, 2) << a;
        EXPECT_EQ(l.out, "") << a;
        EXPECT_TRUE(l.err.starts_with("kalvendo-cli: ")) << a << ": " << l.err;
        EXPECT_NE(l.err.find("Aufruf: kalvendo-cli suggest"), std::string::npos) << a;
    }
    EXPECT_EQ(
        starte(sp + " --only 012").err,
        "kalvendo-cli: Die Angabe \"012\" für --only ist ungültig: erwartet sind drei Ziffern 0 oder 1.\n"
        "Aufruf: kalvendo-cli suggest SPIELPLAN.sp13 [--thresholds 2,3,3] [--only 000]\n"
        "                             [--filter 8,5,5|off] [--rows]\n");
    for (const std::string& a : {tmp.datei("fehlt.sp13"), tmp.pfad().string()}) {
        const Lauf l = starte(a);
        EXPECT_EQ(l.status, 1) << a;
        EXPECT_EQ(l.out, "") << a;
        EXPECT_NE(l.err.find("kalvendo-cli: "), std::string::npos) << a;
    }
    const Lauf l = starte(sp + " --filter off --rows >/dev/full");
    EXPECT_EQ(l.status, 1);
    EXPECT_EQ(l.err,
              "kalvendo-cli: Die Ausgabe konnte nicht geschrieben werden: Kein Speicherplatz mehr auf dem "
              "Datenträger.\n");
}

TEST_F(Suggest, HilfeNenntDieBefehleDerScheineingabe) {
    const Lauf l = test::starteCli(tmp, "--help");
    EXPECT_EQ(l.status, 0);
    EXPECT_NE(
        l.out.find(
            "  suggest SPIELPLAN.sp13 [--thresholds 2,3,3] [--only 000] [--filter 8,5,5|off] [--rows]\n"),
        std::string::npos);
    EXPECT_NE(l.out.find("  import-fixtures TEXTDATEI [-o AUSGABE.sp13]\n"), std::string::npos);
}

}  // namespace
}  // namespace kv
