// The program's help: German pages shipped as resources, shown in one help
// window that opens at a context number or at its search page.
#pragma once

#include "common/Befehle.h"

class QWidget;

namespace kv::ui {

// Context numbers the windows ask for.
inline constexpr int kHilfeHauptfenster = 1010;
// The normal slip entry window: fixtures and tendencies, the suggestion
// settings, the filter, and the note on the CSV upload.
inline constexpr int kHilfeSpielplan = 1030;
inline constexpr int kHilfeVorschlag = 1040;
inline constexpr int kHilfeFilter = 1050;
inline constexpr int kHilfeCsvUpload = 1120;
inline constexpr int kHilfeSystemschein = 1060;
inline constexpr int kHilfeGewinnzahlen = 1080;
inline constexpr int kHilfeKalender = 1090;
// The transfer tool and the update window share 1100: the window that asks
// decides which of the two pages opens.
inline constexpr int kHilfeTransfer = 1100;
inline constexpr int kHilfeUpdate = 1100;
// The print window asks for 1130 as well; there it opens the page of printing.
inline constexpr int kHilfeProgrammInfo = 1130;
inline constexpr int kHilfeDruck = 1130;
// The A-values: the small help button of the print window and the detail window.
inline constexpr int kHilfeAWerte = 1140;
// The guarantee analysis window and the guaranteed reduction of the normal slip window.
inline constexpr int kHilfeGarantie = 1150;
// The prize-class chances ("Wahrscheinlichkeit") and the stake per row.
inline constexpr int kHilfeChancen = 1160;

// Shows the help window (one for the whole program, reused) at the page of
// `kontext` for the window that asks (`eltern`, may be null); an unknown
// number shows the contents page.
void hilfeZeigen(QWidget* eltern, int kontext);

// Shows the help window at its full-text search page with an empty query.
void hilfeSuchen(QWidget* eltern);

// The commands "&Inhalt" (menu "&Hilfe", tool bar, F1 in the main window) and
// "In Hilfe &suchen..." for the window `fenster` (the main window).
Befehl hilfeInhaltBefehl(QWidget* fenster);
Befehl hilfeSuchenBefehl(QWidget* fenster);

}  // namespace kv::ui
