// The kind of a file by its name, as files from outside are opened.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "io/Dateiart.h"

namespace kv {
namespace {

TEST(Dateiart, NachDerEndungInJederSchreibweise) {
    const std::vector<std::pair<std::string, Dateiart>> faelle = {
        {"/home/anna/Samstag.kv13", Dateiart::Spielschein},
        {"ALT.KV13", Dateiart::Spielschein},
        {"Spieltag 12.sp13", Dateiart::Spielplan},
        {"/daten/Abend.Spst", Dateiart::Spielstand},
        {"Lotto.kvxdr", Dateiart::Scheinformat},
        {"Schein.kv13.txt", Dateiart::Unbekannt},  // the last extension counts
        {"archiv.tar.kvxdr", Dateiart::Scheinformat},
        {"kv13", Dateiart::Unbekannt},                // no extension
        {".kv13", Dateiart::Unbekannt},               // a hidden file's name, no extension
        {"/ordner.kv13/datei", Dateiart::Unbekannt},  // the folder's dot is not the file's
        {"Schein.kv1", Dateiart::Unbekannt},
        {"Schein.kv133", Dateiart::Unbekannt},
        {"Schein.", Dateiart::Unbekannt},
        {"", Dateiart::Unbekannt},
    };
    for (const auto& [name, art] : faelle) EXPECT_EQ(dateiartVon(name), art) << name;
}

}  // namespace
}  // namespace kv
