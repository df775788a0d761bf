// Removing the old program after the hand-over to the installer. The program
// cannot delete its own file while it runs, so it leaves a small shell script
// behind that waits until the program and the installer have both ended.
// The installer may by then have put the new program in the old one's place,
// at once or after a while, or made the program's folder anew: the script
// therefore deletes the program file only when it is still the very file
// the program was started from, and the folder only when it is still the
// same folder and empty. It never deletes anything else, and always itself.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv::update {

// What tells one file apart from another put at the same path: device,
// inode, size and modification time. A file written anew, replaced by a
// rename, or changed in place has another identity.
struct Dateikennung {
    unsigned long long geraet = 0;
    unsigned long long inode = 0;
    long long groesse = 0;
    long long geaendertSek = 0;
    long geaendertNsek = 0;

    bool operator==(const Dateikennung&) const = default;
};

// The identity of the entry `pfad` itself (a symbolic link is not followed);
// nullopt when it does not exist or cannot be examined.
std::optional<Dateikennung> dateikennung(const std::string& pfad);

// The identity as the script compares it: the output of
// stat -c '%d:%i:%s:%.9Y' for a file, stat -c '%d:%i' for a folder.
std::string kennungText(const Dateikennung& k);
std::string ordnerKennungText(const Dateikennung& k);

// A process the script waits for. Its start time (clock ticks after boot, as
// /proc/PID/stat gives it) keeps a later process that got the same id from
// being taken for it.
struct Prozess {
    long pid = 0;
    unsigned long long start = 0;
};

// Process `pid` while it runs; nullopt when it has ended (a process that has
// ended but was not yet collected by its parent counts as ended).
std::optional<Prozess> laufenderProzess(long pid);

struct Entfernung {
    std::string programmDatei;    // full name of the old program file
    Dateikennung programm;        // its identity before the installer started
    std::string programmOrdner;   // its folder (a trailing separator is allowed)
    Dateikennung ordner;          // the folder's identity at the same time
    std::vector<Prozess> warten;  // the program and the installer
    std::string skript;           // the script's own full name
};

// The POSIX shell script that carries out `e`: it waits until every process
// of e.warten has ended; deletes e.programmDatei when its identity is still
// e.programm; then removes the folder when it is still e.ordner and empty;
// and deletes itself in any case.
std::string entfernungsSkript(const Entfernung& e);

// "/opt/kv/kalvendo" -> "/opt/kv/" (the folder with its trailing separator).
std::string programmOrdner(std::string_view programmDatei);
// True when this user may delete the program file: the file and its folder are
// both writable.
bool programmEntfernbar(const std::string& programmDatei);
// `text` in single quotes for the shell.
std::string shellWort(std::string_view text);

}  // namespace kv::update
