// Checks shared by the tests of the file writers: a failed write throws
// DateiFehler and leaves the target and its folder exactly as they were.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

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

// Expects `schreibe(pfad)` to fail with DateiFehler naming `pfad`.
inline void erwarteAbgelehnt(const std::function<void(const std::string&)>& schreibe,
                             const std::string& pfad) {
    try {
        schreibe(pfad);
        ADD_FAILURE() << "geschrieben: " << pfad;
    } catch (const DateiFehler& e) {
        EXPECT_NE(std::string(e.what()).find(pfad), std::string::npos) << e.what();
    }
}

// `schreibe(pfad)` writes at least 2 bytes to `pfad`. It must fail with
// DateiFehler and change nothing when the folder is missing, when the target
// is a folder, a FIFO, a device, a loop of symbolic links or a link to a
// folder, and when the disk refuses the data half-way (an existing file then
// keeps its old content and no temporary file is left behind). A dangling
// symbolic link gets its target created and stays a link.
inline void pruefeFehlschlagAendertNichts(const std::function<void(const std::string&)>& schreibe,
                                          const std::string& alterInhalt) {
    namespace fs = std::filesystem;
    TempOrdner tmp;
    std::set<std::string> da;
    {
        SCOPED_TRACE("Ordner fehlt");
        erwarteAbgelehnt(schreibe, tmp.datei("fehlt/ziel"));
        EXPECT_TRUE(eintraege(tmp.pfad()).empty());
    }
    {
        SCOPED_TRACE("Ziel ist ein Ordner");
        fs::create_directory(tmp.datei("ordner"));
        schreibeRoh(tmp.datei("ordner/drin"), alterInhalt);
        erwarteAbgelehnt(schreibe, tmp.datei("ordner"));
        EXPECT_TRUE(fs::is_directory(tmp.datei("ordner")));
        EXPECT_EQ(dateiInhalt(tmp.datei("ordner/drin")), alterInhalt);
        EXPECT_EQ(eintraege(tmp.datei("ordner")), std::set<std::string>{"drin"});
        da.insert("ordner");
    }
    {
        SCOPED_TRACE("Ziel ist eine FIFO");
        ASSERT_EQ(::mkfifo(tmp.datei("fifo").c_str(), 0600), 0);
        erwarteAbgelehnt(schreibe, tmp.datei("fifo"));
        EXPECT_TRUE(fs::is_fifo(tmp.datei("fifo")));
        da.insert("fifo");
    }
    {
        SCOPED_TRACE("Ziel ist ein Gerät");
        // An own device node where the process may make one; otherwise a
        // link to the system's, which then cannot be replaced anyway.
        const std::string geraet = tmp.datei("geraet");
        if (::mknod(geraet.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0) {
            ASSERT_EQ(::symlink("/dev/null", geraet.c_str()), 0);
        }
        erwarteAbgelehnt(schreibe, geraet);
        EXPECT_TRUE(fs::is_character_file(geraet));
        da.insert("geraet");
    }
    {
        SCOPED_TRACE("Schleife von Verknüpfungen");
        ASSERT_EQ(::symlink("schleife2", tmp.datei("schleife1").c_str()), 0);
        ASSERT_EQ(::symlink("schleife1", tmp.datei("schleife2").c_str()), 0);
        erwarteAbgelehnt(schreibe, tmp.datei("schleife1"));
        EXPECT_EQ(fs::read_symlink(tmp.datei("schleife1")), "schleife2");
        EXPECT_EQ(fs::read_symlink(tmp.datei("schleife2")), "schleife1");
        da.insert({"schleife1", "schleife2"});
    }
    {
        SCOPED_TRACE("Verknüpfung auf einen Ordner");
        ASSERT_EQ(::symlink("ordner", tmp.datei("zumordner").c_str()), 0);
        erwarteAbgelehnt(schreibe, tmp.datei("zumordner"));
        EXPECT_TRUE(fs::is_symlink(tmp.datei("zumordner")));
        EXPECT_EQ(eintraege(tmp.datei("ordner")), std::set<std::string>{"drin"});
        da.insert("zumordner");
    }
    EXPECT_EQ(eintraege(tmp.pfad()), da);
    {
        SCOPED_TRACE("Verwaiste Verknüpfung");
        fs::create_directory(tmp.datei("echt"));
        ASSERT_EQ(::symlink("echt/neu", tmp.datei("lose").c_str()), 0);
        schreibe(tmp.datei("lose"));
        EXPECT_EQ(fs::read_symlink(tmp.datei("lose")), "echt/neu");
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(tmp.datei("echt/neu"))));
        EXPECT_GE(fs::file_size(tmp.datei("echt/neu")), 2u);
        EXPECT_EQ(eintraege(tmp.datei("echt")), std::set<std::string>{"neu"});
        da.insert({"echt", "lose"});
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
        da.insert("ziel");
    }
    EXPECT_EQ(eintraege(tmp.pfad()), da);
}

}  // namespace kv::test
