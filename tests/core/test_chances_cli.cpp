// kalvendo-cli chances from the outside: the figures, the tendencies from a
// fixture list, the finished matches, the stake and every refusal.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "Clitest.h"
#include "Hilfen.h"
#include "Schreibpruefung.h"
#include "model/Spielplandatei.h"
#include "model/Spielscheindatei.h"

namespace kv {
namespace {

class ChancesCli : public test::Clitest {
  protected:
    std::string spielplan(const std::string& name, const std::vector<std::string>& tendenzen) {
        Begegnungen b;
        for (std::size_t i = 0; i < tendenzen.size(); ++i) b[i] = {tendenzen[i], "Heim", "Gast"};
        const auto bytes = begegnungenBytes(b);
        test::schreibeRoh(tmp.datei(name), std::string(bytes.begin(), bytes.end()));
        return tmp.datei(name);
    }
};

// The numbers after "at_least" and "expected_rows", in class order.
std::vector<double> zahlen(const std::string& json, const std::string& schluessel) {
    std::vector<double> z;
    const std::regex muster("\"" + schluessel + "\": ([-+0-9.eE]+)");
    for (auto it = std::sregex_iterator(json.begin(), json.end(), muster); it != std::sregex_iterator(); ++it)
        z.push_back(std::strtod((*it)[1].str().c_str(), nullptr));
    return z;
}

const char* const kAlleFuenf =
    "5-2-3,5-2-3,5-2-3,5-2-3,5-2-3,5-2-3,5-2-3,5-2-3,5-2-3,5-2-3,5-2-3,5-2-3,5-2-3";

TEST_F(ChancesCli, EinzelreiheAlsJson) {
    // Every tip of the row with probability 1/2: the hits are binomial, all
    // figures are short binary fractions (C(13, h) / 8192), written exactly.
    const std::string s = schein("eine.kv13", {test::reiheAus("1111111111111")});
    const test::CliLauf l = starte("chances " + s + " --tendencies " + kAlleFuenf + " --json");
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.err, "");
    EXPECT_EQ(
        l.out,
        "{\"rows\": 1, \"stake_cents\": 50, \"classes\": ["
        "{\"class\": \"I\", \"hits\": 13, \"at_least\": 0.0001220703125, \"expected_rows\": "
        "0.0001220703125}, "
        "{\"class\": \"II\", \"hits\": 12, \"at_least\": 0.001708984375, \"expected_rows\": "
        "0.0015869140625}, "
        "{\"class\": \"III\", \"hits\": 11, \"at_least\": 0.01123046875, \"expected_rows\": 0.009521484375}, "
        "{\"class\": \"IV\", \"hits\": 10, \"at_least\": 0.046142578125, \"expected_rows\": "
        "0.034912109375}]}\n");
}

TEST_F(ChancesCli, SchreibweisenDerTendenzenUndSpielplan) {
    // The middle digit does not count, blanks around the digits are allowed,
    // "-" is no tendency; a fixture list with the same texts (an unreadable
    // one for "-") gives the same figures to the last digit.
    const std::string s = schein(
        "s.kv13", {test::feldAus({"10", "102", "1", "02", "1", "0", "2", "1", "0", "2", "1", "0", "2"}),
                   test::reiheAus("2021102210010")});
    const std::string kurz = "5-3-2,4-4-2,-,2-3-5,6-2-2,1-8-1,3-4-3,-,9-0-1,0-0-0,5-3-2,3-3-4,2-2-6";
    const test::CliLauf a = starte("chances " + s + " --tendencies " + kurz + " --json");
    const test::CliLauf b =
        starte("chances " + s +
               " --tendencies \"5 - 9 - 2, 4-0-2 ,  - ,2 -3- 5,6-2-2,1-8-1,3-4-3,-,9-0-1,0-0-0,"
               "5-3-2,3-3-4,2-2-6\" --json");
    const std::string sp = spielplan(
        "tag.sp13", {"5 - 3 - 2", "4 - 4 - 2", "offen", "2 - 3 - 5", "6 - 2 - 2", "1 - 8 - 1", "3 - 4 - 3",
                     "", "9 - 0 - 1", "0 - 0 - 0", "5 - 3 - 2", "3 - 3 - 4", "2 - 2 - 6"});
    const test::CliLauf c = starte("chances --json --fixtures " + sp + " " + s);
    EXPECT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(zahlen(a.out, "at_least").size(), 4u);
    EXPECT_EQ(a.out, b.out);
    EXPECT_EQ(b.status, 0) << b.err;
    EXPECT_EQ(a.out, c.out);
    EXPECT_EQ(c.status, 0) << c.err;
    // rows: 2 * 3 * 2 = 12 of the system and the single row
    EXPECT_NE(a.out.find("{\"rows\": 13, \"stake_cents\": 650, "), std::string::npos) << a.out;
}

TEST_F(ChancesCli, BeendeteSpieleUndEvaluateStimmenUeberein) {
    // With all 13 matches finished the expected rows are what evaluate counts,
    // and a class is reached (1) or not (0).
    std::vector<TScheinOffen> felder = {
        test::feldAus({"102", "10", "1", "02", "102", "1", "0", "2", "12", "1", "0", "1", "2"}),
        test::reiheAus("1021102210010"), test::reiheAus("1021102210012")};
    const std::string s = schein("s.kv13", felder);
    const test::CliLauf c = starte("chances " + s + " --tendencies " + kAlleFuenf +
                                   " --result 1021102210010 --finished all --json");
    const test::CliLauf e = starte("evaluate --result 1021102210010 --finished all --json " + s);
    ASSERT_EQ(c.status, 0) << c.err;
    ASSERT_EQ(e.status, 0) << e.err;
    const std::smatch m = [&] {
        std::smatch t;
        std::regex_search(e.out, t, std::regex("\"classes\":\\[(\\d+),(\\d+),(\\d+),(\\d+)\\]"));
        return t;
    }();
    ASSERT_EQ(m.size(), 5u) << e.out;
    const std::vector<double> erwartet = zahlen(c.out, "expected_rows"),
                              mindestens = zahlen(c.out, "at_least");
    ASSERT_EQ(erwartet.size(), 4u);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(erwartet[k], std::stod(m[k + 1].str())) << k;
        EXPECT_EQ(mindestens[k], 1.0) << k;  // the slip holds the winning row itself
    }

