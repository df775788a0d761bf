#include "common/Programmdateien.h"

#include <QDir>
#include <QFileInfo>

namespace kv::ui {

QStringList datenwurzeln(const QString& programmordner, const QString& bauordnerRelativ) {
    QStringList w{QDir::cleanPath(programmordner + QStringLiteral("/../share"))};
    if (!bauordnerRelativ.isEmpty())
        w << QDir::cleanPath(programmordner + QLatin1Char('/') + bauordnerRelativ);
    return w;
}

QIcon programmSymbol(const QStringList& wurzeln) {
    const QString datei = QString::fromLatin1(kAnwendungsId) + QStringLiteral(".png");
    for (const QString& wurzel : wurzeln) {
        const QDir thema(wurzel + QStringLiteral("/icons/hicolor"));
        QIcon symbol;
        for (const QString& groesse : thema.entryList({QStringLiteral("*x*")}, QDir::Dirs, QDir::Name)) {
            const QString png = thema.filePath(groesse + QStringLiteral("/apps/") + datei);
            if (QFileInfo(png).isFile()) symbol.addFile(png);
        }
        if (!symbol.isNull()) return symbol;
    }
    return {};
}

}  // namespace kv::ui
