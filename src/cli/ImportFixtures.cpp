#include "ImportFixtures.h"

#include "Ausgabe.h"
#include "Cli.h"

#include <ostream>
#include <string_view>

#include "eingabe/Spielplanimport.h"
#include "io/Datei.h"

namespace kv::cli {

namespace {

const char* const kAufruf =
    "Aufruf: kalvendo-cli import-fixtures TEXTDATEI [-o AUSGABE.sp13]\n"
    "  Liest Spielpaarungen und Tendenzen aus einer eingefügten Tabelle wie \"Daten\n"
    "  auslesen\" und gibt je Spiel eine Zeile aus; mit -o wird der Spielplan\n"
    "  gespeichert wie mit \"Begegnungen speichern...\".\n";

int benutzung(std::ostream& err, const std::string& text) {
    err << "kalvendo-cli: " << text << "\n" << kAufruf;
    return kEingabeFehler;
}

std::string ausgabe(const Spielplanimport& im, const Spielplanraster& raster) {
    std::string s;
    for (int m = 1; m <= kSpiele; ++m) {
        s += std::to_string(m);
        for (int spalte = 1; spalte <= 3; ++spalte) s += '\t' + raster.zelle(spalte, m);
        s += '\t';
        if (im.gelesen[m - 1]) {
            const TTendenzWert& w = im.tendenzen[m - 1];
            s += std::to_string(w.Heim) + ',' + std::to_string(w.Remis) + ',' + std::to_string(w.Gast);
        } else {
            s += '-';
        }
        s += '\n';
    }
    return s + "found " + std::to_string(im.gefunden) + "\n";
}

}  // namespace

int importFixtures(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string textdatei, spielplan;
    bool mitSpielplan = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "-o") {
            if (i + 1 == args.size()) return benutzung(err, "Nach -o fehlt der Name der Spielplan-Datei.");
            if (mitSpielplan) return benutzung(err, "-o ist doppelt angegeben.");
            spielplan = args[++i];
            mitSpielplan = true;
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            return benutzung(err, "Unbekannte Option " + args[i] + ".");
        } else if (textdatei.empty()) {
            textdatei = args[i];
        } else {
            return benutzung(err, "Nur eine Textdatei kann eingelesen werden.");
        }
    }
    if (textdatei.empty()) return benutzung(err, "Die Textdatei fehlt.");

    try {
        const std::vector<std::uint8_t> bytes = leseDatei(textdatei);
        std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // byte-order mark

        const Spielplanimport im = DatenAuslesen(text, TendenzWerte{});
        if (!im.fehler.empty()) {
            err << "kalvendo-cli: " << textdatei << ": " << einzeilig(im.fehler) << "\n";
            return kEingabeFehler;
        }
        Spielplanraster raster;
        raster.uebernehme(im);
        if (mitSpielplan) BegegnungenSpeichern(raster, spielplan);
        schreibe(out, ausgabe(im, raster));
        return kOk;
    } catch (const DateiFehler& f) {
        err << "kalvendo-cli: " << f.what() << "\n";
        return kEaFehler;
    }
}

}  // namespace kv::cli