    // Nothing finished without --result: the same figures as all open.
    const test::CliLauf offen = starte("chances " + s + " --tendencies " + kAlleFuenf + " --json");
    const test::CliLauf ohne =
        starte("chances " + s + " --tendencies " + kAlleFuenf + " --result 1021102210010 --json");
    EXPECT_EQ(offen.out, ohne.out);
    EXPECT_NE(offen.out, c.out);
}

TEST_F(ChancesCli, EinsatzUndDeutscherText) {
    const std::string s = schein(
        "s.kv13", {test::feldAus({"102", "102", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"})});
    const test::CliLauf j = starte("chances " + s + " --tendencies " + kAlleFuenf + " --stake 120 --json");
    EXPECT_NE(j.out.find("{\"rows\": 9, \"stake_cents\": 1080, "), std::string::npos) << j.out;
    const test::CliLauf t = starte("chances " + s + " --tendencies " + kAlleFuenf + " --stake 120");
    EXPECT_EQ(t.status, 0) << t.err;
    EXPECT_NE(t.out.find("Tippreihen: 9\nEinsatz: 10,80 € (1,20 € je Reihe)\n"), std::string::npos) << t.out;
    EXPECT_NE(t.out.find("Gewinnklasse I (13 Richtige): "), std::string::npos) << t.out;
    EXPECT_NE(t.out.find("Gewinnklasse IV (10 Richtige): "), std::string::npos) << t.out;
    EXPECT_EQ(t.out.find('.'), std::string::npos) << "Dezimalkomma erwartet: " << t.out;
}

TEST_F(ChancesCli, LeererScheinIstAllesNull) {
    const test::CliLauf l =
        starte("chances " + schein("leer.kv13", {}) + " --tendencies " + kAlleFuenf + " --json");
    EXPECT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.out,
              "{\"rows\": 0, \"stake_cents\": 0, \"classes\": ["
              "{\"class\": \"I\", \"hits\": 13, \"at_least\": 0, \"expected_rows\": 0}, "
              "{\"class\": \"II\", \"hits\": 12, \"at_least\": 0, \"expected_rows\": 0}, "
              "{\"class\": \"III\", \"hits\": 11, \"at_least\": 0, \"expected_rows\": 0}, "
              "{\"class\": \"IV\", \"hits\": 10, \"at_least\": 0, \"expected_rows\": 0}]}\n");
}

TEST_F(ChancesCli, Abweisungen) {
    const std::string s = schein("s.kv13", {test::reiheAus("1111111111111")});
    TScheinOffen ungueltig = test::reiheAus("1111111111111");
    ungueltig.sys = 14;
    const std::string falsch = schein("falsch.kv13", {ungueltig});
    const std::string sp = spielplan("tag.sp13", std::vector<std::string>(kSpiele, "5 - 3 - 2"));
    const std::string t = std::string(" --tendencies ") + kAlleFuenf;
    const std::string evaluateFalsch = starte("evaluate --result 1111111111111 --json " + falsch).err;
    struct Fall {
        std::string argumente;
        int status;
        std::string meldung;
    };
    const std::vector<Fall> faelle = {
        {"chances" + t, 2, "Die Spielschein-Datei fehlt."},
        {"chances " + s + " " + s + t, 2, "genau eine Spielschein-Datei"},
        {"chances " + s, 2, "entweder --tendencies oder --fixtures"},
        {"chances " + s + t + " --fixtures " + sp, 2, "entweder --tendencies oder --fixtures"},
        {"chances " + s + " --tendencies 5-3-2,5-3-2", 2,
         "genau 13 durch Kommas getrennte Angaben, nicht 2."},
        {"chances " + s +
             " --tendencies 5-3-2,5-3-2,5-3-2,5-3-2,5-3-2,5-3-2,5-3-2,5-3-2,5-3-2,5-3-2,5-3-2,5-3-2,"
             "5-3-2,5-3-2",
         2, "nicht 14."},
        {"chances " + s + " --tendencies 5-3-x,-,-,-,-,-,-,-,-,-,-,-,-", 2,
         "Die Tendenz \"5-3-x\" von Spiel 1 ist ungültig"},
        {"chances " + s + " --tendencies -,53-2,-,-,-,-,-,-,-,-,-,-,-", 2,
         "Die Tendenz \"53-2\" von Spiel 2"},
        {"chances " + s + " --tendencies -,-,5--32,-,-,-,-,-,-,-,-,-,-", 2,
         "Die Tendenz \"5--32\" von Spiel 3"},
        {"chances " + s + " --tendencies -,-,-,5-3-2-1,-,-,-,-,-,-,-,-,-", 2, "Spiel 4 ist ungültig"},
        {"chances " + s + " --tendencies -,-,-,-,,-,-,-,-,-,-,-,-", 2, "Die Tendenz \"\" von Spiel 5"},
        {"chances " + s + " --tendencies -,-,-,-,-,6-1-5,-,-,-,-,-,-,-", 2, "mehr als 10 Punkte"},
        {"chances " + s + t + " --finished 1-5", 2, "--finished gehört zu --result."},
        {"chances " + s + t + " --result 10211022100", 2, "Die Gewinnreihe \"10211022100\" ist ungültig"},
        {"chances " + s + t + " --result 1021102210010 --finished 5-1", 2,
         "Die Liste der beendeten Spiele \"5-1\" ist ungültig"},
        {"chances " + s + t + " --stake zwei", 2, "Der Einsatz \"zwei\" ist ungültig"},
        {"chances " + s + t + " --stake -5", 2, "Der Einsatz \"-5\" ist ungültig"},
        {"chances " + s + t + " --stake 1000000000", 2, "Der Einsatz \"1000000000\" ist ungültig"},
        {"chances " + s + t + " --stake", 2, "Nach --stake fehlt der Wert."},
        {"chances " + s + t + t, 2, "--tendencies ist doppelt angegeben."},
        {"chances " + s + t + " --rows", 2, "Unbekannte Option --rows."},
        {"chances " + tmp.datei("fehlt.kv13") + t, 1, "fehlt.kv13"},
        {"chances " + s + " --fixtures " + tmp.datei("fehlt.sp13"), 1, "fehlt.sp13"},
        {"chances " + falsch + t, 2, evaluateFalsch.substr(0, evaluateFalsch.find('\n'))},
    };
    ASSERT_FALSE(evaluateFalsch.empty());
    for (const Fall& f : faelle) {
        const test::CliLauf l = starte(f.argumente);
        EXPECT_EQ(l.status, f.status) << f.argumente << ": " << l.err;
        EXPECT_EQ(l.out, "") << f.argumente;
        EXPECT_NE(l.err.find(f.meldung), std::string::npos) << f.argumente << ": " << l.err;
    }
}

}  // namespace
}  // namespace kv
