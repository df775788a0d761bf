// The system slip entry window's slip: saving the complete fields (and
// nothing without one), opening a slip file only after it was read and
// checked as a whole, what counts as changed, and its draft.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "Schreibpruefung.h"
#include "eingabe/Systemscheineingabe.h"
#include "io/Datei.h"

namespace kv {
namespace {

using test::feldAus;
using T = std::array<std::string, kSpiele>;

const T kEinzel = {"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"};
const T kDreiDrei = {"102", "10", "2", "1", "02", "1", "102", "1", "12", "1", "102", "0", "1"};  // 3-3
const T kUnvollstaendig = {"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", ""};
const T kVierZweiwege = {"10", "10", "10", "10", "1", "1", "1", "1", "1", "1", "1", "1", "1"};

void fuelle(Systemscheineingabe& s, int f, const T& tipps, int system = 0) {
    s.feld(f).kreuzeSetzen(feldAus(tipps));
    s.feld(f).RGVEWClick(system);
}

std::string bytesAls(const std::vector<TScheinOffen>& felder) {
    const auto b = spielscheinBytes(felder);
    return {b.begin(), b.end()};
}

TEST(Systemscheineingabe, SpeichertNurVollstaendigeFelderMitIhremSystem) {
    test::TempOrdner tmp;
    Systemscheineingabe s;
    fuelle(s, 2, kEinzel);             // "no" -> sys 0
    fuelle(s, 4, kUnvollstaendig, 7);  // incomplete: skipped without a message
    fuelle(s, 5, kDreiDrei, 4);        // "3-3" -> sys 4
    fuelle(s, 9, kEinzel, 0);
    s.feld(9).TrefferVerwerten(213, 1);  // a 2-way on match 13
    const SystemscheinPruefung p = s.speicherPruefung();
    EXPECT_EQ(p.fehlerFeld, 0);
    EXPECT_EQ(p.gespeichert, (std::vector<int>{2, 5, 9}));
    EXPECT_EQ(p.unvollstaendig, std::vector<int>{4});
    EXPECT_EQ(
        speicherBericht(p, "system.kv13"),
        "In system.kv13 gespeichert: Felder 2, 5 und 9. Nicht gespeichert, weil unvollständig: Feld 4.");
    const std::string pfad = tmp.datei("system.kv13");
    s.speichern(pfad);
    EXPECT_EQ(s.LDatei(), "Gespeichert: system.kv13");
    auto zweiwegFeld = feldAus(kEinzel);
    zweiwegFeld.setzeKreuz(13, 2, true);
    EXPECT_EQ(test::dateiInhalt(pfad), bytesAls({feldAus(kEinzel), feldAus(kDreiDrei, 4), zweiwegFeld}));
    EXPECT_EQ(test::dateiInhalt(pfad)[40], 4);  // sys of the second record
}

TEST(Systemscheineingabe, UnpassendesSystemInFeld3SchreibtNichts) {
    test::TempOrdner tmp;
    Systemscheineingabe s;
    fuelle(s, 1, kEinzel);
    fuelle(s, 2, kDreiDrei, 4);
    fuelle(s, 3, kVierZweiwege, 4);  // "3-3" with four 2-ways
    fuelle(s, 4, kVierZweiwege, 3);  // would not fit either; field 3 is named first
    const SystemscheinPruefung p = s.speicherPruefung();
    EXPECT_EQ(p.fehlerFeld, 3);
    EXPECT_EQ(p.meldung, std::string("Im Feld 3 passen gewähltes System und die Kombination aus Zwei- und "
                                     "Dreiwegen nicht zusammen.") +
                             kAbsatz + "Ich muss daher abbrechen.");
    test::schreibeRoh(tmp.datei("alt.kv13"), "alt");
    EXPECT_THROW(s.speichern(tmp.datei("alt.kv13")), std::logic_error);
    EXPECT_THROW(s.speichern(tmp.datei("neu.kv13")), std::logic_error);
    EXPECT_EQ(test::dateiInhalt(tmp.datei("alt.kv13")), "alt");
    EXPECT_EQ(test::eintraege(tmp.pfad()), std::set<std::string>{"alt.kv13"});
    EXPECT_EQ(s.LDatei(), "");
}

TEST(Systemscheineingabe, OhneVollstaendigesFeldWirdNichtsGeschrieben) {
    // An empty file would replace a good slip: nothing is written instead.
    test::TempOrdner tmp;
    Systemscheineingabe s;
    fuelle(s, 1, kUnvollstaendig);
    fuelle(s, 3, kUnvollstaendig);
    const SystemscheinPruefung p = s.speicherPruefung();
    EXPECT_TRUE(p.felder.empty());
    EXPECT_EQ(p.unvollstaendig, (std::vector<int>{1, 3}));
    const std::string gut = bytesAls({feldAus(kEinzel)});
    test::schreibeRoh(tmp.datei("gut.kv13"), gut);
    EXPECT_THROW(s.speichern(tmp.datei("gut.kv13")), std::logic_error);
    EXPECT_EQ(test::dateiInhalt(tmp.datei("gut.kv13")), gut);
    EXPECT_EQ(s.LDatei(), "");
    EXPECT_EQ(meldungKeinFeldVollstaendig(),
              std::string("Kein Tippfeld ist vollständig: Ein Feld wird nur gespeichert, wenn jedes der 13 "
                          "Spiele mindestens ein Kreuz hat.") +
                  kAbsatz + "Ich speichere daher nichts.");
    // A write that fails leaves the label as it was, and the slip unsaved.
    fuelle(s, 2, kEinzel);
    EXPECT_THROW(s.speichern(tmp.datei("fehlt/x.kv13")), DateiFehler);
    EXPECT_EQ(s.LDatei(), "");
    EXPECT_TRUE(s.geaendert());
}

// Changed means: other than last opened, saved or emptied.
TEST(Systemscheineingabe, GeaendertGegenueberDemZuletztGesichertenStand) {
    test::TempOrdner tmp;
    Systemscheineingabe s;
    EXPECT_FALSE(s.geaendert());
    s.feld(6).TrefferVerwerten(104, 1);
    EXPECT_TRUE(s.geaendert());
    s.feld(6).TrefferVerwerten(104, 1);  // the cross removed again
    EXPECT_FALSE(s.geaendert());
    fuelle(s, 1, kEinzel);
    s.speichern(tmp.datei("a.kv13"));
    EXPECT_FALSE(s.geaendert());
    s.feld(1).RGVEWClick(1);  // only the VEW choice
    EXPECT_TRUE(s.geaendert());
    s.NeuerSchein();
    EXPECT_FALSE(s.geaendert());
    s.oeffnen(tmp.datei("a.kv13"), systemscheinLesen(tmp.datei("a.kv13")));
    EXPECT_FALSE(s.geaendert());
    s.feld(12).TrefferVerwerten(301, 1);
    EXPECT_TRUE(s.geaendert());
}

TEST(Systemscheineingabe, EntwurfBringtFelderUndDateilabelZurueck) {
    test::TempOrdner tmp;
    Systemscheineingabe s;
    fuelle(s, 1, kEinzel);
    s.speichern(tmp.datei("erster.kv13"));
    fuelle(s, 5, kDreiDrei, 4);
    fuelle(s, 6, kUnvollstaendig, 7);
    const std::string entwurf = s.entwurf();

    Systemscheineingabe t;
    t.entwurfAnwenden(entwurf);
    EXPECT_EQ(t.stand(), s.stand());
    EXPECT_EQ(t.LDatei(), "Gespeichert: erster.kv13");
    EXPECT_TRUE(t.geaendert());  // nothing of it is saved in this run
    EXPECT_EQ(t.feld(5).PAnzText(), "24");

    // bytes that are no such draft change nothing
    std::string vew14 = entwurf;
    vew14[8 + std::string("Gespeichert: erster.kv13").size()] = 14;  // sys of field 1
    for (const std::string& kaputt : {entwurf.substr(0, entwurf.size() - 1), entwurf + "x", vew14}) {
        Systemscheineingabe u;
        fuelle(u, 2, kEinzel);
        EXPECT_THROW(u.entwurfAnwenden(kaputt), UngueltigeDatei);
        EXPECT_EQ(u.feld(2).daten(), feldAus(kEinzel));
        EXPECT_EQ(u.feld(1).daten(), TScheinOffen{});
    }
}

TEST(Systemscheineingabe, GespeicherteFelder2Und5KommenInFeld1Und2Zurueck) {
    test::TempOrdner tmp;
    Systemscheineingabe s;
    fuelle(s, 2, kDreiDrei, 4);
    fuelle(s, 5, kEinzel);
    s.speichern(tmp.datei("s.kv13"));

    Systemscheineingabe t;
    const Systemscheinlesung l = systemscheinLesen(tmp.datei("s.kv13"));
    ASSERT_FALSE(l.abgelehnt());
    t.oeffnen(tmp.datei("s.kv13"), l);
    EXPECT_EQ(t.LDatei(), "Geöffnet: s.kv13");
    EXPECT_EQ(t.feld(1).daten(), feldAus(kDreiDrei, 4));
    EXPECT_EQ(t.feld(1).PAnzText(), "24");
    EXPECT_TRUE(t.feld(1).dreiwegMarke(1));
    EXPECT_TRUE(t.feld(1).zweiwegMarke(2));
    EXPECT_EQ(t.feld(2).daten(), feldAus(kEinzel));
    for (int f = 3; f <= 12; ++f) EXPECT_TRUE(t.feld(f).leer()) << f;
}

TEST(Systemscheineingabe, DreiFelderInEinVollesFenster) {
    test::TempOrdner tmp;
    Systemscheineingabe s;
    for (int f = 1; f <= 12; ++f) fuelle(s, f, f % 2 ? kDreiDrei : kEinzel, f % 2 ? 4 : 0);
    const std::vector<TScheinOffen> drei = {feldAus(kEinzel), feldAus(kVierZweiwege), feldAus(kDreiDrei, 4)};
    test::schreibeRoh(tmp.datei("drei.kv13"), bytesAls(drei));
    s.oeffnen(tmp.datei("drei.kv13"), systemscheinLesen(tmp.datei("drei.kv13")));
    for (int f = 1; f <= 3; ++f) EXPECT_EQ(s.feld(f).daten(), drei[f - 1]) << f;
    for (int f = 4; f <= 12; ++f) {
        EXPECT_TRUE(s.feld(f).leer()) << f;
        EXPECT_EQ(s.feld(f).vewWahl(), 0) << f;
        EXPECT_EQ(s.feld(f).PAnzText(), "0") << f;
    }
    EXPECT_EQ(s.vollstaendigeFelder(), 3);
    EXPECT_EQ(s.erstesLeeresFeld(), 4);
}

TEST(Systemscheineingabe, AbgelehnteDateienLassenDasFensterUnberuehrt) {
    test::TempOrdner tmp;
    const std::string satz = bytesAls({feldAus(kEinzel)});
    std::string dreizehn, zwoelf;
    for (int i = 0; i < 12; ++i) zwoelf += satz;
    dreizehn = zwoelf + satz;
    std::string ungueltig = satz + satz;
    ungueltig[40] = 14;  // system 14 does not exist
    test::schreibeRoh(tmp.datei("13.kv13"), dreizehn);
    test::schreibeRoh(tmp.datei("12.kv13"), zwoelf + "x");  // a trailing part is no record
    test::schreibeRoh(tmp.datei("ungueltig.kv13"), ungueltig);

    Systemscheinlesung l = systemscheinLesen(tmp.datei("13.kv13"));
    EXPECT_TRUE(l.abgelehnt());
    EXPECT_TRUE(l.felder.empty());
    EXPECT_EQ(
        l.meldung,
        "Die Darstellung des Spielscheins benötigt mehr als 12 Felder, kann daher hier nicht eingelesen "
        "werden.");
    EXPECT_EQ(systemscheinLesen(tmp.datei("12.kv13")).felder.size(), 12u);
    try {
        systemscheinLesen(tmp.datei("ungueltig.kv13"));
        ADD_FAILURE() << "ungültiger Satz wurde gelesen";
    } catch (const UngueltigeDatei& e) {
        EXPECT_NE(std::string(e.what()).find("ungueltig.kv13"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("Im Feld 2"), std::string::npos) << e.what();
    }
    EXPECT_THROW(systemscheinLesen(tmp.datei("fehlt.kv13")), DateiFehler);

    // A refused reading cannot be shown: the window keeps its crosses.
    Systemscheineingabe s;
    fuelle(s, 1, kDreiDrei, 4);
    EXPECT_THROW(s.oeffnen(tmp.datei("13.kv13"), l), std::logic_error);
    EXPECT_EQ(s.feld(1).daten(), feldAus(kDreiDrei, 4));
}

// A slip for this window has at most 12 records: a file is refused from its
// first 13 records, never read further, whatever its size (1 GB here).
TEST(Systemscheineingabe, LiestHoechstensDreizehnSaetze) {
    test::TempOrdner tmp;
    struct Fall {
        const char* name;
        std::uintmax_t groesse;
        bool abgelehnt;
    };
    const Fall faelle[] = {
        {"12 Sätze", 12 * 40, false},
        {"12 Sätze und ein Rest", 12 * 40 + 39, false},
        {"13 Sätze", 13 * 40, true},
        {"1 GB", std::uintmax_t{1} << 30, true},
    };
    ASSERT_GT(test::geleseneBytes(), 0u) << "/proc/self/io fehlt";
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const std::string pfad = tmp.datei("leer.kv13");
        test::leereDatei(pfad, f.groesse);  // records without crosses
        const std::uint64_t vorher = test::geleseneBytes();
        const Systemscheinlesung l = systemscheinLesen(pfad);
        EXPECT_LE(test::geleseneBytes() - vorher, 13u * 40 + 4096);
        EXPECT_EQ(l.abgelehnt(), f.abgelehnt);
        EXPECT_EQ(l.felder.size(), f.abgelehnt ? 0u : 12u);
        EXPECT_EQ(l.meldung, f.abgelehnt ? kZuVieleFelder : "");
    }
}

TEST(Systemscheineingabe, NeuerScheinLeertAlles) {
    Systemscheineingabe s;
    fuelle(s, 3, kDreiDrei, 6);  // "7-1" does not fit, which is only checked on saving
    fuelle(s, 12, kEinzel);
    s.oeffnen("a/b.kv13", Systemscheinlesung{{feldAus(kEinzel)}, ""});
    fuelle(s, 3, kDreiDrei, 6);
    EXPECT_EQ(s.feld(3).PAnzText(), "48");
    EXPECT_EQ(s.datei(), "a/b.kv13");
    s.NeuerSchein();
    EXPECT_EQ(s.LDatei(), "");
    EXPECT_EQ(s.datei(), "");
    for (int f = 1; f <= 12; ++f) {
        EXPECT_TRUE(s.feld(f).leer()) << f;
        EXPECT_EQ(s.feld(f).vewWahl(), 0) << f;
        EXPECT_EQ(s.feld(f).PAnzText(), "0") << f;
        EXPECT_EQ(s.feld(f).LNrText(), "Feld " + std::to_string(f));
    }
    EXPECT_EQ(s.erstesLeeresFeld(), 1);
    EXPECT_EQ(s.vollstaendigeFelder(), 0);
}

}  // namespace
}  // namespace kv
