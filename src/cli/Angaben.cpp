#include "Angaben.h"

#include "Ausgabe.h"
#include "Cli.h"

#include <algorithm>
#include <cerrno>
#include <new>
#include <ostream>

#include "eingabe/Spielplanimport.h"
#include "io/Datei.h"
#include "model/Spielplandatei.h"
#include "model/Spielscheindatei.h"

namespace kv::cli {

namespace {

std::optional<int> spielNummer(const std::string& s) {
    if (s.empty() || s.size() > 2 ||
        !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int n = std::stoi(s);
    if (n < 1 || n > kSpiele) return std::nullopt;
    return n;
}

// --result: the shown digits -> columns; nothing for anything else.
std::optional<std::array<std::uint8_t, kSpiele>> zifferReihe(const std::string& s) {
    if (s.size() != kSpiele) return std::nullopt;
    std::array<std::uint8_t, kSpiele> r{};
    for (int m = 0; m < kSpiele; ++m) {
        const int spalte = s[m] >= '0' && s[m] <= '2' ? spalteVonZiffer(s[m] - '0') : 0;
        if (spalte == 0) return std::nullopt;
        r[m] = static_cast<std::uint8_t>(spalte);
    }
    return r;
}

// --finished: bit m - 1 for every finished match m.
std::optional<std::uint16_t> beendetListe(const std::string& s) {
    if (s == "all") return static_cast<std::uint16_t>(0x1FFF);
    if (s == "none") return static_cast<std::uint16_t>(0);
    std::uint16_t maske = 0;
    std::size_t p = 0;
    while (p <= s.size()) {
        std::size_t q = s.find(',', p);
        if (q == std::string::npos) q = s.size();
        const std::string teil = s.substr(p, q - p);
        const std::size_t strich = teil.find('-');
        const auto von = spielNummer(teil.substr(0, strich));
        const auto bis = strich == std::string::npos ? von : spielNummer(teil.substr(strich + 1));
        if (!von || !bis || *bis < *von) return std::nullopt;
        for (int m = *von; m <= *bis; ++m) maske = static_cast<std::uint16_t>(maske | (1u << (m - 1)));
        p = q + 1;
    }
    return maske;
}

}  // namespace

int melde(std::ostream& err, const Fehler& f) {
    err << "kalvendo-cli: " << f.text << "\n";
    return f.status;
}

std::optional<std::string> ergebnisLesen(const std::string& ergebnis,
                                         const std::optional<std::string>& beendet, Ergebnislage& lage) {
    const auto r = zifferReihe(ergebnis);
    if (!r)
        return "Die Gewinnreihe \"" + ergebnis +
               "\" ist ungültig: erwartet sind genau 13 Ziffern aus 1, 0 und 2.";
    const auto l = beendetListe(beendet.value_or("none"));
    if (!l)
        return "Die Liste der beendeten Spiele \"" + *beendet +
               "\" ist ungültig: erwartet sind Spielnummern 1 bis 13 und Bereiche wie 1-5,7, oder all oder "
               "none.";
    lage.gewinnreihe = *r;
    lage.beendet = *l;
    return std::nullopt;
}

Fehler zuWenigSpeicher(const std::string& pfad, const char* was) {
    return {kEaFehler,
            "Die Datei " + pfad + " konnte nicht " + was + " werden: " + systemFehlerText(ENOMEM) + "."};
}

std::optional<Fehler> lies(const std::string& pfad, Schein& schein) {
    try {
        schein = leseSchein(pfad);
        return std::nullopt;
    } catch (const UngueltigeDatei& e) {
        return Fehler{kEingabeFehler, einzeilig(e.what())};
    } catch (const DateiFehler& e) {
        return Fehler{kEaFehler, e.what()};
    } catch (const std::bad_alloc&) {
        return zuWenigSpeicher(pfad, "gelesen");
    }
}

TendenzWerte tendenzenAusSpielplan(const std::string& pfad) {
    Begegnungen begegnungen{};
    leseBegegnungen(pfad, begegnungen);
    TendenzWerte tendenzen{};
    Spielplanraster raster;
    BegegnungenTendenzen(begegnungen, raster, tendenzen);
    return tendenzen;
}

}  // namespace kv::cli
