#include "textexport/Tabellenprogramm.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "io/Datei.h"

namespace kv {

namespace fs = std::filesystem;

namespace {

std::string umgebung(const char* name) {
    const char* w = std::getenv(name);
    return w ? std::string(w) : std::string();
}

std::vector<std::string> teile(std::string_view text, char trenner) {
    std::vector<std::string> t;
    std::size_t anfang = 0;
    while (anfang <= text.size()) {
        const std::size_t ende = std::min(text.find(trenner, anfang), text.size());
        if (ende > anfang) t.emplace_back(text.substr(anfang, ende - anfang));
        anfang = ende + 1;
    }
    return t;
}

std::string_view ohneRand(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// The keys of the groups of an ini-style desktop file, values unescaped
// (\s, \n, \t, \r, \\). Keys with a locale ("Name[de]") are left out.
using Gruppen = std::map<std::string, std::map<std::string, std::string>>;

std::string entschluesselt(std::string_view w) {
    std::string o;
    for (std::size_t i = 0; i < w.size(); ++i) {
        if (w[i] != '\\' || i + 1 == w.size()) {
            o += w[i];
            continue;
        }
        switch (w[++i]) {
            case 's':
                o += ' ';
                break;
            case 'n':
                o += '\n';
                break;
            case 't':
                o += '\t';
                break;
            case 'r':
                o += '\r';
                break;
            case '\\':
                o += '\\';
                break;
            default:
                o += '\\';
                o += w[i];
        }
    }
    return o;
}

Gruppen leseGruppen(const std::string& pfad) {
    Gruppen g;
    // Only a regular file: a FIFO in its place would never end the search.
    std::vector<std::uint8_t> daten;
    try {
        daten = leseDatei(pfad);
    } catch (const DateiFehler&) {
        return g;
    }
    std::istringstream ein(std::string(daten.begin(), daten.end()));
    std::string zeile;
    std::string gruppe;
    while (std::getline(ein, zeile)) {
        const std::string_view z = ohneRand(zeile);
        if (z.empty() || z.front() == '#') continue;
        if (z.front() == '[' && z.back() == ']') {
            gruppe = std::string(z.substr(1, z.size() - 2));
            continue;
        }
        const std::size_t gleich = z.find('=');
        if (gleich == std::string_view::npos) continue;
        const std::string_view schluessel = ohneRand(z.substr(0, gleich));
        if (schluessel.find('[') != std::string_view::npos) continue;
        g[gruppe].emplace(schluessel, entschluesselt(ohneRand(z.substr(gleich + 1))));
    }
    return g;
}

// A regular file this user may run (whoever else may, too).
bool ausfuehrbar(const std::string& pfad) {
    std::error_code ec;
    return fs::is_regular_file(pfad, ec) && ::access(pfad.c_str(), X_OK) == 0;
}

bool tryExecVorhanden(const std::string& programm, const std::vector<std::string>& suchpfad) {
    if (programm.find('/') != std::string::npos) return ausfuehrbar(programm);
    return std::any_of(suchpfad.begin(), suchpfad.end(),
                       [&](const std::string& o) { return ausfuehrbar(o + "/" + programm); });
}

struct Eintrag {
    Desktopprogramm programm;
    std::vector<std::string> mimeTypen;
    bool brauchbar = false;
};

std::optional<Eintrag> leseDesktopDatei(const std::string& id, const std::string& pfad,
                                        const std::vector<std::string>& suchpfad) {
    const Gruppen g = leseGruppen(pfad);
    const auto it = g.find("Desktop Entry");
    if (it == g.end()) return std::nullopt;
    const auto& k = it->second;
    const auto wert = [&](const char* s) {
        const auto f = k.find(s);
        return f == k.end() ? std::string() : f->second;
    };
    Eintrag e;
    e.programm = Desktopprogramm{id, pfad, wert("Name"), wert("Exec")};
    e.mimeTypen = teile(wert("MimeType"), ';');
    const std::string tryExec = wert("TryExec");
    e.brauchbar = wert("Type") == "Application" && !e.programm.exec.empty() && wert("Hidden") != "true" &&
                  wert("Terminal") != "true" && (tryExec.empty() || tryExecVorhanden(tryExec, suchpfad));
    return e;
}

std::vector<std::string> anwendungsOrdner(const XdgOrdner& o) {
    std::vector<std::string> a;
    if (!o.datenHome.empty()) a.push_back(o.datenHome + "/applications");
    for (const auto& d : o.datenOrdner) a.push_back(d + "/applications");
    return a;
}

// Every desktop file ID -> its file; a folder earlier in the list wins.
std::map<std::string, std::string> desktopDateien(const std::vector<std::string>& ordner) {
    std::map<std::string, std::string> dateien;
    for (const auto& o : ordner) {
        std::error_code ec;
        fs::recursive_directory_iterator it(o, fs::directory_options::skip_permission_denied, ec);
        for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
            if (it->path().extension() != ".desktop" || !it->is_regular_file(ec)) continue;
            std::string id = fs::relative(it->path(), o, ec).string();
            if (ec) continue;
            std::replace(id.begin(), id.end(), '/', '-');
            dateien.emplace(id, it->path().string());
        }
    }
    return dateien;
}

std::string dateiUrl(const std::string& pfad) {
    static const char* hex = "0123456789ABCDEF";
    std::string url = "file://";
    for (const unsigned char c : pfad) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            std::string_view("/-._~").find(static_cast<char>(c)) != std::string_view::npos) {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += hex[c >> 4];
            url += hex[c & 15];
        }
    }
    return url;
}

