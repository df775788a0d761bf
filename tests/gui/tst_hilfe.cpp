// The help window, the calendar, the program information, the calculator
// start and the German translation of the standard buttons.
#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "GuiHilfen.h"
#include "common/Rechner.h"
#include "common/Uebersetzung.h"
#include "help/Hilfe.h"
#include "main/TFInfo.h"
#include "main/TFKal.h"
#include "model/Records.h"

using namespace kv::ui;

namespace {

QWidget* hilfeFenster() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("FHilfe")) return w;
    }
    return nullptr;
}

int anzahlHilfeFenster() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("FHilfe")) ++n;
    }
    return n;
}

template <typename T>
T* teil(const char* name) {
    QWidget* f = hilfeFenster();
    return f ? f->findChild<T*>(QLatin1String(name)) : nullptr;
}

QString seitenTitel() {
    return teil<QTextBrowser>("hilfeBrowser")->documentTitle();
}

QStringList eintraege(const QListWidget* liste) {
    QStringList texte;
    for (int i = 0; i < liste->count(); ++i) texte.append(liste->item(i)->text());
    return texte;
}

void klicke(QListWidget* liste, int zeile) {
    const QRect r = liste->visualItemRect(liste->item(zeile));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, r.center());
}

// Types text key by key, umlauts and quotation marks included.
void tippe(QWidget* ziel, const QString& text) {
    for (const QChar zeichen : text) {
        QTest::sendKeyEvent(QTest::Click, ziel, Qt::Key_unknown, QString(zeichen), Qt::NoModifier);
    }
}

QString leseDatei(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Sets PATH for one test and restores it afterwards.
class PfadSetzen {
  public:
    explicit PfadSetzen(const QByteArray& pfad) : alt_(qgetenv("PATH")) { qputenv("PATH", pfad); }
    ~PfadSetzen() { qputenv("PATH", alt_); }

  private:
    QByteArray alt_;
};

}  // namespace

class TestHilfe : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();

    void kontextOeffnetSeite_data();
    void kontextOeffnetSeite();
    void nurEinHilfefenster();
    void hilfeUeberlebtSichSelbstLoeschendeFenster();
    void hilfeGehoertZumModalenFenster();
    void zurueckUndVor();

    void suche_data();
    void suche();
    void ohneTrefferMeldungAufDeutsch();
    void trefferKlickZeigtSeiteUndMarkiert();
    void hilfeSuchenBeginntLeer();

    void jedeSeiteHatTitelUndKeineToteVerweise();
    void inhaltFuehrtZuJederSeite();

    void kalender();
    void programmInfo();

    void rechnerStarten_data();
    void rechnerStarten();
    void rechnerOhnePfad();

    void deutscheStandardknoepfe();
};

void TestHilfe::init() {
    // Every test starts without a help window.
    delete hilfeFenster();
    QCOMPARE(anzahlHilfeFenster(), 0);
}

void TestHilfe::kontextOeffnetSeite_data() {
    QTest::addColumn<int>("kontext");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<QString>("ueberschrift");
    QTest::newRow("1010 Hauptfenster") << 1010 << "Das Hauptfenster"
                                       << "Das Hauptfenster";
    QTest::newRow("1080 Gewinnzahlen") << 1080 << "Gewinnzahlen direkt eingeben"
                                       << "Gewinnzahlen direkt eingeben";
    QTest::newRow("1090 Kalender") << 1090 << "Kalender"
                                   << "Kalender";
    QTest::newRow("1100 Transfer-Tool") << 1100 << "Transfer-Tool"
                                        << "Transfer-Tool";
    QTest::newRow("1130 Programm-Info") << 1130 << "Programm-Info"
                                        << "Programm-Info";
    QTest::newRow("1140 A-Werte") << 1140 << "A-Werte und Kästchen-Positionen"
                                  << "A-Werte und Kästchen-Positionen";
    QTest::newRow("0 unbekannt") << 0 << "Inhalt"
                                 << "Kalvendo – Hilfe";
    QTest::newRow("1011 unbekannt") << 1011 << "Inhalt"
                                    << "Kalvendo – Hilfe";
    QTest::newRow("-1 unbekannt") << -1 << "Inhalt"
                                  << "Kalvendo – Hilfe";
}

