#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "Hilfen.h"
#include "Schreibpruefung.h"
#include "io/Datei.h"
#include "settings/Einstellungen.h"
#include "settings/IniDatei.h"

namespace kv {
namespace {

using test::dateiInhalt;
using test::schreibeRoh;
using test::TempOrdner;

class IniDateiTest : public testing::Test {
  protected:
    TempOrdner tmp;
    std::string pfad = tmp.datei("Einstellungen.ini");
    IniDatei ini{pfad};
};

TEST_F(IniDateiTest, OhneDateiGeltenDieVorgaben) {
    EXPECT_FALSE(ini.existiert());
    EXPECT_EQ(ini.pfad(), pfad);
    EXPECT_EQ(ini.leseZahl(einst::kHauptLeft.abschnitt, einst::kHauptLeft.name, einst::kHauptLeft.vorgabe),
              -1000);
    EXPECT_TRUE(
        ini.leseBool(einst::kDruckFragen.abschnitt, einst::kDruckFragen.name, einst::kDruckFragen.vorgabe));
    EXPECT_FALSE(ini.leseBool(einst::kSpieltagMerken.abschnitt, einst::kSpieltagMerken.name, false));
    EXPECT_EQ(ini.leseText(einst::kSpieltagDatei.abschnitt, einst::kSpieltagDatei.name, "vorgabe"),
              "vorgabe");
    ini.loescheAbschnitt(einst::kSpielscheine);
    EXPECT_FALSE(std::filesystem::exists(pfad));  // neither reading nor erasing creates the file

    ini.schreibeZahl(einst::kSplitterPos.abschnitt, einst::kSplitterPos.name, 46);
    EXPECT_TRUE(ini.existiert());
    EXPECT_EQ(dateiInhalt(pfad), "[Splitter]\nPos=46\n");
    // A missing key in an existing file gives the default as well.
    EXPECT_EQ(ini.leseZahl(einst::kSplitter, "Breite", 5), 5);
    EXPECT_EQ(ini.leseZahl(einst::kHauptLeft.abschnitt, einst::kHauptLeft.name, -1000), -1000);
}

TEST_F(IniDateiTest, WerteUeberstehenDenHinUndRueckweg) {
    for (int z : {0, 1, -1, -1000, -10000, 378, INT_MAX, INT_MIN}) {
        ini.schreibeZahl("Zahlen", "z", z);
        EXPECT_EQ(ini.leseZahl("Zahlen", "z", 12345), z);
    }
    ini.schreibeBool("B", "an", true);
    ini.schreibeBool("B", "aus", false);
    EXPECT_TRUE(ini.leseBool("B", "an", false));
    EXPECT_FALSE(ini.leseBool("B", "aus", true));
    EXPECT_EQ(ini.leseText("B", "an", ""), "1");
    EXPECT_EQ(ini.leseText("B", "aus", ""), "0");

    const std::string texte[] = {
        "/home/anna/Tipps/Schein 12.kv13",
        "C:\\Tipps\\a=b,c;d.kv13",
        "/tmp/\xC3\xBC"
        "ber \xE2\x82\xAC/Spielplan.sp13",
        "mit \"Anf\xC3\xBChrungszeichen\" drin",
        "\"ganz in Anf\xC3\xBChrungszeichen\"",
        "\"\"",
        "\"",
        "\"nur vorn",
        "  Blanks au\xC3\x9F"
        "en  ",
        "\tTab",
        ";kein Kommentar",
        "[kein Abschnitt]",
        "=",
        "a = b",
        "",
        "https://example.invalid/spielplan?x=1&y=2",
    };
    for (const std::string& t : texte) {
        SCOPED_TRACE(t);
        ini.schreibeText("Texte", "t", t);
        EXPECT_EQ(ini.leseText("Texte", "t", "vorgabe"), t);
        ini.schreibeText("Texte", "t2", t);  // a second key in the same section is not disturbed
        EXPECT_EQ(ini.leseText("Texte", "t", "vorgabe"), t);
    }
    EXPECT_EQ(ini.leseZahl("Zahlen", "z", 0), INT_MIN);
}

TEST_F(IniDateiTest, ZahlenUndBooleanLesen) {
    struct Fall {
        const char* wert;
        int zahl;       // with default 77
        bool boolean;   // with default true
        bool boolean2;  // with default false
    };
    const Fall faelle[] = {
        {"12", 12, true, true},
        {"-5", -5, true, true},
        {"+7", 7, true, true},
        {"0", 0, false, false},
        {"  42  ", 42, true, true},
        {"\"12\"", 12, true, true},
        {"-2147483648", INT_MIN, true, true},
        {"abc", 77, true, false},
        {"", 77, true, false},
        {"12abc", 77, true, false},
        {"1.5", 77, true, false},
        {"0x10", 77, true, false},
        {"1 2", 77, true, false},
        {"- 3", 77, true, false},
        {"+-3", 77, true, false},
        {"+", 77, true, false},
        {"2147483648", 77, true, false},
        {"99999999999999999999", 77, true, false},
        {"true", 77, true, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.wert);
        schreibeRoh(pfad, std::string("[A]\nk=") + f.wert + "\n");
        EXPECT_EQ(ini.leseZahl("A", "k", 77), f.zahl);
        EXPECT_EQ(ini.leseBool("A", "k", true), f.boolean);
        EXPECT_EQ(ini.leseBool("A", "k", false), f.boolean2);
    }
}

TEST_F(IniDateiTest, KeineZahlErgibtDieVorgabeDerTabelle) {
    schreibeRoh(pfad, "[Fenster]\nHaupt-Left=abc\nHaupt-Top=12\n");
    EXPECT_EQ(ini.leseZahl(einst::kHauptLeft.abschnitt, einst::kHauptLeft.name, einst::kHauptLeft.vorgabe),
              -1000);
    EXPECT_EQ(ini.leseZahl(einst::kHauptTop.abschnitt, einst::kHauptTop.name, einst::kHauptTop.vorgabe), 12);
}

TEST_F(IniDateiTest, NamenOhneGrossKleinUndLeerraum) {
    schreibeRoh(pfad,
                "  [ fenster ]  \r\n  haupt-LEFT   =  -5  \r\nEingabe-Left=\r\n[SPIELTAG]\r\nDatei = /a "
                "b/c.sp13 \r\n");
    EXPECT_EQ(ini.leseZahl("Fenster", "Haupt-Left", 0), -5);
    EXPECT_EQ(ini.leseZahl(" FENSTER ", " haupt-left ", 0), -5);
    EXPECT_EQ(ini.leseText("Fenster", "Eingabe-Left", "x"), "");  // present but empty: the empty text
    EXPECT_EQ(ini.leseZahl("Fenster", "Eingabe-Left", 9), 9);
    EXPECT_EQ(ini.leseText("Spieltag", "datei", ""), "/a b/c.sp13");

    // Writing an existing key in other letters replaces it instead of adding a second one.
    ini.schreibeZahl("FENSTER", "Haupt-Left", 7);
    EXPECT_EQ(dateiInhalt(pfad),
              "  [ fenster ]  \nhaupt-LEFT=7\nEingabe-Left=\n[SPIELTAG]\nDatei = /a b/c.sp13 \n");
}

// The file of a user who edited it by hand: comments, blank lines, a key
// before the first section, CR LF line ends, a section that occurs twice.
constexpr const char* kHandgemacht =
    "; Einstellungen\r\n"
    "lose=1\r\n"
    "\r\n"
    "[Fenster]\r\n"
    "Haupt-Left=10\r\n"
    "; Position des Eingabefensters\r\n"
    "Eingabe-Left=20\r\n"
    "\r\n"
    "[Spielscheine]\r\n"
    "Merken=1\r\n"
    "Dateienanzahl=2\r\n"
    "Datei1=/a/eins.kv13\r\n"
    "Datei2=/a/zwei.kv13\r\n"
    "\r\n"
    "[Spieltag]\r\n"
    "Datei=/a/plan.sp13\r\n"
    "unsinn ohne Gleichheitszeichen\r\n"
    "[spielscheine]\r\n"
    "Datei3=/a/drei.kv13";

TEST_F(IniDateiTest, SchreibenBehaeltJedeAndereZeile) {
    schreibeRoh(pfad, kHandgemacht);
    EXPECT_EQ(ini.leseZahl("Fenster", "Eingabe-Left", 0), 20);
    EXPECT_EQ(ini.leseText("Spielscheine", "Datei3", ""), "/a/drei.kv13");  // second occurrence counts too
    EXPECT_EQ(ini.leseZahl("Fenster", "lose", 0), 0);  // the key before any section belongs to none

    ini.schreibeZahl(einst::kEingabeLeft.abschnitt, einst::kEingabeLeft.name, -300);
    EXPECT_EQ(dateiInhalt(pfad),
              "; Einstellungen\n"
              "lose=1\n"
              "\n"
              "[Fenster]\n"
              "Haupt-Left=10\n"
              "; Position des Eingabefensters\n"
              "Eingabe-Left=-300\n"
              "\n"
              "[Spielscheine]\n"
              "Merken=1\n"
              "Dateienanzahl=2\n"
              "Datei1=/a/eins.kv13\n"
              "Datei2=/a/zwei.kv13\n"
              "\n"
              "[Spieltag]\n"
              "Datei=/a/plan.sp13\n"
              "unsinn ohne Gleichheitszeichen\n"
              "[spielscheine]\n"
              "Datei3=/a/drei.kv13\n");

    // A new key goes after the last key of its section, a new section to the end.
    ini.schreibeZahl(einst::kHauptTop.abschnitt, einst::kHauptTop.name, 5);
    ini.schreibeBool(einst::kSpieltagEnde.abschnitt, einst::kSpieltagEnde.name, true);
    ini.schreibeText(einst::kDruckFormatdatei.abschnitt, einst::kDruckFormatdatei.name, "/a/druck.kvxdr");
    EXPECT_EQ(dateiInhalt(pfad),
              "; Einstellungen\n"
              "lose=1\n"
              "\n"
              "[Fenster]\n"
              "Haupt-Left=10\n"
              "; Position des Eingabefensters\n"
              "Eingabe-Left=-300\n"
              "Haupt-Top=5\n"
              "\n"
              "[Spielscheine]\n"
              "Merken=1\n"
              "Dateienanzahl=2\n"
              "Datei1=/a/eins.kv13\n"
              "Datei2=/a/zwei.kv13\n"
              "\n"
              "[Spieltag]\n"
              "Datei=/a/plan.sp13\n"
              "Ende=1\n"
              "unsinn ohne Gleichheitszeichen\n"
              "[spielscheine]\n"
              "Datei3=/a/drei.kv13\n"
              "[Druck]\n"
              "Formatdatei=/a/druck.kvxdr\n");
}

TEST_F(IniDateiTest, AbschnittLoeschenEntferntNurDessenSchluessel) {
    schreibeRoh(pfad, kHandgemacht);
    ini.loescheAbschnitt(einst::kSpielscheine);
    EXPECT_EQ(dateiInhalt(pfad),
              "; Einstellungen\n"
              "lose=1\n"
              "\n"
              "[Fenster]\n"
              "Haupt-Left=10\n"
              "; Position des Eingabefensters\n"
              "Eingabe-Left=20\n"
              "\n"
              "\n"
              "[Spieltag]\n"
              "Datei=/a/plan.sp13\n"
              "unsinn ohne Gleichheitszeichen\n");
    EXPECT_EQ(
        ini.leseZahl(einst::kSpielscheineDateienanzahl.abschnitt, einst::kSpielscheineDateienanzahl.name, 0),
        0);
    EXPECT_EQ(ini.leseText(einst::kSpielscheineDatei.abschnitt, einst::kSpielscheineDatei.name(1), ""), "");
    EXPECT_EQ(ini.leseText(einst::kSpieltagDatei.abschnitt, einst::kSpieltagDatei.name, ""), "/a/plan.sp13");

    // Written anew after erasing, the section goes to the end of the file.
    ini.schreibeZahl(einst::kSpielscheineDateienanzahl.abschnitt, einst::kSpielscheineDateienanzahl.name, 1);
    ini.schreibeText(einst::kSpielscheineDatei.abschnitt, einst::kSpielscheineDatei.name(1), "/b/neu.kv13");
    EXPECT_EQ(dateiInhalt(pfad),
              "; Einstellungen\nlose=1\n\n[Fenster]\nHaupt-Left=10\n; Position des Eingabefensters\n"
              "Eingabe-Left=20\n\n\n[Spieltag]\nDatei=/a/plan.sp13\nunsinn ohne Gleichheitszeichen\n"
              "[Spielscheine]\nDateienanzahl=1\nDatei1=/b/neu.kv13\n");

    const std::string vorher = dateiInhalt(pfad);
    ini.loescheAbschnitt("GibtEsNicht");
    EXPECT_EQ(dateiInhalt(pfad), vorher);
}

TEST_F(IniDateiTest, ErsterDoppelterSchluesselGilt) {
    schreibeRoh(pfad, "[A]\nk=1\nk=2\n");
    EXPECT_EQ(ini.leseZahl("A", "k", 0), 1);
    ini.schreibeZahl("A", "k", 3);
    EXPECT_EQ(dateiInhalt(pfad), "[A]\nk=3\nk=2\n");
}

TEST_F(IniDateiTest, UngueltigeNamenUndZeilenumbruecheWerdenAbgelehnt) {
    schreibeRoh(pfad, "[A]\nk=1\n");
    EXPECT_THROW(ini.schreibeText("A", "k", "zwei\nZeilen"), std::invalid_argument);
    EXPECT_THROW(ini.schreibeText("A", "k", "x\r[B]"), std::invalid_argument);
    EXPECT_THROW(ini.schreibeZahl("A]", "k", 1), std::invalid_argument);
    EXPECT_THROW(ini.schreibeZahl("", "k", 1), std::invalid_argument);
    EXPECT_THROW(ini.schreibeZahl("A", "a=b", 1), std::invalid_argument);
    EXPECT_THROW(ini.schreibeZahl("A", " ", 1), std::invalid_argument);
    EXPECT_THROW(ini.leseZahl("A", "", 1), std::invalid_argument);
    EXPECT_EQ(dateiInhalt(pfad), "[A]\nk=1\n");
}

TEST_F(IniDateiTest, UnlesbareDateiWirdNichtUeberschrieben) {
    std::filesystem::create_directory(pfad);
    EXPECT_FALSE(ini.existiert());
    EXPECT_THROW(ini.leseZahl("A", "k", 1), DateiFehler);
    EXPECT_THROW(ini.loescheAbschnitt("A"), DateiFehler);
    EXPECT_THROW(ini.schreibeZahl("A", "k", 1), DateiFehler);
    EXPECT_TRUE(std::filesystem::is_directory(pfad));
}

TEST(IniDatei, FehlgeschlagenesSchreibenAendertNichts) {
    const std::string alt = "[Fenster]\nHaupt-Left=1\n[Spielscheine]\nDatei1=/x\n";
    test::pruefeFehlschlagAendertNichts(
        [](const std::string& pfad) {
            IniDatei(pfad).schreibeZahl(einst::kHauptLeft.abschnitt, einst::kHauptLeft.name, 12345);
        },
        alt);
    test::pruefeFehlschlagAendertNichts(
        [](const std::string& pfad) {
            std::error_code ec;
            if (std::filesystem::is_regular_file(pfad, ec)) {
                IniDatei(pfad).loescheAbschnitt(einst::kSpielscheine);
            } else {
                IniDatei(pfad).schreibeText("A", "k", "wert");  // the erase of a missing file writes nothing
            }
        },
        alt);
}

}  // namespace
}  // namespace kv
