#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "Hilfen.h"
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

TEST(Dateinamen, OhneOrdnerUndEndung) {
    EXPECT_EQ(dateiName("/a/b/Schein.kv13"), "Schein.kv13");
    EXPECT_EQ(dateiName("Schein.kv13"), "Schein.kv13");
    EXPECT_EQ(dateiNameOhneEndung("/a/b.c/Schein.1.kv13"), "Schein.1");
    EXPECT_EQ(dateiNameOhneEndung("/a/.versteckt"), ".versteckt");
    EXPECT_EQ(dateiNameOhneEndung("/a/ohne"), "ohne");
}

}  // namespace
}  // namespace kv
