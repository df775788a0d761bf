#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "io/Datei.h"
#include "model/Records.h"
#include "update/Updatepruefung.h"

namespace kv::update {
namespace {

std::vector<std::uint8_t> saetze(const std::vector<std::string>& versionen) {
    std::vector<std::uint8_t> inhalt;
    for (const auto& v : versionen) {
        auto satz = versionsSatz(v);
        // The first 8 bytes are never read.
        for (std::size_t i = 0; i < kVersionLaengeOffset; ++i) satz[i] = 0xA5;
        inhalt.insert(inhalt.end(), satz.begin(), satz.end());
    }
    return inhalt;
}

TEST(Versionsdatei, DerLetzteVollstaendigeSatzZaehlt) {
    struct Fall {
        const char* name;
        std::vector<std::uint8_t> inhalt;
        std::string version;
    };
    auto teilSatz = saetze({"1.6.3.0"});
    const auto angehaengt = saetze({"9.9.9.9"});
    teilSatz.insert(teilSatz.end(), angehaengt.begin(), angehaengt.begin() + 23);
    auto rest = saetze({"1.6.1.0"});
    rest[kVersionLaengeOffset] = 3;  // the bytes after the text are not read
    const std::vector<Fall> faelle = {
        {"ein Satz", saetze({"1.6.2.0"}), "1.6.2.0"},
        {"zwei Saetze", saetze({"1.7.0.0", "1.6.2.0"}), "1.6.2.0"},
        {"Teilsatz am Ende", teilSatz, "1.6.3.0"},
        {"Laenge kuerzer als der Text", rest, "1.6"},
        {"leere Version vor der letzten", saetze({"", "1.6.3.0"}), "1.6.3.0"},
        {"15 Zeichen", saetze({"123456789012345"}), "123456789012345"},
        {"Windows-1252-Byte", saetze({"1.7\xe4"}), "1.7\xe4"},
    };
    for (const auto& f : faelle) EXPECT_EQ(leseVersion(f.inhalt), f.version) << f.name;
}

TEST(Versionsdatei, UnlesbareDateien) {
    auto zuLang = saetze({"1.6.2.0"});
    zuLang[kVersionLaengeOffset] = 16;
    auto ersterZuLang = saetze({"1.6.2.0", "1.6.2.0"});
    ersterZuLang[kVersionLaengeOffset] = 200;
    const std::vector<std::pair<const char*, std::vector<std::uint8_t>>> faelle = {
        {"leer", {}},
        {"23 Bytes", std::vector<std::uint8_t>(23, 0)},
        {"HTML statt Saetzen", std::vector<std::uint8_t>(10, '<')},
        {"Laenge 16", zuLang},
        {"Laenge 200 im ersten von zwei Saetzen", ersterZuLang},
        {"Laenge 0", saetze({""})},
        {"Laenge 0 im letzten Satz", saetze({"1.6.3.0", ""})},
    };
    for (const auto& [name, inhalt] : faelle) {
        try {
            leseVersion(inhalt);
            ADD_FAILURE() << name << ": gelesen";
        } catch (const UngueltigeDatei& e) {
            EXPECT_FALSE(std::string(e.what()).empty()) << name;
        }
    }
    try {
        leseVersion(saetze({""}));
        ADD_FAILURE() << "leere Version gelesen";
    } catch (const UngueltigeDatei& e) {
        EXPECT_EQ(std::string(e.what()), "Ihr letzter Eintrag enthält keine Versionsangabe.");
    }
    EXPECT_THROW(leseVersionsdatei("/nicht/vorhanden/verinfos.kvx"), DateiFehler);
}

TEST(Versionsvergleich, NurGleichheitZaehlt) {
    EXPECT_FALSE(downloadAngeboten("1.6.2.0", kVersion));
    for (const char* v : {"1.6.1.0", "1.6.3.0", "1.6.2", "1.6.2.0 ", "", "2.0"})
        EXPECT_TRUE(downloadAngeboten(v, "1.6.2.0")) << v;
}

TEST(Serveradresse, UmgebungErsetztDenMacherServer) {
    EXPECT_EQ(serverAdresse(nullptr), kServer);
    EXPECT_EQ(serverAdresse(""), kServer);
    EXPECT_EQ(std::string(kServer).rfind("https://", 0), 0u);
    EXPECT_EQ(serverAdresse("https://127.0.0.1:4433"), "https://127.0.0.1:4433");
    for (const char* falsch : {"http://127.0.0.1:4433", "https://", "https:///downloads", "ftp://x.example",
                               "127.0.0.1", "HTTPS", "https://:443"}) {
        try {
            serverAdresse(falsch);
            ADD_FAILURE() << falsch;
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find("KALVENDO_UPDATE_URL"), std::string::npos);
        }
    }
    EXPECT_EQ(adresse("https://h.example", kVersionPfad), "https://h.example/downloads/verinfos.kvx");
    EXPECT_EQ(adresse("https://h.example/spiegel/", kInstallerPfad),
              "https://h.example/spiegel/downloads/kvxupdate.run");
}

TEST(Updatemeldungen, WortlautMitOrdnern) {
    const std::string d = "/home/anna/.local/share/Kalvendo/";
    const std::string p = "/home/anna/kalvendo/";
    EXPECT_EQ(textPruefenGescheitert(""), "Die Aktualisierung hat leider nicht geklappt.\r");
    EXPECT_EQ(textPruefenGescheitert("Grund."), "Die Aktualisierung hat leider nicht geklappt.\rGrund.");
    EXPECT_EQ(textKeineVerbindungDownload(),
              "Für den Download der Installations-Datei muss eine Verbindung zum Internet bestehen.\r\r"
              "Ich breche ab.");
    EXPECT_EQ(textDownloadGescheitert(""),
              "Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal oder laden Sie das "
              "Update von \"www.kalvendo.de\" herunter.");
    EXPECT_EQ(textInstallationFrage(d),
              "Um die Installation durchführen zu können, muss das Programm jetzt geschlossen werden. Die "
              "Programm-Datei wird gelöscht und das Update gestartet. Wenn etwas schief läuft, bitte das "
              "Update manuell mit dem Befehl \"sh Update.run\" im Verzeichnis\r"
              "/home/anna/.local/share/Kalvendo/ starten.\r\rSoll fortgefahren werden?");
    EXPECT_EQ(textInstallationAbgebrochen(d, p),
              "Installation wurde auf Ihren Wunsch abgebrochen. Sie  könnnen das Update manuell mit dem "
              "Befehl \"sh Update.run\" im Verzeichnis\r/home/anna/.local/share/Kalvendo/ starten.\r\rZuvor "
              "muss das Programm geschlossen und die Programm-Datei im Verzeichnis\r"
              "/home/anna/kalvendo/ gelöscht werden.");
    EXPECT_EQ(textStartGescheitert(d),
              "Update konnte nicht gestartet werden. Bitte schließen Sie das Programm und starten Sie das "
              "Update manuell mit dem Befehl \"sh Update.run\" im Verzeichnis\r"
              "/home/anna/.local/share/Kalvendo/.");
    EXPECT_EQ(textInstallerFehlt(d),
              "Die Installations-Datei \"Update.run\" ist im Verzeichnis\r/home/anna/.local/share/Kalvendo/ "
              "nicht mehr vorhanden.\r\rBitte laden Sie das Update mit \"Download\" noch einmal herunter.");
    const std::string manuell = textManuellEntfernen(d, p);
    EXPECT_NE(manuell.find(d), std::string::npos);
    EXPECT_NE(manuell.find(p), std::string::npos);
}

}  // namespace
}  // namespace kv::update
