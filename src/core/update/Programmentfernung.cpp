#include "update/Programmentfernung.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace kv::update {

namespace {

// The folder without trailing separators ("/" stays "/").
std::string ohneTrenner(std::string_view ordner) {
    while (ordner.size() > 1 && ordner.back() == '/') ordner.remove_suffix(1);
    return std::string(ordner);
}

}  // namespace

std::optional<Dateikennung> dateikennung(const std::string& pfad) {
    struct stat st {};
    if (::lstat(pfad.c_str(), &st) != 0) return std::nullopt;
    Dateikennung k;
    k.geraet = static_cast<unsigned long long>(st.st_dev);
    k.inode = static_cast<unsigned long long>(st.st_ino);
    k.groesse = static_cast<long long>(st.st_size);
    k.geaendertSek = static_cast<long long>(st.st_mtim.tv_sec);
    k.geaendertNsek = static_cast<long>(st.st_mtim.tv_nsec);
    return k;
}

std::string kennungText(const Dateikennung& k) {
    std::string nsek = std::to_string(k.geaendertNsek);
    nsek.insert(0, 9 - std::min<std::size_t>(9, nsek.size()), '0');
    return ordnerKennungText(k) + ':' + std::to_string(k.groesse) + ':' + std::to_string(k.geaendertSek) +
           '.' + nsek;
}

std::string ordnerKennungText(const Dateikennung& k) {
    return std::to_string(k.geraet) + ':' + std::to_string(k.inode);
}

std::optional<Prozess> laufenderProzess(long pid) {
    if (pid <= 0) return std::nullopt;
    std::ifstream datei("/proc/" + std::to_string(pid) + "/stat");
    std::string zeile;
    if (!std::getline(datei, zeile)) return std::nullopt;
    // "PID (NAME) STATE ...": the name may hold blanks and parentheses, so the
    // fields are counted from the last ")".
    const auto klammer = zeile.rfind(')');
    if (klammer == std::string::npos) return std::nullopt;
    std::istringstream felder(zeile.substr(klammer + 1));
    std::string zustand;
    felder >> zustand;
    if (zustand.empty() || zustand == "Z" || zustand == "X" || zustand == "x") return std::nullopt;
    // the start time is field 22 of the line, the 20th after the name
    std::string feld;
    for (int i = 2; i <= 20 && felder >> feld; ++i) {
    }
    Prozess p;
    p.pid = pid;
    try {
        p.start = std::stoull(feld);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return p;
}

std::string programmOrdner(std::string_view programmDatei) {
    const auto schnitt = programmDatei.rfind('/');
    if (schnitt == std::string_view::npos) return "./";
    return std::string(programmDatei.substr(0, schnitt + 1));
}

bool programmEntfernbar(const std::string& programmDatei) {
    const std::string ordner = programmOrdner(programmDatei);
    return ::access(programmDatei.c_str(), W_OK) == 0 && ::access(ordner.c_str(), W_OK | X_OK) == 0;
}

std::string shellWort(std::string_view text) {
    std::string wort = "'";
    for (char c : text) {
        if (c == '\'')
            wort += "'\\''";
        else
            wort += c;
    }
    return wort + "'";
}

std::string entfernungsSkript(const Entfernung& e) {
    std::string s;
    s += "#!/bin/sh\n";
    s += "# Removes the old Kalvendo program once the program and its installer have ended,\n";
    s += "# unless the installer has put something else in its place.\n";
    s += "datei=" + shellWort(e.programmDatei) + "\n";
    s += "kennung=" + shellWort(kennungText(e.programm)) + "\n";
    s += "ordner=" + shellWort(ohneTrenner(e.programmOrdner)) + "\n";
    s += "ordnerkennung=" + shellWort(ordnerKennungText(e.ordner)) + "\n";
    s += "skript=" + shellWort(e.skript) + "\n";
    s += "# laeuft PID START: the process runs and is the one that started at START\n";
    s += "laeuft() {\n";
    s += "    start=$2\n";
    s += "    zeile=$(cat \"/proc/$1/stat\" 2>/dev/null) || return 1\n";
    s += "    set -f\n";
    s += "    set -- ${zeile##*\") \"}\n";
    s += "    set +f\n";
    s += "    # an ended process its parent has not yet collected counts as ended\n";
    s += "    [ \"$1\" != Z ] && [ \"$1\" != X ] && [ \"$1\" != x ] && [ \"${20}\" = \"$start\" ]\n";
    s += "}\n";
    s += "while";
    for (std::size_t i = 0; i < e.warten.size(); ++i) {
        s += i == 0 ? " " : " || ";
        s += "laeuft " + std::to_string(e.warten[i].pid) + " " + std::to_string(e.warten[i].start);
    }
    if (e.warten.empty()) s += " false";
    s += "; do\n";
    s += "    sleep 0.2 2>/dev/null || sleep 1\n";
    s += "done\n";
    s += "if [ \"$(stat -c '%d:%i:%s:%.9Y' -- \"$datei\" 2>/dev/null)\" = \"$kennung\" ] && rm -f -- "
         "\"$datei\"; then\n";
    s += "    if [ \"$(stat -c '%d:%i' -- \"$ordner\" 2>/dev/null)\" = \"$ordnerkennung\" ]; then\n";
    s += "        rmdir -- \"$ordner\" 2>/dev/null\n";
    s += "    fi\n";
    s += "fi\n";
    s += "rm -f -- \"$skript\"\n";
    return s;
}

}  // namespace kv::update
