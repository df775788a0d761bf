// Start and end of the main window, the right panel's width and the small
// windows and commands.
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QScreen>
#include <QShowEvent>
#include <QSplitter>
#include <QTimer>

#include "common/Dialoge.h"
#include "common/Rechner.h"
#include "help/Hilfe.h"
#include "io/Datei.h"
#include "main/Rechtsfeld.h"
#include "main/TFInfo.h"
#include "main/TFKal.h"
#include "main/TFMain.h"
#include "model/Spielstandsdatei.h"
#include "settings/Einstellungen.h"
#include "settings/IniDatei.h"

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

    // 2. the settings
    bool ende = false;
    QStringList tabs;
    const IniDatei ini(pfad(einstellungsdatei()));
    bool einstellungen = false;
    try {
        einstellungen = ini.existiert();
        if (einstellungen) {
            const int links = ini.leseZahl(einst::kFenster, einst::kHauptLeft, einst::kHauptLeftVorgabe);
            const int oben = ini.leseZahl(einst::kFenster, einst::kHauptTop, einst::kHauptTopVorgabe);
            ende = ini.leseBool(einst::kSpieltag, einst::kSpieltagEnde, einst::kSpieltagEndeVorgabe);
            zustand_.alleBeendet = ende;
            setzePpcBreite(ini.leseZahl(einst::kSplitter, einst::kSplitterPos, einst::kSplitterPosVorgabe));
            const QString plan = QString::fromStdString(
                ini.leseText(einst::kSpieltag, einst::kSpieltagDatei, einst::kSpieltagDateiVorgabe));
            if (!plan.isEmpty() && QFileInfo::exists(plan)) befehl([&] { SpielplanEinlesen(plan); });
            cbMerken_->setChecked(ini.leseBool(einst::kSpielschein, einst::kSpielscheinMerken,
                                               einst::kSpielscheinMerkenVorgabe));
            cbMerken2_->setChecked(ini.leseBool(einst::kSpielscheine, einst::kSpielscheineMerken,
                                                einst::kSpielscheineMerkenVorgabe));
            cbRechts_->setChecked(ini.leseBool(einst::kSpielschein, einst::kSpielscheinAuchRechts,
                                               einst::kSpielscheinAuchRechtsVorgabe));
            cbMerkenSp_->setChecked(
                ini.leseBool(einst::kSpieltag, einst::kSpieltagMerken, einst::kSpieltagMerkenVorgabe));
            const QString schein = QString::fromStdString(
                ini.leseText(einst::kSpielschein, einst::kSpielscheinDatei, einst::kSpielscheinDateiVorgabe));
            if (QFileInfo::exists(schein))
                befehl([&] { DateiEinlesen(schein); });
            else if (!schein.isEmpty())
                dialoge().information(this, nichtGefunden(schein));
            const int n = ini.leseZahl(einst::kSpielscheine, einst::kSpielscheineDateienanzahl,
                                       einst::kSpielscheineDateienanzahlVorgabe);
            for (int i = 1; i <= n; ++i)
                tabs << QString::fromStdString(ini.leseText(einst::kSpielscheine, einst::spielscheineDatei(i),
                                                            einst::kSpielscheineDateiVorgabe));
            const QRect schirm = QGuiApplication::primaryScreen()
                                     ? QGuiApplication::primaryScreen()->geometry()
                                     : QRect(0, 0, 1920, 1080);
            const int x = links == einst::kHauptLeftVorgabe ? (schirm.width() - width()) / 2 : links;
            const int y = oben == einst::kHauptTopVorgabe ? (schirm.height() - height()) / 2 : oben;
            move(x, y);
        }
    } catch (const std::exception& e) {
        dialoge().fehler(this, QString::fromStdString(e.what()));
    }

    // 3. winning row and colours from the scores
    for (int m = 1; m <= 13; ++m)
        FarbAnzeige(m, zustand_.spielTendenz[static_cast<std::size_t>(m - 1)], false);

    // 4. the remembered tabs
    for (const QString& fn : tabs) {
        if (QFileInfo::exists(fn))
            befehl([&] { DateienEinlesen(fn); });
        else
            dialoge().information(this, nichtGefunden(fn));
    }

    // 5. "Ende": every match final once more
    if (ende) {
        zustand_.alleBeendet = false;
        BAllesClick();
    }
    startFertig_ = true;
}

bool TFMain::FormCloseQuery() {
    try {
        IniDatei ini(pfad(einstellungsdatei()));
        ini.schreibeBool(einst::kSpielscheine, einst::kSpielscheineMerken, cbMerken2_->isChecked());
        ini.schreibeBool(einst::kSpielschein, einst::kSpielscheinMerken, cbMerken_->isChecked());
        ini.schreibeBool(einst::kSpielschein, einst::kSpielscheinAuchRechts, cbRechts_->isChecked());
        ini.schreibeBool(einst::kSpieltag, einst::kSpieltagMerken, cbMerkenSp_->isChecked());
        ini.schreibeZahl(einst::kFenster, einst::kHauptLeft, x());
        ini.schreibeZahl(einst::kFenster, einst::kHauptTop, y());
        ini.schreibeZahl(einst::kSplitter, einst::kSplitterPos, ppcBreite());
        ini.schreibeBool(einst::kSpieltag, einst::kSpieltagEnde, zustand_.alleBeendet);
    } catch (const std::exception& e) {
        // the scores are still saved; the settings are only lost for this run
        dialoge().fehler(this, QString::fromStdString(e.what()));
    }
    try {
        schreibeSpielstaende(pfad(spielstanddatei()), zustand_.spielstaende);
    } catch (const std::exception& e) {
        dialoge().fehler(this, QString::fromStdString(e.what()));
        return false;
    }
    return true;
}

void TFMain::closeEvent(QCloseEvent* e) {
    if (!FormCloseQuery()) {
        e->ignore();
        return;
    }
    e->accept();
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

QWidget* TFMain::fensterSuchen(const QString& name) const {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name) return w;
    return nullptr;
}

void TFMain::BKalClick() {
    QWidget* w = fensterSuchen(QStringLiteral("FKal"));
    if (!w) w = new TFKal(this);
    w->showNormal();
}

void TFMain::InfoClick() {
    QWidget* w = fensterSuchen(QStringLiteral("FInfo"));
    if (!w) w = new TFInfo(this);
    w->showNormal();
    w->raise();
    w->activateWindow();
}

void TFMain::BCalcClick() {
    rechnerStarten();
}

void TFMain::HilfeClick() {
    hilfeZeigen(this, kHilfeHauptfenster);
}

void TFMain::HilfeSuchenClick() {
    hilfeSuchen(this);
}

}  // namespace kv::ui
