// What the print window's plain logic hands back to the window: messages to
// show, the answers of its Ja/Nein/Abbrechen questions, and the rounding the
// calibration and the print run share.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kv {

enum class Meldungsart {
    Information,  // information icon, OK
    Fehler,       // error icon, OK
    Hinweis,      // question icon, OK
};

// A message for a message box; the text may hold the paragraph break kAbsatz.
struct Druckmeldung {
    Meldungsart art = Meldungsart::Information;
    std::string text;
    friend bool operator==(const Druckmeldung&, const Druckmeldung&) = default;
};

enum class Druckantwort { Ja, Nein, Abbrechen };

// Asks a question with the buttons Ja, Nein, Abbrechen and returns the answer.
using Rueckfrage = std::function<Druckantwort(const std::string& frage)>;

// a / b rounded to the nearest integer, halves to the even neighbour (b > 0).
std::int64_t teileHalbGerade(std::int64_t a, std::int64_t b);
// v rounded to the nearest integer, halves to the even neighbour.
std::int64_t rundeHalbGerade(double v);

// The whole number in a window field (optional sign, digits), if it is one
// that fits an int.
std::optional<int> feldZahl(std::string_view text);

// "Im Feld <feld> steht "<text>", das ist keine ganze Zahl." + paragraph
// break + schluss.
Druckmeldung keineZahl(const std::string& feld, std::string_view text, const std::string& schluss);

// Headings of the four add-on games as the window shows them.
inline constexpr std::array<const char*, 4> kZusatzspielNamen = {"Spiel77", "Super6", "Joker1", "Joker2"};

// How messages name the position fields: ""horizontal:" der Ausdruck-Korrektur",
// ""x =" der Tippschein-Nummer", ""y =" für "nein" bei Super6".
std::string feldnameKorrektur(bool vertikal);
std::string feldnameNummer(bool y);
std::string feldnameZusatz(int spiel, int antwort, bool y);

}  // namespace kv
