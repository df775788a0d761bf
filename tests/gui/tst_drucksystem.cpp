// Printing through a real print system: the test starts its own CUPS
// scheduler (configuration, spool and socket in a temporary folder,
// CUPS_SERVER pointing there) with a queue "PDF" that writes PDF files
// (cups-pdf, through Ghostscript) and has unprintable margins of 18 pt at the
// sides and 36 pt at the top and bottom. The program prints through Qt's CUPS
// printing as it does on a desktop; the pages come back as pictures (the
// marks are bitmaps there) and every mark's ink is measured against the
// print plan of kalvendo-cli. Then the queue refuses jobs or is paused, a
// queue's filter fails, a printer's port is not there, and the program must
// say so instead of counting the slip as printed. Without a scheduler the
// test fails.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineF>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "Drucktest.h"
#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "Pdf.h"
#include "TestUmgebung.h"
#include "main/TFMain.h"
#include "print/TFDruck.h"

using namespace kv;
using namespace kv::test;
using Art = TestDialoge::Art;
using Antwort = ui::Dialoge::Antwort;

namespace {

// The queue's unprintable margins, in points and in tenths of a millimetre.
constexpr int kRandPt = 18, kObenPt = 36;
constexpr double kRandZehntel = kRandPt * 254.0 / 72, kObenZehntel = kObenPt * 254.0 / 72;

QByteArray ausfuehren(const QString& programm, const QStringList& argumente, int* status = nullptr) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    // the tools' own words untranslated (the program under test runs German)
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    p.setProcessEnvironment(umgebung);
    p.start(programm, argumente);
    const bool fertig = p.waitForFinished(60000);
    if (status) *status = fertig && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return p.readAll();
}

// Runs a client tool of the print system; fails the test when it fails.
QByteArray cups(const QString& werkzeug, const QStringList& argumente) {
    int status = 0;
    const QByteArray aus = ausfuehren(werkzeug, argumente, &status);
    if (status != 0)
        QTest::qFail(
            qPrintable(QStringLiteral("%1 %2: %3")
                           .arg(werkzeug, argumente.join(QLatin1Char(' ')), QString::fromLocal8Bit(aus))),
            __FILE__, __LINE__);
    return aus;
}

// The numbers of the jobs of a queue (of every queue for an empty name):
// those not finished, or all of them.
QList<int> auftraege(const QString& queue, bool alle) {
    QStringList argumente{QStringLiteral("-W"),
                          alle ? QStringLiteral("all") : QStringLiteral("not-completed"),
                          QStringLiteral("-o")};
    if (!queue.isEmpty()) argumente << queue;
    const QString aus = QString::fromLocal8Bit(ausfuehren(QStringLiteral("lpstat"), argumente));
    QList<int> n;
    static const QRegularExpression zeile(QStringLiteral("^\\S+-(\\d+)\\s"),
                                          QRegularExpression::MultilineOption);
    for (auto it = zeile.globalMatch(aus); it.hasNext();) n << it.next().captured(1).toInt();
    std::sort(n.begin(), n.end());
    return n;
}

// Where cups-pdf writes the files of this user's jobs: "Out" of its
// configuration, ${HOME} and ${USER} as the user database gives them.
QString pdfOrdner() {
    QString out = QStringLiteral("/var/spool/cups-pdf/${USER}");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly))
        for (const QString& z : QString::fromLocal8Bit(conf.readAll()).split(QLatin1Char('\n')))
            if (z.startsWith(QStringLiteral("Out "))) out = z.mid(4).trimmed();
    const passwd* pw = getpwuid(getuid());
    out.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(pw ? pw->pw_dir : ""));
    out.replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(pw ? pw->pw_name : ""));
    return out;
}

// The file cups-pdf wrote for job `nummer` (its name ends in "-job_N.pdf").
QString jobDatei(int nummer) {
    const QStringList d =
        QDir(pdfOrdner()).entryList({QStringLiteral("*-job_%1.pdf").arg(nummer)}, QDir::Files);
    return d.size() == 1 ? pdfOrdner() + QLatin1Char('/') + d.first() : QString();
}

