// The transfer tool as the user drives it: paste, transfer, save as slip or
// text, hand to the spreadsheet program, and the slip opened in the main window.
#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <memory>

#include "Hauptfenstertest.h"
#include "TestUmgebung.h"
#include "common/Fenster.h"
#include "common/Uebersetzung.h"
#include "common/UpDown.h"
#include "main/TFMain.h"
#include "model/Spielscheindatei.h"
#include "transfer/TFTransfer.h"
#include "transfer/Tabellenoeffner.h"
#include "transfer/TransferModell.h"

using namespace kv;
using namespace kv::test;
using kv::ui::TFTransfer;

namespace {

QByteArray lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray scheinBytes(const std::vector<const char*>& reihen) {
    std::vector<TScheinOffen> felder;
    for (const char* r : reihen) felder.push_back(reihe(r));
    const auto b = spielscheinBytes(felder);
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

// "1021..." -> "1,0,2,1,..."
QString mitKommas(const QString& ziffern) {
    QStringList t;
    for (const QChar c : ziffern) t << QString(c);
    return t.join(QLatin1Char(','));
}

// Sets an environment variable for one test and restores it afterwards.
class Umgebungsvariable {
  public:
    Umgebungsvariable(const char* name, const QByteArray& wert) : name_(name), alt_(qgetenv(name)) {
        qputenv(name, wert);
    }
    ~Umgebungsvariable() {
        if (alt_.isNull())
            qunsetenv(name_);
        else
            qputenv(name_, alt_);
    }

  private:
    const char* name_;
    QByteArray alt_;
};

// A spreadsheet program that is or is not there and records what it opens.
class Testoeffner : public kv::ui::Tabellenoeffner {
  public:
    bool da = true;
    QString antwort;
    QStringList geoeffnet;
    bool vorhanden() override { return da; }
    QString oeffnen(const QString& mappe) override {
        geoeffnet << mappe;
        return antwort;
    }
};

// The rows of the workbook's first sheet as a spreadsheet library reads
// them: per row its cells from column A on, joined by "|" (an empty cell as
// ""), and the sheet's name first. Debian's python3 with openpyxl is part of
// the test command's packages; without it the test fails.
QStringList blattLesen(const QString& mappe) {
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral("-c"),
             QStringLiteral("import sys, openpyxl\n"
                            "wb = openpyxl.load_workbook(sys.argv[1])\n"
                            "ws = wb.worksheets[0]\n"
                            "print(ws.title)\n"
                            "for row in ws.iter_rows(values_only=True):\n"
                            "    print('|'.join('' if v is None else str(v) for v in row))\n"),
             mappe});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {QStringLiteral("Lesefehler: ") + QString::fromUtf8(p.readAllStandardError())};
    return QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

}  // namespace

class TstTransfer : public Hauptfenstertest {
    Q_OBJECT

  private:
    TFTransfer* tool_ = nullptr;

    template <typename T>
    T* teil(const char* name) const {
        T* w = tool_->findChild<T*>(QLatin1String(name));
        if (!w) qFatal("Teil %s fehlt", name);
        return w;
    }
    void klick(const char* name) { QTest::mouseClick(teil<QAbstractButton>(name), Qt::LeftButton); }
    QPlainTextEdit* M1() const { return teil<QPlainTextEdit>("M1"); }
    const QAbstractItemModel* G1() const { return teil<QTableView>("G1")->model(); }
    QString zelle(int zeile, int spalte) const { return G1()->index(zeile - 1, spalte).data().toString(); }
    QString reiheText(int zeile) const {
        QString s;
        for (int k = 1; k <= 13; ++k) s += zelle(zeile, k);
        return s;
    }
    void einfuegen(const QString& text) {
        QApplication::clipboard()->setText(text);
        M1()->setFocus();
        QTest::keyClick(M1(), Qt::Key_V, Qt::ControlModifier);
    }
    // Pastes into an emptied text field and transfers.
    void uebertrage(const QString& text) {
        klick("BTextfeldLoeschen");
        einfuegen(text);
        klick("BReihenInTabelle");
    }

