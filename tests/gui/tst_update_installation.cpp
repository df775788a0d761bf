// The hand-over to the installer after a download from the local HTTPS
// server: fake installers that leave a mark, replace the old program at once
// or later, or make its folder anew, next to a running copy of a small
// program as the old program; the answer No, an unwritable program folder,
// an installer that does not start or has gone; and the real end of a
// program process with what it saves.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QTest>

#include "../common/Schreibschutz.h"
#include "GuiHilfen.h"
#include "Programm.h"
#include "TestServer.h"
#include "TestUmgebung.h"
#include "Updatetest.h"
#include "common/Feldbild.h"
#include "common/TFfrFeld.h"
#include "eingabe/Entwurf.h"
#include "entry/TFEingabeSys.h"
#include "main/TFMain.h"
#include "model/Records.h"
#include "model/Spielscheindatei.h"
#include "settings/Einstellungen.h"
#include "update/TFNeu.h"
#include "update/Updatepruefung.h"

using namespace kv;
using namespace kv::test;
using Art = TestDialoge::Art;
using Antwort = ui::Dialoge::Antwort;

Q_DECLARE_METATYPE(Antwort)

class TestUpdateInstallation : public Updatetest {
    Q_OBJECT
  private Q_SLOTS:
    void installationJa_data();
    void installationJa();
    void installationNein();
    void installationOhneSchreibrecht();
    void installerStartetNicht();
    void installationUnterbleibt_data();
    void installationUnterbleibt();
    void ungespeicherteEingaben_data();
    void ungespeicherteEingaben();
    void echtesEnde();

  private:
    QString frage() {
        return QString::fromStdString(update::textInstallationFrage(welt().datenordner().toStdString()));
    }
    // What a shell script needs to name `pfad`.
    static QByteArray sh(const QString& pfad) { return "'" + pfad.toUtf8() + "'"; }
};

void TestUpdateInstallation::installationJa_data() {
    // what the installer does before it leaves its mark; $p is the program, $o its folder
    QTest::addColumn<QByteArray>("arbeit");
    QTest::addColumn<bool>("ersetzt");  // a new program stands in the old one's place

    QTest::newRow("a: nur eine Marke") << QByteArray() << false;
    QTest::newRow("b: ersetzt das Programm sofort")
        << QByteArray("printf 'neues Programm' > \"$p.neu\" && mv \"$p.neu\" \"$p\"\n") << true;
    QTest::newRow("c: ersetzt das Programm nach 2 s")
        << QByteArray("sleep 2\nprintf 'neues Programm' > \"$p.neu\" && mv \"$p.neu\" \"$p\"\n") << true;
    QTest::newRow("d: legt den Programmordner neu an")
        << QByteArray("rm -rf \"$o\"\nmkdir \"$o\" && printf 'neues Programm' > \"$p\"\n") << true;
}

void TestUpdateInstallation::installationJa() {
    QFETCH(QByteArray, arbeit);
    QFETCH(bool, ersetzt);

    programmStarten();
    bisZurInstallation("#!/bin/sh\np=" + sh(programm()) + "\no=" + sh(programmordner()) + "\n" + arbeit +
                       "pwd > " + sh(marke()) + "\n");
    dialoge().frageAntwort(ui::Dialoge::Antwort::Ja);
    QTest::mouseClick(fenster_->BSetup(), Qt::LeftButton);
    QCOMPARE(dialoge().nimmMeldung(Art::FrageJaNein), frage());
    QCOMPARE(dialoge().meldungen().size(), 0);
    // saved before the end, and ended once
    QCOMPARE(gesichert_, 1);
    QCOMPARE(beendet_, 1);

    const QStringList s = skripte();
    QCOMPARE(s.size(), 1);
    QVERIFY2(s.first().startsWith(QLatin1String("uis")) && s.first().endsWith(QLatin1String(".sh")),
             qPrintable(s.first()));
    // While the old program runs, the script only waits. (A pause, not a
    // bound: on a slow machine this check only gets weaker.)
    QTest::qWait(700);
    QCOMPARE(skripte().size(), 1);
    if (!ersetzt) QVERIFY(QFile::exists(programm()));

    // The old program ends; the script then waits for the installer too.
    programmLauf_->terminate();
    QVERIFY(programmLauf_->waitForFinished());
    QElapsedTimer seitEnde;
    seitEnde.start();
    QTRY_VERIFY_WITH_TIMEOUT(skripte().isEmpty() && QFile::exists(marke()), 120000);
    QCOMPARE(lies(marke()).trimmed(), QDir(welt().datenordner()).absolutePath().toUtf8());
    // Nothing deletes a new program later either.
    if (seitEnde.elapsed() < 5000) QTest::qWait(static_cast<int>(5000 - seitEnde.elapsed()));
    if (ersetzt) {
        QCOMPARE(lies(programm()), QByteArray("neues Programm"));
        QVERIFY(QDir(programmordner()).exists());
    } else {
        QVERIFY(!QFile::exists(programm()));
        QVERIFY(!QDir(programmordner()).exists());
    }
    QVERIFY(skripte().isEmpty());
    QVERIFY(QFile::exists(welt().datenordner() + QStringLiteral("Update.run")));
}

