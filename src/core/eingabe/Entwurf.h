// Drafts: what the entry windows show and was not saved yet, kept in one
// file of the data folder ("Entwurf.kventwurf") so that a crash, a killed
// program or a power cut loses nothing the user typed. Each window writes
// its own part (a name and its bytes); the file holds the parts of the
// windows that had unsaved work, and the time it was written.
//
// Layout (little-endian): the 16 bytes "KALVENDO-ENTWURF", a version byte
// (1), the time as signed 64-bit seconds since 1970 (UTC), the number of
// parts (32 bit), then per part its name and its bytes, each as a 64-bit
// length and the bytes themselves.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

inline constexpr const char* kEntwurfDatei = "Entwurf.kventwurf";

struct Entwurf {
    std::int64_t zeit = 0;  // seconds since 1970 (UTC) when it was written
    std::map<std::string, std::string> teile;
    friend bool operator==(const Entwurf&, const Entwurf&) = default;
};

std::string entwurfAlsBytes(const Entwurf& e);
// Throws UngueltigeDatei (naming `name`) for anything that is not a whole draft.
Entwurf entwurfAusBytes(std::string_view bytes, const std::string& name);

// Writes the draft atomically; throws DateiFehler.
void schreibeEntwurf(const std::string& pfad, const Entwurf& e);
// The draft in `pfad`; nothing when there is no such file. Throws DateiFehler
// and UngueltigeDatei.
std::optional<Entwurf> leseEntwurf(const std::string& pfad);

// Builds the bytes of one part: numbers of fixed width and texts with their length.
class Entwurfsschreiber {
  public:
    void byte(std::uint8_t b) { daten_ += static_cast<char>(b); }
    void zahl(std::uint64_t z);
    // Many numbers one after another, as zahl() writes each.
    void zahlen(const std::vector<std::uint64_t>& z);
    void text(std::string_view t);
    template <std::size_t N>
    void bytes(const std::array<std::uint8_t, N>& a) {
        for (std::uint8_t b : a) byte(b);
    }
    const std::string& daten() const { return daten_; }

  private:
    std::string daten_;
};

// Reads what an Entwurfsschreiber wrote, in the same order; every read
// beyond the end or any length that does not fit throws UngueltigeDatei.
class Entwurfsleser {
  public:
    explicit Entwurfsleser(std::string_view daten) : daten_(daten) {}
    std::uint8_t byte();
    std::uint64_t zahl();
    // A number that must be at most `hoechstens`.
    std::uint64_t zahl(std::uint64_t hoechstens);
    std::string text();
    template <std::size_t N>
    void bytes(std::array<std::uint8_t, N>& a) {
        for (std::uint8_t& b : a) b = byte();
    }
    bool amEnde() const { return pos_ == daten_.size(); }
    // Bytes not read yet (a bound for counts read before the things counted).
    std::size_t rest() const { return daten_.size() - pos_; }
    // Throws when something is left over.
    void ende() const;

  private:
    std::string_view daten_;
    std::size_t pos_ = 0;
};

// The question at the next start: "Nicht gespeicherte Eingaben vom
// 14.03.2026 um 15:07 Uhr wiederherstellen?" (`wann` is the date and time
// as the user reads it).
std::string entwurfFrage(const std::string& wann);
// Date and time of `zeit` (seconds since 1970) in the local time zone:
// "14.03.2026 um 15:07 Uhr".
std::string entwurfZeit(std::int64_t zeit);

}  // namespace kv
