// Counts are never cut. The box itself fits any text into its width in any
// font at any scale, checked on the drawn pixels; the count boxes of the
// three tip-field editors, the normal slip window's row count and "VEW: 144"
// show the largest counts in full at their own size; the odds filter's
// "Faktor" column holds the largest 64-bit product. CTest runs this test a
// second time at the scale factor 1.5.
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <cmath>

#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "TestUmgebung.h"
#include "common/Einzelfeldrahmen.h"
#include "common/Fenster.h"
#include "common/Gitter.h"
#include "common/Programmkontext.h"
#include "common/TFfrFeld.h"
#include "common/Zahlkasten.h"
#include "entry/TFEingabe.h"
#include "entry/TFEingabeSys.h"
#include "entry/TFQuotenFilter.h"
#include "main/TFMain.h"

using namespace kv;
using namespace kv::test;

namespace {

const QColor kTinte(255, 0, 0);

// Where the text of `kasten` lies as drawn at the scale `dpr`: the columns
// (in the box's own pixels) of the first and last pixel of ink, drawn in
// red over white for the check. An empty result when nothing was drawn.
struct Spalten {
    double links = -1, rechts = -1;
};
Spalten tintenspalten(QLabel* kasten, double dpr) {
    QPalette p = kasten->palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, kTinte);
    const QPalette alt = kasten->palette();
    kasten->setPalette(p);
    QImage bild((QSizeF(kasten->size()) * dpr).toSize(), QImage::Format_ARGB32);
    bild.setDevicePixelRatio(dpr);
    bild.fill(Qt::white);
    kasten->render(&bild);
    kasten->setPalette(alt);
    Spalten s;
    for (int x = 0; x < bild.width(); ++x)
        for (int y = 0; y < bild.height(); ++y) {
            const QColor c = bild.pixelColor(x, y);
            // reddish: ink, or its antialiased edge
            if (c.red() - c.green() < 60 || c.red() - c.blue() < 60) continue;
            if (s.links < 0) s.links = x / dpr;
            s.rechts = (x + 1) / dpr;
            break;
        }
    return s;
}

// The text lies wholly within the box's contents, with room at both sides.
void passtHinein(QLabel* kasten, double dpr) {
    const Spalten s = tintenspalten(kasten, dpr);
    const QRect innen = kasten->contentsRect();
    QVERIFY2(s.links >= 0, qPrintable(kasten->objectName() + QStringLiteral(": nichts gezeichnet")));
    QVERIFY2(s.links > innen.left() && s.rechts < innen.right() + 1,
             qPrintable(QStringLiteral("%1 \"%2\": Tinte von %3 bis %4, Inhalt von %5 bis %6")
                            .arg(kasten->objectName(), kasten->text())
                            .arg(s.links)
                            .arg(s.rechts)
                            .arg(innen.left())
                            .arg(innen.right() + 1)));
}

// The box draws its text in its own font, neither smaller nor squeezed.
void inEigenerGroesse(ui::Zahlkasten* kasten) {
    const ui::Zahlkasten::Einpassung e = kasten->einpassung();
    QVERIFY2(e.schrift.pixelSize() == QFontInfo(kasten->font()).pixelSize() && e.stauchung == 1.0,
             qPrintable(QStringLiteral("%1 (%2 breit): %3 statt %4 Pixel, gestaucht %5")
                            .arg(kasten->objectName())
                            .arg(kasten->width())
                            .arg(e.schrift.pixelSize())
                            .arg(QFontInfo(kasten->font()).pixelSize())
                            .arg(e.stauchung)));
}

ui::Zahlkasten* kasten(QLabel* l) {
    auto* k = qobject_cast<ui::Zahlkasten*>(l);
    if (!k) qFatal("%s zeichnet seine Zahl nicht selbst", qPrintable(l->objectName()));
    return k;
}

double skala(const QWidget* w) {
    return w->devicePixelRatioF();
}

}  // namespace

class TstZahlkasten : public Hauptfenstertest {
    Q_OBJECT

  private Q_SLOTS:
    void passtInJedeBreite_data();
    void passtInJedeBreite();
    void groessteZahlenDerFenster();
    void faktorMitZwanzigStellen();
};

void TstZahlkasten::passtInJedeBreite_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("familie");
    QTest::addColumn<int>("pixel");
    QTest::addColumn<QSize>("groesse");
    QTest::addColumn<double>("dpr");
    QTest::addColumn<int>("zeilen");  // lines drawn
    const QString sans = QStringLiteral("DejaVu Sans"), serif = QStringLiteral("DejaVu Serif"),
                  mono = QStringLiteral("DejaVu Sans Mono");
    // the width of the "Tipps" box of the single-field frames: the whole number at its size
    QTest::newRow("Tipps, eigene Größe") << "1594323" << sans << 12 << QSize(62, 22) << 1.0 << 1;
    // the box as narrow as it was: a smaller font
    QTest::newRow("schmal") << "1594323" << sans << 12 << QSize(44, 22) << 1.0 << 1;
    QTest::newRow("breite Schrift, doppelt") << "1062882" << serif << 16 << QSize(44, 22) << 2.0 << 1;
    QTest::newRow("anderthalbfach") << "1594323" << sans << 12 << QSize(62, 22) << 1.5 << 1;
    // narrower than the smallest font: drawn narrower
    QTest::newRow("gestaucht") << "1594323" << mono << 14 << QSize(26, 22) << 1.0 << 1;
    QTest::newRow("gestaucht, doppelt") << "1594323" << mono << 14 << QSize(26, 22) << 2.0 << 1;
    // "VEW: 144" on two lines where the box is high enough, else smaller
    QTest::newRow("VEW, zwei Zeilen") << "VEW: 144" << sans << 10 << QSize(38, 35) << 1.0 << 2;
    QTest::newRow("VEW, eine Zeile") << "VEW: 144" << sans << 10 << QSize(38, 16) << 1.0 << 1;
}