void TestHilfe::kontextOeffnetSeite() {
    QFETCH(int, kontext);
    QFETCH(QString, titel);
    QFETCH(QString, ueberschrift);

    hilfeZeigen(nullptr, kontext);
    QWidget* f = hilfeFenster();
    QVERIFY(f);
    QVERIFY(f->isVisible());
    QCOMPARE(f->windowTitle(), QStringLiteral("Kalvendo – Hilfe"));
    QCOMPARE(seitenTitel(), titel);
    // The first line of the page is its heading.
    const QString text = teil<QTextBrowser>("hilfeBrowser")->toPlainText();
    QCOMPARE(text.section(QLatin1Char('\n'), 0, 0).trimmed(), ueberschrift);
    // The contents list marks the page shown.
    QListWidget* inhalt = teil<QListWidget>("hilfeInhalt");
    QVERIFY(inhalt->currentItem());
    QCOMPARE(inhalt->currentItem()->text(), titel);
}

void TestHilfe::nurEinHilfefenster() {
    QWidget haupt;
    hilfeZeigen(&haupt, kHilfeHauptfenster);
    QPointer<QWidget> erstes = hilfeFenster();
    hilfeZeigen(nullptr, kHilfeKalender);
    hilfeSuchen(&haupt);
    hilfeZeigen(&haupt, 4711);
    QCOMPARE(anzahlHilfeFenster(), 1);
    QCOMPARE(hilfeFenster(), erstes.data());
    QCOMPARE(seitenTitel(), QStringLiteral("Inhalt"));
}

void TestHilfe::hilfeUeberlebtSichSelbstLoeschendeFenster() {
    QWidget haupt;
    haupt.show();
    QPointer<TFInfo> info = new TFInfo(&haupt);
    info->show();
    hilfeZeigen(info, kHilfeProgrammInfo);
    QPointer<QWidget> hilfe = hilfeFenster();
    QVERIFY(hilfe);

    info->close();
    QTRY_VERIFY(info.isNull());
    QVERIFY(!hilfe.isNull());
    QVERIFY(hilfe->isVisible());
    QCOMPARE(seitenTitel(), QStringLiteral("Programm-Info"));
}

void TestHilfe::hilfeGehoertZumModalenFenster() {
    // While a modal window runs, every other window is blocked except its own
    // children: the help must become one, also when it already exists.
    QWidget haupt;
    haupt.show();
    hilfeZeigen(&haupt, kHilfeHauptfenster);
    QDialog modal(&haupt);
    modal.setWindowModality(Qt::ApplicationModal);
    modal.show();
    QTRY_COMPARE(QApplication::activeModalWidget(), &modal);

    hilfeZeigen(&modal, kHilfeGewinnzahlen);
    QWidget* hilfe = hilfeFenster();
    QVERIFY(hilfe);
    bool beimModalen = false;
    for (QWidget* w = hilfe->parentWidget(); w; w = w->parentWidget()) beimModalen |= (w == &modal);
    QVERIFY(beimModalen);
    QVERIFY(hilfe->isVisible());
    QVERIFY(hilfe->isWindow());
    QCOMPARE(seitenTitel(), QStringLiteral("Gewinnzahlen direkt eingeben"));
    modal.hide();
}

void TestHilfe::zurueckUndVor() {
    hilfeZeigen(nullptr, kHilfeHauptfenster);
    auto* zurueck = teil<QToolButton>("hilfeZurueck");
    auto* vor = teil<QToolButton>("hilfeVor");
    QVERIFY(!zurueck->isEnabled());
    hilfeZeigen(nullptr, kHilfeKalender);
    QVERIFY(zurueck->isEnabled());
    QVERIFY(!vor->isEnabled());

    QTest::mouseClick(zurueck, Qt::LeftButton);
    QCOMPARE(seitenTitel(), QStringLiteral("Das Hauptfenster"));
    QVERIFY(vor->isEnabled());
    QTest::mouseClick(vor, Qt::LeftButton);
    QCOMPARE(seitenTitel(), QStringLiteral("Kalender"));
}

void TestHilfe::suche_data() {
    QTest::addColumn<QString>("anfrage");
    QTest::addColumn<QStringList>("titel");
    const QStringList transfer{QStringLiteral("Transfer-Tool")};
    QTest::newRow("Wort auf einer Seite") << "Kalenderwoche" << QStringList{QStringLiteral("Kalender")};
    QTest::newRow("Umlaut") << "Schriftgröße" << transfer;
    QTest::newRow("Umlaut groß") << "SCHRIFTGRÖSSE" << transfer;
    QTest::newRow("Umlaut umschrieben") << "schriftgroesse" << transfer;
    QTest::newRow("ü in der Mitte") << "Rückfrage" << QStringList{QStringLiteral("Das Hauptfenster")};
    QTest::newRow("in Anführungszeichen") << "„Trennzeichen“" << transfer;
    QTest::newRow("zwei Wörter, beide auf einer Seite") << "Lotterieanbieter Trennzeichen" << transfer;
    QTest::newRow("zwei Wörter auf verschiedenen Seiten") << "Zielflagge Kalenderwoche" << QStringList{};
    QTest::newRow("ein Wort fehlt überall") << "Kalenderwoche Xylophon" << QStringList{};
}

