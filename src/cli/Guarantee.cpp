#include "Guarantee.h"

#include <ostream>

#include "Ausgabe.h"
#include "Cli.h"
#include "garantie/Garantieanalyse.h"
#include "io/Datei.h"
#include "model/Spielscheindatei.h"

namespace kv::cli {

namespace {

void jsonVerteilung(std::ostream& out, const Trefferverteilung& v) {
    out << "{\"best\":[" << v.beste[0] << ',' << v.beste[1] << ',' << v.beste[2] << ',' << v.beste[3] << ','
        << v.beste[4] << "],\"guarantee\":";
    if (v.garantie == kKeineGarantie)
        out << "null";
    else
        out << v.garantie;
    out << '}';
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
        bericht = garantieBericht(Schein(leseSpielschein(pfad)));
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
    out << "{\"all\":";
    jsonVerteilung(out, bericht.alle);
    out << ",\"fields\":[";
    for (std::size_t i = 0; i < bericht.felder.size(); ++i) {
        if (i) out << ',';
        jsonVerteilung(out, bericht.felder[i]);
    }
    out << "]}\n";
    return kOk;
}

}  // namespace kv::cli
