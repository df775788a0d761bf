// The print system behind a printer, asked by the print run before it hands
// a paper slip over and after: the state of the printer's queue and of the
// job it made. A printer that writes a PDF file has none, and the run then
// goes as it always did. The real one is CUPS; GUI tests may install their
// own.
#pragma once

#include <QString>

#include <optional>

#include "print/Druckauftrag.h"

class QPrinter;

namespace kv::ui {

class Drucksystem {
  public:
    virtual ~Drucksystem() = default;

    // Whether the jobs of `drucker`, as the set-up dialog left it, go
    // through this print system (not when it writes a PDF file).
    virtual bool zustaendig(const QPrinter& drucker) const = 0;
    // The printer's queue now.
    virtual Druckerlage drucker(const QString& name) = 0;
    // Before a hand-over: the highest number of this user's jobs so far (0
    // when there is none); the next job of ours gets a higher one.
    virtual int letzterAuftrag() = 0;
    // Right after the hand-over, before anything else is asked: what the
    // print system answered it when it refused the job; empty when it took it.
    virtual QString uebergabefehler() = 0;
    // This user's job named `titel` on `drucker` with the lowest number
    // above `nach`; none when there is no such job.
    virtual std::optional<Auftragslage> auftrag(const QString& drucker, int nach, const QString& titel) = 0;
    // Deletes the job; what the print system answered when that failed, else empty.
    virtual QString loeschen(const QString& drucker, int nummer) = 0;

    // The installed print system (the real one unless a test installed its own).
    static Drucksystem& drucksystem();
    // Installs `d` (not owned); nullptr brings back the real one.
    static void setzeDrucksystem(Drucksystem* d);
};

}  // namespace kv::ui
