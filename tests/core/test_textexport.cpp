#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Hilfen.h"
#include "Schreibpruefung.h"
#include "io/Datei.h"
#include "textexport/TextExport.h"

namespace kv {
namespace {

using test::dateiInhalt;
using test::TempOrdner;
using Zeilen = std::vector<std::vector<std::string>>;

// A row table as the grids hand it over: header row 0, numbers in column 0,
// tips from column 1; `extra` columns follow the 13 tips.
Zeilen rowTabelle(const std::vector<std::string>& reihen, const std::vector<std::string>& extra = {}) {
    Zeilen t;
    std::vector<std::string> kopf{"Nr"};
    for (int m = 1; m <= 13; ++m) kopf.push_back(std::to_string(m));
    for (std::size_t e = 0; e < extra.size(); ++e) kopf.push_back(e == extra.size() - 1 ? "Ch" : "x");
    t.push_back(kopf);
    for (std::size_t r = 0; r < reihen.size(); ++r) {
        std::vector<std::string> z{std::to_string(r + 1)};
        for (char c : reihen[r]) z.push_back(c == ' ' ? "" : std::string(1, c));
        for (const std::string& e : extra) z.push_back(e);
        t.push_back(z);
    }
    return t;
}

TEST(TextExport, DreiReihenDerTransfertabelle) {
    const Texttabelle t(rowTabelle({"1010022021110", "2222222222222", "0000000000001"}));
    ASSERT_EQ(t.spaltenAnzahl(), 14);
    const std::string text = tabelleAlsTextInhalt(t, 13);
    EXPECT_EQ(text,
              "1,0,1,0,0,2,2,0,2,1,1,1,0\r\n"
              "2,2,2,2,2,2,2,2,2,2,2,2,2\r\n"
              "0,0,0,0,0,0,0,0,0,0,0,0,1\r\n");
    EXPECT_EQ(text.size(), 81u);
}

TEST(TextExport, SpaltenUndZeilenauswahl) {
    struct Fall {
        const char* name;
        Zeilen tabelle;
        int letzteSpalte;
        std::string text;
    };
    const Fall faelle[] = {
        {"die Ch-Spalte der Ergebnistabelle nie", rowTabelle({"1111111111111", "0000000000000"}, {"ja"}), 13,
         "1,1,1,1,1,1,1,1,1,1,1,1,1\r\n0,0,0,0,0,0,0,0,0,0,0,0,0\r\n"},
        {"Zeile 1 leer: leere Datei", rowTabelle({"             ", "1111111111111"}), 13, ""},
        {"Zeile ohne Spiel 1 fehlt, die Nachbarn bleiben",
         rowTabelle({"1111111111111", " 000000000000", "2222222222222"}), 13,
         "1,1,1,1,1,1,1,1,1,1,1,1,1\r\n2,2,2,2,2,2,2,2,2,2,2,2,2\r\n"},
        {"Spalten enden an der ersten leeren Zelle in Zeile 1",
         rowTabelle({"10201 1111111", "1111111111111"}), 13, "1,0,2,0,1\r\n1,1,1,1,1\r\n"},
        {"letzte Spalte begrenzt", rowTabelle({"1021021021021"}), 3, "1,0,2\r\n"},
        {"letzte Spalte jenseits der Tabelle", rowTabelle({"1021021021021"}), 99,
         "1,0,2,1,0,2,1,0,2,1,0,2,1\r\n"},
        {"letzte Spalte 0", rowTabelle({"1021021021021"}), 0, ""},
        {"leere Zelle in einer späteren Zeile: zwei Kommas", rowTabelle({"1111111111111", "1 1111111111 "}),
         13, "1,1,1,1,1,1,1,1,1,1,1,1,1\r\n1,,1,1,1,1,1,1,1,1,1,1,\r\n"},
        {"nur die Kopfzeile", rowTabelle({}), 13, ""},
        {"gar keine Zeile", Zeilen{}, 13, ""},
        {"kürzere Zeilen", Zeilen{{"Nr", "1", "2"}, {"1", "1", "0"}, {"2", "2"}, {"3"}}, 2, "1,0\r\n2,\r\n"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(tabelleAlsTextInhalt(Texttabelle(f.tabelle), f.letzteSpalte), f.text);
    }
}

TEST(TextExport, KommaTextRegel) {
    struct Fall {
        std::string zelle;
        std::string geschrieben;
    };
    const Fall faelle[] = {
        {"1", "1"},
        {"", ""},
        {"a b", "\"a b\""},
        {"a,b", "\"a,b\""},
        {"sag \"ja\"", "\"sag \"\"ja\"\"\""},
        {"\"", "\"\"\"\""},
        {"a\tb", "\"a\tb\""},
        {std::string("a\0b", 3), std::string("\"a\0b\"", 5)},
        {"\x1F", "\"\x1F\""},
        {"a;b", "a;b"},
        {"\x7F", "\x7F"},
        {"\xC3\xBC"
         "ber",
         "\xC3\xBC"
         "ber"},
        {"\xC2\xA0"
         "0",
         "\xC2\xA0"
         "0"},  // a no-break space is not a blank
    };
    for (const Fall& f : faelle) EXPECT_EQ(kommaText(f.zelle), f.geschrieben) << f.zelle;

    const Texttabelle t(Zeilen{{"Nr", "a", "b", "c"}, {"1", "x", "y", "z"}, {"2", "x y", "", "\"q\""}});
    EXPECT_EQ(tabelleAlsTextInhalt(t, 3), "x,y,z\r\n\"x y\",,\"\"\"q\"\"\"\r\n");
}

// A source that computes its cells: the writer reads the table only through
// the interface and copes with more rows than fit an int's low range.
class AlleReihen : public Zellquelle {
  public:
    explicit AlleReihen(int spiele) : spiele_(spiele) {
        for (int i = 0; i < spiele; ++i) reihen_ *= 3;
    }
    std::uint64_t zeilenAnzahl() const override { return reihen_ + 1; }
    int spaltenAnzahl() const override { return spiele_ + 1; }
    std::string zelle(int spalte, std::uint64_t zeile) const override {
        if (zeile == 0 || spalte == 0) return "h";
        std::uint64_t n = zeile - 1;
        for (int s = spiele_; s > spalte; --s) n /= 3;
        return std::string(1, "102"[n % 3]);
    }

  private:
    int spiele_;
    std::uint64_t reihen_ = 1;
};

TEST(TextExport, BerechneteQuelle) {
    const AlleReihen quelle(8);
    const std::string text = tabelleAlsTextInhalt(quelle, 8);
    ASSERT_EQ(text.size(), 6561u * 17u);
    EXPECT_EQ(text.substr(0, 34), "1,1,1,1,1,1,1,1\r\n1,1,1,1,1,1,1,0\r\n");
    EXPECT_EQ(text.substr(text.size() - 17), "2,2,2,2,2,2,2,2\r\n");
}

TEST(TextExport, DateiWirdErsetzt) {
    TempOrdner tmp;
    const std::string pfad = tmp.datei("Tipps.txt");
    test::schreibeRoh(pfad, "alter Inhalt, der länger ist als der neue\r\n");
    const Texttabelle t(rowTabelle({"1021021021021"}));
    TabelleAlsText(t, pfad, 13);
    EXPECT_EQ(dateiInhalt(pfad), "1,0,2,1,0,2,1,0,2,1,0,2,1\r\n");

    // A table without rows writes an empty file of 0 bytes.
    TabelleAlsText(Texttabelle(rowTabelle({})), pfad, 13);
    EXPECT_TRUE(std::filesystem::exists(pfad));
    EXPECT_EQ(std::filesystem::file_size(pfad), 0u);
    EXPECT_EQ(test::eintraege(tmp.pfad()), std::set<std::string>{"Tipps.txt"});
}

TEST(TextExport, FehlgeschlagenesSchreibenAendertNichts) {
    const Texttabelle t(rowTabelle({"1021021021021", "1111111111111"}));
    test::pruefeFehlschlagAendertNichts([&t](const std::string& pfad) { TabelleAlsText(t, pfad, 13); },
                                        "0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
}

TEST(TextExport, ZeilenlisteDesEingabefensters) {
    EXPECT_EQ(zeilenlisteAlsText("1 0 2 1 0 0 2 2 0 2 1 1 1\r\n"), "1,0,2,1,0,0,2,2,0,2,1,1,1\r\n");
    EXPECT_EQ(zeilenlisteAlsText("1 1 1 1 1 1 1 1 1 1 1 1 1\r\n2 2 2 2 2 2 2 2 2 2 2 2 2\r\n"),
              "1,1,1,1,1,1,1,1,1,1,1,1,1\r\n2,2,2,2,2,2,2,2,2,2,2,2,2\r\n");
    EXPECT_EQ(zeilenlisteAlsText(""), "");
    // A text field's own line ends, a missing last break and an empty line.
    EXPECT_EQ(zeilenlisteAlsText("1 1 1 1 1 1 1 1 1 1 1 1 1\n\n2 2 2 2 2 2 2 2 2 2 2 2 2"),
              "1,1,1,1,1,1,1,1,1,1,1,1,1\r\n\r\n2,2,2,2,2,2,2,2,2,2,2,2,2\r\n");
    EXPECT_EQ(zeilenlisteAlsText("1 0\r2 x"), "1,0\r\n2,x\r\n");
}

TEST(ExcelZelle, NamenInA1Schreibweise) {
    struct Fall {
        int zeile, spalte;
        const char* name;
    };
    for (const Fall& f :
         {Fall{1, 1, "A1"}, Fall{7, 26, "Z7"}, Fall{30, 14, "N30"}, Fall{5, 27, "AA5"}, Fall{5, 52, "AZ5"},
          Fall{5, 53, "BA5"}, Fall{1, 676, "YZ1"}, Fall{1, 677, "ZA1"}, Fall{1594324, 702, "ZZ1594324"}})
        EXPECT_EQ(ExcelZelle(f.zeile, f.spalte), f.name) << f.zeile << "/" << f.spalte;
}

TEST(ExcelZelle, AusserhalbDesBereichs) {
    for (const auto& [zeile, spalte] :
         {std::pair{1, 0}, std::pair{1, 703}, std::pair{1, -1}, std::pair{0, 1}, std::pair{-5, 3}})
        EXPECT_THROW(ExcelZelle(zeile, spalte), std::out_of_range) << zeile << "/" << spalte;
}

}  // namespace
}  // namespace kv
