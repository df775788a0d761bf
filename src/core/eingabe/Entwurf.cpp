#include "eingabe/Entwurf.h"

#include <ctime>
#include <limits>

#include "io/Datei.h"

namespace kv {

namespace {

constexpr std::string_view kKennung = "KALVENDO-ENTWURF";
constexpr std::uint8_t kVersion = 1;

[[noreturn]] void unlesbar(const std::string& name) {
    throw UngueltigeDatei("Die Datei " + name +
                          " ist kein vollständiger Entwurf nicht gespeicherter Eingaben.");
}

}  // namespace

void Entwurfsschreiber::zahl(std::uint64_t z) {
    for (int i = 0; i < 8; ++i) byte(static_cast<std::uint8_t>(z >> (8 * i)));
}

void Entwurfsschreiber::zahlen(const std::vector<std::uint64_t>& z) {
    daten_.reserve(daten_.size() + 8 * z.size());
    for (std::uint64_t x : z) zahl(x);
}

void Entwurfsschreiber::text(std::string_view t) {
    zahl(t.size());
    daten_.append(t);
}

std::uint8_t Entwurfsleser::byte() {
    if (pos_ >= daten_.size()) throw UngueltigeDatei("Entwurf zu kurz");
    return static_cast<std::uint8_t>(daten_[pos_++]);
}

std::uint64_t Entwurfsleser::zahl() {
    std::uint64_t z = 0;
    for (int i = 0; i < 8; ++i) z |= static_cast<std::uint64_t>(byte()) << (8 * i);
    return z;
}

std::uint64_t Entwurfsleser::zahl(std::uint64_t hoechstens) {
    const std::uint64_t z = zahl();
    if (z > hoechstens) throw UngueltigeDatei("Zahl im Entwurf außerhalb ihres Bereichs");
    return z;
}

std::string Entwurfsleser::text() {
    const std::uint64_t n = zahl();
    if (n > daten_.size() - pos_) throw UngueltigeDatei("Entwurf zu kurz");
    std::string t(daten_.substr(pos_, static_cast<std::size_t>(n)));
    pos_ += static_cast<std::size_t>(n);
    return t;
}

void Entwurfsleser::ende() const {
    if (!amEnde()) throw UngueltigeDatei("Entwurf mit überzähligen Bytes");
}

std::string entwurfAlsBytes(const Entwurf& e) {
    Entwurfsschreiber s;
    for (char c : kKennung) s.byte(static_cast<std::uint8_t>(c));
    s.byte(kVersion);
    s.zahl(static_cast<std::uint64_t>(e.zeit));
    for (int i = 0; i < 4; ++i) s.byte(static_cast<std::uint8_t>(e.teile.size() >> (8 * i)));
    for (const auto& [name, daten] : e.teile) {
        s.text(name);
        s.text(daten);
    }
    return s.daten();
}

Entwurf entwurfAusBytes(std::string_view bytes, const std::string& name) {
    if (bytes.substr(0, kKennung.size()) != kKennung) unlesbar(name);
    try {
        Entwurfsleser l(bytes.substr(kKennung.size()));
        if (l.byte() != kVersion) unlesbar(name);
        Entwurf e;
        e.zeit = static_cast<std::int64_t>(l.zahl());
        std::uint32_t n = 0;
        for (int i = 0; i < 4; ++i) n |= static_cast<std::uint32_t>(l.byte()) << (8 * i);
        for (std::uint32_t k = 0; k < n; ++k) {
            std::string teil = l.text();
            std::string daten = l.text();
            if (!e.teile.emplace(std::move(teil), std::move(daten)).second) unlesbar(name);
        }
        l.ende();
        return e;
    } catch (const UngueltigeDatei&) {
        unlesbar(name);
    }
}

void schreibeEntwurf(const std::string& pfad, const Entwurf& e) {
    schreibeAtomar(pfad, entwurfAlsBytes(e));
}

std::optional<Entwurf> leseEntwurf(const std::string& pfad) {
    const std::optional<std::vector<std::uint8_t>> bytes = leseDateiFallsVorhanden(pfad);
    if (!bytes) return std::nullopt;
    const std::string_view b(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    return entwurfAusBytes(b, dateiName(pfad));
}

std::string entwurfFrage(const std::string& wann) {
    return "Nicht gespeicherte Eingaben vom " + wann + " wiederherstellen?";
}

std::string entwurfZeit(std::int64_t zeit) {
    const std::time_t t = static_cast<std::time_t>(zeit);
    std::tm ort{};
    if (!localtime_r(&t, &ort)) return "?";
    char puffer[40];
    std::strftime(puffer, sizeof puffer, "%d.%m.%Y um %H:%M Uhr", &ort);
    return puffer;
}

}  // namespace kv
