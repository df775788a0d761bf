// The settings session (read once, write once), the typed keys, the list of
// remembered slips and the version from the build.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "Schreibpruefung.h"
#include "io/Datei.h"
#include "model/Records.h"
#include "settings/Einstellungen.h"
#include "settings/IniDatei.h"
#include "update/Updatepruefung.h"

namespace kv {
namespace {

using test::dateiInhalt;
using test::schreibeRoh;
using test::TempOrdner;

const char* const kHandgemacht =
    "; Einstellungen\n"
    "[Fenster]\n"
    "Haupt-Left=10\n"
    "\n"
    "[Spielscheine]\n"
    "Merken=1\n"
    "Dateienanzahl=2\n"
    "Datei1=/a/eins.kv13\n"
    "Datei2=/a/zwei.kv13\n"
    "[Spieltag]\n"
    "Datei=/a/plan.sp13\n"
    "[spielscheine]\n"
    "Datei3=/a/drei.kv13\n";

// The same steps through one session and through one IniDatei call each give
// the same file, byte for byte; the session writes it only once, at the end.
TEST(IniSitzung, VieleSchluesselEinmalGeschrieben) {
    using Schritt = std::function<void(IniSitzung&, IniDatei&)>;
    const std::vector<Schritt> schritte = {
        [](IniSitzung& s, IniDatei& d) {
            s.schreibeZahl("Fenster", "Haupt-Left", -5);
            d.schreibeZahl("Fenster", "Haupt-Left", -5);
        },
        [](IniSitzung& s, IniDatei& d) {
            s.schreibeBool("Spieltag", "Ende", true);
            d.schreibeBool("Spieltag", "Ende", true);
        },
        [](IniSitzung& s, IniDatei& d) {
            s.loescheAbschnitt("Spielscheine");
            d.loescheAbschnitt("Spielscheine");
        },
        [](IniSitzung& s, IniDatei& d) {
            s.schreibeZahl("Spielscheine", "Dateienanzahl", 1);
            d.schreibeZahl("Spielscheine", "Dateienanzahl", 1);
        },
        [](IniSitzung& s, IniDatei& d) {
            s.schreibeText("Spielscheine", "Datei1", " mit Blanks ");
            d.schreibeText("Spielscheine", "Datei1", " mit Blanks ");
        },
        [](IniSitzung& s, IniDatei& d) {
            s.schreibeText("Neu", "x", "y");
            d.schreibeText("Neu", "x", "y");
        },
    };
    TempOrdner tmp;
    const std::string a = tmp.datei("a.ini"), b = tmp.datei("b.ini");
    schreibeRoh(a, kHandgemacht);
    schreibeRoh(b, kHandgemacht);
    IniSitzung sitzung(a);
    IniDatei einzeln(b);
    for (const Schritt& s : schritte) s(sitzung, einzeln);
    EXPECT_EQ(dateiInhalt(a), kHandgemacht) << "nothing is written before speichern()";
    EXPECT_TRUE(sitzung.geaendert());
    // reads see the session's own writes
    EXPECT_EQ(sitzung.leseZahl("fenster", "HAUPT-LEFT", 0), -5);
    EXPECT_EQ(sitzung.leseText("Spielscheine", "Datei1", ""), " mit Blanks ");
    EXPECT_EQ(sitzung.leseText("Spielscheine", "Datei3", "weg"), "weg");
    sitzung.speichern();
    EXPECT_EQ(dateiInhalt(a), dateiInhalt(b));
    EXPECT_FALSE(sitzung.geaendert());
}

TEST(IniSitzung, LiestDieDateiNurZuBeginn) {
    TempOrdner tmp;
    const std::string pfad = tmp.datei("Einstellungen.ini");
    schreibeRoh(pfad, kHandgemacht);
    const IniSitzung s(pfad);
    std::filesystem::remove(pfad);
    EXPECT_TRUE(s.existiert());
    EXPECT_EQ(s.leseText("Spielscheine", "Datei3", ""), "/a/drei.kv13");  // the second occurrence counts too
    EXPECT_EQ(s.leseZahl("Fenster", "Haupt-Left", 0), 10);
    EXPECT_EQ(s.schluesselNamen("Spielscheine"),
              (std::vector<std::string>{"Merken", "Dateienanzahl", "Datei1", "Datei2", "Datei3"}));
}

TEST(IniSitzung, OhneAenderungWirdNichtsGeschrieben) {
    TempOrdner tmp;
    const std::string pfad = tmp.datei("Einstellungen.ini");
    IniSitzung ohne(pfad);
    EXPECT_FALSE(ohne.existiert());
    EXPECT_EQ(ohne.leseZahl("Fenster", "Haupt-Left", -1000), -1000);
    ohne.loescheAbschnitt("Spielscheine");  // nothing to erase: no change
    ohne.speichern();
    EXPECT_FALSE(std::filesystem::exists(pfad)) << "neither reading nor erasing creates the file";
    ohne.schreibeZahl("Splitter", "Pos", 46);
    ohne.speichern();
    EXPECT_TRUE(ohne.existiert());
    EXPECT_EQ(dateiInhalt(pfad), "[Splitter]\nPos=46\n");
}

TEST(IniSitzung, UnlesbareDateiFaelltSofortAuf) {
    TempOrdner tmp;
    const std::string pfad = tmp.datei("Einstellungen.ini");
    std::filesystem::create_directory(pfad);
    EXPECT_THROW(IniSitzung{pfad}, DateiFehler);
    EXPECT_TRUE(std::filesystem::is_directory(pfad));
}

TEST(Einstellungen, TypisierteSchluesselMitIhrenVorgaben) {
    TempOrdner tmp;
    const std::string pfad = tmp.datei("Einstellungen.ini");
    schreibeRoh(pfad, "[Fenster]\nHaupt-Left=abc\nHaupt-Top=12\n[Druck]\nZusatz3=1\n");
    Einstellungen e(pfad);
    EXPECT_EQ(e.lese(einst::kHauptLeft), -1000) << "a value that is no number gives the table's default";
    EXPECT_EQ(e.lese(einst::kHauptTop), 12);
    EXPECT_EQ(e.lese(einst::kScheinLeft), -10000);
    EXPECT_EQ(e.lese(einst::kSplitterPos), 378);
    EXPECT_TRUE(e.lese(einst::kDruckFragen));
    EXPECT_TRUE(e.lese(einst::kTippFilter));
    EXPECT_EQ(e.lese(einst::kTippReduz), 12);
    EXPECT_TRUE(e.lese(einst::kDruckZusatz, 3));
    EXPECT_FALSE(e.lese(einst::kDruckZusatz, 4));
    EXPECT_FALSE(e.enthaelt(einst::kSpieltagVorschauUrl));
    e.schreibe(einst::kSpieltagVorschauUrl, "");
    EXPECT_TRUE(e.enthaelt(einst::kSpieltagVorschauUrl)) << "an empty address is stored, not missing";
    e.schreibe(einst::kSpielscheinDatei, "/a/b c.kv13");
    e.schreibe(einst::kGZEingabeLeft, 40);
    e.speichern();
    EXPECT_EQ(dateiInhalt(pfad),
              "[Fenster]\nHaupt-Left=abc\nHaupt-Top=12\nGZEingabe-Left=40\n[Druck]\nZusatz3=1\n"
              "[Spieltag]\nVorschauUrl=\n[Spielschein]\nDatei=/a/b c.kv13\n");
}

// The remembered tab list reads only the names that are there: a huge or
// wrong "Dateienanzahl" neither hangs the start nor names empty files.
TEST(Einstellungen, GemerkteScheine) {
    struct Fall {
        const char* name;
        const char* abschnitt;
        std::vector<std::string> erwartet;
    };
    const Fall faelle[] = {
        {"zwei", "Dateienanzahl=2\nDatei1=/a\nDatei2=/b\n", {"/a", "/b"}},
        {"riesige Anzahl", "Dateienanzahl=2147483647\nDatei1=/a\nDatei2=/b\n", {"/a", "/b"}},
        {"Anzahl ohne Namen", "Dateienanzahl=5\n", {}},
        {"leerer Name", "Dateienanzahl=3\nDatei1=/a\nDatei2=\nDatei3=/c\n", {"/a", "/c"}},
        {"Lücke", "Dateienanzahl=7\nDatei7=/g\nDatei2=/b\n", {"/b", "/g"}},
        {"mehr Namen als die Anzahl", "Dateienanzahl=1\nDatei1=/a\nDatei2=/b\n", {"/a"}},
        {"keine Zahl", "Dateienanzahl=viele\nDatei1=/a\n", {}},
        {"negativ", "Dateienanzahl=-3\nDatei1=/a\n", {}},
        {"Groß und klein", "dateienanzahl=2\ndatei1=/a\nDATEI2=/b\n", {"/a", "/b"}},
        {"andere Schreibweisen zählen nicht", "Dateienanzahl=20\nDatei01=/a\nDatei+2=/b\nDateix=/c\n", {}},
        {"erster doppelter gilt", "Dateienanzahl=1\nDatei1=/a\nDatei1=/b\n", {"/a"}},
    };
    TempOrdner tmp;
    const std::string pfad = tmp.datei("Einstellungen.ini");
    for (const Fall& f : faelle) {
        schreibeRoh(pfad, std::string("[Spielscheine]\nMerken=1\n") + f.abschnitt + "[Spieltag]\nDatei=/x\n");
        EXPECT_EQ(gemerkteScheine(Einstellungen(pfad)), f.erwartet) << f.name;
    }
}

TEST(Einstellungen, ScheineMerkenErsetztDenAbschnitt) {
    TempOrdner tmp;
    const std::string pfad = tmp.datei("Einstellungen.ini");
    schreibeRoh(pfad,
                "[Spielscheine]\nMerken=1\nDateienanzahl=3\nDatei1=/a\nDatei2=/b\nDatei3=/c\n"
                "[Spieltag]\nDatei=/x\n");
    Einstellungen e(pfad);
    scheineMerken(e, {"/neu eins", "/neu zwei"});
    e.speichern();
    EXPECT_EQ(dateiInhalt(pfad),
              "[Spieltag]\nDatei=/x\n[Spielscheine]\nDateienanzahl=2\nDatei1=/neu eins\nDatei2=/neu zwei\n");
    EXPECT_EQ(gemerkteScheine(Einstellungen(pfad)), (std::vector<std::string>{"/neu eins", "/neu zwei"}));
}

// The version comes from the build: four numbers with dots, as the maker's
// version file publishes them. A record of that file carries at most 15
// characters: the installed version must fit one, read back unchanged, or the
// update check could never find the published version equal to it. The title
// is the program's name.
TEST(Version, AusDemBuildPasstInDieVersionsdatei) {
    using update::downloadAngeboten;
    using update::leseVersion;
    using update::versionsSatz;
    EXPECT_TRUE(std::regex_match(kVersion, std::regex("[0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+"))) << kVersion;
    std::vector<std::uint8_t> datei;
    ASSERT_NO_THROW(datei = versionsSatz(kVersion)) << kVersion;
    const std::string gelesen = leseVersion(datei);
    EXPECT_EQ(gelesen, kVersion);
    EXPECT_FALSE(downloadAngeboten(gelesen, kVersion));
    EXPECT_TRUE(downloadAngeboten(leseVersion(versionsSatz(std::string(kVersion) + "1")), kVersion));
    EXPECT_STREQ(kProgrammTitel, "Kalvendo");
}

}  // namespace
}  // namespace kv