void TestHilfe::suche() {
    QFETCH(QString, anfrage);
    QFETCH(QStringList, titel);

    hilfeSuchen(nullptr);
    auto* feld = teil<QLineEdit>("hilfeSuchfeld");
    auto* treffer = teil<QListWidget>("hilfeTreffer");
    QVERIFY(feld->isVisible());
    tippe(feld, anfrage);
    QCOMPARE(feld->text(), anfrage);
    QCOMPARE(eintraege(treffer), titel);
}

void TestHilfe::ohneTrefferMeldungAufDeutsch() {
    hilfeSuchen(nullptr);
    auto* feld = teil<QLineEdit>("hilfeSuchfeld");
    auto* status = teil<QLabel>("hilfeSuchStatus");
    tippe(feld, QStringLiteral("Kalenderwoche"));
    QCOMPARE(status->text(), QStringLiteral("1 Seite gefunden:"));
    feld->clear();
    tippe(feld, QStringLiteral("Xylophon"));
    QCOMPARE(teil<QListWidget>("hilfeTreffer")->count(), 0);
    QVERIFY2(status->text().startsWith(QStringLiteral("Keine Seite gefunden.")), qPrintable(status->text()));
    QVERIFY(status->isVisible());
}

void TestHilfe::trefferKlickZeigtSeiteUndMarkiert() {
    hilfeZeigen(nullptr, kHilfeHauptfenster);
    hilfeSuchen(nullptr);
    tippe(teil<QLineEdit>("hilfeSuchfeld"), QStringLiteral("Zielflagge"));
    auto* treffer = teil<QListWidget>("hilfeTreffer");
    QCOMPARE(eintraege(treffer), QStringList{QStringLiteral("Spielstände eingeben")});

    klicke(treffer, 0);
    QCOMPARE(seitenTitel(), QStringLiteral("Spielstände eingeben"));
    auto* browser = teil<QTextBrowser>("hilfeBrowser");
    const QList<QTextEdit::ExtraSelection> marken = browser->extraSelections();
    QCOMPARE(marken.size(), 1);
    QCOMPARE(marken.first().cursor.selectedText(), QStringLiteral("Zielflagge"));

    // Going to another page takes the marks away.
    klicke(teil<QListWidget>("hilfeInhalt"), 0);
    QCOMPARE(seitenTitel(), QStringLiteral("Inhalt"));
    QVERIFY(browser->extraSelections().isEmpty());
}

void TestHilfe::hilfeSuchenBeginntLeer() {
    hilfeSuchen(nullptr);
    tippe(teil<QLineEdit>("hilfeSuchfeld"), QStringLiteral("Chance"));
    QVERIFY(teil<QListWidget>("hilfeTreffer")->count() > 0);
    hilfeZeigen(nullptr, kHilfeKalender);
    auto* reiter = teil<QTabWidget>("hilfeReiter");
    reiter->setCurrentIndex(reiter->indexOf(teil<QListWidget>("hilfeInhalt")));
    auto* feld = teil<QLineEdit>("hilfeSuchfeld");
    QVERIFY(!feld->isVisible());

    hilfeSuchen(nullptr);
    QVERIFY(feld->isVisible());
    QTRY_VERIFY(feld->hasFocus());
    QVERIFY(feld->text().isEmpty());
    QCOMPARE(teil<QListWidget>("hilfeTreffer")->count(), 0);
    // The page shown before stays.
    QCOMPARE(seitenTitel(), QStringLiteral("Kalender"));
}

