// The working side of the normal slip entry window: the suggestion from the
// tendencies, the rows listed into M2, filtered and reduced at random, saved
// as a slip or a text file, and the suggestion handed to the system slip
// entry window.
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "chancen/Chancenzeile.h"
#include "common/Dialoge.h"
#include "common/Einzelfeldrahmen.h"
#include "common/Fenster.h"
#include "common/Programmkontext.h"
#include "common/Sanduhr.h"
#include "common/UpDown.h"
#include "eingabe/Vorschlagsuebergabe.h"
#include "entry/Garantiereduzierung.h"
#include "entry/TFEingabe.h"
#include "entry/TFEingabeSys.h"
#include "entry/TFQuotenFilter.h"
#include "entry/Zeilenliste.h"

namespace kv::ui {

namespace {

Antwort alsAntwort(Dialoge::Antwort a) {
    switch (a) {
        case Dialoge::Antwort::Ja:
            return Antwort::Ja;
        case Dialoge::Antwort::Nein:
            return Antwort::Nein;
        case Dialoge::Antwort::Abbrechen:
            break;
    }
    return Antwort::Abbrechen;
}

}  // namespace

void TFEingabe::BVorschlagClick() {
    BAktualClick();
    BSave2_->setEnabled(true);
    breit_ = true;
    // the field, the settings and the row list come into view: on every
    // suggestion while the window is narrower, also after the user narrowed it
    if (width() < kBreit)
        Fensterposition::platzieren(this, Fensterposition::rahmen(this).topLeft(), QSize(kBreit, height()));
}

void TFEingabe::BAktualClick() {
    Vorschlag_->hide();
    eingabe_.BAktualClick(kontext_.zustand().tendenzWerte(), einstellungen().vorschlag);
    Vorschlag_->show();
}

void TFEingabe::BFilterClick() {
    // a new listing replaces the lines: hand edits are saved or discarded first
    if (listeVerwerfenErlaubt()) auflisten();
}

void TFEingabe::auflisten() {
    const Sanduhr sanduhr;
    eingabe_.BFilterClick(einstellungen().filter);
    M2_->zeigeListe(&eingabe_.liste());
    chancen_->zeigeReihen(eingabe_.liste().reihen());
    garantie_->zuruecksetzen();
}

void TFEingabe::garantieReduziert() {
    M2_->zeigeListe(&eingabe_.liste());
    chancen_->zeigeReihen(eingabe_.liste().reihen());
}

void TFEingabe::quotenFilterClick() {
    quotenFilterOeffnen(kontext_, eingabe_.vorschlagsfeld().daten());
}

void TFEingabe::cbFilterClick() {
    // ticking lists the rows anew; unticking waits for the next listing
    if (!cbFilter_->isChecked()) return;
    if (listeVerwerfenErlaubt())
        auflisten();
    else
        cbFilter_->setChecked(false);  // Abbrechen: as before the click
}

void TFEingabe::M2Change() {
    // the count follows the lines as they stand, hand edits included
    const std::uint64_t zeilen = M2_->inhalt().belegteZeilen();
    LAnz_->setText(QString::number(zeilen));
    const Reduktionsregler r = reduktionsregler(zeilen, upZ_->position(), einstellungen_.Reduz);
    POben_->setVisible(r.sichtbar);
    upZ_->setzeBereich(1, r.maximum);
    upZ_->setzePosition(r.wert);
    aenderungZeigen();
}

bool TFEingabe::listeUnveraendert() {
    if (M2_->inhalt().stimmtMitListe()) return true;
    dialoge().information(this, QString::fromStdString(meldungListeGeaendert()));
    return false;
}

void TFEingabe::BZufallClick() {
    if (!listeUnveraendert()) return;
    Zufallsgenerator zufall = Zufallsgenerator::ausUhr();
    eingabe_.liste().reduzieren(upZ_->position(), zufall);
    M2_->zeigeListe(&eingabe_.liste());
    chancen_->zeigeReihen(eingabe_.liste().reihen());
    garantie_->zuruecksetzen();  // a random choice guarantees nothing
}

void TFEingabe::bsSkinSpeedButton1Click() {
    // the slip holds exactly the rows the list shows, or nothing is written
    if (!listeUnveraendert()) return;
    const Reihenliste& liste = eingabe_.liste();
    const QString fn =
        dialoge().dateiSpeichern(this, {QStringLiteral("Spielschein speichern"), kontext_.datenordner(),
                                        QStringLiteral("Spielschein-Datei|*.kv13"), QStringLiteral("kv13")});
    if (fn.isEmpty()) return;
    try {
        const Sanduhr sanduhr;
        liste.alsSpielschein(fn.toStdString());
    } catch (const std::exception& f) {
        dialoge().fehler(this, QString::fromStdString(f.what()));
        return;
    }
    LDatei_->setText(QStringLiteral("Gespeichert: ") + QFileInfo(fn).fileName());
    kontext_.zustand().scheinGeschrieben(fn.toStdString());
}

bool TFEingabe::bsSkinSpeedButton2Click() {
    const QString fn =
        dialoge().dateiSpeichern(this, {QStringLiteral("Text-Datei speichern"), kontext_.datenordner(),
                                        QStringLiteral("Text-Datei|*.txt"), QStringLiteral("txt")});
    if (fn.isEmpty()) return false;
    try {
        const Sanduhr sanduhr;
        // the text as it stands, the user's edits included
        zeilenlisteSpeichern(fn.toStdString(), M2_->text());
    } catch (const std::exception& f) {
        dialoge().fehler(this, QString::fromStdString(f.what()));
        return false;
    }
    M2_->alsGesichertMerken();
    aenderungZeigen();
    return true;
}

void TFEingabe::BSave2Click() {
    auto* sys = qobject_cast<TFEingabeSys*>(fensterSuchen(QStringLiteral("FEingabeSys")));
    if (!sys) return;
    Vorschlagsuebergabe uebergabe(sys->schein());
    while (const std::optional<std::string> frage = uebergabe.frage())
        uebergabe.antwort(alsAntwort(dialoge().frageJaNeinAbbrechen(this, QString::fromStdString(*frage))));
    if (uebergabe.zielFeld() == 0) return;
    // a new slip there empties that window: its unsaved crosses first
    if (uebergabe.neuerSchein() && !sys->verwerfenErlaubt()) return;
    VorschlagTransfer(sys->schein(), eingabe_.vorschlagsfeld().daten(), uebergabe.zielFeld(),
                      uebergabe.neuerSchein());
    sys->alleAnzeigen();
    zeigenUndHeben(sys);
}

}  // namespace kv::ui
