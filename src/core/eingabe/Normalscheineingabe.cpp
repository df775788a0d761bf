#include "eingabe/Normalscheineingabe.h"

namespace kv {

Normalscheineingabe::Normalscheineingabe() : feld_(Feldvariante::Vorschlag, 1), reihen_(TScheinOffen{}) {
    feld_.setzeNachVerwertung([this] { TippTransfer(); });
}

void Normalscheineingabe::TippTransfer() {
    reihen_ = TippTransfer2(feld_.daten());
}

void Normalscheineingabe::BAktualClick(const TendenzWerte& tendenzen, const Vorschlagseinstellungen& e) {
    feld_.alleKreuzeEntfernen();
    feld_.kreuzeSetzen(tippVorschlag(tendenzen, e));
}

std::string Normalscheineingabe::garantieReduzieren(const ReduktionsOptionen& optionen) {
    std::vector<Reihe> reihen = garantieReduktion(feld_.daten(), optionen);
    const std::size_t n = reihen.size();
    liste_.ersetzen(std::move(reihen));
    return garantieText(n, optionen.radius);
}

}  // namespace kv
