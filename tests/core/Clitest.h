// The fixture of the tests that run kalvendo-cli from the outside: a folder
// of their own, a run of the command in it, and slips written there.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Hilfen.h"
#include "model/Spielscheindatei.h"

namespace kv::test {

class Clitest : public ::testing::Test {
  protected:
    TempOrdner tmp;

    CliLauf starte(const std::string& argumente, const std::string& vorspann = "") {
        return starteCli(tmp, argumente, vorspann);
    }
    // Writes the fields as slip `name` in the folder and gives its full name.
    std::string schein(const std::string& name, const std::vector<TScheinOffen>& felder) {
        const std::string p = tmp.datei(name);
        schreibeSpielschein(p, felder);
        return p;
    }
};

}  // namespace kv::test
