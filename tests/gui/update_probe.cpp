// Stands in for the program in the test of its real end after "Installation"
// and "Ja": it builds the program as kalvendo does, main window shown, and
// opens the update window through the program's own command, so the window
// works with this process's file, process id, saving and end. Against a local
// HTTPS server it checks and downloads an installer that only leaves a mark,
// then changes what the closing sequence keeps (window place, right panel,
// "Alles", a goal still inside the save delay), sets a cross in the system
// slip window without saving it, and in the same moment answers "Ja" and,
// to "Änderungen speichern?", Verwerfen. It says on standard output what happened; the test looks at what the
// ended program left behind.
//
//     kalvendo-update-probe MARKE
//
// The data folder comes from HOME / XDG_DATA_HOME, the removal script's folder
// from TMPDIR, as for the program.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cstdio>

#include "Programm.h"
#include "TestDialoge.h"
#include "TestServer.h"
#include "TestUmgebung.h"
#include "common/Datenordner.h"
#include "common/Feldbild.h"
#include "common/Fenster.h"
#include "common/TFfrFeld.h"
#include "common/Uebersetzung.h"
#include "common/UpDown.h"
#include "entry/TFEingabeSys.h"
#include "main/TFMain.h"
#include "main/TFfrErg.h"
#include "update/TFNeu.h"
#include "update/Updatepruefung.h"

namespace {

void sage(const QString& zeile) {
    std::fputs((zeile + QLatin1Char('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
}

QByteArray lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool warte(const std::function<bool()>& bedingung, const char* was) {
    if (QTest::qWaitFor(bedingung, 60000)) return true;
    sage(QStringLiteral("ZEIT ") + QLatin1String(was));
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace kv;
    test::bildschirmEinrichten();
    ui::deutschVorbereiten();
    QApplication app(argc, argv);
    ui::deutschLaden(app);
    app.setQuitOnLastWindowClosed(false);
    const QStringList a = QCoreApplication::arguments();
    if (a.size() < 2) return 2;

    test::TestDialoge dialoge;
    test::TestServer server;
    test::TestServer::vertrauen(true);
    server.setze(update::kVersionPfad, test::versionsAntwort({"1.7.0.0"}));
    server.setze(update::kInstallerPfad, test::antwort(200, "#!/bin/sh\npwd > '" + a[1].toUtf8() + "'\n"));
    qputenv(update::kServerVariable, server.adresse().toUtf8());

    const QString datenordner = ui::datenordnerBestimmen();
    sage(QStringLiteral("DATEN ") + datenordner);
    auto programm = ui::programmAufbauen(datenordner);
    ui::TFMain& w = programm->hauptfenster();
    w.show();

    QTimer::singleShot(0, &w, [&] {
        if (!warte([&] { return w.startFertig(); }, "Start")) return QCoreApplication::exit(3);
        w.findChild<QToolButton*>(QStringLiteral("BUpdate"))->click();
        auto* neu = qobject_cast<ui::TFNeu*>(ui::fensterSuchen(QStringLiteral("FNeu")));
        if (!neu) return QCoreApplication::exit(4);
        neu->BCalc()->click();
        if (!warte([&] { return !neu->laeuft(); }, "Pruefen")) return QCoreApplication::exit(5);
        sage(QStringLiteral("VERFUEGBAR ") + neu->PvVersion()->text());
        neu->BDown()->click();
        if (!warte([&] { return !neu->laeuft(); }, "Download")) return QCoreApplication::exit(6);
        sage(QStringLiteral("INSTALLATION ") + (neu->BSetup()->isEnabled() ? "an" : "aus"));

        // What the closing sequence keeps, changed now; the goal and "Alles"
        // would reach the disk only after the save delay.
        w.move(140, 90);
        w.Image1Click();
        w.frSpiel(3)->Up1()->knopfHoch()->click();
        w.frSpiel(3)->Up1()->knopfHoch()->click();
        w.BAlles()->click();
        sage(QStringLiteral("VORHER ") + QString::fromLatin1(lies(w.spielstanddatei()).toHex()));
        // crosses in the system slip window, hidden again, not saved: they
        // are asked for, and discarded
        w.kontext().befehle().ausfuehren(QStringLiteral("NeuenSystemscheineingeben1"));
        auto* sys = qobject_cast<ui::TFEingabeSys*>(ui::fensterSuchen(QStringLiteral("FEingabeSys")));
        if (!sys) return QCoreApplication::exit(7);
        QTest::mouseClick(sys->Feld(6)->Panel1(), Qt::LeftButton, {}, ui::Feldbild::kastenMitte(1, 1));
        sys->close();
        neu->raise();
        dialoge.frageAntwort(ui::Dialoge::Antwort::Ja);
        dialoge.frageAntwort(test::TestDialoge::kVerwerfen);
        neu->BSetup()->click();
        for (const auto& m : dialoge.meldungen())
            sage(QStringLiteral("MELDUNG ") + test::artName(m.art) + QLatin1Char(' ') + m.text);
    });
    const int ergebnis = QApplication::exec();
    programm.reset();
    sage(QStringLiteral("ENDE %1").arg(ergebnis));
    return ergebnis;
}
