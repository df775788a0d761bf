// Starts the desktop's calculator.
#pragma once

namespace kv::ui {

// Starts the first calculator found on PATH (gnome-calculator, kcalc,
// galculator, mate-calc, xcalc, in this order) as a process of its own.
// Returns whether one was started.
bool rechnerStarten();

}  // namespace kv::ui
