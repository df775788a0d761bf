// The program state the main window keeps for the whole run: scores, the
// winning row, finished matches, the opened slips, the fixture list and the
// tendency points; and the rules by which score changes, finished flags,
// "Alles", "Alles auf Anfang" and a directly entered winning row change it.
//
// The state has one door: its fields are private, and every change goes
// through an operation that tells the listener (the user interface) what it
// changed, so views redraw themselves instead of being refreshed by hand.
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
    // Its tab was closed: the slot stays, empty, and counts no rows.
    bool geschlossen = false;
    std::optional<Auswertung> auswertung;
    // Counts the evaluations of this slot: a view whose numbers came from an
    // earlier count redraws, any other has nothing new to show.
    std::uint64_t stand = 0;
};

// Matches as a bit set: bit m - 1 stands for match m.
using Spielmenge = std::uint16_t;
inline constexpr Spielmenge kAlleSpiele = 0x1FFF;
constexpr Spielmenge spielBit(int spiel) {
    return static_cast<Spielmenge>(1u << (spiel - 1));
}

// Hears what the state's operations changed. Each notice comes after the
// change is complete.
class Zustandsbeobachter {
  public:
    virtual ~Zustandsbeobachter() = default;
    // Score, tendency, finished flag or winning tendency of these matches, or
    // "Alles" (then all 13), changed.
    virtual void spieleGeaendert(Spielmenge spiele) = 0;
    // Slot `slot` (0-based) was opened or emptied.
    virtual void scheinGeaendert(int slot) = 0;
    // The left slip is another slot now, or none.
    virtual void linkerScheinGeaendert() = 0;
    // The evaluation ran: the numbers of every slot are new.
    virtual void ausgewertet() = 0;
    virtual void begegnungenGeaendert() = 0;
    virtual void tendenzWerteGeaendert() = 0;
    // A slip file was written by an entry window (geschriebenerSchein()).
    virtual void scheinGeschrieben() = 0;
};

class Programmzustand {
  public:
    Programmzustand();
    Programmzustand(const Programmzustand&) = delete;
    Programmzustand& operator=(const Programmzustand&) = delete;

    // The one listener (nullptr: none). Not owned.
    void setzeBeobachter(Zustandsbeobachter* b) { beobachter_ = b; }

    // --- reading ---------------------------------------------------------
    const Spielstaende& spielstaende() const { return spielstaende_; }
    const TSpielstand& spielstand(int spiel) const { return spielstaende_[spiel - 1]; }
    const std::array<std::uint8_t, kSpiele>& spielTendenz() const { return spielTendenz_; }  // 1..3
    int tendenz(int spiel) const { return spielTendenz_[spiel - 1]; }
    const std::array<std::uint8_t, kSpiele>& gewinnreihe() const { return gewinnreihe_; }  // 1..3
    int gewinntendenz(int spiel) const { return gewinnreihe_[spiel - 1]; }
    Spielmenge beendeteSpiele() const { return beendeteSpiele_; }  // BeendeteSpiele
    bool istBeendet(int spiel) const { return (beendeteSpiele_ & spielBit(spiel)) != 0; }
    bool alleBeendet() const { return alleBeendet_; }
    bool gewinnreiheDirekt() const { return gewinnreiheDirekt_; }
    int linkerSchein() const { return linkerSchein_; }  // 0-based slot, -1 = none
    int linkerFelder() const { return linkerFelder_; }  // -1 = none
    const Begegnungen& begegnungen() const { return begegnungen_; }
    bool spielplanGeladen() const { return spielplanGeladen_; }
    // Full name of the fixture list read last; empty while none was read.
    const std::string& spielplanDatei() const { return spielplanDatei_; }
    const TendenzWerte& tendenzWerte() const { return tendenzWerte_; }
    // Full name of the slip file an entry window wrote last; empty while none
    // was written. The main window offers it in its open dialog.
    const std::string& geschriebenerSchein() const { return geschriebenerSchein_; }

    int scheinAnzahl() const { return static_cast<int>(slots_.size()); }
    // Slot s (0-based, < scheinAnzahl()); its address stays while slots are added.
    const Scheinslot& slot(int s) const { return *slots_[static_cast<std::size_t>(s)]; }

