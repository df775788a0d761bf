#include "eingabe/Eingabeeinstellungen.h"

#include <array>

#include "eingabe/Spielplanimport.h"

namespace kv {

namespace {

constexpr std::array<const einst::Zahl*, 3> kSchwellenSchluessel = {&einst::kTippHeim, &einst::kTippRemis,
                                                                    &einst::kTippGast};
constexpr std::array<const einst::Schalter*, 3> kNurSchluessel = {&einst::kTippNurHeim, &einst::kTippNurRemis,
                                                                  &einst::kTippNurGast};
constexpr std::array<const einst::Zahl*, 3> kFilterSchluessel = {
    &einst::kTippFilterHeim, &einst::kTippFilterRemis, &einst::kTippFilterGast};

}  // namespace

Eingabeeinstellungen eingabeeinstellungenLesen(const Einstellungen& e, const Eingabeeinstellungen& bisher) {
    Eingabeeinstellungen w = bisher;
    if (!e.existiert()) return w;
    for (std::size_t i = 0; i < 3; ++i) {
        w.vorschlag.schwelle[i] =
            kSchwellen[i].nehme(e.lese(*kSchwellenSchluessel[i]), bisher.vorschlag.schwelle[i]);
        w.vorschlag.nur[i] = e.lese(*kNurSchluessel[i]);
        w.filter.hoechstens[i] =
            kFiltergrenzen[i].nehme(e.lese(*kFilterSchluessel[i]), bisher.filter.hoechstens[i]);
    }
    w.filter.an = e.lese(einst::kTippFilter);
    w.Reduz = e.lese(einst::kTippReduz);
    return w;
}

void eingabeeinstellungenSchreiben(Einstellungen& e, const Eingabeeinstellungen& w) {
    for (std::size_t i = 0; i < 3; ++i) {
        e.schreibe(*kSchwellenSchluessel[i], w.vorschlag.schwelle[i]);
        e.schreibe(*kNurSchluessel[i], w.vorschlag.nur[i]);
        e.schreibe(*kFilterSchluessel[i], w.filter.hoechstens[i]);
    }
    e.schreibe(einst::kTippFilter, w.filter.an);
    e.schreibe(einst::kTippReduz, w.Reduz);
}

std::string quellenAdresse(std::string_view EUrl) {
    const auto anfang = EUrl.find_first_not_of(" \t");
    if (anfang == std::string_view::npos) return kSpielplanQuelle;
    const auto ende = EUrl.find_last_not_of(" \t");
    const std::string_view text = EUrl.substr(anfang, ende - anfang + 1);
    return zeichenAnzahl(text) >= 6 ? std::string(text) : std::string(kSpielplanQuelle);
}

}  // namespace kv