void TstZahlkasten::passtInJedeBreite() {
    QFETCH(QString, text);
    QFETCH(QString, familie);
    QFETCH(int, pixel);
    QFETCH(QSize, groesse);
    QFETCH(double, dpr);
    QFETCH(int, zeilen);
    ui::Zahlkasten k(nullptr);
    k.setObjectName(QStringLiteral("Kasten"));
    k.setFrameShape(QFrame::Panel);
    k.setFrameShadow(QFrame::Sunken);
    k.setAlignment(Qt::AlignCenter);
    QFont f(familie);
    f.setPixelSize(pixel);
    f.setBold(true);
    k.setFont(f);
    k.setText(text);
    k.resize(groesse);
    QCOMPARE(k.text(), text);  // the whole number stays the box's text
    QCOMPARE(k.einpassung().zeilen.size(), zeilen);
    passtHinein(&k, dpr);
}

void TstZahlkasten::groessteZahlenDerFenster() {
    ui::TFMain& haupt = starten();
    // the suggestion field a full system of 3^13 rows, listed unfiltered
    auto* eingabe = durchBefehlGezeigt<ui::TFEingabe>(haupt, "NeuenNormalscheineingeben1", "FEingabe");
    eingabe->resize(ui::TFEingabe::kBreit, ui::TFEingabe::kHoehe);
    eingabe->Vorschlag()->feld().kreuzeSetzen(vollsystem());
    eingabe->findChild<QCheckBox*>(QStringLiteral("cbFilter"))->setChecked(false);
    klicke(eingabe->findChild<QPushButton*>(QStringLiteral("BFilter")));
    // the system slip window's field 1 and the odds filter's field the same
    auto* sys = durchBefehlGezeigt<ui::TFEingabeSys>(haupt, "NeuenSystemscheineingeben1", "FEingabeSys");
    sys->schein().feld(1).kreuzeSetzen(vollsystem());
    ui::TFQuotenFilter* quoten = ui::quotenFilterOeffnen(haupt.kontext(), vollsystem());

    const QList<std::pair<QLabel*, QString>> kaesten = {
        {eingabe->Vorschlag()->PAnz(), QStringLiteral("1594323")},
        {eingabe->findChild<QLabel*>(QStringLiteral("LAnz")), QStringLiteral("1594323")},
        {sys->Feld(1)->PAnz(), QStringLiteral("1594323")},
        {quoten->Feld()->PAnz(), QStringLiteral("1594323")},
    };
    for (const auto& [l, zahl] : kaesten) {
        QCOMPARE(l->text(), zahl);
        inEigenerGroesse(kasten(l));
        passtHinein(l, skala(l));
    }

    // the largest VEW system ("4-4", 144 rows) and 2 x 3^12 rows in the other boxes
    eingabe->Vorschlag()->feld().alleKreuzeEntfernen();
    eingabe->Vorschlag()->feld().kreuzeSetzen(
        system({"10", "10", "10", "10", "102", "102", "102", "102", "1", "1", "1", "1", "1"}));
    QLabel* LVEW = eingabe->Vorschlag()->LVEW();
    QCOMPARE(LVEW->text(), QStringLiteral("VEW: 144"));
    QVERIFY(LVEW->isVisible());
    passtHinein(LVEW, skala(LVEW));
    sys->schein().feld(2).kreuzeSetzen(
        system({"10", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102", "102"}));
    QCOMPARE(sys->Feld(2)->PAnz()->text(), QStringLiteral("1062882"));
    passtHinein(sys->Feld(2)->PAnz(), skala(sys));
    for (QWidget* w :
         {static_cast<QWidget*>(eingabe), static_cast<QWidget*>(sys), static_cast<QWidget*>(quoten)})
        w->close();
}

void TstZahlkasten::faktorMitZwanzigStellen() {
    ui::TFMain& haupt = starten();
    // 13 matches whose largest value is 248 (what "9 - 0 - 9" leaves for a
    // draw in a byte): the product wraps around to 20 digits
    TendenzWerte t;
    TTendenzWert w;
    w.Heim = 9;
    w.Remis = 248;
    w.Gast = 9;
    t.fill(w);
    haupt.kontext().zustand().tendenzWerteSetzen(t);
    ui::TFQuotenFilter* q = ui::quotenFilterOeffnen(haupt.kontext(), vollsystem());
    klicke(q->findChild<QToolButton*>(QStringLiteral("bsSkinSpeedButton3")));
    const QString faktor = zelle(q->G0(), 0, 14);
    QCOMPARE(faktor, QStringLiteral("17214111824379641856"));          // 248^13 modulo 2^64
    QCOMPARE(zelle(q->G0(), 1, 14), QStringLiteral("2541865828329"));  // 9^13
    QVERIFY2(QFontMetrics(q->G0()->font()).horizontalAdvance(faktor) + 4 <= q->G0()->columnWidth(14),
             qPrintable(QString::number(q->G0()->columnWidth(14))));
    q->close();
}

KV_GUI_TEST_MAIN(TstZahlkasten)
#include "tst_zahlkasten.moc"
