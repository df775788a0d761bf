// Opening slips (left panel and tabs), fixture lists and score files.
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/Dialoge.h"
#include "evaluation/Hauptfensterlogik.h"
#include "io/Datei.h"
#include "main/TFMain.h"
#include "main/TFfrErg.h"
#include "main/TFfrGrid.h"
#include "main/UpDown.h"
#include "model/Spielplandatei.h"
#include "model/Spielscheindatei.h"
#include "model/Spielstandsdatei.h"
#include "settings/Einstellungen.h"
#include "settings/IniDatei.h"

namespace kv::ui {

namespace {

std::string pfad(const QString& s) {
    return s.toStdString();
}
QString ohneOrdner(const QString& fn) {
    return QString::fromStdString(dateiName(pfad(fn)));
}
QString absatz() {
    return QString::fromUtf8(kAbsatz);
}

Dateiauswahl od1(const QString& ordner) {
    return {QStringLiteral("Spielschein-Datei einlesen"), ordner, QStringLiteral("Spielschein|*.kv13"),
            QStringLiteral("kv13")};
}

}  // namespace

void TFMain::befehl(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::exception& e) {
        dialoge().fehler(this, QString::fromStdString(e.what()));
    }
}

bool TFMain::DateiEinlesen(const QString& fn) {
    // The whole file is read and checked before anything changes: a file that
    // cannot be read or is not a valid slip leaves the window as it was.
    const std::vector<TScheinOffen> felder = leseSpielschein(pfad(fn));
    if (felder.size() > 12) {
        if (!cbRechts_->isChecked()) tabOeffnen(fn, felder);
        dialoge().information(
            this, QStringLiteral("Die Darstellung des Spielscheins benötigt mehr als 12 Felder, "
                                 "daher wurde er ") +
                      QStringLiteral("nur ") + QStringLiteral("rechts, in die Tabelle eingelesen."));
        return false;
    }
    if (zustand_.linkerSchein >= 0) BNeu();
    linkesPanelNeutral();
    Scheinslot& slot = zustand_.neuerSlot(pfad(fn), false);
    for (const TScheinOffen& f : felder) slot.schein.feldAnhaengen(f);
    grids_.push_back(nullptr);
    zustand_.linkerSchein = zustand_.scheinAnzahl() - 1;
    zustand_.linkerFelder = static_cast<int>(felder.size());
    LDatei_->setText(ohneOrdner(fn));
    linkeFelderBeschriften();
    for (int m = 1; m <= 13; ++m)
        FarbAnzeige(m, zustand_.spielTendenz[static_cast<std::size_t>(m - 1)], false);
    Gewinnauswertung();
    return !felder.empty();
}

QWidget* TFMain::DateienEinlesen(const QString& fn) {
    const std::vector<TScheinOffen> felder = leseSpielschein(pfad(fn));
    if (felder.empty() && QFileInfo(fn).size() == 0) {
        dialoge().fehler(this, QStringLiteral("Die Datei ") + ohneOrdner(fn) +
                                   QStringLiteral(" enthält keine Daten.") + absatz() +
                                   QStringLiteral("Ich breche ab."));
        return nullptr;
    }
    return tabOeffnen(fn, felder);
}

QWidget* TFMain::tabOeffnen(const QString& fn, const std::vector<TScheinOffen>& felder) {
    Scheinslot& slot = zustand_.neuerSlot(pfad(fn), true);
    for (const TScheinOffen& f : felder) slot.schein.feldAnhaengen(f);
    const int n = zustand_.scheinAnzahl();

    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("Tab%1").arg(n));
    tab->setProperty("tag", n);
    auto* frame = new TFfrGrid(zustand_, static_cast<std::size_t>(n - 1), datenordner_, tab);
    auto* l = new QVBoxLayout(tab);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(frame);
    grids_.push_back(frame);

    Gewinnauswertung();
    frame->ScheinInTabelle();
    PC1_->addTab(tab, QString::fromStdString(dateiNameOhneEndung(pfad(fn))));
    PC1_->setCurrentWidget(tab);
    if (ppcBreite() < kPpcOffen) setzePpcBreite(kPpcOffen);
    return tab;
}

void TFMain::BOpenClick() {
    befehl([this] {
        const QStringList wahl = dialoge().dateienOeffnen(this, od1(datenordner_), true);
        if (wahl.isEmpty()) return;
        const QString fn = wahl.first();
        if (DateiEinlesen(fn) && cbMerken_->isChecked()) {
            IniDatei ini(pfad(einstellungsdatei()));
            ini.schreibeText(einst::kSpielschein, einst::kSpielscheinDatei, pfad(fn));
        }
        if (cbRechts_->isChecked()) DateienEinlesen(fn);
    });
}

