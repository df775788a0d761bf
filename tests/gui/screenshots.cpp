// kalvendo-screenshots ZIELORDNER: writes PNG pictures of the main window (a
// mixed 12-field slip on the left with some matches finished, a tab with a
// full 13 x 3 system) and of every small window, in a temporary data folder.
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <functional>

#include "Programm.h"
#include "TestServer.h"
#include "TestUmgebung.h"
#include "chancen/Chancenzeile.h"
#include "chancen/TFEinsatz.h"
#include "common/Dialoge.h"
#include "common/Einzelfeldrahmen.h"
#include "common/Feldbild.h"
#include "common/Fenster.h"
#include "common/TFfrFeld.h"
#include "common/Uebersetzung.h"
#include "common/UpDown.h"
#include "eingabe/Entwurf.h"
#include "entry/TFEingabe.h"
#include "entry/TFEingabeSys.h"
#include "entry/TFQuotenFilter.h"
#include "entry/Zeilenliste.h"
#include "garantie/TFGarantie.h"
#include "help/Hilfe.h"
#include "main/TFFrScheineS.h"
#include "main/TFGZEingabe.h"
#include "main/TFMain.h"
#include "main/TFfrErg.h"
#include "main/TFfrGrid.h"
#include "print/TFDetail.h"
#include "print/TFDruck.h"
#include "print/TFVorschau.h"
#include "update/TFNeu.h"
#include "update/Updatepruefung.h"

using namespace kv;
using namespace kv::test;

namespace {

QWidget* fenster(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return w;
    return nullptr;
}

bool speichern(QWidget* w, const QString& ordner, const QString& name) {
    if (!w) {
        std::fprintf(stderr, "Fenster fehlt: %s\n", qPrintable(name));
        return false;
    }
    QTest::qWait(50);
    const QString fn = ordner + QLatin1Char('/') + name + QStringLiteral(".png");
    const bool ok = w->grab().save(fn);
    std::printf("%s %s (%dx%d)\n", ok ? "geschrieben" : "FEHLER", qPrintable(fn), w->width(), w->height());
    return ok;
}

// The whole screen as the user sees it (only on a real screen: X server).
void schirmSpeichern(const QString& ordner, const QString& name) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    QTest::qWait(200);
    const QString fn = ordner + QLatin1Char('/') + name + QStringLiteral(".png");
    const QPixmap bild = QGuiApplication::primaryScreen()->grabWindow(0);
    const bool ok = bild.save(fn);
    std::printf("%s %s (%dx%d)\n", ok ? "geschrieben" : "FEHLER", qPrintable(fn), bild.width(),
                bild.height());
}

void warte(const std::function<bool()>& bedingung, const char* was) {
    if (!QTest::qWaitFor(bedingung, 20000)) std::fprintf(stderr, "Zeit abgelaufen: %s\n", was);
}

QString letzteMeldung(TestUmgebung& welt) {
    const auto& meldungen = welt.dialoge().meldungen();
    return meldungen.isEmpty() ? QString() : meldungen.last().text;
}

// A message box as the user sees it, with `text`.
void meldungZeigen(QMessageBox::Icon art, const QString& text, QWidget* eltern, const QString& ziel,
                   const QString& name) {
    QMessageBox box(art, QStringLiteral("Kalvendo"), ui::meldungstext(text),
                    art == QMessageBox::Question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    eltern);
    box.show();
    speichern(&box, ziel, name);
    box.close();
}

// Until every line "Wahrscheinlichkeit" shown has its figures (they are
// computed off the user interface thread).
void chancenAbwarten() {
    warte(
        [] {
            for (QWidget* t : QApplication::topLevelWidgets())
                for (const auto* z : t->findChildren<ui::Chancenzeile*>())
                    if (z->isVisible() && !z->rechner().chancen() && z->rechner().fehler().isEmpty())
                        return false;
            return true;
        },
        "Wahrscheinlichkeiten");
}

