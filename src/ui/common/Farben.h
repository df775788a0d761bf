// The colours of the windows and their frames, and the colour scheme of tip
// cells shared by the left panel, the row tables and the entry windows.
#pragma once

#include <QColor>
#include <QFont>

#include "evaluation/Hauptfensterlogik.h"

class QWidget;

namespace kv::ui {

namespace farbe {
inline const QColor starkGruen{94, 255, 94};
inline const QColor hellGruen{206, 255, 206};
inline const QColor starkRot{255, 91, 91};
inline const QColor hellRot{255, 185, 185};
inline const QColor gelb{255, 255, 0};
inline const QColor bernstein{245, 199, 10};
inline const QColor trefferbild{235, 126, 7};
inline const QColor feldNr{162, 94, 119};  // "Feld n", "k:", the winning-row numbers
inline const QColor feldNrText{255, 242, 242};
inline const QColor tipps{237, 224, 229};  // PTipps and the field frames
inline const QColor vew{222, 199, 208};
inline const QColor spielNr{223, 255, 223};
inline const QColor spiele{0, 106, 106};  // PSpiele
inline const QColor gewZ{166, 255, 166};
inline const QColor gewZText{0, 51, 51};
inline const QColor chance10{253, 241, 193};
inline const QColor chance11{251, 228, 140};
inline const QColor chance12{248, 211, 69};
inline const QColor chance13{231, 186, 10};
}  // namespace farbe

// The widget's font at `pixel` pixels, bold or not.
QFont schrift(const QWidget* w, int pixel, bool fett);

// The neutral colour: the platform's button face.
QColor neutral();
QColor farbeVon(Tippfarbe f);
// The background of a chance cell; invalid for "no colour".
QColor chancenFarbe(int chance);

// Fills the widget's background with `hinten` (and sets the text colour when given).
void faerben(QWidget* w, const QColor& hinten, const QColor& text = QColor());
QColor hintergrund(const QWidget* w);

}  // namespace kv::ui