void TestUpdateInstallation::installationNein() {
    programmStarten();
    bisZurInstallation(fakeInstaller());
    dialoge().frageAntwort(ui::Dialoge::Antwort::Nein);
    QTest::mouseClick(fenster_->BSetup(), Qt::LeftButton);
    QCOMPARE(dialoge().nimmMeldung(Art::FrageJaNein), frage());
    const QString text = dialoge().nimmMeldung(Art::Information);
    QCOMPARE(text, QString::fromStdString(update::textInstallationAbgebrochen(
                       welt().datenordner().toStdString(), programmordner().toStdString())));
    QVERIFY(text.contains(welt().datenordner()));
    QVERIFY(text.contains(programmordner()));
    QCOMPARE(gesichert_, 0);
    QCOMPARE(beendet_, 0);
    QTest::qWait(300);
    QVERIFY(!QFile::exists(marke()));
    QVERIFY(skripte().isEmpty());
    QVERIFY(QFile::exists(programm()));
    QVERIFY(QFile::exists(welt().datenordner() + QStringLiteral("Update.run")));
    QVERIFY(fenster_->BSetup()->isEnabled());
}

void TestUpdateInstallation::installationOhneSchreibrecht() {
    programmStarten();
    bisZurInstallation(fakeInstaller());
    // As root as well: the folder is made immutable then.
    Schreibschutz schutz(programmordner().toStdString());
    QVERIFY2(schutz.ok(), schutz.fehler().c_str());
    dialoge().frageAntwort(ui::Dialoge::Antwort::Ja);
    QTest::mouseClick(fenster_->BSetup(), Qt::LeftButton);
    QCOMPARE(dialoge().nimmMeldung(Art::FrageJaNein), frage());
    QCOMPARE(dialoge().nimmMeldung(Art::Information),
             QString::fromStdString(update::textManuellEntfernen(welt().datenordner().toStdString(),
                                                                 programmordner().toStdString())));
    QCOMPARE(beendet_, 0);
    QTRY_VERIFY(QFile::exists(marke()));  // the installer was started all the same
    QVERIFY(skripte().isEmpty());
    QVERIFY(QFile::exists(programm()));
}

void TestUpdateInstallation::installerStartetNicht() {
    programmStarten();
    bisZurInstallation("kein Programm, nur Text\n");
    dialoge().frageAntwort(ui::Dialoge::Antwort::Ja);
    QTest::mouseClick(fenster_->BSetup(), Qt::LeftButton);
    QCOMPARE(dialoge().nimmMeldung(Art::FrageJaNein), frage());
    QCOMPARE(dialoge().nimmMeldung(Art::Information),
             QString::fromStdString(update::textStartGescheitert(welt().datenordner().toStdString())));
    QCOMPARE(beendet_, 0);
    QVERIFY(skripte().isEmpty());
    QVERIFY(QFile::exists(programm()));
}

void TestUpdateInstallation::installationUnterbleibt_data() {
    QTest::addColumn<bool>("installerFehlt");  // "Update.run" was deleted after the download
    QTest::addColumn<bool>("sichernGelingt");  // the scores can be written

    QTest::newRow("Update.run fehlt") << true << true;
    QTest::newRow("Spielstaende nicht schreibbar") << false << false;
}

