// Starts the desktop's calculator.
#pragma once

#include "common/Befehle.h"

namespace kv::ui {

// Starts the first calculator found on PATH (gnome-calculator, kcalc,
// galculator, mate-calc, xcalc, in this order) as a process of its own.
// Returns whether one was started.
bool rechnerStarten();

// The command "Taschen&rechner" (menu "&Extras", tool bar). A missing
// calculator is not reported: the result of the start is ignored.
Befehl rechnerBefehl();

}  // namespace kv::ui
