#include "eingabe/Vorschlagsuebergabe.h"

namespace kv {

Vorschlagsuebergabe::Vorschlagsuebergabe(const Systemscheineingabe& ziel)
    : vollstaendig_(ziel.vollstaendigeFelder()), leer_(ziel.erstesLeeresFeld()) {
    if (leer_ == 0) {
        schritt_ = Schritt::KompletterSchein;
    } else if (vollstaendig_ == 0) {
        ziel_ = leer_;  // nothing to add to: no question
    } else {
        schritt_ = Schritt::Hinzufuegen;
    }
}

std::optional<std::string> Vorschlagsuebergabe::frage() const {
    switch (schritt_) {
        case Schritt::Hinzufuegen:
            return std::string("Soll das Tippfeld ") + (vollstaendig_ == 1 ? "dem" : "den") +
                   " Vorhandenen im Fenster Scheineingabe hinzugefügt werden?";
        case Schritt::StattdessenNeu:
            return "Soll das Tippfeld stattdessen als neuer Schein im Fenster Scheineingabe eingelesen "
                   "werden?";
        case Schritt::KompletterSchein:
            return std::string("Im Fenster Scheineingabe wird ein kompletter Spielschein abgebildet.") +
                   kAbsatz + "Soll das Tippfeld als neuer Schein eingelesen werden?";
        case Schritt::Fertig:
            break;
    }
    return std::nullopt;
}

void Vorschlagsuebergabe::antwort(Antwort a) {
    const Schritt s = schritt_;
    schritt_ = Schritt::Fertig;
    if (s == Schritt::Hinzufuegen && a == Antwort::Ja) {
        ziel_ = leer_;
    } else if (s == Schritt::Hinzufuegen && a == Antwort::Nein) {
        schritt_ = Schritt::StattdessenNeu;
    } else if ((s == Schritt::StattdessenNeu || s == Schritt::KompletterSchein) && a == Antwort::Ja) {
        ziel_ = 1;
        neu_ = true;
    }
}

void VorschlagTransfer(Systemscheineingabe& ziel, const TScheinOffen& vorschlag, int n, bool neu) {
    if (neu) ziel.NeuerSchein();
    ziel.feld(n).kreuzeSetzen(vorschlag);
}

}  // namespace kv
