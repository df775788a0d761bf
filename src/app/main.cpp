// Program entry: German texts, the data folder, the main window.
#include <QApplication>

#include "common/Datenordner.h"
#include "common/Uebersetzung.h"
#include "main/TFMain.h"
#include "model/Records.h"
#include "transfer/TFTransfer.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kv::kProgrammTitel));
    QApplication::setApplicationVersion(QString::fromUtf8(kv::kVersion));
    kv::ui::deutschLaden(app);

    const QString datenordner = kv::ui::datenordnerBestimmen();
    kv::ui::TFMain fenster(datenordner);
    kv::ui::transferToolEinrichten(fenster);
    // Closing the main window ends the program, whatever other window is open.
    app.setQuitOnLastWindowClosed(false);
    QObject::connect(&fenster, &kv::ui::TFMain::beendet, &app, &QApplication::quit);
    fenster.show();
    return QApplication::exec();
}
