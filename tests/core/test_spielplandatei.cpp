#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Hilfen.h"
#include "Schreibpruefung.h"
#include "io/Datei.h"
#include "model/Records.h"
#include "model/Spielplandatei.h"

namespace kv {
namespace {

using test::dateiInhalt;
using test::schreibeRoh;
using test::TempOrdner;

Begegnungen beispielPlan() {
    Begegnungen b;
    for (int k = 0; k < kSpiele; ++k)
        b[k] = {std::to_string(40 + k) + "-30-" + std::to_string(30 - k), "Heim " + std::to_string(k + 1),
                "Gast " + std::to_string(k + 1)};
    b[0] = {"50-30-20", "1. FC K\xC3\xB6ln", "Borussia M\xC3\xB6nchengladbach"};
    b[1] = {"1234567890", std::string(30, 'H'), ""};
    b[2] = {"", "\xC3\x84\xC3\x96\xC3\x9C\xC3\x9F \xE2\x82\xAC \xE2\x80\x93 \xC2\xBD", "Gast"};
    return b;
}

// A record built by hand: length bytes and character bytes as given, the rest 0.
std::string satz(unsigned char lt, const std::string& t, unsigned char lh, const std::string& h,
                 unsigned char lg, const std::string& g) {
    std::string r(73, '\0');
    r[0] = static_cast<char>(lt);
    r.replace(1, t.size(), t);
    r[11] = static_cast<char>(lh);
    r.replace(12, h.size(), h);
    r[42] = static_cast<char>(lg);
    r.replace(43, g.size(), g);
    return r;
}

TEST(Spielplandatei, HinUndZurueck) {
    TempOrdner tmp;
    const std::string pfad = tmp.datei("Spieltag.sp13");
    const Begegnungen plan = beispielPlan();
    schreibeBegegnungen(pfad, plan);
    EXPECT_EQ(dateiInhalt(pfad).size(), 13u * 73u);
    Begegnungen gelesen;
    EXPECT_EQ(leseBegegnungen(pfad, gelesen), 13);
    EXPECT_EQ(gelesen, plan);
    EXPECT_EQ(test::eintraege(tmp.pfad()), std::set<std::string>{"Spieltag.sp13"});
}

TEST(Spielplandatei, SatzaufbauInWindows1252) {
    Begegnungen b;
    b[0] = {"1-0-2", "K\xC3\xB6ln", "Gro\xC3\x9F"};
    const std::vector<std::uint8_t> bytes = begegnungenBytes(b);
    ASSERT_EQ(bytes.size(), 13u * 73u);
    const std::string ist(bytes.begin(), bytes.begin() + 73);
    EXPECT_EQ(ist, satz(5, "1-0-2", 4, "K\xF6ln", 4, "Gro\xDF"));  // unused bytes are 0
    for (std::size_t i = 73; i < bytes.size(); ++i) ASSERT_EQ(bytes[i], 0) << i;
}

// Texts are converted first and then cut to 10 or 30 single-byte characters.
TEST(Spielplandatei, KuerzenUndErsetzenBeimSpeichern) {
    struct Fall {
        const char* name;
        std::string text;
        std::string gelesen;  // as it comes back from the file
    };
    const std::string name34 = "Sportfreunde Mustermannsdorf 1921e";
    const Fall faelle[] = {
        {"35 Zeichen", name34 + "X", name34.substr(0, 30)},
        {"genau 30", std::string(30, 'z'), std::string(30, 'z')},
        {"35 Umlaute",
         [] {
             std::string s;
             for (int i = 0; i < 35; ++i) s += "\xC3\xB6";
             return s;
         }(),
         [] {
             std::string s;
             for (int i = 0; i < 30; ++i) s += "\xC3\xB6";
             return s;
         }()},
        {"nicht darstellbar",
         "\xC5\x81\xC3\xB3"
         "d\xC5\xBA",
         "?\xC3\xB3"
         "d?"},
        {"fehlerhaftes UTF-8",
         "a\xFF"
         "b",
         "a?b"},
    };
    TempOrdner tmp;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Begegnungen b;
        b[4].Heim = f.text;
        b[4].Gast = f.text;
        schreibeBegegnungen(tmp.datei("x.sp13"), b);
        Begegnungen g;
        ASSERT_EQ(leseBegegnungen(tmp.datei("x.sp13"), g), 13);
        EXPECT_EQ(g[4].Heim, f.gelesen);
        EXPECT_EQ(g[4].Gast, f.gelesen);
    }
    Begegnungen b;
    b[0].Tendenz = "40-30-30 (Quote)";
    schreibeBegegnungen(tmp.datei("t.sp13"), b);
    Begegnungen g;
    leseBegegnungen(tmp.datei("t.sp13"), g);
    EXPECT_EQ(g[0].Tendenz, "40-30-30 (");
}

TEST(Spielplandatei, DateilaengenAusserhalbDesFormats) {
    struct Fall {
        std::size_t saetze;
        std::size_t restbytes;
        int gelesen;
    };
    const TBegegnung vorher{"alt", "Alt Heim", "Alt Gast"};
    for (const Fall f :
         {Fall{0, 0, 0}, Fall{0, 2, 0}, Fall{0, 72, 0}, Fall{1, 0, 1}, Fall{1, 1, 1}, Fall{12, 0, 12},
          Fall{13, 0, 13}, Fall{13, 40, 13}, Fall{14, 0, 13}, Fall{20, 0, 13}}) {
        SCOPED_TRACE(testing::Message() << f.saetze << " Sätze + " << f.restbytes << " Bytes");
        TempOrdner tmp;
        std::string roh;
        for (std::size_t k = 0; k < f.saetze; ++k) {
            const std::string n = std::to_string(k + 1);
            roh += satz(static_cast<unsigned char>(n.size()), n, static_cast<unsigned char>(n.size() + 1),
                        "H" + n, static_cast<unsigned char>(n.size() + 1), "G" + n);
        }
        roh += std::string(f.restbytes, 'x');
        schreibeRoh(tmp.datei("x.sp13"), roh);
        Begegnungen b;
        b.fill(vorher);
        ASSERT_EQ(leseBegegnungen(tmp.datei("x.sp13"), b), f.gelesen);
        for (int k = 0; k < kSpiele; ++k) {
            const std::string n = std::to_string(k + 1);
            EXPECT_EQ(b[k], (k < f.gelesen ? TBegegnung{n, "H" + n, "G" + n} : vorher)) << "Spiel " << k + 1;
        }
    }
}

// Length bytes beyond the field are clamped to it, so no field takes
// characters of the next field or reads past the record.
TEST(Spielplandatei, ZuGrosseLaengenbytes) {
    TempOrdner tmp;
    const std::string t = "ABCDEFGHIJ";
    const std::string h = "abcdefghijklmnopqrstuvwxyz0123";
    const std::string g = "ZYXWVUTSRQPONMLKJIHGFEDCBA9876";
    std::string roh = satz(255, t, 255, h, 255, g) + satz(11, t, 31, h, 31, g);
    schreibeRoh(tmp.datei("x.sp13"), roh);
    Begegnungen b;
    ASSERT_EQ(leseBegegnungen(tmp.datei("x.sp13"), b), 2);
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(b[k].Tendenz, t);
        EXPECT_EQ(b[k].Heim, h);
        EXPECT_EQ(b[k].Gast, g);
    }
}

