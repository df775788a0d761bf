// The slip as runs of single rows and expanded fields: every way of reaching
// a field or a line gives what the fields themselves give, and the block
// reader opens a file exactly as the whole-file reader does.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "io/Datei.h"
#include "model/Schein.h"
#include "model/Spielscheindatei.h"

namespace kv {
namespace {

using test::feldAus;
using test::reiheAus;

TScheinOffen zufallsreihe(std::mt19937& rng) {
    TScheinOffen f;
    for (int m = 1; m <= kSpiele; ++m) f.setzeKreuz(m, static_cast<int>(rng() % 3) + 1, true);
    return f;
}

// Fields of every kind: runs of single rows (some longer than a block of the
// evaluation), full systems, VEW fields and fields without rows in between.
std::vector<TScheinOffen> gemischt(std::mt19937& rng, int laenge) {
    const TScheinOffen vew =
        feldAus({"1", "102", "1", "1", "102", "1", "1", "1", "102", "1", "1", "1", "102"}, 2);
    const TScheinOffen leer = feldAus({"1", "", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"});
    std::vector<TScheinOffen> felder;
    while (static_cast<int>(felder.size()) < laenge) {
        switch (rng() % 6) {
            case 0:
                felder.push_back(test::zufallsfeld(rng, 4));
                break;
            case 1:
                felder.push_back(vew);
                break;
            case 2:
                felder.push_back(leer);
                break;
            default:
                for (auto n = rng() % (rng() % 4 == 0 ? 1500 : 5); n > 0; --n)
                    felder.push_back(zufallsreihe(rng));
        }
    }
    return felder;
}

// What the fields give when each is expanded alone.
struct Erwartung {
    std::vector<Reihe> reihen;         // line n at n - 1
    std::vector<std::uint64_t> start;  // per field
    std::vector<std::size_t> feldDerZeile;
};

Erwartung erwartung(const std::vector<TScheinOffen>& felder) {
    Erwartung e;
    for (std::size_t f = 0; f < felder.size(); ++f) {
        e.start.push_back(e.reihen.size());
        Feld(felder[f]).fuerJedeReihe([&](Reihe r) {
            e.reihen.push_back(r);
            e.feldDerZeile.push_back(f);
        });
    }
    return e;
}

void gleicherSchein(const Schein& a, const Schein& b) {
    ASSERT_EQ(a.feldAnzahl(), b.feldAnzahl());
    ASSERT_EQ(a.zeilen(), b.zeilen());
    for (std::size_t f = 0; f < a.feldAnzahl(); ++f) ASSERT_EQ(a.feld(f).daten(), b.feld(f).daten()) << f;
    for (std::uint64_t z = 1; z <= a.zeilen(); ++z) ASSERT_EQ(a.reihe(z), b.reihe(z)) << z;
}

TEST(Schein, EinzelreiheNurBeiGenauEinemKreuzJeSpielOhneSystem) {
    const TScheinOffen eins = reiheAus("1021102210010");
    struct Fall {
        const char* name;
        TScheinOffen feld;
        bool einzeln;
    };
    TScheinOffen vew = eins;
    vew.sys = 3;
    TScheinOffen zwei = eins;
    zwei.setzeKreuz(13, 3, true);
    TScheinOffen keins = eins;
    keins.setzeKreuz(7, spalteVonZiffer(2), false);
    const Fall faelle[] = {
        {"Einzelreihe", eins, true},
        {"System", vew, false},
        {"zwei Tipps auf Spiel 13", zwei, false},
        {"Spiel 7 ohne Tipp", keins, false},
        {"Vollsystem", feldAus({"102", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}), false}};
    for (const Fall& f : faelle) {
        const auto r = einzelreihe(f.feld);
        ASSERT_EQ(r.has_value(), f.einzeln) << f.name;
        if (r) {
            EXPECT_EQ(reiheZiffern(*r), "1021102210010") << f.name;
            EXPECT_EQ(feldAusReihe(*r), f.feld) << f.name;
        }
    }
    // In a record any non-zero byte is a cross, wherever it stands.
    for (int i = 1; i < 40; ++i) {
        std::vector<std::uint8_t> satz = spielscheinBytes({eins});
        const bool war = satz[static_cast<std::size_t>(i)] != 0;
        satz[static_cast<std::size_t>(i)] = war ? 0x80 : 0;
        const auto r = einzelreiheAusSatz(satz.data());
        ASSERT_TRUE(r.has_value()) << i;
        EXPECT_EQ(reiheZiffern(*r), "1021102210010") << i;
        satz[static_cast<std::size_t>(i)] = war ? 0 : 0xFF;  // moved or added cross
        EXPECT_FALSE(einzelreiheAusSatz(satz.data()).has_value()) << i;
    }
}

TEST(Schein, FelderUndZeilenWieJedesFeldFuerSich) {
    std::mt19937 rng(77);
    for (int runde = 0; runde < 8; ++runde) {
        const auto felder = gemischt(rng, 3000);
        const Schein s(felder);
        const Erwartung e = erwartung(felder);
        SCOPED_TRACE(runde);
        ASSERT_EQ(s.feldAnzahl(), felder.size());
        ASSERT_EQ(s.zeilen(), e.reihen.size());
        for (std::size_t f = 0; f < felder.size(); ++f) {
            const Feld feld(felder[f]);
            ASSERT_EQ(s.feld(f).daten(), feld.daten()) << f;
            ASSERT_EQ(s.feldStart(f), e.start[f]) << f;
            ASSERT_EQ(s.feldZeilen(f), feld.reihenAnzahl()) << f;
        }
        for (std::uint64_t z = 1; z <= s.zeilen(); ++z) {
            ASSERT_EQ(s.reihe(z), e.reihen[z - 1]) << z;
            const auto [f, k] = s.finde(z);
            ASSERT_EQ(f, e.feldDerZeile[z - 1]) << z;
            ASSERT_EQ(k, z - 1 - e.start[f]) << z;
        }
        // any stretch of lines, across runs, fields and fields without rows
        for (int i = 0; i < 50; ++i) {
            const std::uint64_t von = rng() % s.zeilen() + 1;
            const std::uint64_t bis = std::min<std::uint64_t>(s.zeilen(), von + rng() % 3000);
            std::vector<Reihe> gesehen;
            s.fuerZeilen(von, bis, [&](Reihe r) { gesehen.push_back(r); });
            ASSERT_EQ(gesehen, std::vector<Reihe>(e.reihen.begin() + static_cast<std::ptrdiff_t>(von - 1),
                                                  e.reihen.begin() + static_cast<std::ptrdiff_t>(bis)))
                << von << ".." << bis;
        }
        std::size_t n = 0;
        s.fuerJedesFeld([&](const Feld& f) { ASSERT_EQ(f.daten(), felder[n++]); });
        EXPECT_EQ(n, felder.size());
    }
}

TEST(Schein, GrenzenUndLeererSchein) {
    Schein s;
    EXPECT_EQ(s.zeilen(), 0u);
    EXPECT_THROW(s.reihe(1), std::out_of_range);
    s.feldAnhaengen(feldAus({"1", "", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}));
    s.feldAnhaengen(reiheAus("2222222222222"));
    EXPECT_EQ(s.feldAnzahl(), 2u);
    EXPECT_EQ(s.zeilen(), 1u);
    EXPECT_EQ(s.finde(1), (std::pair<std::size_t, std::uint64_t>{1, 0}));
    EXPECT_THROW(s.reihe(0), std::out_of_range);
    EXPECT_THROW(s.reihe(2), std::out_of_range);
    EXPECT_THROW(s.feld(2), std::out_of_range);
    s.leeren();
    EXPECT_EQ(s.feldAnzahl(), 0u);
    EXPECT_EQ(s.zeilen(), 0u);
}

// Files of many blocks, valid and invalid, with a trailing partial record:
// the block reader gives the same slip or the same message as the reader of
// the whole file.
TEST(Schein, BlockleserWieGanzeDatei) {
    test::TempOrdner tmp;
    std::mt19937 rng(99);
    for (int runde = 0; runde < 6; ++runde) {
        std::vector<std::uint8_t> bytes = spielscheinBytes(gemischt(rng, 9000));
        for (std::size_t i = 0; i < bytes.size(); ++i)
            if (i % 40 != 0 && bytes[i] != 0 && rng() % 5 == 0)  // a flag, not sys
                bytes[i] = static_cast<std::uint8_t>(rng() % 255 + 1);
        if (runde % 2 == 1) bytes[40 * (rng() % (bytes.size() / 40))] = 14;  // an unknown system somewhere
        bytes.insert(bytes.end(), rng() % 40, 1);
        const std::string pfad = tmp.datei("s" + std::to_string(runde) + ".kv13");
        std::ofstream(pfad, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        SCOPED_TRACE(runde);
        std::string meldungGanz, meldungBlock;
        Schein ganz, block;
        try {
            ganz = Schein(leseSpielschein(pfad));
        } catch (const UngueltigeDatei& e) {
            meldungGanz = e.what();
        }
        try {
            block = leseSchein(pfad);
        } catch (const UngueltigeDatei& e) {
            meldungBlock = e.what();
        }
        EXPECT_EQ(meldungBlock, meldungGanz);
        EXPECT_EQ(meldungGanz.empty(), runde % 2 == 0) << meldungGanz;
        gleicherSchein(block, ganz);
    }
    EXPECT_THROW(leseSchein(tmp.datei("fehlt.kv13")), DateiFehler);
    EXPECT_THROW(leseSchein(tmp.pfad().string()), DateiFehler) << "a folder is no file";
}

}  // namespace
}  // namespace kv
