#include <gtest/gtest.h>

#include <string>

#include "Hilfen.h"
#include "Schreibpruefung.h"
#include "io/Datei.h"
#include "model/Records.h"
#include "model/Spielstandsdatei.h"
#include "model/Tipp.h"

namespace kv {
namespace {

using test::dateiInhalt;
using test::schreibeRoh;
using test::TempOrdner;

Spielstaende beispielStaende() {
    Spielstaende s;
    for (int k = 0; k < kSpiele; ++k)
        s[k] = {static_cast<std::uint8_t>(k % 13), static_cast<std::uint8_t>((k * 5) % 13),
                static_cast<std::uint8_t>(k % 3 == 0 ? 1 : 0)};
    return s;
}

TEST(Spielstandsdatei, HinUndZurueck) {
    TempOrdner tmp;
    const std::string pfad = tmp.datei("Spielstaende.spst");
    const Spielstaende geschrieben = beispielStaende();
    schreibeSpielstaende(pfad, geschrieben);
    EXPECT_EQ(dateiInhalt(pfad).size(), 39u);

    Spielstaende gelesen{};
    EXPECT_EQ(leseSpielstaende(pfad, gelesen), 13);
    EXPECT_EQ(gelesen, geschrieben);

    // Replacing the file leaves no temporary file behind.
    Spielstaende anders{};
    anders[12] = {12, 0, 1};
    schreibeSpielstaende(pfad, anders);
    EXPECT_EQ(leseSpielstaende(pfad, gelesen), 13);
    EXPECT_EQ(gelesen, anders);
    EXPECT_EQ(test::eintraege(tmp.pfad()), std::set<std::string>{"Spielstaende.spst"});
}

TEST(Spielstandsdatei, BytesInSpielreihenfolge) {
    Spielstaende s{};
    s[0] = {2, 1, 1};
    s[12] = {0, 3, 0};
    const std::vector<std::uint8_t> b = spielstaendeBytes(s);
    ASSERT_EQ(b.size(), 39u);
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin(), b.begin() + 3), (std::vector<std::uint8_t>{2, 1, 1}));
    EXPECT_EQ(std::vector<std::uint8_t>(b.end() - 3, b.end()), (std::vector<std::uint8_t>{0, 3, 0}));
    for (std::size_t i = 3; i < 36; ++i) EXPECT_EQ(b[i], 0) << i;

    // Any non-zero finished flag is written as 1.
    s[5].Beendet = 7;
    EXPECT_EQ(spielstaendeBytes(s)[5 * 3 + 2], 1);
}

TEST(Spielstandsdatei, ErsterSatzZweiZuEinsBeendet) {
    TempOrdner tmp;
    std::string roh(39, '\0');
    roh[0] = 2;
    roh[1] = 1;
    roh[2] = 1;
    schreibeRoh(tmp.datei("a.spst"), roh);
    Spielstaende s{};
    ASSERT_EQ(leseSpielstaende(tmp.datei("a.spst"), s), 13);
    EXPECT_EQ(s[0], (TSpielstand{2, 1, 1}));
    EXPECT_EQ(tendenz(s[0].Heim, s[0].Gast), 1);
    EXPECT_EQ(zeichenVonSpalte(tendenz(s[0].Heim, s[0].Gast)), '1');
}

// Files of any length: whole records up to 13 are read, the rest of the
// file is ignored, and matches without a record keep their values.
TEST(Spielstandsdatei, DateilaengenAusserhalbDesFormats) {
    struct Fall {
        std::size_t bytes;
        int saetze;
    };
    const TSpielstand vorher{9, 9, 1};
    for (const Fall f : {Fall{0, 0}, Fall{2, 0}, Fall{3, 1}, Fall{38, 12}, Fall{39, 13}, Fall{40, 13},
                         Fall{42, 13}, Fall{60, 13}}) {
        SCOPED_TRACE(f.bytes);
        TempOrdner tmp;
        // Record k holds k+1 : k+2, finished on even k; later records differ.
        std::string roh;
        for (std::size_t i = 0; i < f.bytes; ++i) {
            const std::size_t k = i / 3;
            roh += static_cast<char>(i % 3 == 0 ? k + 1 : i % 3 == 1 ? k + 2 : (k % 2 == 0 ? 1 : 0));
        }
        schreibeRoh(tmp.datei("x.spst"), roh);
        Spielstaende s;
        s.fill(vorher);
        ASSERT_EQ(leseSpielstaende(tmp.datei("x.spst"), s), f.saetze);
        for (int k = 0; k < kSpiele; ++k) {
            const TSpielstand erwartet =
                k < f.saetze ? TSpielstand{static_cast<std::uint8_t>(k + 1), static_cast<std::uint8_t>(k + 2),
                                           static_cast<std::uint8_t>(k % 2 == 0 ? 1 : 0)}
                             : vorher;
            EXPECT_EQ(s[k], erwartet) << "Spiel " << k + 1;
        }
    }
}

TEST(Spielstandsdatei, GespeicherteBytesBleibenErhalten) {
    TempOrdner tmp;
    std::string roh(39, '\0');
    roh[0] = static_cast<char>(200);  // goals above 12 stay as stored
    roh[1] = 13;
    roh[2] = 5;  // any non-zero byte means finished
    roh[3] = 0;
    roh[4] = static_cast<char>(255);
    roh[5] = static_cast<char>(0xFF);
    schreibeRoh(tmp.datei("x.spst"), roh);
    Spielstaende s{};
    ASSERT_EQ(leseSpielstaende(tmp.datei("x.spst"), s), 13);
    EXPECT_EQ(s[0], (TSpielstand{200, 13, 1}));
    EXPECT_EQ(s[1], (TSpielstand{0, 255, 1}));
    EXPECT_EQ(tendenz(s[0].Heim, s[0].Gast), 1);
    EXPECT_EQ(tendenz(s[1].Heim, s[1].Gast), 3);
}

TEST(Spielstandsdatei, LesefehlerLassenDieStaendeUnveraendert) {
    TempOrdner tmp;
    Spielstaende s = beispielStaende();
    EXPECT_THROW(leseSpielstaende(tmp.datei("fehlt.spst"), s), DateiFehler);
    EXPECT_THROW(leseSpielstaende(tmp.pfad().string(), s), DateiFehler);
    EXPECT_EQ(s, beispielStaende());
}

TEST(Spielstandsdatei, FehlgeschlagenesSchreibenAendertNichts) {
    test::pruefeFehlschlagAendertNichts(
        [](const std::string& pfad) { schreibeSpielstaende(pfad, beispielStaende()); },
        std::string(39, '\x01'));
}

}  // namespace
}  // namespace kv
