#include "common/Dateioeffner.h"

#include <exception>

#include "common/Dialoge.h"
#include "io/Datei.h"
#include "model/Records.h"

namespace kv::ui {

namespace {

QString beschreibung(Dateiart art) {
    switch (art) {
        case Dateiart::Spielschein:
            return QStringLiteral("Spielscheine (*.kv13)");
        case Dateiart::Spielplan:
            return QStringLiteral("Spielpläne (*.sp13)");
        case Dateiart::Spielstand:
            return QStringLiteral("gesondert gespeicherte Spielstände (*.spst)");
        case Dateiart::Scheinformat:
            return QStringLiteral("Scheinformate (*.kvxdr)");
        case Dateiart::Unbekannt:
            break;
    }
    return {};
}

}  // namespace

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

QString Dateioeffner::unbekannteDateiart(const QString& pfad) const {
    QStringList arten;
    for (const auto& [art, oeffnen] : oeffner_) arten << beschreibung(art);
    QString liste = arten.join(QStringLiteral(", "));
    if (arten.size() > 1) liste.replace(liste.lastIndexOf(QStringLiteral(", ")), 2, QStringLiteral(" und "));
    return QStringLiteral("Kalvendo kann die Datei ") +
           QString::fromStdString(dateiName(pfad.toStdString())) + QStringLiteral(" nicht öffnen.") +
           QString::fromUtf8(kAbsatz) + QStringLiteral("Geöffnet werden ") + liste + QLatin1Char('.');
}

}  // namespace kv::ui