void TestHilfe::jedeSeiteHatTitelUndKeineToteVerweise() {
    hilfeZeigen(nullptr, kHilfeHauptfenster);  // registers the resources
    const QDir ordner(QStringLiteral(":/hilfe/seiten"));
    const QStringList seiten = ordner.entryList({QStringLiteral("*.html")}, QDir::Files);
    QVERIFY(seiten.size() >= 8);
    static const QRegularExpression titel(QStringLiteral("<title>([^<]*)</title>"));
    static const QRegularExpression verweis(QStringLiteral("href=\"([^\"]*)\""));
    int verweise = 0;
    for (const QString& seite : seiten) {
        const QString html = leseDatei(ordner.filePath(seite));
        QVERIFY2(!html.isEmpty(), qPrintable(seite));
        const QRegularExpressionMatch t = titel.match(html);
        QVERIFY2(t.hasMatch() && !t.captured(1).trimmed().isEmpty(), qPrintable(seite + ": ohne <title>"));

        const QUrl basis(QStringLiteral("qrc:/hilfe/seiten/") + seite);
        for (const QRegularExpressionMatch& m : verweis.globalMatch(html)) {
            ++verweise;
            const QString ziel = m.captured(1);
            const QString ort = seite + QStringLiteral(" -> ") + ziel;
            const QUrl url = basis.resolved(QUrl(ziel));
            QVERIFY2(url.scheme() == QLatin1String("qrc"), qPrintable(ort + ": kein Verweis in die Hilfe"));
            const QString datei = QLatin1Char(':') + url.path();
            QVERIFY2(QFile::exists(datei), qPrintable(ort + ": Seite fehlt"));
            if (url.hasFragment()) {
                const QString anker = url.fragment();
                const QString zielHtml = leseDatei(datei);
                QVERIFY2(zielHtml.contains(QStringLiteral("name=\"%1\"").arg(anker)),
                         qPrintable(ort + ": Anker fehlt"));
            }
            // The browser really finds it.
            auto* browser = teil<QTextBrowser>("hilfeBrowser");
            browser->setSource(url);
            QVERIFY2(!browser->toPlainText().trimmed().isEmpty(), qPrintable(ort + ": leer angezeigt"));
        }
    }
    QVERIFY(verweise > 20);
}

void TestHilfe::inhaltFuehrtZuJederSeite() {
    hilfeZeigen(nullptr, 0);
    const QDir ordner(QStringLiteral(":/hilfe/seiten"));
    const QStringList seiten = ordner.entryList({QStringLiteral("*.html")}, QDir::Files);
    QSet<QString> alleTitel;
    static const QRegularExpression titel(QStringLiteral("<title>([^<]*)</title>"));
    for (const QString& seite : seiten)
        alleTitel.insert(titel.match(leseDatei(ordner.filePath(seite))).captured(1));

    // Every page is in the contents list, and a click there shows it.
    auto* inhalt = teil<QListWidget>("hilfeInhalt");
    const QStringList liste = eintraege(inhalt);
    QCOMPARE(QSet<QString>(liste.begin(), liste.end()), alleTitel);
    QCOMPARE(liste.first(), QStringLiteral("Inhalt"));
    for (int i = 0; i < inhalt->count(); ++i) {
        klicke(inhalt, i);
        QCOMPARE(seitenTitel(), liste[i]);
    }

    // The contents page links to every other page.
    const QString inhaltsseite = leseDatei(ordner.filePath(QStringLiteral("inhalt.html")));
    for (const QString& seite : seiten) {
        if (seite == QLatin1String("inhalt.html")) continue;
        QVERIFY2(inhaltsseite.contains(QStringLiteral("href=\"%1\"").arg(seite)), qPrintable(seite));
    }
}

void TestHilfe::kalender() {
    QWidget haupt;
    QPointer<TFKal> kal = new TFKal(&haupt);
    QCOMPARE(kal->objectName(), QStringLiteral("FKal"));
    QVERIFY(kal->isWindow());
    QCOMPARE(kal->windowTitle(),
             QString::fromUtf8(kv::kProgrammTitel) + QLatin1Char(' ') + QString::fromUtf8(kv::kVersion));
    auto* kalender = kal->findChild<QCalendarWidget*>();
    QVERIFY(kalender);
    QCOMPARE(kalender->firstDayOfWeek(), Qt::Monday);
    QCOMPARE(kalender->locale().language(), QLocale::German);
    QCOMPARE(kalender->selectedDate(), QDate::currentDate());
    auto* schliessen = kal->findChild<QPushButton*>(QStringLiteral("BClose"));
    QVERIFY(schliessen);
    QCOMPARE(schliessen->text(), QStringLiteral("Sch&ließen"));

    kal->show();
    kal->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(kal));
    QTest::keyClick(kal, Qt::Key_F1);
    QVERIFY(hilfeFenster());
    QCOMPARE(seitenTitel(), QStringLiteral("Kalender"));

    QTest::mouseClick(schliessen, Qt::LeftButton);
    QVERIFY(!kal->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!kal.isNull());  // only hidden, shown again later
}

