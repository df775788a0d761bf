// The kinds of file Kalvendo opens, told by the name's extension: the names
// are what the desktop and the file dialogs go by, since none of the formats
// carries a header of its own.
#pragma once

#include <string_view>

namespace kv {

enum class Dateiart {
    Spielschein,   // "*.kv13"
    Spielplan,     // "*.sp13"
    Spielstand,    // "*.spst"
    Scheinformat,  // "*.kvxdr"
    Unbekannt,
};

// The kind of the file `pfad` by its extension, in any case ("SCHEIN.KV13");
// a name without an extension, or a hidden file's leading dot alone, is none.
Dateiart dateiartVon(std::string_view pfad);

}  // namespace kv
