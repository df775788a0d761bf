// The system slip entry window's slip: twelve tip fields with their VEW
// choices and the file label, and how the slip is saved and opened. The
// window shows the twelve editors and forwards its buttons here.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "eingabe/Tippfeld.h"
#include "model/Records.h"
#include "model/Spielscheindatei.h"

namespace kv {

// The message for a slip file with 13 or more fields (information, OK).
inline constexpr const char* kZuVieleFelder =
    "Die Darstellung des Spielscheins benötigt mehr als 12 Felder, kann daher hier nicht eingelesen "
    "werden.";

// The message when no field is complete (information, OK): nothing is saved.
std::string meldungKeinFeldVollstaendig();
// The status line after a save into the file `datei` (name without folder):
// which fields were written and which, having crosses but not a tip for
// every match, were left out.
std::string speicherBericht(const SystemscheinPruefung& p, const std::string& datei);

// A slip file read for the system slip window, checked as a whole before the
// window changes. `meldung` is set (information, OK) when the file is refused
// for having 13 or more fields; `felder` then stays empty.
struct Systemscheinlesung {
    std::vector<TScheinOffen> felder;
    std::string meldung;
    bool abgelehnt() const { return !meldung.empty(); }
};

// Reads and checks a whole slip file for the system slip window; of a file
// with more than 12 records only the start is read before it is refused.
// Throws DateiFehler when it cannot be read and UngueltigeDatei (with the
// main window's message naming file and field) when a record is not a valid
// field.
Systemscheinlesung systemscheinLesen(const std::string& pfad);

class Systemscheineingabe {
  public:
    // Twelve empty fields "Feld 1" .. "Feld 12", all "no", `LDatei` empty.
    Systemscheineingabe();
    Systemscheineingabe(const Systemscheineingabe&) = delete;
    Systemscheineingabe& operator=(const Systemscheineingabe&) = delete;

    // Field f, 1..12 (editor f of the window).
    Tippfeld& feld(int f) { return felder_.at(static_cast<std::size_t>(f - 1)); }
    const Tippfeld& feld(int f) const { return felder_.at(static_cast<std::size_t>(f - 1)); }

    // The file label under "Datei": empty, "Geöffnet: " + name or
    // "Gespeichert: " + name, always without the folder.
    const std::string& LDatei() const { return LDatei_; }
    // The file the slip was opened from or saved to last, with its folder;
    // empty for a new slip. The save dialog proposes it.
    const std::string& datei() const { return datei_; }

    // `NeuerSchein` ("Alle Angaben löschen"): every cross of every field
    // removed through `TrefferVerwerten`, `LDatei` and datei() emptied, every
    // choice "no". The empty slip counts as unchanged.
    void NeuerSchein();

    // The twelve fields as the window shows them (crosses and VEW choice).
    std::array<TScheinOffen, kMaxFelder> stand() const;
    // Whether the fields differ from what was last opened, saved or emptied
    // (an empty slip at the start).
    bool geaendert() const { return stand() != gesichert_; }

    // The draft of the unsaved slip: `LDatei` and the twelve fields.
    std::string entwurf() const;
    // Shows a draft: the fields and `LDatei` as they were, still unsaved (the
    // slip counts as changed against an empty one). Throws UngueltigeDatei,
    // leaving the slip as it was, when the bytes are no such draft.
    void entwurfAnwenden(std::string_view daten);

    // Number of complete fields (`FeldOkay`).
    int vollstaendigeFelder() const;
    // The first field without any cross; 0 when every field has one.
    int erstesLeeresFeld() const;

    // The crosses of all twelve fields (`TippSchein`) and their choices.
    TSchein TippSchein() const;
    std::array<std::uint8_t, kMaxFelder> systeme() const;

    // The check before saving: the records of the complete fields, or the
    // first complete field whose VEW choice does not fit (`fehlerFeld`, with
    // the message to show; then neither dialog nor file).
    SystemscheinPruefung speicherPruefung() const;
    // Writes the complete fields (atomically) and sets `LDatei` to
    // "Gespeichert: " + name; the slip counts as unchanged from then on.
    // Throws std::logic_error when the check fails or no field is complete,
    // and DateiFehler when the file cannot be written (`LDatei` stays then).
    void speichern(const std::string& pfad);

    // Shows a slip that systemscheinLesen accepted: the window is emptied
    // (`NeuerSchein`), field k gets record k (its choice, then each cross as
    // a click would set it), and `LDatei` reads "Geöffnet: " + name.
    void oeffnen(const std::string& pfad, const Systemscheinlesung& lesung);

  private:
    void alsGesichertMerken() { gesichert_ = stand(); }

    std::array<Tippfeld, kMaxFelder> felder_;
    std::string LDatei_;
    std::array<TScheinOffen, kMaxFelder> gesichert_{};
    std::string datei_;
};

}  // namespace kv
