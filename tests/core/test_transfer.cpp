// The transfer tool's logic: row recognition, the transfer modes and the slip
// written from the table.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "Schreibpruefung.h"
#include "io/Datei.h"
#include "model/Spielscheindatei.h"
#include "textexport/TextExport.h"
#include "transfer/Transfertabelle.h"

namespace kv {
namespace {

std::string alsText(const Tippreihe& r) {
    std::string s;
    for (const auto& z : r) {
        s += '[';
        s += z.text();
        s += ']';
    }
    return s;
}

std::string zellen(std::initializer_list<const char*> z) {
    std::string s;
    for (const char* c : z) s += std::string("[") + c + "]";
    return s;
}

const std::string kBeispiel = zellen({"1", "0", "1", "0", "0", "2", "2", "0", "2", "1", "1", "1", "0"});

struct Erkennungsfall {
    const char* name;
    std::string zeile;
    std::string erwartet;  // empty: no row
};

class Erkennung : public ::testing::TestWithParam<Erkennungsfall> {};

TEST_P(Erkennung, ErgibtReiheOderKeine) {
    const auto& f = GetParam();
    const auto r = ReihenErkennen(f.zeile);
    if (f.erwartet.empty()) {
        EXPECT_FALSE(r.has_value()) << alsText(*r);
    } else {
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(alsText(*r), f.erwartet);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Zeilen, Erkennung,
    ::testing::Values(
        Erkennungsfall{"ohneTrenner", "1010022021110", kBeispiel},
        Erkennungsfall{"Kommas", "1,0,1,0,0,2,2,0,2,1,1,1,0", kBeispiel},
        Erkennungsfall{"Semikolons", "1;0;1;0;0;2;2;0;2;1;1;1;0", kBeispiel},
        Erkennungsfall{"Tabs", "1\t0\t1\t0\t0\t2\t2\t0\t2\t1\t1\t1\t0", kBeispiel},
        Erkennungsfall{"Leerzeichen", "1 0 1 0 0 2 2 0 2 1 1 1 0", kBeispiel},
        // Blanks go first, commas second.
        Erkennungsfall{"KommaUndLeerzeichen", "1, 0, 1, 0, 0, 2, 2, 0, 2, 1, 1, 1, 0", kBeispiel},
        Erkennungsfall{"LeerzeichenUndKomma", "1 ,0 ,1 ,0 ,0 ,2 ,2 ,0 ,2 ,1 ,1 ,1 ,0", kBeispiel},
        Erkennungsfall{"LeerzeichenAmEnde", "1010022021110 ", kBeispiel},
        Erkennungsfall{"ZwoelfTipps", "101002202111", ""},
        Erkennungsfall{"VierzehnTippsOhneTrenner", "10100220211102", ""},
        Erkennungsfall{"LeereZeile", "", ""},
        // Exactly 13 characters: nothing is removed, the commas are tips.
        Erkennungsfall{"DreizehnZeichenMitKommas", "1,0,1,0,0,2,2",
                       zellen({"1", ",", "0", ",", "1", ",", "0", ",", "0", ",", "2", ",", "2"})},
        Erkennungsfall{"Buchstaben", "ABCDEFGHIJKLM",
                       zellen({"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M"})},
        // Separators go from the left, and only while the line is longer than
        // 13: of 12 tips with 11 commas, one comma stays as the 12th tip.
        Erkennungsfall{"ZwoelfTippsMitKommas", "1,0,1,0,0,2,2,0,2,1,1,1",
                       zellen({"1", "0", "1", "0", "0", "2", "2", "0", "2", "1", "1", ",", "1"})},
        // A semicolon is only taken out when blanks and commas were not enough.
        Erkennungsfall{"SemikolonBleibtWennKommasReichen", "1,0,1,0,0,2,2,0,2,1,1,1;",
                       zellen({"1", "0", "1", "0", "0", "2", "2", "0", "2", "1", "1", "1", ";"})},
        Erkennungsfall{"SemikolonNachDenKommas", "1,0,1,0,0,2,2,0,2,1,1,1;0", kBeispiel},
        // 25 characters that look like 13 tips with blanks between them, but
        // a separator stands where a tip would: the rule above still decides.
        Erkennungsfall{"BlankStattTipp", "  0 1 0 0 2 2 0 2 1 1 1 0",
                       zellen({"0", "1", "0", "0", "2", "2", "0", "2", "1", "1", "1", " ", "0"})},
        Erkennungsfall{"KommaStattTipp", "1 0 1 0 0 2 2 0 2 1 1 , 0",
                       zellen({"1", "0", "1", "0", "0", "2", "2", "0", "2", "1", "1", ",", "0"})},
        Erkennungsfall{"KommaStattBlank", "1,0 1 0 0 2 2 0 2 1 1 1 0", kBeispiel},
        // The same with other separators between the tips.
        Erkennungsfall{"BlankStattTippZwischenKommas", "1,0,1,0,0,2,2,0,2,1,1, ,0",
                       zellen({"1", "0", "1", "0", "0", "2", "2", "0", "2", "1", "1", ",", "0"})},
        Erkennungsfall{"KommaStattTippZwischenSemikolons", "1;0;1;0;0;2;2;0;2;1;1;,;0",
                       zellen({"1", "0", "1", "0", "0", "2", "2", "0", "2", "1", "1", ";", "0"})},
        Erkennungsfall{"SemikolonStattKomma", "1,0,1,0,0,2;2,0,2,1,1,1,0", kBeispiel},
        Erkennungsfall{"TabStattKomma", "1,0,1,0,0,2,2,0,2,1,1,1\t0", kBeispiel},
        Erkennungsfall{"BuchstabeStattKomma", "1,0,1,0,0,2,2,0,2,1,1,1x0", ""},
        // 13 bytes, but 12 characters: no row
        Erkennungsfall{"UmlautInDreizehnBytes",
                       "\xC3\xA4"
                       "01002202111",
                       ""},
        Erkennungsfall{"ZuVieleTrotzTrennern", "1,0,1,0,0,2,2,0,2,1,1,1,0,1", ""},
        // Characters, not bytes: an umlaut is one tip.
        Erkennungsfall{"Umlaute",
                       "\xC3\xA4"
                       "1 0 1 0 0 2 2 0 2 1 1 \xC3\xB6",
                       zellen({"\xC3\xA4"
                               "",
                               "1", "0", "1", "0", "0", "2", "2", "0", "2", "1", "1", "\xC3\xB6"})},
        // A byte that is no valid UTF-8 counts as one character.
        Erkennungsfall{"UngueltigesByte",
                       "\xFF"
                       "101002202111",
                       zellen({"\xFF", "1", "0", "1", "0", "0", "2", "2", "0", "2", "1", "1", "1"})}),
    [](const auto& p) { return std::string(p.param.name); });

// The one-step way of the usual row lines gives exactly what recognition and
// tippsAlsFeld() give, over random lines near the usual ones.
TEST(Ziffernzeile, GibtWasDerAllgemeineWegGibt) {
    const auto allgemein = [](std::string_view z) -> std::optional<Reihe> {
        const auto tipps = ReihenErkennen(z);
        if (!tipps) return std::nullopt;
        TScheinOffen f;
        if (tippsAlsFeld(*tipps, f)) return std::nullopt;
        Reihe r = 0;
        for (int k = 1; k <= kKreuzIndizes; ++k) r |= Reihe{f.ja[static_cast<std::size_t>(k - 1)]} << k;
        return r;
    };
    EXPECT_EQ(ziffernzeileAlsReihe("1,0,1,0,0,2,2,0,2,1,1,1,0"), allgemein("1010022021110"));
    EXPECT_EQ(ziffernzeileAlsReihe("1,0,1,0,0,2,2,0,2,1,1, ,0"), std::nullopt);  // a blank as tip
    std::mt19937 zufall(13);
    const std::string trenner = " ,;\t";
    const std::string fremd = "x -,;\t\xC3+";
    const auto wahl = [&zufall](const std::string& aus) {
        return aus[std::uniform_int_distribution<std::size_t>(0, aus.size() - 1)(zufall)];
    };
    std::bernoulli_distribution selten(0.01);
    int schnell = 0, abgelehnt = 0;
    for (int n = 0; n < 100000; ++n) {
        const bool mitTrennern = n % 2 == 1;
        const char t = wahl(trenner);
        std::string z;
        for (int m = 0; m < kSpiele; ++m) {
            if (mitTrennern && m > 0) z += selten(zufall) ? wahl(fremd) : t;
            z += selten(zufall) ? wahl(fremd) : static_cast<char>('0' + zufall() % 10);
        }
        const auto s = ziffernzeileAlsReihe(z);
        if (s) {
            ++schnell;
            EXPECT_EQ(s, allgemein(z)) << z;
        } else {
            ++abgelehnt;
        }
    }
    // both ways were taken often
    EXPECT_GT(schnell, 50000);
    EXPECT_GT(abgelehnt, 10000);
}

TEST(Textzeilen, ZaehlenWieEinTextfeld) {
    const std::vector<std::pair<std::string, std::uint64_t>> faelle = {
        {"", 0},           {"a", 1},       {"a\n", 1}, {"a\r\nb", 2},
        {"a\r\nb\r\n", 2}, {"a\rb\nc", 3}, {"\n", 1},  {"a\n\n", 2}};
    for (const auto& [text, n] : faelle) EXPECT_EQ(textZeilenAnzahl(text), n) << text;

    Zeilenleser leser("x\r\n\r\ny\rz");
    std::vector<std::string> zeilen;
    for (std::string_view z; leser.naechste(z);) zeilen.emplace_back(z);
    EXPECT_EQ(zeilen, (std::vector<std::string>{"x", "", "y", "z"}));
}

// ---- Transfer -------------------------------------------------------------

std::string reihenText(const Transfertabelle& t) {
    std::string s;
    for (std::uint64_t r = 1; r < t.zeilenAnzahl(); ++r) {
        s += t.zelle(0, r) + ":";
        for (int k = 1; k <= kSpiele; ++k) s += t.zelle(k, r);
        s += "\n";
    }
    return s;
}

const std::string kZehnZeilen =
    "1111111111111\n2222222222222\n0000000000000\n1111111111112\n1111111111110\n"
    "2111111111111\n0111111111111\n1211111111111\n1011111111111\n1121111111111\n";

TEST(Uebertragung, FrischeTabelle) {
    Transfertabelle t;
    EXPECT_EQ(t.zeilenAnzahl(), 30u);
    EXPECT_EQ(t.spaltenAnzahl(), 14);
    EXPECT_EQ(t.zelle(0, 0), "Tipp");
    EXPECT_EQ(t.zelle(13, 0), "13");
    EXPECT_EQ(t.zelle(0, 1), "");
    EXPECT_EQ(t.gefuellteZeilen(), 0u);

    // One valid line among others: the table holds exactly one row.
    const auto u = ReihenInTabelle(t, "Kopfzeile\n1,0,2,1,0,2,1,0,2,1,0,2,1\n\nzu kurz",
                                   Uebertragungsmodus::Ueberschreiben);
    EXPECT_TRUE(u.fehler.empty());
    EXPECT_EQ(u.gefunden, 1u);
    EXPECT_EQ(t.zeilenAnzahl(), 2u);
    EXPECT_EQ(reihenText(t), "1:1021021021021\n");
}

TEST(Uebertragung, UeberschreibenKuerztAufDieNeuenReihen) {
    Transfertabelle t;
    ReihenInTabelle(t, kZehnZeilen, Uebertragungsmodus::Ueberschreiben);
    ASSERT_EQ(t.zeilenAnzahl(), 11u);
    ReihenInTabelle(t, "1 0 2 1 0 2 1 0 2 1 0 2 1\n2222222222220\nABCDEFGHIJKLM\n",
                    Uebertragungsmodus::Ueberschreiben);
    EXPECT_EQ(t.zeilenAnzahl(), 4u);
    EXPECT_EQ(reihenText(t), "1:1021021021021\n2:2222222222220\n3:ABCDEFGHIJKLM\n");
}

TEST(Uebertragung, OhneReiheBleibtDieTabelle) {
    Transfertabelle t;
    ReihenInTabelle(t, "1111111111111\n2222222222222\n", Uebertragungsmodus::Ueberschreiben);
    const auto u = ReihenInTabelle(t, "keine Reihe\n12\n", Uebertragungsmodus::Ueberschreiben);
    EXPECT_TRUE(u.fehler.empty());
    EXPECT_EQ(u.gefunden, 0u);
    EXPECT_EQ(reihenText(t), "1:1111111111111\n2:2222222222222\n");

    // Nothing found in a fresh table: it keeps its 29 empty rows.
    Transfertabelle frisch;
    ReihenInTabelle(frisch, "nichts", Uebertragungsmodus::Anhaengen);
    EXPECT_EQ(frisch.zeilenAnzahl(), 30u);
}

TEST(Uebertragung, LeererTextWirdAbgelehnt) {
    Transfertabelle t;
    ReihenInTabelle(t, "1111111111111", Uebertragungsmodus::Ueberschreiben);
    const auto u = ReihenInTabelle(t, "", Uebertragungsmodus::Ueberschreiben);
    EXPECT_EQ(u.fehler, "Das Textfeld ist leer. Es gibt nichts zu übertragen.\r\rIch breche erst einmal ab.");
    EXPECT_EQ(reihenText(t), "1:1111111111111\n");
}

TEST(Uebertragung, AnhaengenSetztDieNummerierungFort) {
    Transfertabelle t;
    ReihenInTabelle(t, "1111111111111\n2222222222222\n", Uebertragungsmodus::Anhaengen);
    EXPECT_EQ(t.zeilenAnzahl(), 3u);
    const auto u = ReihenInTabelle(t, "0000000000000\n", Uebertragungsmodus::Anhaengen);
    EXPECT_EQ(u.anfang, 2u);
    EXPECT_EQ(reihenText(t), "1:1111111111111\n2:2222222222222\n3:0000000000000\n");

    // An append with no row found leaves the filled rows.
    ReihenInTabelle(t, "x", Uebertragungsmodus::Anhaengen);
    EXPECT_EQ(t.zeilenAnzahl(), 4u);
}

TEST(Uebertragung, AnhaengenNachReihenLoeschenBeginntBeiEins) {
    Transfertabelle t;
    ReihenInTabelle(t, kZehnZeilen, Uebertragungsmodus::Ueberschreiben);
    t.reihenLoeschen();
    // Count and numbers stay, the tips are gone.
    EXPECT_EQ(t.zeilenAnzahl(), 11u);
    EXPECT_EQ(t.zelle(0, 10), "10");
    EXPECT_EQ(t.zelle(1, 10), "");
    EXPECT_EQ(t.gefuellteZeilen(), 0u);

    ReihenInTabelle(t, "1021021021021\n2222222222222\n", Uebertragungsmodus::Anhaengen);
    EXPECT_EQ(reihenText(t), "1:1021021021021\n2:2222222222222\n");
}

TEST(Uebertragung, AnhaengenAnEineVolleTabelle) {
    // The fresh table filled in all its 29 rows, then one more appended.
    std::string text;
    for (int i = 0; i < 29; ++i) text += "1111111111111\n";
    Transfertabelle t;
    ReihenInTabelle(t, text, Uebertragungsmodus::Ueberschreiben);
    ASSERT_EQ(t.zeilenAnzahl(), 30u);
    ASSERT_EQ(t.gefuellteZeilen(), 29u);
    ReihenInTabelle(t, "2222222222222", Uebertragungsmodus::Anhaengen);
    EXPECT_EQ(t.zeilenAnzahl(), 31u);
    EXPECT_EQ(t.zelle(0, 30), "30");
    EXPECT_EQ(t.zelle(1, 30), "2");
}

// ---- Text export of the table --------------------------------------------

TEST(TransfertabelleAlsText, ZeilenUndBytes) {
    Transfertabelle t;
    EXPECT_EQ(tabelleAlsTextInhalt(t, kSpiele), "");  // the fresh table: row 1 is empty

    ReihenInTabelle(t, "1021021021021\nABCDEFGHIJKLM\n1,0,1,0,0,2,2\n", Uebertragungsmodus::Ueberschreiben);
    const std::string inhalt = tabelleAlsTextInhalt(t, kSpiele);
    EXPECT_EQ(inhalt,
              "1,0,2,1,0,2,1,0,2,1,0,2,1\r\nA,B,C,D,E,F,G,H,I,J,K,L,M\r\n"
              "1,\",\",0,\",\",1,\",\",0,\",\",0,\",\",2,\",\",2\r\n");

    ReihenInTabelle(t, "1021021021021\n1111111111111\n2222222222222\n", Uebertragungsmodus::Ueberschreiben);
    EXPECT_EQ(tabelleAlsTextInhalt(t, kSpiele).size(), 81u);

    t.reihenLoeschen();
    EXPECT_EQ(tabelleAlsTextInhalt(t, kSpiele), "");
}

// ---- Slip from the table --------------------------------------------------

class SpielscheinAusTabelle : public ::testing::Test {
  protected:
    std::string pfad(const char* name) const { return tmp_.datei(name); }
    const std::filesystem::path& ordner() const { return tmp_.pfad(); }

  private:
    test::TempOrdner tmp_;
};

TEST_F(SpielscheinAusTabelle, JedeReiheEinFeldMitEinemKreuzJeSpiel) {
    Transfertabelle t;
    // Match 5 holds "2" in row 1; row 2 holds a 3 and a 5, which give no cross.
    ReihenInTabelle(t, "1021200000000\n1111311115111\n", Uebertragungsmodus::Ueberschreiben);
    const std::string datei = pfad("t.kv13");
    TabelleAlsSchein(t, datei);

    const auto bytes = leseDatei(datei);
    ASSERT_EQ(bytes.size(), 80u);
    // Field 1: sys 0, then per match the flags of columns 1 ("1"), 2 ("0"), 3 ("2").
    const std::vector<std::uint8_t> feld1 = {0,                                   //
                                             1, 0, 0, 0, 1, 0, 0, 0, 1, 1, 0, 0,  // 1 0 2 1
                                             0, 0, 1,  // match 5: "2" -> cross index 15
                                             0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0,   // 0 0 0 0
                                             0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0};  // 0 0 0 0
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 40), feld1);
    EXPECT_EQ(bytes[kreuzIndex(5, 3)], 1);
    EXPECT_EQ(bytes[kreuzIndex(5, 1)] + bytes[kreuzIndex(5, 2)], 0);

