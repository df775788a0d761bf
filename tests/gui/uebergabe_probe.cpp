// Stands in for the program's start in the hand-over tests: it settles with
// Uebergabe, as kalvendo does, whether it is the first program or hands its
// files over, and says so on standard output. As the first it prints every
// list it receives and ends after DAUER milliseconds. FRIST is how long it
// waits for another start that holds the lock (kalvendo: 10000). With
// KALVENDO_PROBE_AUF_LOS set it says BEREIT and waits for a line on standard
// input first, so that the test lets several starts go at the same moment.
//
//     kalvendo-uebergabe-probe LAUFZEITORDNER DATENORDNER DAUER ANTWORTFRIST FRIST [DATEI...]
#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

#include "Uebergabe.h"

namespace {
void sage(const QString& zeile) {
    std::fputs((zeile + QLatin1Char('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
}
}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    if (a.size() < 6) return 2;
    kv::ui::Uebergabe uebergabe(a[1], a[2]);
    if (qEnvironmentVariableIsSet("KALVENDO_PROBE_AUF_LOS")) {
        sage(QStringLiteral("BEREIT"));
        char zeile[8];
        if (!std::fgets(zeile, sizeof zeile, stdin)) return 2;
    }
    switch (uebergabe.starten(a.mid(6), a[5].toInt(), a[4].toInt())) {
        case kv::ui::Uebergabe::Ergebnis::Uebergeben:
            sage(QStringLiteral("UEBERGEBEN"));
            return 0;
        case kv::ui::Uebergabe::Ergebnis::Fehlgeschlagen:
            sage(QStringLiteral("FEHLER ") + uebergabe.fehler());
            return 1;
        case kv::ui::Uebergabe::Ergebnis::Erster:
            break;
    }
    QObject::connect(&uebergabe, &kv::ui::Uebergabe::dateienErhalten, [](const QStringList& dateien) {
        sage(QStringLiteral("ERHALTEN ") + dateien.join(QLatin1Char('|')));
    });
    sage(QStringLiteral("ERSTER"));
    QTimer::singleShot(a[3].toInt(), &app, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
