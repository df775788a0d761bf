// The main window's print command, "Tippschein(e) drucken...".
#include "common/Fenster.h"
#include "common/Symbole.h"
#include "print/TFDruck.h"

namespace kv::ui {

Befehl druckBefehl(Programmkontext& kontext) {
    Befehl b;
    b.name = "Tippscheinedrucken1";
    b.text = QStringLiteral("Tippschein(e) drucken...");
    b.symbol = symbol::drucken();
    b.menues = {Menueplatz::DateiDrucken};
    b.leiste = Leistenplatz::Drucken;
    b.knopf = "BDruck";
    b.leistentext = QStringLiteral("Drucken");
    b.ausfuehren = [&kontext] {
        auto* w = qobject_cast<TFDruck*>(fensterSuchen(QStringLiteral("FDruck")));
        if (!w) w = new TFDruck(kontext);
        // every use of the command brings a new, empty detail window
        w->neuesDetailfenster();
        zeigenUndHeben(w);
    };
    return b;
}

}  // namespace kv::ui
