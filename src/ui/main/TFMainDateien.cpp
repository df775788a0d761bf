// Opening slips (left panel and tabs), fixture lists and score files.
#include <QCheckBox>
#include <QDateTime>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <algorithm>

#include <exception>
#include <new>

#include "common/Dialoge.h"
#include "io/Datei.h"
#include "main/Ergebnistabs.h"
#include "main/TFMain.h"
#include "model/Spielplandatei.h"
#include "model/Spielscheindatei.h"
#include "model/Spielstandsdatei.h"
#include "settings/Einstellungen.h"

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

// The local files among dropped URLs, in their order.
QStringList lokaleDateien(const QMimeData* daten) {
    QStringList pfade;
    if (!daten || !daten->hasUrls()) return pfade;
    for (const QUrl& url : daten->urls())
        if (url.isLocalFile()) pfade << url.toLocalFile();
    return pfade;
}

// The slip an entry window wrote last is chosen already, so it opens at once.
Dateiauswahl od1(const QString& ordner, const std::string& geschrieben) {
    return {QStringLiteral("Spielschein-Datei einlesen"), ordner, QStringLiteral("Spielschein|*.kv13"),
            QStringLiteral("kv13"), QString::fromStdString(geschrieben)};
}

// The message of an error that ended a command.
QString fehlertext(const std::exception& e) {
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return QStringLiteral("Für diesen Befehl reicht der Arbeitsspeicher nicht.") + absatz() +
               QStringLiteral("Ich breche ab.");
    return QString::fromStdString(e.what());
}

}  // namespace

void TFMain::befehl(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::exception& e) {
        dialoge().fehler(this, fehlertext(e));
    }
}

bool TFMain::DateiEinlesen(const QString& fn) {
    // The whole file is read and checked before anything changes: a file that
    // cannot be read or is not a valid slip leaves the window as it was.
    Schein schein = leseSchein(pfad(fn));
    const std::size_t felder = schein.feldAnzahl();
    if (felder > 12) {
        if (!cbRechts()->isChecked()) tabOeffnen(fn, std::move(schein));
        dialoge().information(
            this, QStringLiteral("Die Darstellung des Spielscheins benötigt mehr als 12 Felder, "
                                 "daher wurde er ") +
                      QStringLiteral("nur ") + QStringLiteral("rechts, in die Tabelle eingelesen."));
        return false;
    }
    zustand_.linksOeffnen(pfad(fn), std::move(schein));
    zustand_.gewinnreiheAusTendenzen();
    Gewinnauswertung();
    geoeffnetZeigen();
    return felder > 0;
}

QWidget* TFMain::DateienEinlesen(const QString& fn) {
    Schein schein = leseSchein(pfad(fn));
    if (schein.feldAnzahl() == 0 && QFileInfo(fn).size() == 0) {
        dialoge().fehler(this, QStringLiteral("Die Datei ") + ohneOrdner(fn) +
                                   QStringLiteral(" enthält keine Daten.") + absatz() +
                                   QStringLiteral("Ich breche ab."));
        return nullptr;
    }
    return tabOeffnen(fn, std::move(schein));
}

namespace {
// What a file is on disk now: its place, last change and size. A tab of the
// same file opened before shows what is there only while this is the same.
QString dateistand(const QString& fn) {
    const QFileInfo i(fn);
    return QStringLiteral("%1|%2|%3")
        .arg(i.canonicalFilePath())
        .arg(i.lastModified().toMSecsSinceEpoch())
        .arg(i.size());
}
}  // namespace

int TFMain::offenerTab(const QString& fn) const {
    const QString gesucht = QFileInfo(fn).canonicalFilePath();
    if (gesucht.isEmpty()) return -1;
    for (int s = 0; s < zustand_.scheinAnzahl(); ++s) {
        const Scheinslot& slot = zustand_.slot(s);
        if (slot.rechts && !slot.geschlossen && PPC_->tab(s) &&
            QFileInfo(QString::fromStdString(slot.datei)).canonicalFilePath() == gesucht)
            return s;
    }
    return -1;
}