void TestHilfe::programmInfo() {
    QWidget haupt;
    QPointer<TFInfo> info = new TFInfo(&haupt);
    QCOMPARE(info->objectName(), QStringLiteral("FInfo"));
    QCOMPARE(info->windowTitle(), QStringLiteral("Kalvendo"));
    QStringList texte;
    for (const QLabel* l : info->findChildren<QLabel*>()) texte.append(l->text());
    QVERIFY2(texte.contains(QStringLiteral("Kalvendo")), qPrintable(texte.join(u'|')));
    QVERIFY2(texte.contains(QStringLiteral("Version ") + QString::fromUtf8(kv::kVersion)),
             qPrintable(texte.join(u'|')));
    auto* schliessen = info->findChild<QPushButton*>(QStringLiteral("BClose"));
    QVERIFY(schliessen);
    QCOMPARE(schliessen->text(), QStringLiteral("Schließen"));

    info->show();
    info->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(info));
    QTest::keyClick(info, Qt::Key_F1);
    QCOMPARE(seitenTitel(), QStringLiteral("Programm-Info"));

    QTest::mouseClick(schliessen, Qt::LeftButton);
    QTRY_VERIFY(info.isNull());

    // Escape closes it the same way.
    info = new TFInfo(&haupt);
    info->show();
    // the key goes to the active window: the help opened above may still be it
    QVERIFY(kv::test::aktivieren(info));
    QTest::keyClick(info, Qt::Key_Escape);
    QTRY_VERIFY(info.isNull());
}

void TestHilfe::rechnerStarten_data() {
    QTest::addColumn<QStringList>("ausfuehrbar");
    QTest::addColumn<QStringList>("nichtAusfuehrbar");
    QTest::addColumn<QString>("gestartet");  // empty: none
    QTest::newRow("keiner") << QStringList{} << QStringList{} << QString();
    QTest::newRow("nur xcalc") << QStringList{"xcalc"} << QStringList{} << "xcalc";
    QTest::newRow("Reihenfolge") << QStringList{"xcalc", "galculator", "mate-calc"} << QStringList{}
                                 << "galculator";
    QTest::newRow("erster vor allen")
        << QStringList{"kcalc", "gnome-calculator"} << QStringList{} << "gnome-calculator";
    QTest::newRow("nicht ausführbar zählt nicht")
        << QStringList{"kcalc"} << QStringList{"gnome-calculator"} << "kcalc";
    QTest::newRow("nur nicht ausführbar") << QStringList{} << QStringList{"xcalc"} << QString();
}

void TestHilfe::rechnerStarten() {
    QFETCH(QStringList, ausfuehrbar);
    QFETCH(QStringList, nichtAusfuehrbar);
    QFETCH(QString, gestartet);

    // Beside the test program: a temporary folder may not allow running programs.
    QTemporaryDir bin(QCoreApplication::applicationDirPath() + QStringLiteral("/rechner-XXXXXX"));
    QTemporaryDir spuren;
    QVERIFY(bin.isValid() && spuren.isValid());
    auto schreibe = [&](const QString& name, bool ausfuehren) {
        QFile f(bin.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("#!/bin/sh\necho gestartet > '%1'\n").arg(spuren.filePath(name)).toUtf8());
        f.close();
        QFile::Permissions rechte = QFile::ReadOwner | QFile::WriteOwner;
        if (ausfuehren) rechte |= QFile::ExeOwner;
        QVERIFY(f.setPermissions(rechte));
    };
    for (const QString& n : ausfuehrbar) schreibe(n, true);
    for (const QString& n : nichtAusfuehrbar) schreibe(n, false);

    PfadSetzen pfad(QFile::encodeName(bin.path()));
    const bool ergebnis = kv::ui::rechnerStarten();
    QCOMPARE(ergebnis, !gestartet.isEmpty());
    if (!gestartet.isEmpty()) {
        QTRY_VERIFY(QFile::exists(spuren.filePath(gestartet)));
    }
    QTest::qWait(100);  // a wrongly started second one would have left its trace by now
    const QStringList spur = QDir(spuren.path()).entryList(QDir::Files);
    QCOMPARE(spur, gestartet.isEmpty() ? QStringList{} : QStringList{gestartet});
}

void TestHilfe::rechnerOhnePfad() {
    PfadSetzen leer("");
    QVERIFY(!kv::ui::rechnerStarten());
}

void TestHilfe::deutscheStandardknoepfe() {
    QMessageBox vorher;
    vorher.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(vorher.button(QMessageBox::Yes)->text(), QStringLiteral("&Yes"));

    deutschLaden(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    deutschLaden(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
    QCOMPARE(box.button(QMessageBox::No)->text(), QStringLiteral("&Nein"));
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    QCOMPARE(QLocale().language(), QLocale::German);
    QCOMPARE(QLocale().territory(), QLocale::Germany);
}

QTEST_MAIN(TestHilfe)
#include "tst_hilfe.moc"
