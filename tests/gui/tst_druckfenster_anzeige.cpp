// How the print window shows what it holds: the cell sizes of its tables,
// values of four digits clear of the cell borders, and the message on a
// remembered format that is none, over the window once it is on the screen.
#include <QImage>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <algorithm>

#include "Drucktest.h"
#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "TestUmgebung.h"
#include "main/TFMain.h"
#include "print/Reihenansicht.h"
#include "print/TFDetail.h"
#include "print/TFDruck.h"
#include "settings/IniDatei.h"

using namespace kv;
using namespace kv::test;
using Art = TestDialoge::Art;

namespace {

// Whether the text of a cell keeps a pixel free at its left and its right
// (the grid line not counted) in `bild`, the picture of the table's
// viewport: empty when it does, else what was seen (-1: no text at all).
QString randBeruehrt(const QTableView* g, const QImage& bild, int zeile, int spalte) {
    const QRect r = g->visualRect(g->model()->index(zeile, spalte));
    int links = -1, rechts = -1;
    // the cell without its grid line, which is its last pixel column and row
    for (int y = r.top(); y < r.bottom(); ++y)
        for (int x = r.left(); x < r.right(); ++x)
            if (qGray(bild.pixel(x, y)) < 160) {
                links = links < 0 ? x - r.left() : std::min(links, x - r.left());
                rechts = rechts < 0 ? r.right() - 1 - x : std::min(rechts, r.right() - 1 - x);
            }
    if (links >= 1 && rechts >= 1) return {};
    return QStringLiteral("%1, Zeile %2, Spalte %3 (%4): frei links %5, rechts %6")
        .arg(g->objectName())
        .arg(zeile)
        .arg(spalte)
        .arg(zelle(g, zeile, spalte))
        .arg(links)
        .arg(rechts);
}

}  // namespace

class TestDruckfensterAnzeige : public Hauptfenstertest {
    Q_OBJECT
  private Q_SLOTS:
    void zellenUndVierstelligeWerte();
    void kaputtesFormatBeimErstenZeigen();
};

// The tables' cells as the window is laid out (field tables: "Nr." 22 pixels,
// X and Y 28, rows 18; the row table: rows 17, tips 20), and values of four
// digits in the field tables and the detail table clear of the cell borders.
void TestDruckfensterAnzeige::zellenUndVierstelligeWerte() {
    Druck w(welt(), starten());
    auto* g1 = kind<QTableView>(kind<QWidget>(w.d, "xyFeld1"), "Gxy");
    QCOMPARE(g1->columnWidth(0), 22);
    QCOMPARE(g1->columnWidth(1), 28);
    QCOMPARE(g1->columnWidth(2), 28);
    QCOMPARE(g1->rowHeight(12), 18);
    w.d->FileForPrint(reihenschein(w.welt, 2));
    QTableView* reihen = kind<ui::Reihenansicht>(w.d, "PReihen")->tabelle();
    QCOMPARE(reihen->rowHeight(1), 17);
    QCOMPARE(reihen->columnWidth(0), 63);
    QCOMPARE(reihen->columnWidth(13), 20);

    // the cells as the user's typing leaves them
    const struct {
        int zeile, spalte;
        const char* wert;
    } werte[] = {{0, 1, "1050"}, {1, 1, "1000"}, {0, 2, "2476"}, {2, 1, "88"}};
    for (const auto& z : werte)
        QVERIFY(g1->model()->setData(g1->model()->index(z.zeile, z.spalte), QString::fromLatin1(z.wert)));
    const QImage feld = g1->viewport()->grab().toImage();
    for (const auto& z : werte) {
        QCOMPARE(zelle(g1, z.zeile, z.spalte), QString::fromLatin1(z.wert));
        const QString f = randBeruehrt(g1, feld, z.zeile, z.spalte);
        QVERIFY2(f.isEmpty(), qPrintable(f));
    }
    // the detail table: fields 5 to 12 lie beyond x 1000
    kind<QPushButton>(w.d, "BAutoFill")->click();
    kind<QPushButton>(w.d, "BExtrahieren")->click();
    QTableView* g = w.d->detail()->GDetail();
    const QImage detail = g->viewport()->grab().toImage();
    int vierstellig = 0;
    for (int zeile = 0; zeile < g->model()->rowCount(); ++zeile)
        for (int spalte = 2; spalte < g->model()->columnCount(); ++spalte) {
            if (zelle(g, zeile, spalte).size() != 4) continue;
            ++vierstellig;
            const QString f = randBeruehrt(g, detail, zeile, spalte);
            QVERIFY2(f.isEmpty(), qPrintable(f));
        }
    QVERIFY(vierstellig > 100);
}

// A remembered format that is no format, on the first start of the window:
// the message comes over the shown print window and does not claim that a
// previous format stays, for there is none.
void TestDruckfensterAnzeige::kaputtesFormatBeimErstenZeigen() {
    const QString kaputt = welt().datei(QStringLiteral("kaputt.kvxdr"), "abc");
    IniDatei(welt().einstellungsdatei().toStdString())
        .schreibeText("Druck", "Formatdatei", kaputt.toStdString());
    Druck w(welt(), starten());
    QTRY_COMPARE(welt().dialoge().meldungen().size(), 1);
    QCOMPARE(welt().dialoge().meldungen().first().ueber, QStringLiteral("FDruck"));
    QCOMPARE(welt().dialoge().nimmMeldung(Art::Fehler),
             QStringLiteral(
                 "Die Datei kaputt.kvxdr ist kein gültiges Schein-Format: Sie ist 3 Bytes lang, ein "
                 "Schein-Format hat 3840 Bytes.\r\rEs ist noch kein Schein-Format geöffnet: Bitte öffnen "
                 "Sie ein anderes oder speichern Sie Ihre Angaben als Schein-Format."));
}

KV_GUI_TEST_MAIN(TestDruckfensterAnzeige)
#include "tst_druckfenster_anzeige.moc"
