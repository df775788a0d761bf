// "Vorschlag als Spielschein": the suggestion field handed to the system slip
// entry window. The window asks the questions this class gives (question
// icon; Yes, No, Cancel) and feeds the answers back; once no question is
// open, `zielFeld()` says which field receives the suggestion.
//
// The suggestion goes into the first field of the system slip window that has
// no cross at all, and its crosses are set, never toggled off, so no cross
// the user made is lost. When every field has a cross, the window is offered
// to start a new slip with the suggestion in field 1.
#pragma once

#include <optional>
#include <string>

#include "eingabe/Systemscheineingabe.h"

namespace kv {

enum class Antwort { Ja, Nein, Abbrechen };

class Vorschlagsuebergabe {
  public:
    // Decides the first step from the fields of the system slip window.
    explicit Vorschlagsuebergabe(const Systemscheineingabe& ziel);

    // The question to ask now; nothing when the decision is made.
    std::optional<std::string> frage() const;
    // The user's answer to frage().
    void antwort(Antwort a);

    // Once no question is open: the field (1..12) that receives the
    // suggestion, 0 when nothing is to be done; and whether the slip is
    // emptied first (`NeuerSchein`).
    int zielFeld() const { return ziel_; }
    bool neuerSchein() const { return neu_; }

  private:
    enum class Schritt { Fertig, Hinzufuegen, StattdessenNeu, KompletterSchein };
    Schritt schritt_ = Schritt::Fertig;
    int vollstaendig_ = 0;  // complete fields of the window
    int leer_ = 0;          // first field without a cross
    int ziel_ = 0;
    bool neu_ = false;
};

// `VorschlagTransfer`: empties the window first when `neu`, then sets every
// cross of the suggestion in field n (through `TrefferVerwerten`).
void VorschlagTransfer(Systemscheineingabe& ziel, const TScheinOffen& vorschlag, int n, bool neu);

}  // namespace kv