// A private scheduler: started in the constructor, ended in the destructor.
class Scheduler {
  public:
    Scheduler() {
        if (!ordner_.isValid()) {
            fehler_ = QStringLiteral("kein temporärer Ordner");
            return;
        }
        // the filters run as the print system's own user and need to reach the spool folder
        QFile::setPermissions(ordner_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                  QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                                  QFile::ExeOther);
        const QString d = ordner_.path();
        for (const char* u : {"conf", "spool", "cache", "state", "log", "run"})
            QDir(d).mkpath(QLatin1String(u));
        schreibe(d + QStringLiteral("/conf/cupsd.conf"),
                 QStringLiteral(
                     "Listen %1/run/cups.sock\nLogLevel warn\n<Location />\n  Order allow,deny\n  Allow "
                     "all\n</Location>\n<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n")
                     .arg(d));
        schreibe(d + QStringLiteral("/conf/cups-files.conf"),
                 QStringLiteral("ServerRoot %1/conf\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir "
                                "%1/state\nTempDir %1/spool\nErrorLog %1/log/error_log\nAccessLog "
                                "%1/log/access_log\nPageLog %1/log/page_log\nSandboxing relaxed\n")
                     .arg(d));
        // job numbers of their own, so that the files cups-pdf names after
        // them do not meet those of another run on this machine
        erste_ = 1000000 + static_cast<int>(QRandomGenerator::global()->bounded(900000000));
        schreibe(d + QStringLiteral("/cache/job.cache"), QStringLiteral("NextJobId %1\n").arg(erste_));
        qputenv("CUPS_SERVER", (d + QStringLiteral("/run/cups.sock")).toUtf8());
        cupsd_.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        cupsd_.setProcessEnvironment(umgebung);
        cupsd_.start(QStringLiteral("/usr/sbin/cupsd"),
                     {QStringLiteral("-f"), QStringLiteral("-c"), d + QStringLiteral("/conf/cupsd.conf"),
                      QStringLiteral("-s"), d + QStringLiteral("/conf/cups-files.conf")});
        if (!cupsd_.waitForStarted(10000)) {
            fehler_ = QStringLiteral("/usr/sbin/cupsd startet nicht: ") + cupsd_.errorString();
            return;
        }
        for (int i = 0; i < 200; ++i) {
            if (ausfuehren(QStringLiteral("lpstat"), {QStringLiteral("-r")}).contains("scheduler is running"))
                break;
            if (cupsd_.state() == QProcess::NotRunning) break;
            QTest::qWait(50);
        }
        if (!ausfuehren(QStringLiteral("lpstat"), {QStringLiteral("-r")}).contains("scheduler is running")) {
            fehler_ = QStringLiteral("cupsd antwortet nicht (%1): %2 %3")
                          .arg(cupsd_.state() == QProcess::Running ? QStringLiteral("läuft")
                                                                   : QStringLiteral("beendet"),
                               QString::fromLocal8Bit(cupsd_.readAll()), protokoll());
            return;
        }
        // the PDF queue with margins, its files named after their jobs
        const QString ppd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
        QFile vorlage(ppd);
        if (!vorlage.open(QIODevice::ReadOnly)) {
            fehler_ = ppd + QStringLiteral(" fehlt (Paket printer-driver-cups-pdf)");
            return;
        }
        const QString text = QString::fromLatin1(vorlage.readAll());
        QString mitRand = text;
        mitRand.replace(QStringLiteral("*ImageableArea A4/A4: \"0 0 595 842\""),
                        QStringLiteral("*ImageableArea A4/A4: \"%1 %2 %3 %4\"")
                            .arg(kRandPt)
                            .arg(kObenPt)
                            .arg(595 - kRandPt)
                            .arg(842 - kObenPt));
        if (mitRand == text) {
            fehler_ = QStringLiteral("unerwartete PPD-Datei ") + ppd;
            return;
        }
        schreibe(d + QStringLiteral("/pdf.ppd"), mitRand);
        // a queue whose filter fails: the print system stops its jobs
        QString filter = mitRand;
        filter.replace(
            QStringLiteral("*PCFileName:"),
            QStringLiteral("*cupsFilter: \"application/vnd.cups-postscript 0 /bin/false\"\n*PCFileName:"));
        schreibe(d + QStringLiteral("/filter.ppd"), filter);
        const QList<QStringList> warteschlangen{
            {QStringLiteral("PDF"), QStringLiteral("cups-pdf:/"), d + QStringLiteral("/pdf.ppd"),
             QStringLiteral("Label=2")},
            {QStringLiteral("Filter"), QStringLiteral("cups-pdf:/"), d + QStringLiteral("/filter.ppd"),
             QStringLiteral("Label=2")},
            // a printer on a port that is not there: the print system gives its jobs up
            {QStringLiteral("Defekt"), QStringLiteral("serial:/dev/kalvendo-test-fehlt"),
             d + QStringLiteral("/pdf.ppd"), QStringLiteral("printer-error-policy=abort-job")}};
        for (const QStringList& w : warteschlangen) {
            int status = 0;
            const QByteArray aus =
                ausfuehren(QStringLiteral("lpadmin"),
                           {QStringLiteral("-p"), w[0], QStringLiteral("-E"), QStringLiteral("-v"), w[1],
                            QStringLiteral("-P"), w[2], QStringLiteral("-o"), w[3]},
                           &status);
            if (status != 0)
                fehler_ += QStringLiteral("lpadmin %1: %2").arg(w[0], QString::fromLocal8Bit(aus));
        }
    }

