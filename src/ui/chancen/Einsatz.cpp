#include "chancen/Einsatz.h"

#include <QLocale>

#include <algorithm>

#include "common/Programmkontext.h"
#include "settings/Einstellungen.h"

namespace kv::ui {

Einsatzstand::Einsatzstand(Programmkontext& kontext, QObject* eltern)
    : QObject(eltern), datei_(kontext.einstellungsdatei()) {
    setObjectName(QStringLiteral("Einsatzstand"));
    int c = einst::kChancenEinsatz.vorgabe;
    try {
        c = Einstellungen(datei_.toStdString()).lese(einst::kChancenEinsatz);
    } catch (const std::exception&) {
        // an unreadable settings file: the default, as for every other key
    }
    cent_ = c < 0 || c > kHoechstens ? einst::kChancenEinsatz.vorgabe : c;
}

Einsatzstand& Einsatzstand::von(Programmkontext& kontext) {
    // one per program: it lives beside the change notices
    auto* e =
        kontext.melder().findChild<Einsatzstand*>(QStringLiteral("Einsatzstand"), Qt::FindDirectChildrenOnly);
    return e ? *e : *new Einsatzstand(kontext, &kontext.melder());
}

void Einsatzstand::setzen(int cent) {
    cent = std::clamp(cent, 0, kHoechstens);
    Einstellungen e(datei_.toStdString());
    e.schreibe(einst::kChancenEinsatz, cent);
    e.speichern();
    if (cent == cent_) return;
    cent_ = cent;
    Q_EMIT geaendert(cent);
}

QString euroText(std::uint64_t cent) {
    const QLocale de(QLocale::German);
    return de.toString(static_cast<qulonglong>(cent / 100)) + QLatin1Char(',') +
           QStringLiteral("%1").arg(cent % 100, 2, 10, QLatin1Char('0')) + QStringLiteral(" €");
}

}  // namespace kv::ui