void TestUpdateInstallation::installationUnterbleibt() {
    QFETCH(bool, installerFehlt);
    QFETCH(bool, sichernGelingt);

    programmStarten();
    bisZurInstallation(fakeInstaller());
    if (installerFehlt) QVERIFY(QFile::remove(welt().datenordner() + QStringLiteral("Update.run")));
    sichernGelingt_ = sichernGelingt;
    dialoge().frageAntwort(ui::Dialoge::Antwort::Ja);
    QTest::mouseClick(fenster_->BSetup(), Qt::LeftButton);
    QCOMPARE(dialoge().nimmMeldung(Art::FrageJaNein), frage());
    if (installerFehlt) {
        const QString text = dialoge().nimmMeldung(Art::Information);
        QCOMPARE(text,
                 QString::fromStdString(update::textInstallerFehlt(welt().datenordner().toStdString())));
        QVERIFY(text.contains(QLatin1String("noch einmal herunter")));
        QCOMPARE(gesichert_, 0);
    } else {
        // the failed save has said so itself
        QCOMPARE(gesichert_, 1);
    }
    QCOMPARE(beendet_, 0);
    QCOMPARE(fenster_->BSetup()->isEnabled(), !installerFehlt);
    QTest::qWait(300);
    QVERIFY(!QFile::exists(marke()));
    QVERIFY(skripte().isEmpty());
    QVERIFY(QFile::exists(programm()));
}

// Crosses in the hidden system slip window are not saved when "Installation"
// and "Ja" would end the program: "Änderungen speichern?" comes first, over
// the update window. Speichern and Verwerfen let the installer start and the
// program end; Abbrechen keeps the program, its crosses and their draft, and
// starts nothing.
void TestUpdateInstallation::ungespeicherteEingaben_data() {
    QTest::addColumn<Antwort>("antwort");
    QTest::newRow("Speichern") << TestDialoge::kSpeichern;
    QTest::newRow("Verwerfen") << TestDialoge::kVerwerfen;
    QTest::newRow("Abbrechen") << Antwort::Abbrechen;
}

void TestUpdateInstallation::ungespeicherteEingaben() {
    QFETCH(Antwort, antwort);
    const bool geht = antwort != Antwort::Abbrechen;
    programmStarten();
    bisZurInstallation(fakeInstaller());
    auto* sys = durchBefehlGezeigt<ui::TFEingabeSys>(welt().programm()->hauptfenster(),
                                                     "NeuenSystemscheineingeben1", "FEingabeSys");
    for (int m = 1; m <= 13; ++m)
        QTest::mouseClick(sys->Feld(4)->Panel1(), Qt::LeftButton, {}, ui::Feldbild::kastenMitte(3, m));
    sys->close();
    const QString entwurf = welt().datenordner() + QString::fromLatin1(kEntwurfDatei);
    QTRY_VERIFY(QFile::exists(entwurf));
    const QString gesichert = welt().ablage() + QStringLiteral("vor-dem-update.kv13");

    dialoge().frageAntwort(Antwort::Ja);
    dialoge().frageAntwort(antwort);
    if (antwort == TestDialoge::kSpeichern) dialoge().speichernAntwort(gesichert);
    QTest::mouseClick(fenster_->BSetup(), Qt::LeftButton);
    QCOMPARE(dialoge().nimmMeldung(Art::FrageJaNein), frage());
    QCOMPARE(
        dialoge().nimmMeldung(Art::FrageSpeichern),
        QStringLiteral("Der Systemschein im Fenster „Neuen Systemschein eingeben“ wurde geändert und noch "
                       "nicht gespeichert.\r\rÄnderungen speichern?"));
    QCOMPARE(dialoge().meldungen().size(), 0);
    QCOMPARE(gesichert_, geht ? 1 : 0);
    QCOMPARE(beendet_, geht ? 1 : 0);
    if (antwort == TestDialoge::kSpeichern)
        QCOMPARE(leseSpielschein(gesichert.toStdString()), std::vector<TScheinOffen>{reihe("2222222222222")});
    else
        QVERIFY(!QFile::exists(gesichert));
    if (geht) {
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marke()), 30000);
        return;
    }
    // nothing started; the crosses wait in the window and in the draft
    QVERIFY(fenster_->BSetup()->isEnabled());
    QCOMPARE(sys->schein().feld(4).daten(), reihe("2222222222222"));
    QVERIFY(QFile::exists(entwurf));
    QTest::qWait(300);
    QVERIFY(!QFile::exists(marke()));
    QVERIFY(skripte().isEmpty());
}

