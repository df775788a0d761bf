// "Vorschlag als Spielschein": which field of the system slip window gets the
// suggestion, after which questions, and that no cross of the user is lost.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Hilfen.h"
#include "eingabe/Vorschlagsuebergabe.h"

namespace kv {
namespace {

using test::feldAus;
using T = std::array<std::string, kSpiele>;

const T kVoll = {"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"};
const T kTeil = {"2", "", "", "", "", "", "", "", "", "", "", "", ""};
const TScheinOffen kVorschlag = feldAus({"10", "0", "2", "1", "1", "102", "1", "1", "1", "1", "1", "1", "1"});

const std::string kHinzufuegenDen =
    "Soll das Tippfeld den Vorhandenen im Fenster Scheineingabe hinzugefügt werden?";
const std::string kHinzufuegenDem =
    "Soll das Tippfeld dem Vorhandenen im Fenster Scheineingabe hinzugefügt werden?";
const std::string kStattdessen =
    "Soll das Tippfeld stattdessen als neuer Schein im Fenster Scheineingabe eingelesen werden?";
const std::string kKomplett =
    std::string("Im Fenster Scheineingabe wird ein kompletter Spielschein abgebildet.") + kAbsatz +
    "Soll das Tippfeld als neuer Schein eingelesen werden?";

TEST(Vorschlagsuebergabe, Entscheidungstabelle) {
    struct Fall {
        const char* name;
        std::vector<int> volleFelder;
        std::vector<int> teilFelder;  // fields with a cross, but not complete
        std::vector<Antwort> antworten;
        std::vector<std::string> fragen;  // asked in this order
        int ziel;
        bool neu;
    };
    const Fall faelle[] = {
        {"leeres Fenster", {}, {}, {}, {}, 1, false},
        {"nur ein Teilfeld", {}, {1}, {}, {}, 2, false},
        {"Feld 1 voll, Ja", {1}, {}, {Antwort::Ja}, {kHinzufuegenDem}, 2, false},
        {"Felder 1 und 2 voll, Ja", {1, 2}, {}, {Antwort::Ja}, {kHinzufuegenDen}, 3, false},
        // The first field without a cross, not field j + 1: field 3 stays as it is.
        {"Felder 1 und 3 voll, Ja", {1, 3}, {}, {Antwort::Ja}, {kHinzufuegenDen}, 2, false},
        {"Felder 1 und 2 voll, Teilfeld 3, Ja", {1, 2}, {3}, {Antwort::Ja}, {kHinzufuegenDen}, 4, false},
        {"Nein, dann Ja", {1}, {}, {Antwort::Nein, Antwort::Ja}, {kHinzufuegenDem, kStattdessen}, 1, true},
        {"Nein, dann Nein",
         {1},
         {},
         {Antwort::Nein, Antwort::Nein},
         {kHinzufuegenDem, kStattdessen},
         0,
         false},
        {"Nein, dann Abbrechen",
         {1},
         {},
         {Antwort::Nein, Antwort::Abbrechen},
         {kHinzufuegenDem, kStattdessen},
         0,
         false},
        {"Abbrechen", {1, 2}, {}, {Antwort::Abbrechen}, {kHinzufuegenDen}, 0, false},
        {"zwölf volle Felder, Ja",
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
         {},
         {Antwort::Ja},
         {kKomplett},
         1,
         true},
        {"zwölf volle Felder, Nein",
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
         {},
         {Antwort::Nein},
         {kKomplett},
         0,
         false},
        {"kein leeres Feld", {1, 2, 3}, {4, 5, 6, 7, 8, 9, 10, 11, 12}, {Antwort::Ja}, {kKomplett}, 1, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Systemscheineingabe s;
        for (int n : f.volleFelder) s.feld(n).kreuzeSetzen(feldAus(kVoll));
        for (int n : f.teilFelder) s.feld(n).kreuzeSetzen(feldAus(kTeil));
        s.feld(12).RGVEWClick(f.volleFelder.size() == 12 ? 7 : 0);
        Vorschlagsuebergabe u(s);
        std::vector<std::string> gefragt;
        for (Antwort a : f.antworten) {
            ASSERT_TRUE(u.frage().has_value());
            gefragt.push_back(*u.frage());
            u.antwort(a);
        }
        EXPECT_FALSE(u.frage().has_value());
        EXPECT_EQ(gefragt, f.fragen);
        EXPECT_EQ(u.zielFeld(), f.ziel);
        EXPECT_EQ(u.neuerSchein(), f.neu);

        // Carried out: the target holds the suggestion, every other field is as
        // before (or empty after a new slip).
        if (u.zielFeld() == 0) continue;
        std::array<TScheinOffen, kMaxFelder> vorher;
        for (int n = 1; n <= kMaxFelder; ++n) vorher[n - 1] = s.feld(n).daten();
        VorschlagTransfer(s, kVorschlag, u.zielFeld(), u.neuerSchein());
        for (int n = 1; n <= kMaxFelder; ++n) {
            if (n == u.zielFeld())
                EXPECT_EQ(s.feld(n).daten(), kVorschlag) << n;
            else if (u.neuerSchein())
                EXPECT_TRUE(s.feld(n).leer() && s.feld(n).vewWahl() == 0) << n;
            else
                EXPECT_EQ(s.feld(n).daten(), vorher[n - 1]) << n;
        }
    }
}

TEST(Vorschlagsuebergabe, SetztKreuzeOhneSieWegzunehmen) {
    // Handed to a field directly (as the window's own callers may): crosses
    // already there stay, the suggestion's are added.
    Systemscheineingabe s;
    s.feld(5).kreuzeSetzen(feldAus(kTeil));
    s.feld(5).RGVEWClick(4);
    VorschlagTransfer(s, kVorschlag, 5, false);
    EXPECT_TRUE(s.feld(5).kreuz(1, 3));
    EXPECT_TRUE(s.feld(5).kreuz(1, 1) && s.feld(5).kreuz(1, 2));
    EXPECT_TRUE(s.feld(5).dreiwegMarke(1));
    EXPECT_EQ(s.feld(5).vewWahl(), 4);
}

}  // namespace
}  // namespace kv
