#include "Cli.h"

#include "Angaben.h"
#include "Ausgabe.h"
#include "Chances.h"
#include "Guarantee.h"
#include "ImportFixtures.h"
#include "ImportRows.h"
#include "PrintPlan.h"
#include "Reduce.h"
#include "Suggest.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <new>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Version.h"
#include "evaluation/Auswertung.h"
#include "io/Datei.h"
#include "model/Cp1252.h"
#include "model/Schein.h"
#include "model/Spielscheindatei.h"
#include "model/Spielstandsdatei.h"
#include "textexport/Reihentext.h"
#include "transfer/Reihenerkennung.h"

namespace kv::cli {

namespace {

const char* const kHilfe =
    "Aufruf: kalvendo-cli BEFEHL [OPTIONEN] DATEI...\n"
    "\n"
    "Befehle:\n"
    "  expand DATEI.kv13\n"
    "      Schreibt jede Tippreihe jedes Feldes (Felder in Dateireihenfolge, Reihen in\n"
    "      Erzeugungsreihenfolge), eine Zeile je Reihe: die 13 Tipps durch Kommas\n"
    "      getrennt (1,0,2,...), jede Zeile mit CR LF abgeschlossen.\n"
    "\n"
    "  evaluate --result ZIFFERN [--finished LISTE] --json DATEI.kv13...\n"
    "  evaluate --scores DATEI.spst --json DATEI.kv13...\n"
    "      Wertet jeden Spielschein wie einen Schein der rechten Tabelle aus und gibt\n"
    "      JSON aus: {\"slips\":[{\"file\":NAME,\"fields\":F,\"rows\":N,\n"
    "      \"classes\":[C13,C12,C11,C10],\"hits\":[C9,C8,C7,C6,C5],\"chances\":[K0,K1,K2,K3]},...]}\n"
    "      ZIFFERN: 13 Zeichen aus 1, 0 und 2, die Gewinntendenzen der Spiele 1 bis 13.\n"
    "      LISTE:   die beendeten Spiele, z. B. 1-5,7, oder all oder none (Vorgabe none).\n"
    "      --scores: Gewinnreihe und beendete Spiele aus einer Spielstand-Datei; Spiele\n"
    "      nach ihrem letzten Datensatz stehen 0:0 und sind nicht beendet.\n"
    "\n"
    "  evaluate --result ZIFFERN [--finished LISTE] --rows DATEI.kv13\n"
    "      Eine Zeile je Reihe: Zeilennummer, TAB, die 13 Tipps ohne Trenner, TAB,\n"
    "      Treffer, TAB, Chance (13 - Fehltipps unter den beendeten Spielen, oder ---).\n"
    "\n"
    "  info DATEI.kv13\n"
    "      Eine Zeile je Feld: Nummer, System (VEW-Name oder no), Zweiwege, Dreiwege,\n"
    "      Reihen, durch TAB getrennt.\n"
    "\n"
    "  import-rows TEXTDATEI -o AUSGABE.kv13\n"
    "      Erkennt Tippreihen in einer Textdatei wie das Transfer-Tool (Zeilen ohne\n"
    "      Tippreihe werden übersprungen), schreibt sie als Spielschein-Datei und gibt\n"
    "      die Zahl der geschriebenen Reihen aus. Ohne erkannte Tippreihe wird nichts\n"
    "      geschrieben (Rückgabewert 2).\n"
    "\n"
    "  import-fixtures TEXTDATEI [-o AUSGABE.sp13]\n"
    "      Liest eine eingefügte Spielplan-Tabelle wie \"Daten auslesen\" und gibt je\n"
    "      Spiel 1 bis 13 eine Zeile aus: Nummer, TAB, Heim, TAB, Gast, TAB, Tendenztext,\n"
    "      TAB, die Tendenzpunkte Heim,Remis,Gast oder - ohne lesbare Tendenz; danach\n"
    "      found N (die Zahl der gelesenen Tendenzen). Heim, Gast und Tendenztext sind\n"
    "      die übernommenen Spalten in ihrer Reihenfolge. Mit -o wird der Spielplan\n"
    "      gespeichert wie mit \"Begegnungen speichern...\". Meldungen des Einlesens:\n"
    "      Rückgabewert 2.\n"
    "\n"
    "  print-plan FORMAT.kvxdr DATEI.kv13 [--start A] [--end B] [--offsets OX,OY,DPI]\n"
    "             [--correction H,V] [--zusatz FLAGS] [--number K]\n"
    "      Der Ausdruck des Druckfensters ohne Drucker, jede Frage mit \"Ja\" beantwortet:\n"
    "      eine Zeile je Kreuz in Zeichenreihenfolge: Papierschein, Feld, Spiel (bei\n"
    "      Zusatzspielen - und zusatz1 bis zusatz4, bei der Schein-Nummer - und nr), X, Y\n"
    "      (Seitensystem des Ausdrucks in 0,1 mm, y nach oben), Text; durch TAB getrennt.\n"
    "      A, B: erste und letzte Tippreihe (Vorgabe 1 und die letzte Reihe).\n"
    "      --offsets: die physischen Ränder des Druckers links und oben in Geräte-Einheiten\n"
    "      und seine Auflösung in dpi (Vorgabe: keine Ränder).\n"
    "      --correction: Ausdruck-Korrektur H,V in 0,1 mm statt der des Formats.\n"
    "      --zusatz: vier Ziffern 0/1, \"ja\" für Spiel77, Super6, Joker1, Joker2 (Vorgabe 0000).\n"
    "      --number: \"Nr. drucken\" mit der Start-Nummer K.\n"
    "\n"
    "  guarantee DATEI.kv13\n"
    "      Garantie-Analyse: für jeden Ausgang (eine Gewinnreihe) die meisten Richtigen,\n"
    "      die eine Reihe des Spielscheins erreicht, gezählt über alle 3^13 Ausgänge und\n"
    "      über die Ausgänge jedes Feldes (alle Ergebnisse innerhalb seiner Tipps):\n"
    "      {\"all\":{\"best\":[N13,N12,N11,N10,N9],\"guarantee\":G},\"fields\":[{...},...]}\n"
    "      N13..N10: Ausgänge mit 13, 12, 11, 10 Richtigen in der besten Reihe, N9: mit\n"
    "      höchstens 9; G: die garantierten Richtigen (null für ein Feld ohne Ausgang).\n"
    "      Ein Spielschein ohne Tippreihe wird abgewiesen (Rückgabewert 2).\n"
    "\n"
    "  reduce --tips TIPPS --radius R [--seed S] -o AUSGABE.kv13\n"
    "      Garantie-Reduzierung eines Feldes: TIPPS sind 13 durch Kommas getrennte\n"
    "      Gruppen aus 1, 0 und 2 (z. B. 10,1,102,2,1,1,1,1,1,1,1,1,1). Schreibt Reihen\n"
    "      innerhalb des Feldes, von denen bei jedem Ergebnis innerhalb seiner Tipps eine\n"
    "      13 - R Richtige hat (R = 1: 12 Richtige, R = 2: 11 Richtige), als Felder mit je\n"
    "      einer Reihe und gibt ihre Zahl aus. S (Vorgabe 1) wählt die Suche; gleiche\n"
    "      Eingaben ergeben gleiche Reihen.\n"
    "\n"
    "  suggest SPIELPLAN.sp13 [--thresholds 2,3,3] [--only 000] [--filter 8,5,5|off] [--rows]\n"
    "      Der Tippvorschlag des Normalschein-Fensters aus den Tendenzen eines\n"
    "      Spielplans: eine Zeile mit den 13 Tippgruppen in Spaltenfolge, durch Kommas\n"
    "      getrennt (1,10,2,...; leer für ein Spiel ohne Tipp), dann rows N (die Reihen\n"
    "      des Feldes) und listed M (nach dem Filter). --thresholds: die Schwellen für\n"
    "      1, 0 und 2 (je 2 bis 7); --only: die Kästchen \"nur\" für 1, 0 und 2 (0 oder\n"
    "      1); --filter: höchstens so viele 1er, 0er und 2er je Reihe (je 1 bis 13)\n"
    "      oder off. Die Vorgaben sind die Startwerte des Fensters. --rows gibt danach\n"
    "      die gelisteten Reihen im Format der Text-Datei aus (1,0,2,... mit CR LF).\n"
    "      Spiele ohne lesbare Tendenz im Spielplan haben 0 Punkte.\n"
    "\n"
    "  chances DATEI.kv13 (--tendencies T | --fixtures SPIELPLAN.sp13)\n"
    "          [--result ZIFFERN [--finished LISTE]] [--stake CENT] [--json]\n"
    "      Wie wahrscheinlich jede Gewinnklasse ist: je Klasse I bis IV (13, 12, 11, 10\n"
    "      Richtige) die Wahrscheinlichkeit, dass mindestens eine Reihe so viele oder\n"
    "      mehr Richtige hat, und die erwartete Zahl der Reihen mit genau so vielen.\n"
    "      Ein offenes Spiel endet mit Heim/10, Remis/10, Gast/10 seiner Tendenz (ohne\n"
    "      Tendenz je 1/3), ein beendetes mit seinem Ergebnis. T: 13 durch Kommas\n"
    "      getrennte Angaben, je - (keine Tendenz) oder drei Ziffern mit Bindestrichen\n"
    "      (5-3-2; Remis = 10 - Heim - Gast, die mittlere Ziffer zählt nicht).\n"
    "      --fixtures: die Tendenzen eines Spielplans; eine unlesbare heißt keine.\n"
    "      ZIFFERN und LISTE wie bei evaluate; ohne --result ist kein Spiel beendet.\n"
    "      CENT: der Einsatz je Reihe (Vorgabe 50). --json: {\"rows\": R,\n"
    "      \"stake_cents\": R*CENT, \"classes\": [{\"class\": \"I\", \"hits\": 13,\n"
    "      \"at_least\": P, \"expected_rows\": E}, ...]}, Zahlen auf 17 Stellen genau.\n"
    "\n"
    "  --help\n"
    "      Diese Hilfe.\n"
    "\n"
    "  --version\n"
    "      Gibt den Programmnamen und die Version aus.\n"
    "\n"
    "Eine leere Spielschein-Datei ist ein Schein ohne Felder.\n"
    "Rückgabewert: 0 in Ordnung, 1 Datei oder Ausgabe nicht les- oder schreibbar,\n"
    "2 ungültige Eingabe (unbekannter Befehl, falsche ZIFFERN, LISTE, TIPPS, R oder S,\n"
    "ungültiger Spielschein oder ungültiges Schein-Format, Ende vor Start, nichts zu\n"
    "drucken, bei guarantee ein Spielschein ohne Tippreihe, bei chances eine ungültige\n"
    "Tendenz oder ein ungültiger Einsatz).\n";

void jsonEscape(std::string& o, char32_t zeichen) {
    static const char* hex = "0123456789abcdef";
    o += "\\u";
    for (int schiebe = 12; schiebe >= 0; schiebe -= 4) o += hex[(zeichen >> schiebe) & 15];
}

// A JSON string of a file name. Names are bytes: a byte that is not part of
// valid UTF-8 is taken as its Windows-1252 character (the five bytes the code
// page leaves open as the control character of the same number), so the
// output always parses and an old "März" still reads as such.
std::string jsonText(const std::string& s) {
    std::string o = "\"";
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t n = zeichenLaenge(s, i);
        if (c >= 0x80 && n == 1) {
            const char32_t z = kCp1252Tabelle[c];
            jsonEscape(o, z == U'\uFFFD' ? c : z);
        } else if (c == '"' || c == '\\') {
            o += '\\';
            o += static_cast<char>(c);
        } else if (c < 0x20) {
            jsonEscape(o, c);
        } else {
            o.append(s, i, n);
        }
        i += n;
    }
    return o + "\"";
}

int benutzung(std::ostream& err, const std::string& text) {
    err << "kalvendo-cli: " << text << "\nHilfe: kalvendo-cli --help\n";
    return kEingabeFehler;
}

// Writes the text rows in large blocks; stops at the first failed write.
// A row writes at most kZeile bytes at stelle() and hands back its end.
class Puffer {
  public:
    static constexpr std::size_t kZeile = 128;
    explicit Puffer(std::ostream& out) : out_(out), text_(kBlock + kZeile) {}
    char* stelle() { return text_.data() + n_; }
    void weiter(char* ende) {
        n_ = static_cast<std::size_t>(ende - text_.data());
        if (n_ >= kBlock) leeren();
    }
    void leeren() {
        schreibe(out_, std::string_view(text_.data(), n_));
        n_ = 0;
    }

