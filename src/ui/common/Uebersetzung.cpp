#include "common/Uebersetzung.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QtGlobal>

#include <clocale>

namespace kv::ui {

namespace {
constexpr const char* kTranslatorName = "kalvendo_qtbase_de";
}

void deutschVorbereiten() {
    qputenv("LC_ALL", "de_DE.UTF-8");
}

void deutschLaden(QApplication& app) {
    // the application object took the environment's locale for the C library
    // too: numbers written by the program keep their point
    std::setlocale(LC_NUMERIC, "C");
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    QLocale::setDefault(deutsch);
    if (app.findChild<QTranslator*>(QLatin1String(kTranslatorName), Qt::FindDirectChildrenOnly)) return;

    // The translator belongs to the application and lives as long as it does.
    auto* qtbase = new QTranslator(&app);
    qtbase->setObjectName(QLatin1String(kTranslatorName));
    const QString ordner = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!qtbase->load(deutsch, QStringLiteral("qtbase"), QStringLiteral("_"), ordner)) {
        qWarning("Die deutsche Übersetzung der Standarddialoge fehlt in %s", qPrintable(ordner));
        delete qtbase;
        return;
    }
    app.installTranslator(qtbase);
}

}  // namespace kv::ui