  private Q_SLOTS:
    void initTestCase() { kv::ui::deutschLaden(*qApp); }

    void init() {
        Hauptfenstertest::init();
        starten();
        // the program makes the transfer tool at start-up, hidden
        tool_ = qobject_cast<TFTransfer*>(ui::fensterSuchen(QStringLiteral("FTransfer")));
        QVERIFY(tool_);
    }

    void cleanup() {
        tool_ = nullptr;
        Hauptfenstertest::cleanup();
    }

    void startzustand() {
        QVERIFY(!tool_->isVisible());
        QCOMPARE(tool_->objectName(), QStringLiteral("FTransfer"));
        QCOMPARE(tool_->windowTitle(), QStringLiteral("Kalvendo"));
        // The command in the menu "&Extras" and on the tool bar shows the window.
        ui::TFMain& haupt = *welt().fenster();
        QAction* befehl = nullptr;
        for (QAction* a : haupt.menueExtras()->actions())
            if (a->text() == QStringLiteral("Transfer-Tool")) befehl = a;
        QVERIFY(befehl);
        QVERIFY(haupt.findChild<QToolButton*>(QStringLiteral("bsSkinSpeedButton1")));
        befehl->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(tool_));

        QCOMPARE(G1()->rowCount(), 29);
        QCOMPARE(G1()->columnCount(), 14);
        QCOMPARE(G1()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Tipp"));
        QCOMPARE(G1()->headerData(13, Qt::Horizontal).toString(), QStringLiteral("13"));
        auto* G1v = teil<QTableView>("G1");
        QCOMPARE(G1v->columnWidth(0), 40);
        QCOMPARE(G1v->columnWidth(7), 20);
        QCOMPARE(G1v->rowHeight(28), 16);
        QVERIFY(teil<QRadioButton>("RG1a")->isChecked());
        QCOMPARE(teil<QLabel>("LZeilen")->text(), QStringLiteral("0"));
        QCOMPARE(M1()->font().pointSize(), 10);
        QVERIFY(M1()->font().bold());
        QVERIFY(!QFontInfo(M1()->font()).family().isEmpty());
        const QStringList knoepfe = {"Reihen in Tabelle übertragen",
                                     "Als Spielschein s&peichern...",
                                     "Reihen löschen",
                                     "Textfeld löschen",
                                     "Als Text-\nDatei speichern...",
                                     "Excel-\nExport",
                                     "Schließen"};
        for (const QString& k : knoepfe) {
            bool gefunden = false;
            for (auto* b : tool_->findChildren<QPushButton*>()) gefunden |= b->text() == k;
            QVERIFY2(gefunden, qPrintable(k));
        }
    }

    void einfuegenUndUebertragen() {
        // Every kind of separator, CR LF, a header line, a line of 12 tips and
        // a no-break space that must survive in the text field.
        const QString text = QString::fromUtf8(
            "Tipps vom "
            "Samstag\xc2\xa0:\r\n1010022021110\r\n1,0,1,0,0,2,2,0,2,1,1,1,0\r\n1;1;1;1;1;1;1;1;1;1;1;1;2 \r\n"
            "2\t2\t2\t2\t2\t2\t2\t2\t2\t2\t2\t2\t0\r\n101002202111\r\nABCDEFGHIJKLM");
        einfuegen(text);
        QCOMPARE(teil<QLabel>("LZeilen")->text(), QStringLiteral("7"));
        // Enter starts no new line.
        QTest::keyClick(M1(), Qt::Key_Return);
        QTest::keyClick(M1(), Qt::Key_Enter);
        QCOMPARE(teil<QLabel>("LZeilen")->text(), QStringLiteral("7"));

        klick("BReihenInTabelle");
        QCOMPARE(G1()->rowCount(), 5);
        QCOMPARE(reiheText(1), QStringLiteral("1010022021110"));
        QCOMPARE(reiheText(2), QStringLiteral("1010022021110"));
        QCOMPARE(reiheText(3), QStringLiteral("1111111111112"));
        QCOMPARE(reiheText(4), QStringLiteral("2222222222220"));
        QCOMPARE(reiheText(5), QStringLiteral("ABCDEFGHIJKLM"));
        QCOMPARE(zelle(5, 0), QStringLiteral("5"));
        // The text field holds exactly what was pasted (its lines end with LF).
        QString erwartet = text;
        erwartet.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QCOMPARE(tool_->text(), erwartet);
        QCOMPARE(M1()->toPlainText().count(QLatin1Char('\t')), 12);
    }

