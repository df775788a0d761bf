// The print format file: its byte layout, what a reader refuses, and that a
// refused or failed read or write changes nothing.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "Schreibpruefung.h"
#include "io/Datei.h"
#include "print/Kalibrierung.h"
#include "print/Scheinformat.h"

namespace kv {
namespace {

using test::TempOrdner;

std::int32_t le32(const std::vector<std::uint8_t>& b, std::size_t off) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(b[off]) | static_cast<std::uint32_t>(b[off + 1]) << 8 |
        static_cast<std::uint32_t>(b[off + 2]) << 16 | static_cast<std::uint32_t>(b[off + 3]) << 24);
}

void setzeLe32(std::vector<std::uint8_t>& b, std::size_t off, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        b[off + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(u >> (8 * i));
}

// A distinct value for every offset, negative ones and all four bytes in use.
std::int32_t wertFuer(std::size_t off) {
    return static_cast<std::int32_t>(0x9E3779B1u * static_cast<std::uint32_t>(off + 1));
}

// Every value of the record set to wertFuer(its offset in the file's table),
// the offsets written out here as the file format gives them.
TScheinFormat formatNachOffsets() {
    TScheinFormat f;
    f.FelderProReihe = wertFuer(0);
    f.Anordnung = wertFuer(4);
    f.B = wertFuer(8);
    f.C = wertFuer(12);
    f.Hori = wertFuer(16);
    f.Vert = wertFuer(20);
    f.Nr = {wertFuer(24), wertFuer(28)};
    for (int feld = 1; feld <= 12; ++feld)
        for (int m = 1; m <= 13; ++m)
            for (int b = 1; b <= 3; ++b) {
                const std::size_t off = 32 + 312 * (feld - 1) + 24 * (m - 1) + 8 * (b - 1);
                f.kaestchen(feld, m, b) = {wertFuer(off), wertFuer(off + 4)};
            }
    for (int g = 1; g <= 4; ++g)
        for (int j = 1; j <= 2; ++j) {
            const std::size_t off = 3776 + 16 * (g - 1) + 8 * (j - 1);
            f.zusatz(g, j) = {wertFuer(off), wertFuer(off + 4)};
        }
    return f;
}

TEST(Scheinformat, JederWertStehtAnSeinemOffsetLittleEndian) {
    const std::vector<std::uint8_t> b = formatBytes(formatNachOffsets());
    ASSERT_EQ(b.size(), 3840u);
    for (std::size_t off = 0; off < 3840; off += 4)
        ASSERT_EQ(le32(b, off), wertFuer(off)) << "Offset " << off;
    // Byte order: the lowest byte first.
    TScheinFormat f;
    f.FelderProReihe = 6;
    f.Vert = -2;
    f.kaestchen(12, 13, 3) = {0x01020304, 0};
    const auto c = formatBytes(f);
    EXPECT_EQ(std::vector<std::uint8_t>(c.begin(), c.begin() + 4), (std::vector<std::uint8_t>{6, 0, 0, 0}));
    EXPECT_EQ(std::vector<std::uint8_t>(c.begin() + 20, c.begin() + 24),
              (std::vector<std::uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(std::vector<std::uint8_t>(c.begin() + 3768, c.begin() + 3772),
              (std::vector<std::uint8_t>{4, 3, 2, 1}));
}

TEST(Scheinformat, HinUndZurueckUeberDieDatei) {
    TempOrdner tmp;
    TScheinFormat f = formatNachOffsets();
    f.FelderProReihe = 5;
    f.Anordnung = 1;
    const std::string pfad = tmp.datei("Lotto.kvxdr");
    schreibeScheinformat(pfad, f);
    EXPECT_EQ(test::dateiInhalt(pfad).size(), 3840u);
    EXPECT_EQ(leseScheinformat(pfad), f);
    EXPECT_EQ(test::eintraege(tmp.pfad()), std::set<std::string>{"Lotto.kvxdr"});

    // Bytes after the record are not part of it.
    std::vector<std::uint8_t> laenger = formatBytes(f);
    laenger.resize(4000, 0xAB);
    EXPECT_EQ(formatAusBytes(laenger, "x.kvxdr"), f);
}

// A format is one record: the reader reads its 3840 bytes and never the
// rest, however large the file (1 GB here).
TEST(Scheinformat, LiestNurDenEinenSatz) {
    TempOrdner tmp;
    TScheinFormat f = formatNachOffsets();
    f.FelderProReihe = 6;
    f.Anordnung = 0;
    const std::string mitRest = tmp.datei("MitRest.kvxdr"), leer = tmp.datei("Leer.kvxdr");
    schreibeScheinformat(mitRest, f);
    std::filesystem::resize_file(mitRest, std::uintmax_t{1} << 30);
    test::leereDatei(leer, std::uintmax_t{1} << 30);
    ASSERT_GT(test::geleseneBytes(), 0u) << "/proc/self/io fehlt";

    std::uint64_t vorher = test::geleseneBytes();
    EXPECT_EQ(leseScheinformat(mitRest), f);
    EXPECT_LE(test::geleseneBytes() - vorher, 3840u + 4096);

    vorher = test::geleseneBytes();
    try {
        leseScheinformat(leer);
        ADD_FAILURE() << "gelesen";
    } catch (const UngueltigeDatei& e) {
        EXPECT_NE(std::string(e.what()).find("Leer.kvxdr"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("Tippfelder pro Reihe ist 0"), std::string::npos) << e.what();
    }
    EXPECT_LE(test::geleseneBytes() - vorher, 3840u + 4096);
}

TEST(Scheinformat, UngueltigeDateienWerdenMitDateinamenAbgelehnt) {
    std::vector<std::uint8_t> gut = formatBytes(TScheinFormat{});
    setzeLe32(gut, 0, 4);
    struct Fall {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const char* grund;
    };
    auto mit = [&](std::size_t off, std::int32_t v) {
        auto b = gut;
        setzeLe32(b, off, v);
        return b;
    };
    const Fall faelle[] = {
        {"leer", {}, "Sie ist 0 Bytes lang, ein Schein-Format hat 3840 Bytes."},
        {"ein Byte zu kurz", std::vector<std::uint8_t>(gut.begin(), gut.end() - 1),
         "Sie ist 3839 Bytes lang, ein Schein-Format hat 3840 Bytes."},
        {"3 Felder pro Reihe", mit(0, 3),
         "Die Zahl der Tippfelder pro Reihe ist 3, möglich sind 4, 5 und 6."},
        {"7 Felder pro Reihe", mit(0, 7),
         "Die Zahl der Tippfelder pro Reihe ist 7, möglich sind 4, 5 und 6."},
        {"0 Felder pro Reihe", mit(0, 0),
         "Die Zahl der Tippfelder pro Reihe ist 0, möglich sind 4, 5 und 6."},
        {"Anordnung 2", mit(4, 2), "Die Anordnung der Tippfelder ist 2"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        try {
            formatAusBytes(f.bytes, "Schein2024.kvxdr");
            ADD_FAILURE() << "nicht abgelehnt";
        } catch (const UngueltigeDatei& e) {
            const std::string text = e.what();
            EXPECT_EQ(text.rfind("Die Datei Schein2024.kvxdr ist kein gültiges Schein-Format: ", 0), 0u)
                << text;
            EXPECT_NE(text.find(f.grund), std::string::npos) << text;
        }
    }
    for (int n : {4, 5, 6}) EXPECT_EQ(formatAusBytes(mit(0, n), "x").FelderProReihe, n);
}

TEST(Scheinformat, AbgelehnteDateiAendertFormatUndFensterNicht) {
    TempOrdner tmp;
    Kalibrierung k;
    TScheinFormat f = formatNachOffsets();
    f.FelderProReihe = 4;
    f.Anordnung = 1;
    f.Nr = {kUnbenutzt, 900};
    const std::string gut = tmp.datei("gut.kvxdr");
    schreibeScheinformat(gut, f);
    std::vector<std::uint8_t> kurz = formatBytes(f);
    kurz.resize(3000);
    schreibeAtomar(tmp.datei("kurz.kvxdr"), kurz);
    std::vector<std::uint8_t> sieben = formatBytes(f);
    setzeLe32(sieben, 0, 7);
    schreibeAtomar(tmp.datei("sieben.kvxdr"), sieben);

    // before any format was read there is none that could stay
    const std::string keins =
        std::string(kAbsatz) +
        "Es ist noch kein Schein-Format geöffnet: Bitte öffnen Sie ein anderes oder speichern Sie Ihre "
        "Angaben als Schein-Format.";
    const auto erste = k.FormatEinlesen(tmp.datei("sieben.kvxdr"));
    ASSERT_TRUE(erste.has_value());
    EXPECT_EQ(erste->text.substr(erste->text.size() - keins.size()), keins);

    ASSERT_EQ(k.FormatEinlesen(gut), std::nullopt);
    const Kalibrierung vorher = k;

    for (const char* name : {"kurz.kvxdr", "sieben.kvxdr", "fehlt.kvxdr"}) {
        SCOPED_TRACE(name);
        const auto m = k.FormatEinlesen(tmp.datei(name));
        ASSERT_TRUE(m.has_value());
        EXPECT_EQ(m->art, Meldungsart::Fehler);
        EXPECT_NE(m->text.find(name), std::string::npos) << m->text;
        if (std::string(name) != "fehlt.kvxdr") {
            EXPECT_EQ(m->text.substr(m->text.size() - 46),
                      "\r\rDas bisherige Schein-Format bleibt erhalten.");
        }
        EXPECT_EQ(k.format(), vorher.format());
        EXPECT_EQ(k.felderProReihe(), 4);
        EXPECT_EQ(k.anordnung(), 1);
        EXPECT_EQ(k.dateiStatus(), "Geöffnet: gut.kvxdr");
        EXPECT_EQ(k.felder().nrY, "900");
        for (int feld = 1; feld <= 12; ++feld)
            for (int m2 = 1; m2 <= 13; ++m2) {
                EXPECT_EQ(k.feldZelle(feld, m2, 1), vorher.feldZelle(feld, m2, 1));
                EXPECT_EQ(k.detail(feld, m2, 3, true), vorher.detail(feld, m2, 3, true));
            }
    }
}

TEST(Scheinformat, FehlgeschlagenesSchreibenAendertNichts) {
    TScheinFormat f;
    f.FelderProReihe = 6;
    test::pruefeFehlschlagAendertNichts([&](const std::string& p) { schreibeScheinformat(p, f); },
                                        "altes Format");
}

}  // namespace
}  // namespace kv