// The update window in its states, against a local HTTPS server.
void updateFenster(ui::TFMain& w, TestUmgebung& welt, const QString& ziel) {
    TestServer server;
    TestServer::vertrauen(true);
    server.setze(update::kVersionPfad, versionsAntwort({"1.7.0.0"}));
    ServerAntwort langsam = antwort(200, QByteArray(2 * 1024 * 1024, 'x'));
    langsam.abbruchNach = 1500 * 1024;
    langsam.haengen = true;
    langsam.stueck = 64 * 1024;
    langsam.pauseMs = 40;
    server.setze(update::kInstallerPfad, langsam);
    qputenv(update::kServerVariable, server.adresse().toUtf8());
    ui::Updatekontext k = ui::Updatekontext::fuerDiesesProgramm(welt.programm()->kontext());
    k.beenden = [] {};

    ui::TFNeu* neu = ui::updateFensterZeigen(&w, k);
    speichern(neu, ziel, QStringLiteral("update-start"));
    neu->BCalc()->click();
    warte([&] { return !neu->laeuft(); }, "Prüfen");
    speichern(neu, ziel, QStringLiteral("update-geprueft"));
    neu->BDown()->click();
    warte([&] { return neu->PBDownload()->value() * 2 > neu->PBDownload()->maximum(); }, "Download");
    speichern(neu, ziel, QStringLiteral("update-download"));
    neu->close();
    QTest::qWait(50);

    // A maintenance page instead of the installer: the window afterwards, and
    // the message as the user sees it.
    ServerAntwort wartung = antwort(200, "<!DOCTYPE html><html><body>Wartungsarbeiten</body></html>");
    wartung.typ = "text/html";
    server.setze(update::kInstallerPfad, wartung);
    neu = ui::updateFensterZeigen(&w, k);
    neu->BCalc()->click();
    warte([&] { return !neu->laeuft(); }, "Prüfen");
    neu->BDown()->click();
    warte([&] { return !neu->laeuft(); }, "Download");
    speichern(neu, ziel, QStringLiteral("update-gescheitert"));
    meldungZeigen(QMessageBox::Information, letzteMeldung(welt), neu, ziel,
                  QStringLiteral("update-gescheitert-meldung"));

    // A check that fails after one that succeeded: no version, no download.
    server.setze(update::kVersionPfad, antwort(404, "<html>Not Found</html>"));
    neu->BCalc()->click();
    warte([&] { return !neu->laeuft(); }, "Prüfen");
    speichern(neu, ziel, QStringLiteral("update-erneut-gescheitert"));

    // The question before the installation, for a usual data folder, and the
    // message when the installer has gone since the download.
    meldungZeigen(QMessageBox::Question,
                  QString::fromStdString(update::textInstallationFrage("/home/anna/.local/share/Kalvendo/")),
                  neu, ziel, QStringLiteral("update-frage"));
    meldungZeigen(QMessageBox::Information,
                  QString::fromStdString(update::textInstallerFehlt("/home/anna/.local/share/Kalvendo/")),
                  neu, ziel, QStringLiteral("update-installer-fehlt"));
    neu->close();
    QTest::qWait(50);
    qunsetenv(update::kServerVariable);
}

// The odds filter with a listed "4-3" field and its overview, and the
// guarantee analysis of a tab's slip and of the mixed slip on the left.
void quotenUndGarantie(ui::TFMain& w, const QString& ziel) {
    TendenzWerte t{};
    const int punkte[13][3] = {{6, 3, 1}, {2, 3, 5}, {4, 4, 2}, {7, 2, 1}, {3, 4, 3}, {5, 3, 2}, {1, 3, 6},
                               {4, 3, 3}, {6, 2, 2}, {2, 5, 3}, {5, 4, 1}, {3, 3, 4}, {8, 1, 1}};
    for (int m = 0; m < 13; ++m) {
        t[static_cast<std::size_t>(m)].Heim = static_cast<std::uint8_t>(punkte[m][0]);
        t[static_cast<std::size_t>(m)].Remis = static_cast<std::uint8_t>(punkte[m][1]);
        t[static_cast<std::size_t>(m)].Gast = static_cast<std::uint8_t>(punkte[m][2]);
    }
    w.kontext().zustand().tendenzWerteSetzen(t);
    ui::TFQuotenFilter* q = ui::quotenFilterOeffnen(
        w.kontext(), system({"10", "02", "12", "10", "102", "102", "102", "1", "0", "2", "1", "1", "0"}));
    q->scrMin()->setValue(45);
    q->scrMax()->setValue(60);
    q->TippsListenClick();
    q->UebersichtClick();
    speichern(q, ziel, QStringLiteral("quotenfilter"));
    q->close();

    w.kontext().befehle().ausfuehren(QStringLiteral("GarantieAnalyse1"));
    auto* g = qobject_cast<ui::TFGarantie*>(fenster(QStringLiteral("FGarantie")));
    speichern(g, ziel, QStringLiteral("garantie-analyse"));
    if (g) {
        g->scheinWaehlen(w.kontext().zustand().linkerSchein());
        g->zeileZeigen(5);  // field 4, a VEW system
        speichern(g, ziel, QStringLiteral("garantie-analyse-gemischt"));
        g->close();
    }
}

