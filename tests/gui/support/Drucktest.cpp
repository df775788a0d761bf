#include "Drucktest.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>

#include "GuiHilfen.h"
#include "common/Fenster.h"
#include "print/TFDruck.h"

namespace kv::test {

QString reihenZiffern(int i) {
    QString z(13, QLatin1Char('1'));
    int v = i - 1;
    for (int m = 12; m >= 0 && v > 0; --m, v /= 3) z[m] = QLatin1Char("102"[v % 3]);
    return z;
}

QString reihenschein(TestUmgebung& welt, int reihen) {
    std::vector<TScheinOffen> felder;
    for (int i = 1; i <= reihen; ++i) felder.push_back(reihe(reihenZiffern(i).toLatin1().constData()));
    return welt.schein(QStringLiteral("reihen%1.kv13").arg(reihen), felder);
}

Druck::Druck(TestUmgebung& umgebung, kv::ui::TFMain& w) : welt(umgebung) {
    aktion(w, "Tippscheinedrucken1")->trigger();
    d = qobject_cast<kv::ui::TFDruck*>(kv::ui::fensterSuchen(QStringLiteral("FDruck")));
    if (!d) QTest::qFail("Drucken-Fenster fehlt", __FILE__, __LINE__);
    pdf = welt.ablage() + QStringLiteral("druck.pdf");
}

void Druck::kalibrieren() {
    klicke(kind<QRadioButton>(d, "RG1zwei"));
    Kalibrierung& k = d->zustand().kalibrierung;
    for (int f = 1; f <= 12; ++f) k.setzeFeldZelle(f, 1, 1, f <= 6 ? std::to_string(kaestchenX(f, 1)) : "");
    k.setzeFeldZelle(1, 1, 2, "420");
    k.setzeFeldZelle(7, 1, 2, "1120");
    kind<QPushButton>(d, "BAutoFill")->click();
    setze(d, "Ehori", QStringLiteral("-5"));
    setze(d, "Evert", QStringLiteral("3"));
    setze(d, "ENrx", QStringLiteral("1700"));
    setze(d, "ENry", QStringLiteral("90"));
    setze(d, "EZus111", QStringLiteral("1200"));
    setze(d, "EZus112", QStringLiteral("1150"));
    setze(d, "EZus121", QStringLiteral("1300"));
    setze(d, "EZus122", QStringLiteral("1150"));
    welt.dialoge().speichernAntwort(format());
    kind<QPushButton>(d, "Bsave")->click();
}

void Druck::drucker() {
    welt.dialoge().druckerAntwort({pdf, kDpi, QMarginsF(12, 18, 0, 0)});
}

QString Druck::datei(int auftrag) const {
    return auftrag == 1 ? pdf : welt.ablage() + QStringLiteral("druck-%1.pdf").arg(auftrag);
}

QStringList Druck::dateien() const {
    return QDir(welt.ablage()).entryList({QStringLiteral("druck*.pdf")}, QDir::Files, QDir::Name);
}

}  // namespace kv::test
