#include "Suggest.h"

#include "Angaben.h"
#include "Ausgabe.h"
#include "Cli.h"

#include <optional>
#include <ostream>

#include "eingabe/Normalscheineingabe.h"
#include "io/Datei.h"

namespace kv::cli {

namespace {

const char* const kAufruf =
    "Aufruf: kalvendo-cli suggest SPIELPLAN.sp13 [--thresholds 2,3,3] [--only 000]\n"
    "                             [--filter 8,5,5|off] [--rows]\n";

int benutzung(std::ostream& err, const std::string& text) {
    err << "kalvendo-cli: " << text << "\n" << kAufruf;
    return kEingabeFehler;
}

// "a,b,c" with three whole numbers within the ranges.
std::optional<std::array<int, 3>> dreiZahlen(const std::string& s, const std::array<Bereich, 3>& bereiche) {
    std::array<int, 3> z{};
    std::size_t p = 0;
    for (int i = 0; i < 3; ++i) {
        const std::size_t q = i < 2 ? s.find(',', p) : s.size();
        if (q == std::string::npos || q == p || q - p > 2) return std::nullopt;
        int wert = 0;
        for (std::size_t k = p; k < q; ++k) {
            if (s[k] < '0' || s[k] > '9') return std::nullopt;
            wert = wert * 10 + (s[k] - '0');
        }
        if (wert < bereiche[i].minimum || wert > bereiche[i].maximum) return std::nullopt;
        z[i] = wert;
        p = q + 1;
    }
    return z;
}

}  // namespace

int suggest(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string spielplan;
    Vorschlagseinstellungen einstellungen;
    Reihenfilter filter;
    bool reihen = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool mitWert = a == "--thresholds" || a == "--only" || a == "--filter";
        if (mitWert && i + 1 == args.size()) return benutzung(err, "Nach " + a + " fehlt der Wert.");
        if (a == "--thresholds") {
            const auto z = dreiZahlen(args[++i], kSchwellen);
            if (!z)
                return benutzung(err, "Die Schwellen \"" + args[i] +
                                          "\" sind ungültig: erwartet sind drei Zahlen von 2 bis 7, durch "
                                          "Kommas getrennt.");
            einstellungen.schwelle = *z;
        } else if (a == "--only") {
            const std::string& w = args[++i];
            if (w.size() != 3 || w.find_first_not_of("01") != std::string::npos)
                return benutzung(err, "Die Angabe \"" + w +
                                          "\" für --only ist ungültig: erwartet sind drei Ziffern 0 oder 1.");
            for (int k = 0; k < 3; ++k) einstellungen.nur[k] = w[k] == '1';
        } else if (a == "--filter") {
            const std::string& w = args[++i];
            if (w == "off") {
                filter.an = false;
            } else if (const auto z = dreiZahlen(w, kFiltergrenzen)) {
                filter.hoechstens = *z;
                filter.an = true;
            } else {
                return benutzung(err, "Der Filter \"" + w +
                                          "\" ist ungültig: erwartet sind drei Zahlen von 1 bis 13, durch "
                                          "Kommas getrennt, oder off.");
            }
        } else if (a == "--rows") {
            reihen = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return benutzung(err, "Unbekannte Option " + a + ".");
        } else if (spielplan.empty()) {
            spielplan = a;
        } else {
            return benutzung(err, "Nur eine Spielplan-Datei kann angegeben werden.");
        }
    }
    if (spielplan.empty()) return benutzung(err, "Die Spielplan-Datei fehlt.");

    TendenzWerte tendenzen{};
    try {
        tendenzen = tendenzenAusSpielplan(spielplan);
    } catch (const DateiFehler& f) {
        err << "kalvendo-cli: " << f.what() << "\n";
        return kEaFehler;
    }

    Normalscheineingabe eingabe;
    eingabe.BAktualClick(tendenzen, einstellungen);
    eingabe.BFilterClick(filter);
    schreibe(out, tippgruppen(eingabe.vorschlagsfeld().daten()) + "\nrows " +
                      std::to_string(eingabe.reihen().reihenAnzahl()) + "\nlisted " +
                      std::to_string(eingabe.liste().anzahl()) + "\n");
    if (reihen) schreibe(out, eingabe.liste().textDatei());
    return kOk;
}

}  // namespace kv::cli
