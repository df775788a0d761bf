#include <gtest/gtest.h>

#include <fcntl.h>
#include <gmock/gmock.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <ctime>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "Hilfen.h"
#include "Schreibpruefung.h"
#include "io/Datei.h"

namespace kv {
namespace {

TEST(AtomaresSchreiben, LangerNameGehtUndHinterlaesstNichts) {
    test::TempOrdner tmp;
    const std::string name(250, 'a');
    const std::string pfad = tmp.datei(name);
    schreibeAtomar(pfad, std::string("inhalt"));
    EXPECT_EQ(leseDatei(pfad).size(), 6u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.pfad()), {}), 1);
}

TEST(AtomaresSchreiben, SymbolischeVerknuepfungBleibtErhalten) {
    test::TempOrdner tmp;
    std::filesystem::create_directory(tmp.pfad() / "echt");
    const std::string ziel = tmp.datei("echt/Einstellungen.ini");
    schreibeAtomar(ziel, std::string("alt"));
    const std::string link = tmp.datei("Einstellungen.ini");
    ASSERT_EQ(::symlink(ziel.c_str(), link.c_str()), 0);
    schreibeAtomar(link, std::string("neu"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    const auto inhalt = leseDatei(ziel);
    EXPECT_EQ(std::string(inhalt.begin(), inhalt.end()), "neu");
}

TEST(AtomaresSchreiben, FehlerNenntDieAngegebeneDatei) {
    test::TempOrdner tmp;
    try {
        schreibeAtomar(tmp.datei("fehlt/x.kv13"), std::string("a"));
        ADD_FAILURE() << "no error";
    } catch (const DateiFehler& e) {
        EXPECT_NE(std::string(e.what()).find("fehlt/x.kv13"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("nicht geschrieben werden"), std::string::npos) << e.what();
    }
}

TEST(AtomaresSchreiben, BehaeltRechteUndEigentuemer) {
    test::TempOrdner tmp;
    const std::string pfad = tmp.datei("s.kv13");
    schreibeAtomar(pfad, std::string("alt"));
    ASSERT_EQ(::chmod(pfad.c_str(), 0640), 0);
    // Only a privileged process may give a file away; the owner is then kept too.
    const bool fremd = ::geteuid() == 0 && ::chown(pfad.c_str(), 4321, 4322) == 0;
    schreibeAtomar(pfad, std::string("neu"));
    struct stat st {};
    ASSERT_EQ(::stat(pfad.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (fremd) {
        EXPECT_EQ(st.st_uid, 4321u);
        EXPECT_EQ(st.st_gid, 4322u);
    }
    EXPECT_EQ(test::dateiInhalt(pfad), "neu");
}

// What a write leaves in the folder when its process dies by SIGKILL in the
// middle of it.
std::set<std::string> getoeteterSchreibvorgang(const test::TempOrdner& tmp, const std::string& ziel) {
    const auto vorher = test::eintraege(tmp.pfad());
    const pid_t kind = ::fork();
    if (kind == 0) {
        try {
            AtomaresSchreiben s(ziel);
            s.schreibe(std::string(1 << 20, 'x'));
            ::raise(SIGKILL);
        } catch (...) {
        }
        ::_exit(1);
    }
    int st = 0;
    ::waitpid(kind, &st, 0);
    EXPECT_TRUE(WIFSIGNALED(st));
    std::set<std::string> neu;
    for (const auto& n : test::eintraege(tmp.pfad()))
        if (!vorher.count(n)) neu.insert(n);
    return neu;
}

void altern(const std::string& pfad, int sekunden) {
    const timespec zeiten[2] = {{std::time(nullptr) - sekunden, 0}, {std::time(nullptr) - sekunden, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, pfad.c_str(), zeiten, AT_SYMLINK_NOFOLLOW), 0);
}

TEST(AtomaresSchreiben, GetoeteterSchreibvorgangHinterlaesstHoechstensEigeneDatei) {
    test::TempOrdner tmp;
    const auto liegen = getoeteterSchreibvorgang(tmp, tmp.datei("a.kv13"));
    // Nothing where the file system has files without a name; elsewhere one
    // file the program knows as its own, which a later write removes.
    ASSERT_LE(liegen.size(), 1u);
    if (liegen.empty()) return;
    const std::string name = *liegen.begin();
    EXPECT_THAT(name, ::testing::MatchesRegex("\\.a\\.kv13\\.kalvendo-[A-Za-z0-9]{6}"));
    altern(tmp.datei(name), AtomaresSchreiben::kVerwaistNachSekunden + 5);
    schreibeAtomar(tmp.datei("b.kv13"), std::string("b"));
    EXPECT_EQ(test::eintraege(tmp.pfad()), std::set<std::string>{"b.kv13"});
}

TEST(AtomaresSchreiben, VerwaisteZwischendateienWerdenEntfernt) {
    // As a write killed between naming its file and renaming it leaves them.
    test::TempOrdner tmp;
    const std::string alt = ".a.kv13.kalvendo-Ab12Cd", jung = ".b.kv13.kalvendo-Ef34Gh",
                      gehalten = ".c.kv13.kalvendo-Ij56Kl";
    for (const auto& n : {alt, jung, gehalten}) test::schreibeRoh(tmp.datei(n), "halb");
    // A write of another process still runs on this one.
    const int fd = ::open(tmp.datei(gehalten).c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    // Names and things that are not such files stay.
    const std::vector<std::string> fremde = {".a.kv13.XXXXXX", "a.kv13.kalvendo-abcdef", ".a.kalvendo-abc",
                                             ".ordner.kalvendo-Mn78Op", ".link.kalvendo-Qr90St"};
    for (std::size_t i = 0; i < 3; ++i) test::schreibeRoh(tmp.datei(fremde[i]), "fremd");
    std::filesystem::create_directory(tmp.datei(fremde[3]));
    ASSERT_EQ(::symlink(alt.c_str(), tmp.datei(fremde[4]).c_str()), 0);
    for (const auto& n : {alt, gehalten}) altern(tmp.datei(n), AtomaresSchreiben::kVerwaistNachSekunden + 5);
    for (const auto& n : fremde) altern(tmp.datei(n), AtomaresSchreiben::kVerwaistNachSekunden + 5);

    // A write that runs meanwhile is not disturbed either.
    AtomaresSchreiben laufend(tmp.datei("c.kv13"));
    laufend.schreibe("laeuft");
    schreibeAtomar(tmp.datei("d.kv13"), std::string("d"));
    laufend.abschliessen();

    std::set<std::string> erwartet = {jung, gehalten, "c.kv13", "d.kv13"};
    erwartet.insert(fremde.begin(), fremde.end());
    EXPECT_EQ(test::eintraege(tmp.pfad()), erwartet);
    EXPECT_EQ(test::dateiInhalt(tmp.datei("c.kv13")), "laeuft");
    ::close(fd);
}

TEST(Dateinamen, OhneOrdnerUndEndung) {
    EXPECT_EQ(dateiName("/a/b/Schein.kv13"), "Schein.kv13");
    EXPECT_EQ(dateiName("Schein.kv13"), "Schein.kv13");
    EXPECT_EQ(dateiNameOhneEndung("/a/b.c/Schein.1.kv13"), "Schein.1");
    EXPECT_EQ(dateiNameOhneEndung("/a/.versteckt"), ".versteckt");
    EXPECT_EQ(dateiNameOhneEndung("/a/ohne"), "ohne");
}

}  // namespace
}  // namespace kv