    // --- evaluation --------------------------------------------------------
    Ergebnislage lage() const;
    // Evaluates every slot against the current state; a slot whose last
    // evaluation was against the same winning row and finished matches keeps
    // it (its numbers would be the same). Inside a Stapel it runs once, when
    // the outermost Stapel ends.
    void gewinnauswertung();
    // W of the last evaluation (Gewinnmenge).
    Reihe gewinnmenge() const { return gewinnmenge_; }

    // Groups many changes into one evaluation: while a Stapel lives, requested
    // evaluations wait and run once at its end.
    class Stapel {
      public:
        explicit Stapel(Programmzustand& z);
        ~Stapel();
        Stapel(const Stapel&) = delete;
        Stapel& operator=(const Stapel&) = delete;

      private:
        Programmzustand& z_;
    };

    // --- slots -------------------------------------------------------------
    // Opens a new slot at the end with this slip; returns its index.
    int scheinOeffnen(const std::string& datei, Schein schein, bool rechts);
    int scheinOeffnen(const std::string& datei, const std::vector<TScheinOffen>& felder, bool rechts) {
        return scheinOeffnen(datei, Schein(felder), rechts);
    }
    // Opens a slip into the left panel: the previous left slip is emptied
    // first, the new slot becomes the left slip. Returns its index.
    int linksOeffnen(const std::string& datei, Schein schein);
    int linksOeffnen(const std::string& datei, const std::vector<TScheinOffen>& felder) {
        return linksOeffnen(datei, Schein(felder));
    }
    // Empties the left panel's slip; the slot stays as an empty slip.
    void linkenScheinLeeren();
    // Closes the tab of slot s (a slip on the right): it leaves the
    // evaluation; the slot stays, empty and marked closed. Anything else
    // (the left slip, a slot closed before, no such slot) is left alone.
    void rechtsSchliessen(int s);

    // --- scores (each leaves it to the caller to run the evaluation) ---------
    // One goal count as the score control shows it, nothing derived from it
    // (before the main window has been shown).
    void toreSpeichern(int spiel, bool heim, int tore);
    // A changed score of match m: updates the tendency and the winning row
    // (all 13 matches after a direct entry, otherwise match m).
    void spielstandGeaendert(int spiel, int heim, int gast);
    // Sets the finished flag of match m and its winning tendency.
    void setzeBeendet(int spiel, bool beendet);
    // "Alles": flips AlleBeendet and flags all or no matches finished.
    void allesUmschalten();
    // "Alles auf Anfang": every score 0:0 and running, AlleBeendet cleared;
    // the winning row follows the scores (a direct entry ends).
    void allesAufAnfang();
    // The winning tendency (column 1..3) of one match.
    void setzeGewinntendenz(int spiel, int spalte);
    // Winning row from a direct entry (columns 1..3 for matches 1..13).
    void gewinnreiheDirektSetzen(const std::array<std::uint8_t, kSpiele>& spalten);
    // Winning row = tendencies of the scores, for all 13 matches.
    void gewinnreiheAusTendenzen();
    // A score file was read: scores, tendencies, finished flags, winning row.
    void spielstaendeUebernehmen(const Spielstaende& neu);

    // --- fixtures and tendencies -------------------------------------------
    void begegnungenSetzen(const Begegnungen& b, const std::string& datei);
    void tendenzWerteSetzen(const TendenzWerte& t);

    // --- files -------------------------------------------------------------
    // An entry window wrote the slip file `datei` (full name).
    void scheinGeschrieben(const std::string& datei);

  private:
    void spiele(Spielmenge m);
    void schein(int s);

    Zustandsbeobachter* beobachter_ = nullptr;
    Spielstaende spielstaende_{};
    std::array<std::uint8_t, kSpiele> spielTendenz_;
    std::array<std::uint8_t, kSpiele> gewinnreihe_;
    Spielmenge beendeteSpiele_ = 0;
    bool alleBeendet_ = false;
    bool gewinnreiheDirekt_ = false;
    int linkerSchein_ = -1;
    int linkerFelder_ = -1;
    Begegnungen begegnungen_{};
    bool spielplanGeladen_ = false;
    std::string spielplanDatei_;
    TendenzWerte tendenzWerte_{};
    std::string geschriebenerSchein_;
    // Slots are only added (slot s = entry s - 1); unique_ptr keeps each
    // slot's address stable while the list grows.
    std::vector<std::unique_ptr<Scheinslot>> slots_;
    Reihe gewinnmenge_ = 0;
    int stapel_ = 0;
    bool auswertungFaellig_ = false;
};

}  // namespace kv
