// kalvendo-cli import-fixtures: a pasted fixture table from the command line.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "Hilfen.h"
#include "Schreibpruefung.h"
#include "model/Spielplandatei.h"

namespace kv {
namespace {

using Lauf = test::CliLauf;

std::string daten(const std::string& name) {
    return std::string(KALVENDO_TESTDATEN) + "/" + name;
}

class ImportFixtures : public ::testing::Test {
  protected:
    test::TempOrdner tmp;
    Lauf starte(const std::string& argumente) { return test::starteCli(tmp, "import-fixtures " + argumente); }
};

TEST_F(ImportFixtures, GibtJedesSpielAusUndSpeichertDenSpielplan) {
    const Lauf l = starte(daten("spielplan_lf.txt") + " -o " + tmp.datei("tag.sp13"));
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.err, "");
    EXPECT_EQ(l.out,
              "1\tFC Bayern München\tBorussia Dortmund\t5 - 3 - 2\t5,3,2\n"
              "2\t1. FC Köln\tHertha BSC\t4 - 3 - 3\t4,3,3\n"
              "3\tVfB Stuttgart\tSC Freiburg\t4 - 4 - 2\t4,4,2\n"
              "4\tWerder Bremen\tHamburger SV\t3 - 3 - 4\t3,3,4\n"
              "5\tFC Schalke 04\tVfL Bochum\t5 - 3 - 2\t5,3,2\n"
              "6\tEintracht Frankfurt\t1. FSV Mainz 05\t5 - 2 - 3\t5,2,3\n"
              "7\tBayer 04 Leverkusen\tVfL Wolfsburg\t6 - 2 - 2\t6,2,2\n"
              "8\tBorussia Mönchengladbach\tFC Augsburg\t5 - 3 - 2\t5,3,2\n"
              "9\tTSG Hoffenheim\t1. FC Union Berlin\t4 - 3 - 3\t4,3,3\n"
              "10\tFortuna Düsseldorf\tHannover 96\t3 - 4 - 3\t3,4,3\n"
              "11\t1. FC Nürnberg\tSpVgg Greuther Fürth\t4 - 3 - 3\t4,3,3\n"
              "12\tKarlsruher SC\tSV Darmstadt 98\t2 - 3 - 5\t2,3,5\n"
              "13\tFC St. Pauli\tHansa Rostock\t5 - 3 - 2\t5,3,2\n"
              "found 13\n");
    Begegnungen b;
    ASSERT_EQ(leseBegegnungen(tmp.datei("tag.sp13"), b), 13);
    EXPECT_EQ(b[7], (TBegegnung{"5 - 3 - 2", "Borussia Mönchengladbach", "FC Augsburg"}));
    EXPECT_EQ(test::dateiInhalt(tmp.datei("tag.sp13")).size(), 13u * 73u);
}

TEST_F(ImportFixtures, DieSpaltenSindDieUebernommenenSpalten) {
    // Date and kick-off are kept columns: they come first. Match 5's line
    // ends with a tab, so its tendency is not read; the header line of the
    // other file is skipped.
    Lauf l = starte(daten("spielplan_spalten_crlf.txt"));
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_TRUE(l.out.starts_with("1\tSa, 14.09.\t15:30\tFC Bayern München\t5,3,2\n")) << l.out;
    EXPECT_NE(l.out.find("\n5\tSa, 14.09.\t15:30\tFC Schalke 04\t-\n"), std::string::npos) << l.out;
    EXPECT_TRUE(l.out.ends_with("found 12\n")) << l.out;

    l = starte(daten("spielplan_kopf_crlf.txt"));
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_TRUE(
        l.out.starts_with("1\tFC Bayern München\tBorussia Dortmund\t5 - 3 - 2\t5,3,2\n2\t1. FC Köln\t"))
        << l.out;
    EXPECT_TRUE(l.out.ends_with("13\tFC St. Pauli\tHansa Rostock\t5 - 3 - 2\t5,3,2\nfound 13\n")) << l.out;

    // Two kept columns: the third is empty.
    std::string zwei;
    for (int i = 1; i <= 13; ++i)
        zwei += std::to_string(i) + "\tMannschaft " + std::to_string(i) + "\t5 - 3 - 2\n";
    test::schreibeRoh(tmp.datei("zwei.txt"), "\xEF\xBB\xBF" + zwei);
    l = starte(tmp.datei("zwei.txt") + " -o " + tmp.datei("zwei.sp13"));
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_TRUE(l.out.starts_with("1\tMannschaft 1\t5 - 3 - 2\t\t5,3,2\n")) << l.out;
    Begegnungen b;
    leseBegegnungen(tmp.datei("zwei.sp13"), b);
    EXPECT_EQ(b[0], (TBegegnung{"", "Mannschaft 1", "5 - 3 - 2"}));
}

TEST_F(ImportFixtures, MeldungenDesEinlesensGebenStatus2) {
    std::string zahlenfehler;
    for (int i = 1; i <= 13; ++i)
        zahlenfehler += std::to_string(i) + "\tHeim\tGast\t" + (i == 7 ? "4 - x - 3" : "5 - 3 - 2") + "\n";
    struct Fall {
        std::string inhalt, meldung;
    };
    const Fall faelle[] = {
        {"", "Das Textfeld ist leer. Es gibt nichts zu übertragen. Ich breche erst einmal ab."},
        {"1\tA\n2\tB\n", "Ich kann keine 13 Zeilen mit Spielpaarungen ausmachen. Ich breche erst einmal ab."},
        {zahlenfehler,
         "In Zeile 7 ist die Tendenz \"4 - x - 3\" keine Zahlenfolge. Ich breche erst einmal ab."},
    };
    for (const Fall& f : faelle) {
        test::schreibeRoh(tmp.datei("t.txt"), f.inhalt);
        const Lauf l = starte(tmp.datei("t.txt") + " -o " + tmp.datei("nicht.sp13"));
        EXPECT_EQ(l.status, 2);
        EXPECT_EQ(l.out, "");
        EXPECT_EQ(l.err, "kalvendo-cli: " + tmp.datei("t.txt") + ": " + f.meldung + "\n");
    }
    EXPECT_EQ(test::eintraege(tmp.pfad()), std::set<std::string>{"t.txt"});
}

TEST_F(ImportFixtures, AufrufUndDateifehler) {
    const std::string text = daten("spielplan_lf.txt");
    for (const std::string& a : {std::string(), "-o " + tmp.datei("x.sp13"), text + " -o", text + " -x",
                                 text + " " + text, text + " -o a -o b"}) {
        const Lauf l = starte(a);
        EXPECT_EQ(l.status, 2) << a;
        EXPECT_NE(l.err.find("Aufruf: kalvendo-cli import-fixtures"), std::string::npos) << a;
    }
    Lauf l = starte(tmp.datei("fehlt.txt"));
    EXPECT_EQ(l.status, 1);
    EXPECT_NE(l.err.find("fehlt.txt"), std::string::npos) << l.err;
    l = starte(text + " -o " + tmp.datei("kein/ordner.sp13"));
    EXPECT_EQ(l.status, 1);
    EXPECT_EQ(l.out, "");
    l = starte(text + " >/dev/full");
    EXPECT_EQ(l.status, 1);
    EXPECT_EQ(l.err,
              "kalvendo-cli: Die Ausgabe konnte nicht geschrieben werden: Kein Speicherplatz mehr auf dem "
              "Datenträger.\n");
    EXPECT_TRUE(test::eintraege(tmp.pfad()).empty());
}

}  // namespace
}  // namespace kv
