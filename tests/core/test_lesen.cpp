// What the readers accept: regular files only, and a file that vanishes while
// the settings are read is no file rather than an error.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "Hilfen.h"
#include "Schreibpruefung.h"
#include "eingabe/Systemscheineingabe.h"
#include "io/Datei.h"
#include "model/Spielplandatei.h"
#include "model/Spielscheindatei.h"
#include "model/Spielstandsdatei.h"
#include "print/Scheinformat.h"
#include "settings/IniDatei.h"

namespace kv {
namespace {

// Runs `lies`. A reader that waits for a writer of the FIFO `fifo` is set
// free after 3 s (it then sees an empty file), so such a fault shows as a
// failed expectation instead of a test that never ends.
void mitFifoWaechter(const std::string& fifo, const std::function<void()>& lies) {
    std::atomic<bool> fertig{false};
    std::thread waechter([&] {
        for (int i = 0; i < 30 && !fertig; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (fertig) return;
        const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
    });
    lies();
    fertig = true;
    waechter.join();
}

TEST(Lesen, NurGewoehnlicheDateien) {
    test::TempOrdner tmp;
    const std::string fifo = tmp.datei("fifo.kv13");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_directory(tmp.datei("ordner.kv13"));
    ASSERT_EQ(::symlink("/dev/null", tmp.datei("geraet.kv13").c_str()), 0);

    const std::vector<std::pair<const char*, std::function<void(const std::string&)>>> leser = {
        {"Spielschein", [](const std::string& p) { leseSpielschein(p); }},
        {"Spielstände",
         [](const std::string& p) {
             Spielstaende st{};
             leseSpielstaende(p, st);
         }},
        {"Spielplan",
         [](const std::string& p) {
             Begegnungen b{};
             leseBegegnungen(p, b);
         }},
        {"Einstellungen", [](const std::string& p) { IniDatei(p).leseZahl("A", "k", 1); }},
        {"Systemschein", [](const std::string& p) { systemscheinLesen(p); }},
        {"Scheinformat", [](const std::string& p) { leseScheinformat(p); }},
        {"Textdatei", [](const std::string& p) { leseDatei(p); }},
    };
    const std::vector<std::pair<std::string, std::string>> eingaben = {
        {fifo, "Das ist eine Pipe (FIFO), keine gewöhnliche Datei."},
        {tmp.datei("ordner.kv13"), "Das ist ein Ordner, keine Datei."},
        {tmp.datei("geraet.kv13"), "Das ist ein Gerät, keine gewöhnliche Datei."},
    };
    for (const auto& [name, lies] : leser)
        for (const auto& [pfad, grund] : eingaben) {
            SCOPED_TRACE(std::string(name) + " " + pfad);
            mitFifoWaechter(fifo, [&] {
                try {
                    lies(pfad);
                    ADD_FAILURE() << "gelesen";
                } catch (const DateiFehler& e) {
                    EXPECT_EQ(std::string(e.what()),
                              "Die Datei " + pfad + " konnte nicht gelesen werden: " + grund);
                }
            });
        }
}

TEST(Lesen, EinstellungenDieVerschwindenGebenDieVorgabe) {
    // Another process keeps creating and removing the settings file; every
    // read gives the value or, when the file is not there, the default.
    test::TempOrdner tmp;
    const std::string vorlage = tmp.datei("vorlage.ini");
    const std::string pfad = tmp.datei("Einstellungen.ini");
    test::schreibeRoh(vorlage, "[A]\nk=5\n");
    std::atomic<bool> ende{false};
    std::thread anderer([&] {
        while (!ende) {
            ::link(vorlage.c_str(), pfad.c_str());
            ::unlink(pfad.c_str());
        }
    });
    const IniDatei ini(pfad);
    int wert = 0, vorgabe = 0, fehler = 0;
    std::string meldung;
    // Until each answer came up often: a read that falls between a check and
    // an open of the file comes up a few times in every ten thousand. However
    // slowly the two threads take turns (a busy machine, the sanitizers), the
    // race runs that long; the limit only ends a run where one answer never
    // or hardly comes.
    constexpr int kJeAntwort = 30000;
    const auto grenze = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while ((wert < kJeAntwort || vorgabe < kJeAntwort) && std::chrono::steady_clock::now() < grenze) {
        try {
            (ini.leseZahl("A", "k", -1) == 5 ? wert : vorgabe)++;
        } catch (const DateiFehler& e) {
            ++fehler;
            meldung = e.what();
        }
    }
    ende = true;
    anderer.join();
    EXPECT_EQ(fehler, 0) << meldung << " (" << wert << " Werte, " << vorgabe << " Vorgaben)";
    // Both answers came up, so the race really ran.
    EXPECT_GT(wert, 0);
    EXPECT_GT(vorgabe, 0);
}

}  // namespace
}  // namespace kv
