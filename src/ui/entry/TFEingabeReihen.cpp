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
    if (!breit_) {
        // the field, the settings and the row list come into view, and stay
        breit_ = true;
        Fensterposition::platzieren(this, Fensterposition::rahmen(this).topLeft(),
                                    QSize(std::max(width(), kBreit), height()));
    }
}

void TFEingabe::BAktualClick() {
    Vorschlag_->hide();
    eingabe_.BAktualClick(kontext_.zustand().tendenzWerte(), einstellungen().vorschlag);
    Vorschlag_->show();
}

void TFEingabe::BFilterClick() {
    const Sanduhr sanduhr;
    eingabe_.BFilterClick(einstellungen().filter);
    M2_->zeigeListe(&eingabe_.liste());
    LAnz_->setText(QString::number(M2_->zeilen()));
    chancen_->zeigeReihen(eingabe_.liste().reihen());
    garantie_->zuruecksetzen();
}

void TFEingabe::garantieReduziert() {
    M2_->zeigeListe(&eingabe_.liste());
    LAnz_->setText(QString::number(M2_->zeilen()));
    chancen_->zeigeReihen(eingabe_.liste().reihen());
}

void TFEingabe::quotenFilterClick() {
    quotenFilterOeffnen(kontext_, eingabe_.vorschlagsfeld().daten());
}

void TFEingabe::cbFilterClick() {
    // ticking lists the rows anew; unticking waits for the next listing
    if (cbFilter_->isChecked()) BFilterClick();
}

void TFEingabe::M2Change() {
    const Reduktionsregler r = reduktionsregler(M2_->zeilen(), upZ_->position(), einstellungen_.Reduz);
    POben_->setVisible(r.sichtbar);
    upZ_->setzeBereich(1, r.maximum);
    upZ_->setzePosition(r.wert);
}

void TFEingabe::BZufallClick() {
    Reihenliste& liste = eingabe_.liste();
    if (!liste.passtZu(M2_->zeilen())) {
        dialoge().information(this, QString::fromStdString(meldungListeGeaendert()));
        return;
    }
    // the lines the user edited keep their text; they need the list as it was
    const bool bearbeitet = M2_->inhalt().bearbeitet();
    const Reihenliste vorher = bearbeitet ? liste : Reihenliste();
    Zufallsgenerator zufall = Zufallsgenerator::ausUhr();
    const std::vector<std::uint64_t> alt = liste.reduzieren(upZ_->position(), zufall);
    M2_->neuOrdnen(alt, bearbeitet ? vorher : liste);
    LAnz_->setText(QString::number(M2_->zeilen()));
    chancen_->zeigeReihen(eingabe_.liste().reihen());
    garantie_->zuruecksetzen();  // a random choice guarantees nothing
}

void TFEingabe::bsSkinSpeedButton1Click() {
    const Reihenliste& liste = eingabe_.liste();
    if (!liste.passtZu(M2_->zeilen())) {
        dialoge().information(this, QString::fromStdString(meldungListeGeaendert()));
        return;
    }
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

void TFEingabe::bsSkinSpeedButton2Click() {
    const QString fn =
        dialoge().dateiSpeichern(this, {QStringLiteral("Text-Datei speichern"), kontext_.datenordner(),
                                        QStringLiteral("Text-Datei|*.txt"), QStringLiteral("txt")});
    if (fn.isEmpty()) return;
    try {
        const Sanduhr sanduhr;
        // the text as it stands, the user's edits included
        zeilenlisteSpeichern(fn.toStdString(), M2_->text());
    } catch (const std::exception& f) {
        dialoge().fehler(this, QString::fromStdString(f.what()));
    }
}

void TFEingabe::BSave2Click() {
    auto* sys = qobject_cast<TFEingabeSys*>(fensterSuchen(QStringLiteral("FEingabeSys")));
    if (!sys) return;
    Vorschlagsuebergabe uebergabe(sys->schein());
    while (const std::optional<std::string> frage = uebergabe.frage())
        uebergabe.antwort(alsAntwort(dialoge().frageJaNeinAbbrechen(this, QString::fromStdString(*frage))));
    if (uebergabe.zielFeld() == 0) return;
    VorschlagTransfer(sys->schein(), eingabe_.vorschlagsfeld().daten(), uebergabe.zielFeld(),
                      uebergabe.neuerSchein());
    sys->alleAnzeigen();
    zeigenUndHeben(sys);
}

}  // namespace kv::ui