// Splits an Exec line: blanks separate arguments; inside double quotes a
// backslash takes the next character as it is.
std::optional<std::vector<std::string>> argumente(std::string_view exec) {
    std::vector<std::string> args;
    std::string aktuell;
    bool imArgument = false;
    bool inAnfuehrung = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (inAnfuehrung) {
            if (c == '"') {
                inAnfuehrung = false;
            } else if (c == '\\' && i + 1 < exec.size()) {
                aktuell += exec[++i];
            } else {
                aktuell += c;
            }
        } else if (c == ' ' || c == '\t' || c == '\n') {
            if (imArgument) args.push_back(aktuell);
            aktuell.clear();
            imArgument = false;
        } else {
            imArgument = true;
            if (c == '"') {
                inAnfuehrung = true;
            } else {
                aktuell += c;
            }
        }
    }
    if (inAnfuehrung) return std::nullopt;
    if (imArgument) args.push_back(aktuell);
    return args;
}

}  // namespace

XdgOrdner xdgOrdnerAusUmgebung() {
    XdgOrdner o;
    const std::string home = umgebung("HOME");
    o.datenHome = umgebung("XDG_DATA_HOME");
    if (o.datenHome.empty() && !home.empty()) o.datenHome = home + "/.local/share";
    std::string daten = umgebung("XDG_DATA_DIRS");
    o.datenOrdner = teile(daten.empty() ? "/usr/local/share:/usr/share" : daten, ':');
    o.konfigHome = umgebung("XDG_CONFIG_HOME");
    if (o.konfigHome.empty() && !home.empty()) o.konfigHome = home + "/.config";
    std::string konfig = umgebung("XDG_CONFIG_DIRS");
    o.konfigOrdner = teile(konfig.empty() ? "/etc/xdg" : konfig, ':');
    o.suchpfad = teile(umgebung("PATH"), ':');
    return o;
}

