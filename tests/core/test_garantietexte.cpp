// The words of the guarantee analysis window: what a span is called and what
// its guarantee line says, from distributions the analysis really gives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Hilfen.h"
#include "garantie/Garantieanalyse.h"
#include "garantie/Garantiereduktion.h"
#include "garantie/Garantietexte.h"
#include "model/Schein.h"

namespace kv {
namespace {

TEST(Garantietexte, TausenderTrennzeichen) {
    const std::vector<std::pair<std::uint64_t, std::string>> faelle = {
        {0, "0"}, {999, "999"}, {1000, "1.000"}, {72900, "72.900"}, {1594323, "1.594.323"}};
    for (const auto& [n, text] : faelle) EXPECT_EQ(tausender(n), text) << n;
}

TEST(Garantietexte, ZeilenDerBereiche) {
    // field 1: a 2-way "1"/"2" on match 1 (2 outcomes, each a row: 13 hits);
    // field 2: a single row; field 3: incomplete (no tip on match 13)
    TScheinOffen unvollstaendig =
        test::feldAus({"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", ""});
    const Schein schein({test::feldAus({"12", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}),
                         test::feldAus({"2", "2", "2", "2", "2", "2", "2", "2", "2", "2", "2", "2", "2"}),
                         unvollstaendig});
    const Garantiebericht b = garantieBericht(schein);
    ASSERT_EQ(b.feldAnzahl(), 3u);
    struct Fall {
        const Trefferverteilung& v;
        std::size_t feld;
        std::string name, zeile;
    };
    const std::vector<Fall> faelle = {
        // the rows "1…1", "2 1…1", "2…2": the outcome "0 0 … 0" hits none of them
        {b.alle, 0, "Alle Ausgänge",
         "Keine Garantie: bei manchen der 1.594.323 Ausgänge trifft keine Reihe ein einziges Spiel."},
        {b.feld(0), 1, "Feld 1",
         "Garantie: 13 Richtige, wenn alle Ergebnisse innerhalb der Tipps von Feld 1 liegen (2 Ausgänge)."},
        {b.feld(1), 2, "Feld 2",
         "Garantie: 13 Richtige, wenn alle Ergebnisse innerhalb der Tipps von Feld 2 liegen (1 Ausgang)."},
        {b.feld(2), 3, "Feld 3", "Feld 3 ist unvollständig: kein Ausgang liegt innerhalb seiner Tipps."},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(bereichsName(f.feld), f.name);
        EXPECT_EQ(garantieZeile(f.v, f.feld), f.zeile) << f.name;
    }
}

TEST(Garantietexte, GarantieUeberAlleAusgaenge) {
    // every outcome of the 3^13 full system is one of its rows
    const Schein voll({test::feldAus(
        {"102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102"})});
    EXPECT_EQ(garantieZeile(garantieBericht(voll).alle, 0),
              "Garantie: 13 Richtige bei jedem der 1.594.323 Ausgänge.");
}

TEST(Garantietexte, ReduzierteEinzelreihenUeberDenTippsDesScheins) {
    // a guaranteed reduction saved as single rows: its fields span one
    // outcome each, the tips of the whole slip span the reduced field
    const TScheinOffen feld =
        test::feldAus({"10", "02", "12", "10", "102", "102", "102", "1", "0", "2", "1", "1", "0"});
    ReduktionsOptionen o;
    o.zeitLimit = std::nullopt;
#ifdef KALVENDO_SANITIZED
    o.schritte /= 100;
#endif
    std::vector<TScheinOffen> einzeln;
    for (Reihe r : garantieReduktion(feld, o)) {
        TScheinOffen f;
        for (int i = 1; i <= kKreuzIndizes; ++i)
            f.ja[static_cast<std::size_t>(i - 1)] = (r & kreuzBit(i)) ? 1 : 0;
        einzeln.push_back(f);
    }
    const Garantiebericht b = garantieBericht(Schein(einzeln));
    EXPECT_EQ(b.tipps.ausgaenge(), 432u);
    EXPECT_EQ(b.tipps.garantie, 12);
    EXPECT_EQ(b.feld(0).ausgaenge(), 1u);
    EXPECT_EQ(bereichsName(kScheintipps), "Tipps des Spielscheins");
    EXPECT_EQ(garantieZeile(b.tipps, kScheintipps),
              "Garantie: 12 Richtige, wenn alle Ergebnisse innerhalb der Tipps des Spielscheins liegen (432 "
              "Ausgänge).");
}

}  // namespace
}  // namespace kv
