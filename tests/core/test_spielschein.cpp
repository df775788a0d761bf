#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "evaluation/Auswertung.h"
#include "io/Datei.h"
#include "model/Schein.h"
#include "model/Spielscheindatei.h"

namespace kv {
namespace {

using test::feldAus;
using test::reiheAus;

void schreibeRoh(const std::string& pfad, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(pfad, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

TEST(Spielscheindatei, BeispielsatzEinerEinzelreihe) {
    const auto bytes = spielscheinBytes({reiheAus("1021111111111")});
    ASSERT_EQ(bytes.size(), 40u);
    EXPECT_EQ(bytes[0], 0);
    const std::vector<int> gesetzt = {1, 5, 9, 10, 13, 16, 19, 22, 25, 28, 31, 34, 37};
    for (int i = 1; i < 40; ++i) {
        const bool soll = std::find(gesetzt.begin(), gesetzt.end(), i) != gesetzt.end();
        EXPECT_EQ(bytes[static_cast<std::size_t>(i)], soll ? 1 : 0) << "byte " << i;
    }
}

TEST(Spielscheindatei, LesenNachGroesseUndInhalt) {
    test::TempOrdner tmp;
    const auto satz =
        spielscheinBytes({feldAus({"10", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "102"})});
    struct Fall {
        const char* name;
        std::size_t saetze;
        std::size_t extra;
    };
    for (const Fall& f : {Fall{"leer", 0, 0}, Fall{"ein", 1, 0}, Fall{"ein-plus-eins", 1, 1},
                          Fall{"zwoelf", 12, 0}, Fall{"dreizehn", 13, 39}, Fall{"rest", 0, 39}}) {
        std::vector<std::uint8_t> bytes;
        for (std::size_t i = 0; i < f.saetze; ++i) bytes.insert(bytes.end(), satz.begin(), satz.end());
        bytes.insert(bytes.end(), f.extra, 1);
        const std::string pfad = tmp.datei(std::string(f.name) + ".kv13");
        schreibeRoh(pfad, bytes);
        const auto felder = leseSpielschein(pfad);
        EXPECT_EQ(felder.size(), f.saetze) << f.name;
        EXPECT_EQ(Schein(felder).zeilen(), 6 * f.saetze) << f.name;
    }
}

TEST(Spielscheindatei, JedesNichtNullBytIstEinKreuz) {
    test::TempOrdner tmp;
    auto bytes = spielscheinBytes({reiheAus("1111111111111")});
    bytes[1] = 7;
    bytes[2] = 255;  // match 1 now "1" and "0"
    schreibeRoh(tmp.datei("a.kv13"), bytes);
    const auto felder = leseSpielschein(tmp.datei("a.kv13"));
    ASSERT_EQ(felder.size(), 1u);
    EXPECT_TRUE(felder[0].kreuz(1, 1));
    EXPECT_TRUE(felder[0].kreuz(1, 2));
    EXPECT_EQ(Schein(felder).zeilen(), 2u);
    EXPECT_EQ(spielscheinBytes(felder)[1], 1) << "written back as 1";
}

TEST(Spielscheindatei, UngueltigeSaetzeWerdenMitDateiUndFeldAbgelehnt) {
    test::TempOrdner tmp;
    const auto gut = spielscheinBytes({reiheAus("1111111111111")});
    struct Fall {
        const char* name;
        std::vector<std::uint8_t> satz;
        const char* teil;
    };
    auto mitSys = [&](std::uint8_t sys) {
        auto b = gut;
        b[0] = sys;
        return b;
    };
    const std::vector<Fall> faelle = {
        {"sys14", mitSys(14), "unbekannte Systemnummer 14"},
        {"sys200", mitSys(200), "unbekannte Systemnummer 200"},
        {"vew-ohne-mehrwege", mitSys(13), "VEW 4-4"},
        {"vew-leeres-spiel",
         spielscheinBytes(
             {feldAus({"1", "102", "1", "", "102", "1", "1", "1", "102", "1", "1", "1", "102"}, 2)}),
         "hat Spiel 4 keinen Tipp"},
    };
    for (const Fall& f : faelle) {
        // The bad record is field 3 of the file.
        std::vector<std::uint8_t> bytes = gut;
        bytes.insert(bytes.end(), gut.begin(), gut.end());
        bytes.insert(bytes.end(), f.satz.begin(), f.satz.end());
        const std::string pfad = tmp.datei(std::string(f.name) + ".kv13");
        schreibeRoh(pfad, bytes);
        try {
            leseSpielschein(pfad);
            ADD_FAILURE() << f.name << " was accepted";
        } catch (const UngueltigeDatei& e) {
            const std::string text = e.what();
            EXPECT_NE(text.find(std::string(f.name) + ".kv13"), std::string::npos) << text;
            EXPECT_NE(text.find("Im Feld 3 "), std::string::npos) << text;
            EXPECT_NE(text.find(f.teil), std::string::npos) << text;
            EXPECT_NE(text.find(std::string(kAbsatz) + "Ich breche ab."), std::string::npos) << text;
        }
    }
}

// Arbitrary bytes never crash the reader: a record is either refused with
// UngueltigeDatei or opens into a slip whose counts add up.
TEST(Spielscheindatei, BeliebigeBytesWerdenGeprueftNieFalschGelesen) {
    std::mt19937 rng(2024);
    int angenommen = 0, abgelehnt = 0;
    for (int runde = 0; runde < 3000; ++runde) {
        std::vector<std::uint8_t> bytes(40 * (1 + rng() % 3) + rng() % 40);
        for (auto& b : bytes) {
            // mostly small values, so that many records are valid
            const unsigned z = rng() % 16;
            b = static_cast<std::uint8_t>(z < 7 ? 0 : z < 13 ? 1 : rng() % 256);
        }
        if (runde % 2) bytes[0] = static_cast<std::uint8_t>(rng() % 14);
        try {
            const Schein schein(spielscheinAusBytes(bytes, "zufall.kv13"));
            ++angenommen;
            Ergebnislage lage;
            lage.beendet = static_cast<std::uint16_t>(rng() & 0x1FFF);
            const Auswertung aw(schein, lage, true);
            std::uint64_t summe = 0;
            for (auto c : aw.C()) summe += c;
            ASSERT_EQ(summe, schein.zeilen());
            if (schein.zeilen() > 0) {
                ASSERT_GE(aw.treffer(schein.zeilen()), 0);
                ASSERT_LE(aw.treffer(schein.zeilen()), 13);
            }
        } catch (const UngueltigeDatei&) {
            ++abgelehnt;
        }
    }
    EXPECT_GT(angenommen, 100);
    EXPECT_GT(abgelehnt, 100);
}

TEST(Spielscheindatei, FehlendeDateiIstEinEaFehler) {
    test::TempOrdner tmp;
    EXPECT_THROW(leseSpielschein(tmp.datei("fehlt.kv13")), DateiFehler);
    EXPECT_THROW(leseSpielschein(tmp.pfad().string()), DateiFehler) << "a folder is no file";
}

TEST(Spielscheindatei, RundreiseUndAtomaresErsetzen) {
    test::TempOrdner tmp;
    std::mt19937 rng(5);
    std::vector<TScheinOffen> felder;
    for (int i = 0; i < 20; ++i) felder.push_back(test::zufallsfeld(rng, 5));
    felder.push_back(feldAus({"1", "102", "1", "1", "102", "1", "1", "1", "102", "1", "1", "1", "102"}, 2));
    const std::string pfad = tmp.datei("s.kv13");
    schreibeSpielschein(pfad, {reiheAus("2222222222222")});
    schreibeSpielschein(pfad, felder);
    EXPECT_EQ(leseSpielschein(pfad), felder);
    EXPECT_EQ(leseDatei(pfad).size(), felder.size() * 40);
    // Nothing but the target is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.pfad()), {}), 1);
    // A write that cannot happen leaves the old file alone.
    EXPECT_THROW(schreibeSpielschein(tmp.datei("fehlt/s.kv13"), felder), DateiFehler);
    EXPECT_EQ(leseSpielschein(pfad), felder);
}

TEST(Systemschein, NurVollstaendigeFelderInFeldfolge) {
    TSchein schein;
    std::array<std::uint8_t, kMaxFelder> systeme{};
    for (int m = 1; m <= kSpiele; ++m) {
        schein.setzeKreuz(2, m, 1, true);
        schein.setzeKreuz(5, m, 3, true);
        if (m != 13) schein.setzeKreuz(7, m, 2, true);  // field 7 is incomplete
    }
    schein.setzeKreuz(5, 4, 2, true);
    const auto p = systemschein(schein, systeme);
    EXPECT_EQ(p.fehlerFeld, 0);
    ASSERT_EQ(p.felder.size(), 2u);
    EXPECT_EQ(reiheZiffern(Feld(p.felder[0]).reihe(0)), "1111111111111");
    EXPECT_EQ(Feld(p.felder[1]).reihenAnzahl(), 2u);
}

TEST(Systemschein, SystemPasstNichtBrichtOhneDateiAb) {
    TSchein schein;
    std::array<std::uint8_t, kMaxFelder> systeme{};
    for (int f = 1; f <= 3; ++f)
        for (int m = 1; m <= kSpiele; ++m) schein.setzeKreuz(f, m, 1, true);
    // Field 3 chooses "3-3" but holds four 2-ways.
    systeme[2] = 4;
    for (int m = 1; m <= 4; ++m) schein.setzeKreuz(3, m, 2, true);
    const auto p = systemschein(schein, systeme);
    EXPECT_EQ(p.fehlerFeld, 3);
    EXPECT_TRUE(p.felder.empty());
    EXPECT_EQ(
        p.meldung,
        std::string("Im Feld 3 passen gewähltes System und die Kombination aus Zwei- und Dreiwegen nicht "
                    "zusammen.") +
            kAbsatz + "Ich muss daher abbrechen.");
}

TEST(Zeilenliste, GenauEinKreuzJeSpiel) {
    const Feld system(feldAus({"102", "10", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "12"}));
    std::vector<Reihe> reihen;
    system.fuerJedeReihe([&](Reihe r) { reihen.push_back(r); });
    const auto felder = reihenliste(reihen);
    ASSERT_EQ(felder.size(), 12u);
    for (std::size_t i = 0; i < felder.size(); ++i) {
        EXPECT_EQ(felder[i].sys, 0);
        for (int m = 1; m <= kSpiele; ++m) EXPECT_EQ(tippAnzahl(felder[i], m), 1);
        EXPECT_EQ(Feld(felder[i]).reihe(0), reihen[i]);
    }
}

TEST(Transfertabelle, ZifferFuenfLaesstDasSpielLeer) {
    std::array<int, kSpiele> z = {1, 0, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    auto z5 = z;
    z5[6] = 5;
    const auto felder = transfertabelle({z, z5});
    ASSERT_EQ(felder.size(), 2u);
    EXPECT_EQ(reiheZiffern(Feld(felder[0]).reihe(0)), "1021111111111");
    EXPECT_EQ(tippAnzahl(felder[1], 7), 0);
    EXPECT_EQ(Feld(felder[1]).reihenAnzahl(), 0u);
}

}  // namespace
}  // namespace kv
