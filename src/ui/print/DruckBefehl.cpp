// The main window's print command, "Tippschein(e) drucken...", and the print
// window as the opener of print formats handed to the program.
#include "common/Dateioeffner.h"
#include "common/Fenster.h"
#include "common/Programmkontext.h"
#include "common/Symbole.h"
#include "print/TFDruck.h"

namespace kv::ui {

namespace {

// Makes the print window on first use, gives it a new, empty detail window
// and shows it in front.
TFDruck* druckfensterZeigen(Programmkontext& kontext) {
    auto* w = qobject_cast<TFDruck*>(fensterSuchen(QStringLiteral("FDruck")));
    if (!w) w = new TFDruck(kontext);
    w->neuesDetailfenster();
    zeigenUndHeben(w);
    return w;
}

}  // namespace

Befehl druckBefehl(Programmkontext& kontext) {
    Befehl b;
    b.name = "Tippscheinedrucken1";
    b.text = QStringLiteral("Tippschein(e) drucken...");
    b.symbol = symbol::drucken();
    b.menues = {Menueplatz::DateiDrucken};
    b.leiste = Leistenplatz::Drucken;
    b.knopf = "BDruck";
    b.leistentext = QStringLiteral("Drucken");
    b.ausfuehren = [&kontext] { druckfensterZeigen(kontext); };
    return b;
}

void scheinformateAnmelden(Programmkontext& kontext) {
    // shown first, so the format the window reads when shown (Formatdatei)
    // does not replace the one handed over
    kontext.dateioeffner().anmelden(Dateiart::Scheinformat, [&kontext](const QString& datei) {
        druckfensterZeigen(kontext)->formatOeffnen(datei);
    });
}

}  // namespace kv::ui