// The system slip entry window: empty and narrow, a slip with single rows,
// full systems and VEW choices, wide, and the message of an unfitting choice.
// The normal slip entry window: narrow at its start, with the operator's
// table pasted and read, then wide with a suggestion and its rows listed and
// reduced at random.
void normalschein(ui::TFMain& w, TestUmgebung& welt, const QString& ziel) {
    w.kontext().befehle().ausfuehren(QStringLiteral("NeuenNormalscheineingeben1"));
    auto* fenster = qobject_cast<ui::TFEingabe*>(ui::fensterSuchen(QStringLiteral("FEingabe")));
    if (!fenster) return;
    speichern(fenster, ziel, QStringLiteral("normalschein-schmal"));
    QFile tabelle(QStringLiteral(KALVENDO_TEST_DATA "/spielplan_quotes_crlf.txt"));
    if (tabelle.open(QIODevice::ReadOnly))
        fenster->findChild<QPlainTextEdit*>(QStringLiteral("M1"))
            ->setPlainText(QString::fromUtf8(tabelle.readAll()));
    fenster->findChild<QTabWidget*>(QStringLiteral("PC1"))->setCurrentIndex(0);
    speichern(fenster, ziel, QStringLiteral("normalschein-eingefuegt"));
    fenster->BAuslesenClick();
    speichern(fenster, ziel, QStringLiteral("normalschein-spielplan"));
    // the saved fixture list's name in the file label, on two lines where it must
    welt.dialoge().speichernAntwort(welt.ablage() + QStringLiteral("Spieltag 12.sp13"));
    fenster->BSaveClick();
    speichern(fenster, ziel, QStringLiteral("normalschein-gespeichert"));
    schirmSpeichern(ziel, QStringLiteral("bildschirm-normalschein"));
    // the suggestion makes it wide; the rows listed and reduced
    fenster->BVorschlagClick();
    fenster->findChild<QCheckBox*>(QStringLiteral("cbFilter"))->setChecked(false);
    fenster->BFilterClick();
    chancenAbwarten();
    speichern(fenster, ziel, QStringLiteral("normalschein-breit"));
    fenster->BZufallClick();
    chancenAbwarten();
    speichern(fenster, ziel, QStringLiteral("normalschein-reduziert"));
    // the largest counts: a full system of 3^13 rows, all listed
    fenster->Vorschlag()->feld().kreuzeSetzen(vollsystem());
    fenster->BFilterClick();
    chancenAbwarten();
    speichern(fenster, ziel, QStringLiteral("normalschein-vollsystem"));
    // a line edited by hand: "geändert" beside the count
    fenster->M2()->setFocus();
    QTest::keyClick(fenster->M2(), Qt::Key_End);
    QTest::keyClicks(fenster->M2(), QStringLiteral(" x"));
    speichern(fenster, ziel, QStringLiteral("normalschein-liste-geaendert"));
    fenster->close();
}

