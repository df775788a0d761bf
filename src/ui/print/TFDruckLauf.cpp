// The print window's printing: the print run onto the paper slips, the
// preview of its pages and the calibration sheet.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include "common/Dialoge.h"
#include "common/Sanduhr.h"
#include "print/Druckauftrag.h"
#include "print/Druckausgabe.h"
#include "print/Drucksystem.h"
#include "print/Kalibrierblatt.h"
#include "print/TFDruck.h"
#include "print/TFVorschau.h"

namespace kv::ui {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string s(const QString& t) {
    return t.toStdString();
}

// The most paper slips the preview shows.
constexpr std::uint64_t kVorschauScheine = 100;

// How long a new job is watched before one still waiting for its turn, or
// being printed, counts as taken; and the pauses between two looks.
constexpr qint64 kBeobachtungMs = 5000;
constexpr int kBlickMs = 100;
constexpr int kWarteblickMs = 500;

// Lets the window handle user events for `ms` milliseconds; false when the
// program is ending and no event loop runs any more.
bool kurzWarten(int ms) {
    QEventLoop schleife;
    QTimer::singleShot(ms, &schleife, &QEventLoop::quit);
    return schleife.exec() == 0;
}

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

bool TFDruck::druckerWaehlen(const QString& auftrag) {
    QPrinter& pr = drucker();
    QString& gewaehlt = auftrag == QLatin1String(kKalibrierblattName) ? pdfBlatt_ : pdfScheine_;
    pr.setDocName(auftrag);
    // a PDF file chosen for the other kind of job is not proposed for this one
    if (pr.outputFormat() == QPrinter::PdfFormat && !pr.outputFileName().isEmpty() &&
        pr.outputFileName() != gewaehlt)
        pr.setOutputFileName(
            gewaehlt.isEmpty()
                ? QFileInfo(pr.outputFileName()).dir().filePath(auftrag + QStringLiteral(".pdf"))
                : gewaehlt);
    if (!dialoge().druckerEinrichten(this, pr)) return false;
    if (pr.outputFormat() == QPrinter::PdfFormat) gewaehlt = pr.outputFileName();
    return true;
}

void TFDruck::BAusdruckClick() {
    if (laeuft()) return;
    if (!melden(Druckablauf::nichtsZuDrucken(z_.speicher))) return;
    if (!melden(keinFormat(z_.kalibrierung.format()))) return;
    if (!druckerWaehlen(QString::fromLatin1(kAuftragsname))) return;
    QPrinter& pr = drucker();
    Druckbeginn b = z_.druckBeginnen(geraeteversatz(pr));
    anzeigen();  // start and end as the run reads them
    if (!melden(b.meldung)) return;

    Druckablauf& lauf = *b.ablauf;
    ablauf_ = &lauf;
    BStop_->setEnabled(true);
    BAusdruck_->setEnabled(false);
    BVorschau_->setEnabled(false);
    // a printer of the print system is asked about its queue before every
    // slip and about the slip's job after it; a PDF file is not
    Drucksystem& system = Drucksystem::drucksystem();
    const bool mitSystem = system.zustaendig(pr);
    const QString name = pr.printerName();
    Druckauftraege auftraege(pr, QString::fromLatin1(kAuftragsname));
    while (!lauf.fertig()) {
        // the marks are known before the job begins: a field that is no
        // number stops the run without a half-printed slip
        if (!melden(lauf.naechsterSchein(z_.scheinangaben()))) break;
        int vorher = 0;
        if (mitSystem) {
            if (!melden(druckerPruefen(s(name), system.drucker(name)))) break;
            vorher = system.letzterAuftrag();
        }
        QPainter p;
        if (!auftraege.beginnen(p)) {
            dialoge().fehler(this, auftraege.fehlertext());
            break;
        }
        markenZeichnen(p, lauf.schein().marken);
        auftraege.beenden(p);  // the paper slip goes to the printer
        // only a slip the print system took counts as printed
        if (mitSystem && !auftragVerfolgen(system, name, vorher)) break;
        // "Drucken stoppen" is heard between paper slips
        QApplication::processEvents();
        if (lauf.fertig()) break;  // stopped meanwhile
        if (!z_.optionen.fragen) {
            lauf.antwort(Druckantwort::Ja);
            continue;
        }
        // the question is modal: its "Abbrechen" is the way to stop while it is open
        BStop_->setEnabled(false);
        const Druckantwort a = frageStellen(this, kFrageAusdruckKorrekt);
        BStop_->setEnabled(true);
        lauf.antwort(a);
        QApplication::processEvents();
    }
    laufEnde();
}

bool TFDruck::auftragVerfolgen(Drucksystem& system, const QString& name, int vorher) {
    const std::string drucker = s(name);
    // asked first: nothing else may have talked to the print system since the hand-over
    const std::string fehler = s(system.uebergabefehler());
    QElapsedTimer uhr;
    uhr.start();
    bool warten = false;  // the user chose to wait for a waiting job
    for (;;) {
        const std::optional<Auftragslage> a =
            system.auftrag(name, vorher, QString::fromLatin1(kAuftragsname));
        const Auftragsbefund b =
            auftragBeurteilen(drucker, system.drucker(name), a, fehler, uhr.elapsed() >= kBeobachtungMs);
        switch (b.art) {
            case Auftragsbefund::Art::Gedruckt:
                druckstatus({});
                return true;
            case Auftragsbefund::Art::Fehler:
                druckstatus({});
                dialoge().fehler(this, q(b.text));
                return false;
            case Auftragsbefund::Art::Wartet:
                if (ablauf_->fertig()) {
                    // stopped while the job was watched: it stays where it is
                    druckstatus({});
                    dialoge().information(this, q(auftragBleibt(drucker, b.nummer)));
                    return false;
                }
                if (warten) break;
                BStop_->setEnabled(false);
                switch (wartewahl(frageStellen(this, b.text))) {
                    case Wartewahl::Warten:
                        BStop_->setEnabled(true);
                        warten = true;
                        druckstatus(q(wartehinweis(drucker, b.nummer)));
                        break;
                    case Wartewahl::AuftragLoeschen:
                        if (const QString f = system.loeschen(name, b.nummer); !f.isEmpty())
                            dialoge().fehler(this, q(loeschenGescheitert(drucker, b.nummer, s(f))));
                        return false;
                    case Wartewahl::LaufBeenden:
                        return false;
                }
                break;
            case Auftragsbefund::Art::Offen:
                break;
        }
        if (!kurzWarten(warten ? kWarteblickMs : kBlickMs)) ablauf_->stoppen();
    }
}

void TFDruck::druckstatus(const QString& text) {
    LDruckstatus_->setText(text);
    LDruckstatus_->setVisible(!text.isEmpty());
}

void TFDruck::laufEnde() {
    ablauf_ = nullptr;
    druckstatus({});
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
    if (!druckerWaehlen(QString::fromLatin1(kKalibrierblattName))) return;
    QPrinter& pr = drucker();
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
