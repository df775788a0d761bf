// kalvendo-cli guarantee and reduce from the outside.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Clitest.h"
#include "Hilfen.h"
#include "garantie/Garantieanalyse.h"
#include "io/Datei.h"
#include "model/Spielscheindatei.h"

namespace kv {
namespace {

// Under the sanitizers the search is much slower and the time limit of
// kalvendo-cli may end it early: the rows still keep the guarantee, but a
// searched size is checked only in the normal build.
#ifdef KALVENDO_SANITIZED
constexpr bool kSanitizer = true;
#else
constexpr bool kSanitizer = false;
#endif

class GarantieCli : public test::Clitest {};

TEST_F(GarantieCli, GuaranteeGibtDieVerteilungAlsJsonAus) {
    // Rows 1111111111111 and 1011111111111 (differing in match 2). An outcome
    // with j wrong results among the other 12 matches and e in match 2 (0 or 1,
    // "2" there is wrong for both) has best hits 13 - j - e; at distance d
    // there are 2 * C(12, d) * 2^d + C(12, d - 1) * 2^(d - 1) outcomes.
    const auto p =
        schein("g.kv13", {test::reiheAus("1111111111111"),
                          test::feldAus({"1", "10", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}),
                          test::feldAus({"1", "1", "1", "1", "1", "1", "", "1", "1", "1", "1", "1", "1"})});
    const test::CliLauf l = starte("guarantee " + p);
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.err, "");
    EXPECT_EQ(l.out,
              "{\"all\":{\"best\":[2,49,552,3784,1589936],\"guarantee\":0},\"fields\":["
              "{\"best\":[1,0,0,0,0],\"guarantee\":13},{\"best\":[2,0,0,0,0],\"guarantee\":13},"
              "{\"best\":[0,0,0,0,0],\"guarantee\":null}]}\n");
}

TEST_F(GarantieCli, GuaranteeLehntLeereUndUngueltigeScheineAb) {
    const auto leer = schein("leer.kv13", {});
    const auto ohneReihe = schein(
        "ohne.kv13", {test::feldAus({"1", "1", "1", "1", "1", "1", "", "1", "1", "1", "1", "1", "1"})});
    TScheinOffen ungueltig = test::reiheAus("1111111111111");
    ungueltig.sys = 14;
    const auto falsch = schein("falsch.kv13", {ungueltig});
    struct Fall {
        std::string argumente;
        int status;
        std::string meldung;
    };
    const std::vector<Fall> faelle = {
        {"guarantee " + leer, 2, "leer.kv13: Der Spielschein enthält keine Tippreihe"},
        {"guarantee " + ohneReihe, 2, "ohne.kv13: Der Spielschein enthält keine Tippreihe"},
        {"guarantee " + falsch, 2, "Systemnummer 14"},
        {"guarantee " + tmp.datei("fehlt.kv13"), 1, "fehlt.kv13"},
        {"guarantee", 2, "genau eine Spielschein-Datei"},
        {"guarantee " + leer + " " + leer, 2, "genau eine Spielschein-Datei"},
    };
    for (const Fall& f : faelle) {
        const test::CliLauf l = starte(f.argumente);
        EXPECT_EQ(l.status, f.status) << f.argumente;
        EXPECT_EQ(l.out, "") << f.argumente;
        EXPECT_NE(l.err.find(f.meldung), std::string::npos) << f.argumente << ": " << l.err;
    }
}

TEST_F(GarantieCli, ReduceSchreibtEinzelreihenMitGarantie) {
    struct Fall {
        std::string tipps, radius;
        std::string anzahl;  // printed count
        bool gesucht;        // found by the search, not by a construction
    };
    const std::vector<Fall> faelle = {
        {"10,1,102,2,1,1,1,1,1,1,1,1,1", "1", "2\n", false},
        {"102,102,102,102,102,102,102,102,102,102,102,102,102", "1", "59049\n", false},
        {"10,12,02,10,12,1,1,1,1,1,1,1,1", "1", "7\n", true},
        {"102,102,102,102,102,102,102,102,102,102,102,0,2", "2", "729\n", false},
    };
    for (const Fall& f : faelle) {
        const std::string aus = tmp.datei("r.kv13");
        const test::CliLauf l = starte("reduce --tips " + f.tipps + " --radius " + f.radius + " -o " + aus);
        ASSERT_EQ(l.status, 0) << f.tipps << l.err;
        if (!f.gesucht || !kSanitizer) {
            EXPECT_EQ(l.out, f.anzahl);
        }
        const auto felder = leseSpielschein(aus);
        EXPECT_EQ(std::to_string(felder.size()) + "\n", l.out);
        std::vector<Reihe> reihen;
        for (const TScheinOffen& feld : felder) {
            ASSERT_EQ(feld.sys, 0);
            ASSERT_EQ(Feld(feld).reihenAnzahl(), 1u);
            reihen.push_back(Feld(feld).reihe(0));
        }
        // The field of the tips: every outcome within it has a row within the radius.
        std::array<std::string, kSpiele> gruppen;
        std::size_t p = 0;
        for (auto& g : gruppen) {
            const std::size_t q = f.tipps.find(',', p);
            g = f.tipps.substr(p, q - p);
            p = q + 1;
        }
        const TScheinOffen feld = test::feldAus(gruppen);
        for (Reihe r : reihen) {
            for (int m = 1; m <= kSpiele; ++m)
                ASSERT_TRUE(feld.kreuz(m, spaltenDerReihe(r)[m - 1])) << f.tipps;
        }
        const auto v = Garantieanalyse(reihen).verteilung(Ausgangsbereich::ausFeld(feld));
        EXPECT_EQ(v.garantie, kSpiele - std::stoi(f.radius)) << f.tipps;
    }
}

TEST_F(GarantieCli, ReduceMitSeedIstWiederholbar) {
    const std::string a = tmp.datei("a.kv13"), b = tmp.datei("b.kv13");
    const std::string tipps = " --tips 10,12,02,102,102,1,1,1,1,1,1,1,1 --radius 1 --seed 7 -o ";
    ASSERT_EQ(starte("reduce" + tipps + a).status, 0);
    ASSERT_EQ(starte("reduce" + tipps + b).status, 0);
    EXPECT_EQ(leseDatei(a), leseDatei(b));
}

TEST_F(GarantieCli, ReduceLehntFalscheAngabenAb) {
    const std::string aus = tmp.datei("nie.kv13");
    const std::string gut = "10,1,102,2,1,1,1,1,1,1,1,1,1";
    struct Fall {
        std::string argumente;
        std::string meldung;
    };
    const std::vector<Fall> faelle = {
        {"--tips 10,1,102,2,1,1,1,1,1,1,1,1 --radius 1 -o " + aus, "13 durch Kommas getrennte Gruppen"},
        {"--tips 10,1,102,2,1,1,1,1,1,1,1,1,1,1 --radius 1 -o " + aus, "gefunden 14"},
        {"--tips 10,,102,2,1,1,1,1,1,1,1,1,1 --radius 1 -o " + aus, "Spiel 2 hat keinen Tipp"},
        {"--tips 10,1,103,2,1,1,1,1,1,1,1,1,1 --radius 1 -o " + aus, "Spiel 3 hat das Zeichen \"3\""},
        {"--tips 11,1,102,2,1,1,1,1,1,1,1,1,1 --radius 1 -o " + aus, "Spiel 1 nennt den Tipp 1 zweimal"},
        {"--tips " + gut + " --radius 3 -o " + aus, "Der Radius \"3\" ist ungültig"},
        {"--tips " + gut + " --radius 0 -o " + aus, "Der Radius \"0\" ist ungültig"},
        {"--tips " + gut + " --radius eins -o " + aus, "Der Radius \"eins\" ist ungültig"},
        {"--tips " + gut + " -o " + aus, "braucht --radius"},
        {"--radius 1 -o " + aus, "braucht --tips"},
        {"--tips " + gut + " --radius 1", "braucht -o"},
        {"--tips " + gut + " --radius 1 --seed -1 -o " + aus, "Der Startwert \"-1\" ist ungültig"},
        {"--tips " + gut + " --radius 1 --seed x7 -o " + aus, "Der Startwert \"x7\" ist ungültig"},
        {"--tips " + gut + " --radius 1 --seed 18446744073709551616 -o " + aus, "18446744073709551615"},
        {"--tips " + gut + " --radius 1 --radius 2 -o " + aus, "--radius ist doppelt"},
        {"--tips " + gut + " --radius 1 --schnell -o " + aus, "Unbekannte Angabe --schnell"},
        {"--tips " + gut + " --radius", "Nach --radius fehlt der Wert"},
    };
    for (const Fall& f : faelle) {
        const test::CliLauf l = starte("reduce " + f.argumente);
        EXPECT_EQ(l.status, 2) << f.argumente;
        EXPECT_EQ(l.out, "") << f.argumente;
        EXPECT_NE(l.err.find(f.meldung), std::string::npos) << f.argumente << ": " << l.err;
        EXPECT_FALSE(std::filesystem::exists(aus)) << f.argumente;
    }
    // The largest seed is fine.
    EXPECT_EQ(starte("reduce --tips " + gut + " --radius 1 --seed 18446744073709551615 -o " + aus).status, 0);
}

TEST_F(GarantieCli, ReduceMeldetSchreibfehler) {
    const test::CliLauf l =
        starte("reduce --tips 10,1,102,2,1,1,1,1,1,1,1,1,1 --radius 1 -o " + tmp.datei("fehlt/r.kv13"));
    EXPECT_EQ(l.status, 1);
    EXPECT_EQ(l.out, "");
    EXPECT_NE(l.err.find("r.kv13"), std::string::npos) << l.err;
}

}  // namespace
}  // namespace kv