void systemschein(ui::TFMain& w, TestUmgebung& welt, const QString& gemischt, const QString& ziel) {
    w.kontext().befehle().ausfuehren(QStringLiteral("NeuenSystemscheineingeben1"));
    auto* sys = qobject_cast<ui::TFEingabeSys*>(fenster(QStringLiteral("FEingabeSys")));
    if (!sys) {
        std::fprintf(stderr, "Fenster fehlt: FEingabeSys\n");
        return;
    }
    speichern(sys, ziel, QStringLiteral("systemschein-leer"));
    welt.dialoge().oeffnenAntwort({gemischt});
    sys->BOpenClick();
    // keyboard focus in field 2, on the box "0" of match 3
    ui::Feldbild* bild = sys->Feld(2)->Panel1();
    bild->setFocus();
    QTest::keyClick(bild, Qt::Key_Down);
    QTest::keyClick(bild, Qt::Key_Down);
    QTest::keyClick(bild, Qt::Key_Right);
    speichern(sys, ziel, QStringLiteral("systemschein-schmal"));
    welt.dialoge().speichernAntwort(welt.ablage() + QStringLiteral("zufall12.kv13"));
    sys->BSaveClick();
    speichern(sys, ziel, QStringLiteral("systemschein-gespeichert"));
    schirmSpeichern(ziel, QStringLiteral("bildschirm-systemschein"));
    // one cross more: "geändert" beside the file label
    QTest::keyClick(bild, Qt::Key_Space);
    speichern(sys, ziel, QStringLiteral("systemschein-geaendert"));
    QTest::keyClick(bild, Qt::Key_Space);
    sys->cbAlle()->click();
    speichern(sys, ziel, QStringLiteral("systemschein-breit"));
    speichern(sys->Feld(4), ziel, QStringLiteral("systemschein-feld-vew"));
    {
        // the same frame drawn at three times the size: sharp, not blown up
        ui::TFfrFeld* f = sys->Feld(4);
        QImage gross(f->size() * 3, QImage::Format_ARGB32_Premultiplied);
        gross.setDevicePixelRatio(3);
        gross.fill(Qt::white);
        f->render(&gross);
        const QString fn = ziel + QStringLiteral("/systemschein-feld-3fach.png");
        std::printf("%s %s\n", gross.save(fn) ? "geschrieben" : "FEHLER", qPrintable(fn));
    }
    sys->cbAlle()->click();
    sys->close();
    QTest::qWait(50);
}

// The print window with a calibrated format and a slip of 25 rows, the
// detail window after "A-Werte extrahieren", and the preview of the run.
void druckFenster(ui::TFMain& w, TestUmgebung& welt, const QString& ziel) {
    std::vector<TScheinOffen> felder;
    const char* reihen[] = {"1021021021021", "1111111111111", "0000000000000", "2222222222222",
                            "1020102010201"};
    for (int i = 0; i < 25; ++i) felder.push_back(reihe(reihen[i % 5]));
    const QString schein = welt.schein(QStringLiteral("Fünfundzwanzig Reihen.kv13"), felder);
    w.kontext().befehle().ausfuehren(QStringLiteral("Tippscheinedrucken1"));
    auto* druck = qobject_cast<ui::TFDruck*>(fenster(QStringLiteral("FDruck")));
    if (!druck) return;
    druck->FileForPrint(schein);
    Kalibrierung& k = druck->zustand().kalibrierung;
    // twelve fields in two rows of six
    for (int f = 1; f <= 6; ++f) k.setzeFeldZelle(f, 1, 1, std::to_string(150 + (f - 1) * 180));
    for (int f = 7; f <= 12; ++f) k.setzeFeldZelle(f, 1, 1, {});
    k.setzeFeldZelle(1, 1, 2, "420");
    k.setzeFeldZelle(7, 1, 2, "1120");
    if (auto* zwei = druck->findChild<QRadioButton*>(QStringLiteral("RG1zwei"))) zwei->click();
    auto setze = [druck](const char* name, const char* text) {
        if (auto* e = druck->findChild<QLineEdit*>(QLatin1String(name))) e->setText(QLatin1String(text));
    };
    setze("ENrx", "1700");
    setze("ENry", "90");
    setze("EZus111", "1200");
    setze("EZus112", "1150");
    setze("EZus121", "1300");
    setze("EZus122", "1150");
    setze("Ehori", "-5");
    druck->BAutoFillClick();
    druck->BExtrahierenClick();
    welt.dialoge().speichernAntwort(welt.ablage() + QStringLiteral("Sechs Felder.kvxdr"));
    druck->BsaveClick();
    for (const char* name : {"cbNr", "cbZus1"})
        if (auto* cb = druck->findChild<QCheckBox*>(QLatin1String(name))) cb->setChecked(true);
    druck->BDetailZeigenClick();
    druck->show();
    speichern(druck, ziel, QStringLiteral("druckfenster"));
    speichern(druck->detail(), ziel, QStringLiteral("detailfenster"));
    druck->detail()->close();
    druck->BVorschauClick();
    if (druck->vorschau()) {
        speichern(druck->vorschau(), ziel, QStringLiteral("druckvorschau"));
        druck->vorschau()->close();
    }
    // B changed and not saved: "geändert" beside the file label
    setze("eAbstandh", "77");
    speichern(druck, ziel, QStringLiteral("druckfenster-geaendert"));
    druck->close();
}

