#include "model/Cp1252.h"

#include <cstdint>

namespace kv {

namespace {

constexpr char32_t kErsatz = 0xFFFD;

// 0x80..0x9F are the only bytes that differ from ISO 8859-1.
constexpr std::array<char32_t, 32> kBereich80 = {
    0x20AC,  kErsatz, 0x201A, 0x0192, 0x201E, 0x2026,  0x2020, 0x2021,   // 80..87
    0x02C6,  0x2030,  0x0160, 0x2039, 0x0152, kErsatz, 0x017D, kErsatz,  // 88..8F
    kErsatz, 0x2018,  0x2019, 0x201C, 0x201D, 0x2022,  0x2013, 0x2014,   // 90..97
    0x02DC,  0x2122,  0x0161, 0x203A, 0x0153, kErsatz, 0x017E, 0x0178,   // 98..9F
};

constexpr std::array<char32_t, 256> baueTabelle() {
    std::array<char32_t, 256> t{};
    for (std::size_t b = 0; b < 256; ++b) t[b] = static_cast<char32_t>(b);
    for (std::size_t i = 0; i < kBereich80.size(); ++i) t[0x80 + i] = kBereich80[i];
    return t;
}

char zuByte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < kBereich80.size(); ++i)
        if (kBereich80[i] == cp && cp != kErsatz) return static_cast<char>(0x80 + i);
    return '?';
}

void haengeUtf8An(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {  // every code point of the table lies in the BMP
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

const std::array<char32_t, 256> kCp1252Tabelle = baueTabelle();

std::string utf8NachCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    const std::size_t n = utf8.size();
    std::size_t i = 0;
    while (i < n) {
        const auto b = static_cast<std::uint8_t>(utf8[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        // Strict decoding: no overlong forms, no surrogates, nothing above U+10FFFF.
        int folgebytes = 0;
        std::uint8_t unten = 0x80, oben = 0xBF;
        char32_t cp = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            folgebytes = 1;
            cp = b & 0x1Fu;
        } else if (b >= 0xE0 && b <= 0xEF) {
            folgebytes = 2;
            cp = b & 0x0Fu;
            if (b == 0xE0) unten = 0xA0;
            if (b == 0xED) oben = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            folgebytes = 3;
            cp = b & 0x07u;
            if (b == 0xF0) unten = 0x90;
            if (b == 0xF4) oben = 0x8F;
        } else {
            out += '?';
            ++i;
            continue;
        }
        ++i;
        bool gueltig = true;
        for (int k = 0; k < folgebytes; ++k) {
            const auto f = i < n ? static_cast<std::uint8_t>(utf8[i]) : std::uint8_t{0};
            if (i >= n || f < unten || f > oben) {
                gueltig = false;  // the offending byte starts the next sequence
                break;
            }
            cp = (cp << 6) | (f & 0x3Fu);
            ++i;
            unten = 0x80;
            oben = 0xBF;
        }
        out += gueltig ? zuByte(cp) : '?';
    }
    return out;
}

std::string cp1252NachUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (const char c : bytes) haengeUtf8An(out, kCp1252Tabelle[static_cast<std::uint8_t>(c)]);
    return out;
}

}  // namespace kv
