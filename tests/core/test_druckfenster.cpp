// The print window's state with the settings file: what showing and closing
// read and write, and the file commands.
#include <gtest/gtest.h>

#include <string>

#include "Hilfen.h"
#include "Schreibpruefung.h"
#include "model/Spielscheindatei.h"
#include "print/Druckfenster.h"
#include "settings/Einstellungen.h"

namespace kv {
namespace {

using test::TempOrdner;

std::string formatDatei(const TempOrdner& tmp, const char* name, int anordnung, int felderProReihe = 6) {
    TScheinFormat f;
    f.FelderProReihe = felderProReihe;
    f.Anordnung = anordnung;
    f.B = 80;
    f.Nr = {1900, -1};
    const std::string p = tmp.datei(name);
    schreibeScheinformat(p, f);
    return p;
}

// The window after "Automatisch ausfüllen" from its preset values.
Druckfenster ausgefuellt() {
    Druckfenster z;
    EXPECT_EQ(z.kalibrierung.automatischAusfuellen([](const std::string&) { return Druckantwort::Ja; }),
              std::nullopt);
    return z;
}

TEST(Druckfenster, OhneEinstellungsdateiBleibenDieStartwerte) {
    TempOrdner tmp;
    const IniDatei ini(tmp.datei("Einstellungen.ini"));
    Druckfenster z;
    EXPECT_EQ(z.FormShow(ini), std::nullopt);
    EXPECT_EQ(z.kalibrierung.felderProSchein(), 12);
    EXPECT_EQ(z.kalibrierung.anordnung(), 0);
    EXPECT_EQ(z.kalibrierung.felder().abstandH, "76");
    EXPECT_EQ(z.kalibrierung.felder().abstandV, "480");
    EXPECT_TRUE(z.optionen.fragen);
    EXPECT_FALSE(z.optionen.nrDrucken);
    EXPECT_EQ(z.optionen.startNr, "1");
    EXPECT_EQ(z.optionen.start, "1");
    EXPECT_EQ(z.optionen.ende, "");
}

TEST(Druckfenster, ReihenAusDenEinstellungenGewinntUeberDasFormat) {
    TempOrdner tmp;
    IniDatei ini(tmp.datei("Einstellungen.ini"));
    struct Fall {
        int reihen;
        int formatAnordnung;
        int erwartet;
    } faelle[] = {{1, 0, 1}, {0, 1, 0}, {1, 1, 1}};
    for (const Fall& f : faelle) {
        schreibe(ini, einst::kDruckFormatdatei, formatDatei(tmp, "f.kvxdr", f.formatAnordnung, 5));
        schreibe(ini, einst::kDruckReihen, f.reihen);
        Druckfenster z;
        EXPECT_EQ(z.FormShow(ini), std::nullopt);
        EXPECT_EQ(z.kalibrierung.anordnung(), f.erwartet);
        EXPECT_EQ(z.kalibrierung.felderProReihe(), 5);  // the format was read
        EXPECT_EQ(z.kalibrierung.felder().abstandH, "80");
        EXPECT_EQ(z.kalibrierung.dateiStatus(), "Geöffnet: f.kvxdr");
    }
}

TEST(Druckfenster, FormatdateiDieFehltOderUngueltigIst) {
    TempOrdner tmp;
    IniDatei ini(tmp.datei("Einstellungen.ini"));
    schreibe(ini, einst::kDruckFormatdatei, tmp.datei("weg.kvxdr"));
    Druckfenster z;
    z.kalibrierung.felder().abstandH = "71";  // unsaved: stays when nothing is read
    EXPECT_EQ(z.FormShow(ini), std::nullopt);
    EXPECT_EQ(z.kalibrierung.felder().abstandH, "71");
    EXPECT_EQ(z.kalibrierung.dateiStatus(), "");

    test::schreibeRoh(tmp.datei("kurz.kvxdr"), "zu kurz");
    schreibe(ini, einst::kDruckFormatdatei, tmp.datei("kurz.kvxdr"));
    schreibe(ini, einst::kDruckReihen, 1);
    const auto m = z.FormShow(ini);
    ASSERT_TRUE(m);
    EXPECT_NE(m->text.find("kurz.kvxdr"), std::string::npos);
    EXPECT_EQ(z.kalibrierung.felder().abstandH, "71");
    EXPECT_EQ(z.kalibrierung.anordnung(), 1);  // the rest of the showing still happens
}

TEST(Druckfenster, SchliessenUndWiederZeigen) {
    TempOrdner tmp;
    IniDatei ini(tmp.datei("Einstellungen.ini"));
    Druckfenster z;
    z.optionen.nrDrucken = true;
    z.optionen.fragen = false;
    z.optionen.zusatzJa = {false, true, false, true};
    z.kalibrierung.setzeAnordnung(1);
    z.FormCloseQuery(ini);
    EXPECT_EQ(ini.leseZahl("Druck", "Reihen", -1), 1);
    EXPECT_EQ(ini.leseText("Druck", "Zusatz2", ""), "1");
    EXPECT_EQ(ini.leseText("Druck", "Zusatz3", ""), "0");
    EXPECT_EQ(ini.leseText("Druck", "ScheinNr", ""), "1");
    EXPECT_EQ(ini.leseText("Druck", "Fragen", ""), "0");

    Druckfenster neu;
    ASSERT_EQ(neu.FormShow(ini), std::nullopt);
    EXPECT_TRUE(neu.optionen.nrDrucken);
    EXPECT_FALSE(neu.optionen.fragen);
    EXPECT_EQ(neu.optionen.zusatzJa, (std::array<bool, 4>{false, true, false, true}));
    EXPECT_EQ(neu.kalibrierung.anordnung(), 1);
}

TEST(Druckfenster, FormatdateiMerkenNachOeffnenUndErstemSpeichern) {
    TempOrdner tmp;
    IniDatei ini(tmp.datei("Einstellungen.ini"));
    Druckfenster z = ausgefuellt();
    ASSERT_EQ(z.scheinformatSpeichern(tmp.datei("erst.kvxdr"), ini), std::nullopt);
    EXPECT_EQ(ini.leseText("Druck", "Formatdatei", ""), tmp.datei("erst.kvxdr"));
    ASSERT_EQ(z.scheinformatSpeichern(tmp.datei("zweit.kvxdr"), ini), std::nullopt);
    EXPECT_EQ(ini.leseText("Druck", "Formatdatei", ""), tmp.datei("erst.kvxdr"));
    EXPECT_EQ(z.kalibrierung.dateiStatus(), "Gespeichert: zweit.kvxdr");

    const std::string anders = formatDatei(tmp, "anders.kvxdr", 0);
    ASSERT_EQ(z.scheinformatOeffnen(anders, ini), std::nullopt);
    EXPECT_EQ(ini.leseText("Druck", "Formatdatei", ""), anders);
    // A refused format is not remembered.
    test::schreibeRoh(tmp.datei("kaputt.kvxdr"), "x");
    EXPECT_TRUE(z.scheinformatOeffnen(tmp.datei("kaputt.kvxdr"), ini));
    EXPECT_EQ(ini.leseText("Druck", "Formatdatei", ""), anders);
}

TEST(Druckfenster, NeuesDetailfensterVerlangtErneutenTransfer) {
    TempOrdner tmp;
    IniDatei ini(tmp.datei("Einstellungen.ini"));
    Druckfenster z = ausgefuellt();
    ASSERT_EQ(z.kalibrierung.extrahieren(), std::nullopt);
    z.kalibrierung.setzeDetailZelle(2, 1, "123");
    z.neuesDetailfenster();
    EXPECT_EQ(z.kalibrierung.detail(1, 1, 1, false), "");
    EXPECT_FALSE(z.kalibrierung.detailExtrahiert());
    ASSERT_EQ(z.scheinformatSpeichern(tmp.datei("f.kvxdr"), ini), std::nullopt);
    EXPECT_EQ(z.kalibrierung.format().kaestchen(1, 1, 1).x, 200);  // transferred again, not 123
}

TEST(Druckfenster, SpielscheinLadenSetztDenBereich) {
    TempOrdner tmp;
    std::vector<TScheinOffen> felder(25, test::reiheAus("1111111111111"));
    schreibeSpielschein(tmp.datei("s.kv13"), felder);
    schreibeSpielschein(tmp.datei("leer.kv13"), {});
    Druckfenster z;
    z.optionen.start = "9";
    ASSERT_EQ(z.FileForPrint(tmp.datei("s.kv13")), std::nullopt);
    EXPECT_EQ(z.optionen.start, "1");
    EXPECT_EQ(z.optionen.ende, "25");
    EXPECT_EQ(z.NeuBerechnen(), (Scheinbedarf{3, "Scheine ausdrucken"}));
    z.kalibrierung.setzeFelderProReihe(4);
    EXPECT_EQ(z.NeuBerechnen(), (Scheinbedarf{4, "Scheine ausdrucken"}));

    EXPECT_TRUE(z.FileForPrint(tmp.datei("fehlt.kv13")));
    EXPECT_EQ(z.speicher.reihen(), 25u);
    ASSERT_EQ(z.FileForPrint(tmp.datei("leer.kv13")), std::nullopt);
    EXPECT_EQ(z.optionen.ende, "0");
    EXPECT_EQ(z.speicher.reihen(), 0u);
}

TEST(Druckfenster, DruckNimmtDasAktuelleFormatUndDieFelderDesFensters) {
    TempOrdner tmp;
    schreibeSpielschein(tmp.datei("s.kv13"), {test::reiheAus("1111111111111")});
    Druckfenster z;
    TScheinFormat f;
    f.FelderProReihe = 4;
    f.kaestchen(1, 1, 1) = {350, 420};
    for (auto& spiel : f.Zusatz) spiel = {TPosition{-1, -1}, TPosition{-1, -1}};  // no add-on positions
    z.kalibrierung.formatAnwenden(f, "f.kvxdr");
    ASSERT_EQ(z.FileForPrint(tmp.datei("s.kv13")), std::nullopt);
    z.kalibrierung.setzeFeldZelle(1, 1, 1, "999");  // not saved: printing does not see it
    z.kalibrierung.felder().hori = "-5";            // the corrections are read from the fields
    z.kalibrierung.felder().vert = "3";
    z.kalibrierung.felder().nrX = "10";
    z.kalibrierung.felder().nrY = "20";
    z.optionen.nrDrucken = true;
    z.optionen.startNr = "";
    Druckbeginn b = z.druckBeginnen({100, 127, 645.16});
    ASSERT_TRUE(b.ablauf);
    EXPECT_EQ(z.optionen.ende, "1");
    ASSERT_EQ(b.ablauf->naechsterSchein(z.scheinangaben()), std::nullopt);
    const auto& m = b.ablauf->schein().marken;
    ASSERT_EQ(m.size(), 14u);
    EXPECT_EQ(m.front().punkt, (Markenpunkt{306, -373}));
    EXPECT_EQ(m.back(), (Druckmarke{Druckmarke::Art::Nummer, 0, 0, {10 - 5 - 39, 50 - 20 - 3}, "1"}));
}

}  // namespace
}  // namespace kv