std::optional<Desktopprogramm> registriertesProgramm(const XdgOrdner& ordner, std::string_view mimeTyp) {
    const std::vector<std::string> anwendungen = anwendungsOrdner(ordner);
    const std::map<std::string, std::string> dateien = desktopDateien(anwendungen);
    std::map<std::string, std::optional<Eintrag>> gelesen;
    const auto eintrag = [&](const std::string& id) -> const std::optional<Eintrag>& {
        auto it = gelesen.find(id);
        if (it == gelesen.end()) {
            const auto d = dateien.find(id);
            std::optional<Eintrag> e;
            if (d != dateien.end()) e = leseDesktopDatei(id, d->second, ordner.suchpfad);
            it = gelesen.emplace(id, std::move(e)).first;
        }
        return it->second;
    };

    // The mimeapps lists, the user's first.
    std::vector<std::string> listen;
    if (!ordner.konfigHome.empty()) listen.push_back(ordner.konfigHome + "/mimeapps.list");
    for (const auto& k : ordner.konfigOrdner) listen.push_back(k + "/mimeapps.list");
    for (const auto& a : anwendungen) listen.push_back(a + "/mimeapps.list");

    const std::string typ(mimeTyp);
    std::vector<std::string> vorgaben;
    std::vector<std::string> hinzugefuegt;
    std::set<std::string> entfernt;
    for (const auto& l : listen) {
        const Gruppen g = leseGruppen(l);
        const auto ids = [&](const char* gruppe) {
            const auto gi = g.find(gruppe);
            if (gi == g.end()) return std::vector<std::string>();
            const auto w = gi->second.find(typ);
            return w == gi->second.end() ? std::vector<std::string>() : teile(w->second, ';');
        };
        for (auto& id : ids("Default Applications")) vorgaben.push_back(id);
        for (auto& id : ids("Added Associations")) hinzugefuegt.push_back(id);
        for (auto& id : ids("Removed Associations")) entfernt.insert(id);
    }
    for (const auto& id : vorgaben)
        if (const auto& e = eintrag(id); e && e->brauchbar) return e->programm;
    for (const auto& id : hinzugefuegt)
        if (const auto& e = eintrag(id); e && e->brauchbar && !entfernt.count(id)) return e->programm;
    for (const auto& [id, datei] : dateien) {
        if (entfernt.count(id)) continue;
        const auto& e = eintrag(id);
        if (e && e->brauchbar &&
            std::find(e->mimeTypen.begin(), e->mimeTypen.end(), typ) != e->mimeTypen.end())
            return e->programm;
    }
    return std::nullopt;
}

std::vector<std::string> startBefehl(const Desktopprogramm& programm, const std::string& datei) {
    const auto args = argumente(programm.exec);
    if (!args || args->empty()) return {};
    std::vector<std::string> befehl;
    bool dateiEingesetzt = false;
    for (const std::string& a : *args) {
        if (a.size() == 2 && a[0] == '%') {
            // A field code standing alone may expand to a whole argument or to none.
            switch (a[1]) {
                case 'f':
                case 'F':
                    befehl.push_back(datei);
                    dateiEingesetzt = true;
                    continue;
                case 'u':
                case 'U':
                    befehl.push_back(dateiUrl(datei));
                    dateiEingesetzt = true;
                    continue;
                case '%':
                    befehl.push_back("%");
                    continue;
                case 'c':
                    befehl.push_back(programm.name);
                    continue;
                case 'k':
                    befehl.push_back(programm.datei);
                    continue;
                default:
                    continue;
            }
        }
        std::string o;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (a[i] != '%' || i + 1 == a.size()) {
                o += a[i];
                continue;
            }
            switch (a[++i]) {
                case '%':
                    o += '%';
                    break;
                case 'f':
                case 'F':
                    o += datei;
                    dateiEingesetzt = true;
                    break;
                case 'u':
                case 'U':
                    o += dateiUrl(datei);
                    dateiEingesetzt = true;
                    break;
                case 'c':
                    o += programm.name;
                    break;
                case 'k':
                    o += programm.datei;
                    break;
                default:
                    break;
            }
        }
        befehl.push_back(o);
    }
    if (befehl.empty()) return {};
    if (!dateiEingesetzt) befehl.push_back(datei);
    return befehl;
}

}  // namespace kv
