// The main window's print command, "Tippschein(e) drucken...", and the print
// window as the opener of print formats handed to the program.
#include "common/Dateioeffner.h"
#include "common/Eingabesicherung.h"
#include "common/Fenster.h"
#include "common/Programmkontext.h"
#include "common/Symbole.h"
#include "print/TFDruck.h"

namespace kv::ui {

namespace {

TFDruck* druckfenster() {
    return qobject_cast<TFDruck*>(fensterSuchen(QStringLiteral("FDruck")));
}

// Makes the print window on first use, gives it a new, empty detail window
// and shows it in front. Unsaved changes of the format it shows are saved or
// discarded first, as the window reads its format again when shown; kept
// (Abbrechen, or `fragen` false for a format that is to be opened next), the
// window is only brought to the front.
TFDruck* druckfensterZeigen(Programmkontext& kontext, bool fragen = true) {
    TFDruck* w = druckfenster();
    if (!w) w = new TFDruck(kontext);
    const bool behalten = fragen ? !w->formatVerwerfenErlaubt() : w->zustand().kalibrierung.geaendert();
    if (behalten) {
        w->neuLesenAussetzen();
        zeigenUndHeben(w);
        return w;
    }
    // Verwerfen: back to the format last read or saved, which showing reads again
    if (w->zustand().kalibrierung.geaendert()) w->aenderungenVerwerfen();
    w->neuLesenAussetzen(false);
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
    // does not replace the one handed over; unsaved changes are asked about
    // once, before the handed format replaces them
    kontext.dateioeffner().anmelden(Dateiart::Scheinformat, [&kontext](const QString& datei) {
        TFDruck* w = druckfensterZeigen(kontext, false);
        if (w->formatVerwerfenErlaubt()) w->formatOeffnen(datei);
    });

    // the calibration not yet saved, in the draft; the window is made and
    // shown to take one back
    Eingabesicherung::Teil t;
    t.name = "Druckformat";
    t.geaendert = [] {
        const TFDruck* w = druckfenster();
        return w && w->zustand().kalibrierung.geaendert();
    };
    t.beschreibung = [] {
        return QStringLiteral(
            "Das Schein-Format im Fenster „Tippschein-Druck“ wurde geändert und noch nicht "
            "gespeichert.");
    };
    t.sichern = [] { return druckfenster()->BsaveClick(); };
    t.entwurf = [] { return druckfenster()->zustand().kalibrierung.entwurf(); };
    t.wiederherstellen = [&kontext](std::string_view daten) {
        druckfensterZeigen(kontext)->entwurfAnwenden(daten);
    };
    kontext.eingabesicherung().anmelden(std::move(t));
}

}  // namespace kv::ui