    ~Scheduler() {
        // the files cups-pdf wrote for this scheduler's jobs (a job whose
        // filter failed leaves one too)
        for (int n : auftraege({}, true))
            if (const QString f = jobDatei(n); !f.isEmpty()) QFile::remove(f);
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(10000)) cupsd_.kill();
        cupsd_.waitForFinished(5000);
        qunsetenv("CUPS_SERVER");
    }

    // Why the scheduler is not there; empty when it runs.
    const QString& fehler() const { return fehler_; }
    QString protokoll() const {
        QFile f(ordner_.path() + QStringLiteral("/log/error_log"));
        return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
    }

  private:
    static void schreibe(const QString& datei, const QString& text) {
        QFile f(datei);
        if (f.open(QIODevice::WriteOnly)) f.write(text.toUtf8());
    }

    QTemporaryDir ordner_;
    QProcess cupsd_;
    QString fehler_;
    int erste_ = 0;
};

// The ink of a mark's text from the top-left corner of its character cell,
// in tenths of a millimetre: bold, in the default typeface, with a cell
// (ascent + descent) 3.5 mm high.
QRectF tinte(const QString& text) {
    QFont f;
    f.setBold(true);
    f.setPixelSize(700);
    const QFontMetricsF fm(f);
    const double s = 35.0 / (fm.ascent() + fm.descent());
    const QRectF r = fm.tightBoundingRect(text);
    return {r.x() * s, (fm.ascent() + r.y()) * s, r.width() * s, r.height() * s};
}

// The patches of ink in a page picture (one pixel = 0.1 mm): their boxes.
QList<QRectF> flecken(const QImage& bild) {
    const int b = bild.width(), h = bild.height();
    std::vector<std::uint8_t> dunkel(static_cast<std::size_t>(b) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        const uchar* zeile = bild.constScanLine(y);
        for (int x = 0; x < b; ++x) dunkel[static_cast<std::size_t>(y * b + x)] = zeile[x] < 128;
    }
    QList<QRectF> f;
    std::vector<int> stapel;
    for (int start = 0; start < b * h; ++start) {
        if (!dunkel[static_cast<std::size_t>(start)]) continue;
        int x0 = b, x1 = -1, y0 = h, y1 = -1;
        dunkel[static_cast<std::size_t>(start)] = 0;
        stapel = {start};
        while (!stapel.empty()) {
            const int p = stapel.back();
            stapel.pop_back();
            const int x = p % b, y = p / b;
            x0 = std::min(x0, x);
            x1 = std::max(x1, x);
            y0 = std::min(y0, y);
            y1 = std::max(y1, y);
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= b || ny >= h) continue;
                    const auto i = static_cast<std::size_t>(ny * b + nx);
                    if (!dunkel[i]) continue;
                    dunkel[i] = 0;
                    stapel.push_back(ny * b + nx);
                }
        }
        // the pixels' extent: edges at x0 .. x1 + 1
        f << QRectF(x0, y0, x1 - x0 + 1, y1 - y0 + 1);
    }
    return f;
}