// The probe is the program: its main window, its update window with its own
// file, process, saving and end. It runs from a copy in the program folder,
// so the removal script deletes that copy once the probe has ended.
void TestUpdateInstallation::echtesEnde() {
    QVERIFY(QFile::remove(programm()));
    QVERIFY(QFile::copy(QStringLiteral(KALVENDO_UPDATE_PROBE), programm()));
    QVERIFY(QDir(tmp()).mkpath(QStringLiteral("probe-home")));
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("HOME"), tmp() + QStringLiteral("/probe-home"));
    umgebung.insert(QStringLiteral("XDG_DATA_HOME"), tmp() + QStringLiteral("/probe-home/.local/share"));
    QProcess probe;
    probe.setProcessEnvironment(umgebung);
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    probe.start(programm(), {marke()});
    QVERIFY(probe.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(probe.state() == QProcess::NotRunning, 180000);
    const QStringList zeilen =
        QString::fromUtf8(probe.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QCOMPARE(probe.exitCode(), 0);
    const auto zeile = [&](const QString& anfang) {
        QStringList z;
        for (const QString& l : zeilen)
            if (l.startsWith(anfang + QLatin1Char(' '))) z << l.mid(anfang.size() + 1);
        return z;
    };
    QCOMPARE(zeile(QStringLiteral("VERFUEGBAR")), QStringList{QStringLiteral("1.7.0.0")});
    QCOMPARE(zeile(QStringLiteral("INSTALLATION")), QStringList{QStringLiteral("an")});
    // only the questions were asked; the program then left its event loop
    QCOMPARE(zeile(QStringLiteral("MELDUNG")).size(), 2);
    QVERIFY(zeile(QStringLiteral("MELDUNG"))
                .first()
                .startsWith(QLatin1String("Frage Ja/Nein Um die Installation")));
    QVERIFY(zeile(QStringLiteral("MELDUNG")).last().endsWith(QStringLiteral("Änderungen speichern?")));
    QCOMPARE(zeile(QStringLiteral("ENDE")), QStringList{QStringLiteral("0")});

    // The goal and "Alles" were not yet on disk when "Ja" was answered ...
    QCOMPARE(zeile(QStringLiteral("DATEN")).size(), 1);
    const QString daten = zeile(QStringLiteral("DATEN")).first();
    QVERIFY2(daten.startsWith(tmp() + QStringLiteral("/probe-home/")), qPrintable(daten));
    QByteArray erwartet;
    for (int spiel = 1; spiel <= 13; ++spiel)
        erwartet.append(char(spiel == 3 ? 2 : 0)).append('\0').append('\1');
    QCOMPARE(zeile(QStringLiteral("VORHER")).size(), 1);
    QVERIFY(QByteArray::fromHex(zeile(QStringLiteral("VORHER")).first().toLatin1()) != erwartet);
    // ... and are after the end, with what the closing sequence keeps.
    QCOMPARE(lies(daten + QStringLiteral("Spielstaende.spst")), erwartet);
    const Einstellungen e((daten + QStringLiteral("Einstellungen.ini")).toStdString());
    QCOMPARE(e.lese(einst::kHauptLeft), 140);
    QCOMPARE(e.lese(einst::kHauptTop), 90);
    QCOMPARE(e.lese(einst::kSplitterPos), 46);
    QCOMPARE(e.lese(einst::kSpieltagEnde), true);
    // the discarded cross left no draft behind
    QVERIFY(!QFile::exists(daten + QString::fromLatin1(kEntwurfDatei)));

    // The installer ran; the ended program's file and its emptied folder go.
    QTRY_VERIFY_WITH_TIMEOUT(skripte().isEmpty() && QFile::exists(marke()), 120000);
    QVERIFY(!QFile::exists(programm()));
    QVERIFY(!QDir(programmordner()).exists());
}

KV_GUI_TEST_MAIN(TestUpdateInstallation)
#include "tst_update_installation.moc"
