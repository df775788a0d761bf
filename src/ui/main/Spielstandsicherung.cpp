#include "main/Spielstandsicherung.h"

#include "common/Dialoge.h"
#include "common/Programmkontext.h"
#include "model/Spielstandsdatei.h"
#include "settings/Einstellungen.h"

namespace kv::ui {

Spielstandsicherung::Spielstandsicherung(Programmkontext& kontext, QObject* eltern)
    : QObject(eltern), kontext_(kontext) {
    timer_.setSingleShot(true);
    timer_.setInterval(kVerzoegerung);
    connect(&timer_, &QTimer::timeout, this, &Spielstandsicherung::schreiben);
    connect(&kontext.melder(), &Zustandsmelder::spieleGeaendert, this, &Spielstandsicherung::geaendert);
}

void Spielstandsicherung::starten() {
    geschrieben_ = kontext_.zustand().spielstaende();
    endeGeschrieben_ = kontext_.zustand().alleBeendet();
    aktiv_ = true;
}

void Spielstandsicherung::anhalten() {
    aktiv_ = false;
    timer_.stop();
}

void Spielstandsicherung::geaendert() {
    // the first change starts the clock; later ones ride along with it
    if (aktiv_ && !timer_.isActive()) timer_.start();
}

void Spielstandsicherung::schreiben() {
    const Programmzustand& z = kontext_.zustand();
    try {
        if (z.spielstaende() != geschrieben_) {
            schreibeSpielstaende(kontext_.spielstanddatei().toStdString(), z.spielstaende());
            geschrieben_ = z.spielstaende();
        }
        if (z.alleBeendet() != endeGeschrieben_) {
            Einstellungen e(kontext_.einstellungsdatei().toStdString());
            e.schreibe(einst::kSpieltagEnde, z.alleBeendet());
            e.speichern();
            endeGeschrieben_ = z.alleBeendet();
        }
        fehlerGemeldet_ = false;
    } catch (const std::exception& f) {
        // said once; the next change tries again, and so does the closing sequence
        if (!fehlerGemeldet_) {
            fehlerGemeldet_ = true;
            dialoge().fehler(kontext_.hauptfenster(), QString::fromStdString(f.what()));
        }
    }
}

}  // namespace kv::ui