void TFMain::tabSchliessen(int slot) {
    befehl([&] {
        zustand_.rechtsSchliessen(slot);
        Gewinnauswertung();
        if (cbMerken2()->isChecked()) rechteScheineMerken();
    });
}

void TFMain::rechteScheineMerken() {
    // what is open on the right, in the order of the tabs
    std::vector<std::string> dateien;
    for (int s = 0; s < zustand_.scheinAnzahl(); ++s) {
        const Scheinslot& slot = zustand_.slot(s);
        if (slot.rechts && !slot.geschlossen) dateien.push_back(slot.datei);
    }
    Einstellungen e(pfad(einstellungsdatei()));
    scheineMerken(e, dateien);
    e.speichern();
}

QWidget* TFMain::tabOeffnen(const QString& fn, Schein schein) {
    // A file open as a tab already: that tab comes to the front instead of a
    // copy; when the file has changed since, the old tab gives way to the new.
    const int offen = offenerTab(fn);
    if (offen >= 0) {
        QWidget* alt = PPC_->tab(offen);
        if (alt->property("dateistand").toString() == dateistand(fn)) {
            PC1()->setCurrentWidget(alt);
            return alt;
        }
        zustand_.rechtsSchliessen(offen);
    }
    // the result tabs make the tab of the new slot
    const int slot = zustand_.scheinOeffnen(pfad(fn), std::move(schein), true);
    if (QWidget* neu = PPC_->tab(slot)) neu->setProperty("dateistand", dateistand(fn));
    Gewinnauswertung();
    geoeffnetZeigen();
    if (ppcBreite() < kPpcOffen) setzePpcBreite(kPpcOffen);
    return PPC_->tab(slot);
}

void TFMain::BOpenClick() {
    befehl([this] {
        const QStringList wahl =
            dialoge().dateienOeffnen(this, od1(datenordner(), zustand_.geschriebenerSchein()), true);
        if (wahl.isEmpty()) return;
        const QString fn = wahl.first();
        if (DateiEinlesen(fn) && cbMerken()->isChecked()) {
            Einstellungen e(pfad(einstellungsdatei()));
            e.schreibe(einst::kSpielscheinDatei, pfad(fn));
            e.speichern();
        }
        if (cbRechts()->isChecked()) DateienEinlesen(fn);
    });
}

void TFMain::BOpen2Click() {
    befehl([this] {
        const QStringList wahl =
            dialoge().dateienOeffnen(this, od1(datenordner(), zustand_.geschriebenerSchein()), true);
        if (wahl.isEmpty()) return;
        PC1()->hide();
        struct Zeigen {
            QWidget* w;
            ~Zeigen() { w->show(); }
        } zeigen{PC1()};
        QWidget* letzter = nullptr;
        for (const QString& fn : wahl) {
            // one file that cannot be read does not keep the others from opening
            try {
                if (QWidget* tab = DateienEinlesen(fn)) letzter = tab;
            } catch (const std::exception& e) {
                dialoge().fehler(this, fehlertext(e));
            }
        }
        // the tab of the last file becomes the active page
        if (letzter) PC1()->setCurrentWidget(letzter);
        // remembered: every tab open on the right now, the earlier ones too
        if (cbMerken2()->isChecked()) rechteScheineMerken();
    });
}

void TFMain::BOpen1Click() {
    befehl([this] {
        const QStringList wahl =
            dialoge().dateienOeffnen(this,
                                     {QStringLiteral("Spielplan-Datei öffnen"), datenordner(),
                                      QStringLiteral("Spielplan|*.sp13"), QStringLiteral("sp13")},
                                     false);
        if (wahl.isEmpty()) return;
        const QString fn = wahl.first();
        // the entry window shows every fixture list read: unsaved fixtures
        // there are saved or discarded first, or nothing happens
        if (!kontext_.eingabesicherung().spielplanErlaubt(this)) return;
        if (cbMerkenSp()->isChecked()) {
            Einstellungen e(pfad(einstellungsdatei()));
            e.schreibe(einst::kSpieltagDatei, pfad(fn));
            e.speichern();
        }
        SpielplanEinlesen(fn, false);
    });
}