struct Planmarke {
    int schein;
    QString text;
    QRectF tinte;  // where its ink belongs on the paper, in tenths of a millimetre
};

// The print plan of kalvendo-cli for the format and slip, with the queue's
// margins at 1200 dpi: every mark's cell corner on the paper, X + OX and
// OY - Y with the margins as they are (not rounded), and its ink there.
QList<Planmarke> plan(const QString& format, const QString& schein) {
    int status = 0;
    const QByteArray aus = ausfuehren(
        QStringLiteral(KALVENDO_CLI),
        {QStringLiteral("print-plan"), format, schein, QStringLiteral("--offsets"),
         QStringLiteral("%1,%2,1200").arg(kRandPt * 1200 / 72).arg(kObenPt * 1200 / 72),
         QStringLiteral("--zusatz"), QStringLiteral("1000"), QStringLiteral("--number"), QStringLiteral("1")},
        &status);
    if (status != 0) QTest::qFail(aus.constData(), __FILE__, __LINE__);
    QList<Planmarke> m;
    for (const QByteArray& zeile : aus.split('\n')) {
        const QList<QByteArray> t = zeile.split('\t');
        if (t.size() != 6) continue;
        const QString text = QString::fromUtf8(t[5]).trimmed();
        const QPointF ecke(t[3].toDouble() + kRandZehntel, kObenZehntel - t[4].toDouble());
        m.append({t[0].toInt(), text, tinte(text).translated(ecke)});
    }
    return m;
}

}  // namespace

class TestDrucksystem : public Hauptfenstertest {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void fuenfundzwanzigReihenMillimetergenau();
    void abgewiesen();
    void angehalten_data();
    void angehalten();
    void abgebrochen();
    void gestoppt();

  private:
    std::unique_ptr<Scheduler> scheduler_;
};

void TestDrucksystem::initTestCase() {
    scheduler_ = std::make_unique<Scheduler>();
    QVERIFY2(scheduler_->fehler().isEmpty(),
             qPrintable(QStringLiteral("Der CUPS-Server des Tests lief nicht an: ") + scheduler_->fehler()));
}

void TestDrucksystem::cleanupTestCase() {
    scheduler_.reset();
}

void TestDrucksystem::init() {
    Hauptfenstertest::init();
    // every case begins with an accepting, running queue and no waiting job
    cups(QStringLiteral("cupsaccept"), {QStringLiteral("PDF")});
    cups(QStringLiteral("cupsenable"), {QStringLiteral("PDF")});
    ausfuehren(QStringLiteral("cancel"), {QStringLiteral("-a"), QStringLiteral("PDF")});
}

void TestDrucksystem::cleanup() {
    Hauptfenstertest::cleanup();
    if (QTest::currentTestFailed()) qWarning().noquote() << scheduler_->protokoll().right(3000);
}

