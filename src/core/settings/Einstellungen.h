// Every section and key of the settings file "Einstellungen.ini" with its
// default, so that no window spells a key or a default of its own.
//
// Naming: a section is k + its name (kFenster). The keys of [Fenster] are
// k + key name (kHauptLeft); the keys of every other section are k + section
// + key name (kSpieltagDatei, kTippHeim), since several sections share key
// names such as "Datei" and "Merken". A default is the key's constant + "Vorgabe".
#pragma once

#include <string>

namespace kv::einst {

// [Fenster]: window positions.
inline constexpr const char* kFenster = "Fenster";
inline constexpr const char* kHauptLeft = "Haupt-Left";  // -1000 centres the main window
inline constexpr int kHauptLeftVorgabe = -1000;
inline constexpr const char* kHauptTop = "Haupt-Top";
inline constexpr int kHauptTopVorgabe = -1000;
inline constexpr const char* kEingabeLeft = "Eingabe-Left";  // normal slip entry; -1000 centres it
inline constexpr int kEingabeLeftVorgabe = -1000;
inline constexpr const char* kEingabeTop = "Eingabe-Top";
inline constexpr int kEingabeTopVorgabe = -1000;
inline constexpr const char* kScheinLeft = "Schein-Left";  // system slip entry; below -9999: x = 0
inline constexpr int kScheinLeftVorgabe = -10000;
inline constexpr const char* kScheinTop = "Schein-Top";  // below -9999: y = 200
inline constexpr int kScheinTopVorgabe = -10000;
inline constexpr const char* kGZEingabeLeft =
    "GZEingabe-Left";  // winning-row window; 0: left of the main window
inline constexpr int kGZEingabeLeftVorgabe = 0;
inline constexpr const char* kGZEingabeTop = "GZEingabe-Top";  // 0: aligned with the main window
inline constexpr int kGZEingabeTopVorgabe = 0;

// [Splitter]: width of the right panel (378 open, 46 collapsed).
inline constexpr const char* kSplitter = "Splitter";
inline constexpr const char* kSplitterPos = "Pos";
inline constexpr int kSplitterPosVorgabe = 378;

// [Spieltag]: the fixture list and the all-finished toggle.
inline constexpr const char* kSpieltag = "Spieltag";
inline constexpr const char* kSpieltagDatei = "Datei";  // full name of the fixture list read at start-up
inline constexpr const char* kSpieltagDateiVorgabe = "";
inline constexpr const char* kSpieltagMerken = "Merken";
inline constexpr bool kSpieltagMerkenVorgabe = false;
inline constexpr const char* kSpieltagEnde = "Ende";  // AlleBeendet
inline constexpr bool kSpieltagEndeVorgabe = false;
// Address of the fixture-list web page; no default: the address field keeps
// its text when the key is missing.
inline constexpr const char* kSpieltagVorschauUrl = "VorschauUrl";

// [Spielschein]: the single slip reopened in the left panel.
inline constexpr const char* kSpielschein = "Spielschein";
inline constexpr const char* kSpielscheinDatei = "Datei";
inline constexpr const char* kSpielscheinDateiVorgabe = "";
inline constexpr const char* kSpielscheinMerken = "Merken";
inline constexpr bool kSpielscheinMerkenVorgabe = false;
inline constexpr const char* kSpielscheinAuchRechts = "AuchRechts";
inline constexpr bool kSpielscheinAuchRechtsVorgabe = false;

// [Spielscheine]: the slips reopened as tabs; erased as a whole before it is
// written anew.
inline constexpr const char* kSpielscheine = "Spielscheine";
inline constexpr const char* kSpielscheineMerken = "Merken";
inline constexpr bool kSpielscheineMerkenVorgabe = false;
inline constexpr const char* kSpielscheineDateienanzahl = "Dateienanzahl";
inline constexpr int kSpielscheineDateienanzahlVorgabe = 0;
inline constexpr const char* kSpielscheineDateiVorgabe = "";
// "Datei1", "Datei2", ...: the full name of the n-th slip (n from 1).
inline std::string spielscheineDatei(int n) {
    return "Datei" + std::to_string(n);
}

// [Tippfelder]: "Alle Spielfelder anzeigen" of the system slip entry window.
inline constexpr const char* kTippfelder = "Tippfelder";
inline constexpr const char* kTippfelderAlle = "Alle";
inline constexpr bool kTippfelderAlleVorgabe = false;

// [Tipp]: the tip suggestion, row filter and random reduction of the normal
// slip entry window.
inline constexpr const char* kTipp = "Tipp";
inline constexpr const char* kTippHeim = "Heim";
inline constexpr int kTippHeimVorgabe = 2;
inline constexpr const char* kTippRemis = "Remis";
inline constexpr int kTippRemisVorgabe = 3;
inline constexpr const char* kTippGast = "Gast";
inline constexpr int kTippGastVorgabe = 3;
inline constexpr const char* kTippNurHeim = "nurHeim";
inline constexpr bool kTippNurHeimVorgabe = false;
inline constexpr const char* kTippNurRemis = "nurRemis";
inline constexpr bool kTippNurRemisVorgabe = false;
inline constexpr const char* kTippNurGast = "nurGast";
inline constexpr bool kTippNurGastVorgabe = false;
inline constexpr const char* kTippFilterHeim = "FilterHeim";
inline constexpr int kTippFilterHeimVorgabe = 8;
inline constexpr const char* kTippFilterRemis = "FilterRemis";
inline constexpr int kTippFilterRemisVorgabe = 6;
inline constexpr const char* kTippFilterGast = "FilterGast";
inline constexpr int kTippFilterGastVorgabe = 5;
inline constexpr const char* kTippFilter = "Filter";
inline constexpr bool kTippFilterVorgabe = true;
inline constexpr const char* kTippReduz = "Reduz";
inline constexpr int kTippReduzVorgabe = 12;

// [Druck]: the print window.
inline constexpr const char* kDruck = "Druck";
inline constexpr const char* kDruckFormatdatei = "Formatdatei";
inline constexpr const char* kDruckFormatdateiVorgabe = "";
inline constexpr const char* kDruckReihen = "Reihen";  // item index of "einer", "zwei"
inline constexpr int kDruckReihenVorgabe = 0;
// "Zusatz1" ... "Zusatz4" (n = 1..4).
inline std::string druckZusatz(int n) {
    return "Zusatz" + std::to_string(n);
}
inline constexpr bool kDruckZusatzVorgabe = false;
inline constexpr const char* kDruckScheinNr = "ScheinNr";
inline constexpr bool kDruckScheinNrVorgabe = false;
inline constexpr const char* kDruckFragen = "Fragen";
inline constexpr bool kDruckFragenVorgabe = true;

}  // namespace kv::einst