TEST(Spielplandatei, BytesNachDemTextUndUndefinierteZeichen) {
    TempOrdner tmp;
    // Bytes after the valid characters are undefined and ignored; 0x81 has no
    // character in the code page.
    std::string roh = satz(3, "1-2xxxxxxx", 2, "K\x81zzzzz", 0, "nichts");
    schreibeRoh(tmp.datei("x.sp13"), roh);
    Begegnungen b;
    ASSERT_EQ(leseBegegnungen(tmp.datei("x.sp13"), b), 1);
    EXPECT_EQ(b[0], (TBegegnung{"1-2", "K\xEF\xBF\xBD", ""}));
}

TEST(Spielplandatei, LesefehlerLassenDenPlanUnveraendert) {
    TempOrdner tmp;
    Begegnungen b = beispielPlan();
    EXPECT_THROW(leseBegegnungen(tmp.datei("fehlt.sp13"), b), DateiFehler);
    EXPECT_THROW(leseBegegnungen(tmp.pfad().string(), b), DateiFehler);
    EXPECT_EQ(b, beispielPlan());
}

TEST(Spielplandatei, FehlgeschlagenesSchreibenAendertNichts) {
    test::pruefeFehlschlagAendertNichts(
        [](const std::string& pfad) { schreibeBegegnungen(pfad, beispielPlan()); }, std::string(949, 'a'));
}

}  // namespace
}  // namespace kv
