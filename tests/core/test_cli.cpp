// kalvendo-cli from the outside: the contract of its commands.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "Clitest.h"
#include "Hilfen.h"
#include "Schreibpruefung.h"
#include "io/Datei.h"
#include "model/Spielscheindatei.h"
#include "model/Spielstandsdatei.h"

namespace kv {
namespace {

using Lauf = test::CliLauf;

class Cli : public test::Clitest {};

TEST_F(Cli, ExpandSchreibtTextzeilenMitCrLf) {
    const auto p =
        schein("s.kv13", {test::feldAus({"12", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "10"}),
                          test::reiheAus("2222222222220")});
    const Lauf l = starte("expand " + p);
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.out,
              "1,1,1,1,1,1,1,1,1,1,1,1,1\r\n1,1,1,1,1,1,1,1,1,1,1,1,0\r\n"
              "2,1,1,1,1,1,1,1,1,1,1,1,1\r\n2,1,1,1,1,1,1,1,1,1,1,1,0\r\n"
              "2,2,2,2,2,2,2,2,2,2,2,2,0\r\n");
    EXPECT_EQ(l.err, "");
}

TEST_F(Cli, ExpandDesGroesstenSystems) {
    const auto p = schein("voll.kv13", {test::feldAus({"102", "102", "102", "102", "102", "102", "102", "102",
                                                       "102", "102", "102", "102", "102"})});
    const Lauf l = starte("expand " + p);
    ASSERT_EQ(l.status, 0);
    EXPECT_EQ(l.out.size(), 1594323u * 27);
    EXPECT_EQ(l.out.substr(0, 54), "1,1,1,1,1,1,1,1,1,1,1,1,1\r\n1,1,1,1,1,1,1,1,1,1,1,1,0\r\n");
    EXPECT_EQ(l.out.substr(l.out.size() - 27), "2,2,2,2,2,2,2,2,2,2,2,2,2\r\n");
}

TEST_F(Cli, EvaluateJsonInArgumentfolge) {
    const auto a = schein("a.kv13", {test::reiheAus("0111101111111")});
    const auto b = schein(
        "b.kv13", {test::feldAus({"102", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"})});
    const Lauf l = starte("evaluate --result 1111111111111 --finished 1-5 --json " + a + " " + b);
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(
        l.out,
        "{\"slips\":[{\"file\":\"a.kv13\",\"fields\":1,\"rows\":1,\"classes\":[0,0,1,0],\"hits\":[0,0,0,0,0],"
        "\"chances\":[0,1,0,0]},{\"file\":\"b.kv13\",\"fields\":1,\"rows\":3,\"classes\":[1,2,0,0],"
        "\"hits\":[0,0,0,0,0],\"chances\":[1,2,0,0]}]}\n");
}

TEST_F(Cli, EvaluateMitSpielstandDatei) {
    const auto s = schein("s.kv13", {test::reiheAus("1011111111111")});
    Spielstaende st{};
    st[0] = {2, 1, 1};  // 1, finished
    st[1] = {1, 1, 1};  // 0, finished
    const std::string spst = tmp.datei("tag.spst");
    schreibeSpielstaende(spst, st);
    // Keep only 2 records: matches 3..13 are 0:0 (draw) and running.
    std::vector<std::uint8_t> bytes = leseDatei(spst);
    bytes.resize(6);
    schreibeAtomar(spst, bytes);
    const Lauf l = starte("evaluate --scores " + spst + " --json " + s);
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_NE(l.out.find("\"classes\":[0,0,0,0],\"hits\":[0,0,0,0,0],\"chances\":[1,0,0,0]"),
              std::string::npos)
        << l.out;
}

TEST_F(Cli, EvaluateZeilen) {
    const auto s =
        schein("s.kv13", {test::feldAus({"12", "1", "1", "1", "1", "1", "1", "1", "1", "0", "0", "0", "0"})});
    const Lauf l = starte("evaluate --result 2111111111111 --finished all --rows " + s);
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.out, "1\t1111111110000\t8\t---\n2\t2111111110000\t9\t---\n");
    const Lauf m = starte("evaluate --result 2111111110000 --finished 1,13 --rows " + s);
    EXPECT_EQ(m.out, "1\t1111111110000\t12\t12\n2\t2111111110000\t13\t13\n");
}

TEST_F(Cli, Info) {
    const auto s =
        schein("s.kv13",
               {test::reiheAus("1111111111111"),
                test::feldAus({"1", "102", "1", "1", "102", "1", "1", "1", "102", "1", "1", "1", "102"}, 2),
                test::feldAus({"10", "102", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", ""})});
    const Lauf l = starte("info " + s);
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.out, "1\tno\t0\t0\t1\n2\t0-4\t0\t4\t9\n3\tno\t1\t1\t0\n");
}

TEST_F(Cli, LeererScheinHatNullFelder) {
    const std::string p = tmp.datei("leer.kv13");
    schreibeAtomar(p, std::string());
    EXPECT_EQ(starte("expand " + p).out, "");
    const Lauf l = starte("evaluate --result 1111111111111 --json " + p);
    EXPECT_EQ(l.status, 0);
    EXPECT_NE(l.out.find("\"fields\":0,\"rows\":0,"), std::string::npos) << l.out;
}

TEST_F(Cli, SchlechteEingabenGebenStatusUndDeutscheMeldung) {
    const auto gut = schein("gut.kv13", {test::reiheAus("1111111111111")});
    TScheinOffen vew = test::reiheAus("1111111111111");
    vew.sys = 7;
    const auto schlecht = schein("schlecht.kv13", {test::reiheAus("1111111111111"), vew});
    struct Fall {
        std::string args;
        int status;
        const char* inStderr;
    };
    const std::vector<Fall> faelle = {
        {"expand " + schlecht, 2, "Im Feld 2"},
        {"info " + schlecht, 2, "schlecht.kv13"},
        {"expand " + tmp.datei("fehlt.kv13"), 1, "fehlt.kv13"},
        {"evaluate --result 111111111111 --json " + gut, 2, "Gewinnreihe"},
        {"evaluate --result 11111111111113 --json " + gut, 2, "Gewinnreihe"},
        {"evaluate --result 111111111111x --json " + gut, 2, "Gewinnreihe"},
        {"evaluate --result 1111111111111 --finished 0-3 --json " + gut, 2, "beendeten Spiele"},
        {"evaluate --result 1111111111111 --finished 1-14 --json " + gut, 2, "beendeten Spiele"},
        {"evaluate --result 1111111111111 --finished 5-1 --json " + gut, 2, "beendeten Spiele"},
        {"evaluate --result 1111111111111 --finished 1,,2 --json " + gut, 2, "beendeten Spiele"},
        {"evaluate --result 1111111111111 --finished x --json " + gut, 2, "beendeten Spiele"},
        {"evaluate --result 1111111111111 --rows " + schlecht, 2, "Im Feld 2"},
        {"evaluate --scores " + tmp.datei("fehlt.spst") + " --json " + gut, 1, "fehlt.spst"},
        {"evaluate --json " + gut, 2, "--result"},
        {"frobnicate", 2, "Unbekannter Befehl"},
    };
    for (const Fall& f : faelle) {
        const Lauf l = starte(f.args);
        EXPECT_EQ(l.status, f.status) << f.args;
        EXPECT_EQ(l.out, "") << f.args;
        EXPECT_NE(l.err.find(f.inStderr), std::string::npos) << f.args << "\n" << l.err;
    }
}

TEST_F(Cli, SchlechterScheinUnterMehrerenFehltNurSelbst) {
    const auto gut = schein("gut.kv13", {test::reiheAus("1111111111111")});
    TScheinOffen f14 = test::reiheAus("1111111111111");
    f14.sys = 14;
    const auto schlecht = schein("schlecht.kv13", {f14});
    const Lauf l = starte("evaluate --result 1111111111111 --json " + schlecht + " " + gut);
    EXPECT_EQ(l.status, 2);
    EXPECT_EQ(l.out.find("schlecht.kv13"), std::string::npos);
    EXPECT_NE(l.out.find("\"file\":\"gut.kv13\""), std::string::npos);
    EXPECT_NE(l.err.find("unbekannte Systemnummer 14"), std::string::npos);
}

TEST_F(Cli, JsonNenntJedenDateinamenAlsGueltigesJson) {
    struct Fall {
        std::string name, json;
    };
    const std::vector<Fall> faelle = {
        {"a\xff"
         "b.kv13",
         "a\\u00ffb.kv13"},
        {"M\xe4rz.kv13", "M\\u00e4rz.kv13"},                             // Windows-1252
        {"T\xc3\xbcr.kv13", "T\xc3\xbcr.kv13"},                          // UTF-8 stays as it is
        {"\x80\x81\xc0\xaf.kv13", "\\u20ac\\u0081\\u00c0\\u00af.kv13"},  // overlong "/"
        {"\xed\xa0\x80.kv13", "\\u00ed\\u00a0\\u20ac.kv13"},             // a UTF-16 surrogate
        {"q\"\\\x01.kv13", "q\\\"\\\\\\u0001.kv13"},
    };
    for (const Fall& f : faelle) {
        const auto p = schein(f.name, {test::reiheAus("1111111111111")});
        const Lauf l = starte("evaluate --result 1111111111111 --json '" + p + "'");
        EXPECT_EQ(l.status, 0) << l.err;
        EXPECT_EQ(l.out.substr(0, l.out.find(",\"fields\"")), "{\"slips\":[{\"file\":\"" + f.json + "\"")
            << f.json;
    }
}

TEST_F(Cli, SchreibfehlerDerAusgabeGebenStatus1) {
    const auto klein = schein("k.kv13", {test::reiheAus("1021021021021")});
    const auto voll = schein("voll.kv13", {test::feldAus({"102", "102", "102", "102", "102", "102", "102",
                                                          "102", "102", "102", "102", "102", "102"})});
    test::schreibeRoh(tmp.datei("r.txt"), "1111111111111\n");
    const std::vector<std::string> befehle = {
        "expand " + klein,
        "expand " + voll,
        "info " + klein,
        "evaluate --result 1111111111111 --json " + klein,
        "evaluate --result 1111111111111 --rows " + voll,
        "--help",
        "--version",
        "import-rows --help",
        "import-rows " + tmp.datei("r.txt") + " -o " + tmp.datei("aus.kv13"),
    };
    const std::vector<std::pair<std::string, std::string>> ausgaben = {
        {">/dev/full", "Kein Speicherplatz mehr auf dem Datenträger."},
        {">&-", "Die Ausgabe ist geschlossen."},
    };
    for (const auto& befehl : befehle)
        for (const auto& [umleitung, grund] : ausgaben) {
            const Lauf l = starte(befehl + " " + umleitung);
            EXPECT_EQ(l.status, 1) << befehl << " " << umleitung;
            EXPECT_EQ(l.err, "kalvendo-cli: Die Ausgabe konnte nicht geschrieben werden: " + grund + "\n")
                << befehl << " " << umleitung;
        }
}

TEST_F(Cli, NurGewoehnlicheDateienWerdenGelesen) {
    const std::string fifo = tmp.datei("fifo.kv13");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::vector<std::pair<std::string, std::string>> faelle = {
        {"info " + fifo, "Die Datei " + fifo +
                             " konnte nicht gelesen werden: Das ist eine Pipe (FIFO), keine "
                             "gewöhnliche Datei.\n"},
        {"evaluate --result 1111111111111 --json /dev/zero",
         "Die Datei /dev/zero konnte nicht gelesen werden: Das ist ein Gerät, keine gewöhnliche Datei.\n"},
        {"evaluate --scores /dev/zero --json " + fifo,
         "Die Datei /dev/zero konnte nicht gelesen werden: Das ist ein Gerät, keine gewöhnliche Datei.\n"},
        {"import-rows /dev/zero -o " + tmp.datei("a.kv13"),
         "Die Datei /dev/zero konnte nicht gelesen werden: Das ist ein Gerät, keine gewöhnliche Datei.\n"},
    };
    for (const auto& [args, meldung] : faelle) {
        // Bounded, so that a reader that waits or reads on for ever fails here
        // (AddressSanitizer needs more address space than any such limit).
#if defined(__SANITIZE_ADDRESS__)
        const Lauf l = starte(args, "timeout 10");
#else
        const Lauf l = starte(args, "ulimit -v 1000000; timeout 10");
#endif
        EXPECT_EQ(l.status, 1) << args;
        EXPECT_NE(l.err.find(meldung), std::string::npos) << args << "\n" << l.err;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

#if !defined(__SANITIZE_ADDRESS__)  // AddressSanitizer needs far more address space than the limit
TEST_F(Cli, ZuWenigSpeicherIstEinEaFehler) {
    // Records without crosses: 1 GB cannot be read under a limit of 300 MB,
    // 100 MB can be read but not expanded.
    const std::string gross = tmp.datei("gross.kv13"), mittel = tmp.datei("mittel.kv13");
    for (const auto& [pfad, groesse] : {std::pair{gross, 1u << 30}, std::pair{mittel, 100u << 20}}) {
        test::schreibeRoh(pfad, "");
        std::filesystem::resize_file(pfad, groesse);
    }
    const std::string zuWenig = " konnte nicht gelesen werden: Nicht genug Arbeitsspeicher.\n";
    const std::vector<std::pair<std::string, std::string>> faelle = {
        {"info " + gross, "kalvendo-cli: Die Datei " + gross + zuWenig},
        {"expand " + gross, "kalvendo-cli: Die Datei " + gross + zuWenig},
        {"evaluate --result 1111111111111 --json " + gross, "kalvendo-cli: Die Datei " + gross + zuWenig},
        {"evaluate --result 1111111111111 --json " + mittel, "kalvendo-cli: Die Datei " + mittel + zuWenig},
        {"evaluate --result 1111111111111 --rows " + mittel, "kalvendo-cli: Die Datei " + mittel + zuWenig},
    };
    for (const auto& [args, meldung] : faelle) {
        const Lauf l = starte(args + " >/dev/null", "ulimit -v 300000;");
        EXPECT_EQ(l.status, 1) << args;
        EXPECT_NE(l.err.find(meldung), std::string::npos) << args << "\n" << l.err;
    }
}
#endif

TEST_F(Cli, VersionNenntProgrammUndVersion) {
    const Lauf l = starte("--version");
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.out, std::string("kalvendo-cli ") + kVersion + "\n");
    EXPECT_EQ(l.err, "");
}

TEST_F(Cli, HilfeErklaertAlleBefehle) {
    const Lauf l = starte("--help");
    EXPECT_EQ(l.status, 0);
    for (const char* wort :
         {"expand", "evaluate", "--result", "--finished", "--scores", "--json", "--rows", "info"})
        EXPECT_NE(l.out.find(wort), std::string::npos) << wort;
}

}  // namespace
}  // namespace kv
