// Program entry: the command line, German texts, the data folder, one
// program per data folder (a later start hands its files over), the program.
#include <QApplication>
#include <QDir>

#include "Aufruf.h"
#include "Programm.h"
#include "Uebergabe.h"
#include "common/Datenordner.h"
#include "common/Dialoge.h"
#include "common/Programmdateien.h"
#include "common/Uebersetzung.h"
#include "main/TFMain.h"
#include "model/Records.h"

namespace {

QStringList argumente(int argc, char* argv[]) {
    QStringList a;
    for (int i = 1; i < argc; ++i) a << QString::fromLocal8Bit(argv[i]);
    return a;
}

// "--help" and "--version" need no display: answered before the application
// object, which would want one.
int antworten(const kv::ui::Aufruf& aufruf) {
    using Art = kv::ui::Aufruf::Art;
    if (aufruf.art == Art::Hilfe) return kv::ui::ausgeben(kv::ui::aufrufHilfe());
    if (aufruf.art == Art::Version) return kv::ui::ausgeben(kv::ui::aufrufVersion());
    kv::ui::ausgeben(aufruf.fehler, true);
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    const kv::ui::Aufruf vorab = kv::ui::aufrufLesen(argumente(argc, argv), QDir::currentPath(), true);
    if (vorab.art != kv::ui::Aufruf::Art::Starten) return antworten(vorab);

    kv::ui::deutschVorbereiten();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kv::kProgrammTitel));
    QApplication::setApplicationVersion(QString::fromUtf8(kv::kVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kv::ui::kAnwendungsId));
    const QString programmordner = QCoreApplication::applicationDirPath();
    QApplication::setWindowIcon(kv::ui::programmSymbol(
        kv::ui::datenwurzeln(programmordner, QStringLiteral(KALVENDO_DATEN_IM_BAUORDNER))));
    kv::ui::deutschLaden(app);

    // QApplication has taken its own options ("-platform ...") out of argv
    const kv::ui::Aufruf aufruf = kv::ui::aufrufLesen(argumente(argc, argv), QDir::currentPath());
    if (aufruf.art != kv::ui::Aufruf::Art::Starten) return antworten(aufruf);

    const QString datenordner = kv::ui::datenordnerBestimmen();
    kv::ui::Uebergabe uebergabe(kv::ui::Uebergabe::laufzeitordner(), datenordner);
    switch (uebergabe.starten(aufruf.dateien)) {
        case kv::ui::Uebergabe::Ergebnis::Uebergeben:
            return 0;
        case kv::ui::Uebergabe::Ergebnis::Fehlgeschlagen:
            kv::ui::ausgeben(QStringLiteral("kalvendo: ") + uebergabe.fehler() + QLatin1Char('\n'), true);
            kv::ui::dialoge().fehler(nullptr, uebergabe.fehler());
            return 1;
        case kv::ui::Uebergabe::Ergebnis::Erster:
            break;
    }

    const auto programm = kv::ui::programmAufbauen(datenordner);
    programm->uebergabeAnnehmen(uebergabe);
    // Closing the main window ends the program, whatever other window is open.
    app.setQuitOnLastWindowClosed(false);
    programm->hauptfenster().show();
    programm->dateienOeffnen(aufruf.dateien);
    return QApplication::exec();
}
