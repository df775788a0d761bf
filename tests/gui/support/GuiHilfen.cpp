#include "GuiHilfen.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "common/Befehle.h"
#include "common/Fenster.h"
#include "common/Fenstergitter.h"
#include "common/Gitter.h"
#include "common/Programmkontext.h"
#include "common/UpDown.h"
#include "main/TFMain.h"
#include "main/TFfrErg.h"

namespace kv::test {

bool aktivieren(QWidget* fenster) {
    // the request is answered asynchronously, and not always the first time
    return QTest::qWaitFor(
        [fenster] {
            if (QApplication::activeWindow() == fenster) return true;
            fenster->activateWindow();
            return false;
        },
        5000);
}

void klicke(QAbstractButton* b) {
    if (!b) {
        QTest::qFail("Knopf fehlt", __FILE__, __LINE__);
        return;
    }
    QTest::mouseClick(b, Qt::LeftButton);
}

namespace {
void stellen(ui::UpDown* u, int ziel) {
    for (int i = 0; i < 20 && u->position() < ziel; ++i) klicke(u->knopfHoch());
    for (int i = 0; i < 20 && u->position() > ziel; ++i) klicke(u->knopfRunter());
}
}  // namespace

void tore(ui::TFMain& w, int spiel, int heim, int gast) {
    stellen(w.frSpiel(spiel)->Up1(), heim);
    stellen(w.frSpiel(spiel)->Up2(), gast);
}

void beenden(ui::TFMain& w, int spiel) {
    klicke(w.frSpiel(spiel)->BRun());
}

QAction* aktion(const ui::TFMain& w, const char* name) {
    auto* a = w.findChild<QAction*>(QString::fromLatin1(name));
    if (!a)
        QTest::qFail(qPrintable(QStringLiteral("Aktion fehlt: ") + QString::fromLatin1(name)), __FILE__,
                     __LINE__);
    return a;
}

QColor farbe(const QWidget* w) {
    return w->palette().color(QPalette::Window);
}

QString zelle(const QTableView* g, int zeile, int spalte) {
    return g->model()->data(g->model()->index(zeile, spalte), Qt::DisplayRole).toString().trimmed();
}

QColor zellfarbe(const QTableView* g, int zeile, int spalte) {
    const QVariant v = g->model()->data(g->model()->index(zeile, spalte), Qt::BackgroundRole);
    return v.isValid() ? v.value<QColor>() : QColor();
}

QString kopf(const QTableView* g, int spalte) {
    return g->model()->headerData(spalte, Qt::Horizontal, Qt::DisplayRole).toString();
}

QString zelle(const ui::Fenstergitter* g, std::uint64_t zeile, int spalte) {
    return g->zelle(zeile, spalte).toString().trimmed();
}

QColor zellfarbe(const ui::Fenstergitter* g, std::uint64_t zeile, int spalte) {
    const QVariant v = g->zelle(zeile, spalte, Qt::BackgroundRole);
    return v.isValid() ? v.value<QColor>() : QColor();
}

QString kopf(const ui::Fenstergitter* g, int spalte) {
    return kopf(g->gitter(), spalte);
}

QString gezeigt(const ui::Fenstergitter* g, int i, int spalte) {
    return zelle(g->gitter(), i, spalte);
}

QWidget* durchBefehlGezeigt(ui::TFMain& w, const char* befehl, const char* name) {
    w.kontext().befehle().ausfuehren(QLatin1String(befehl));
    QWidget* fenster = ui::fensterSuchen(QLatin1String(name));
    if (!fenster || !fenster->isVisible()) qFatal("%s wurde nicht gezeigt", name);
    return fenster;
}

QString gewinnreihe(const ui::TFMain& w) {
    QString s;
    for (int m = 1; m <= 13; ++m) {
        const QString t = w.PGewZ(m)->text();
        s += t.isEmpty() ? QStringLiteral(" ") : t;
    }
    return s;
}

QByteArray testdatei(const char* name) {
    QFile f(QStringLiteral(KALVENDO_TEST_DATA "/") + QLatin1String(name));
    if (!f.open(QIODevice::ReadOnly)) qFatal("Testdatei %s fehlt", name);
    return f.readAll();
}

QString testdaten(const char* name) {
    return QString::fromUtf8(testdatei(name));
}

}  // namespace kv::test
