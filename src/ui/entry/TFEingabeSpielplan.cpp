// The left panel of the normal slip entry window: the pasted fixture table,
// the web page it comes from, the fixture grid and its files; and the
// window's settings on showing and closing.
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QUrl>

#include "common/Bauteile.h"
#include "common/Dialoge.h"
#include "common/Fenster.h"
#include "common/Programmkontext.h"
#include "common/Symbole.h"
#include "common/UpDown.h"
#include "common/Webseiten.h"
#include "entry/Spielplanmodell.h"
#include "entry/TFEingabe.h"
#include "model/Spielplandatei.h"
#include "settings/Einstellungen.h"
#include "settings/IniDatei.h"

namespace kv::ui {

namespace {

const Fensterposition kPosition(einst::kEingabeLeft, einst::kEingabeTop, einst::kEingabeWidth,
                                einst::kEingabeHeight);

Dateiauswahl spielplanDialog(const QString& titel, const QString& ordner) {
    return {titel, ordner, QStringLiteral("Spielplan|*.sp13"), QStringLiteral("sp13")};
}

QString ohneOrdner(const QString& pfad) {
    return QFileInfo(pfad).fileName();
}

}  // namespace

void TFEingabe::BAuslesenClick() {
    const TendenzWerte bisher = kontext_.zustand().tendenzWerte();
    // the raw text: no-break spaces stay what they are, so a tendency written
    // with them is refused here as on the command line
    const Spielplanimport im = DatenAuslesen(rohText(M1_).toStdString(), bisher);
    if (im.aufbereitet) M1_->setPlainText(QString::fromStdString(im.text));
    // the import writes the grid: unsaved fixtures there are saved or discarded first
    if (im.rasterSchreiben && !spielplanVerwerfenErlaubt(this)) return;
    if (im.tendenzen != bisher) kontext_.zustand().tendenzWerteSetzen(im.tendenzen);
    if (im.vorschlagFrei) BVorschlag_->setEnabled(*im.vorschlagFrei);
    if (im.vollstaendig()) BAuslesen_->setIcon(symbol::erfolg());
    if (im.rasterSchreiben) {
        raster_.uebernehme(im);
        G1Modell_->neuGesetzt();
    }
    // only a complete import reaches the main window's score frames: a
    // partial one leaves its pairings and their file as they were
    if (im.uebernehmbar()) {
        eigeneBegegnungen_ = true;
        kontext_.zustand().begegnungenSetzen(gekuerzteBegegnungen(raster_), std::string());
        eigeneBegegnungen_ = false;
    }
    LStatus_->setText(QString::fromStdString(im.bericht()));
    if (!im.fehler.empty()) {
        dialoge().fehler(this, QString::fromStdString(im.fehler));
        return;
    }
    if (!im.tendenzprobleme.empty())
        dialoge().information(this, QString::fromStdString(meldungTendenzen(im.tendenzprobleme)));
    if (BVorschlag_->isEnabled()) PC1_->setCurrentWidget(Tab2_);
}

void TFEingabe::bsSkinSpeedButton3Click() {
    M1_->clear();
    BAuslesen_->setIcon(symbol::auslesen());
}

void TFEingabe::bsSkinSpeedButton7Click() {
    if (!webseiten().verbunden()) {
        dialoge().information(
            this,
            QStringLiteral("Für den Aufruf aktueller Quoten muss eine Verbindung zum Internet bestehen."));
        return;
    }
    const QString adresse = QString::fromStdString(quellenAdresse(EUrl_->text().toStdString()));
    if (!webseiten().oeffnen(QUrl::fromUserInput(adresse))) {
        dialoge().fehler(
            this,
            QStringLiteral("Die Internetseite %1 konnte nicht im Webbrowser geöffnet werden.").arg(adresse) +
                QString::fromLatin1(kAbsatz) +
                QStringLiteral("Bitte rufen Sie sie selbst in Ihrem Webbrowser auf."));
    }
}

void TFEingabe::BSaveUrlClick() {
    try {
        Einstellungen e(kontext_.einstellungsdatei().toStdString());
        e.schreibe(einst::kSpieltagVorschauUrl, EUrl_->text().toStdString());
        e.speichern();
        UrlGeaendert_ = false;
    } catch (const std::exception& f) {
        dialoge().fehler(this, QString::fromStdString(f.what()));
    }
}

void TFEingabe::BOpenClick() {
    if (!spielplanVerwerfenErlaubt(this)) return;
    const QStringList wahl = dialoge().dateienOeffnen(
        this, spielplanDialog(QStringLiteral("Spielplan-Datei öffnen"), kontext_.datenordner()), false);
    if (wahl.isEmpty()) return;
    const std::string pfad = wahl.first().toStdString();
    Begegnungen b = kontext_.zustand().begegnungen();
    try {
        leseBegegnungen(pfad, b);
    } catch (const std::exception& f) {
        dialoge().fehler(this, QString::fromStdString(f.what()));
        return;
    }
    // the notice of the new fixture list shows it here (BegegnungenTendenzen)
    kontext_.zustand().begegnungenSetzen(b, pfad);
}

void TFEingabe::begegnungenGeaendert() {
    if (eigeneBegegnungen_) return;
    BegegnungenTendenzen(ohneOrdner(QString::fromStdString(kontext_.zustand().spielplanDatei())));
}

void TFEingabe::BegegnungenTendenzen(const QString& s) {
    TendenzWerte tendenzen = kontext_.zustand().tendenzWerte();
    kv::BegegnungenTendenzen(kontext_.zustand().begegnungen(), raster_, tendenzen);
    G1Modell_->neuGesetzt();
    LDatei_->setText(s);
    if (tendenzen != kontext_.zustand().tendenzWerte()) kontext_.zustand().tendenzWerteSetzen(tendenzen);
    BVorschlag_->setEnabled(true);
    PC1_->setCurrentWidget(Tab2_);
}

bool TFEingabe::BSaveClick() {
    const QString fn = dialoge().dateiSpeichern(
        this, spielplanDialog(QStringLiteral("Spielplan-Datei speichern"), kontext_.datenordner()));
    if (fn.isEmpty()) return false;
    const std::string pfad = fn.toStdString();
    try {
        const Begegnungen b = BegegnungenSpeichern(raster_, pfad);
        raster_.alsGesichertMerken();
        // the saved fixtures are the program's fixture list now; the grid shows them already
        eigeneBegegnungen_ = true;
        kontext_.zustand().begegnungenSetzen(b, pfad);
        eigeneBegegnungen_ = false;
        LDatei_->setText(QStringLiteral("Gespeichert in: ") + ohneOrdner(fn));
        aenderungZeigen();
        IniDatei einstellungen(kontext_.einstellungsdatei().toStdString());
        spieltagDateiMerken(einstellungen, pfad);
    } catch (const std::exception& f) {
        eigeneBegegnungen_ = false;
        dialoge().fehler(this, QString::fromStdString(f.what()));
        return !raster_.geaendert();
    }
    return true;
}

void TFEingabe::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TFEingabe::FormShow() {
    QPoint ort(einst::kEingabeLeft.vorgabe, einst::kEingabeTop.vorgabe);
    QSize groesse;
    try {
        const Einstellungen e(kontext_.einstellungsdatei().toStdString());
        if (e.existiert()) {
            ort = kPosition.lesen(e);
            groesse = kPosition.groesse(e);
            einstellungenZeigen(eingabeeinstellungenLesen(e, einstellungen()));
            if (e.enthaelt(einst::kSpieltagVorschauUrl)) {
                // filling the field from the settings is no change of the user's
                urlWirdGesetzt_ = true;
                EUrl_->setText(QString::fromStdString(e.lese(einst::kSpieltagVorschauUrl)));
                urlWirdGesetzt_ = false;
                UrlGeaendert_ = false;
            }
        }
    } catch (const std::exception&) {
        // an unreadable settings file leaves the window as at the first start
    }
    // narrow until the first suggestion; the height the user gave it stays
    const int breite = breit_ ? (groesse.isValid() ? groesse.width() : kBreit) : kSchmal;
    const int hoehe = groesse.isValid() ? groesse.height() : kHoehe;
    // -1000 centres the window's frame on the primary screen, each edge on its own
    Qt::Orientations mittig;
    if (ort.x() == einst::kEingabeLeft.vorgabe) mittig |= Qt::Horizontal;
    if (ort.y() == einst::kEingabeTop.vorgabe) mittig |= Qt::Vertical;
    Fensterposition::platzieren(this, ort, QSize(breite, hoehe), mittig);
}

void TFEingabe::closeEvent(QCloseEvent* e) {
    FormCloseQuery();
    e->accept();
}

void TFEingabe::FormCloseQuery() {
    try {
        Einstellungen e(kontext_.einstellungsdatei().toStdString());
        kPosition.schreiben(e, this);
        eingabeeinstellungenSchreiben(e, einstellungen());
        e.speichern();
    } catch (const std::exception& f) {
        dialoge().fehler(this, QString::fromStdString(f.what()));
    }
    if (UrlGeaendert_ &&
        dialoge().frageJaNein(this, QStringLiteral("Die geänderte Url der Internetquelle wurde noch nicht "
                                                   "gespeichert.") +
                                        QString::fromLatin1(kAbsatz) +
                                        QStringLiteral("Soll die Änderung gespeichert werden?")) ==
            Dialoge::Antwort::Ja)
        BSaveUrlClick();
}

}  // namespace kv::ui