bool TFMain::SpielplanEinlesen(const QString& fn, bool fragen) {
    Begegnungen b = zustand_.begegnungen();
    leseBegegnungen(pfad(fn), b);
    if (fragen && !kontext_.eingabesicherung().spielplanErlaubt(this)) return false;
    zustand_.begegnungenSetzen(b, pfad(fn));
    Q_EMIT spielplanGelesen(fn);
    return true;
}

void TFMain::SpielstaendeEinlesen(const QString& fn) {
    Spielstaende neu = zustand_.spielstaende();
    // Goal bytes above 12 are kept: the tendency comes from the stored bytes,
    // while the score controls ignore such a value and keep their position.
    leseSpielstaende(pfad(fn), neu);
    zustand_.spielstaendeUebernehmen(neu);
    if (zustand_.scheinAnzahl() > 0) Gewinnauswertung();
}

void TFMain::gesondertGespeicherteSpielstaendeOeffnen() {
    befehl([this] {
        const QStringList wahl = dialoge().dateienOeffnen(
            this,
            {QStringLiteral("Gesondert gespeicherte Spielstände öffnen"), datenordner(),
             QStringLiteral("Spielstände|*.spst"), QStringLiteral("spst")},
            false);
        if (!wahl.isEmpty()) SpielstaendeEinlesen(wahl.first());
    });
}

void TFMain::spielstaendeGesondertSpeichern() {
    befehl([this] {
        const QString fn =
            dialoge().dateiSpeichern(this, {QStringLiteral("Spielstände gesondert speichern"), datenordner(),
                                            QStringLiteral("Spielstände|*.spst"), QStringLiteral("spst")});
        if (!fn.isEmpty()) schreibeSpielstaende(pfad(fn), zustand_.spielstaende());
    });
}

void TFMain::automatischGespeicherteSpielstaendeEinlesen() {
    befehl([this] {
        if (QFileInfo::exists(spielstanddatei())) {
            SpielstaendeEinlesen(spielstanddatei());
            return;
        }
        dialoge().information(this,
                              QStringLiteral("Die Datei ") + QString::fromUtf8(kSpielstandDatei) +
                                  QStringLiteral(", in der die Spielstände automatisch gespeichert werden, "
                                                 "wurde im Pfad ") +
                                  datenordner() + QStringLiteral(" nicht gefunden."));
    });
}

void TFMain::dateiartenAnmelden() {
    Dateioeffner& d = kontext_.dateioeffner();
    // a slip becomes a tab on the right and the active one, as with BOpen2
    d.anmelden(Dateiart::Spielschein, [this](const QString& fn) {
        if (QWidget* tab = DateienEinlesen(fn)) PC1()->setCurrentWidget(tab);
    });
    d.anmelden(Dateiart::Spielplan, [this](const QString& fn) { SpielplanEinlesen(fn); });
    d.anmelden(Dateiart::Spielstand, [this](const QString& fn) { SpielstaendeEinlesen(fn); });
}

void TFMain::dragEnterEvent(QDragEnterEvent* e) {
    const QStringList pfade = lokaleDateien(e->mimeData());
    const Dateioeffner& d = kontext_.dateioeffner();
    if (std::any_of(pfade.begin(), pfade.end(), [&d](const QString& p) { return d.kannOeffnen(p); }))
        e->acceptProposedAction();
}

void TFMain::dropEvent(QDropEvent* e) {
    const QStringList pfade = lokaleDateien(e->mimeData());
    if (pfade.isEmpty()) return;
    e->acceptProposedAction();
    // Opened once the drop is over: a message box must not hold up the
    // program the files were dragged from.
    QTimer::singleShot(0, this, [this, pfade] { kontext_.dateioeffner().oeffnen(pfade, this); });
}

}  // namespace kv::ui
