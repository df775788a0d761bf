// The one command table: every window's command is made known here, one line
// each; the window's own file says what the command is and where it goes.
#include "Programm.h"

#include <QCoreApplication>

#include "Uebergabe.h"
#include "common/Fenster.h"

#include "chancen/TFEinsatz.h"
#include "common/Rechner.h"
#include "entry/TFEingabe.h"
#include "entry/TFEingabeSys.h"
#include "entry/TFQuotenFilter.h"
#include "garantie/TFGarantie.h"
#include "help/Hilfe.h"
#include "main/TFGZEingabe.h"
#include "main/TFInfo.h"
#include "main/TFKal.h"
#include "main/TFMain.h"
#include "print/TFDruck.h"
#include "transfer/TFTransfer.h"
#include "update/TFNeu.h"

namespace kv::ui {

Programm::Programm(const QString& datenordner)
    : kontext_(datenordner), hauptfenster_(std::make_unique<TFMain>(kontext_)) {
    // files that came while the main window started (a later start handed
    // them over while a message of the start was open) open now
    QObject::connect(hauptfenster_.get(), &TFMain::gestartet, hauptfenster_.get(),
                     [this] { wartendeOeffnen(); });
}

Programm::~Programm() {
    // the windows go before the state they show
    hauptfenster_.reset();
}

void Programm::dateienOeffnen(const QStringList& dateien) {
    wartend_ << dateien;
    wartendeOeffnen();
}

void Programm::wartendeOeffnen() {
    // one at a time: files that come while a message box of another file is
    // open follow it
    if (oeffnet_ || !hauptfenster_->startFertig()) return;
    oeffnet_ = true;
    while (!wartend_.isEmpty()) kontext_.dateioeffner().oeffnen({wartend_.takeFirst()}, hauptfenster_.get());
    oeffnet_ = false;
}

void Programm::uebergabeAnnehmen(Uebergabe& uebergabe) {
    QObject::connect(&uebergabe, &Uebergabe::dateienErhalten, hauptfenster_.get(),
                     [this](const QStringList& dateien) {
                         zeigenUndHeben(hauptfenster_.get());
                         dateienOeffnen(dateien);
                     });
}

std::unique_ptr<Programm> programmAufbauen(const QString& datenordner) {
    fensterHueten();
    auto programm = std::make_unique<Programm>(datenordner);
    Programmkontext& k = programm->kontext();
    TFMain& haupt = programm->hauptfenster();
    Befehlstabelle& befehle = k.befehle();

    befehle.anmelden(normalscheinBefehl(k));
    befehle.anmelden(systemscheinBefehl(k));
    befehle.anmelden(druckBefehl(k));
    scheinformateAnmelden(k);
    befehle.anmelden(gewinnzahlenBefehl(k));
    befehle.anmelden(transferToolBefehl(k));
    befehle.anmelden(rechnerBefehl());
    befehle.anmelden(kalenderBefehl(k));
    befehle.anmelden(garantieBefehl(k));
    befehle.anmelden(einsatzBefehl(k));
    befehle.anmelden(hilfeInhaltBefehl(&haupt));
    befehle.anmelden(hilfeSuchenBefehl(&haupt));
    befehle.anmelden(infoBefehl(k));
    befehle.anmelden(updateBefehl(k));
    befehle.anmelden(quotenFilterBefehl(k));

    // The end of the program leaves the event loop at once: the other windows
    // are not closed, so none of them runs its closing handler.
    QObject::connect(&haupt, &TFMain::beendet, &haupt, [] { QCoreApplication::exit(0); });
    return programm;
}

}  // namespace kv::ui
