#include "common/Programmkontext.h"

#include "help/Hilfe.h"
#include "model/Records.h"

namespace kv::ui {

Programmkontext::Programmkontext(const QString& datenordner)
    : datenordner_(datenordner), melder_(zustand_), eingabesicherung_(datenordner) {}

Programmkontext::~Programmkontext() = default;

QString Programmkontext::einstellungsdatei() const {
    return datenordner_ + QString::fromUtf8(kEinstellungsdatei);
}

QString Programmkontext::spielstanddatei() const {
    return datenordner_ + QString::fromUtf8(kSpielstandDatei);
}

void Programmkontext::hilfe(QWidget* fenster, int kontext) const {
    hilfeZeigen(fenster, kontext);
}

}  // namespace kv::ui