    void modiUndLoeschen() {
        QString zehn;
        for (int i = 0; i < 10; ++i) zehn += QStringLiteral("111111111111%1\n").arg(i % 3);
        uebertrage(zehn);
        QCOMPARE(G1()->rowCount(), 10);
        // Overwrite: exactly the 3 new rows remain.
        uebertrage(QStringLiteral("2222222222222\n0000000000000\n1021021021021\n"));
        QCOMPARE(G1()->rowCount(), 3);
        QCOMPARE(reiheText(3), QStringLiteral("1021021021021"));
        // Append: the numbering goes on.
        QTest::mouseClick(teil<QRadioButton>("RG1b"), Qt::LeftButton);
        QVERIFY(teil<QRadioButton>("RG1b")->isChecked());
        uebertrage(QStringLiteral("1111111111111\n"));
        QCOMPARE(G1()->rowCount(), 4);
        QCOMPARE(zelle(4, 0), QStringLiteral("4"));
        QCOMPARE(reiheText(4), QStringLiteral("1111111111111"));
        // "Reihen löschen" keeps count and numbers; appending then starts at row 1.
        klick("BReihenLoeschen");
        QCOMPARE(G1()->rowCount(), 4);
        QCOMPARE(zelle(4, 0), QStringLiteral("4"));
        QCOMPARE(reiheText(4), QString());
        uebertrage(QStringLiteral("2222222222222\n"));
        QCOMPARE(G1()->rowCount(), 1);
        QCOMPARE(reiheText(1), QStringLiteral("2222222222222"));
        // "Textfeld löschen" empties the text; a transfer then refuses.
        klick("BTextfeldLoeschen");
        QCOMPARE(tool_->text(), QString());
        QCOMPARE(teil<QLabel>("LZeilen")->text(), QStringLiteral("0"));
        klick("BReihenInTabelle");
        QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Fehler),
                 QStringLiteral(
                     "Das Textfeld ist leer. Es gibt nichts zu übertragen.\r\rIch breche erst einmal ab."));
        QCOMPARE(G1()->rowCount(), 1);
    }

    void alsSpielscheinUndImHauptfensterOeffnen() {
        const std::vector<const char*> reihen = {"1021021021021", "1111111111111", "2222222222220"};
        QString text;
        for (const char* r : reihen) text += mitKommas(QString::fromLatin1(r)) + QStringLiteral("\r\n");
        uebertrage(text);
        QCOMPARE(G1()->rowCount(), 3);

        const QString fn = welt().ablage() + QStringLiteral("transfer.kv13");
        dialoge().speichernAntwort(fn);
        klick("BAlsSchein");
        QCOMPARE(dialoge().dateiDialoge().size(), 1);
        const auto& d = dialoge().dateiDialoge().first();
        QCOMPARE(d.titel, QStringLiteral("Spielschein speichern"));
        QCOMPARE(d.filter, QStringLiteral("Spielschein-Datei|*.kv13"));
        QCOMPARE(d.endung, QStringLiteral("kv13"));
        QCOMPARE(d.ordner, welt().datenordner());
        QCOMPARE(lies(fn), scheinBytes(reihen));
        QCOMPARE(teil<QLabel>("LDatei")->text(), QStringLiteral("Gespeichert: transfer.kv13"));

        // The main window opens the slip into its left panel: one field per row.
        ui::TFMain& haupt = *welt().fenster();
        dialoge().oeffnenAntwort({fn});
        haupt.BOpenClick();
        QCOMPARE(haupt.LDatei()->text(), QStringLiteral("transfer.kv13"));
        const Programmzustand& z = haupt.zustand();
        QVERIFY(z.linkerSchein() >= 0);
        const Schein& s = z.slot(z.linkerSchein()).schein;
        QCOMPARE(s.feldAnzahl(), std::size_t{3});
        for (std::size_t i = 0; i < reihen.size(); ++i)
            QCOMPARE(QString::fromStdString(reiheZiffern(s.reihe(i + 1))), QString::fromLatin1(reihen[i]));
    }

    void alsSpielscheinAbgelehnt() {
        // The fresh table: empty cells.
        const QString fn = welt().ablage() + QStringLiteral("alt.kv13");
        QFile f(fn);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("alter Inhalt");
        f.close();
        klick("BAlsSchein");
        QCOMPARE(
            dialoge().nimmMeldung(TestDialoge::Art::Fehler),
            QStringLiteral("In Zeile 1 der Tabelle fehlt der Tipp für Spiel 1.\r\rDer Spielschein wird daher "
                           "nicht gespeichert."));
        // Letters in row 2: refused before a file name is asked for.
        uebertrage(QStringLiteral("1111111111111\n1111X11111111\n"));
        klick("BAlsSchein");
        QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Fehler),
                 QStringLiteral("In Zeile 2 der Tabelle steht für Spiel 5 \"X\", das ist keine Zahl.\r\rDer "
                                "Spielschein wird daher nicht gespeichert."));
        // After "Reihen löschen".
        uebertrage(QStringLiteral("1111111111111\n"));
        klick("BReihenLoeschen");
        klick("BAlsSchein");
        QVERIFY(dialoge()
                    .nimmMeldung(TestDialoge::Art::Fehler)
                    .startsWith(QStringLiteral("In Zeile 1 der Tabelle")));
        QVERIFY(dialoge().dateiDialoge().isEmpty());
        QCOMPARE(lies(fn), QByteArray("alter Inhalt"));
        QCOMPARE(teil<QLabel>("LDatei")->text(), QString());
    }

    void alsTextDatei() {
        uebertrage(QStringLiteral("1 0 2 1 0 2 1 0 2 1 0 2 1\nABCDEFGHIJKLM\n2222222222222\n"));
        const QString fn = welt().ablage() + QStringLiteral("reihen");
        dialoge().speichernAntwort(fn + QStringLiteral(".txt"));
        klick("BAlsText");
        const auto& d = dialoge().dateiDialoge().first();
        QCOMPARE(d.titel, QStringLiteral("CSV-Datei speichern"));
        QCOMPARE(d.filter, QStringLiteral("Text-Datei|*.txt"));
        QCOMPARE(d.endung, QStringLiteral("txt"));
        QCOMPARE(
            lies(fn + QStringLiteral(".txt")),
            QByteArray(
                "1,0,2,1,0,2,1,0,2,1,0,2,1\r\nA,B,C,D,E,F,G,H,I,J,K,L,M\r\n2,2,2,2,2,2,2,2,2,2,2,2,2\r\n"));
        QCOMPARE(teil<QLabel>("LDatei")->text(), QStringLiteral("Gespeichert in: reihen.txt"));
        // Cancel writes nothing and keeps the status line.
        dialoge().speichernAntwort(QString());
        klick("BAlsText");
        QCOMPARE(teil<QLabel>("LDatei")->text(), QStringLiteral("Gespeichert in: reihen.txt"));
    }

    void excelOhneProgramm() {
        // The desktop's own search, in a world with no program for workbooks.
        const QString leer = welt().ablage() + QStringLiteral("xdg");
        QDir().mkpath(leer + QStringLiteral("/applications"));
        const Umgebungsvariable daten("XDG_DATA_DIRS", leer.toUtf8());
        const Umgebungsvariable konfig("XDG_CONFIG_DIRS", leer.toUtf8());
        QVERIFY(!ui::ExcelVorhanden());
        uebertrage(QStringLiteral("1111111111111\n"));
        klick("BExcel");
        QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Information),
                 QStringLiteral(
                     "Excel ist nicht auf Ihrem Rechner installiert, der Export daher nicht möglich.\r\r"
                     "Ich breche ab."));
        QCOMPARE(QDir(welt().datenordner()).entryList({QStringLiteral("*.xlsx")}), QStringList());
    }

    void excelMitRegistriertemProgramm() {
        // A program registered through its desktop file: a script that notes
        // what it was asked to open.
        const QString ablage = welt().ablage();
        const QString protokoll = ablage + QStringLiteral("geoeffnet.txt");
        const QString skript = ablage + QStringLiteral("rechenblatt");
        {
            QFile s(skript);
            QVERIFY(s.open(QIODevice::WriteOnly));
            s.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1.tmp' && mv '%1.tmp' '%1'\n")
                        .arg(protokoll)
                        .toUtf8());
            s.close();
            s.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther);
        }
        const QString xdg = ablage + QStringLiteral("xdg");
        QDir().mkpath(xdg + QStringLiteral("/applications"));
        QFile d(xdg + QStringLiteral("/applications/rechenblatt.desktop"));
        QVERIFY(d.open(QIODevice::WriteOnly));
        d.write(
            QStringLiteral("[Desktop Entry]\nType=Application\nName=Rechenblatt\nExec=%1 --blatt %f\n"
                           "MimeType=application/vnd.openxmlformats-officedocument.spreadsheetml.sheet;\n")
                .arg(skript)
                .toUtf8());
        d.close();
        const Umgebungsvariable daten("XDG_DATA_DIRS", xdg.toUtf8());
        const Umgebungsvariable konfig("XDG_CONFIG_DIRS", xdg.toUtf8());
        QVERIFY(ui::ExcelVorhanden());

        uebertrage(QStringLiteral("1021021021021\n"));
        klick("BExcel");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(protokoll), 10000);
        const QStringList mappen =
            QDir(welt().datenordner()).entryList({QStringLiteral("Tippreihen-*.xlsx")});
        QCOMPARE(mappen.size(), 1);
        const QString mappe = welt().datenordner() + mappen.first();
        QCOMPARE(QString::fromUtf8(lies(protokoll)), QStringLiteral("--blatt\n") + mappe + QLatin1Char('\n'));
        QVERIFY(lies(mappe).startsWith("PK"));

        // A program that cannot be started: the user learns where the workbook is.
        QVERIFY(d.open(QIODevice::WriteOnly | QIODevice::Truncate));
        d.write(
            "[Desktop Entry]\nType=Application\nName=Rechenblatt\nExec=/gibt/es/nicht %f\n"
            "MimeType=application/vnd.openxmlformats-officedocument.spreadsheetml.sheet;\n");
        d.close();
        klick("BExcel");
        const QString meldung = dialoge().nimmMeldung(TestDialoge::Art::Information);
        const QStringList danach =
            QDir(welt().datenordner()).entryList({QStringLiteral("Tippreihen-*.xlsx")});
        QCOMPARE(danach.size(), 2);
        QString neu;
        for (const QString& m : danach)
            if (m != mappen.first()) neu = welt().datenordner() + m;
        QCOMPARE(meldung,
                 QStringLiteral("Die Tabelle konnte nicht im Tabellenprogramm geöffnet werden: Rechenblatt "
                                "ließ sich nicht starten.\r\rSie ist gespeichert in ") +
                     neu + QLatin1Char('.'));
    }

    void excelWerteImBlatt() {
        // The workbook the export hands over holds the transferred table.
        Testoeffner oeffner;
        ui::Tabellenoeffner::setzeTabellenoeffner(&oeffner);
        uebertrage(QStringLiteral("1021021021021\n0000000000000\n"));
        klick("BExcel");
        ui::Tabellenoeffner::setzeTabellenoeffner(nullptr);
        QCOMPARE(oeffner.geoeffnet.size(), 1);
        QVERIFY(oeffner.geoeffnet.first().startsWith(welt().datenordner()));
        // the two rows and nothing else, every tip a text cell with a
        // no-break space before the digit, so that the spreadsheet keeps "0"
        const QString nb(QChar(0x00A0));
        auto zeile = [&](const QString& ziffern) {
            QStringList zellen;
            for (const QChar z : ziffern) zellen << nb + z;
            return zellen.join(QLatin1Char('|'));
        };
        QCOMPARE(blattLesen(oeffner.geoeffnet.first()),
                 (QStringList{QStringLiteral("Tippreihen"), zeile(QStringLiteral("1021021021021")),
                              zeile(QStringLiteral("0000000000000"))}));
    }

    void schriftHilfeUndSchliessen() {
        tool_->show();
        QVERIFY(QTest::qWaitForWindowExposed(tool_));
        auto* up1 = teil<ui::UpDown>("up1");
        QTest::mouseClick(up1->knopfHoch(), Qt::LeftButton);
        QCOMPARE(M1()->font().pointSize(), 11);
        for (int i = 0; i < 20; ++i) QTest::mouseClick(up1->knopfHoch(), Qt::LeftButton);
        QCOMPARE(M1()->font().pointSize(), 18);
        for (int i = 0; i < 20; ++i) QTest::mouseClick(up1->knopfRunter(), Qt::LeftButton);
        QCOMPARE(M1()->font().pointSize(), 6);

        klick("BHilfe");
        QWidget* hilfe = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("FHilfe") && w->isVisible()) hilfe = w;
        QVERIFY(hilfe);
        auto* browser = hilfe->findChild<QTextBrowser*>(QStringLiteral("hilfeBrowser"));
        QVERIFY(browser);
        QVERIFY2(browser->documentTitle().contains(QStringLiteral("Transfer")),
                 qPrintable(browser->documentTitle()));
        hilfe->close();

        // Closing only hides: text and table stay.
        uebertrage(QStringLiteral("1111111111111\n"));
        klick("BSchliessen");
        QVERIFY(!tool_->isVisible());
        tool_->show();
        QCOMPARE(tool_->text(), QStringLiteral("1111111111111\n"));
        QCOMPARE(G1()->rowCount(), 1);
        klick("BClose");
        QVERIFY(!tool_->isVisible());
    }

    void bildschirmfoto() {
        // 30 rows in the window; the picture goes to $KALVENDO_BILDER when set.
        QString text;
        for (int i = 0; i < 30; ++i) {
            QString r;
            for (int m = 0; m < 13; ++m) r += QString::number((i + m * 7) % 3);
            text += (i % 2 ? mitKommas(r) : r) + QLatin1Char('\n');
        }
        tool_->show();
        QVERIFY(QTest::qWaitForWindowExposed(tool_));
        uebertrage(text);
        QCOMPARE(teil<QLabel>("LZeilen")->text(), QStringLiteral("30"));
        QCOMPARE(G1()->rowCount(), 30);
        QCoreApplication::processEvents();
        const QPixmap bild = tool_->grab();
        QVERIFY(!bild.isNull());
        const QString ordner = qEnvironmentVariable("KALVENDO_BILDER");
        if (!ordner.isEmpty()) {
            QDir().mkpath(ordner);
            QVERIFY(bild.save(ordner + QStringLiteral("/transfer-30.png")));
            auto* G1v = teil<QTableView>("G1");
            G1v->scrollToBottom();
            QCoreApplication::processEvents();
            QVERIFY(tool_->grab().save(ordner + QStringLiteral("/transfer-30-unten.png")));
            QVERIFY(welt().fenster()->grab().save(ordner + QStringLiteral("/hauptfenster.png")));
        }
    }
};

QTEST_MAIN(TstTransfer)
#include "tst_transfer.moc"