// The offer of a draft left by a crash, as the real message box shows it
// at the start (answered Nein: the draft goes).
void angebot(TestUmgebung& welt, const QString& ziel) {
    TestUmgebung nachAbsturz;
    Entwurf e{std::time(nullptr), {{"Systemschein", ""}}};
    schreibeEntwurf((nachAbsturz.datenordner() + QString::fromLatin1(kEntwurfDatei)).toStdString(), e);
    ui::Dialoge::setzeDialoge(nullptr);
    QTimer::singleShot(500, [&ziel] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            speichern(box, ziel, QStringLiteral("frage-entwurf-wiederherstellen"));
            box->button(QMessageBox::No)->click();
        }
    });
    nachAbsturz.starten();
    ui::Dialoge::setzeDialoge(&nachAbsturz.dialoge());
    nachAbsturz.beenden();
    ui::Dialoge::setzeDialoge(&welt.dialoge());
}

// The question before the program ends over unsaved work, as the real
// message box shows it; closing the box (Abbrechen) keeps the program running.
void endeFrage(ui::TFMain& w, TestUmgebung& welt, const QString& ziel) {
    ui::Dialoge::setzeDialoge(nullptr);
    QTimer::singleShot(500, [&ziel] {
        schirmSpeichern(ziel, QStringLiteral("bildschirm-frage-aenderungen-speichern"));
        if (QWidget* box = QApplication::activeModalWidget()) {
            speichern(box, ziel, QStringLiteral("frage-aenderungen-speichern"));
            box->close();
        }
    });
    w.close();
    ui::Dialoge::setzeDialoge(&welt.dialoge());
}

}  // namespace

