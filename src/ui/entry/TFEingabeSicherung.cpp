// The unsaved work of the normal slip entry window: fixtures in the grid not
// saved as a fixture list, and hand edits of the row list not saved as a
// text file. Its change marks, the question before either is replaced, and
// its part of the draft.
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "chancen/Chancenzeile.h"
#include "common/Eingabesicherung.h"
#include "common/Einzelfeldrahmen.h"
#include "common/Fenster.h"
#include "common/Programmkontext.h"
#include "eingabe/Normalscheinentwurf.h"
#include "entry/Spielplanmodell.h"
#include "entry/TFEingabe.h"
#include "entry/Zeilenliste.h"

namespace kv::ui {

namespace {

QString spielplanText() {
    return QStringLiteral(
        "Die Begegnungen im Fenster „Neuen Normalschein eingeben“ wurden geändert und noch "
        "nicht als Spielplan gespeichert.");
}

QString listeText() {
    return QStringLiteral(
        "Die Liste der Tippreihen im Fenster „Neuen Normalschein eingeben“ wurde von Hand "
        "geändert und noch nicht als Text-Datei gespeichert.");
}

}  // namespace

bool TFEingabe::spielplanGeaendert() const {
    return raster_.geaendert();
}

bool TFEingabe::listeGeaendert() const {
    return M2_->inhalt().ungesichert();
}

void TFEingabe::aenderungZeigen() {
    // called while the panels are still being built
    if (!LGeaendert_ || !LListeGeaendert_ || !M2_) return;
    LGeaendert_->setVisible(spielplanGeaendert());
    LListeGeaendert_->setVisible(listeGeaendert());
    kontext_.eingabesicherung().geaendert();
}

bool TFEingabe::spielplanVerwerfenErlaubt(QWidget* eltern) {
    if (!spielplanGeaendert()) return true;
    return verwerfenErlaubt(eltern, spielplanText(), [this] { return BSaveClick(); });
}

bool TFEingabe::listeVerwerfenErlaubt() {
    if (!listeGeaendert()) return true;
    return verwerfenErlaubt(this, listeText(), [this] { return bsSkinSpeedButton2Click(); });
}

void TFEingabe::sicherungAnmelden() {
    Eingabesicherung::Teil t;
    t.name = "Normalschein";
    t.geaendert = [this] { return spielplanGeaendert() || listeGeaendert(); };
    t.beschreibung = [this] {
        if (spielplanGeaendert() && listeGeaendert()) return spielplanText() + QLatin1Char(' ') + listeText();
        return spielplanGeaendert() ? spielplanText() : listeText();
    };
    t.sichern = [this] {
        if (spielplanGeaendert() && !BSaveClick()) return false;
        return !listeGeaendert() || bsSkinSpeedButton2Click();
    };
    t.entwurf = [this] { return entwurf(); };
    t.wiederherstellen = [this](std::string_view daten) { entwurfAnwenden(daten); };
    t.vorSpielplan = [this](QWidget* eltern) { return spielplanVerwerfenErlaubt(eltern); };
    kontext_.eingabesicherung().anmelden(std::move(t));
}

std::string TFEingabe::entwurf() const {
    NormalscheinTeile t;
    if (spielplanGeaendert()) {
        t.raster = &raster_;
        t.dateiLabel = LDatei_->text().toStdString();
        t.tendenzen = kontext_.zustand().tendenzWerte();
        t.vorschlagFrei = BVorschlag_->isEnabled();
    }
    t.feld = eingabe_.vorschlagsfeld().daten();
    if (listeGeaendert()) {
        t.liste = &eingabe_.liste();
        t.zeilen = &M2_->inhalt();
    }
    return normalscheinentwurf(t);
}

void TFEingabe::entwurfAnwenden(std::string_view daten) {
    Normalscheinentwurf e = normalscheinentwurfLesen(daten);
    if (e.mitSpielplan) {
        raster_.zellenUebernehmen(e.raster);
        G1Modell_->neuGesetzt();
        LDatei_->setText(QString::fromStdString(e.dateiLabel));
        if (e.tendenzen != kontext_.zustand().tendenzWerte())
            kontext_.zustand().tendenzWerteSetzen(e.tendenzen);
        BVorschlag_->setEnabled(e.vorschlagFrei);
        PC1_->setCurrentWidget(Tab2_);
    }
    eingabe_.vorschlagsfeld().kreuzeUebernehmen(e.feld);
    if (e.mitListe) {
        eingabe_.liste() = std::move(e.liste);
        M2_->zeigeEntwurf(&eingabe_.liste(), e.zeilen);
        chancen_->zeigeReihen(eingabe_.liste().reihen());
    }
    if (!eingabe_.vorschlagsfeld().leer() || e.mitListe) {
        // the field and the list are in the wide window's panels
        breit_ = true;
        BSave2_->setEnabled(true);
    }
    aenderungZeigen();
    zeigenUndHeben(this);
}

}  // namespace kv::ui
