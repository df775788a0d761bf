#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "../common/Schreibschutz.h"
#include "Hilfen.h"
#include "io/Datei.h"
#include "model/Records.h"
#include "update/Updatepruefung.h"

extern char** environ;

namespace kv::update {
namespace {

namespace fs = std::filesystem;
using test::TempOrdner;

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
        {"leere Version", saetze({""}), ""},
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
    };
    for (const auto& [name, inhalt] : faelle) {
        try {
            leseVersion(inhalt);
            ADD_FAILURE() << name << ": gelesen";
        } catch (const UngueltigeDatei& e) {
            EXPECT_FALSE(std::string(e.what()).empty()) << name;
        }
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
              "Update manuell durch Doppelklick auf die Datei \"Update.run\" im Verzeichnis "
              "/home/anna/.local/share/Kalvendo/ starten.\r\rSoll fortgefahren werden?");
    EXPECT_EQ(textInstallationAbgebrochen(d, p),
              "Installation wurde auf Ihren Wunsch abgebrochen. Sie  könnnen das Update manuell durch "
              "Doppelklick auf die Datei \"Update.run\" im Verzeichnis /home/anna/.local/share/Kalvendo/ "
              "starten.\r\rZuvor muss das Programm geschlossen und die Programm-Datei im Verzeichnis "
              "/home/anna/kalvendo/ gelöscht werden.");
    EXPECT_EQ(textStartGescheitert(d),
              "Update konnte nicht gestartet werden. Bitte schließen Sie das Programm und starten Sie das "
              "Update manuell durch Doppelklick auf die Datei \"Update.run\" im Verzeichnis "
              "/home/anna/.local/share/Kalvendo/.");
    const std::string manuell = textManuellEntfernen(d, p);
    EXPECT_NE(manuell.find(d), std::string::npos);
    EXPECT_NE(manuell.find(p), std::string::npos);
}

TEST(Programmentfernung, OrdnerUndSchreibrechte) {
    EXPECT_EQ(programmOrdner("/opt/kv/kalvendo"), "/opt/kv/");
    EXPECT_EQ(programmOrdner("kalvendo"), "./");
    TempOrdner tmp;
    const fs::path ordner = tmp.pfad() / "programm";
    fs::create_directory(ordner);
    const std::string datei = (ordner / "kalvendo").string();
    std::ofstream(datei) << "x";
    EXPECT_TRUE(programmEntfernbar(datei));
    EXPECT_FALSE(programmEntfernbar((ordner / "fehlt").string()));
    test::Schreibschutz schutz(ordner.string());
    if (!schutz.ok()) GTEST_SKIP() << "Ordner laesst sich hier nicht schuetzen";
    EXPECT_FALSE(programmEntfernbar(datei));
}

// Runs the script with /bin/sh in the background, as the program does.
pid_t starte(const std::vector<std::string>& befehl) {
    std::vector<char*> argv;
    for (const auto& a : befehl) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    return pid;
}

bool warteBis(const std::function<bool()>& bedingung) {
    for (int i = 0; i < 200; ++i) {
        if (bedingung()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return bedingung();
}

// Collects a finished script; one that still runs after the checks is killed.
void beende(pid_t sh) {
    bool fertig = false;
    warteBis([&] { return fertig = fertig || ::waitpid(sh, nullptr, WNOHANG) == sh; });
    if (!fertig) {
        ADD_FAILURE() << "Skript laeuft noch";
        ::kill(sh, SIGKILL);
        ::waitpid(sh, nullptr, 0);
    }
}

TEST(Programmentfernung, SkriptWartetLoeschtUndRaeumtAuf) {
    struct Fall {
        const char* ordnername;
        bool weitereDatei;  // the folder is not empty after the program file is gone
    };
    for (const Fall& f : {Fall{"Programm", false}, Fall{"Pro'gramm mit $HOME und \"Blanks\"", false},
                          Fall{"Programm", true}}) {
        SCOPED_TRACE(f.ordnername);
        TempOrdner tmp;
        const fs::path ordner = tmp.pfad() / f.ordnername;
        fs::create_directory(ordner);
        const fs::path programm = ordner / "kalvendo";
        fs::copy_file("/bin/sleep", programm);
        if (f.weitereDatei) std::ofstream(ordner / "liesmich.txt") << "bleibt";
        const pid_t laufend = starte({programm.string(), "30"});
        ASSERT_GT(laufend, 0);

        const fs::path skript = tmp.pfad() / "uis1234.sh";
        const std::string ordnerMitTrenner = ordner.string() + "/";
        EXPECT_EQ(programmOrdner(programm.string()), ordnerMitTrenner);
        std::ofstream(skript) << entfernungsSkript(laufend, programm.string(), ordnerMitTrenner,
                                                   skript.string());
        const pid_t sh = starte({"/bin/sh", skript.string()});
        ASSERT_GT(sh, 0);

        // While the program runs, its file stays.
        std::this_thread::sleep_for(std::chrono::milliseconds(600));
        EXPECT_TRUE(fs::exists(programm));
        EXPECT_TRUE(fs::exists(skript));

        ::kill(laufend, SIGTERM);
        ::waitpid(laufend, nullptr, 0);
        EXPECT_TRUE(warteBis([&] { return !fs::exists(programm) && !fs::exists(skript); }));
        EXPECT_EQ(fs::exists(ordner), f.weitereDatei);
        beende(sh);
    }
}

TEST(Programmentfernung, EinBeendeterUnabgeholterProzessGiltAlsBeendet) {
    // The program's parent may not have collected it yet: a zombie has ended.
    TempOrdner tmp;
    const fs::path ordner = tmp.pfad() / "Programm";
    fs::create_directory(ordner);
    const fs::path programm = ordner / "kalvendo";
    std::ofstream(programm) << "x";
    const pid_t zombie = starte({"/bin/true"});
    ASSERT_GT(zombie, 0);
    ASSERT_TRUE(warteBis([&] {
        std::ifstream stat("/proc/" + std::to_string(zombie) + "/stat");
        std::string zeile;
        std::getline(stat, zeile);
        return zeile.find(") Z") != std::string::npos;
    }));
    const fs::path skript = tmp.pfad() / "uis5678.sh";
    std::ofstream(skript) << entfernungsSkript(zombie, programm.string(), ordner.string() + "/",
                                               skript.string());
    const pid_t sh = starte({"/bin/sh", skript.string()});
    ASSERT_GT(sh, 0);
    EXPECT_TRUE(warteBis([&] { return !fs::exists(programm) && !fs::exists(skript); }));
    beende(sh);
    ::waitpid(zombie, nullptr, 0);
}

}  // namespace
}  // namespace kv::update
