// Small pictures of the tool bar and the score frames, drawn at run time.
#pragma once

#include <QIcon>

namespace kv::ui::symbol {

QIcon beenden();
QIcon gewinnzahlen();
QIcon rechner();
QIcon update();
QIcon kalender();
QIcon hilfe();
QIcon oeffnen();
// A slip with crosses (the system slip entry), a printer, and a red cross (delete).
QIcon systemschein();
QIcon drucken();
QIcon loeschen();
// The two states of a match (and of "Alles"): image 0 running, image 1 final.
QIcon laeuft();
QIcon beendet();
// The normal slip entry: a slip with one row of crosses and a pen.
QIcon normalschein();
// Small pictures of the normal slip entry window: save (a disk), reading
// the pasted table (an arrow into a grid) and its success (a green tick),
// the random reduction (a die), a web page (a globe).
QIcon speichern();
QIcon auslesen();
QIcon erfolg();
QIcon zufall();
QIcon webseite();
// The odds filter: a funnel.
QIcon quotenfilter();

}  // namespace kv::ui::symbol
