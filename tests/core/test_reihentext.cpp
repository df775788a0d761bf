#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "Hilfen.h"
#include "Schreibpruefung.h"
#include "evaluation/Reihentabelle.h"
#include "model/Tipp.h"
#include "textexport/Reihentext.h"

namespace kv {
namespace {

using test::dateiInhalt;

// The characters of a row as the column of every match gives them, one bit
// test after the other, with `trenner` between the matches.
std::string langsam(Reihe r, char trenner, char leer) {
    const auto sp = spaltenDerReihe(r);
    std::string s;
    for (int m = 0; m < kSpiele; ++m) {
        if (m && trenner) s += trenner;
        s += sp[m] ? zeichenVonSpalte(sp[m]) : leer;
    }
    return s;
}

std::string schnell(const Reihenzeichen& z, Reihe r) {
    char zeile[Reihenzeichen::kMaxBreite];
    char* ende = z.schreibe(r, zeile);
    return std::string(zeile, ende);
}

// Every cross pattern of every match (none, one, two or three crosses),
// the other matches drawn at random, with and without separators; and the
// test of whether every match has a cross.
TEST(Reihentext, JedesKreuzmusterJedesSpiels) {
    const Reihenzeichen komma(',', '/'), ziffern(0, '?');
    std::mt19937_64 zufall(13);
    for (int m = 1; m <= kSpiele; ++m)
        for (unsigned muster = 0; muster < 8; ++muster)
            for (int versuch = 0; versuch < 20; ++versuch) {
                Reihe r = 0;
                for (int n = 1; n <= kSpiele; ++n) {
                    const unsigned p = n == m ? muster : static_cast<unsigned>(zufall() % 8);
                    for (int c = 1; c <= kSpalten; ++c)
                        if (p & (1u << (c - 1))) r |= kreuzBit(kreuzIndex(n, c));
                }
                ASSERT_EQ(schnell(komma, r), langsam(r, ',', '/')) << r;
                ASSERT_EQ(schnell(ziffern, r), langsam(r, 0, '?')) << r;
                ASSERT_EQ(schnell(ziffern, r), reiheZiffern(r)) << r;
                ASSERT_EQ(Reihenzeichen::vollstaendig(r), langsam(r, 0, '?').find('?') == std::string::npos)
                    << r;
            }
    EXPECT_EQ(schnell(komma, reiheAusSpalten({1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3, 3})),
              "1,0,2,1,0,2,1,0,2,1,0,2,2");
}

// Counting up writes what std::to_string writes, over every carry: from 0,
// across 9 -> 10 and 999,999 -> 1,000,000, and up to the largest number.
TEST(Reihentext, ZeilennummerZaehltWieToString) {
    constexpr std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
    for (const std::uint64_t start :
         {std::uint64_t{0}, std::uint64_t{7}, std::uint64_t{95}, std::uint64_t{999'990}, max - 25}) {
        Zeilennummer z(start);
        for (std::uint64_t n = start + 1; n >= start + 1 && n - start <= 25; ++n) {
            char b[Zeilennummer::kStellen];
            char* ende = z.naechste(b);
            ASSERT_EQ(std::string(+b, ende), std::to_string(n));
            if (n == max) break;
        }
    }
}

// "Als Text- Datei" written row by row gives the bytes of the row table's
// text export: single rows and systems, a VEW system, a slip without rows.
TEST(Reihentext, AlsTextDateiWieDieTabelle) {
    test::TempOrdner tmp;
    const std::string pfad = tmp.datei("Reihen.txt");
    // a "5-0" VEW field: five 2-ways
    const TScheinOffen vew =
        test::feldAus({"1", "1", "1", "10", "10", "10", "10", "10", "1", "1", "1", "1", "1"}, 1);
    const std::vector<std::vector<TScheinOffen>> scheine = {
        {test::reiheAus("1021021021021")},
        {test::feldAus({"10", "102", "1", "1", "1", "1", "1", "1", "1", "1", "1", "02", "2"}),
         test::reiheAus("2222222222222"), vew, test::reiheAus("0000000000001")},
        {},
    };
    for (const auto& felder : scheine) {
        const Schein schein(felder);
        ReihenAlsText(schein, pfad);
        EXPECT_EQ(dateiInhalt(pfad), tabelleAlsTextInhalt(Reihentabelle(schein, nullptr), kSpiele))
            << felder.size() << " Felder";
    }
    EXPECT_EQ(dateiInhalt(pfad), "");
}

TEST(Reihentext, AlsTextDateiFehlgeschlagenAendertNichts) {
    const Schein schein({test::reiheAus("0000000000000")});
    test::pruefeFehlschlagAendertNichts([&schein](const std::string& pfad) { ReihenAlsText(schein, pfad); },
                                        "0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
}

}  // namespace
}  // namespace kv
