// The group "Garantie-Reduzierung" on a suggestion field and its list: the
// reduced list keeps its guarantee (checked by the analysis of the saved
// slip), the group says so, and a field that cannot be reduced is refused
// with a message while the list stays.
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "GuiHilfen.h"
#include "Hauptfenstertest.h"
#include "TestUmgebung.h"
#include "eingabe/Normalscheineingabe.h"
#include "entry/Garantiereduzierung.h"
#include "garantie/Garantieanalyse.h"
#include "model/Schein.h"
#include "model/Spielscheindatei.h"

using namespace kv;
using namespace kv::test;
using kv::ui::Garantiereduzierung;

namespace {

Reihenfilter ohneFilter() {
    Reihenfilter f;
    f.an = false;
    return f;
}

}  // namespace

class TstGarantiereduzierung : public Hauptfenstertest {
    Q_OBJECT

  private Q_SLOTS:
    void reduzierteListeHaeltDieGarantie_data();
    void reduzierteListeHaeltDieGarantie();
    void unvollstaendigesFeldAbgelehnt();
};

void TstGarantiereduzierung::reduzierteListeHaeltDieGarantie_data() {
    QTest::addColumn<bool>("elf");
    QTest::addColumn<int>("garantie");
    QTest::newRow("12 Richtige") << false << 12;
    QTest::newRow("11 Richtige") << true << 11;
}

void TstGarantiereduzierung::reduzierteListeHaeltDieGarantie() {
    QFETCH(bool, elf);
    QFETCH(int, garantie);
    Normalscheineingabe n;
    // the shape of VEW "3-4": three 2-ways and four 3-ways, 72 rows in the table
    const TScheinOffen feld =
        system({"10", "02", "12", "102", "102", "102", "102", "1", "0", "2", "1", "1", "0"});
    n.vorschlagsfeld().kreuzeSetzen(feld);
    n.BFilterClick(ohneFilter());
    QCOMPARE(n.liste().anzahl(), 648u);

    Garantiereduzierung g(n);
    QCOMPARE(g.title(), QStringLiteral("Garantie-Reduzierung"));
    QVERIFY(g.RB12()->isChecked());
    if (elf) klicke(g.RB11());
    QSignalSpy reduziert(&g, &Garantiereduzierung::reduziert);
    klicke(g.BGarantie());
    QCOMPARE(reduziert.count(), 1);
    const std::uint64_t anzahl = n.liste().anzahl();
    QVERIFY2(anzahl > 0 && anzahl <= 72, qPrintable(QString::number(anzahl)));
    QCOMPARE(g.LGarantie()->text(),
             QStringLiteral("%1 Tippreihen. Garantie: %2 Richtige, wenn alle Tipps des Feldes stimmen.")
                 .arg(anzahl)
                 .arg(garantie));
    // saved as a slip, the list keeps that guarantee over the field's outcomes
    const QString datei = welt().ablage() + QStringLiteral("/reduziert.kv13");
    n.liste().alsSpielschein(datei.toStdString());
    const Garantieanalyse a(Schein(leseSpielschein(datei.toStdString())));
    const Trefferverteilung v = a.verteilung(Ausgangsbereich::ausFeld(feld));
    QCOMPARE(v.ausgaenge(), 648u);
    QVERIFY2(v.garantie >= garantie, qPrintable(QString::number(v.garantie)));
}

void TstGarantiereduzierung::unvollstaendigesFeldAbgelehnt() {
    Normalscheineingabe n;
    n.vorschlagsfeld().kreuzeSetzen(
        system({"10", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}));
    n.BFilterClick(ohneFilter());
    n.vorschlagsfeld().alleKreuzeEntfernen();  // the list stays, the field is empty now
    Garantiereduzierung g(n);
    QSignalSpy reduziert(&g, &Garantiereduzierung::reduziert);
    klicke(g.BGarantie());
    QCOMPARE(reduziert.count(), 0);
    QCOMPARE(dialoge().nimmMeldung(TestDialoge::Art::Information),
             QStringLiteral("Spiel 1 hat keinen Tipp; ein Feld ohne Tipp lässt sich nicht reduzieren."));
    QCOMPARE(n.liste().anzahl(), 2u);
    QCOMPARE(g.LGarantie()->text(), QString());
}

KV_GUI_TEST_MAIN(TstGarantiereduzierung)
#include "tst_garantiereduzierung.moc"
