// Start and end of the main window, the right panel's width and the small
// windows and commands.
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QShowEvent>
#include <QSplitter>

#include "common/Dialoge.h"
#include "common/Fenster.h"
#include "io/Datei.h"
#include "main/Ergebnistabs.h"
#include "main/Spielstandsicherung.h"
#include "main/TFMain.h"
#include "model/Spielstandsdatei.h"
#include "settings/Einstellungen.h"

namespace kv::ui {

namespace {

std::string pfad(const QString& s) {
    return s.toStdString();
}

QString nichtGefunden(const QString& fn) {
    return QStringLiteral("Die mit dem Programmstart zu ladende Datei ") +
           QString::fromStdString(dateiName(pfad(fn))) + QString::fromUtf8(kAbsatz) +
           QStringLiteral(" wurde nicht gefunden.");
}

const Fensterposition kPosition(einst::kHauptLeft, einst::kHauptTop, einst::kHauptWidth, einst::kHauptHeight);

// A remembered file is opened at start only when it is a file: a folder of
// that name counts as missing.
bool istDatei(const QString& fn) {
    return QFileInfo(fn).isFile();
}

}  // namespace

void TFMain::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (ppcSollOffen_) {
        // the splitter has its size only now
        setzePpcBreite(ppcSoll_);
    }
    if (formGezeigt_) return;
    formGezeigt_ = true;
    FormShow();
}

void TFMain::FormShow() {
    // 1. the automatically saved scores
    if (QFileInfo::exists(spielstanddatei())) befehl([this] { SpielstaendeEinlesen(spielstanddatei()); });

    // 2. the settings, read once
    bool ende = false;
    QStringList tabs;
    bool platziert = false;
    try {
        const Einstellungen e(pfad(einstellungsdatei()));
        if (e.existiert()) {
            const QPoint gespeichert = kPosition.lesen(e);
            const QSize groesse = kPosition.groesse(e);
            ende = e.lese(einst::kSpieltagEnde);
            setzePpcBreite(e.lese(einst::kSplitterPos));
            const QString plan = QString::fromStdString(e.lese(einst::kSpieltagDatei));
            if (!plan.isEmpty() && istDatei(plan)) befehl([&] { SpielplanEinlesen(plan); });
            cbMerken()->setChecked(e.lese(einst::kSpielscheinMerken));
            cbMerken2()->setChecked(e.lese(einst::kSpielscheineMerken));
            cbRechts()->setChecked(e.lese(einst::kSpielscheinAuchRechts));
            cbMerkenSp()->setChecked(e.lese(einst::kSpieltagMerken));
            const QString schein = QString::fromStdString(e.lese(einst::kSpielscheinDatei));
            if (istDatei(schein))
                befehl([&] { DateiEinlesen(schein); });
            else if (!schein.isEmpty())
                dialoge().information(this, nichtGefunden(schein));
            for (const std::string& fn : gemerkteScheine(e)) tabs << QString::fromStdString(fn);
            // -1000 centres the window's whole frame, title bar included, each edge on its own
            Qt::Orientations mittig;
            if (gespeichert.x() == einst::kHauptLeft.vorgabe) mittig |= Qt::Horizontal;
            if (gespeichert.y() == einst::kHauptTop.vorgabe) mittig |= Qt::Vertical;
            Fensterposition::platzieren(this, gespeichert, groesse, mittig);
            platziert = true;
        }
    } catch (const std::exception& f) {
        dialoge().fehler(this, QString::fromStdString(f.what()));
    }
    // without settings the window keeps its designed place, but no more of
    // its laid-out size than the screen has room for
    if (!platziert) Fensterposition::platzieren(this, pos());

    // 3. winning row and colours from the scores
    zustand_.gewinnreiheAusTendenzen();

    // 4. the remembered tabs
    for (const QString& fn : tabs) {
        if (istDatei(fn))
            befehl([&] { DateienEinlesen(fn); });
        else
            dialoge().information(this, nichtGefunden(fn));
    }

    // 5. "Ende": every match final once more
    if (ende) BAllesClick();
    startFertig_ = true;

    // from now on nothing waits for the closing sequence: scores and the
    // tick boxes go to disk as they change
    sicherung_->starten();
    haekchenSofortMerken();
    // unsaved entries of a run that did not end are offered back; from now
    // on the entry windows' unsaved work is kept as a draft
    kontext_.eingabesicherung().anbieten(this);
    Q_EMIT gestartet();
}

