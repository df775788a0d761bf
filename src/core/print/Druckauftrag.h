// What the print system did with a print job of the print run, and what the
// run makes of it. The window asks the print system about the printer's
// queue before every paper slip and about the job after handing it over;
// these functions decide whether the slip counts as printed, must be looked
// at again in a moment, waits in a paused queue (the user decides), or was
// refused, aborted or deleted (the run stops with a message). A printer that
// writes a PDF file has no print system behind it and is not asked.
#pragma once

#include <optional>
#include <string>

#include "print/Druckgrundlagen.h"

namespace kv {

// A printer's queue as the print system reports it.
struct Druckerlage {
    bool erreichbar = true;   // the print system answered
    bool gefunden = true;     // it knows the printer
    bool nimmtAn = true;      // the queue accepts jobs
    bool angehalten = false;  // the printer is paused: jobs wait in its queue
    std::string meldung;      // the print system's own words on the printer's state, if any
};

// The states of a job in the print system.
enum class Auftragszustand {
    Wartend,          // waits for its turn
    Zurueckgehalten,  // held in the queue until released
    InArbeit,         // being printed
    Gestoppt,         // stopped by the print system, waits to go on
    Geloescht,        // cancelled in the print system
    Abgebrochen,      // given up by the print system
    Fertig,           // printed
};

// The job the print system made of a handed-over paper slip.
struct Auftragslage {
    int nummer = 0;  // the job number the print system gave
    Auftragszustand zustand = Auftragszustand::Wartend;
    std::string meldung;  // the print system's own words on the job, if any
};

// What the run makes of a job.
struct Auftragsbefund {
    enum class Art {
        Gedruckt,  // the print system took it: the paper slip counts as printed
        Offen,     // not clear yet: look again in a moment
        Wartet,    // it waits in a paused queue or is held: ask the user (text)
        Fehler,    // refused, aborted or deleted: not printed, the run stops (text)
    };
    Art art = Art::Offen;
    int nummer = 0;    // the job's number, 0 when there is none
    std::string text;  // the question or the message
    friend bool operator==(const Auftragsbefund&, const Auftragsbefund&) = default;
};

// Before a paper slip is handed over: a printer the print system cannot
// reach, does not know, or whose queue accepts no jobs gives the message
// that stops the run; nothing is printed then.
std::optional<Druckmeldung> druckerPruefen(const std::string& drucker, const Druckerlage& lage);

// After a paper slip was handed over to `drucker`: `auftrag` is its job
// (none when the print system has none), `uebergabefehler` what the print
// system answered the hand-over when it refused it (empty when it took it).
// `fristUm` says the time to watch has passed: a job still waiting for its
// turn at a working printer then counts as taken.
Auftragsbefund auftragBeurteilen(const std::string& drucker, const Druckerlage& lage,
                                 const std::optional<Auftragslage>& auftrag,
                                 const std::string& uebergabefehler, bool fristUm);

// The answers to the question of a waiting job.
enum class Wartewahl {
    Warten,           // "Ja": wait until the job is printed or fails
    AuftragLoeschen,  // "Nein": delete the job, the run ends
    LaufBeenden,      // "Abbrechen": the run ends, the job stays in the queue
};
Wartewahl wartewahl(Druckantwort a);

// Shown while the window waits for a waiting job.
std::string wartehinweis(const std::string& drucker, int nummer);
// The run ended while its last job still waits in the queue.
std::string auftragBleibt(const std::string& drucker, int nummer);
// Deleting the waiting job failed.
std::string loeschenGescheitert(const std::string& drucker, int nummer, const std::string& grund);

}  // namespace kv
