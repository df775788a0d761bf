#include "help/Hilfe.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include "common/Fenster.h"
#include "common/Symbole.h"
#include "help/HilfeFenster.h"
#include "help/HilfeSeiten.h"

namespace kv::ui {

namespace {

QPointer<HilfeFenster> gFenster;

// The window that owns the help: normally the outermost window of the one that
// asks, so the help outlives small windows that delete themselves. While a modal
// window runs, the help must belong to it, or the modal window would block it.
QWidget* besitzer(QWidget* eltern) {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    QWidget* w = eltern ? eltern->window() : nullptr;
    while (w && w->parentWidget()) w = w->parentWidget()->window();
    return w;
}

HilfeFenster* fenster(QWidget* eltern) {
    QWidget* neuerBesitzer = besitzer(eltern);
    if (!gFenster) {
        gFenster = new HilfeFenster(neuerBesitzer);
        if (!neuerBesitzer) {
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, gFenster.data(), &QObject::deleteLater);
        }
    } else if (neuerBesitzer && neuerBesitzer != gFenster->parentWidget() &&
               QApplication::activeModalWidget() == neuerBesitzer) {
        gFenster->setParent(neuerBesitzer, gFenster->windowFlags());
    }
    return gFenster;
}

}  // namespace

void hilfeZeigen(QWidget* eltern, int kontext) {
    HilfeFenster* f = fenster(eltern);
    f->zeigeSeite(hilfeSeiteZuKontext(kontext, eltern ? eltern->window()->objectName() : QString()));
    zeigenUndHeben(f);
}

void hilfeSuchen(QWidget* eltern) {
    HilfeFenster* f = fenster(eltern);
    f->zeigeSuche();
    zeigenUndHeben(f);
}

Befehl hilfeInhaltBefehl(QWidget* fenster) {
    Befehl b;
    b.name = "Inhalt1";
    b.text = QStringLiteral("&Inhalt");
    b.symbol = symbol::hilfe();
    b.menues = {Menueplatz::HilfeInhalt};
    b.leiste = Leistenplatz::Hilfe;
    b.knopf = "bsSkinSpeedButton6";
    b.leistentext = QStringLiteral("Hilfe");
    b.taste = QKeySequence(Qt::Key_F1);
    b.ausfuehren = [fenster] { hilfeZeigen(fenster, kHilfeHauptfenster); };
    return b;
}

Befehl hilfeSuchenBefehl(QWidget* fenster) {
    Befehl b;
    b.name = "InHilfesuchen1";
    b.text = QStringLiteral("In Hilfe &suchen...");
    b.menues = {Menueplatz::HilfeSuchen};
    b.ausfuehren = [fenster] { hilfeSuchen(fenster); };
    return b;
}

}  // namespace kv::ui
