#include "Guarantee.h"

#include <ostream>

#include "Ausgabe.h"
#include "Cli.h"
#include "garantie/Garantieanalyse.h"
#include "io/Datei.h"
#include "model/Spielscheindatei.h"

namespace kv::cli {

namespace {

void jsonVerteilung(std::string& t, const Trefferverteilung& v) {
    t += "{\"best\":[";
    for (std::size_t i = 0; i < v.beste.size(); ++i) {
        if (i) t += ',';
        t += std::to_string(v.beste[i]);
    }
    t += "],\"guarantee\":";
    t += v.garantie == kKeineGarantie ? "null" : std::to_string(v.garantie);
    t += '}';
}

}  // namespace

int guarantee(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2 || (args[1].size() > 1 && args[1][0] == '-')) {
        err << "kalvendo-cli: guarantee erwartet genau eine Spielschein-Datei.\nHilfe: kalvendo-cli --help\n";
        return kEingabeFehler;
    }
    const std::string& pfad = args[1];
    Garantiebericht bericht;
    try {
        bericht = garantieBericht(leseSchein(pfad));
    } catch (const UngueltigeDatei& e) {
        err << "kalvendo-cli: " << einzeilig(e.what()) << "\n";
        return kEingabeFehler;
    } catch (const DateiFehler& e) {
        err << "kalvendo-cli: " << e.what() << "\n";
        return kEaFehler;
    } catch (const KeineReihen& e) {
        err << "kalvendo-cli: " << dateiName(pfad) << ": " << e.what() << "\n";
        return kEingabeFehler;
    }
    // A slip of many single rows has as many fields: each run of fields with
    // the same figures is formatted once and written in blocks.
    std::string t = "{\"all\":";
    jsonVerteilung(t, bericht.alle);
    t += ",\"fields\":[";
    std::string eintrag;
    for (const Garantiebericht::Lauf& lauf : bericht.laeufe) {
        eintrag.clear();
        jsonVerteilung(eintrag, lauf.verteilung);
        for (std::size_t i = 0; i < lauf.felder; ++i) {
            if (lauf.erstesFeld + i > 0) t += ',';
            t += eintrag;
            if (t.size() >= (1u << 20)) {
                schreibe(out, t);
                t.clear();
            }
        }
    }
    t += "]}\n";
    schreibe(out, t);
    return kOk;
}

}  // namespace kv::cli