    std::vector<std::uint8_t> feld2(40, 0);
    for (int m : {1, 2, 3, 4, 6, 7, 8, 9, 11, 12, 13}) feld2[static_cast<std::size_t>(kreuzIndex(m, 1))] = 1;
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 40, bytes.end()), feld2);
}

TEST_F(SpielscheinAusTabelle, MehrAlsZwoelfReihenOhneGrenze) {
    std::string text;
    for (int i = 0; i < 20; ++i) text += "1021021021021\n";
    Transfertabelle t;
    ReihenInTabelle(t, text, Uebertragungsmodus::Ueberschreiben);
    const auto felder = TabelleAlsFelder(t);
    ASSERT_EQ(felder.size(), 20u);
    EXPECT_EQ(spielscheinBytes(felder).size(), 800u);
    for (const auto& f : felder) EXPECT_EQ(f.sys, 0);
}

TEST_F(SpielscheinAusTabelle, DateifehlerLassenAllesWieEsWar) {
    Transfertabelle t;
    ReihenInTabelle(t, "1021021021021", Uebertragungsmodus::Ueberschreiben);
    test::pruefeFehlschlagAendertNichts([&](const std::string& p) { TabelleAlsSchein(t, p); },
                                        "alter Inhalt");
}

struct Ablehnungsfall {
    const char* name;
    void (*vorbereiten)(Transfertabelle&);
    std::string meldung;
};