// Three paper slips through the PDF queue, each checked and answered "Ja":
// the 331 marks (325 tips, three add-on marks, three slip numbers) lie within
// 0.2 mm of the print plan on the paper.
void TestDrucksystem::fuenfundzwanzigReihenMillimetergenau() {
    Druck w(welt(), starten());
    w.kalibrieren();
    klicke(kind<QCheckBox>(w.d, "cbNr"));
    klicke(kind<QCheckBox>(w.d, "cbZus1"));
    const QString schein = reihenschein(w.welt, 25);
    w.d->FileForPrint(schein);
    const QList<int> vorher = auftraege(QStringLiteral("PDF"), true);
    w.welt.dialoge().druckerAntwort({{}, 0, {}, QStringLiteral("PDF")});
    for (int i = 0; i < 3; ++i) w.welt.dialoge().frageAntwort(Antwort::Ja);
    kind<QPushButton>(w.d, "BAusdruck")->click();
    for (int i = 0; i < 3; ++i)
        QVERIFY(w.welt.dialoge()
                    .nimmMeldung(Art::FrageJaNeinAbbrechen)
                    .startsWith(QStringLiteral("War der Ausdruck in Ordnung?")));

    QList<int> neu = auftraege(QStringLiteral("PDF"), true);
    for (int n : vorher) neu.removeAll(n);
    QCOMPARE(neu.size(), 3);
    QTRY_VERIFY_WITH_TIMEOUT(auftraege(QStringLiteral("PDF"), false).isEmpty(), 60000);
    const QList<Planmarke> soll = plan(w.format(), schein);
    QCOMPARE(soll.size(), 331);
    for (int s = 1; s <= 3; ++s) {
        const QString pdf = jobDatei(neu[s - 1]);
        QVERIFY2(
            !pdf.isEmpty(),
            qPrintable(QStringLiteral("keine Datei zu Auftrag %1 in %2").arg(neu[s - 1]).arg(pdfOrdner())));
        const QImage bild = pdfBild(pdf);
        // A4, not scaled (297 mm are 2970.4 pixels)
        QVERIFY2(bild.width() == 2100 && std::abs(bild.height() - 2970) <= 1,
                 qPrintable(QStringLiteral("%1 x %2").arg(bild.width()).arg(bild.height())));
        QList<QRectF> ist = flecken(bild);
        QList<Planmarke> seite;
        for (const Planmarke& m : soll)
            if (m.schein == s) seite << m;
        QCOMPARE(ist.size(), seite.size());
        double groesste = 0;
        for (const Planmarke& m : seite) {
            // the patch whose middle is nearest to where the mark's ink belongs
            auto naechster = std::min_element(ist.begin(), ist.end(), [&](const QRectF& a, const QRectF& b) {
                return QLineF(a.center(), m.tinte.center()).length() <
                       QLineF(b.center(), m.tinte.center()).length();
            });
            const QPointF d = naechster->center() - m.tinte.center();
            const double dh = naechster->height() - m.tinte.height();
            groesste = std::max({groesste, std::abs(d.x()), std::abs(d.y())});
            QVERIFY2(std::abs(d.x()) <= 2 && std::abs(d.y()) <= 2 && std::abs(dh) <= 2,
                     qPrintable(
                         QStringLiteral(
                             "Schein %1, \"%2\": Tinte %3/%4 (%5 hoch), erwartet %6/%7 (%8 hoch), in 0,1 mm")
                             .arg(s)
                             .arg(m.text)
                             .arg(naechster->center().x())
                             .arg(naechster->center().y())
                             .arg(naechster->height())
                             .arg(m.tinte.center().x())
                             .arg(m.tinte.center().y())
                             .arg(m.tinte.height())));
            ist.erase(naechster);
        }
        qInfo("Schein %d: %lld Marken, größte Abweichung %.2f mm", s, static_cast<long long>(seite.size()),
              groesste / 10);
    }
}

