// The print window's state as plain data: the calibration, the print options,
// the print store, and the window's commands that tie them to the settings
// file (section "Druck") and to the print run. The window keeps one of these
// for the whole program run and shows what it holds.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "print/Druckplan.h"
#include "print/Kalibrierung.h"
#include "settings/IniDatei.h"

namespace kv {

// The print controls of the window, as the user set them.
struct Druckoptionen {
    std::array<bool, kZusatzspiele> zusatzJa{};  // `cbZus1` .. `cbZus4` ("ja")
    bool nrDrucken = false;                      // `cbNr` "Nr. drucken"
    std::string startNr = "1";                   // `ENr` "Start-Nr.:"
    bool fragen = true;                          // `cbFragen` "Fragen, ob Ausdruck korrekt"
    std::string start = "1";                     // `EStart` "Ausdruck ab Tippreihe:"
    std::string ende;                            // `EEnde` "bis Tippreihe:"
};

class Druckfenster {
  public:
    Kalibrierung kalibrierung;
    Druckoptionen optionen;
    Druckspeicher speicher;

    // `FormShow`: without a settings file nothing changes. Otherwise the
    // check boxes, then the format named by Formatdatei (when that file
    // exists and `formatLesen`), then the arrangement Reihen, which so wins
    // over the format's. A message when the format or the settings file
    // cannot be read. What the window shows afterwards counts as the saved
    // format, unless unsaved changes survived it (no format was read).
    std::optional<Druckmeldung> FormShow(const IniDatei& ini, bool formatLesen = true);
    // `FormCloseQuery`: writes Reihen, Zusatz1..4, ScheinNr, Fragen. Throws DateiFehler.
    void FormCloseQuery(IniDatei& ini) const;

    // "Scheinformat öffnen..." with the chosen file; a format that was read
    // becomes Formatdatei.
    std::optional<Druckmeldung> scheinformatOeffnen(const std::string& pfad, IniDatei& ini);
    // "Scheinformat speichern..." with the chosen file; the first format
    // saved becomes Formatdatei when none is set.
    std::optional<Druckmeldung> scheinformatSpeichern(const std::string& pfad, IniDatei& ini);

    // `FileForPrint`: loads the slip; the range becomes 1 .. the last row.
    std::optional<Druckmeldung> FileForPrint(const std::string& pfad);
    // `NeuBerechnen` over the range fields and the fields per slip.
    std::optional<Scheinbedarf> NeuBerechnen() const;

    // The main window's print command: a new, empty detail window.
    void neuesDetailfenster() { kalibrierung.detailLeeren(); }

    // The fields a paper slip reads as they are now.
    Scheinangaben scheinangaben() const;
    // "Drucken starten", after the printer set-up: checks and starts the run
    // with the current format; start and end are written back to the fields.
    Druckbeginn druckBeginnen(const Geraeteversatz& versatz);
};

}  // namespace kv
