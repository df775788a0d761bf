// Drafts of unsaved work: the draft file, the parts of the normal slip
// window and of the print window's calibration, and what counts as a changed
// calibration.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "Hilfen.h"
#include "Schreibpruefung.h"
#include "eingabe/Entwurf.h"
#include "eingabe/Normalscheinentwurf.h"
#include "io/Datei.h"
#include "print/Druckfenster.h"
#include "settings/Einstellungen.h"

namespace kv {
namespace {

using test::feldAus;
using test::TempOrdner;
using test::tw;

TEST(Entwurf, DateiHinUndZurueck) {
    TempOrdner tmp;
    const std::string pfad = tmp.datei(kEntwurfDatei);
    EXPECT_EQ(leseEntwurf(pfad), std::nullopt);
    const Entwurf e{1773500820, {{"Systemschein", std::string("a\0b", 3)}, {"Druckformat", ""}}};
    schreibeEntwurf(pfad, e);
    EXPECT_EQ(leseEntwurf(pfad), e);
    EXPECT_EQ(test::eintraege(tmp.pfad()), std::set<std::string>{kEntwurfDatei});

    // every shorter piece, a byte more, another file: refused, naming the file
    const std::string bytes = test::dateiInhalt(pfad);
    for (std::size_t n = 0; n < bytes.size(); ++n)
        EXPECT_THROW(entwurfAusBytes(bytes.substr(0, n), "x"), UngueltigeDatei) << n;
    EXPECT_THROW(entwurfAusBytes(bytes + "!", "x"), UngueltigeDatei);
    test::schreibeRoh(tmp.datei("fremd"), "KALVENDO-ENTWURX" + bytes.substr(16));
    try {
        leseEntwurf(tmp.datei("fremd"));
        ADD_FAILURE() << "nicht abgelehnt";
    } catch (const UngueltigeDatei& f) {
        EXPECT_NE(std::string(f.what()).find("fremd"), std::string::npos) << f.what();
    }
}

TEST(Entwurf, FrageNenntDatumUndUhrzeit) {
    const char* alt = std::getenv("TZ");
    const std::string vorher = alt ? alt : "";
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(entwurfFrage(entwurfZeit(1773500820)),
              "Nicht gespeicherte Eingaben vom 14.03.2026 um 15:07 Uhr wiederherstellen?");
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);  // no time zone files needed
    tzset();
    EXPECT_EQ(entwurfZeit(1773500820), "14.03.2026 um 16:07 Uhr");
    if (alt)
        setenv("TZ", vorher.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

Reihenliste dreiReihen() {
    Reihenliste l;
    l.auflisten(Feld(feldAus({"102", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "2"})),
                Reihenfilter{{13, 13, 13}, false});
    return l;
}

TEST(Normalscheinentwurf, SpielplanListeUndVorschlagZurueck) {
    Spielplanraster r;
    r.setzeSpaltenAnzahl(5);
    r.setzeZelle(1, 1, "Heim");
    r.setzeZelle(4, 13, "5 - 3 - 2");
    TendenzWerte t{};
    t[2] = tw(5, 3, 2);
    const Reihenliste liste = dreiReihen();
    Zeilentext z;
    z.zeigeListe(&liste);
    z.ersetzen(1, 1, {"von Hand", ""});

    NormalscheinTeile teile;
    teile.raster = &r;
    teile.dateiLabel = "Gespeichert in: tag.sp13";
    teile.tendenzen = t;
    teile.vorschlagFrei = true;
    teile.feld = feldAus({"102", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "2"});
    teile.liste = &liste;
    teile.zeilen = &z;
    const std::string bytes = normalscheinentwurf(teile);

    const Normalscheinentwurf e = normalscheinentwurfLesen(bytes);
    ASSERT_TRUE(e.mitSpielplan);
    EXPECT_EQ(e.raster.spaltenAnzahl(), 5);
    EXPECT_EQ(e.raster.zelle(1, 1), "Heim");
    EXPECT_EQ(e.raster.zelle(4, 13), "5 - 3 - 2");
    EXPECT_EQ(e.dateiLabel, "Gespeichert in: tag.sp13");
    EXPECT_EQ(e.tendenzen, t);
    EXPECT_TRUE(e.vorschlagFrei);
    EXPECT_EQ(e.feld, teile.feld);
    ASSERT_TRUE(e.mitListe);
    EXPECT_EQ(e.liste.reihen(), liste.reihen());
    Zeilentext wieder;
    Entwurfsleser zl(e.zeilen);
    wieder.entwurfLesen(&e.liste, zl);
    EXPECT_EQ(wieder.text(), z.text());
    EXPECT_TRUE(wieder.ungesichert());

    // only the field: neither grid nor list come back
    NormalscheinTeile nurFeld;
    nurFeld.feld = teile.feld;
    const Normalscheinentwurf f = normalscheinentwurfLesen(normalscheinentwurf(nurFeld));
    EXPECT_FALSE(f.mitSpielplan);
    EXPECT_FALSE(f.mitListe);
    EXPECT_EQ(f.feld, teile.feld);

    for (std::size_t n = 0; n < bytes.size(); n += 7)
        EXPECT_THROW(normalscheinentwurfLesen(bytes.substr(0, n)), UngueltigeDatei) << n;
}

TEST(Normalscheinentwurf, KeineReiheOhneGenauEinenTippJeSpiel) {
    NormalscheinTeile teile;
    Reihenliste liste = dreiReihen();
    Zeilentext z;
    z.zeigeListe(&liste);
    teile.liste = &liste;
    teile.zeilen = &z;
    std::string bytes = normalscheinentwurf(teile);
    // the first row gets a second tip on match 1: bits 1 and 2 of its first byte
    const std::size_t reihe = 1 + 40 + 1 + 8;
    bytes[reihe] = static_cast<char>(bytes[reihe] | 0x06);
    EXPECT_THROW(normalscheinentwurfLesen(bytes), UngueltigeDatei);
}

// The calibration counts as changed where a save would write something other
// than the format last read or saved.
TEST(Kalibrierung, GeaendertWoDasSpeichernAnderesSchriebe) {
    TempOrdner tmp;
    Kalibrierung k;
    EXPECT_FALSE(k.geaendert());
    k.felder().hori = "-5";
    EXPECT_TRUE(k.geaendert());
    k.felder().hori = "";
    EXPECT_FALSE(k.geaendert());
    k.setzeFeldZelle(3, 2, 1, "700");
    EXPECT_TRUE(k.geaendert());
    ASSERT_EQ(k.automatischAusfuellen([](const std::string&) { return Druckantwort::Ja; }), std::nullopt);
    ASSERT_EQ(k.speichern(tmp.datei("f.kvxdr")), std::nullopt);
    EXPECT_FALSE(k.geaendert());

    // an extracted detail table is saved as it is: a hand correction counts
    ASSERT_EQ(k.extrahieren(), std::nullopt);
    EXPECT_FALSE(k.geaendert());  // the same boxes as saved
    k.setzeDetailZelle(3, 1, "391");
    EXPECT_TRUE(k.geaendert());
    // an emptied detail table (a new detail window) is filled anew by saving
    k.detailLeeren();
    EXPECT_FALSE(k.geaendert());

    k.setzeAnordnung(1);
    k.setzeFelderProReihe(4);
    k.felder().zusatz(2, 1, 2) = "33";
    EXPECT_TRUE(k.geaendert());
    k.aenderungenVerwerfen();
    EXPECT_FALSE(k.geaendert());
    EXPECT_EQ(k.anordnung(), 0);
    EXPECT_EQ(k.felderProReihe(), 6);
    EXPECT_EQ(k.felder().zusatz(2, 1, 2), "");

    ASSERT_EQ(k.FormatEinlesen(tmp.datei("f.kvxdr")), std::nullopt);
    EXPECT_FALSE(k.geaendert());
}

TEST(Kalibrierung, EntwurfBringtAllesZurueckAusserDemAktuellenFormat) {
    TempOrdner tmp;
    Kalibrierung k;
    ASSERT_EQ(k.automatischAusfuellen([](const std::string&) { return Druckantwort::Ja; }), std::nullopt);
    ASSERT_EQ(k.speichern(tmp.datei("f.kvxdr")), std::nullopt);
    ASSERT_EQ(k.extrahieren(), std::nullopt);
    k.setzeDetailZelle(4, 3, "999");
    k.felderLoeschen();
    k.setzeFeldZelle(1, 1, 1, "250");
    k.felder().abstandH = "77";
    k.felder().zusatz(4, 2, 1) = "1234";
    k.setzeAnordnung(1);
    const std::string bytes = k.entwurf();

    Kalibrierung neu;
    neu.entwurfAnwenden(bytes);
    EXPECT_EQ(neu.felder(), k.felder());
    EXPECT_EQ(neu.anordnung(), 1);
    for (int f = 1; f <= kMaxFelder; ++f)
        for (int z = 1; z <= kSpiele; ++z)
            for (int s = 0; s < Kalibrierung::kFeldSpalten; ++s)
                EXPECT_EQ(neu.feldZelle(f, z, s), k.feldZelle(f, z, s));
    for (int z = 0; z < Kalibrierung::kDetailZeilen; ++z)
        for (int s = 0; s < Kalibrierung::kDetailSpalten; ++s)
            EXPECT_EQ(neu.detailText(s, z), k.detailText(s, z));
    EXPECT_TRUE(neu.detailExtrahiert());
    EXPECT_EQ(neu.undoText(), "Löschen rückgängig");
    EXPECT_TRUE(neu.undoAktiv());
    EXPECT_EQ(neu.snapshot(), k.snapshot());
    EXPECT_EQ(neu.dateiStatus(), "Gespeichert: f.kvxdr");
    EXPECT_TRUE(neu.geaendert());
    EXPECT_EQ(neu.format(), TScheinFormat{});  // printing still uses what was read or saved

    const std::string vorher = neu.entwurf();
    for (std::size_t n = 0; n < bytes.size(); n += 97)
        EXPECT_THROW(neu.entwurfAnwenden(bytes.substr(0, n)), UngueltigeDatei);
    EXPECT_EQ(neu.entwurf(), vorher);
}

// Showing the window reads the format again: what it shows then counts as
// saved; unsaved changes the showing kept (no format read) stay changed.
TEST(Druckfenster, ZeigenLiestDasFormatUndMerktEsAlsGesichert) {
    TempOrdner tmp;
    IniDatei ini(tmp.datei("Einstellungen.ini"));
    Druckfenster z;
    ASSERT_EQ(z.kalibrierung.automatischAusfuellen([](const std::string&) { return Druckantwort::Ja; }),
              std::nullopt);
    ASSERT_EQ(z.scheinformatSpeichern(tmp.datei("f.kvxdr"), ini), std::nullopt);
    schreibe(ini, einst::kDruckReihen, 1);  // the arrangement of the settings wins over the format's
    ASSERT_EQ(z.FormShow(ini), std::nullopt);
    EXPECT_EQ(z.kalibrierung.anordnung(), 1);
    EXPECT_FALSE(z.kalibrierung.geaendert());

    z.kalibrierung.felder().vert = "12";
    ASSERT_EQ(z.FormShow(ini, false), std::nullopt);  // kept
    EXPECT_EQ(z.kalibrierung.felder().vert, "12");
    EXPECT_TRUE(z.kalibrierung.geaendert());
    ASSERT_EQ(z.FormShow(ini), std::nullopt);  // read again
    EXPECT_EQ(z.kalibrierung.felder().vert, "0");
    EXPECT_FALSE(z.kalibrierung.geaendert());

    // no format to read: the changes stay changed
    schreibe(ini, einst::kDruckFormatdatei, std::string());
    z.kalibrierung.felder().nrX = "5";
    ASSERT_EQ(z.FormShow(ini), std::nullopt);
    EXPECT_TRUE(z.kalibrierung.geaendert());
}

}  // namespace
}  // namespace kv