void TFMain::haekchenSofortMerken() {
    const auto merken = [this](QCheckBox* box, const einst::Schalter& schluessel) {
        connect(box, &QCheckBox::toggled, this, [this, &schluessel](bool an) {
            try {
                Einstellungen e(pfad(einstellungsdatei()));
                e.schreibe(schluessel, an);
                e.speichern();
            } catch (const std::exception& f) {
                dialoge().fehler(this, QString::fromStdString(f.what()));
            }
        });
    };
    merken(cbMerken(), einst::kSpielscheinMerken);
    merken(cbMerken2(), einst::kSpielscheineMerken);
    merken(cbRechts(), einst::kSpielscheinAuchRechts);
    merken(cbMerkenSp(), einst::kSpieltagMerken);
}

bool TFMain::FormCloseQuery() {
    return sichern();
}

bool TFMain::sichern() {
    try {
        Einstellungen e(pfad(einstellungsdatei()));
        e.schreibe(einst::kSpielscheineMerken, cbMerken2()->isChecked());
        e.schreibe(einst::kSpielscheinMerken, cbMerken()->isChecked());
        e.schreibe(einst::kSpielscheinAuchRechts, cbRechts()->isChecked());
        e.schreibe(einst::kSpieltagMerken, cbMerkenSp()->isChecked());
        kPosition.schreiben(e, this);
        e.schreibe(einst::kSplitterPos, ppcBreite());
        e.schreibe(einst::kSpieltagEnde, zustand_.alleBeendet());
        e.speichern();
    } catch (const std::exception& f) {
        // the scores are still saved; the settings are only lost for this run
        dialoge().fehler(this, QString::fromStdString(f.what()));
    }
    try {
        schreibeSpielstaende(pfad(spielstanddatei()), zustand_.spielstaende());
    } catch (const std::exception& f) {
        dialoge().fehler(this, QString::fromStdString(f.what()));
        return false;
    }
    return true;
}

void TFMain::closeEvent(QCloseEvent* e) {
    // unsaved work of the entry windows first, shown or hidden: Abbrechen
    // keeps the program running
    Eingabesicherung& eingaben = kontext_.eingabesicherung();
    if (!eingaben.beendenErlaubt(this) || !FormCloseQuery()) {
        e->ignore();
        return;
    }
    e->accept();
    sicherung_->anhalten();
    eingaben.beenden();
    Q_EMIT beendet();
}

int TFMain::ppcBreite() const {
    if (ppcSollOffen_) return ppcSoll_;
    const QList<int> s = splitt1_->sizes();
    return s.size() > 1 ? s[1] : ppcSoll_;
}

void TFMain::setzePpcBreite(int breite) {
    const int gesamt = splitt1_->width() - splitt1_->handleWidth();
    ppcSoll_ = breite;
    if (!isVisible() || gesamt <= 0) {
        ppcSollOffen_ = true;
        return;
    }
    ppcSollOffen_ = false;
    splitt1_->setSizes({std::max(gesamt - breite, 0), breite});
}

void TFMain::splitt1Moved() {
    setzePpcBreite(ppcBreite() > 374 ? kPpcOffen : kPpcZu);
}

void TFMain::Image1Click() {
    setzePpcBreite(einklappen_ ? kPpcZu : kPpcOffen);
    einklappen_ = !einklappen_;
    PPC_->zeigeEingeklappt(!einklappen_);
}

void TFMain::BKalClick() {
    kontext_.befehle().ausfuehren(QStringLiteral("Kalender1"));
}

void TFMain::InfoClick() {
    kontext_.befehle().ausfuehren(QStringLiteral("ProgrammInfo1"));
}

void TFMain::BCalcClick() {
    kontext_.befehle().ausfuehren(QStringLiteral("Taschenrechner1"));
}

void TFMain::HilfeClick() {
    kontext_.befehle().ausfuehren(QStringLiteral("Inhalt1"));
}

void TFMain::HilfeSuchenClick() {
    kontext_.befehle().ausfuehren(QStringLiteral("InHilfesuchen1"));
}

void TFMain::BGZdirektClick() {
    kontext_.befehle().ausfuehren(QStringLiteral("Gewinnzahlen1"));
}

}  // namespace kv::ui
