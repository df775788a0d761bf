#include "common/Rechner.h"

#include "common/Symbole.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace kv::ui {

namespace {
// The calculators of the common desktops, the most likely first.
constexpr const char* kRechner[] = {"gnome-calculator", "kcalc", "galculator", "mate-calc", "xcalc"};
}  // namespace

bool rechnerStarten() {
    for (const char* name : kRechner) {
        const QString pfad = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (pfad.isEmpty()) continue;
        // A calculator that is found but refuses to start leaves the next one a chance.
        if (QProcess::startDetached(pfad, QStringList())) return true;
    }
    return false;
}

Befehl rechnerBefehl() {
    Befehl b;
    b.name = "Taschenrechner1";
    b.text = QStringLiteral("Taschen&rechner");
    b.symbol = symbol::rechner();
    b.menues = {Menueplatz::ExtrasRechner};
    b.leiste = Leistenplatz::Rechner;
    b.knopf = "BCalc";
    b.leistentext = QStringLiteral("Rechner");
    b.ausfuehren = [] { rechnerStarten(); };
    return b;
}

}  // namespace kv::ui
