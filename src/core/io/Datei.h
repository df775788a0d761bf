// Reading and writing whole files. Every write goes to a temporary file in the
// target's folder, is flushed to disk and then renamed over the target, so a
// crash or a full disk never leaves a half-written file behind.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

// A file could not be opened, read or written. what() is a German message
// that names the file.
class DateiFehler : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A file was read but its content is refused. what() is a German message
// that names the file (and the record, where there is one).
class UngueltigeDatei : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The reason of a failed system call (an errno value) in German, without a full stop.
std::string systemFehlerText(int fehler);

// "C:/a/b/Schein.kv13" -> "Schein.kv13"
std::string dateiName(std::string_view pfad);
// "C:/a/b/Schein.kv13" -> "Schein"
std::string dateiNameOhneEndung(std::string_view pfad);

// True for a regular file (or a link to one).
bool dateiExistiert(const std::string& pfad);

// The whole file; throws DateiFehler. Only regular files (or links to them)
// are read: a folder, a device, a FIFO or a socket is refused without waiting
// for it, and so is a file too big for the memory.
std::vector<std::uint8_t> leseDatei(const std::string& pfad);

// At most the first `hoechstens` bytes, for formats that ignore the rest.
std::vector<std::uint8_t> leseDateianfang(const std::string& pfad, std::size_t hoechstens);

// The same, but nothing when there is no such file at the moment it is opened.
std::optional<std::vector<std::uint8_t>> leseDateiFallsVorhanden(const std::string& pfad);

// A regular file opened for reading block by block, for readers that keep
// less than the whole file (the same refusals as leseDatei); throws DateiFehler.
class Lesedatei {
  public:
    explicit Lesedatei(const std::string& pfad);
    // Without an error when there is no such file: vorhanden() is then false.
    struct FallsVorhanden {};
    Lesedatei(const std::string& pfad, FallsVorhanden);
    ~Lesedatei();
    Lesedatei(const Lesedatei&) = delete;
    Lesedatei& operator=(const Lesedatei&) = delete;

    bool vorhanden() const { return fd_ >= 0; }
    // The size when the file was opened.
    std::uint64_t groesse() const { return groesse_; }
    // Reads up to n bytes; 0 at the end of the file.
    std::size_t lies(std::uint8_t* ziel, std::size_t n);
    const std::string& pfad() const { return pfad_; }

  private:
    std::string pfad_;
    int fd_ = -1;
    std::uint64_t groesse_ = 0;
};

// Replaces the file atomically; throws DateiFehler (the target is then untouched).
//
// What is replaced: a regular file, keeping its permission bits (and its
// owner where the process may set it); through a symbolic link, the link's
// target (the link stays; a dangling link gets its target created). A missing
// file is created with the usual 0666 minus umask. Anything else (a folder, a
// device, a FIFO, a socket, a loop of links) is refused and nothing is written.
void schreibeAtomar(const std::string& pfad, std::string_view inhalt);
void schreibeAtomar(const std::string& pfad, const std::vector<std::uint8_t>& inhalt);

// One atomic write as schreibeAtomar does it, for writers that fill the file
// themselves (a library that writes to a named file). The content goes to a
// temporary file in the target's folder, locked while the write runs;
// abschliessen() puts it in place of the target, and without abschliessen()
// it is removed again. Where the file system allows it, that file has no name
// until it is complete (a killed write leaves nothing); otherwise, and for
// the moment between naming and renaming, it is called ".NAME.kalvendo-XXXXXX".
// Such a file that a killed write left behind is removed by a later write
// into the same folder, once no process holds it and it has not changed for
// kVerwaistNachSekunden (ten minutes).
class AtomaresSchreiben {
  public:
    static constexpr int kVerwaistNachSekunden = 600;

    // Checks the target and creates the temporary file; throws DateiFehler.
    explicit AtomaresSchreiben(const std::string& pfad);
    ~AtomaresSchreiben();
    AtomaresSchreiben(const AtomaresSchreiben&) = delete;
    AtomaresSchreiben& operator=(const AtomaresSchreiben&) = delete;

    // The temporary file, for a writer that opens it by name (a name under
    // /proc/self/fd while it has none of its own).
    const std::string& zwischenPfad() const { return zwischen_; }
    // Appends to the temporary file; throws DateiFehler.
    void schreibe(std::string_view daten);
    // Flushes the temporary file to disk and renames it over the target;
    // throws DateiFehler (the target is then untouched).
    void abschliessen();

  private:
    std::string zwischenName() const;
    void verwerfen();
    [[noreturn]] void scheitern(int fehler);

    std::string angegeben_;  // as the caller named it, for messages
    std::string ziel_;       // the file really replaced
    std::string ordner_;     // its folder
    std::string zwischen_;
    bool benannt_ = false;  // the temporary file has a name in the folder
    int fd_ = -1;
};

}  // namespace kv
