#include "print/Druckgrundlagen.h"

#include <cmath>

#include "model/Records.h"
#include "transfer/Transfertabelle.h"

namespace kv {

std::int64_t teileHalbGerade(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    std::int64_t r = a % b;
    if (r < 0) {  // floor division
        --q;
        r += b;
    }
    if (2 * r > b || (2 * r == b && q % 2 != 0)) ++q;
    return q;
}

std::int64_t rundeHalbGerade(double v) {
    const double unten = std::floor(v);
    const double rest = v - unten;
    auto q = static_cast<std::int64_t>(unten);
    if (rest > 0.5 || (rest == 0.5 && q % 2 != 0)) ++q;
    return q;
}

std::optional<int> feldZahl(std::string_view text) {
    return ganzzahl(text);
}

Druckmeldung keineZahl(const std::string& feld, std::string_view text, const std::string& schluss) {
    return {Meldungsart::Fehler, "Im Feld " + feld + " steht \"" + std::string(text) +
                                     "\", das ist keine ganze Zahl." + kAbsatz + schluss};
}

std::string feldnameKorrektur(bool vertikal) {
    return std::string(vertikal ? "\"vertikal:\"" : "\"horizontal:\"") + " der Ausdruck-Korrektur";
}

std::string feldnameNummer(bool y) {
    return std::string(y ? "\"y =\"" : "\"x =\"") + " der Tippschein-Nummer";
}

std::string feldnameZusatz(int spiel, int antwort, bool y) {
    return std::string(y ? "\"y =\"" : "\"x =\"") + " für \"" + (antwort == 1 ? "ja" : "nein") + "\" bei " +
           kZusatzspielNamen[static_cast<std::size_t>(spiel - 1)];
}

}  // namespace kv
