#include "Chances.h"

#include "Angaben.h"
#include "Ausgabe.h"
#include "Cli.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string_view>

#include "eingabe/Spielplanimport.h"
#include "garantie/Gewinnchancen.h"
#include "io/Datei.h"

namespace kv::cli {

namespace {

const char* const kAufruf =
    "Aufruf: kalvendo-cli chances SPIELSCHEIN.kv13 (--tendencies T | --fixtures SPIELPLAN.sp13)\n"
    "                             [--result ZIFFERN [--finished LISTE]] [--stake CENT] [--json]\n";

int benutzung(std::ostream& err, const std::string& text) {
    err << "kalvendo-cli: " << text << "\n" << kAufruf;
    return kEingabeFehler;
}

bool istBlank(char c) {
    return c == ' ' || c == '\t';
}

// One item of --tendencies: "-" (no tendency) or "a-b-c" with digits a, b, c
// and blanks around them. Heim = a, Gast = c, Remis = 10 - a - c; the middle
// digit is only checked to be a digit, as the fixture import ignores it.
std::optional<TTendenzWert> tendenzAngabe(std::string_view s, int spiel, std::string& fehler) {
    while (!s.empty() && istBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && istBlank(s.back())) s.remove_suffix(1);
    if (s == "-") return TTendenzWert{};
    Tendenzlesung l;
    int* ziffern[3] = {&l.a, &l.b, &l.c};
    std::size_t p = 0;
    bool gut = true;
    for (int i = 0; i < 3 && gut; ++i) {
        while (p < s.size() && istBlank(s[p])) ++p;
        gut = p < s.size() && s[p] >= '0' && s[p] <= '9';
        if (!gut) break;
        *ziffern[i] = s[p++] - '0';
        while (p < s.size() && istBlank(s[p])) ++p;
        if (i < 2) gut = p < s.size() && s[p++] == '-';
    }
    if (!gut || p != s.size()) {
        fehler = "Die Tendenz \"" + std::string(s) + "\" von Spiel " + std::to_string(spiel) +
                 " ist ungültig: erwartet sind drei Ziffern, durch Bindestriche verbunden (z. B. 5-3-2), "
                 "oder - für keine Tendenz.";
        return std::nullopt;
    }
    if (l.a + l.c > 10) {
        fehler = "Die Tendenz \"" + std::string(s) + "\" von Spiel " + std::to_string(spiel) +
                 " ist ungültig: Heim und Gast haben zusammen mehr als 10 Punkte.";
        return std::nullopt;
    }
    return l.wert();
}

std::optional<TendenzWerte> tendenzAngaben(const std::string& s, std::string& fehler) {
    std::vector<std::string_view> teile;
    std::size_t p = 0;
    for (;;) {
        const std::size_t q = s.find(',', p);
        teile.emplace_back(std::string_view(s).substr(p, q == std::string::npos ? std::string::npos : q - p));
        if (q == std::string::npos) break;
        p = q + 1;
    }
    if (teile.size() != kSpiele) {
        fehler = "--tendencies braucht genau 13 durch Kommas getrennte Angaben, nicht " +
                 std::to_string(teile.size()) + ".";
        return std::nullopt;
    }
    TendenzWerte t{};
    for (int m = 0; m < kSpiele; ++m) {
        const auto w = tendenzAngabe(teile[static_cast<std::size_t>(m)], m + 1, fehler);
        if (!w) return std::nullopt;
        t[static_cast<std::size_t>(m)] = *w;
    }
    return t;
}

std::optional<std::uint64_t> cent(const std::string& s) {
    if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoull(s);
}

std::string ganzzahl(Gross n) {
    std::string s;
    do {
        s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(n % 10)));
        n /= 10;
    } while (n > 0);
    return s;
}

// 17 significant digits: every double reads back as itself.
std::string zahl(double x) {
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%.17g", x);
    return puffer;
}

// For the German text: 15 significant digits, written out without an
// exponent ("0,00006048"), decimal comma.
std::string deutscheZahl(double x) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    std::string s = puffer;
    if (s.find('e') != std::string::npos) {
        const int stellen = std::clamp(14 - static_cast<int>(std::floor(std::log10(std::fabs(x)))), 0, 40);
        std::snprintf(puffer, sizeof puffer, "%.*f", stellen, x);
        s = puffer;
        if (s.find('.') != std::string::npos) {
            s.erase(s.find_last_not_of('0') + 1);
            if (s.back() == '.') s.pop_back();
        }
    }
    for (char& c : s)
        if (c == '.') c = ',';
    return s;
}

