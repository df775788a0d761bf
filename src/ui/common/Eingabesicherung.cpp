#include "common/Eingabesicherung.h"

#include <QFile>
#include <QWidget>

#include <algorithm>
#include <ctime>
#include <optional>

#include "common/Dialoge.h"
#include "eingabe/Entwurf.h"
#include "io/Datei.h"
#include "model/Records.h"

namespace kv::ui {

bool verwerfenErlaubt(QWidget* eltern, const QString& was, const std::function<bool()>& sichern) {
    const QString frage = was + QString::fromLatin1(kAbsatz) + QStringLiteral("Änderungen speichern?");
    switch (dialoge().frageSpeichern(eltern, frage)) {
        case Dialoge::Antwort::Ja:
            return sichern();
        case Dialoge::Antwort::Nein:
            return true;
        case Dialoge::Antwort::Abbrechen:
            break;
    }
    return false;
}

Eingabesicherung::Eingabesicherung(const QString& datenordner, QObject* eltern)
    : QObject(eltern), datenordner_(datenordner) {
    timer_.setSingleShot(true);
    timer_.setInterval(kVerzoegerung);
    connect(&timer_, &QTimer::timeout, this, &Eingabesicherung::schreiben);
}

QString Eingabesicherung::datei() const {
    return datenordner_ + QString::fromLatin1(kEntwurfDatei);
}

void Eingabesicherung::anmelden(Teil teil) {
    teile_.push_back(std::move(teil));
}

void Eingabesicherung::geaendert() {
    // the first change starts the clock; later ones ride along with it
    if (aktiv_ && !timer_.isActive()) timer_.start();
}

void Eingabesicherung::anbieten(QWidget* eltern) {
    const std::string pfad = datei().toStdString();
    std::optional<Entwurf> entwurf;
    try {
        entwurf = leseEntwurf(pfad);
    } catch (const UngueltigeDatei& f) {
        // kept beside, so that it neither comes up again nor is lost
        const QString beiseite = datei() + QStringLiteral(".unlesbar");
        QFile::remove(beiseite);
        QFile::rename(datei(), beiseite);
        dialoge().fehler(eltern, QString::fromUtf8(f.what()) + QString::fromLatin1(kAbsatz) +
                                     QStringLiteral("Er wurde als %1 beiseitegelegt.").arg(beiseite));
    } catch (const DateiFehler& f) {
        dialoge().fehler(eltern, QString::fromUtf8(f.what()));
    }
    aktiv_ = true;
    if (!entwurf) return;
    const QString frage = QString::fromStdString(entwurfFrage(entwurfZeit(entwurf->zeit)));
    if (dialoge().frageJaNein(eltern, frage) != Dialoge::Antwort::Ja) {
        QFile::remove(datei());
        return;
    }
    for (auto& [name, daten] : entwurf->teile) {
        const auto teil = std::find_if(teile_.begin(), teile_.end(),
                                       [&name = name](const Teil& t) { return t.name == name; });
        if (teil == teile_.end()) {
            fremd_[name] = daten;
            continue;
        }
        try {
            teil->wiederherstellen(daten);
        } catch (const std::exception& f) {
            dialoge().fehler(eltern, QString::fromUtf8(f.what()));
        }
    }
    geaendert();
}

bool Eingabesicherung::spielplanErlaubt(QWidget* eltern) {
    for (const Teil& t : teile_)
        if (t.vorSpielplan && !t.vorSpielplan(eltern)) return false;
    return true;
}

bool Eingabesicherung::beendenErlaubt(QWidget* eltern) {
    for (const Teil& t : teile_)
        if (t.geaendert() && !verwerfenErlaubt(eltern, t.beschreibung(), t.sichern)) return false;
    return true;
}

void Eingabesicherung::beenden() {
    aktiv_ = false;
    timer_.stop();
    if (fremd_.empty()) {
        QFile::remove(datei());
        return;
    }
    try {
        schreibeEntwurf(datei().toStdString(),
                        Entwurf{static_cast<std::int64_t>(std::time(nullptr)), fremd_});
    } catch (const std::exception&) {
        // the program ends; the draft of the earlier run stays as it was
    }
}

void Eingabesicherung::schreiben() {
    if (!aktiv_) return;
    timer_.stop();
    Entwurf e{static_cast<std::int64_t>(std::time(nullptr)), fremd_};
    try {
        for (const Teil& t : teile_)
            if (t.geaendert()) e.teile[t.name] = t.entwurf();
        if (e.teile.empty())
            QFile::remove(datei());
        else
            schreibeEntwurf(datei().toStdString(), e);
        fehlerGemeldet_ = false;
    } catch (const std::exception& f) {
        // said once; the next change tries again
        if (!fehlerGemeldet_) {
            fehlerGemeldet_ = true;
            dialoge().fehler(nullptr, QString::fromUtf8(f.what()));
        }
    }
}

}  // namespace kv::ui
