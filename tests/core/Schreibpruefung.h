// Checks shared by the tests of the file writers: a failed write throws
// DateiFehler and leaves the target and its folder exactly as they were.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>

#include "Hilfen.h"
#include "io/Datei.h"

namespace kv::test {

inline std::string dateiInhalt(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>());
}

inline void schreibeRoh(const std::string& pfad, const std::string& inhalt) {
    std::ofstream aus(pfad, std::ios::binary | std::ios::trunc);
    aus << inhalt;
}

inline std::set<std::string> eintraege(const std::filesystem::path& ordner) {
    std::set<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(ordner))
        namen.insert(e.path().filename().string());
    return namen;
}

// Limits the size of files this process may write (root included) while it
// lives; a write beyond it fails with EFBIG instead of raising SIGXFSZ.
class DateigroessenGrenze {
  public:
    explicit DateigroessenGrenze(rlim_t bytes) {
        alterHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &alt_);
        rlimit neu = alt_;
        neu.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &neu);
    }
    ~DateigroessenGrenze() {
        ::setrlimit(RLIMIT_FSIZE, &alt_);
        std::signal(SIGXFSZ, alterHandler_);
    }
    DateigroessenGrenze(const DateigroessenGrenze&) = delete;
    DateigroessenGrenze& operator=(const DateigroessenGrenze&) = delete;

  private:
    rlimit alt_{};
    void (*alterHandler_)(int) = nullptr;
};

// `schreibe(pfad)` writes at least 2 bytes to `pfad`. It must fail with
// DateiFehler and change nothing when the folder is missing, when the target
// is a folder, and when the disk refuses the data half-way (an existing file
// then keeps its old content and no temporary file is left behind).
inline void pruefeFehlschlagAendertNichts(const std::function<void(const std::string&)>& schreibe,
                                          const std::string& alterInhalt) {
    TempOrdner tmp;
    {
        SCOPED_TRACE("Ordner fehlt");
        EXPECT_THROW(schreibe(tmp.datei("fehlt/ziel")), DateiFehler);
        EXPECT_TRUE(eintraege(tmp.pfad()).empty());
    }
    {
        SCOPED_TRACE("Ziel ist ein Ordner");
        std::filesystem::create_directory(tmp.datei("ordner"));
        schreibeRoh(tmp.datei("ordner/drin"), alterInhalt);
        EXPECT_THROW(schreibe(tmp.datei("ordner")), DateiFehler);
        EXPECT_TRUE(std::filesystem::is_directory(tmp.datei("ordner")));
        EXPECT_EQ(dateiInhalt(tmp.datei("ordner/drin")), alterInhalt);
        EXPECT_EQ(eintraege(tmp.pfad()), std::set<std::string>{"ordner"});
        EXPECT_EQ(eintraege(tmp.datei("ordner")), std::set<std::string>{"drin"});
    }
    {
        SCOPED_TRACE("Schreiben bricht ab");
        const std::string ziel = tmp.datei("ziel");
        schreibeRoh(ziel, alterInhalt);
        {
            DateigroessenGrenze grenze(1);
            EXPECT_THROW(schreibe(ziel), DateiFehler);
        }
        EXPECT_EQ(dateiInhalt(ziel), alterInhalt);
        EXPECT_EQ(eintraege(tmp.pfad()), (std::set<std::string>{"ordner", "ziel"}));
    }
}

}  // namespace kv::test
