// The program state the main window keeps for the whole run: scores, the
// winning row, finished matches and the opened slips; and the rules by which
// score changes, finished flags, "Alles", "Alles auf Anfang" and a directly
// entered winning row change it. Every change that the evaluation must see
// ends with gewinnauswertung().
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "evaluation/Auswertung.h"
#include "model/Records.h"
#include "model/Schein.h"

namespace kv {

// One slip slot: an opened slip, where it is shown, and its last evaluation.
struct Scheinslot {
    std::string datei;  // full file name
    Schein schein;
    bool rechts = false;  // ScheinRechts
    std::optional<Auswertung> auswertung;
};

class Programmzustand {
  public:
    Programmzustand();

    // --- state ---------------------------------------------------------
    Spielstaende spielstaende{};                     // Spielstaende
    std::array<std::uint8_t, kSpiele> spielTendenz;  // SpielTendenz (1..3)
    std::array<std::uint8_t, kSpiele> gewinnreihe;   // Gewinnreihe (1..3)
    std::uint16_t beendeteSpiele = 0;                // BeendeteSpiele, bit m - 1
    bool alleBeendet = false;                        // AlleBeendet
    bool gewinnreiheDirekt = false;                  // GewinnreiheDirekt
    int linkerSchein = -1;                           // LinkerSchein (0-based slot), -1 = none
    int linkerFelder = -1;                           // LinkerFelder
    Begegnungen begegnungen{};                       // Begegnungen
    bool spielplanGeladen = false;

    // Slots are only added (slot s = entry s - 1); unique_ptr keeps each
    // slot's address stable while the list grows.
    std::vector<std::unique_ptr<Scheinslot>> slots;
    int scheinAnzahl() const { return static_cast<int>(slots.size()); }

    // --- evaluation ----------------------------------------------------
    Ergebnislage lage() const;
    // Re-evaluates every slot with fields against the current state.
    void gewinnauswertung();
    // W of the last evaluation (Gewinnmenge).
    Reihe gewinnmenge() const { return gewinnmenge_; }

    // --- slots ---------------------------------------------------------
    // Opens a new slot at the end and returns it.
    Scheinslot& neuerSlot(const std::string& datei, bool rechts);
    // Gives the last slot back (only used for a slip that cannot go left).
    void letztenSlotZurueckgeben();
    // Empties the left panel's slip; the slot stays as an empty slip.
    void linkenScheinLeeren();

    // --- changes (each leaves it to the caller to run the evaluation) ---
    // A changed score of match m: updates the tendency and the winning row
    // (all 13 matches after a direct entry, otherwise match m).
    void spielstandGeaendert(int spiel, int heim, int gast);
    // Sets the finished flag of match m and its winning tendency.
    void setzeBeendet(int spiel, bool beendet);
    // "Alles": flips AlleBeendet and flags all or no matches finished.
    void allesUmschalten();
    // Winning row from a direct entry (columns 1..3 for matches 1..13).
    void gewinnreiheDirektSetzen(const std::array<std::uint8_t, kSpiele>& spalten);
    // Winning row = tendencies of the scores, for all 13 matches.
    void gewinnreiheAusTendenzen();
    // A score file was read: scores, tendencies, finished flags, winning row.
    void spielstaendeUebernehmen(const Spielstaende& neu);

  private:
    Reihe gewinnmenge_ = 0;
};

}  // namespace kv