  private:
    static constexpr std::size_t kBlock = 1 << 20;
    std::ostream& out_;
    std::vector<char> text_;
    std::size_t n_ = 0;
};

int expand(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 2) return benutzung(err, "expand erwartet genau eine Spielschein-Datei.");
    Schein schein;
    if (auto f = lies(a[1], schein)) return melde(err, *f);
    // a match without a cross shows the character of column 0
    const Reihenzeichen zeichen(',', zeichenVonSpalte(0));
    Puffer p(out);
    schein.fuerJedeReihe([&](Reihe r) {
        char* q = zeichen.schreibe(r, p.stelle());
        *q++ = '\r';
        *q++ = '\n';
        p.weiter(q);
    });
    p.leeren();
    return kOk;
}

int info(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 2) return benutzung(err, "info erwartet genau eine Spielschein-Datei.");
    Schein schein;
    if (auto f = lies(a[1], schein)) return melde(err, *f);
    std::size_t i = 0;
    schein.fuerJedesFeld([&](const Feld& feld) {
        out << ++i << '\t' << (feld.istVew() ? VewSysteme[feld.system()].Name : "no") << '\t'
            << zweiwege(feld.daten()) << '\t' << dreiwege(feld.daten()) << '\t' << feld.reihenAnzahl()
            << '\n';
    });
    return kOk;
}

