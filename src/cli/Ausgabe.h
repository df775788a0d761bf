// The checked standard output of kalvendo-cli.
//
// Every command writes its output only to the stream `out` it is handed.
// ausfuehren() flushes that stream after the command and checks it: a failed
// or short write (a full disk, a closed standard output, a reader that went
// away) ends the command with "kalvendo-cli: Die Ausgabe konnte nicht
// geschrieben werden: <Grund>." on stderr and exit status 1, whatever the
// command returned. A command that writes much output writes it in blocks
// with schreibe(), which stops at the first failed write (AusgabeFehler, turned
// into the same message by ausfuehren()) instead of computing on.
#pragma once

#include <cstddef>
#include <ostream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace kv::cli {

// Writing the output failed. what() is the German message (without the
// "kalvendo-cli: " in front).
class AusgabeFehler : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A buffered stream buffer on a file descriptor (standard output in
// kalvendo-cli) that sees every failed or short write and remembers its reason.
// After the first failure everything further is dropped.
class Dateiausgabe : public std::streambuf {
  public:
    explicit Dateiausgabe(int fd);
    ~Dateiausgabe() override;
    Dateiausgabe(const Dateiausgabe&) = delete;
    Dateiausgabe& operator=(const Dateiausgabe&) = delete;

    // errno of the first failed write; 0 while every write succeeded.
    int fehler() const { return fehler_; }

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

  private:
    bool leeren();
    bool schreibeDirekt(const char* s, std::size_t n);

    int fd_;
    int fehler_ = 0;
    std::vector<char> puffer_;
};

// Throws AusgabeFehler when `out` has failed (with the reason when `out`
// writes through a Dateiausgabe).
void pruefeAusgabe(std::ostream& out);

// Writes `text` to `out` and checks it (pruefeAusgabe).
void schreibe(std::ostream& out, std::string_view text);

// Flushes `out` and checks it; ausfuehren() does this after every command.
void abschliessen(std::ostream& out);

// A message of the core on one terminal line: the paragraph break between
// its sentences becomes a blank.
std::string einzeilig(std::string meldung);

}  // namespace kv::cli
