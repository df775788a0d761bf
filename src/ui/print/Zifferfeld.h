// Numeric entry fields of the print window and its tables: they let through
// only the keys their field takes (digits, and a minus sign for the
// corrections); any other character is dropped with the warning sound.
// Pasted text is held to the same characters.
#pragma once

#include <QLineEdit>
#include <QStyledItemDelegate>

class QKeyEvent;

namespace kv::ui {

enum class Tastenfilter {
    Ziffern,       // digits
    ZiffernMinus,  // digits and the minus sign, at any position
};

// Whether the key goes into a field with filter `f`. Keys that type no
// character (arrows, Backspace, Tab, shortcuts) always do.
bool tasteErlaubt(const QKeyEvent* e, Tastenfilter f);

// At most `maxLaenge` characters can be typed or pasted; a text the program
// puts in (a row count, a value read from a file) is shown whole.
class Zifferfeld : public QLineEdit {
    Q_OBJECT
  public:
    Zifferfeld(Tastenfilter filter, int maxLaenge, const char* name, QWidget* eltern);

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    Tastenfilter filter_;
};

// The editor of the field tables and the detail table: digits only.
class ZiffernDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem& o,
                          const QModelIndex& i) const override;
    // Cells white, text centred, as the tables are drawn.
    void paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const override;
};

}  // namespace kv::ui
