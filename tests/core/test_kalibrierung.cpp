// Calibration of the print window as plain logic: the detail transfer, the
// automatic filling, undo and deletion, and saving and reading formats with
// the window's empty-field rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Hilfen.h"
#include "Schreibpruefung.h"
#include "model/Records.h"
#include "print/Kalibrierung.h"

namespace kv {
namespace {

using test::TempOrdner;

// Answers every question with `antwort` and remembers the texts.
struct Fragen {
    Druckantwort antwort = Druckantwort::Ja;
    std::vector<std::string> gestellt;
    Rueckfrage rueckfrage() {
        return [this](const std::string& t) {
            gestellt.push_back(t);
            return antwort;
        };
    }
};

// The x and y columns of one field table as "x/y" texts, match 1..13.
std::vector<std::string> tabelle(const Kalibrierung& k, int feld) {
    std::vector<std::string> z;
    for (int m = 1; m <= kSpiele; ++m) z.push_back(k.feldZelle(feld, m, 1) + "/" + k.feldZelle(feld, m, 2));
    return z;
}

// Calibrated in one row from the presets (x of match 1 = 200 x field, y = 200).
Kalibrierung ausgefuellt() {
    Kalibrierung k;
    Fragen f;
    EXPECT_EQ(k.automatischAusfuellen(f.rueckfrage()), std::nullopt);
    EXPECT_TRUE(f.gestellt.empty());
    return k;
}

TEST(Kalibrierung, StartwerteDesFensters) {
    const Kalibrierung k;
    EXPECT_EQ(k.felderProReihe(), 6);
    EXPECT_EQ(k.felderProSchein(), 12);
    EXPECT_EQ(k.reihenText(), "Reihe");
    EXPECT_EQ(k.felder().abstandH, "76");
    EXPECT_EQ(k.felder().abstandV, "480");
    for (int f = 1; f <= 12; ++f) {
        EXPECT_EQ(k.feldZelle(f, 1, 1), std::to_string(200 * f));
        EXPECT_EQ(k.feldZelle(f, 1, 2), f == 1 ? "200" : "");
        EXPECT_EQ(k.feldZelle(f, 13, 0), "13");
        EXPECT_EQ(k.feldZelle(f, 2, 1), "");
    }
    EXPECT_FALSE(k.undoAktiv());
    EXPECT_EQ(k.undoText(), "Ausfüllen rückgängig");
    EXPECT_FALSE(k.extrahierenAktiv());
    EXPECT_FALSE(k.detailKomplett());
    EXPECT_EQ(k.format(), TScheinFormat{});
}

TEST(Kalibrierung, DetailtabelleImRasterDesFensters) {
    Kalibrierung k = ausgefuellt();
    ASSERT_EQ(k.extrahieren(), std::nullopt);
    struct Fall {
        int spalte, zeile;
        const char* text;
    } faelle[] = {
        {0, 0, "Spiel"},  {1, 0, "x/y"},    {2, 0, "  1"},  {3, 0, "  0"},     {4, 0, "  2"},
        {37, 0, "  2"},   {0, 1, "     1"}, {0, 2, ""},     {0, 17, "     9"}, {0, 19, "   10"},
        {0, 25, "   13"}, {1, 1, "  X"},    {1, 2, "  Y"},  {2, 1, "200"},     {3, 1, "238"},
        {4, 1, "276"},    {2, 2, "200"},    {4, 26, "680"}, {5, 1, "400"},     {37, 25, "2476"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(k.detailText(f.spalte, f.zeile), f.text) << f.spalte << "," << f.zeile;
    k.setzeDetailZelle(6, 4, "555");  // field 2, box 2, y of match 2
    EXPECT_EQ(k.detail(2, 2, 2, true), "555");
    EXPECT_EQ(Kalibrierung::detailGruppe(12), "Feld 12");
}

TEST(Kalibrierung, DetailTransferMitHalbemKaestchenAbstand) {
    struct Fall {
        const char* B;
        const char* box2;
        const char* box3;
    } faelle[] = {{"76", "388", "426"}, {"77", "389", "428"}, {"78", "389", "428"}, {"0", "350", "350"}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.B);
        Kalibrierung k = ausgefuellt();
        k.felder().abstandH = f.B;
        k.setzeFeldZelle(1, 1, 1, "350");
        k.setzeFeldZelle(1, 1, 2, "420");
        ASSERT_EQ(k.DetailTransfer(12), std::nullopt);
        EXPECT_TRUE(k.detailKomplett());
        EXPECT_EQ(k.detail(1, 1, 1, false), "350");
        EXPECT_EQ(k.detail(1, 1, 2, false), f.box2);
        EXPECT_EQ(k.detail(1, 1, 3, false), f.box3);
        for (int b = 1; b <= 3; ++b) EXPECT_EQ(k.detail(1, 1, b, true), "420");
    }
}

TEST(Kalibrierung, DetailTransferBrichtAb) {
    {
        SCOPED_TRACE("B leer");
        Kalibrierung k = ausgefuellt();
        ASSERT_EQ(k.DetailTransfer(12), std::nullopt);
        k.felder().abstandH = "";
        EXPECT_EQ(k.DetailTransfer(12),
                  (Druckmeldung{Meldungsart::Fehler,
                                "Bitte geben Sie den Kästchen-Abstand (B) ein. Ich muss abbrechen"}));
        EXPECT_FALSE(k.detailKomplett());
    }
    {
        SCOPED_TRACE("x fehlt in Feld 3, Spiel 5: was davor geschrieben wurde, bleibt");
        Kalibrierung k = ausgefuellt();
        k.setzeFeldZelle(3, 5, 1, "");
        EXPECT_EQ(
            k.DetailTransfer(12),
            (Druckmeldung{Meldungsart::Fehler, "Für das 3. Tippfeld fehlen Angaben.\r\rIch muss abbrechen"}));
        EXPECT_FALSE(k.detailKomplett());
        EXPECT_EQ(k.detail(3, 4, 3, false), "676");
        EXPECT_EQ(k.detail(3, 5, 1, false), "");
        EXPECT_EQ(k.detail(3, 5, 1, true), "360");
        EXPECT_EQ(k.detail(3, 6, 1, false), "");
    }
    {
        SCOPED_TRACE("ein leeres y wird ohne Prüfung übernommen");
        Kalibrierung k = ausgefuellt();
        k.setzeFeldZelle(2, 7, 2, "");
        EXPECT_EQ(k.DetailTransfer(12), std::nullopt);
        EXPECT_EQ(k.detail(2, 7, 3, true), "");
    }
    {
        SCOPED_TRACE("ein x, das keine Zahl ist");
        Kalibrierung k = ausgefuellt();
        k.setzeFeldZelle(4, 2, 1, "1-2");
        const auto m = k.DetailTransfer(12);
        ASSERT_TRUE(m.has_value());
        EXPECT_EQ(m->text,
                  "Im Feld X für Spiel 2 des 4. Tippfelds steht \"1-2\", das ist keine ganze Zahl.\r\rIch "
                  "muss abbrechen");
    }
}

TEST(Kalibrierung, ZeilenabstandAusCRundetHalbeZurGeradenZahl) {
    struct Fall {
        const char* C;
        int s;
    } faelle[] = {{"480", 40}, {"486", 40}, {"498", 42}, {"474", 40}, {"462", 38}, {"365", 30}, {"360", 30}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.C);
        Kalibrierung k;
        k.felder().abstandV = f.C;
        Fragen fr;
        ASSERT_EQ(k.automatischAusfuellen(fr.rueckfrage()), std::nullopt);
        EXPECT_TRUE(fr.gestellt.empty());
        for (int m = 1; m <= 13; ++m) EXPECT_EQ(k.feldZelle(5, m, 2), std::to_string(200 + (m - 1) * f.s));
    }
}

TEST(Kalibrierung, CUnter360FragtNach) {
    const std::string frage =
        "Der C-Wert, den Sie für den vertikalen Abstand zwischen den Kästchen für Spiel 1 und Spiel 13 "
        "angegeben "
        "haben, ist zu 99 % falsch.\r\rSind Sie sicher, dass 359 der korrekte Wert ist?.";
    struct Fall {
        const char* C;
        Druckantwort antwort;
        bool gefragt;
        bool gefuellt;
    } faelle[] = {
        {"359", Druckantwort::Ja, true, true},
        {"359", Druckantwort::Nein, true, false},
        {"359", Druckantwort::Abbrechen, true, false},
        {"360", Druckantwort::Nein, false, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.C) + " " + std::to_string(static_cast<int>(f.antwort)));
        Kalibrierung k;
        k.felder().abstandV = f.C;
        Fragen fr{f.antwort, {}};
        EXPECT_EQ(k.automatischAusfuellen(fr.rueckfrage()), std::nullopt);
        EXPECT_EQ(fr.gestellt, f.gefragt ? std::vector<std::string>{frage} : std::vector<std::string>{});
        EXPECT_EQ(k.feldZelle(1, 13, 2), f.gefuellt ? "560" : "");
        EXPECT_EQ(k.undoAktiv(), f.gefuellt);
        EXPECT_EQ(k.extrahierenAktiv(), f.gefuellt);
    }
}

TEST(Kalibrierung, EineReiheFuelltXNurWoMatch1EinXHat) {
    Kalibrierung k;
    for (int f = 1; f <= 12; ++f) k.setzeFeldZelle(f, 1, 1, "");
    k.setzeFeldZelle(3, 1, 1, "650");
    k.setzeFeldZelle(3, 4, 1, "655");  // typed by hand: stays
    k.setzeFeldZelle(7, 6, 2, "999");  // likewise
    Fragen fr;
    ASSERT_EQ(k.automatischAusfuellen(fr.rueckfrage()), std::nullopt);
    const std::vector<std::string> feld3 = {"650/200", "650/240", "650/280", "655/320", "650/360",
                                            "650/400", "650/440", "650/480", "650/520", "650/560",
                                            "650/600", "650/640", "650/680"};
    EXPECT_EQ(tabelle(k, 3), feld3);
    for (int f : {1, 2, 4, 7, 12}) {
        for (int m = 1; m <= 13; ++m) EXPECT_EQ(k.feldZelle(f, m, 1), "") << f << "/" << m;
        EXPECT_EQ(k.feldZelle(f, 13, 2), "680");
    }
    EXPECT_EQ(k.feldZelle(7, 6, 2), "999");
    EXPECT_EQ(k.feldZelle(7, 7, 2), "440");
}

TEST(Kalibrierung, ZweiReihenKopierenXInDieZweiteReihe) {
    Kalibrierung k;
    k.setzeAnordnung(1);
    EXPECT_EQ(k.reihenText(), "Reihen");
    k.setzeFeldZelle(8, 5, 1, "111");  // overwritten from field 2
    k.setzeFeldZelle(7, 1, 2, "");
    Fragen fr;
    const auto fehlt = k.automatischAusfuellen(fr.rueckfrage());
    EXPECT_EQ(fehlt,
              (Druckmeldung{Meldungsart::Hinweis,
                            "Für das automatische Ausfüllen benötige ich im Tippfeld 7 für Spiel 1 die "
                            "y-Koordinate.\r\rIch breche ab."}));
    EXPECT_FALSE(k.undoAktiv());
    EXPECT_EQ(k.feldZelle(1, 2, 1), "");

    k.setzeFeldZelle(7, 1, 2, "1500");
    k.setzeFeldZelle(11, 3, 1, "77");  // second row: overwritten from field 5
    ASSERT_EQ(k.automatischAusfuellen(fr.rueckfrage()), std::nullopt);
    for (int m = 1; m <= 13; ++m) {
        EXPECT_EQ(k.feldZelle(2, m, 1), "400");
        EXPECT_EQ(k.feldZelle(8, m, 1), "400");
        EXPECT_EQ(k.feldZelle(11, m, 1), "1000");
        EXPECT_EQ(k.feldZelle(3, m, 2), std::to_string(200 + 40 * (m - 1)));
        EXPECT_EQ(k.feldZelle(12, m, 2), std::to_string(1500 + 40 * (m - 1)));
    }

    // Four fields per row: fields 9..12 are not touched.
    Kalibrierung v;
    v.setzeAnordnung(1);
    v.setzeFelderProReihe(4);
    v.setzeFeldZelle(5, 1, 2, "1400");
    ASSERT_EQ(v.automatischAusfuellen(fr.rueckfrage()), std::nullopt);
    EXPECT_EQ(v.feldZelle(5, 13, 1), "200");
    EXPECT_EQ(v.feldZelle(8, 13, 2), "1880");
    EXPECT_EQ(v.feldZelle(9, 1, 1), "1800");
    EXPECT_EQ(v.feldZelle(9, 2, 1), "");
    EXPECT_EQ(v.feldZelle(9, 1, 2), "");
}

TEST(Kalibrierung, AusfuellenBrichtOhneCOderStartYAb) {
    Fragen fr;
    Kalibrierung k;
    k.felder().abstandV = "";
    EXPECT_EQ(k.automatischAusfuellen(fr.rueckfrage()),
              (Druckmeldung{
                  Meldungsart::Information,
                  "Bitte geben Sie als C-Wert den vertikalen Abstand zwischen den Kästchen für Spiel 1 und "
                  "Spiel 13 an.\r\rIch breche erst einmal ab."}));
    k.felder().abstandV = "480";
    k.setzeFeldZelle(1, 1, 2, "");
    EXPECT_EQ(k.automatischAusfuellen(fr.rueckfrage()),
              (Druckmeldung{Meldungsart::Hinweis,
                            "Für das automatische Ausfüllen benötige ich im ersten Tippdeld für Spiel 1 die "
                            "y-Koordinate.\r\rIch breche ab."}));
    EXPECT_EQ(k.feldZelle(1, 2, 1), "");
    EXPECT_FALSE(k.undoAktiv());
}

TEST(Kalibrierung, UndoNachAusfuellenUndNachLoeschen) {
    Kalibrierung k;
    k.setzeFeldZelle(2, 9, 1, "a,\"b c");  // any text survives the comma text
    k.setzeFeldZelle(5, 13, 0, "");        // an empty number cell too
    const Kalibrierung vorher = k;
    auto gleich = [](const Kalibrierung& a, const Kalibrierung& b) {
        for (int f = 1; f <= 12; ++f)
            for (int m = 1; m <= 13; ++m)
                for (int s = 0; s < 3; ++s)
                    if (a.feldZelle(f, m, s) != b.feldZelle(f, m, s)) return false;
        return true;
    };
    Fragen fr;
    ASSERT_EQ(k.automatischAusfuellen(fr.rueckfrage()), std::nullopt);
    EXPECT_EQ(k.undoText(), "Ausfüllen rückgängig");
    ASSERT_EQ(k.snapshot().size(), 156u);
    EXPECT_EQ(k.snapshot()[0], "1,200,200");
    EXPECT_EQ(k.snapshot()[1], "2,,");
    EXPECT_EQ(k.snapshot()[13], "1,400,");
    EXPECT_EQ(k.snapshot()[13 + 8], "9,\"a,\"\"b c\",");
    EXPECT_FALSE(gleich(k, vorher));
    k.undo();
    EXPECT_TRUE(gleich(k, vorher));
    EXPECT_FALSE(k.undoAktiv());
    // A second undo does nothing.
    k.setzeFeldZelle(1, 1, 1, "5");
    k.undo();
    EXPECT_EQ(k.feldZelle(1, 1, 1), "5");

    Kalibrierung g = ausgefuellt();
    const Kalibrierung gefuellt = g;
    g.felderLoeschen();
    EXPECT_EQ(g.undoText(), "Löschen rückgängig");
    EXPECT_TRUE(g.undoAktiv());
    EXPECT_FALSE(g.extrahierenAktiv());
    for (int f = 1; f <= 12; ++f)
        for (int m = 1; m <= 13; ++m) {
            EXPECT_EQ(g.feldZelle(f, m, 0), std::to_string(m));
            EXPECT_EQ(g.feldZelle(f, m, 1) + g.feldZelle(f, m, 2), "");
        }
    g.undo();
    EXPECT_TRUE(gleich(g, gefuellt));

    // Deleting one table takes no snapshot.
    g.feldLoeschen(4);
    EXPECT_EQ(tabelle(g, 4), std::vector<std::string>(13, "/"));
    EXPECT_FALSE(g.undoAktiv());
    EXPECT_EQ(g.feldZelle(5, 1, 1), "1000");
}

TEST(Kalibrierung, LeereFelderBeimSpeichernUndLesen) {
    TempOrdner tmp;
    const std::string pfad = tmp.datei("f.kvxdr");
    Kalibrierung k = ausgefuellt();
    ASSERT_EQ(k.extrahieren(), std::nullopt);
    // Saving after the extraction needs no B any more.
    Kalibrierfelder& f = k.felder();
    f.abstandH = f.abstandV = f.hori = f.vert = f.nrX = f.nrY = "";
    for (auto& spiel : f.zus)
        for (auto& antwort : spiel)
            for (auto& z : antwort) z = "";
    ASSERT_EQ(k.speichern(pfad), std::nullopt);
    const TScheinFormat leer = leseScheinformat(pfad);
    EXPECT_EQ(leer.B, 78);
    EXPECT_EQ(leer.C, 480);
    EXPECT_EQ(leer.Hori, 0);
    EXPECT_EQ(leer.Vert, 0);
    EXPECT_EQ(leer.Nr, (TPosition{-1, -1}));
    for (int g = 1; g <= 4; ++g)
        for (int j = 1; j <= 2; ++j) EXPECT_EQ(leer.zusatz(g, j), (TPosition{-1, -1})) << g << j;
    EXPECT_EQ(k.format(), leer);
    EXPECT_EQ(k.dateiStatus(), "Gespeichert: f.kvxdr");

    // Filled fields are stored as typed, a minus in front included.
    f.abstandH = "77";
    f.abstandV = "470";
    f.hori = "-5";
    f.vert = "3";
    f.nrX = "1900";
    f.nrY = "0";
    f.zusatz(2, 2, 1) = "310";
    ASSERT_EQ(k.speichern(pfad), std::nullopt);
    TScheinFormat voll = leseScheinformat(pfad);
    EXPECT_EQ(std::vector<int>({voll.B, voll.C, voll.Hori, voll.Vert, voll.Nr.x, voll.Nr.y}),
              std::vector<int>({77, 470, -5, 3, 1900, 0}));
    EXPECT_EQ(voll.zusatz(2, 2), (TPosition{310, -1}));

    // Reading back: -1 gives an empty field only where the window has an empty value.
    voll.Nr = {-1, 0};
    voll.B = -1;
    voll.Hori = -1;
    Kalibrierung r;
    r.formatAnwenden(voll, "g.kvxdr");
    EXPECT_EQ(r.felder().nrX, "");
    EXPECT_EQ(r.felder().nrY, "0");
    EXPECT_EQ(r.felder().abstandH, "-1");
    EXPECT_EQ(r.felder().hori, "-1");
    EXPECT_EQ(r.felder().zusatz(2, 2, 1), "310");
    EXPECT_EQ(r.felder().zusatz(2, 2, 2), "");
    EXPECT_EQ(r.felder().zusatz(1, 1, 1), "");
    EXPECT_EQ(r.dateiStatus(), "Geöffnet: g.kvxdr");
}

TEST(Kalibrierung, LesenFuelltDetailUndFeldtabellenDerFelderDesScheins) {
    TScheinFormat f;
    f.FelderProReihe = 4;
    f.Anordnung = 1;
    for (int feld = 1; feld <= 12; ++feld)
        for (int m = 1; m <= 13; ++m)
            for (int b = 1; b <= 3; ++b) f.kaestchen(feld, m, b) = {feld * 1000 + m * 10 + b, -(m * 10 + b)};
    Kalibrierung k = ausgefuellt();
    ASSERT_EQ(k.extrahieren(), std::nullopt);
    k.formatAnwenden(f, "f.kvxdr");
    EXPECT_EQ(k.felderProReihe(), 4);
    EXPECT_EQ(k.anordnung(), 1);
    EXPECT_FALSE(k.detailKomplett());
    EXPECT_FALSE(k.detailExtrahiert());
    EXPECT_EQ(k.detail(8, 13, 3, false), "8133");
    EXPECT_EQ(k.detail(8, 13, 3, true), "-133");
    EXPECT_EQ(k.detail(9, 1, 1, false), "");  // emptied, not filled beyond 8 fields
    EXPECT_EQ(k.feldZelle(8, 7, 1), "8071");
    EXPECT_EQ(k.feldZelle(8, 7, 2), "-71");
    EXPECT_EQ(k.feldZelle(9, 7, 1), "1800");  // tables beyond keep their contents
    EXPECT_EQ(k.feldZelle(9, 7, 2), "440");
}

TEST(Kalibrierung, VierFelderProReiheBehaltenFelder9Bis12) {
    TempOrdner tmp;
    TScheinFormat alt;
    alt.FelderProReihe = 6;
    alt.B = 76;
    alt.C = 480;
    for (int feld = 1; feld <= 12; ++feld)
        for (int m = 1; m <= 13; ++m)
            for (int b = 1; b <= 3; ++b) alt.kaestchen(feld, m, b) = {feld, m * b};
    Kalibrierung k;
    k.formatAnwenden(alt, "alt.kvxdr");
    k.setzeFelderProReihe(4);
    k.felderLoeschen();
    for (int feld = 1; feld <= 12; ++feld) k.setzeFeldZelle(feld, 1, 1, std::to_string(100 * feld));
    k.setzeFeldZelle(1, 1, 2, "200");
    Fragen fr;
    ASSERT_EQ(k.automatischAusfuellen(fr.rueckfrage()), std::nullopt);
    const std::string pfad = tmp.datei("vier.kvxdr");
    ASSERT_EQ(k.speichern(pfad), std::nullopt);  // runs the detail transfer for 8 fields
    const TScheinFormat neu = leseScheinformat(pfad);
    EXPECT_EQ(neu.FelderProReihe, 4);
    for (int feld = 1; feld <= 12; ++feld)
        for (int m = 1; m <= 13; ++m)
            for (int b = 1; b <= 3; ++b) {
                const TPosition erwartet = feld <= 8
                                               ? TPosition{100 * feld + (b - 1) * 38, 200 + (m - 1) * 40}
                                               : alt.kaestchen(feld, m, b);
                ASSERT_EQ(neu.kaestchen(feld, m, b), erwartet) << feld << "/" << m << "/" << b;
            }
}

TEST(Kalibrierung, HandkorrekturNachDemExtrahierenUeberstehtDasSpeichern) {
    TempOrdner tmp;
    Kalibrierung k = ausgefuellt();
    ASSERT_EQ(k.extrahieren(), std::nullopt);
    k.setzeDetailZelle(3, 1, "241");  // field 1, box "0", x of match 1
    ASSERT_EQ(k.speichern(tmp.datei("a.kvxdr")), std::nullopt);
    EXPECT_EQ(k.format().kaestchen(1, 1, 2).x, 241);

    // Without the extraction saving transfers again and the correction is gone.
    Kalibrierung o = ausgefuellt();
    ASSERT_EQ(o.DetailTransfer(12), std::nullopt);
    o.setzeDetailZelle(3, 1, "241");
    ASSERT_EQ(o.speichern(tmp.datei("b.kvxdr")), std::nullopt);
    EXPECT_EQ(o.format().kaestchen(1, 1, 2).x, 238);
}

TEST(Kalibrierung, SpeichernVerweigertLeereUndFalscheZellen) {
    TempOrdner tmp;
    struct Fall {
        const char* name;
        void (*aendern)(Kalibrierung&);
        const char* meldung;
    } faelle[] = {
        {"leeres y im Feld, übernommen", [](Kalibrierung& k) { k.setzeFeldZelle(2, 7, 2, ""); },
         "Im 2. Tippfeld fehlt die y-Koordinate des Kästchens \"1\" von Spiel 7."},
        {"Detailzelle geleert",
         [](Kalibrierung& k) {
             ASSERT_EQ(k.extrahieren(), std::nullopt);
             k.setzeDetailZelle(2 + 3 * 4 + 1, 2 * 13 - 1, "");
         },
         "Im 5. Tippfeld fehlt die x-Koordinate des Kästchens \"0\" von Spiel 13."},
        {"Detailzelle keine Zahl",
         [](Kalibrierung& k) {
             ASSERT_EQ(k.extrahieren(), std::nullopt);
             k.setzeDetailZelle(2 + 3 * 11 + 2, 2, "12-");
         },
         "Im 12. Tippfeld ist die y-Koordinate des Kästchens \"2\" von Spiel 1 keine ganze Zahl: \"12-\"."},
        {"Korrektur nur Minus", [](Kalibrierung& k) { k.felder().vert = "-"; },
         "Im Feld \"vertikal:\" der Ausdruck-Korrektur steht \"-\", das ist keine ganze Zahl."},
        {"Zusatzfeld keine Zahl", [](Kalibrierung& k) { k.felder().zusatz(3, 2, 2) = "9x"; },
         "Im Feld \"y =\" für \"nein\" bei Joker1 steht \"9x\", das ist keine ganze Zahl."},
        {"fehlendes x", [](Kalibrierung& k) { k.setzeFeldZelle(6, 2, 1, ""); },
         "Für das 6. Tippfeld fehlen Angaben."},
        {"extrahiert, aber unvollständig",
         [](Kalibrierung& k) {
             k.setzeFeldZelle(6, 2, 1, "");
             ASSERT_TRUE(k.extrahieren().has_value());
         },
         "Die Tabelle der A-Werte ist nicht vollständig"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Kalibrierung k = ausgefuellt();
        const TScheinFormat vorher = k.format();
        f.aendern(k);
        const std::string pfad = tmp.datei("neu.kvxdr");
        test::schreibeRoh(pfad, "alt");
        const auto m = k.speichern(pfad);
        ASSERT_TRUE(m.has_value());
        EXPECT_EQ(m->art, Meldungsart::Fehler);
        EXPECT_NE(m->text.find(f.meldung), std::string::npos) << m->text;
        EXPECT_EQ(test::dateiInhalt(pfad), "alt");
        EXPECT_EQ(k.format(), vorher);
        EXPECT_EQ(k.dateiStatus(), "");
    }
}

TEST(Kalibrierung, SchreibfehlerBehaeltDasAktuelleFormat) {
    TempOrdner tmp;
    Kalibrierung k = ausgefuellt();
    const auto m = k.speichern(tmp.datei("fehlt/f.kvxdr"));
    ASSERT_TRUE(m.has_value());
    EXPECT_NE(m->text.find("fehlt/f.kvxdr"), std::string::npos) << m->text;
    EXPECT_EQ(k.format(), TScheinFormat{});
    EXPECT_TRUE(test::eintraege(tmp.pfad()).empty());
}

}  // namespace
}  // namespace kv