void zeilenAusgeben(const Schein& schein, const Auswertung& aw, std::ostream& out) {
    const Reihe W = aw.lage().gewinnmenge(), F = aw.lage().beendetMenge();
    const int nF = aw.lage().beendetAnzahl();
    const Reihenzeichen ziffern(0, '?');  // as reiheZiffern()
    Zeilennummer nummer;
    Puffer p(out);
    auto zahl = [](char* q, int n) {  // 0..13
        if (n >= 10) {
            *q++ = '1';
            n -= 10;
        }
        *q++ = static_cast<char>('0' + n);
        return q;
    };
    schein.fuerJedeReihe([&](Reihe r) {
        char* q = nummer.naechste(p.stelle());
        *q++ = '\t';
        q = ziffern.schreibe(r, q);
        *q++ = '\t';
        q = zahl(q, treffer(r, W));
        *q++ = '\t';
        const int x = nF - treffer(r, F);
        if (x <= 3) {
            q = zahl(q, kSpiele - x);
        } else {
            std::memcpy(q, "---", 3);
            q += 3;
        }
        *q++ = '\n';
        p.weiter(q);
    });
    p.leeren();
}

int evaluate(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    std::optional<std::string> ergebnis, beendet, spielstand;
    enum class Art { keine, json, zeilen } art = Art::keine;
    std::vector<std::string> dateien;
    for (std::size_t i = 1; i < a.size(); ++i) {
        const std::string& o = a[i];
        auto wert = [&](std::optional<std::string>& ziel) {
            if (i + 1 >= a.size()) return false;
            ziel = a[++i];
            return true;
        };
        if (o == "--result") {
            if (!wert(ergebnis)) return benutzung(err, "--result braucht 13 Ziffern.");
        } else if (o == "--finished") {
            if (!wert(beendet)) return benutzung(err, "--finished braucht eine Liste von Spielen.");
        } else if (o == "--scores") {
            if (!wert(spielstand)) return benutzung(err, "--scores braucht eine Spielstand-Datei.");
        } else if (o == "--json" || o == "--rows") {
            const Art neu = o == "--json" ? Art::json : Art::zeilen;
            if (art != Art::keine && art != neu)
                return benutzung(err, "--json und --rows schließen sich aus.");
            art = neu;
        } else if (o.size() > 1 && o[0] == '-') {
            return benutzung(err, "Unbekannte Option " + o + ".");
        } else {
            dateien.push_back(o);
        }
    }
    if (art == Art::keine) return benutzung(err, "evaluate braucht --json oder --rows.");
    if (ergebnis.has_value() == spielstand.has_value())
        return benutzung(err, "evaluate braucht entweder --result oder --scores.");
    if (spielstand && beendet) return benutzung(err, "--finished gehört zu --result, nicht zu --scores.");
    if (dateien.empty()) return benutzung(err, "Keine Spielschein-Datei angegeben.");
    if (art == Art::zeilen && dateien.size() != 1)
        return benutzung(err, "--rows erwartet genau eine Spielschein-Datei.");

    Ergebnislage lage;
    if (ergebnis) {
        if (const auto fehler = ergebnisLesen(*ergebnis, beendet, lage)) return benutzung(err, *fehler);
    } else {
        Spielstaende st{};
        try {
            leseSpielstaende(*spielstand, st);
        } catch (const DateiFehler& e) {
            return melde(err, {kEaFehler, e.what()});
        }
        for (int m = 1; m <= kSpiele; ++m) {
            lage.gewinnreihe[m - 1] = static_cast<std::uint8_t>(tendenz(st[m - 1].Heim, st[m - 1].Gast));
            if (st[m - 1].Beendet) lage.beendet = static_cast<std::uint16_t>(lage.beendet | (1u << (m - 1)));
        }
    }

    int status = kOk;
    if (art == Art::zeilen) {
        Schein schein;
        if (auto f = lies(dateien[0], schein)) return melde(err, *f);
        zeilenAusgeben(schein, Auswertung(schein, lage, true), out);
        return kOk;
    }
    out << "{\"slips\":[";
    bool erster = true;
    for (const auto& d : dateien) {
        Schein schein;
        std::optional<Auswertung> aw;
        auto f = lies(d, schein);
        if (!f) {
            try {
                aw.emplace(schein, lage, true);
            } catch (const std::bad_alloc&) {
                f = zuWenigSpeicher(d, "ausgewertet");
            }
        }
        if (f) {
            status = std::max(status, melde(err, *f));
            continue;
        }
        const auto& C = aw->C();
        const auto& K = aw->K();
        out << (erster ? "" : ",") << "{\"file\":" << jsonText(dateiName(d))
            << ",\"fields\":" << schein.feldAnzahl() << ",\"rows\":" << schein.zeilen() << ",\"classes\":["
            << C[13] << ',' << C[12] << ',' << C[11] << ',' << C[10] << "],\"hits\":[" << C[9] << ',' << C[8]
            << ',' << C[7] << ',' << C[6] << ',' << C[5] << "],\"chances\":[" << K[0] << ',' << K[1] << ','
            << K[2] << ',' << K[3] << "]}";
        erster = false;
    }
    out << "]}\n";
    return status;
}

}  // namespace

