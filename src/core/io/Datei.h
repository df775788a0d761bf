// Reading and writing whole files. Every write goes to a temporary file in the
// target's folder, is flushed to disk and then renamed over the target, so a
// crash or a full disk never leaves a half-written file behind.
#pragma once

#include <cstdint>
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

bool dateiExistiert(const std::string& pfad);

// The whole file; throws DateiFehler.
std::vector<std::uint8_t> leseDatei(const std::string& pfad);

// Replaces the file atomically; throws DateiFehler (the target is then untouched).
void schreibeAtomar(const std::string& pfad, std::string_view inhalt);
void schreibeAtomar(const std::string& pfad, const std::vector<std::uint8_t>& inhalt);

}  // namespace kv
