#include "common/Datenordner.h"

#include <QDir>
#include <QStandardPaths>

#include "model/Records.h"

namespace kv::ui {

QString datenordnerBestimmen() {
    const QString basis = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString ordner =
        QDir::cleanPath(basis + QLatin1Char('/') + QString::fromUtf8(kProgrammTitel)) + QLatin1Char('/');
    QDir().mkpath(ordner);
    return ordner;
}

}  // namespace kv::ui
