#include "common/Rechner.h"

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

}  // namespace kv::ui
