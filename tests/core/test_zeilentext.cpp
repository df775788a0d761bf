// The text of the row list as the user edits it: untouched lines are the
// rows, edits replace runs of lines, the text file takes what the user sees,
// and only lines that show exactly the listed rows let a slip file or a
// reduction take the list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Hilfen.h"
#include "eingabe/Entwurf.h"
#include "eingabe/Reihenliste.h"
#include "eingabe/Zeilentext.h"
#include "io/Datei.h"

namespace kv {
namespace {

using test::feldAus;

// The rows of "1|0|2" on matches 1 and 2, single tips elsewhere: nine rows.
Reihenliste neunReihen() {
    Reihenliste l;
    l.auflisten(Feld(feldAus({"102", "102", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"})),
                Reihenfilter{{13, 13, 13}, false});
    return l;
}

std::vector<std::string> zeilen(const Zeilentext& t) {
    std::vector<std::string> z;
    for (std::uint64_t i = 0; i < t.anzahl(); ++i) z.push_back(t.zeile(i));
    return z;
}

const std::string kRest = " 1 1 1 1 1 1 1 1 1 1 1";

TEST(Zeilentext, UnberuehrteZeilenSindDieReihen) {
    const Reihenliste l = neunReihen();
    Zeilentext t;
    EXPECT_EQ(t.anzahl(), 0u);
    EXPECT_EQ(t.text(), "");
    t.zeigeListe(&l);
    EXPECT_EQ(t.anzahl(), 9u);
    EXPECT_FALSE(t.bearbeitet());
    EXPECT_EQ(t.zeile(0), "1 1" + kRest);
    EXPECT_EQ(t.zeile(5), "0 2" + kRest);
    EXPECT_EQ(t.text(), l.text());
    EXPECT_THROW(t.zeile(9), std::out_of_range);
}

TEST(Zeilentext, BearbeitungenErsetzenZeilen) {
    const Reihenliste l = neunReihen();
    struct Fall {
        const char* name;
        std::uint64_t ab, weg;
        std::vector<std::string> neu;
        std::vector<std::string> erwartet;  // the first lines, then the count
        std::uint64_t anzahl;
    };
    const std::string r0 = "1 1" + kRest, r1 = "1 0" + kRest, r2 = "1 2" + kRest;
    const Fall faelle[] = {
        {"eine Zeile geändert", 1, 1, {"x"}, {r0, "x", r2}, 9},
        {"Zeile geteilt", 0, 1, {"1 1", kRest}, {"1 1", kRest, r1}, 10},
        {"Zeilen verbunden", 0, 2, {r0 + r1}, {r0 + r1, r2}, 8},
        {"Zeilen gelöscht", 0, 3, {}, {"0 1" + kRest}, 6},
        {"vorn eingefügt", 0, 0, {"a", "b"}, {"a", "b", r0}, 11},
        {"alles gelöscht", 0, 9, {}, {}, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Zeilentext t;
        t.zeigeListe(&l);
        t.ersetzen(f.ab, f.weg, f.neu);
        EXPECT_EQ(t.anzahl(), f.anzahl);
        EXPECT_TRUE(t.bearbeitet());
        const std::vector<std::string> z = zeilen(t);
        for (std::size_t i = 0; i < f.erwartet.size(); ++i) EXPECT_EQ(z[i], f.erwartet[i]) << i;
        // the last line is still the last row unless it was removed
        if (f.anzahl > 0) {
            EXPECT_EQ(z.back(), "2 2" + kRest);
        }
        // the text is the lines, each ended by CR LF
        std::string text;
        for (const std::string& s : z) text += s + "\r\n";
        EXPECT_EQ(t.text(), text);
    }
    EXPECT_THROW(Zeilentext().ersetzen(0, 1, {}), std::out_of_range);
}

TEST(Zeilentext, VieleBearbeitungenNacheinander) {
    // A list of 100 rows edited at many places stays in step with a plain
    // vector of lines edited the same way.
    Reihenliste l;
    l.auflisten(Feld(feldAus({"102", "102", "1", "10", "1", "10", "1", "1", "1", "1", "1", "102", "1"})),
                Reihenfilter{{13, 13, 13}, false});
    ASSERT_EQ(l.anzahl(), 108u);
    Zeilentext t;
    t.zeigeListe(&l);
    std::vector<std::string> soll = zeilen(t);
    std::uint64_t x = 7;
    for (int schritt = 0; schritt < 300; ++schritt) {
        x = x * 6364136223846793005ull + 1442695040888963407ull;
        const std::uint64_t ab = (x >> 20) % (soll.size() + 1);
        const std::uint64_t weg = std::min<std::uint64_t>((x >> 40) % 3, soll.size() - ab);
        std::vector<std::string> neu;
        for (std::uint64_t k = 0; k < (x >> 50) % 3; ++k)
            neu.push_back("s" + std::to_string(schritt) + "." + std::to_string(k));
        t.ersetzen(ab, weg, neu);
        soll.erase(soll.begin() + static_cast<std::ptrdiff_t>(ab),
                   soll.begin() + static_cast<std::ptrdiff_t>(ab + weg));
        soll.insert(soll.begin() + static_cast<std::ptrdiff_t>(ab), neu.begin(), neu.end());
        ASSERT_EQ(zeilen(t), soll) << "Schritt " << schritt;
    }
}

TEST(Zeilentext, Einfuegen) {
    const Reihenliste l = neunReihen();
    struct Fall {
        const char* name;
        std::uint64_t zeile;
        std::size_t spalte;
        std::string text;
        std::vector<std::string> erwartet;  // lines from `zeile` on
        std::uint64_t cursorZeile;
        std::size_t cursorSpalte;
    };
    const Fall faelle[] = {
        {"in der Zeile", 1, 2, "x", {"1 x0" + kRest}, 1, 3},
        {"zwei Zeilen mit LF", 1, 0, "a\nb", {"a", "b1 0" + kRest}, 2, 1},
        {"CR LF", 1, 3, "a\r\nbc\r\n", {"1 0a", "bc", kRest}, 3, 0},
        {"hinter dem Ende", 9, 0, "1 1 1", {"1 1 1"}, 9, 5},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Zeilentext t;
        t.zeigeListe(&l);
        const auto cursor = t.einfuegen(f.zeile, f.spalte, f.text);
        EXPECT_EQ(cursor.first, f.cursorZeile);
        EXPECT_EQ(cursor.second, f.cursorSpalte);
        for (std::size_t i = 0; i < f.erwartet.size(); ++i)
            EXPECT_EQ(t.zeile(f.zeile + i), f.erwartet[i]) << i;
    }
    // into an empty list
    Zeilentext leer;
    leer.einfuegen(0, 0, "1 0 2\n2 0 1");
    EXPECT_EQ(leer.text(), "1 0 2\r\n2 0 1\r\n");
    EXPECT_TRUE(leer.bearbeitet());
}

// A slip file and a reduction take the list only while its lines show
// exactly the listed rows: one changed digit, a row deleted and another typed
// (the same count), two rows swapped are all refused; blank lines and blanks
// at the ends of a line change no row.
TEST(Zeilentext, StimmtNurMitDenGelistetenReihenUeberein) {
    const Reihenliste l = neunReihen();
    const std::string r0 = "1 1" + kRest, r1 = "1 0" + kRest, r2 = "1 2" + kRest, r8 = "2 2" + kRest;
    struct Fall {
        const char* name;
        std::uint64_t ab, weg;
        std::vector<std::string> neu;
        bool stimmt;
        std::uint64_t belegt;
    };
    const Fall faelle[] = {
        {"unverändert", 0, 0, {}, true, 9},
        {"eine Ziffer geändert", 1, 1, {"1 0 1 1 1 1 1 1 1 1 1 1 2"}, false, 9},
        {"eine Reihe gelöscht, eine andere getippt", 2, 1, {"2 2 2 2 2 2 2 2 2 2 2 2 2"}, false, 9},
        {"gelöschte Reihe am Ende neu getippt",
         2,
         7,
         {"0 1" + kRest, "0 0" + kRest, "0 2" + kRest, "2 1" + kRest, "2 0" + kRest, r8, r2},
         false,
         9},
        {"zwei Reihen vertauscht", 0, 2, {r1, r0}, false, 9},
        {"eine Reihe gelöscht", 4, 1, {}, false, 8},
        {"eine Reihe doppelt", 0, 0, {r0}, false, 10},
        {"alles gelöscht", 0, 9, {}, false, 0},
        {"Leerzeilen und Blanks am Rand", 1, 1, {"", "  " + r1 + " \t", " "}, true, 9},
        {"getippt und wieder hergestellt", 1, 1, {r1}, true, 9},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Zeilentext t;
        t.zeigeListe(&l);
        t.ersetzen(f.ab, f.weg, f.neu);
        EXPECT_EQ(t.stimmtMitListe(), f.stimmt);
        EXPECT_EQ(t.belegteZeilen(), f.belegt);
    }
    // no list: only blank lines match it
    Zeilentext leer;
    EXPECT_TRUE(leer.stimmtMitListe());
    leer.einfuegen(0, 0, " \n");
    EXPECT_TRUE(leer.stimmtMitListe());
    EXPECT_EQ(leer.belegteZeilen(), 0u);
    leer.einfuegen(0, 0, "1");
    EXPECT_FALSE(leer.stimmtMitListe());
}

// Hand edits count as unsaved until the text is saved (a text file), the
// lines show the rows again, or the list is made anew.
TEST(Zeilentext, UngesichertBisGespeichert) {
    const Reihenliste l = neunReihen();
    Zeilentext t;
    t.zeigeListe(&l);
    EXPECT_FALSE(t.ungesichert());
    const std::string alt = t.zeile(3);
    t.ersetzen(3, 1, {"von Hand"});
    EXPECT_TRUE(t.ungesichert());
    t.alsGesichertMerken();
    EXPECT_FALSE(t.ungesichert());
    t.ersetzen(4, 1, {});
    EXPECT_TRUE(t.ungesichert());
    t.ersetzen(3, 1, {alt});
    t.ersetzen(4, 0, {"0 0" + kRest});
    EXPECT_FALSE(t.ungesichert());  // the rows again
    t.ersetzen(0, 1, {});
    EXPECT_TRUE(t.ungesichert());
    t.zeigeListe(&l);
    EXPECT_FALSE(t.ungesichert());
}

// A draft brings the edited text back over the same rows: the same lines,
// the untouched runs as rows again (a few bytes beside the rows), unsaved;
// runs of rows the list does not have are refused.
TEST(Zeilentext, EntwurfHinUndZurueck) {
    const Reihenliste l = neunReihen();
    Zeilentext t;
    t.zeigeListe(&l);
    t.ersetzen(2, 2, {"x", "", "1 0 2"});
    t.einfuegen(t.anzahl(), 0, "y");
    Entwurfsschreiber s;
    t.entwurfSchreiben(s);
    EXPECT_LT(s.daten().size(), 150u);

    Zeilentext u;
    Entwurfsleser leser(s.daten());
    u.entwurfLesen(&l, leser);
    EXPECT_TRUE(leser.amEnde());
    EXPECT_EQ(zeilen(u), zeilen(t));
    EXPECT_EQ(u.text(), t.text());
    EXPECT_TRUE(u.ungesichert());
    EXPECT_EQ(u.stimmtMitListe(), t.stimmtMitListe());

    // a list of fewer rows has not the rows the draft names; a cut draft is none
    Reihenliste kuerzer = l;
    Zufallsgenerator z(5);
    kuerzer.reduzieren(3, z);
    for (const std::string& bytes : {s.daten(), s.daten().substr(0, s.daten().size() - 1)}) {
        Zeilentext v;
        v.zeigeListe(&l);
        Entwurfsleser lv(bytes);
        EXPECT_THROW(v.entwurfLesen(bytes == s.daten() ? &kuerzer : &l, lv), UngueltigeDatei);
        EXPECT_EQ(v.text(), l.text());
        EXPECT_FALSE(v.ungesichert());
    }
}

}  // namespace
}  // namespace kv
