// The draft of the normal slip entry window: while the fixture grid holds
// changes not saved as a fixture list, the grid with its file label and the
// tendencies; while the row list holds hand edits not saved, the listed rows
// and the lines as they stand; and always the suggestion field.
#pragma once

#include <string>
#include <string_view>

#include "eingabe/Reihenliste.h"
#include "eingabe/Spielplanimport.h"
#include "eingabe/Zeilentext.h"
#include "model/Records.h"

namespace kv {

// What the window hands over for a draft (nothing is copied).
struct NormalscheinTeile {
    const Spielplanraster* raster = nullptr;  // the grid, when it has unsaved changes
    std::string dateiLabel;                   // `LDatei` of the grid
    TendenzWerte tendenzen{};
    bool vorschlagFrei = false;          // "Tipp vor- schlagen" enabled
    TScheinOffen feld;                   // the suggestion field
    const Reihenliste* liste = nullptr;  // the list, when its lines hold unsaved edits
    const Zeilentext* zeilen = nullptr;  // and those lines
};
std::string normalscheinentwurf(const NormalscheinTeile& t);

// A draft read back.
struct Normalscheinentwurf {
    bool mitSpielplan = false;
    Spielplanraster raster;
    std::string dateiLabel;
    TendenzWerte tendenzen{};
    bool vorschlagFrei = false;
    TScheinOffen feld;
    bool mitListe = false;
    Reihenliste liste;
    // The lines as Zeilentext::entwurfSchreiben wrote them (read them over
    // `liste` where it ends up: the text refers to its rows).
    std::string zeilen;
};
// Throws UngueltigeDatei for bytes that are no such draft.
Normalscheinentwurf normalscheinentwurfLesen(std::string_view daten);

}  // namespace kv
