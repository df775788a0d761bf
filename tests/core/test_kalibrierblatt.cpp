// The positions of the calibration sheet and of the preview's box picture.
#include <gtest/gtest.h>

#include "print/Kalibrierblatt.h"

namespace kv {
namespace {

using Art = Formatpunkt::Art;

// Box (f, m, b) lies at x = 1000 f + 10 m + b, y = 100 m + b.
TScheinFormat kennformat(int felderProReihe) {
    TScheinFormat f;
    f.FelderProReihe = felderProReihe;
    for (int feld = 1; feld <= 12; ++feld)
        for (int m = 1; m <= 13; ++m)
            for (int b = 1; b <= 3; ++b) f.kaestchen(feld, m, b) = {1000 * feld + 10 * m + b, 100 * m + b};
    f.Nr = {kUnbenutzt, kUnbenutzt};
    for (auto& g : f.Zusatz)
        for (auto& p : g) p = {kUnbenutzt, kUnbenutzt};
    return f;
}

TEST(Kalibrierblatt, PunkteDerFelderDesScheinsDannNummerUndZusatz) {
    TScheinFormat f = kennformat(4);
    f.Nr = {50, 60};
    f.zusatz(2, 1) = {70, 80};
    f.zusatz(3, 2) = {90, kUnbenutzt};  // only x in use: not a position
    f.zusatz(4, 2) = {110, 120};
    const auto p = formatPunkte(f);
    ASSERT_EQ(p.size(), 8u * 13 * 3 + 3);
    // fields 1..8 only, field by field, match by match, box by box
    EXPECT_EQ(p[0], (Formatpunkt{Art::Kaestchen, 1, 1, 1, {1011, 101}}));
    EXPECT_EQ(p[5], (Formatpunkt{Art::Kaestchen, 1, 2, 3, {1023, 203}}));
    EXPECT_EQ(p[8 * 39 - 1], (Formatpunkt{Art::Kaestchen, 8, 13, 3, {8133, 1303}}));
    EXPECT_EQ(p[8 * 39], (Formatpunkt{Art::Nummer, 0, 0, 0, {50, 60}}));
    EXPECT_EQ(p[8 * 39 + 1], (Formatpunkt{Art::Zusatz, 0, 2, 1, {70, 80}}));
    EXPECT_EQ(p[8 * 39 + 2], (Formatpunkt{Art::Zusatz, 0, 4, 2, {110, 120}}));
    // six fields per row: all twelve fields
    EXPECT_EQ(formatPunkte(kennformat(6)).size(), 12u * 13 * 3);
}

TEST(Kalibrierblatt, PositionenWieImDruckMitKorrekturUndVersatz) {
    TScheinFormat f = kennformat(6);
    f.kaestchen(1, 1, 1) = {350, 420};
    f.Nr = {1500, 900};
    const Kalibrierblatt b = kalibrierblatt(f, "-5", "3", {100, 127, 645.16});
    ASSERT_FALSE(b.meldung) << b.meldung->text;
    ASSERT_EQ(b.punkte.size(), 12u * 39 + 1);
    EXPECT_EQ(b.punkte[0].second, (Markenpunkt{306, -373}));
    EXPECT_EQ(b.punkte.back().first.art, Art::Nummer);
    EXPECT_EQ(b.punkte.back().second, (Markenpunkt{1500 - 5 - 39, 50 - 900 - 3}));
    // empty corrections and no offsets: the format's own positions, y downwards
    const Kalibrierblatt roh = kalibrierblatt(f, "", "", {});
    ASSERT_FALSE(roh.meldung);
    EXPECT_EQ(roh.punkte[0].second, (Markenpunkt{350, -420}));
}

TEST(Kalibrierblatt, Ablehnungen) {
    struct Fall {
        TScheinFormat format;
        std::string hori, vert;
        std::string meldungBeginn;
    } faelle[] = {
        // the format at program start: nothing read or saved yet
        {TScheinFormat{}, "", "", "Es ist noch kein Schein-Format geöffnet oder gespeichert."},
        {kennformat(5), "-", "", "Im Feld \"horizontal:\" der Ausdruck-Korrektur steht \"-\""},
        {kennformat(5), "4", "3-", "Im Feld \"vertikal:\" der Ausdruck-Korrektur steht \"3-\""},
    };
    for (const Fall& fall : faelle) {
        const Kalibrierblatt b = kalibrierblatt(fall.format, fall.hori, fall.vert, {});
        ASSERT_TRUE(b.meldung) << fall.meldungBeginn;
        EXPECT_EQ(b.meldung->text.rfind(fall.meldungBeginn, 0), 0u) << b.meldung->text;
        EXPECT_TRUE(b.punkte.empty());
    }
    EXPECT_EQ(keinFormat(kennformat(4)), std::nullopt);
}

}  // namespace
}  // namespace kv
