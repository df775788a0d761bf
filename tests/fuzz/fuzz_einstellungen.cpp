// The settings file on arbitrary content: both ways of reading it agree, and
// a written key reads back while the others stay as they were.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "Pruefen.h"
#include "io/Datei.h"
#include "settings/IniDatei.h"

using namespace kv;

namespace {

// A folder of this process for the file, in memory where there is /dev/shm;
// removed again when the run ends.
class Ordner {
  public:
    Ordner() {
        std::string vorlage =
            ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/kalvendo-fuzz-XXXXXX" : "/tmp/kalvendo-fuzz-XXXXXX";
        PRUEFE(::mkdtemp(vorlage.data()) != nullptr);
        pfad_ = vorlage;
    }
    ~Ordner() {
        std::error_code ec;
        std::filesystem::remove_all(pfad_, ec);
    }
    Ordner(const Ordner&) = delete;
    Ordner& operator=(const Ordner&) = delete;
    std::string datei() const { return pfad_ + "/Einstellungen.ini"; }

  private:
    std::string pfad_;
};

const std::string& datei() {
    static const Ordner ordner;
    static const std::string pfad = ordner.datei();
    return pfad;
}

// The keys looked at: ones the program uses, in different spellings.
constexpr std::string_view kAbschnitte[] = {"Fenster", "spielscheine", "Tipp"};
constexpr std::string_view kSchluessel[] = {"Haupt-Left", "Dateienanzahl", "datei1", "Heim"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string inhalt(reinterpret_cast<const char*>(daten), groesse);
    schreibeAtomar(datei(), inhalt);

    const IniDatei ini(datei());
    IniSitzung sitzung(datei());
    for (auto a : kAbschnitte)
        for (auto s : kSchluessel) {
            PRUEFE(ini.leseText(a, s, "#") == sitzung.leseText(a, s, "#"));
            PRUEFE(ini.leseZahl(a, s, -7) == sitzung.leseZahl(a, s, -7));
            PRUEFE(ini.leseBool(a, s, true) == sitzung.leseBool(a, s, true));
        }

    // A value from the end of the input, without line breaks.
    std::string wert = inhalt.substr(inhalt.size() - std::min<std::size_t>(inhalt.size(), 12));
    for (char& c : wert)
        if (c == '\r' || c == '\n') c = '_';
    IniDatei schreiber(datei());
    const std::string vorher = schreiber.leseText("Fenster", "Haupt-Left", "#");
    schreiber.schreibeText("Spielscheine", "Datei1", wert);
    PRUEFE(schreiber.leseText("spielscheine", "DATEI1", "#") == wert);
    PRUEFE(schreiber.leseText("Fenster", "Haupt-Left", "#") == vorher);
    schreiber.loescheAbschnitt("Spielscheine");
    PRUEFE(schreiber.leseText("Spielscheine", "Datei1", "#") == "#");
    PRUEFE(schreiber.leseText("Fenster", "Haupt-Left", "#") == vorher);

    sitzung.schreibeText("Spielscheine", "Datei1", wert);
    PRUEFE(sitzung.leseText("Spielscheine", "Datei1", "#") == wert);
    sitzung.speichern();
    PRUEFE(IniDatei(datei()).leseText("Spielscheine", "Datei1", "#") == wert);
    return 0;
}