// A queue that accepts no jobs: the message names the printer and the
// reason, nothing is printed, no question follows, and the buttons are back.
void TestDrucksystem::abgewiesen() {
    Druck w(welt(), starten());
    w.kalibrieren();
    w.d->FileForPrint(reihenschein(w.welt, 25));
    cups(QStringLiteral("cupsreject"), {QStringLiteral("PDF")});
    const QList<int> vorher = auftraege(QStringLiteral("PDF"), true);
    w.welt.dialoge().druckerAntwort({{}, 0, {}, QStringLiteral("PDF")});
    kind<QPushButton>(w.d, "BAusdruck")->click();
    const QString m = w.welt.dialoge().nimmMeldung(Art::Fehler);
    QVERIFY2(m.startsWith(QStringLiteral("Der Drucker „PDF“ nimmt keine Aufträge an.")), qPrintable(m));
    QVERIFY2(m.endsWith(QStringLiteral("Ich breche ab.")), qPrintable(m));
    QCOMPARE(auftraege(QStringLiteral("PDF"), true), vorher);
    QVERIFY(kind<QPushButton>(w.d, "BAusdruck")->isEnabled());
    QVERIFY(!kind<QPushButton>(w.d, "BStop")->isEnabled());
}

void TestDrucksystem::angehalten_data() {
    QTest::addColumn<int>("antwort");      // to "Der Drucker „PDF“ ist angehalten ..."
    QTest::addColumn<bool>("fortsetzen");  // the test resumes the printer while the program waits
    QTest::addColumn<bool>("stoppen");     // the user presses "Drucken stoppen" while the program waits
    QTest::addColumn<bool>("wartetNoch");  // the job is still in the queue afterwards
    QTest::addColumn<bool>("gedruckt");    // the slip counted as printed: the check question comes
    QTest::newRow("Nein löscht den Auftrag") << int(Antwort::Nein) << false << false << false << false;
    QTest::newRow("Abbrechen lässt ihn warten") << int(Antwort::Abbrechen) << false << false << true << false;
    QTest::newRow("Ja wartet, bis der Drucker weiterarbeitet")
        << int(Antwort::Ja) << true << false << false << true;
    QTest::newRow("Ja wartet, Drucken stoppen beendet das Warten")
        << int(Antwort::Ja) << false << true << true << false;
}

// A paused queue: the job waits; the program says so and offers to wait, to
// delete the job, or to end the run with the job left in the queue.
void TestDrucksystem::angehalten() {
    QFETCH(int, antwort);
    QFETCH(bool, fortsetzen);
    QFETCH(bool, stoppen);
    QFETCH(bool, wartetNoch);
    QFETCH(bool, gedruckt);
    Druck w(welt(), starten());
    w.kalibrieren();
    w.d->FileForPrint(reihenschein(w.welt, 12));  // one paper slip
    cups(QStringLiteral("cupsdisable"), {QStringLiteral("PDF")});
    QPushButton* start = kind<QPushButton>(w.d, "BAusdruck");
    QPushButton* stopp = kind<QPushButton>(w.d, "BStop");
    w.welt.dialoge().druckerAntwort({{}, 0, {}, QStringLiteral("PDF")});
    w.welt.dialoge().frageAntwort(static_cast<Antwort>(antwort));
    if (stoppen) w.welt.dialoge().frageAntwort(Antwort::Ja);   // "Soll der Ausdruck gestoppt werden?."
    if (gedruckt) w.welt.dialoge().frageAntwort(Antwort::Ja);  // "War der Ausdruck in Ordnung?"
    // while the program waits: what it shows, then the printer resumed or the stop pressed
    QString hinweis;
    bool stoppBereit = false;
    QTimer handeln;
    handeln.setSingleShot(true);
    connect(&handeln, &QTimer::timeout, w.d, [&] {
        hinweis = kind<QLabel>(w.d, "LDruckstatus")->isVisible() ? kind<QLabel>(w.d, "LDruckstatus")->text()
                                                                 : QString();
        stoppBereit = stopp->isEnabled();
        if (fortsetzen) cups(QStringLiteral("cupsenable"), {QStringLiteral("PDF")});
        if (stoppen) stopp->click();
    });
    if (fortsetzen || stoppen) handeln.start(1500);
    start->click();

    const QString frage = w.welt.dialoge().nimmMeldung(Art::FrageJaNeinAbbrechen);
    QVERIFY2(frage.startsWith(QStringLiteral("Der Drucker „PDF“ ist angehalten: Der Auftrag Nr. ")),
             qPrintable(frage));
    QVERIFY2(frage.contains(
                 QStringLiteral(" wartet in seiner Warteschlange und wird erst gedruckt, wenn der Drucker "
                                "fortgesetzt wird.")),
             qPrintable(frage));
    if (fortsetzen || stoppen) {
        QVERIFY2(hinweis.startsWith(QStringLiteral("Der Auftrag Nr. ")) &&
                     hinweis.contains(QStringLiteral("wartet auf den Drucker „PDF“")),
                 qPrintable(hinweis));
        QVERIFY(stoppBereit);
    }
    if (stoppen) {
        QCOMPARE(w.welt.dialoge().nimmMeldung(Art::FrageJaNeinAbbrechen),
                 QStringLiteral("Soll der Ausdruck gestoppt werden?."));
        QVERIFY(w.welt.dialoge()
                    .nimmMeldung(Art::Information)
                    .contains(QStringLiteral("bleibt in der Warteschlange")));
    }
    if (gedruckt)
        QVERIFY(w.welt.dialoge()
                    .nimmMeldung(Art::FrageJaNeinAbbrechen)
                    .startsWith(QStringLiteral("War der Ausdruck in Ordnung?")));
    QCOMPARE(auftraege(QStringLiteral("PDF"), false).size(), wartetNoch ? 1 : 0);
    QVERIFY(start->isEnabled() && !stopp->isEnabled());
    QVERIFY(!kind<QLabel>(w.d, "LDruckstatus")->isVisible());
}