int main(int argc, char* argv[]) {
    bildschirmEinrichten();
    ui::deutschVorbereiten();
    QApplication app(argc, argv);
    ui::deutschLaden(app);
    const QString ziel = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(ziel);
    if (QFontInfo(app.font()).family().isEmpty()) {
        std::fprintf(stderr, "Keine Schrift gefunden\n");
        return 1;
    }

    TestUmgebung welt;
    Begegnungen b;
    const char* vereine[26] = {"Hamburg",
                               "Bremen",
                               "Dortmund",
                               "Schalke",
                               "Köln",
                               "Mainz",
                               "Freiburg",
                               "Stuttgart",
                               "Hannover",
                               "Wolfsburg",
                               "Bochum",
                               "Bielefeld",
                               "Augsburg",
                               "Nürnberg",
                               "Kiel",
                               "Rostock",
                               "Borussia Mönchengladbach",
                               "Leipzig",
                               "Kaiserslautern",
                               "Karlsruhe",
                               "Darmstadt",
                               "Frankfurt",
                               "Berlin",
                               "Potsdam",
                               "Aachen",
                               "Münster"};
    for (int m = 0; m < 13; ++m) {
        b[static_cast<std::size_t>(m)].Heim = vereine[2 * m];
        b[static_cast<std::size_t>(m)].Gast = vereine[2 * m + 1];
        b[static_cast<std::size_t>(m)].Tendenz = "5-3-2";
    }
    const QString plan = welt.spielplan(QStringLiteral("Spieltag 12.sp13"), b);
    const QString links =
        welt.schein(QStringLiteral("Gemischt.kv13"),
                    {reihe("1021021021021"), reihe("1111111111111"),
                     system({"10", "1", "0", "2", "102", "1", "1", "0", "2", "1", "1", "0", "2"}), vew(4),
                     reihe("0000000000000"), reihe("2222222222222"),
                     system({"1", "0", "2", "10", "02", "1", "0", "2", "1", "0", "2", "1", "0"}),
                     reihe("1020102010201"), vew(9), reihe("1101101101101"), reihe("2020202020202"),
                     system({"102", "102", "1", "0", "2", "1", "0", "2", "1", "0", "2", "1", "0"})});
    const QString voll = welt.schein(QStringLiteral("Vollsystem 13x3.kv13"), {vollsystem()});
    const QString klein =
        welt.schein(QStringLiteral("Zwei Systeme.kv13"),
                    {system({"10", "10", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}),
                     system({"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "02", "02"})});

    ui::TFMain& w = welt.starten();
    w.SpielplanEinlesen(plan);
    w.DateiEinlesen(links);
    w.DateienEinlesen(klein);
    w.DateienEinlesen(voll);
    w.PC1()->setCurrentIndex(1);  // a tab opened this way does not become active by itself
    const int tore[13][2] = {{2, 1}, {0, 0}, {1, 3}, {1, 0}, {2, 2}, {0, 1}, {3, 1},
                             {0, 0}, {1, 1}, {2, 0}, {0, 2}, {1, 1}, {4, 2}};
    for (int m = 1; m <= 13; ++m) {
        w.frSpiel(m)->Up1()->setzePosition(tore[m - 1][0]);
        w.frSpiel(m)->Up2()->setzePosition(tore[m - 1][1]);
    }
    for (int m : {1, 3, 4, 7, 10}) w.BRunClick(m);
    chancenAbwarten();
    speichern(&w, ziel, QStringLiteral("hauptfenster"));
    // on a real screen: what the user sees of it, and the window filling the screen
    schirmSpeichern(ziel, QStringLiteral("bildschirm-hauptfenster"));
    const QRect vorher = w.geometry();
    if (QScreen* s = w.screen()) {
        w.setGeometry(s->availableGeometry());
        warte([&] { return w.geometry() == s->availableGeometry(); }, "großes Fenster");
        QTest::qWait(300);
    }
    speichern(&w, ziel, QStringLiteral("hauptfenster-gross"));
    // the chance lists of the large slip take a third of the height
    w.fr(2)->PC5()->setCurrentIndex(0);
    QTest::qWait(300);
    speichern(w.findChild<QWidget*>(QStringLiteral("PPC")), ziel, QStringLiteral("gross-gewinnchancen"));
    w.fr(2)->PC5()->setCurrentIndex(1);
    w.setGeometry(vorher);
    warte([&] { return w.geometry() == vorher; }, "Fenster wie vorher");
    QTest::qWait(300);

    w.fr(2)->PC5()->setCurrentIndex(0);
    speichern(w.fr(2), ziel, QStringLiteral("tabelle-gewinnchancen"));
    w.fr(2)->PC5()->setCurrentIndex(1);
    w.PC1()->setCurrentIndex(0);
    speichern(w.fr(1), ziel, QStringLiteral("tabelle-zwei-systeme"));
    w.kontext().befehle().ausfuehren(QStringLiteral("EinsatzJeReihe1"));
    speichern(fenster(QStringLiteral("FEinsatz")), ziel, QStringLiteral("einsatz-je-reihe"));
    if (QWidget* e = fenster(QStringLiteral("FEinsatz"))) e->close();
    w.Image1Click();
    speichern(&w, ziel, QStringLiteral("hauptfenster-eingeklappt"));
    w.Image1Click();

    w.BGZdirektClick();
    auto* gz = w.gzEingabe();
    for (int i = 1; i <= 13; ++i) gz->BLotAuswerten(100 * i + (i % 3) + 1);
    speichern(gz, ziel, QStringLiteral("gewinnzahlen"));
    gz->close();

    w.BKalClick();
    speichern(fenster(QStringLiteral("FKal")), ziel, QStringLiteral("kalender"));
    w.InfoClick();
    speichern(fenster(QStringLiteral("FInfo")), ziel, QStringLiteral("programminfo"));
    w.HilfeClick();
    speichern(fenster(QStringLiteral("FHilfe")), ziel, QStringLiteral("hilfe"));

    updateFenster(w, welt, ziel);
    systemschein(w, welt, links, ziel);
    normalschein(w, welt, ziel);
    druckFenster(w, welt, ziel);
    quotenUndGarantie(w, ziel);

    // a new user: no slip, no settings
    TestUmgebung neu;
    ui::TFMain& leer = neu.starten();
    speichern(&leer, ziel, QStringLiteral("erster-start"));
    neu.beenden();
    angebot(welt, ziel);
    endeFrage(w, welt, ziel);
    // the entry windows' work is discarded at the end
    for (int i = 0; i < 3; ++i) welt.dialoge().frageAntwort(TestDialoge::kVerwerfen);
    welt.beenden();
    return 0;
}