// Cents as euros: "1594323 * 50" -> "797161,50 €".
std::string euro(Gross cent) {
    const std::string rest = ganzzahl(cent % 100);
    return ganzzahl(cent / 100) + ',' + (rest.size() < 2 ? "0" : "") + rest + " €";
}

std::string json(const Gewinnchancen& c, Gross einsatz) {
    std::string t = "{\"rows\": " + std::to_string(c.reihen) + ", \"stake_cents\": " + ganzzahl(einsatz) +
                    ", \"classes\": [";
    for (int k = 0; k < 4; ++k) {
        if (k) t += ", ";
        t += "{\"class\": \"" + std::string(Gewinnklassen[static_cast<std::size_t>(k)]) +
             "\", \"hits\": " + std::to_string(kSpiele - k) + ", \"at_least\": " + zahl(c.mindestens(k)) +
             ", \"expected_rows\": " + zahl(c.erwartet(kSpiele - k)) + "}";
    }
    return t + "]}\n";
}

std::string text(const Gewinnchancen& c, Gross einsatz, std::uint64_t jeReihe) {
    std::string t = "Tippreihen: " + std::to_string(c.reihen) + "\nEinsatz: " + euro(einsatz) + " (" +
                    euro(jeReihe) + " je Reihe)\n";
    for (int k = 0; k < 4; ++k) {
        const std::string h = std::to_string(kSpiele - k);
        t += "Gewinnklasse " + std::string(Gewinnklassen[static_cast<std::size_t>(k)]) + " (" + h +
             " Richtige): Wahrscheinlichkeit, dass mindestens eine Reihe " + h +
             " oder mehr Richtige hat: " + deutscheZahl(c.mindestens(k)) + "; erwartete Reihen mit genau " +
             h + " Richtigen: " + deutscheZahl(c.erwartet(kSpiele - k)) + "\n";
    }
    return t;
}

}  // namespace

int chances(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> schein, tendenzen, spielplan, ergebnis, beendet, einsatz;
    bool alsJson = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::optional<std::string>* ziel = a == "--tendencies" ? &tendenzen
                                           : a == "--fixtures" ? &spielplan
                                           : a == "--result"   ? &ergebnis
                                           : a == "--finished" ? &beendet
                                           : a == "--stake"    ? &einsatz
                                                               : nullptr;
        if (ziel) {
            if (i + 1 == args.size()) return benutzung(err, "Nach " + a + " fehlt der Wert.");
            if (*ziel) return benutzung(err, a + " ist doppelt angegeben.");
            *ziel = args[++i];
        } else if (a == "--json") {
            alsJson = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return benutzung(err, "Unbekannte Option " + a + ".");
        } else if (!schein) {
            schein = a;
        } else {
            return benutzung(err, "chances erwartet genau eine Spielschein-Datei.");
        }
    }
    if (!schein) return benutzung(err, "Die Spielschein-Datei fehlt.");
    if (tendenzen.has_value() == spielplan.has_value())
        return benutzung(err, "chances braucht entweder --tendencies oder --fixtures.");
    if (beendet && !ergebnis) return benutzung(err, "--finished gehört zu --result.");

    TendenzWerte t{};
    if (tendenzen) {
        std::string fehler;
        const auto w = tendenzAngaben(*tendenzen, fehler);
        if (!w) return benutzung(err, fehler);
        t = *w;
    }
    // Without a result nothing is finished.
    Ergebnislage lage;
    if (ergebnis) {
        if (const auto fehler = ergebnisLesen(*ergebnis, beendet, lage)) return benutzung(err, *fehler);
    }
    std::uint64_t jeReihe = 50;
    if (einsatz) {
        const auto c = cent(*einsatz);
        if (!c)
            return benutzung(err,
                             "Der Einsatz \"" + *einsatz +
                                 "\" ist ungültig: erwartet ist eine ganze Zahl von Cent (0 bis 999999999).");
        jeReihe = *c;
    }

    Schein s;
    if (auto f = lies(*schein, s)) return melde(err, *f);
    if (spielplan) {
        try {
            t = tendenzenAusSpielplan(*spielplan);
        } catch (const DateiFehler& f) {
            return melde(err, {kEaFehler, f.what()});
        }
    }
    Gewinnchancen c;
    try {
        c = Chancenbasis(Reihenbestand(s)).chancen(spielgewichte(t, lage));
    } catch (const std::length_error& e) {
        return melde(err, {kEaFehler, dateiName(*schein) + ": " + e.what()});
    }
    const Gross gesamt = static_cast<Gross>(c.reihen) * jeReihe;
    schreibe(out, alsJson ? json(c, gesamt) : text(c, gesamt, jeReihe));
    return kOk;
}

}  // namespace kv::cli