class Ablehnung : public SpielscheinAusTabelle, public ::testing::WithParamInterface<Ablehnungsfall> {};

TEST_P(Ablehnung, SchreibtNichtsUndNenntDieZeile) {
    const auto& f = GetParam();
    Transfertabelle t;
    f.vorbereiten(t);
    const std::string datei = pfad("alt.kv13");
    const std::string alt = "alter Inhalt, bleibt";
    schreibeAtomar(datei, alt);
    try {
        TabelleAlsSchein(t, datei);
        FAIL() << "keine Ablehnung";
    } catch (const TabellenFehler& e) {
        EXPECT_EQ(e.what(), f.meldung);
    }
    const auto bytes = leseDatei(datei);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), alt);
    EXPECT_EQ(test::eintraege(ordner()), std::set<std::string>{"alt.kv13"});
}

INSTANTIATE_TEST_SUITE_P(
    Zellen, Ablehnung,
    ::testing::Values(
        Ablehnungsfall{
            "FrischeTabelle", [](Transfertabelle&) {},
            "In Zeile 1 der Tabelle fehlt der Tipp für Spiel 1.\r\rDer Spielschein wird daher nicht "
            "gespeichert."},
        Ablehnungsfall{
            "NachReihenLoeschen",
            [](Transfertabelle& tab) {
                ReihenInTabelle(tab, "1111111111111", Uebertragungsmodus::Ueberschreiben);
                tab.reihenLoeschen();
            },
            "In Zeile 1 der Tabelle fehlt der Tipp für Spiel 1.\r\rDer Spielschein wird daher nicht "
            "gespeichert."},
        Ablehnungsfall{
            "BuchstabeInZeileDrei",
            [](Transfertabelle& tab) {
                ReihenInTabelle(tab, "1111111111111\n2222222222222\n00000000X0000",
                                Uebertragungsmodus::Ueberschreiben);
            },
            "In Zeile 3 der Tabelle steht für Spiel 9 \"X\", das ist keine Zahl.\r\rDer Spielschein "
            "wird daher nicht gespeichert."},
        Ablehnungsfall{
            "KommaAlsTipp",
            [](Transfertabelle& tab) {
                ReihenInTabelle(tab, "1,0,1,0,0,2,2", Uebertragungsmodus::Ueberschreiben);
            },
            "In Zeile 1 der Tabelle steht für Spiel 2 \",\", das ist keine Zahl.\r\rDer Spielschein "
            "wird daher nicht gespeichert."}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(Ganzzahl, WieEineZahlUmwandlung) {
    EXPECT_EQ(ganzzahl("0"), 0);
    EXPECT_EQ(ganzzahl("7"), 7);
    EXPECT_EQ(ganzzahl("-1"), -1);
    EXPECT_EQ(ganzzahl("+2"), 2);
    for (const char* keine : {"", " ", "-", "+", "A", "1 ", "\xC3\xA4", "99999999999"})
        EXPECT_FALSE(ganzzahl(keine).has_value()) << keine;
}

}  // namespace
}  // namespace kv
