// The settings of the normal slip entry window that its controls show: the
// suggestion thresholds and "nur" boxes, the row filter, the remembered
// reduction size; and the fixture-source address "Quelle aufrufen" opens.
#pragma once

#include <string>
#include <string_view>

#include "eingabe/Tippvorschlag.h"
#include "settings/Einstellungen.h"

namespace kv {

// The web page with the operator's fixture table that the window offers
// until the user saves another address.
inline constexpr const char* kSpielplanQuelle = "https://www.example.org/ergebniswette/spielplan.html";

struct Eingabeeinstellungen {
    Vorschlagseinstellungen vorschlag;
    Reihenfilter filter;
    int Reduz = 12;  // the remembered size of the random reduction

    friend bool operator==(const Eingabeeinstellungen&, const Eingabeeinstellungen&) = default;
};

// The values as the window takes them on showing, from `bisher` (what the
// controls show now): every key of [Tipp] that the file holds (a missing key
// gives its default); a threshold or filter limit outside its up-down's
// range keeps its value from `bisher`. A settings file that does not exist
// changes nothing.
Eingabeeinstellungen eingabeeinstellungenLesen(const Einstellungen& e, const Eingabeeinstellungen& bisher);
// Writes every key of [Tipp] from `w` (on closing).
void eingabeeinstellungenSchreiben(Einstellungen& e, const Eingabeeinstellungen& w);

// The address "Quelle aufrufen" opens: the text of `EUrl` with blanks at both
// ends removed when at least 6 characters remain, otherwise kSpielplanQuelle.
std::string quellenAdresse(std::string_view EUrl);

}  // namespace kv
