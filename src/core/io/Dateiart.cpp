#include "io/Dateiart.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace kv {

Dateiart dateiartVon(std::string_view pfad) {
    const auto schraeg = pfad.find_last_of('/');
    const std::string_view name = schraeg == std::string_view::npos ? pfad : pfad.substr(schraeg + 1);
    const auto punkt = name.find_last_of('.');
    if (punkt == std::string_view::npos || punkt == 0) return Dateiart::Unbekannt;
    std::string endung(name.substr(punkt + 1));
    std::transform(endung.begin(), endung.end(), endung.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (endung == "kv13") return Dateiart::Spielschein;
    if (endung == "sp13") return Dateiart::Spielplan;
    if (endung == "spst") return Dateiart::Spielstand;
    if (endung == "kvxdr") return Dateiart::Scheinformat;
    return Dateiart::Unbekannt;
}

}  // namespace kv
