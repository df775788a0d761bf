#include "update/Updatepruefung.h"

#include <stdexcept>

#include "io/Datei.h"
#include "model/Records.h"

namespace kv::update {

namespace {

std::string mitGrund(std::string text, std::string_view trenner, std::string_view grund) {
    if (!grund.empty()) {
        text += trenner;
        text += grund;
    }
    return text;
}

// "im Verzeichnis" and a folder. The folder begins a line: a message box
// wraps long lines after any "/", and would break the folder's name apart.
std::string imVerzeichnis(std::string_view ordner) {
    return "im Verzeichnis\r" + std::string(ordner);
}

// How the user starts the saved installer by hand. A double click does not
// run a ".run" file on most Linux desktops; the shell does, even where the
// data folder does not allow programs to be run from it.
std::string vonHand(std::string_view datenordner) {
    return std::string("mit dem Befehl \"sh ") + kInstallerDatei + "\" " + imVerzeichnis(datenordner);
}

}  // namespace

std::string leseVersion(const std::vector<std::uint8_t>& inhalt) {
    const std::size_t saetze = inhalt.size() / kVersionSatz;
    if (saetze == 0) {
        throw UngueltigeDatei("Sie enthält keinen vollständigen Eintrag (" + std::to_string(inhalt.size()) +
                              " Bytes, ein Eintrag hat " + std::to_string(kVersionSatz) + ").");
    }
    std::string version;
    for (std::size_t s = 0; s < saetze; ++s) {
        const std::uint8_t* satz = inhalt.data() + s * kVersionSatz;
        const std::size_t laenge = satz[kVersionLaengeOffset];
        if (laenge > kVersionTextMax) {
            throw UngueltigeDatei("Eintrag " + std::to_string(s + 1) + " gibt als Länge der Version " +
                                  std::to_string(laenge) + " an, erlaubt sind höchstens " +
                                  std::to_string(kVersionTextMax) + ".");
        }
        const auto* text = satz + kVersionLaengeOffset + 1;
        version.assign(text, text + laenge);
    }
    // An empty text would count as a version other than the installed one.
    if (version.empty()) throw UngueltigeDatei("Ihr letzter Eintrag enthält keine Versionsangabe.");
    return version;
}

std::string leseVersionsdatei(const std::string& pfad) {
    return leseVersion(leseDatei(pfad));
}

std::vector<std::uint8_t> versionsSatz(std::string_view version) {
    if (version.size() > kVersionTextMax) throw std::invalid_argument("Version länger als 15 Zeichen");
    std::vector<std::uint8_t> satz(kVersionSatz, 0);
    satz[kVersionLaengeOffset] = static_cast<std::uint8_t>(version.size());
    for (std::size_t i = 0; i < version.size(); ++i)
        satz[kVersionLaengeOffset + 1 + i] = static_cast<std::uint8_t>(version[i]);
    return satz;
}

bool downloadAngeboten(std::string_view verfuegbar, std::string_view installiert) {
    return verfuegbar != installiert;
}

std::string serverAdresse(const char* umgebung) {
    if (umgebung == nullptr || *umgebung == '\0') return kServer;
    const std::string wert = umgebung;
    const std::string_view schema = "https://";
    const bool https = wert.size() > schema.size() && wert.compare(0, schema.size(), schema) == 0;
    const char nachHost = https ? wert[schema.size()] : '\0';
    if (!https || nachHost == '/' || nachHost == ':' || nachHost == '?' || nachHost == '#') {
        throw std::invalid_argument(std::string("Die Umgebungsvariable ") + kServerVariable + " enthält \"" +
                                    wert +
                                    "\". Erlaubt ist nur eine https-Adresse mit Servername, etwa "
                                    "\"https://spiegel.example.org\".");
    }
    return wert;
}

std::string adresse(std::string_view basis, std::string_view pfad) {
    while (!basis.empty() && basis.back() == '/') basis.remove_suffix(1);
    std::string ergebnis(basis);
    if (pfad.empty() || pfad.front() != '/') ergebnis += '/';
    ergebnis += pfad;
    return ergebnis;
}

std::string textKeineVerbindungPruefen() {
    return "Für die Aktualisierung muss eine Verbindung zum Internet bestehen.";
}

std::string textPruefenGescheitert(std::string_view grund) {
    return mitGrund("Die Aktualisierung hat leider nicht geklappt.\r", "", grund);
}

std::string textVersionsdateiUnlesbar(std::string_view grund) {
    return mitGrund(std::string("Die Versionsinformation \"") + kVersionDatei +
                        "\" vom Server ist nicht lesbar, daher kann ich die Versionen nicht vergleichen.",
                    " ", grund) +
           kAbsatz + "Die Aktualisierung hat leider nicht geklappt.";
}

std::string textKeineVerbindungDownload() {
    return std::string(
               "Für den Download der Installations-Datei muss eine Verbindung zum Internet bestehen.") +
           kAbsatz + "Ich breche ab.";
}

std::string textDownloadGescheitert(std::string_view grund) {
    return mitGrund(
        std::string("Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal oder "
                    "laden Sie das Update von \"") +
            kWebseite + "\" herunter.",
        kAbsatz, grund);
}

std::string textInstallationFrage(std::string_view datenordner) {
    return "Um die Installation durchführen zu können, muss das Programm jetzt geschlossen werden. Die "
           "Programm-Datei wird gelöscht und das Update gestartet. Wenn etwas schief läuft, bitte das Update "
           "manuell " +
           vonHand(datenordner) + " starten." + kAbsatz + "Soll fortgefahren werden?";
}

std::string textInstallationAbgebrochen(std::string_view datenordner, std::string_view programmordner) {
    // The double blank and "könnnen" are the message as users know it.
    return "Installation wurde auf Ihren Wunsch abgebrochen. Sie  könnnen das Update manuell " +
           vonHand(datenordner) + " starten." + kAbsatz +
           "Zuvor muss das Programm geschlossen und die Programm-Datei " + imVerzeichnis(programmordner) +
           " gelöscht werden.";
}

std::string textStartGescheitert(std::string_view datenordner) {
    return "Update konnte nicht gestartet werden. Bitte schließen Sie das Programm und starten Sie das "
           "Update manuell " +
           vonHand(datenordner) + ".";
}

std::string textInstallerFehlt(std::string_view datenordner) {
    return std::string("Die Installations-Datei \"") + kInstallerDatei + "\" ist " +
           imVerzeichnis(datenordner) + " nicht mehr vorhanden." + kAbsatz +
           "Bitte laden Sie das Update mit \"Download\" noch einmal herunter.";
}

// Not the cancel message: the user said yes and the installer runs, so
// "auf Ihren Wunsch abgebrochen" would be untrue. Only the folder's missing
// write permission keeps the old program file.
std::string textManuellEntfernen(std::string_view datenordner, std::string_view programmordner) {
    return "Das Update wurde gestartet. Die alte Programm-Datei " + imVerzeichnis(programmordner) +
           " kann ich aber nicht löschen, weil Ihnen dort die Schreibrechte fehlen." + kAbsatz +
           "Bitte schließen Sie das Programm und lassen Sie die Programm-Datei " +
           imVerzeichnis(programmordner) +
           " von jemandem mit den nötigen Rechten löschen. Sie können das Update jederzeit manuell " +
           vonHand(datenordner) + " starten.";
}

std::string textEntfernungGescheitert(std::string_view grund, std::string_view datenordner,
                                      std::string_view programmordner) {
    return mitGrund(
               "Das Update wurde gestartet, aber die alte Programm-Datei kann nicht automatisch "
               "gelöscht werden.",
               " ", grund) +
           kAbsatz + "Bitte schließen Sie das Programm und löschen Sie die Programm-Datei " +
           imVerzeichnis(programmordner) + " selbst. Sie können das Update jederzeit manuell " +
           vonHand(datenordner) + " starten.";
}

}  // namespace kv::update