namespace {

int befehlAusfuehren(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << kHilfe;
        return kEingabeFehler;
    }
    const std::string& befehl = args[0];
    if (befehl == "--help" || befehl == "-h" || befehl == "help") {
        out << kHilfe;
        return kOk;
    }
    if (befehl == "--version") {
        out << "kalvendo-cli " << kVersion << "\n";
        return kOk;
    }
    if (befehl == "expand") return expand(args, out, err);
    if (befehl == "evaluate") return evaluate(args, out, err);
    if (befehl == "info") return info(args, out, err);
    if (befehl == "import-rows") return importRows(args, out, err);
    if (befehl == "import-fixtures") return importFixtures(args, out, err);
    if (befehl == "print-plan") return printPlan(args, out, err);
    if (befehl == "guarantee") return guarantee(args, out, err);
    if (befehl == "reduce") return reduce(args, out, err);
    if (befehl == "suggest") return suggest(args, out, err);
    if (befehl == "chances") return chances(args, out, err);
    return benutzung(err, "Unbekannter Befehl " + befehl + ".");
}

}  // namespace

int ausfuehren(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    int status = kEaFehler;
    try {
        status = befehlAusfuehren(args, out, err);
        abschliessen(out);
        return status;
    } catch (const AusgabeFehler& e) {
        err << "kalvendo-cli: " << e.what() << "\n";
        return std::max(status, kEaFehler);
    } catch (const std::bad_alloc&) {
        err << "kalvendo-cli: " << systemFehlerText(ENOMEM) << ", der Befehl wurde abgebrochen.\n";
        return kEaFehler;
    }
}

}  // namespace kv::cli
