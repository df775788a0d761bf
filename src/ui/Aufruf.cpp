#include "Aufruf.h"

#include <unistd.h>

#include <QDir>
#include <QUrl>

#include <cerrno>
#include <string>

#include "io/Datei.h"
#include "model/Records.h"

namespace kv::ui {

namespace {

bool istHilfe(const QString& a) {
    return a == QLatin1String("--help") || a == QLatin1String("-h");
}
bool istVersion(const QString& a) {
    return a == QLatin1String("--version");
}

QString pfadVon(const QString& argument, const QDir& arbeitsordner) {
    if (argument.startsWith(QLatin1String("file:"))) {
        const QUrl url(argument);
        if (url.isLocalFile()) return QDir::cleanPath(url.toLocalFile());
    }
    return QDir::cleanPath(arbeitsordner.absoluteFilePath(argument));
}

bool schreibeAlles(int kanal, const QByteArray& bytes, int& fehler) {
    const char* p = bytes.constData();
    qsizetype rest = bytes.size();
    while (rest > 0) {
        const ssize_t n = ::write(kanal, p, static_cast<std::size_t>(rest));
        if (n < 0) {
            if (errno == EINTR) continue;
            fehler = errno;
            return false;
        }
        p += n;
        rest -= n;
    }
    return true;
}

}  // namespace

Aufruf aufrufLesen(const QStringList& argumente, const QString& arbeitsordner, bool nurHilfe) {
    Aufruf a;
    const QDir ordner(arbeitsordner);
    bool nurNamen = false;
    for (const QString& arg : argumente) {
        if (!nurNamen && arg == QLatin1String("--")) {
            nurNamen = true;
            continue;
        }
        const bool option = !nurNamen && arg.startsWith(QLatin1Char('-')) && arg.size() > 1;
        if (option && istHilfe(arg)) return {Aufruf::Art::Hilfe, {}, {}};
        if (option && istVersion(arg)) return {Aufruf::Art::Version, {}, {}};
        if (nurHilfe) continue;
        if (option)
            return {Aufruf::Art::Fehler,
                    {},
                    QStringLiteral("kalvendo: Unbekannte Option ") + arg +
                        QStringLiteral(".\nAufruf: kalvendo [DATEI...]; kalvendo --help zeigt die Hilfe.\n")};
        if (arg.isEmpty()) continue;
        a.dateien << pfadVon(arg, ordner);
    }
    return a;
}

QString aufrufHilfe() {
    return QStringLiteral(
        "Aufruf: kalvendo [DATEI...]\n"
        "\n"
        "Startet Kalvendo und öffnet die genannten Dateien nach ihrer Art:\n"
        "  *.kv13   Spielscheine, jeden als Reiter rechts\n"
        "  *.sp13   einen Spielplan\n"
        "  *.spst   gesondert gespeicherte Spielstände\n"
        "  *.kvxdr  ein Scheinformat im Druckfenster\n"
        "Läuft Kalvendo schon, öffnet das laufende Programm die Dateien und kommt\n"
        "nach vorn; ein zweites Programm startet nicht.\n"
        "\n"
        "  --help     Diese Hilfe.\n"
        "  --version  Gibt den Programmnamen und die Version aus.\n"
        "  --         Alles danach sind Dateinamen, auch wenn sie mit - beginnen.\n"
        "\n"
        "Rückgabewert: 0 in Ordnung, 1 Ausgabe nicht schreibbar oder Übergabe an das\n"
        "laufende Programm gescheitert, 2 unbekannte Option.\n");
}

QString aufrufVersion() {
    return QStringLiteral("kalvendo ") + QString::fromUtf8(kVersion) + QLatin1Char('\n');
}

int ausgeben(const QString& text, bool fehlerkanal) {
    int fehler = 0;
    if (schreibeAlles(fehlerkanal ? STDERR_FILENO : STDOUT_FILENO, text.toUtf8(), fehler)) return 0;
    if (!fehlerkanal) {
        const std::string meldung =
            "kalvendo: Die Ausgabe konnte nicht geschrieben werden: " + systemFehlerText(fehler) + ".\n";
        int egal = 0;
        schreibeAlles(STDERR_FILENO, QByteArray::fromStdString(meldung), egal);
    }
    return 1;
}

}  // namespace kv::ui