// A job the print system gives up (its filter fails): the message names the
// printer and the reason, and the run stops before the check question.
void TestDrucksystem::abgebrochen() {
    Druck w(welt(), starten());
    w.kalibrieren();
    w.d->FileForPrint(reihenschein(w.welt, 25));
    w.welt.dialoge().druckerAntwort({{}, 0, {}, QStringLiteral("Defekt")});
    kind<QPushButton>(w.d, "BAusdruck")->click();
    const QString m = w.welt.dialoge().nimmMeldung(Art::Fehler);
    QVERIFY2(
        m.startsWith(QStringLiteral("Das Drucksystem hat den Auftrag Nr. ")) &&
            m.contains(QStringLiteral(" für den Drucker „Defekt“ abgebrochen. Das Drucksystem meldet: „")) &&
            m.endsWith(QStringLiteral("Dieser Tippschein wurde nicht gedruckt, ich breche ab.")),
        qPrintable(m));
    QCOMPARE(auftraege(QStringLiteral("Defekt"), true).size(), 1);
    QVERIFY(kind<QPushButton>(w.d, "BAusdruck")->isEnabled());
}

// A job the print system stops (its filter fails) waits for good: the
// program asks with the print system's reason, and "Nein" deletes the job.
void TestDrucksystem::gestoppt() {
    Druck w(welt(), starten());
    w.kalibrieren();
    w.d->FileForPrint(reihenschein(w.welt, 25));
    w.welt.dialoge().druckerAntwort({{}, 0, {}, QStringLiteral("Filter")});
    w.welt.dialoge().frageAntwort(Antwort::Nein);
    kind<QPushButton>(w.d, "BAusdruck")->click();
    const QString frage = w.welt.dialoge().nimmMeldung(Art::FrageJaNeinAbbrechen);
    QVERIFY2(frage.startsWith(QStringLiteral("Der Auftrag Nr. ")) &&
                 frage.contains(QStringLiteral(
                     " für den Drucker „Filter“ wurde vom Drucksystem angehalten und wartet "
                     "darauf, fortgesetzt zu werden. Das Drucksystem meldet: „Filter failed“.")),
             qPrintable(frage));
    QVERIFY(auftraege(QStringLiteral("Filter"), false).isEmpty());
    QCOMPARE(auftraege(QStringLiteral("Filter"), true).size(), 1);
    QVERIFY(kind<QPushButton>(w.d, "BAusdruck")->isEnabled());
}

KV_GUI_TEST_MAIN(TestDrucksystem)
#include "tst_drucksystem.moc"
