#include "Aufruf.h"

#include <unistd.h>

#include <QDir>
#include <QUrl>

#include <cerrno>
#include <optional>
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

// Qt's own options, which the application object takes out of the command
// line ("-platform offscreen", "--style=fusion"): 1 when a value follows,
// 0 when none does, -1 when `a` is none of them.
int qtOption(const QString& a) {
    static const QStringList mitWert = {QStringLiteral("platform"),
                                        QStringLiteral("platformpluginpath"),
                                        QStringLiteral("platformtheme"),
                                        QStringLiteral("plugin"),
                                        QStringLiteral("qwindowgeometry"),
                                        QStringLiteral("geometry"),
                                        QStringLiteral("qwindowtitle"),
                                        QStringLiteral("title"),
                                        QStringLiteral("qwindowicon"),
                                        QStringLiteral("icon"),
                                        QStringLiteral("session"),
                                        QStringLiteral("display"),
                                        QStringLiteral("name"),
                                        QStringLiteral("style"),
                                        QStringLiteral("stylesheet"),
                                        QStringLiteral("qmljsdebugger"),
                                        QStringLiteral("visual")};
    static const QStringList ohneWert = {QStringLiteral("reverse"),     QStringLiteral("widgetcount"),
                                         QStringLiteral("testability"), QStringLiteral("nograb"),
                                         QStringLiteral("dograb"),      QStringLiteral("sync")};
    QString name = a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1);
    const qsizetype gleich = name.indexOf(QLatin1Char('='));
    if (gleich >= 0) return mitWert.contains(name.left(gleich)) ? 0 : -1;
    if (mitWert.contains(name)) return 1;
    return ohneWert.contains(name) ? 0 : -1;
}

Aufruf unbekannt(const QString& arg) {
    return {Aufruf::Art::Fehler,
            {},
            QStringLiteral("kalvendo: Unbekannte Option ") + arg +
                QStringLiteral(".\nAufruf: kalvendo [DATEI...]; kalvendo --help zeigt die Hilfe.\n")};
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
    std::optional<Aufruf> fehler;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& arg = argumente[i];
        if (!nurNamen && arg == QLatin1String("--")) {
            nurNamen = true;
            continue;
        }
        const bool option = !nurNamen && arg.startsWith(QLatin1Char('-')) && arg.size() > 1;
        if (option && istHilfe(arg)) return {Aufruf::Art::Hilfe, {}, {}};
        if (option && istVersion(arg)) return {Aufruf::Art::Version, {}, {}};
        if (nurHilfe) {
            // an unknown option is answered before anything needs a display;
            // Qt's own options (and their values) stay for the application object
            if (!option) continue;
            const int qt = qtOption(arg);
            if (qt < 0 && !fehler) fehler = unbekannt(arg);
            if (qt > 0) ++i;
            continue;
        }
        if (option) return unbekannt(arg);
        if (arg.isEmpty()) continue;
        a.dateien << pfadVon(arg, ordner);
    }
    // "--help" anywhere wins over an unknown option before it
    if (fehler) return *fehler;
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
