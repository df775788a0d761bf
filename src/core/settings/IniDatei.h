// The settings file: text with [Section] lines and key=value lines.
//
// Every call opens the file, reads it and closes it again; a write rewrites
// the whole file atomically and keeps every other line as it was (other keys,
// sections and their order, blank lines, comment lines starting with ';').
// Section and key names are compared without regard to ASCII case; blanks
// around names and values do not count. Lines may end with "\r\n" or "\n";
// written lines end with "\n".
//
// A missing file or key gives the default. A file that exists but cannot be
// read raises DateiFehler, for reads and writes alike (a write never replaces
// a file it could not read).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

class IniDatei {
  public:
    explicit IniDatei(std::string pfad);

    bool existiert() const;

    // The default unless the value is a decimal integer in the range of int
    // (an optional sign, digits, nothing else).
    int leseZahl(std::string_view abschnitt, std::string_view schluessel, int vorgabe) const;
    // True for any non-zero integer; the default when the value is no integer.
    bool leseBool(std::string_view abschnitt, std::string_view schluessel, bool vorgabe) const;
    std::string leseText(std::string_view abschnitt, std::string_view schluessel,
                         std::string_view vorgabe) const;

    void schreibeZahl(std::string_view abschnitt, std::string_view schluessel, int wert);
    // Written as "1" or "0".
    void schreibeBool(std::string_view abschnitt, std::string_view schluessel, bool wert);
    // Written as it is. A text with blanks at either end, or enclosed in
    // double quotes, is written inside one more pair of double quotes, which
    // reading removes again, so every text without a line break round-trips.
    // A line break in the text throws std::invalid_argument.
    void schreibeText(std::string_view abschnitt, std::string_view schluessel, std::string_view wert);

    // Removes the section's header line and its key lines, wherever the
    // section occurs; blank lines, comments and everything else stay.
    void loescheAbschnitt(std::string_view abschnitt);

    const std::string& pfad() const { return pfad_; }

  private:
    void schreibeWert(std::string_view abschnitt, std::string_view schluessel, std::string_view roh);

    std::string pfad_;
};

// Many keys in one operation: the file is read once when the session begins
// and written once, atomically, by speichern() (only when something changed).
// Reads see the session's own writes; names, values and errors follow the
// rules of IniDatei. A file that exists but cannot be read throws DateiFehler
// when the session begins.
class IniSitzung {
  public:
    explicit IniSitzung(std::string pfad);
    ~IniSitzung();
    IniSitzung(IniSitzung&&) noexcept;
    IniSitzung& operator=(IniSitzung&&) noexcept;

    // Whether the file existed when the session began (or was written since).
    bool existiert() const;
    bool geaendert() const;
    const std::string& pfad() const;

    int leseZahl(std::string_view abschnitt, std::string_view schluessel, int vorgabe) const;
    bool leseBool(std::string_view abschnitt, std::string_view schluessel, bool vorgabe) const;
    std::string leseText(std::string_view abschnitt, std::string_view schluessel,
                         std::string_view vorgabe) const;
    bool enthaeltSchluessel(std::string_view abschnitt, std::string_view schluessel) const;
    // Names of the section's keys as written, over all its occurrences, in file order.
    std::vector<std::string> schluesselNamen(std::string_view abschnitt) const;

    void schreibeZahl(std::string_view abschnitt, std::string_view schluessel, int wert);
    void schreibeBool(std::string_view abschnitt, std::string_view schluessel, bool wert);
    void schreibeText(std::string_view abschnitt, std::string_view schluessel, std::string_view wert);
    void loescheAbschnitt(std::string_view abschnitt);

    // Writes the file when something changed since it was read or last saved.
    void speichern();

  private:
    struct Daten;
    std::unique_ptr<Daten> d_;
};

}  // namespace kv
