#include "ImportRows.h"

#include "Cli.h"

#include <ostream>
#include <string_view>
#include <vector>

#include "io/Datei.h"
#include "model/Spielscheindatei.h"
#include "transfer/Transfertabelle.h"

namespace kv::cli {

namespace {

const char* const kAufruf =
    "Aufruf: kalvendo-cli import-rows TEXTDATEI -o AUSGABE.kv13\n"
    "  Liest Tippreihen aus TEXTDATEI (eine Reihe je Zeile, mit oder ohne Trennzeichen\n"
    "  Leerzeichen, Komma, Semikolon, Tab) und schreibt jede Reihe als ein Feld in die\n"
    "  Spielschein-Datei AUSGABE.kv13. Zeilen, die keine Reihe sind, werden übergangen.\n";

int benutzung(std::ostream& err, const std::string& text) {
    err << text << "\n" << kAufruf;
    return kEingabeFehler;
}

}  // namespace

int importRows(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::size_t i = !args.empty() && args[0] == "import-rows" ? 1 : 0;
    std::string textdatei;
    std::string ausgabe;
    for (; i < args.size(); ++i) {
        if (args[i] == "-o") {
            if (i + 1 == args.size()) return benutzung(err, "Nach -o fehlt der Name der Spielschein-Datei.");
            if (!ausgabe.empty()) return benutzung(err, "-o ist doppelt angegeben.");
            ausgabe = args[++i];
        } else if (args[i] == "-h" || args[i] == "--help") {
            out << kAufruf;
            return kOk;
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            return benutzung(err, "Unbekannte Option " + args[i] + ".");
        } else if (textdatei.empty()) {
            textdatei = args[i];
        } else {
            return benutzung(err, "Nur eine Textdatei kann eingelesen werden.");
        }
    }
    if (textdatei.empty()) return benutzung(err, "Die Textdatei fehlt.");
    if (ausgabe.empty()) return benutzung(err, "Die Spielschein-Datei fehlt (-o AUSGABE.kv13).");

    try {
        const std::vector<std::uint8_t> bytes = leseDatei(textdatei);
        std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // byte-order mark

        // The rows become fields as "Als Spielschein speichern" makes them,
        // each kept as its set of crosses (8 bytes); a tip that is no number
        // refuses the file before anything is written. Then the fields go one
        // by one into the file's atomic write.
        std::vector<Reihe> felder;
        {
            Zeilenleser leser(text);
            std::uint64_t nr = 0;
            TScheinOffen feld;
            for (std::string_view zeile; leser.naechste(zeile);) {
                ++nr;
                if (const auto schnell = ziffernzeileAlsReihe(zeile)) {
                    felder.push_back(*schnell);
                    continue;
                }
                const auto reihe = ReihenErkennen(zeile);
                if (!reihe) continue;
                if (const auto m = tippsAlsFeld(*reihe, feld)) {
                    err << textdatei << ", Zeile " << nr << ": Der Tipp für Spiel " << *m
                        << " ist keine Zahl (\"" << (*reihe)[static_cast<std::size_t>(*m - 1)].text()
                        << "\"). Es wurde nichts geschrieben.\n";
                    return kEingabeFehler;
                }
                Reihe r = 0;
                for (int k = 1; k <= kKreuzIndizes; ++k)
                    r |= Reihe{feld.ja[static_cast<std::size_t>(k - 1)]} << k;  // the flags are 0 or 1
                felder.push_back(r);
            }
        }
        const std::uint64_t reihen = felder.size();
        if (reihen == 0) {
            err << "Die Textdatei " << textdatei
                << " enthält keine Tippreihe. Es wurde nichts geschrieben.\n";
            return kEingabeFehler;
        }
        Spielscheinschreiber schreiber(ausgabe);
        for (const Reihe r : felder) {
            TScheinOffen feld;
            for (int k = 1; k <= kKreuzIndizes; ++k)
                feld.ja[static_cast<std::size_t>(k - 1)] = static_cast<std::uint8_t>((r >> k) & 1);
            schreiber.feld(feld);
        }
        schreiber.abschliessen();
        out << reihen << (reihen == 1 ? " Reihe" : " Reihen") << " nach " << ausgabe << " geschrieben.\n";
        return kOk;
    } catch (const DateiFehler& f) {
        err << f.what() << "\n";
        return kEaFehler;
    }
}

}  // namespace kv::cli
