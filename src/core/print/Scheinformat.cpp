#include "print/Scheinformat.h"

#include "io/Datei.h"
#include "model/Records.h"

namespace kv {

namespace {

void setze(std::vector<std::uint8_t>& b, std::size_t offset, std::int32_t wert) {
    const auto u = static_cast<std::uint32_t>(wert);
    for (std::size_t i = 0; i < 4; ++i) b[offset + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

std::int32_t wert(const std::vector<std::uint8_t>& b, std::size_t offset) {
    std::uint32_t u = 0;
    for (std::size_t i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(b[offset + i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}

void setze(std::vector<std::uint8_t>& b, std::size_t offset, const TPosition& p) {
    setze(b, offset, p.x);
    setze(b, offset + 4, p.y);
}

TPosition position(const std::vector<std::uint8_t>& b, std::size_t offset) {
    return {wert(b, offset), wert(b, offset + 4)};
}

[[noreturn]] void ungueltig(const std::string& name, const std::string& grund) {
    throw UngueltigeDatei("Die Datei " + name + " ist kein gültiges Schein-Format: " + grund);
}

}  // namespace

std::vector<std::uint8_t> formatBytes(const TScheinFormat& f) {
    std::vector<std::uint8_t> b(kFormatBytes);
    setze(b, kOffsetFelderProReihe, f.FelderProReihe);
    setze(b, kOffsetAnordnung, f.Anordnung);
    setze(b, kOffsetB, f.B);
    setze(b, kOffsetC, f.C);
    setze(b, kOffsetHori, f.Hori);
    setze(b, kOffsetVert, f.Vert);
    setze(b, kOffsetNrX, f.Nr);
    for (int feld = 1; feld <= kMaxFelder; ++feld)
        for (int m = 1; m <= kSpiele; ++m)
            for (int box = 1; box <= kSpalten; ++box)
                setze(b, kaestchenOffset(feld, m, box), f.kaestchen(feld, m, box));
    for (int g = 1; g <= kZusatzspiele; ++g)
        for (int j = 1; j <= 2; ++j) setze(b, zusatzOffset(g, j), f.zusatz(g, j));
    return b;
}

TScheinFormat formatAusBytes(const std::vector<std::uint8_t>& b, const std::string& name) {
    if (b.size() < kFormatBytes)
        ungueltig(name, "Sie ist " + std::to_string(b.size()) + (b.size() == 1 ? " Byte" : " Bytes") +
                            " lang, ein Schein-Format hat " + std::to_string(kFormatBytes) + " Bytes.");
    TScheinFormat f;
    f.FelderProReihe = wert(b, kOffsetFelderProReihe);
    if (f.FelderProReihe < 4 || f.FelderProReihe > 6)
        ungueltig(name, "Die Zahl der Tippfelder pro Reihe ist " + std::to_string(f.FelderProReihe) +
                            ", möglich sind 4, 5 und 6.");
    f.Anordnung = wert(b, kOffsetAnordnung);
    if (f.Anordnung != 0 && f.Anordnung != 1)
        ungueltig(name, "Die Anordnung der Tippfelder ist " + std::to_string(f.Anordnung) +
                            ", möglich sind 0 (eine Reihe) und 1 (zwei Reihen).");
    f.B = wert(b, kOffsetB);
    f.C = wert(b, kOffsetC);
    f.Hori = wert(b, kOffsetHori);
    f.Vert = wert(b, kOffsetVert);
    f.Nr = position(b, kOffsetNrX);
    for (int feld = 1; feld <= kMaxFelder; ++feld)
        for (int m = 1; m <= kSpiele; ++m)
            for (int box = 1; box <= kSpalten; ++box)
                f.kaestchen(feld, m, box) = position(b, kaestchenOffset(feld, m, box));
    for (int g = 1; g <= kZusatzspiele; ++g)
        for (int j = 1; j <= 2; ++j) f.zusatz(g, j) = position(b, zusatzOffset(g, j));
    return f;
}

TScheinFormat leseScheinformat(const std::string& pfad) {
    // one record: bytes after it are not read, however many there are
    return formatAusBytes(leseDateianfang(pfad, kFormatBytes), dateiName(pfad));
}

void schreibeScheinformat(const std::string& pfad, const TScheinFormat& format) {
    schreibeAtomar(pfad, formatBytes(format));
}

}  // namespace kv
