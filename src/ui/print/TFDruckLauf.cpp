// The print window's printing: the print run onto the paper slips, the
// preview of its pages and the calibration sheet.
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>

#include "common/Dialoge.h"
#include "common/Sanduhr.h"
#include "print/Druckausgabe.h"
#include "print/Kalibrierblatt.h"
#include "print/TFDruck.h"
#include "print/TFVorschau.h"

namespace kv::ui {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// The most paper slips the preview shows.
constexpr std::uint64_t kVorschauScheine = 100;

}  // namespace

Druckantwort frageStellen(QWidget* eltern, const std::string& frage) {
    switch (dialoge().frageJaNeinAbbrechen(eltern, q(frage))) {
        case Dialoge::Antwort::Ja:
            return Druckantwort::Ja;
        case Dialoge::Antwort::Nein:
            return Druckantwort::Nein;
        case Dialoge::Antwort::Abbrechen:
            break;
    }
    return Druckantwort::Abbrechen;
}

QPrinter& TFDruck::drucker() {
    if (!drucker_) drucker_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *drucker_;
}

void TFDruck::BAusdruckClick() {
    if (laeuft()) return;
    if (!melden(Druckablauf::nichtsZuDrucken(z_.speicher))) return;
    if (!melden(keinFormat(z_.kalibrierung.format()))) return;
    QPrinter& pr = drucker();
    if (!dialoge().druckerEinrichten(this, pr)) return;
    Druckbeginn b = z_.druckBeginnen(geraeteversatz(pr));
    anzeigen();  // start and end as the run reads them
    if (!melden(b.meldung)) return;

    Druckablauf& lauf = *b.ablauf;
    ablauf_ = &lauf;
    BStop_->setEnabled(true);
    BAusdruck_->setEnabled(false);
    BVorschau_->setEnabled(false);
    Druckauftraege auftraege(pr, QString::fromLatin1(kAuftragsname));
    while (!lauf.fertig()) {
        // the marks are known before the job begins: a field that is no
        // number stops the run without a half-printed slip
        if (!melden(lauf.naechsterSchein(z_.scheinangaben()))) break;
        QPainter p;
        if (!auftraege.beginnen(p)) {
            dialoge().fehler(this, auftraege.fehlertext());
            break;
        }
        markenZeichnen(p, lauf.schein().marken);
        auftraege.beenden(p);  // the paper slip comes out
        if (!z_.optionen.fragen) {
            lauf.antwort(Druckantwort::Ja);
            continue;
        }
        QApplication::processEvents();
        if (lauf.fertig()) break;  // stopped meanwhile
        lauf.antwort(frageStellen(this, kFrageAusdruckKorrekt));
        QApplication::processEvents();
    }
    laufEnde();
}

void TFDruck::laufEnde() {
    ablauf_ = nullptr;
    BStop_->setEnabled(false);
    BAusdruck_->setEnabled(true);
    BVorschau_->setEnabled(true);
}

void TFDruck::BStopClick() {
    if (!ablauf_) return;
    if (frageStellen(this, kFrageDruckenStoppen) != Druckantwort::Ja) return;
    if (!ablauf_) return;  // the run ended while the question was open
    ablauf_->stoppen();
    BStop_->setEnabled(false);
}

void TFDruck::BVorschauClick() {
    if (laeuft()) return;
    if (!melden(Druckablauf::nichtsZuDrucken(z_.speicher))) return;
    if (!melden(keinFormat(z_.kalibrierung.format()))) return;
    QPrinter& pr = drucker();
    const Geraeteversatz versatz = geraeteversatz(pr);
    Druckbeginn b = z_.druckBeginnen(versatz);
    anzeigen();
    if (!melden(b.meldung)) return;

    Vorschauinhalt inhalt;
    {
        const Sanduhr sanduhr;
        Druckablauf& lauf = *b.ablauf;
        while (!lauf.fertig() && inhalt.seiten.size() < kVorschauScheine) {
            if (auto m = lauf.naechsterSchein(z_.scheinangaben())) {
                melden(m);
                return;
            }
            inhalt.seiten.push_back(lauf.schein());
            lauf.antwort(Druckantwort::Ja);
        }
        if (const auto bedarf = z_.NeuBerechnen()) inhalt.scheineGesamt = bedarf->scheine;
        for (const Formatpunkt& f : formatPunkte(z_.kalibrierung.format()))
            inhalt.kaestchen.push_back(markenPunkt(f.position, 0, 0, lauf.OX(), lauf.OY()));
    }
    if (vorschau_) vorschau_->deleteLater();
    vorschau_ = new TFVorschau(pr, std::move(inhalt), this);
    connect(vorschau_, &TFVorschau::druckenGewuenscht, this, &TFDruck::BAusdruckClick);
    vorschau_->open();
}

void TFDruck::BKalibrierblattClick() {
    if (laeuft()) return;
    if (!melden(keinFormat(z_.kalibrierung.format()))) return;
    QPrinter& pr = drucker();
    if (!dialoge().druckerEinrichten(this, pr)) return;
    const Kalibrierfelder& f = z_.kalibrierung.felder();
    const Kalibrierblatt blatt = kalibrierblatt(z_.kalibrierung.format(), f.hori, f.vert, geraeteversatz(pr));
    if (!melden(blatt.meldung)) return;
    Druckauftraege auftrag(pr, QString::fromLatin1(kKalibrierblattName));
    QPainter p;
    if (!auftrag.beginnen(p)) {
        dialoge().fehler(this, auftrag.fehlertext());
        return;
    }
    const QString korrektur = QStringLiteral("Korrektur horizontal %1, vertikal %2")
                                  .arg(f.hori.empty() ? QStringLiteral("0") : q(f.hori),
                                       f.vert.empty() ? QStringLiteral("0") : q(f.vert));
    kreuzeZeichnen(
        p, blatt,
        QStringLiteral("Kalibrierblatt – %1 – %2")
            .arg(LDatei_->text().isEmpty() ? QStringLiteral("Schein-Format") : LDatei_->text(), korrektur));
    auftrag.beenden(p);
}

}  // namespace kv::ui
