// Which program of the desktop opens workbooks (.xlsx), found the way the
// desktop finds it: the user's and the system's default-application lists
// first, then every installed program that declares the file type.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

inline constexpr std::string_view kXlsxMimeTyp =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";

// The desktop's search folders.
struct XdgOrdner {
    std::string datenHome;                  // $XDG_DATA_HOME, ~/.local/share
    std::vector<std::string> datenOrdner;   // $XDG_DATA_DIRS, /usr/local/share:/usr/share
    std::string konfigHome;                 // $XDG_CONFIG_HOME, ~/.config
    std::vector<std::string> konfigOrdner;  // $XDG_CONFIG_DIRS, /etc/xdg
    std::vector<std::string> suchpfad;      // $PATH, for TryExec
};

// The folders as the environment gives them, with the usual defaults.
XdgOrdner xdgOrdnerAusUmgebung();

// An installed program as its desktop file describes it.
struct Desktopprogramm {
    std::string id;     // desktop file ID, e.g. "libreoffice-calc.desktop"
    std::string datei;  // full name of the desktop file
    std::string name;
    std::string exec;  // the Exec line, unescaped
};

// The program registered for `mimeTyp`, if any: the first usable entry of
// the "Default Applications" and then "Added Associations" of the mimeapps
// lists, else the first program whose desktop file declares the type. A
// usable program is an application with an Exec line, not hidden, not run in
// a terminal, whose TryExec (if any) exists, and not removed for the type.
std::optional<Desktopprogramm> registriertesProgramm(const XdgOrdner& ordner,
                                                     std::string_view mimeTyp = kXlsxMimeTyp);

// The command line that opens `datei` with the program: the Exec line split
// into its arguments, field codes replaced (%f/%F by the file, %u/%U by its
// file:// URL, %c by the name, %k by the desktop file; %i and unknown codes
// dropped; %% is a percent sign). Without any file code the file is appended.
// Empty when the Exec line cannot be split (an unclosed quote).
std::vector<std::string> startBefehl(const Desktopprogramm& programm, const std::string& datei);

}  // namespace kv
