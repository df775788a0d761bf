// Program entry: German texts, the data folder, the program.
#include <QApplication>

#include "Programm.h"
#include "common/Datenordner.h"
#include "common/Uebersetzung.h"
#include "main/TFMain.h"
#include "model/Records.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kv::kProgrammTitel));
    QApplication::setApplicationVersion(QString::fromUtf8(kv::kVersion));
    kv::ui::deutschLaden(app);

    const auto programm = kv::ui::programmAufbauen(kv::ui::datenordnerBestimmen());
    // Closing the main window ends the program, whatever other window is open.
    app.setQuitOnLastWindowClosed(false);
    programm->hauptfenster().show();
    return QApplication::exec();
}