void TFMain::BOpen2Click() {
    befehl([this] {
        const QStringList wahl = dialoge().dateienOeffnen(this, od1(datenordner_), true);
        if (wahl.isEmpty()) return;
        PC1_->hide();
        struct Zeigen {
            QWidget* w;
            ~Zeigen() { w->show(); }
        } zeigen{PC1_};
        if (cbMerken2_->isChecked()) {
            IniDatei ini(pfad(einstellungsdatei()));
            ini.loescheAbschnitt(einst::kSpielscheine);
            ini.schreibeZahl(einst::kSpielscheine, einst::kSpielscheineDateienanzahl,
                             static_cast<int>(wahl.size()));
            for (qsizetype i = 0; i < wahl.size(); ++i)
                ini.schreibeText(einst::kSpielscheine, einst::spielscheineDatei(static_cast<int>(i) + 1),
                                 pfad(wahl[i]));
        }
        for (const QString& fn : wahl) {
            // one file that cannot be read does not keep the others from opening
            try {
                DateienEinlesen(fn);
            } catch (const std::exception& e) {
                dialoge().fehler(this, QString::fromStdString(e.what()));
            }
        }
    });
}

void TFMain::BOpen1Click() {
    befehl([this] {
        const QStringList wahl =
            dialoge().dateienOeffnen(this,
                                     {QStringLiteral("Spielplan-Datei öffnen"), datenordner_,
                                      QStringLiteral("Spielplan|*.sp13"), QStringLiteral("sp13")},
                                     false);
        if (wahl.isEmpty()) return;
        const QString fn = wahl.first();
        if (cbMerkenSp_->isChecked()) {
            IniDatei ini(pfad(einstellungsdatei()));
            ini.schreibeText(einst::kSpieltag, einst::kSpieltagDatei, pfad(fn));
        }
        SpielplanEinlesen(fn);
    });
}

void TFMain::SpielplanEinlesen(const QString& fn) {
    Begegnungen b = zustand_.begegnungen;
    leseBegegnungen(pfad(fn), b);
    zustand_.begegnungen = b;
    zustand_.spielplanGeladen = true;
    LDatei2_->setText(ohneOrdner(fn));
    begegnungenAnzeigen();
    Q_EMIT spielplanGelesen(fn);
}

void TFMain::SpielstaendeEinlesen(const QString& fn) {
    Spielstaende neu = zustand_.spielstaende;
    // Goal bytes above 12 are kept: the tendency comes from the stored bytes,
    // while the score controls ignore such a value and keep their position.
    leseSpielstaende(pfad(fn), neu);
    ++aufschub_;
    zustand_.spielstaende = neu;
    for (int i = 1; i <= 13; ++i) {
        const TSpielstand& s = neu[static_cast<std::size_t>(i - 1)];
        frSpiel(i)->Up1()->setzePosition(s.Heim);
        frSpiel(i)->Up2()->setzePosition(s.Gast);
    }
    zustand_.spielstaendeUebernehmen(neu);
    for (int i = 1; i <= 13; ++i) frSpiel(i)->zeigeBeendet(neu[static_cast<std::size_t>(i - 1)].Beendet != 0);
    --aufschub_;
    auswertungFaellig_ = false;
    for (int i = 1; i <= 13; ++i)
        FarbAnzeige(i, zustand_.spielTendenz[static_cast<std::size_t>(i - 1)], false);
    if (zustand_.scheinAnzahl() > 0) Gewinnauswertung();
}

void TFMain::Spielsystemauswhlen1Click() {
    befehl([this] {
        const QStringList wahl = dialoge().dateienOeffnen(
            this,
            {QStringLiteral("Gesondert gespeicherte Spielstände öffnen"), datenordner_,
             QStringLiteral("Spielstände|*.spst"), QStringLiteral("spst")},
            false);
        if (!wahl.isEmpty()) SpielstaendeEinlesen(wahl.first());
    });
}

void TFMain::Spielstndegesondertspeichern1Click() {
    befehl([this] {
        const QString fn =
            dialoge().dateiSpeichern(this, {QStringLiteral("Spielstände gesondert speichern"), datenordner_,
                                            QStringLiteral("Spielstände|*.spst"), QStringLiteral("spst")});
        if (!fn.isEmpty()) schreibeSpielstaende(pfad(fn), zustand_.spielstaende);
    });
}

void TFMain::AutomatischgespeicherteSpielstndeeinlesen1Click() {
    befehl([this] {
        if (QFileInfo::exists(spielstanddatei())) {
            SpielstaendeEinlesen(spielstanddatei());
            return;
        }
        dialoge().information(this,
                              QStringLiteral("Die Datei ") + QString::fromUtf8(kSpielstandDatei) +
                                  QStringLiteral(", in der die Spielstände automatisch gespeichert werden, "
                                                 "wurde im Pfad ") +
                                  datenordner_ + QStringLiteral(" nicht gefunden."));
    });
}

}  // namespace kv::ui
