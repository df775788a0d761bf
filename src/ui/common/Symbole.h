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

}  // namespace kv::ui::symbol
