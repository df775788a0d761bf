#include "common/Dateioeffner.h"

#include <exception>

#include "common/Dialoge.h"
#include "io/Datei.h"
#include "model/Records.h"

namespace kv::ui {

void Dateioeffner::anmelden(Dateiart art, Oeffnen oeffnen) {
    oeffner_[art] = std::move(oeffnen);
}

bool Dateioeffner::kannOeffnen(const QString& pfad) const {
    return oeffner_.count(dateiartVon(pfad.toStdString())) > 0;
}

void Dateioeffner::oeffnen(const QStringList& pfade, QWidget* fenster) const {
    for (const QString& pfad : pfade) {
        const auto o = oeffner_.find(dateiartVon(pfad.toStdString()));
        if (o == oeffner_.end()) {
            dialoge().fehler(fenster, unbekannteDateiart(pfad));
            continue;
        }
        try {
            o->second(pfad);
        } catch (const std::exception& e) {
            dialoge().fehler(fenster, QString::fromStdString(e.what()));
        }
    }
}

QString unbekannteDateiart(const QString& pfad) {
    return QStringLiteral("Kalvendo kann die Datei ") +
           QString::fromStdString(dateiName(pfad.toStdString())) + QStringLiteral(" nicht öffnen.") +
           QString::fromUtf8(kAbsatz) +
           QStringLiteral(
               "Geöffnet werden Spielscheine (*.kv13), Spielpläne (*.sp13), gesondert gespeicherte "
               "Spielstände (*.spst) und Scheinformate (*.kvxdr).");
}

}  // namespace kv::ui
