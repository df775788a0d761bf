// Guarantee analysis and guaranteed reduction. Every reduced set is checked by
// the analysis (one of its rows within the radius of every outcome of the
// field), never by looking at how it was built.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "expansion/VewTabellen.h"
#include "garantie/Garantieanalyse.h"
#include "garantie/Garantiereduktion.h"
#include "model/TippListen.h"

namespace kv {
namespace {

// The sanitizer build runs the search with a smaller budget and does not hold
// it to the sizes, only to the guarantee.
#ifdef KALVENDO_SANITIZED
constexpr bool kSanitizer = true;
#else
constexpr bool kSanitizer = false;
#endif

// `teiler`: a part of the full budget, for cases that test no size.
ReduktionsOptionen optionen(int radius, std::uint64_t seed = 1, std::uint64_t teiler = 1) {
    ReduktionsOptionen o;
    o.radius = radius;
    o.seed = seed;
    o.zeitLimit = std::nullopt;  // the step budget alone: the same rows on every machine
    o.schritte /= teiler * (kSanitizer ? 100 : 1);
    return o;
}

// A field with `zweier` 2-ways and `dreier` 3-ways on shuffled matches, the
// 2-ways on varying pairs of tips, single tips elsewhere.
TScheinOffen feldMit(int zweier, int dreier, std::uint32_t seed) {
    std::mt19937 rng(seed);
    std::array<int, kSpiele> spiele{};
    for (int m = 0; m < kSpiele; ++m) spiele[m] = m;
    std::shuffle(spiele.begin(), spiele.end(), rng);
    const std::array<std::string, 3> paare = {"10", "12", "02"};
    std::array<std::string, kSpiele> t;
    for (int i = 0; i < kSpiele; ++i) {
        const int m = spiele[i];
        t[m] = i < zweier ? paare[rng() % 3] : i < zweier + dreier ? "102" : std::string(1, "102"[rng() % 3]);
    }
    return test::feldAus(t);
}

Reihe kreuzeDes(const TScheinOffen& f) {
    Reihe k = 0;
    for (int i = 1; i <= kKreuzIndizes; ++i)
        if (f.ja[i - 1]) k |= kreuzBit(i);
    return k;
}

// The best hits by brute force: the most hits of any row of the slip.
int besteDurchVergleich(const Schein& s, Reihe ausgang) {
    int beste = 0;
    s.fuerJedeReihe([&](Reihe r) { beste = std::max(beste, treffer(r, ausgang)); });
    return beste;
}

Trefferverteilung verteilungDurchVergleich(const Schein& s, const TScheinOffen& spanFeld) {
    Trefferverteilung v;
    Feld(spanFeld).fuerJedeReihe([&](Reihe ausgang) {
        const int b = besteDurchVergleich(s, ausgang);
        ++v.beste[static_cast<std::size_t>(std::min(kSpiele - b, 4))];
        v.garantie = v.garantie == kKeineGarantie ? b : std::min(v.garantie, b);
    });
    return v;
}

std::uint64_t binom(int n, int k) {
    std::uint64_t r = 1;
    for (int i = 1; i <= k; ++i)
        r = r * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
    return r;
}

// ---------------------------------------------------------------- analysis

TEST(Garantieanalyse, EinzelreiheGegenAlleAusgaengeIstBinomialverteilt) {
    const Schein s({test::reiheAus("1021102210010")});
    const Trefferverteilung v = Garantieanalyse(s).verteilung(Ausgangsbereich::alle());
    // k misses: C(13, k) positions, 2 wrong results each.
    std::uint64_t rest = kAlleAusgaenge;
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(v.beste[static_cast<std::size_t>(k)], binom(kSpiele, k) << k) << k;
        rest -= binom(kSpiele, k) << k;
    }
    EXPECT_EQ(v.beste[4], rest);
    EXPECT_EQ(v.garantie, 0);
}

TEST(Garantieanalyse, VollsystemTrifftJedenAusgangSeinesBereichs) {
    const std::vector<TScheinOffen> felder = {
        test::feldAus({"102", "10", "1", "2", "102", "02", "0", "1", "12", "1", "1", "102", "0"}),
        test::feldAus(
            {"102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102"})};
    for (const auto& f : felder) {
        const Schein s({f});
        const Garantiebericht b = garantieBericht(s);
        ASSERT_EQ(b.feldAnzahl(), 1u);
        EXPECT_EQ(b.feld(0).beste[0], Feld(f).reihenAnzahl());
        EXPECT_EQ(b.feld(0).ausgaenge(), Feld(f).reihenAnzahl());
        EXPECT_EQ(b.feld(0).garantie, 13);
    }
    EXPECT_EQ(garantieBericht(Schein({felder[1]})).alle.beste[0], kAlleAusgaenge);
}

TEST(Garantieanalyse, JedeVewTabelleGarantiertZwoelfAufIhremBereich) {
    for (int sys = 1; sys <= kVewSystemAnzahl; ++sys) {
        const TVewSystem& d = VewSysteme[sys];
        TScheinOffen f = feldMit(d.Zweiwege, d.Dreiwege, static_cast<std::uint32_t>(sys));
        f.sys = static_cast<std::uint8_t>(sys);
        ASSERT_EQ(feldFehler(f), "");
        const Trefferverteilung v = garantieBericht(Schein({f})).feld(0);
        EXPECT_EQ(v.garantie, 12) << d.Name;
        EXPECT_EQ(v.beste[0], d.Reihen) << d.Name;  // its rows are distinct outcomes of the span
        EXPECT_EQ(v.beste[0] + v.beste[1], Ausgangsbereich::ausFeld(f).anzahl()) << d.Name;
    }
}

TEST(Garantieanalyse, StimmtMitDemVergleichJederReiheUeberein) {
    std::mt19937 rng(5);
    for (int lauf = 0; lauf < 3; ++lauf) {
        std::vector<TScheinOffen> felder;
        for (int i = 0; i < 25; ++i) felder.push_back(test::zufallsfeld(rng, i % 5 == 0 ? 3 : 0));
        TScheinOffen vew = feldMit(3, 3, static_cast<std::uint32_t>(rng()));
        vew.sys = 4;
        felder.push_back(vew);
        const Schein s(felder);
        const Garantieanalyse a(s);
        for (int i = 0; i < 300; ++i) {
            std::array<std::uint8_t, kSpiele> ausgang{};
            for (auto& c : ausgang) c = static_cast<std::uint8_t>(rng() % 3 + 1);
            ASSERT_EQ(a.besteTreffer(ausgang), besteDurchVergleich(s, reiheAusSpalten(ausgang)));
        }
        // A span of 6 3-ways and 2 2-ways, outcome by outcome.
        const TScheinOffen span = feldMit(2, 6, static_cast<std::uint32_t>(rng()));
        EXPECT_EQ(a.verteilung(Ausgangsbereich::ausFeld(span)), verteilungDurchVergleich(s, span));
    }
}

TEST(Garantieanalyse, LeererScheinWirdAbgewiesen) {
    EXPECT_THROW(Garantieanalyse(Schein{}), KeineReihen);
    EXPECT_THROW(Garantieanalyse(std::vector<Reihe>{}), KeineReihen);
    // Fields without rows (a match without a tip) leave the slip empty as well.
    const TScheinOffen ohneTipp =
        test::feldAus({"1", "1", "1", "1", "1", "1", "", "1", "1", "1", "1", "1", "1"});
    try {
        garantieBericht(Schein({ohneTipp, ohneTipp}));
        FAIL() << "keine Ablehnung";
    } catch (const KeineReihen& e) {
        EXPECT_NE(std::string(e.what()).find("keine Tippreihe"), std::string::npos) << e.what();
    }
    // Beside a field with rows, such a field is a span without outcomes.
    const Garantiebericht b = garantieBericht(Schein({test::reiheAus("1111111111111"), ohneTipp}));
    ASSERT_EQ(b.feldAnzahl(), 2u);
    EXPECT_EQ(b.feld(1), Trefferverteilung{});
    EXPECT_EQ(b.feld(1).garantie, kKeineGarantie);
}

// Runs of single rows between other fields give, per field and for the span
// of the slip's tips, what each field's own span gives when analysed.
TEST(Garantieanalyse, EinzelreihenImBerichtWieJedesAndereFeld) {
    std::mt19937 zufall(5);
    std::vector<TScheinOffen> felder;
    for (int f = 0; f < 40; ++f) {
        std::string reihe;
        for (int m = 0; m < kSpiele; ++m) reihe += "102"[zufall() % 3];
        felder.push_back(test::reiheAus(reihe));
        if (f % 9 == 4)  // now and then a small system between the runs
            felder.push_back(
                test::feldAus({"10", "1", "02", "1", "1", "102", "1", "1", "1", "1", "1", "1", "2"}));
    }
    const Schein schein(felder);
    const Garantiebericht b = garantieBericht(schein);
    const Garantieanalyse analyse(schein);
    ASSERT_EQ(b.feldAnzahl(), felder.size());
    Ausgangsbereich tipps;
    for (std::size_t f = 0; f < felder.size(); ++f) {
        const Ausgangsbereich bereich = Ausgangsbereich::ausFeld(felder[f]);
        for (std::size_t m = 0; m < tipps.spalten.size(); ++m)
            tipps.spalten[m] = static_cast<std::uint8_t>(tipps.spalten[m] | bereich.spalten[m]);
        EXPECT_EQ(b.feld(f), analyse.verteilung(bereich)) << "Feld " << f + 1;
    }
    EXPECT_EQ(b.tipps, analyse.verteilung(tipps));
    EXPECT_EQ(b.alle, analyse.verteilung(Ausgangsbereich::alle()));
    // The runs cover the fields in order, without gap or overlap.
    std::size_t naechstes = 0;
    for (const Garantiebericht::Lauf& l : b.laeufe) {
        EXPECT_EQ(l.erstesFeld, naechstes);
        EXPECT_GT(l.felder, 0u);
        naechstes += l.felder;
    }
    EXPECT_EQ(naechstes, felder.size());
}

// A long run of single rows is held as one entry, not one per field.
TEST(Garantieanalyse, LangerLaufVonEinzelreihenBleibtKlein) {
    constexpr std::size_t kFelder = 200000;
    Schein schein;
    std::mt19937 zufall(11);
    for (std::size_t i = 0; i < kFelder; ++i) {
        std::array<std::uint8_t, kSpiele> s{};
        for (auto& c : s) c = static_cast<std::uint8_t>(1 + zufall() % 3);
        schein.reiheAnhaengen(reiheAusSpalten(s));
    }
    const Garantiebericht b = garantieBericht(schein);
    ASSERT_EQ(b.feldAnzahl(), kFelder);
    EXPECT_EQ(b.laeufe.size(), 1u);
    Trefferverteilung eigene;
    eigene.beste[0] = 1;
    eigene.garantie = 13;
    EXPECT_EQ(b.feld(0), eigene);
    EXPECT_EQ(b.feld(kFelder - 1), eigene);
}

// --------------------------------------------------------------- reduction

// Checks what a reduction promises: distinct rows inside the field, and the
// analysis finds a row within the radius of every outcome of the field.
void pruefeReduktion(const TScheinOffen& feld, const std::vector<Reihe>& reihen, int radius,
                     const std::string& name) {
    ASSERT_FALSE(reihen.empty()) << name;
    const Reihe erlaubt = kreuzeDes(feld);
    std::set<Reihe> verschieden;
    for (Reihe r : reihen) {
        ASSERT_EQ(mitglieder(r), kSpiele) << name;
        ASSERT_EQ(r & ~erlaubt, 0u) << name << ": Reihe außerhalb des Feldes";
        verschieden.insert(r);
    }
    EXPECT_EQ(verschieden.size(), reihen.size()) << name;
    const Trefferverteilung v = Garantieanalyse(reihen).verteilung(Ausgangsbereich::ausFeld(feld));
    EXPECT_GE(v.garantie, kSpiele - radius) << name;
}

struct Groessenfall {
    int zweier, dreier;
    std::size_t hoechstens;  // rows at most
};

// Reduces a field of each shape, checks it and holds it to the size.
void pruefeGroessen(const std::vector<Groessenfall>& faelle, int radius, std::uint32_t feldSeed) {
    for (const Groessenfall& f : faelle) {
        const std::string name =
            std::to_string(f.zweier) + "-" + std::to_string(f.dreier) + " R" + std::to_string(radius);
        const TScheinOffen feld = feldMit(f.zweier, f.dreier, feldSeed);
        const auto reihen = garantieReduktion(feld, optionen(radius));
        pruefeReduktion(feld, reihen, radius, name);
        if (!kSanitizer) {
            EXPECT_LE(reihen.size(), f.hoechstens) << name;
        }
    }
}

TEST(Garantiereduktion, KleinerAlsDieVewSystemeUndNaheAnDenBestenBekannten) {
    std::vector<Groessenfall> faelle;
    for (int sys = 1; sys <= kVewSystemAnzahl; ++sys)
        faelle.push_back({VewSysteme[sys].Zweiwege, VewSysteme[sys].Dreiwege, VewSysteme[sys].Reihen});
    // Best known: "5-0" 7, "9-0" 62, "0-6" 73; 7 and 8 3-ways 186 and 486 (within 5 %).
    for (auto& f : faelle) {
        if (f.zweier == 5 && f.dreier == 0) f.hoechstens = 7;
        if (f.zweier == 9 && f.dreier == 0) f.hoechstens = 62;
        if (f.zweier == 0 && f.dreier == 6) f.hoechstens = 73;
    }
    faelle.push_back({0, 7, 195});
    faelle.push_back({0, 8, 510});
    pruefeGroessen(faelle, 1, 17);
}

TEST(Garantiereduktion, DreizehnDreiwegeSindDerHammingCode) {
    const TScheinOffen feld = feldMit(0, 13, 1);
    const auto reihen = garantieReduktion(feld, optionen(1));
    EXPECT_EQ(reihen.size(), 59049u);
    pruefeReduktion(feld, reihen, 1, "0-13");
}

TEST(Garantiereduktion, RadiusZweiGarantiertElfRichtige) {
    // 11 and 13 3-ways: the ternary Golay code and its extension by two free matches.
    pruefeGroessen({{5, 0, 2}, {4, 4, 30}, {7, 3, 60}, {0, 11, 729}, {0, 13, 6561}, {6, 7, 2000}}, 2, 3);
}

TEST(Garantiereduktion, GemischteFelderBisDreiHochDreizehn) {
    for (const auto& [zweier, dreier] :
         std::vector<std::pair<int, int>>{{13, 0}, {6, 7}, {2, 11}, {1, 1}, {0, 1}}) {
        const TScheinOffen feld = feldMit(zweier, dreier, 9);
        for (int radius : {1, 2}) {
            const auto reihen = garantieReduktion(feld, optionen(radius, 1, 10));
            pruefeReduktion(feld, reihen, radius, std::to_string(zweier) + "-" + std::to_string(dreier));
            EXPECT_LT(reihen.size(), Ausgangsbereich::ausFeld(feld).anzahl());
        }
    }
}

TEST(Garantiereduktion, EinzelreiheUndKleineFelder) {
    const TScheinOffen einzel = test::reiheAus("1021102210010");
    EXPECT_EQ(garantieReduktion(einzel, optionen(1)), std::vector<Reihe>{kreuzeDes(einzel)});
    // Within the radius of every outcome already: one row.
    const TScheinOffen zwei = feldMit(1, 1, 4);
    const auto r = garantieReduktion(zwei, optionen(2));
    ASSERT_EQ(r.size(), 1u);
    pruefeReduktion(zwei, r, 2, "1-1 R2");
}

TEST(Garantiereduktion, GleicherSeedGleicheReihen) {
    const TScheinOffen feld = feldMit(4, 4, 2);
    const auto a = garantieReduktion(feld, optionen(1, 42, 10));
    EXPECT_EQ(garantieReduktion(feld, optionen(1, 42, 10)), a);
    // In the order of a full system's rows, each row once.
    EXPECT_TRUE(std::adjacent_find(a.begin(), a.end(), [](Reihe x, Reihe y) {
                    return !(spaltenDerReihe(x) < spaltenDerReihe(y));
                }) == a.end());
}

TEST(Garantiereduktion, AbbruchUndFortschrittLiefernEineGueltigeReduktion) {
    const TScheinOffen feld = feldMit(5, 5, 8);
    ReduktionsOptionen o = optionen(1);
    int meldungen = 0;
    o.fortschritt = [&](const Suchstand& s) {
        ++meldungen;
        EXPECT_GE(s.anteil, 0.0);
        EXPECT_LE(s.anteil, 1.0);
        return false;  // cancel at once
    };
    const auto reihen = garantieReduktion(feld, o);
    EXPECT_EQ(meldungen, 1);
    pruefeReduktion(feld, reihen, 1, "5-5 abgebrochen");
    // An elapsed time limit ends the search as well.
    ReduktionsOptionen sofort = optionen(1);
    sofort.zeitLimit = std::chrono::milliseconds(0);
    pruefeReduktion(feld, garantieReduktion(feld, sofort), 1, "5-5 ohne Zeit");
}

TEST(Garantiereduktion, UngueltigeEingabenWerdenAbgewiesen) {
    const TScheinOffen ohneTipp =
        test::feldAus({"1", "1", "1", "1", "1", "1", "", "10", "1", "1", "1", "1", "1"});
    EXPECT_NE(reduktionsFehler(ohneTipp, optionen(1)).find("Spiel 7 hat keinen Tipp"), std::string::npos);
    EXPECT_THROW(garantieReduktion(ohneTipp, optionen(1)), ReduktionsFehler);
    for (int radius : {0, 3, -1}) {
        const std::string f = reduktionsFehler(feldMit(2, 2, 1), optionen(radius));
        EXPECT_NE(f.find("Radius"), std::string::npos) << radius;
        EXPECT_THROW(garantieReduktion(feldMit(2, 2, 1), optionen(radius)), ReduktionsFehler);
    }
    EXPECT_EQ(reduktionsFehler(feldMit(2, 2, 1), optionen(2)), "");
}

TEST(Garantiereduktion, GarantieText) {
    EXPECT_EQ(garantieText(72, 1),
              "72 Tippreihen. Garantie: 12 Richtige, wenn alle Tipps des Feldes stimmen.");
    EXPECT_EQ(garantieText(1, 2), "1 Tippreihe. Garantie: 11 Richtige, wenn alle Tipps des Feldes stimmen.");
}

}  // namespace
}  // namespace kv
