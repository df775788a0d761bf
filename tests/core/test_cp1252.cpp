#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <optional>
#include <string>

#include "model/Cp1252.h"

namespace kv {
namespace {

// glibc's own converter, as the reference the built-in table is held against.
std::optional<std::string> iconvWandle(const char* nach, const char* von, const std::string& ein) {
    iconv_t cd = ::iconv_open(nach, von);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string aus(ein.size() * 4 + 16, '\0');
    std::string eingabe = ein;
    char* ep = eingabe.data();
    std::size_t erest = eingabe.size();
    char* ap = aus.data();
    std::size_t arest = aus.size();
    const std::size_t r = ::iconv(cd, &ep, &erest, &ap, &arest);
    ::iconv_close(cd);
    if (r == static_cast<std::size_t>(-1)) return std::nullopt;
    aus.resize(aus.size() - arest);
    return aus;
}

std::string utf8Von(char32_t cp) {
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}

TEST(Cp1252, TabelleStimmtMitIconvUeberein) {
    int undefiniert = 0;
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        const std::string byte(1, static_cast<char>(b));
        const auto referenz = iconvWandle("UTF-8", "WINDOWS-1252", byte);
        if (referenz) {
            EXPECT_EQ(utf8Von(kCp1252Tabelle[b]), *referenz);
            EXPECT_EQ(cp1252NachUtf8(byte), *referenz);
        } else {
            ++undefiniert;
            EXPECT_EQ(kCp1252Tabelle[b], U'\uFFFD');
            EXPECT_EQ(cp1252NachUtf8(byte), "\xEF\xBF\xBD");
        }
    }
    EXPECT_EQ(undefiniert, 5);  // 0x81, 0x8D, 0x8F, 0x90, 0x9D
}

// Every Unicode scalar value up to U+FFFF and a sample above it: the byte
// where iconv finds one, '?' where iconv refuses the character.
TEST(Cp1252, KodierungStimmtFuerJedesZeichenMitIconvUeberein) {
    int abgebildet = 0;
    for (char32_t cp = 1; cp < 0x10000; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        const std::string ein = utf8Von(cp);
        const auto referenz = iconvWandle("WINDOWS-1252", "UTF-8", ein);
        const std::string erwartet = referenz ? *referenz : std::string("?");
        ASSERT_EQ(utf8NachCp1252(ein), erwartet) << "U+" << std::hex << static_cast<unsigned>(cp);
        if (referenz) ++abgebildet;
    }
    EXPECT_EQ(abgebildet, 250);  // 256 bytes, less NUL and the five undefined ones
    for (char32_t cp : {U'\U0001F600', U'\U00010000', U'\U0010FFFF'})
        EXPECT_EQ(utf8NachCp1252(utf8Von(cp)), "?");
    EXPECT_EQ(utf8NachCp1252(std::string(1, '\0')), std::string(1, '\0'));
}

TEST(Cp1252, DefinierteBytesUeberstehenDenHinUndRueckweg) {
    std::string alle;
    for (int b = 0; b < 256; ++b)
        if (kCp1252Tabelle[b] != U'\uFFFD') alle += static_cast<char>(b);
    ASSERT_EQ(alle.size(), 251u);
    EXPECT_EQ(utf8NachCp1252(cp1252NachUtf8(alle)), alle);
    // An undefined byte comes back as '?', not as itself.
    EXPECT_EQ(utf8NachCp1252(cp1252NachUtf8("a\x81z\x9D")), "a?z?");
}

TEST(Cp1252, TexteUndFehlerhaftesUtf8) {
    struct Fall {
        const char* name;
        std::string utf8;
        std::string cp1252;
    };
    const Fall faelle[] = {
        {"Umlaute und Gedankenstrich",
         "K\xC3\xB6ln \xE2\x80\x93 M\xC3\xBC"
         "nchen",
         "K\xF6ln \x96 M\xFC"
         "nchen"},
        {"Euro", "\xE2\x82\xAC", "\x80"},
        {"nicht darstellbare Zeichen",
         "\xC5\x81\xC3\xB3"
         "d\xC5\xBA",
         "?\xF3"
         "d?"},
        {"Ersatzzeichen selbst", "\xEF\xBF\xBD", "?"},
        {"leer", "", ""},
        {"einzelnes Folgebyte",
         "a\x80"
         "b",
         "a?b"},
        {"abgeschnitten am Ende", "a\xC3", "a?"},
        {"abgeschnitten vor ASCII",
         "\xE2\x82"
         "A",
         "?A"},
        {"ueberlange Form", "\xC0\xAF", "??"},
        {"ueberlange Form dreibytig", "\xE0\x80\x80", "???"},
        {"Surrogat", "\xED\xA0\x80", "???"},
        {"jenseits U+10FFFF", "\xF4\x90\x80\x80", "????"},
        {"Fuenfbytefolge", "\xF8\x88\x80\x80\x80", "?????"},
        {"FF und FE", "\xFF\xFE", "??"},
        {"gueltig nach ungueltig", "\xC3\xC3\xA4", "?\xE4"},
    };
    for (const Fall& f : faelle) EXPECT_EQ(utf8NachCp1252(f.utf8), f.cp1252) << f.name;
}

}  // namespace
}  // namespace kv
