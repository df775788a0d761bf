// The removal of the old program after the hand-over: the generated script
// run by /bin/sh against real files and processes. It must delete the old
// program and its emptied folder, and nothing an installer put in their place.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "../common/Schreibschutz.h"
#include "Hilfen.h"
#include "update/Programmentfernung.h"

extern char** environ;

namespace kv::update {
namespace {

namespace fs = std::filesystem;
using test::TempOrdner;

pid_t starte(const std::vector<std::string>& befehl) {
    std::vector<char*> argv;
    for (const auto& a : befehl) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    return pid;
}

// Waits for `bedingung` with a generous limit (the machine may be busy).
bool warteBis(const std::function<bool()>& bedingung) {
    const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < ende) {
        if (bedingung()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return bedingung();
}

// The exit status of the script `sh`, or -1 when it did not end (it is then killed).
int ende(pid_t sh) {
    int status = 0;
    if (warteBis([&] { return ::waitpid(sh, &status, WNOHANG) == sh; }))
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    ::kill(sh, SIGKILL);
    ::waitpid(sh, nullptr, 0);
    return -1;
}

bool laeuftNoch(pid_t sh) {
    return ::waitpid(sh, nullptr, WNOHANG) == 0;
}

std::string lies(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

void schreibe(const fs::path& p, const std::string& inhalt) {
    std::ofstream(p, std::ios::binary) << inhalt;
}

// A program folder with its program file, as the update window finds them
// before it starts the installer.
struct Lage {
    TempOrdner tmp;
    fs::path ordner, programm, skript;

    explicit Lage(const std::string& ordnername = "Programm") {
        ordner = tmp.pfad() / ordnername;
        fs::create_directory(ordner);
        programm = ordner / "kalvendo";
        schreibe(programm, "altes Programm");
        skript = tmp.pfad() / "uis0001.sh";
    }

    Entfernung entfernung(const std::vector<Prozess>& warten = {}) const {
        Entfernung e;
        e.programmDatei = programm.string();
        e.programm = *dateikennung(programm.string());
        e.programmOrdner = programmOrdner(programm.string());
        e.ordner = *dateikennung(ordner.string());
        e.warten = warten;
        e.skript = skript.string();
        return e;
    }

    pid_t starten(const Entfernung& e) const {
        schreibe(skript, entfernungsSkript(e));
        return starte({"/bin/sh", skript.string()});
    }
};

TEST(Programmentfernung, LoeschtNurWasNochDasAlteProgrammIst) {
    struct Fall {
        const char* name;
        std::function<void(Lage&)> installer;  // what happens between identity and script
        bool programmBleibt;                   // something stays at the program's path
        bool ordnerBleibt;
    };
    const std::vector<Fall> faelle = {
        {"unveraendert", [](Lage&) {}, false, false},
        {"weitere Datei im Ordner", [](Lage& l) { schreibe(l.ordner / "liesmich.txt", "bleibt"); }, false,
         true},
        {"durch Umbenennen ersetzt",
         [](Lage& l) {
             schreibe(l.ordner / ".neu", "neues Programm");
             fs::rename(l.ordner / ".neu", l.programm);
         },
         true, true},
        {"an Ort und Stelle ueberschrieben, gleiche Groesse",
         [](Lage& l) {
             const auto zeit = fs::last_write_time(l.programm);
             std::fstream f(l.programm, std::ios::in | std::ios::out | std::ios::binary);
             f << "neues Programm";
             f.close();
             fs::last_write_time(l.programm, zeit + std::chrono::seconds(1));
         },
         true, true},
        {"laenger geschrieben, alte Zeit zurueckgesetzt",
         [](Lage& l) {
             const auto zeit = fs::last_write_time(l.programm);
             std::ofstream(l.programm, std::ios::app) << " und mehr";
             fs::last_write_time(l.programm, zeit);
         },
         true, true},
        {"durch Verweis ersetzt",
         [](Lage& l) {
             schreibe(l.tmp.pfad() / "neu", "neues Programm");
             fs::remove(l.programm);
             fs::create_symlink(l.tmp.pfad() / "neu", l.programm);
         },
         true, true},
        {"Ordner mit neuem Programm neu angelegt",
         [](Lage& l) {
             fs::remove_all(l.ordner);
             fs::create_directory(l.ordner);
             schreibe(l.programm, "neues Programm");
         },
         true, true},
        {"Ordner leer neu angelegt",
         [](Lage& l) {
             fs::remove_all(l.ordner);
             fs::create_directory(l.ordner);
         },
         false, true},
        {"Programm schon entfernt", [](Lage& l) { fs::remove(l.programm); }, false, true},
        // the old file itself, moved into a folder the installer made: the
        // file goes, the installer's folder stays
        {"Ordner neu angelegt, altes Programm hineinverschoben",
         [](Lage& l) {
             fs::rename(l.ordner, l.tmp.pfad() / "alt");
             fs::create_directory(l.ordner);
             fs::rename(l.tmp.pfad() / "alt" / "kalvendo", l.programm);
         },
         false, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Lage l;
        const Entfernung e = l.entfernung();
        f.installer(l);
        const std::string danach = fs::is_symlink(l.programm) ? std::string() : lies(l.programm);
        const pid_t sh = l.starten(e);
        ASSERT_GT(sh, 0);
        EXPECT_EQ(ende(sh), 0);
        EXPECT_FALSE(fs::exists(l.skript));
        EXPECT_EQ(fs::exists(fs::symlink_status(l.programm)), f.programmBleibt);
        if (f.programmBleibt && !fs::is_symlink(l.programm)) {
            EXPECT_EQ(lies(l.programm), danach);
        }
        EXPECT_EQ(fs::exists(l.ordner), f.ordnerBleibt);
        if (fs::is_symlink(l.programm)) {
            EXPECT_EQ(lies(l.tmp.pfad() / "neu"), "neues Programm");
        }
        if (fs::exists(l.ordner / "liesmich.txt")) {
            EXPECT_EQ(lies(l.ordner / "liesmich.txt"), "bleibt");
        }
    }
}

TEST(Programmentfernung, NamenMitZeichenDerShell) {
    for (const char* name : {"Pro'gramm mit $HOME und \"Blanks\"", "a;b`c`*?[x] \\n", "-n"}) {
        SCOPED_TRACE(name);
        Lage l(name);
        const fs::path fremd = l.tmp.pfad() / "fremd";
        schreibe(fremd, "nicht anfassen");
        const pid_t sh = l.starten(l.entfernung());
        ASSERT_GT(sh, 0);
        EXPECT_EQ(ende(sh), 0);
        EXPECT_FALSE(fs::exists(l.programm));
        EXPECT_FALSE(fs::exists(l.ordner));
        EXPECT_FALSE(fs::exists(l.skript));
        EXPECT_EQ(lies(fremd), "nicht anfassen");
    }
}

TEST(Programmentfernung, WartetAufProgrammUndInstaller) {
    Lage l;
    const pid_t programm = starte({"/bin/sleep", "60"});
    const pid_t installer = starte({"/bin/sleep", "60"});
    ASSERT_GT(programm, 0);
    ASSERT_GT(installer, 0);
    const auto p = laufenderProzess(programm);
    const auto i = laufenderProzess(installer);
    ASSERT_TRUE(p && i);
    const pid_t sh = l.starten(l.entfernung({*p, *i}));
    ASSERT_GT(sh, 0);

    // While either runs, everything stays. (A pause, not a bound: on a slow
    // machine the check only gets weaker.)
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    EXPECT_TRUE(laeuftNoch(sh));
    EXPECT_TRUE(fs::exists(l.programm));
    ::kill(programm, SIGTERM);
    ::waitpid(programm, nullptr, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    EXPECT_TRUE(laeuftNoch(sh));
    EXPECT_TRUE(fs::exists(l.programm));
    EXPECT_TRUE(fs::exists(l.skript));

    ::kill(installer, SIGTERM);
    ::waitpid(installer, nullptr, 0);
    EXPECT_EQ(ende(sh), 0);
    EXPECT_FALSE(fs::exists(l.programm));
    EXPECT_FALSE(fs::exists(l.ordner));
    EXPECT_FALSE(fs::exists(l.skript));
}

TEST(Programmentfernung, BeendetGiltAuchOhneAbholenUndBeiNeuVergebenerNummer) {
    struct Fall {
        const char* name;
        bool zombie;        // the process has ended, its parent has not collected it
        long startVersatz;  // the recorded start time differs: the id now names another process
    };
    for (const Fall& f : {Fall{"nicht abgeholt", true, 0}, Fall{"Nummer neu vergeben", false, 1}}) {
        SCOPED_TRACE(f.name);
        Lage l;
        const pid_t prozess = starte({"/bin/sleep", "60"});
        ASSERT_GT(prozess, 0);
        auto p = laufenderProzess(prozess);
        ASSERT_TRUE(p);
        p->start += static_cast<unsigned long long>(f.startVersatz);
        if (f.zombie) {
            ::kill(prozess, SIGKILL);
            ASSERT_TRUE(warteBis([&] { return !laufenderProzess(prozess); }));
        }
        const pid_t sh = l.starten(l.entfernung({*p}));
        ASSERT_GT(sh, 0);
        EXPECT_EQ(ende(sh), 0);
        EXPECT_FALSE(fs::exists(l.programm));
        EXPECT_FALSE(fs::exists(l.skript));
        ::kill(prozess, SIGKILL);
        ::waitpid(prozess, nullptr, 0);
    }
}

TEST(Programmentfernung, ProzessUndStartzeit) {
    const auto ich = laufenderProzess(::getpid());
    ASSERT_TRUE(ich);
    EXPECT_EQ(ich->pid, ::getpid());
    EXPECT_GT(ich->start, 0u);
    EXPECT_EQ(laufenderProzess(::getpid())->start, ich->start);
    const pid_t kurz = starte({"/bin/true"});
    ASSERT_GT(kurz, 0);
    ::waitpid(kurz, nullptr, 0);
    EXPECT_FALSE(laufenderProzess(kurz));
    EXPECT_FALSE(laufenderProzess(0));
    EXPECT_FALSE(laufenderProzess(-1));
}

// What the script compares is what stat(1) prints for the same entry.
TEST(Programmentfernung, KennungWieStatSieZeigt) {
    TempOrdner tmp;
    const fs::path datei = tmp.pfad() / "kalvendo";
    schreibe(datei, "12345");
    const timespec zeiten[2] = {{1700000000, 12345}, {1700000000, 12345}};
    ASSERT_EQ(::utimensat(AT_FDCWD, datei.c_str(), zeiten, 0), 0);
    const auto stat = [](const std::string& format, const fs::path& p) {
        const std::string befehl = "stat -c '" + format + "' -- " + shellWort(p.string());
        FILE* aus = ::popen(befehl.c_str(), "r");
        char zeile[256] = {};
        const bool gelesen = aus && std::fgets(zeile, sizeof zeile, aus);
        if (aus) ::pclose(aus);
        std::string s = gelesen ? zeile : "";
        while (!s.empty() && s.back() == '\n') s.pop_back();
        return s;
    };
    const auto k = dateikennung(datei.string());
    ASSERT_TRUE(k);
    EXPECT_EQ(k->groesse, 5);
    EXPECT_EQ(kennungText(*k), stat("%d:%i:%s:%.9Y", datei));
    EXPECT_NE(kennungText(*k).find(":1700000000.000012345"), std::string::npos) << kennungText(*k);
    const auto o = dateikennung(tmp.pfad().string());
    ASSERT_TRUE(o);
    EXPECT_EQ(ordnerKennungText(*o), stat("%d:%i", tmp.pfad()));
    EXPECT_FALSE(dateikennung((tmp.pfad() / "fehlt").string()));
}

TEST(Programmentfernung, OrdnerUndSchreibrechte) {
    EXPECT_EQ(programmOrdner("/opt/kv/kalvendo"), "/opt/kv/");
    EXPECT_EQ(programmOrdner("kalvendo"), "./");
    TempOrdner tmp;
    const fs::path ordner = tmp.pfad() / "programm";
    fs::create_directory(ordner);
    const std::string datei = (ordner / "kalvendo").string();
    schreibe(datei, "x");
    EXPECT_TRUE(programmEntfernbar(datei));
    EXPECT_FALSE(programmEntfernbar((ordner / "fehlt").string()));
    // as root too: an immutable folder is unwritable for everyone
    test::Schreibschutz schutz(ordner.string());
    ASSERT_TRUE(schutz.ok()) << schutz.fehler();
    EXPECT_FALSE(programmEntfernbar(datei));
}

}  // namespace
}  // namespace kv::update
