// The settings of the normal slip entry window's controls and the address
// "Quelle aufrufen" opens.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "Hilfen.h"
#include "eingabe/Eingabeeinstellungen.h"

namespace kv {
namespace {

using test::TempOrdner;

Eingabeeinstellungen lies(const TempOrdner& o, const std::string& inhalt,
                          const Eingabeeinstellungen& bisher) {
    const std::string pfad = o.datei("Einstellungen.ini");
    std::ofstream(pfad, std::ios::binary) << inhalt;
    return eingabeeinstellungenLesen(Einstellungen(pfad), bisher);
}

TEST(Eingabeeinstellungen, OhneDateiBleibenDieStartwerte) {
    TempOrdner o;
    Eingabeeinstellungen bisher;
    bisher.vorschlag.schwelle = {5, 6, 7};
    EXPECT_EQ(eingabeeinstellungenLesen(Einstellungen(o.datei("fehlt.ini")), bisher), bisher);

    // the start values of the controls: Up5 starts at 5, although the key's default is 6
    const Eingabeeinstellungen start;
    EXPECT_EQ(start.vorschlag.schwelle, (std::array<int, 3>{2, 3, 3}));
    EXPECT_EQ(start.filter.hoechstens, (std::array<int, 3>{8, 5, 5}));
    EXPECT_TRUE(start.filter.an);
    EXPECT_EQ(start.Reduz, 12);
}

TEST(Eingabeeinstellungen, FehlendeSchluesselGebenIhreVorgabe) {
    TempOrdner o;
    Eingabeeinstellungen bisher;
    bisher.vorschlag.schwelle = {7, 7, 7};
    bisher.vorschlag.nur = {true, true, true};
    bisher.filter = {{1, 1, 1}, false};
    bisher.Reduz = 3;
    const Eingabeeinstellungen w = lies(o, "[Fenster]\nEingabe-Left=5\n", bisher);
    EXPECT_EQ(w.vorschlag.schwelle, (std::array<int, 3>{2, 3, 3}));
    EXPECT_EQ(w.vorschlag.nur, (std::array<bool, 3>{false, false, false}));
    // "FilterRemis" missing in an existing file: 6, not the start value 5
    EXPECT_EQ(w.filter.hoechstens, (std::array<int, 3>{8, 6, 5}));
    EXPECT_TRUE(w.filter.an);
    EXPECT_EQ(w.Reduz, 12);
}

TEST(Eingabeeinstellungen, WerteAusserhalbDesBereichsWerdenNichtGenommen) {
    struct Fall {
        const char* zeile;
        std::array<int, 3> schwelle;
        std::array<int, 3> filter;
    };
    const Fall faelle[] = {
        {"Heim=9", {2, 3, 3}, {8, 6, 5}},        // above 7: Up1 keeps 2
        {"Heim=1", {2, 3, 3}, {8, 6, 5}},        // below 2
        {"Heim=7", {7, 3, 3}, {8, 6, 5}},        // the edges are taken
        {"Gast=2", {2, 3, 2}, {8, 6, 5}},        //
        {"FilterHeim=0", {2, 3, 3}, {8, 6, 5}},  // below 1: Up4 keeps 8
        {"FilterHeim=14", {2, 3, 3}, {8, 6, 5}},
        {"FilterGast=13", {2, 3, 3}, {8, 6, 13}},
        {"FilterRemis=1", {2, 3, 3}, {8, 1, 5}},
        {"Remis=x", {2, 3, 3}, {8, 6, 5}},  // not a number: the default
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.zeile);
        TempOrdner o;
        const Eingabeeinstellungen w =
            lies(o, std::string("[Tipp]\n") + f.zeile + "\n", Eingabeeinstellungen{});
        EXPECT_EQ(w.vorschlag.schwelle, f.schwelle);
        EXPECT_EQ(w.filter.hoechstens, f.filter);
    }
}

TEST(Eingabeeinstellungen, GeschriebenUndWiederGelesen) {
    TempOrdner o;
    const std::string pfad = o.datei("Einstellungen.ini");
    Eingabeeinstellungen w;
    w.vorschlag.schwelle = {4, 5, 6};
    w.vorschlag.nur = {false, true, false};
    w.filter = {{10, 2, 13}, false};
    w.Reduz = 40;
    {
        Einstellungen e(pfad);
        eingabeeinstellungenSchreiben(e, w);
        e.speichern();
    }
    const Einstellungen e(pfad);
    EXPECT_EQ(eingabeeinstellungenLesen(e, Eingabeeinstellungen{}), w);
    // every key of [Tipp] is in the file
    for (const char* k : {"Heim", "Remis", "Gast", "nurHeim", "nurRemis", "nurGast", "FilterHeim",
                          "FilterRemis", "FilterGast", "Filter", "Reduz"})
        EXPECT_TRUE(e.enthaeltSchluessel("Tipp", k)) << k;
}

TEST(Eingabeeinstellungen, QuellenAdresse) {
    const std::string vorgabe = kSpielplanQuelle;
    struct Fall {
        const char* eurl;
        std::string adresse;
    };
    const Fall faelle[] = {
        {"abc", vorgabe},  // fewer than 6 characters
        {"", vorgabe},
        {"   abcde   ", vorgabe},  // blanks at the ends do not count
        {"abcdef", "abcdef"},      // 6 characters are enough
        {"  https://a.b/c ", "https://a.b/c"},
        {"\xC3\xA4\xC3\xB6\xC3\xBC", vorgabe},  // three umlauts: 6 bytes, 3 characters
        {"\xC3\xA4\xC3\xB6\xC3\xBC"
         "abc",
         "\xC3\xA4\xC3\xB6\xC3\xBC"
         "abc"},
    };
    for (const Fall& f : faelle) EXPECT_EQ(quellenAdresse(f.eurl), f.adresse) << f.eurl;
    EXPECT_TRUE(vorgabe.starts_with("https://"));
}

}  // namespace
}  // namespace kv
