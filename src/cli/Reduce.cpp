#include "Reduce.h"

#include <algorithm>
#include <optional>
#include <ostream>

#include "Ausgabe.h"
#include "Cli.h"
#include "garantie/Garantiereduktion.h"
#include "io/Datei.h"
#include "model/Spielscheindatei.h"

namespace kv::cli {

namespace {

int benutzung(std::ostream& err, const std::string& text) {
    err << "kalvendo-cli: " << text << "\nHilfe: kalvendo-cli --help\n";
    return kEingabeFehler;
}

// "10,1,102,..." -> the field; on failure the reason.
std::optional<TScheinOffen> feldAusTipps(const std::string& t, std::string& fehler) {
    std::vector<std::string> gruppen;
    for (std::size_t p = 0;;) {
        const std::size_t q = t.find(',', p);
        gruppen.push_back(t.substr(p, q == std::string::npos ? std::string::npos : q - p));
        if (q == std::string::npos) break;
        p = q + 1;
    }
    const std::string anfang = "Die Tipps \"" + t + "\" sind ungültig: ";
    if (gruppen.size() != kSpiele) {
        fehler = anfang +
                 "erwartet sind 13 durch Kommas getrennte Gruppen aus 1, 0 und 2 (z. B. "
                 "10,1,102,2,1,1,1,1,1,1,1,1,1), gefunden " +
                 std::to_string(gruppen.size()) + ".";
        return std::nullopt;
    }
    TScheinOffen feld;
    for (int m = 1; m <= kSpiele; ++m) {
        const std::string& g = gruppen[static_cast<std::size_t>(m - 1)];
        if (g.empty()) {
            fehler = anfang + "Spiel " + std::to_string(m) + " hat keinen Tipp.";
            return std::nullopt;
        }
        for (char z : g) {
            const int spalte = z >= '0' && z <= '2' ? spalteVonZiffer(z - '0') : 0;
            if (spalte == 0) {
                fehler = anfang + "Spiel " + std::to_string(m) + " hat das Zeichen \"" + std::string(1, z) +
                         "\"; erlaubt sind 1, 0 und 2.";
                return std::nullopt;
            }
            if (feld.kreuz(m, spalte)) {
                fehler = anfang + "Spiel " + std::to_string(m) + " nennt den Tipp " + std::string(1, z) +
                         " zweimal.";
                return std::nullopt;
            }
            feld.setzeKreuz(m, spalte, true);
        }
    }
    return feld;
}

}  // namespace

int reduce(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> tipps, radius, seed, ausgabe;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& o = args[i];
        std::optional<std::string>* ziel = o == "--tips"     ? &tipps
                                           : o == "--radius" ? &radius
                                           : o == "--seed"   ? &seed
                                           : o == "-o"       ? &ausgabe
                                                             : nullptr;
        if (!ziel) return benutzung(err, "Unbekannte Angabe " + o + " für reduce.");
        if (i + 1 >= args.size()) return benutzung(err, "Nach " + o + " fehlt der Wert.");
        if (ziel->has_value()) return benutzung(err, o + " ist doppelt angegeben.");
        *ziel = args[++i];
    }
    if (!tipps) return benutzung(err, "reduce braucht --tips mit den Tipps der 13 Spiele.");
    if (!radius) return benutzung(err, "reduce braucht --radius 1 (12 Richtige) oder 2 (11 Richtige).");
    if (!ausgabe) return benutzung(err, "reduce braucht -o AUSGABE.kv13.");

    std::string fehler;
    const auto feld = feldAusTipps(*tipps, fehler);
    if (!feld) return benutzung(err, fehler);
    ReduktionsOptionen optionen;
    // The step budget alone bounds the search: the same input gives the same
    // rows on every machine, however slow or busy (a time limit would end the
    // search at a point that depends on the machine).
    optionen.zeitLimit = std::nullopt;
    if (*radius != "1" && *radius != "2")
        return benutzung(err, "Der Radius \"" + *radius +
                                  "\" ist ungültig: erlaubt sind 1 (12 Richtige) und 2 (11 Richtige).");
    optionen.radius = (*radius)[0] - '0';
    if (seed) {
        const bool ziffern =
            !seed->empty() && seed->size() <= 20 &&
            std::all_of(seed->begin(), seed->end(), [](char c) { return c >= '0' && c <= '9'; });
        std::uint64_t wert = 0;
        bool gross = false;
        for (char c : ziffern ? *seed : std::string()) {
            const auto z = static_cast<std::uint64_t>(c - '0');
            gross = gross || wert > (UINT64_MAX - z) / 10;
            wert = wert * 10 + z;
        }
        if (!ziffern || gross)
            return benutzung(err, "Der Startwert \"" + *seed +
                                      "\" ist ungültig: erwartet ist eine ganze Zahl von 0 bis "
                                      "18446744073709551615.");
        optionen.seed = wert;
    }

    std::vector<Reihe> reihen;
    try {
        reihen = garantieReduktion(*feld, optionen);
    } catch (const ReduktionsFehler& e) {
        return benutzung(err, e.what());
    }
    try {
        schreibeSpielschein(*ausgabe, reihenliste(reihen));
    } catch (const DateiFehler& e) {
        err << "kalvendo-cli: " << e.what() << "\n";
        return kEaFehler;
    }
    out << reihen.size() << "\n";
    return kOk;
}

}  // namespace kv::cli
