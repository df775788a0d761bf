// The working side of the normal slip entry window: the suggestion field
// "Vorschlag", its rows, and the row list `M2`. The window draws the field and
// the list and forwards its buttons here.
#pragma once

#include "eingabe/Reihenliste.h"
#include "eingabe/Tippfeld.h"
#include "eingabe/Tippvorschlag.h"
#include "expansion/Feld.h"
#include "garantie/Garantiereduktion.h"

namespace kv {

class Normalscheineingabe {
  public:
    // An empty suggestion field, no rows, an empty list.
    Normalscheineingabe();
    Normalscheineingabe(const Normalscheineingabe&) = delete;
    Normalscheineingabe& operator=(const Normalscheineingabe&) = delete;

    // The suggestion field (`TFfrFeld2`). After every `TrefferVerwerten` on
    // it, by click, key or suggestion, its rows are expanded anew
    // (`TippTransfer`); the list is not touched.
    Tippfeld& vorschlagsfeld() { return feld_; }
    const Tippfeld& vorschlagsfeld() const { return feld_; }
    // `TippTransfer`: expands the field's rows anew. The field's hook runs it
    // after every `TrefferVerwerten`; an editor frame that takes that hook
    // for itself calls it from its own.
    void TippTransfer();
    // The rows of the suggestion field in expansion order (`TrTippM`); none
    // while a match has no cross. Row k is computed from k: nothing is stored.
    const Feld& reihen() const { return reihen_; }

    // `BAktualClick` (also the first step of "Tipp vor- schlagen"): removes
    // every cross of the suggestion field and sets the suggested ones, each
    // through `TrefferVerwerten`, match 1..13, column 1..3.
    void BAktualClick(const TendenzWerte& tendenzen, const Vorschlagseinstellungen& e);

    // `BFilterClick`: lists the field's present rows into the list,
    // filtered when the filter is on.
    void BFilterClick(const Reihenfilter& filter) { liste_.auflisten(reihen_, filter); }

    // "Garantie-Reduzierung": the list becomes a guaranteed reduction of the
    // suggestion field (12 hits for radius 1, 11 for radius 2 when every
    // result lies within the field's tips); returns what it guarantees, e.g.
    // "72 Tippreihen. Garantie: 12 Richtige, wenn alle Tipps des Feldes
    // stimmen.". Throws ReduktionsFehler (German) for a field that cannot be
    // reduced; the list then stays.
    std::string garantieReduzieren(const ReduktionsOptionen& optionen);

    Reihenliste& liste() { return liste_; }
    const Reihenliste& liste() const { return liste_; }

  private:
    Tippfeld feld_;
    Feld reihen_;
    Reihenliste liste_;
};

}  // namespace kv
