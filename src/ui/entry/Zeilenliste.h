// The row list "M2" of the normal slip entry window: a plain text with one
// tip row per line that the user may edit, drawn and edited by this view
// over a kv::Zeilentext. Only the lines on screen are ever made into text,
// so a list of 1.6 million rows costs no more than the rows themselves.
//
// Editing: arrow keys, Home/End, Page Up/Down, Ctrl+Home/End move the
// cursor; with Shift (or a click with Shift) they mark the text from where
// the marking began to the cursor, as in any text field: Home, Shift+Down
// marks one whole line. Typing inserts at the cursor (in place of the marked
// text), Enter splits a line, Backspace and Delete remove a character, join
// two lines, or remove the marked text. Ctrl+A marks everything, Ctrl+C
// copies the marked text (or the cursor's line), Ctrl+X cuts it, Ctrl+V
// pastes.
#pragma once

#include <QAbstractScrollArea>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "eingabe/Zeilentext.h"

namespace kv {
class Reihenliste;
}

namespace kv::ui {

class Zeilenliste : public QAbstractScrollArea {
    Q_OBJECT
  public:
    explicit Zeilenliste(QWidget* eltern);

    // Shows the rows of `liste` (a new listing): nothing edited, the cursor
    // at the top.
    void zeigeListe(const Reihenliste* liste);
    // Shows the text of a draft over the rows of `liste` (see
    // kv::Zeilentext::entwurfLesen): not saved, the cursor at the top.
    // Throws UngueltigeDatei, showing what it showed, for no such draft.
    void zeigeEntwurf(const Reihenliste* liste, std::string_view entwurf);
    // The lines as they stand were saved (a text file).
    void alsGesichertMerken() { text_.alsGesichertMerken(); }

    const Zeilentext& inhalt() const { return text_; }
    std::uint64_t zeilen() const { return text_.anzahl(); }
    // The whole text as it stands, every line ended by CR LF.
    std::string text() const { return text_.text(); }

    std::uint64_t cursorZeile() const { return zeile_; }
    int cursorSpalte() const { return spalte_; }
    // The first line on screen.
    std::uint64_t ersteZeile() const;

  Q_SIGNALS:
    // The text changed (`M2Change`): a listing, a reduction or an edit.
    void geaendert();

  protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

  private:
    int zeilenhoehe() const;
    int sichtbareZeilen() const;
    void bereichSetzen();
    void cursorZeigen();
    // Moves the cursor; with `markieren` the marked text runs from the anchor to it.
    void bewege(std::int64_t zeile, int spalte, bool markieren);
    bool markiert() const { return markiert_; }
    // The marked text, from its start to its end (line, column), the end not
    // included; empty when nothing is marked.
    struct Stelle {
        std::uint64_t zeile = 0;
        int spalte = 0;
        friend auto operator<=>(const Stelle&, const Stelle&) = default;
    };
    std::pair<Stelle, Stelle> markierung() const;
    QString zeileText(std::uint64_t i) const;
    void zeileSetzen(std::uint64_t i, const QString& s);
    void markierteLoeschen();
    void kopieren();
    void einfuegen(const QString& s);
    void bearbeitet();

    Zeilentext text_;
    std::uint64_t zeile_ = 0;
    int spalte_ = 0;
    Stelle anker_;
    bool markiert_ = false;
    int breiteste_ = 0;
};

}  // namespace kv::ui
