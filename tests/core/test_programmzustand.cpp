#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "evaluation/Programmzustand.h"

namespace kv {
namespace {

using Spalten = std::array<std::uint8_t, kSpiele>;

// Writes down every notice, e.g. "spiele 1fff", "schein 0", "links", "ausgewertet".
class Protokoll : public Zustandsbeobachter {
  public:
    std::vector<std::string> eintraege;
    void spieleGeaendert(Spielmenge s) override {
        char text[16];
        std::snprintf(text, sizeof text, "spiele %x", static_cast<unsigned>(s));
        eintraege.emplace_back(text);
    }
    void scheinGeaendert(int slot) override { eintraege.push_back("schein " + std::to_string(slot)); }
    void linkerScheinGeaendert() override { eintraege.emplace_back("links"); }
    void ausgewertet() override { eintraege.emplace_back("ausgewertet"); }
    void begegnungenGeaendert() override { eintraege.emplace_back("begegnungen"); }
    void tendenzWerteGeaendert() override { eintraege.emplace_back("tendenzwerte"); }
    void scheinGeschrieben() override { eintraege.emplace_back("geschrieben"); }
};

TEST(Programmzustand, StartwerteUnentschieden) {
    const Programmzustand z;
    EXPECT_EQ(z.spielTendenz(), (Spalten{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}));
    EXPECT_EQ(z.gewinnreihe(), z.spielTendenz());
    EXPECT_EQ(z.linkerSchein(), -1);
    EXPECT_EQ(z.linkerFelder(), -1);
    EXPECT_EQ(z.scheinAnzahl(), 0);
    EXPECT_EQ(z.tendenzWerte(), TendenzWerte{});
    EXPECT_FALSE(z.spielplanGeladen());
}

TEST(Programmzustand, NachDirekteingabeSetztEinTorAlleDreizehnZurueck) {
    Programmzustand z;
    z.spielstandGeaendert(4, 2, 1);
    Spalten direkt;
    direkt.fill(3);
    z.gewinnreiheDirektSetzen(direkt);
    EXPECT_EQ(z.gewinnreihe(), direkt);
    EXPECT_EQ(z.tendenz(4), 1) << "the scores stay";
    // Toggling match 7 brings back only match 7's tendency.
    z.setzeBeendet(7, true);
    EXPECT_EQ(z.gewinntendenz(7), 2);
    EXPECT_EQ(z.gewinntendenz(1), 3);
    EXPECT_TRUE(z.gewinnreiheDirekt());
    // A goal anywhere restores all 13 from the scores.
    z.spielstandGeaendert(9, 0, 1);
    EXPECT_FALSE(z.gewinnreiheDirekt());
    Spalten erwartet;
    erwartet.fill(2);
    erwartet[3] = 1;
    erwartet[8] = 3;
    EXPECT_EQ(z.gewinnreihe(), erwartet);
}

TEST(Programmzustand, AllesSchaltetUndBehaeltDieGewinnreihe) {
    Programmzustand z;
    z.gewinnreiheDirektSetzen(Spalten{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    z.allesUmschalten();
    EXPECT_TRUE(z.alleBeendet());
    EXPECT_EQ(z.beendeteSpiele(), kAlleSpiele);
    EXPECT_EQ(z.gewinntendenz(1), 1);
    for (const auto& s : z.spielstaende()) EXPECT_EQ(s.Beendet, 1);
    z.allesUmschalten();
    EXPECT_EQ(z.beendeteSpiele(), 0);
    for (const auto& s : z.spielstaende()) EXPECT_EQ(s.Beendet, 0);
}

TEST(Programmzustand, AllesAufAnfangWieJedesTorAufNull) {
    Programmzustand z;
    z.spielstandGeaendert(1, 3, 0);
    z.spielstandGeaendert(2, 0, 1);
    z.setzeBeendet(2, true);
    z.allesUmschalten();
    z.gewinnreiheDirektSetzen(Spalten{3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3});
    z.allesAufAnfang();
    EXPECT_EQ(z.spielstaende(), Spielstaende{});
    EXPECT_EQ(z.beendeteSpiele(), 0);
    EXPECT_FALSE(z.alleBeendet());
    EXPECT_FALSE(z.gewinnreiheDirekt()) << "the goal changes end a direct entry";
    EXPECT_EQ(z.gewinnreihe(), (Spalten{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}));
}

TEST(Programmzustand, ToreOhneFolgen) {
    // before the main window is shown a goal is only stored
    Programmzustand z;
    z.toreSpeichern(5, true, 3);
    z.toreSpeichern(5, false, 1);
    EXPECT_EQ(z.spielstand(5), (TSpielstand{3, 1, 0}));
    EXPECT_EQ(z.tendenz(5), 2);
    EXPECT_EQ(z.gewinntendenz(5), 2);
}

TEST(Programmzustand, ZweiterLinkerScheinLeertDenErsten) {
    Programmzustand z;
    EXPECT_EQ(z.linksOeffnen("a.kv13", {test::reiheAus("1111111111111")}), 0);
    z.gewinnauswertung();
    EXPECT_EQ(z.linksOeffnen("b.kv13", {test::reiheAus("2222222222222"), test::reiheAus("0000000000000")}),
              1);
    z.gewinnauswertung();
    EXPECT_EQ(z.scheinAnzahl(), 2);
    EXPECT_EQ(z.linkerSchein(), 1);
    EXPECT_EQ(z.linkerFelder(), 2);
    EXPECT_EQ(z.slot(0).datei, "a.kv13");
    EXPECT_EQ(z.slot(0).schein.zeilen(), 0u);
    EXPECT_EQ(z.slot(0).auswertung->C()[0] + z.slot(0).auswertung->C()[13], 0u);
    EXPECT_EQ(z.slot(1).auswertung->C()[13], 1u);
    z.linkenScheinLeeren();
    EXPECT_EQ(z.linkerSchein(), -1);
    EXPECT_EQ(z.linkerFelder(), -1);
    EXPECT_EQ(z.scheinAnzahl(), 2) << "slots are never given back";
}

TEST(Programmzustand, SpielstaendeUebernehmenSetztTendenzenUndBeendete) {
    Programmzustand z;
    Spielstaende s{};
    s[0] = {2, 1, 1};
    s[1] = {0, 3, 0};
    s[12] = {13, 13, 5};  // bytes above 12 are kept; the tendency comes from them
    z.spielstaendeUebernehmen(s);
    EXPECT_EQ(z.tendenz(1), 1);
    EXPECT_EQ(z.tendenz(2), 3);
    EXPECT_EQ(z.tendenz(13), 2);
    EXPECT_EQ(z.beendeteSpiele(), (1u << 0) | (1u << 12));
    EXPECT_EQ(z.gewinnreihe(), z.spielTendenz());
}

TEST(Programmzustand, GewinnmengeFolgtDerLetztenAuswertung) {
    Programmzustand z;
    z.gewinnauswertung();
    const Reihe vorher = z.gewinnmenge();
    z.spielstandGeaendert(1, 1, 0);
    EXPECT_EQ(z.gewinnmenge(), vorher) << "not before the next evaluation";
    z.gewinnauswertung();
    EXPECT_TRUE(z.gewinnmenge() & kreuzBit(1));
}

// Every operation tells the listener what it changed, and only that.
TEST(Programmzustand, GeschlossenerTabZaehltNichtMehr) {
    Programmzustand z;
    z.scheinOeffnen("a.kv13", {test::reiheAus("1111111111111")}, true);
    z.scheinOeffnen("b.kv13", {test::reiheAus("0000000000000"), test::reiheAus("0000000000002")}, true);
    z.gewinnauswertung();
    ASSERT_EQ(z.slot(1).auswertung->C()[13], 1u);
    z.rechtsSchliessen(1);
    z.rechtsSchliessen(1);  // twice: nothing more happens
    z.rechtsSchliessen(7);
    z.gewinnauswertung();
    EXPECT_TRUE(z.slot(1).geschlossen);
    EXPECT_EQ(z.slot(1).schein.zeilen(), 0u);
    EXPECT_EQ(z.slot(1).auswertung->C()[13] + z.slot(1).auswertung->C()[12], 0u);
    EXPECT_FALSE(z.slot(0).geschlossen);
    EXPECT_EQ(z.slot(0).auswertung->C()[0], 1u);  // all draws: no hit for "1111111111111"
    EXPECT_EQ(z.scheinAnzahl(), 2);
}

TEST(Programmzustand, JedeAenderungWirdGemeldet) {
    struct Fall {
        const char* name;
        std::function<void(Programmzustand&)> vorher;
        std::function<void(Programmzustand&)> aenderung;
        std::vector<std::string> erwartet;
    };
    const auto nichts = [](Programmzustand&) {};
    const auto direkt = [](Programmzustand& z) {
        z.gewinnreiheDirektSetzen(Spalten{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    };
    const auto links = [](Programmzustand& z) {
        z.linksOeffnen("a.kv13", {test::reiheAus("1111111111111")});
    };
    const Fall faelle[] = {
        {"Tor", nichts, [](Programmzustand& z) { z.spielstandGeaendert(4, 1, 0); }, {"spiele 8"}},
        {"Tor nach Direkteingabe",
         direkt,
         [](Programmzustand& z) { z.spielstandGeaendert(4, 1, 0); },
         {"spiele 1fff"}},
        {"Tor vor dem Start",
         nichts,
         [](Programmzustand& z) { z.toreSpeichern(13, false, 2); },
         {"spiele 1000"}},
        {"beendet", nichts, [](Programmzustand& z) { z.setzeBeendet(2, true); }, {"spiele 2"}},
        {"Alles", nichts, [](Programmzustand& z) { z.allesUmschalten(); }, {"spiele 1fff"}},
        {"Alles auf Anfang", nichts, [](Programmzustand& z) { z.allesAufAnfang(); }, {"spiele 1fff"}},
        {"Gewinntendenz", nichts, [](Programmzustand& z) { z.setzeGewinntendenz(7, 3); }, {"spiele 40"}},
        {"Direkteingabe", nichts, direkt, {"spiele 1fff"}},
        {"Spielstände", nichts, [](Programmzustand& z) { z.spielstaendeUebernehmen({}); }, {"spiele 1fff"}},
        {"Tab", nichts, [](Programmzustand& z) { z.scheinOeffnen("t.kv13", Schein(), true); }, {"schein 0"}},
        {"erster linker Schein", nichts, links, {"schein 0", "links"}},
        {"zweiter linker Schein", links, links, {"schein 0", "schein 1", "links"}},
        {"linken Schein leeren",
         links,
         [](Programmzustand& z) { z.linkenScheinLeeren(); },
         {"schein 0", "links"}},
        {"Tab schließen",
         [](Programmzustand& z) { z.scheinOeffnen("t.kv13", Schein(), true); },
         [](Programmzustand& z) { z.rechtsSchliessen(0); },
         {"schein 0"}},
        {"linken Schein nicht als Tab schließen",
         links,
         [](Programmzustand& z) { z.rechtsSchliessen(0); },
         {}},
        {"Auswertung", nichts, [](Programmzustand& z) { z.gewinnauswertung(); }, {"ausgewertet"}},
        {"Spielplan",
         nichts,
         [](Programmzustand& z) { z.begegnungenSetzen({}, "/a/b.sp13"); },
         {"begegnungen"}},
        {"Tendenzen", nichts, [](Programmzustand& z) { z.tendenzWerteSetzen({}); }, {"tendenzwerte"}},
        {"Schein geschrieben",
         nichts,
         [](Programmzustand& z) { z.scheinGeschrieben("/a/neu.kv13"); },
         {"geschrieben"}},
    };
    for (const Fall& f : faelle) {
        Programmzustand z;
        f.vorher(z);
        Protokoll p;
        z.setzeBeobachter(&p);
        f.aenderung(z);
        EXPECT_EQ(p.eintraege, f.erwartet) << f.name;
        z.setzeBeobachter(nullptr);
    }
}

TEST(Programmzustand, SpielplanUndTendenzwerteWerdenGehalten) {
    Programmzustand z;
    Begegnungen b{};
    b[6] = {"5-3-2", "Heim", "Gast"};
    z.begegnungenSetzen(b, "/a/tag.sp13");
    EXPECT_TRUE(z.spielplanGeladen());
    EXPECT_EQ(z.spielplanDatei(), "/a/tag.sp13");
    EXPECT_EQ(z.begegnungen()[6].Gast, "Gast");
    TendenzWerte t{};
    t[0] = {3, 5, 2};
    z.tendenzWerteSetzen(t);
    EXPECT_EQ(z.tendenzWerte()[0], (TTendenzWert{3, 5, 2}));
    EXPECT_EQ(z.geschriebenerSchein(), "");
    z.scheinGeschrieben("/a/neu.kv13");
    EXPECT_EQ(z.geschriebenerSchein(), "/a/neu.kv13");
}

// Inside a Stapel the requested evaluations wait and run once at its end.
TEST(Programmzustand, StapelWertetEinmalAus) {
    Programmzustand z;
    z.scheinOeffnen("t.kv13", {test::reiheAus("1111111111111")}, true);
    Protokoll p;
    z.setzeBeobachter(&p);
    {
        Programmzustand::Stapel aussen(z);
        for (int m = 1; m <= 13; ++m) {
            z.spielstandGeaendert(m, 1, 0);
            z.gewinnauswertung();
        }
        {
            Programmzustand::Stapel innen(z);
            z.gewinnauswertung();
        }
        EXPECT_EQ(std::count(p.eintraege.begin(), p.eintraege.end(), "ausgewertet"), 0);
        EXPECT_FALSE(z.slot(0).auswertung.has_value());
    }
    EXPECT_EQ(std::count(p.eintraege.begin(), p.eintraege.end(), "ausgewertet"), 1);
    EXPECT_EQ(p.eintraege.back(), "ausgewertet");
    EXPECT_EQ(z.slot(0).auswertung->C()[13], 1u) << "evaluated against the final scores";
    // without a request nothing runs at the end
    p.eintraege.clear();
    { Programmzustand::Stapel leer(z); }
    EXPECT_TRUE(p.eintraege.empty());
    z.setzeBeobachter(nullptr);
}

// Opening a further slip evaluates the new slot; the others keep their
// evaluation while the winning row and the finished matches stay. A change of
// either, or a slot emptied and filled, evaluates again.
TEST(Programmzustand, NurNeueOderGeaenderteSlotsWerdenAusgewertet) {
    Programmzustand z;
    z.scheinOeffnen("a.kv13", {test::reiheAus("1111111111111")}, true);
    z.gewinnauswertung();
    const Auswertung* erste = &*z.slot(0).auswertung;
    const std::uint64_t stand = z.slot(0).stand;
    z.scheinOeffnen("b.kv13", {test::reiheAus("2222222222222")}, true);
    z.gewinnauswertung();
    EXPECT_EQ(z.slot(0).stand, stand) << "the first slot was not evaluated again";
    EXPECT_EQ(&*z.slot(0).auswertung, erste);
    EXPECT_EQ(z.slot(1).stand, 1u);
    EXPECT_EQ(z.slot(1).auswertung->C()[0], 1u) << "2222222222222 has no hit against draws";

    z.spielstandGeaendert(1, 0, 1);  // match 1 now "2"
    z.gewinnauswertung();
    EXPECT_EQ(z.slot(0).stand, stand + 1);
    EXPECT_EQ(z.slot(1).stand, 2u);
    EXPECT_EQ(z.slot(1).auswertung->C()[1], 1u);
    z.setzeBeendet(1, true);
    z.gewinnauswertung();
    EXPECT_EQ(z.slot(1).stand, 3u);
    EXPECT_EQ(z.slot(0).auswertung->K()[1], 1u) << "the finished match 1 is a miss of 1111111111111";

    z.linksOeffnen("c.kv13", {test::reiheAus("1111111111111")});
    z.gewinnauswertung();
    const std::uint64_t links = z.slot(2).stand;
    z.linksOeffnen("d.kv13", {test::reiheAus("2222222222222")});  // slot 2 emptied
    z.gewinnauswertung();
    EXPECT_EQ(z.slot(2).stand, links + 1) << "the emptied slot is evaluated again";
    EXPECT_EQ(z.slot(2).auswertung->C()[0], 0u);
    EXPECT_EQ(z.slot(1).stand, 3u);
}

}  // namespace
}  // namespace kv
