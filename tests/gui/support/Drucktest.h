// The print window of a started program as the print tests drive it: test
// slips whose neighbouring rows differ, a player's calibration from a few
// ruler values, and the PDF files a printer writes.
#pragma once

#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include "TestUmgebung.h"

namespace kv::ui {
class TFDruck;
class TFMain;
}  // namespace kv::ui

namespace kv::test {

// Row i (1-based) of the test slips: i - 1 in base 3 over matches 13 .. 1,
// so that neighbouring rows differ.
QString reihenZiffern(int i);
// A slip "reihen<N>.kv13" of the rows 1 .. N as single-row fields.
QString reihenschein(TestUmgebung& welt, int reihen);

// The calibration the tests make from a few ruler values: twelve fields in
// two rows of six, first boxes of row one at x 150, 330, ..., 1050 and y 420,
// of row two at y 1120; B 76 (half distance 38), C 480 (row pitch 40).
inline constexpr int kB2 = 38, kZeile = 40;
inline int kaestchenX(int feld, int box) {
    return 150 + ((feld - 1) % 6) * 180 + (box - 1) * kB2;
}
inline int kaestchenY(int feld, int spiel) {
    return (feld <= 6 ? 420 : 1120) + (spiel - 1) * kZeile;
}

// The control `name` of `w`; fails the test when it is missing.
template <typename T>
T* kind(const QWidget* w, const char* name) {
    T* k = w->findChild<T*>(QLatin1String(name));
    if (!k) QTest::qFail(name, __FILE__, __LINE__);
    return k;
}

inline void setze(const QWidget* w, const char* name, const QString& text) {
    kind<QLineEdit>(w, name)->setText(text);
}

// The print window of the started program, and the PDF file a printer of the
// tests writes: 600 dpi, unprintable margins of 12 pt at the left (100 dots:
// OX = 42.3 -> 42) and 18 pt at the top (150 dots: OY = 63.5 -> 64).
struct Druck {
    static constexpr int kDpi = 600;
    static constexpr double kRandLinksMm = 12 * 25.4 / 72, kRandObenMm = 18 * 25.4 / 72;
    static constexpr int kOX = 42, kOY = 64;

    TestUmgebung& welt;
    kv::ui::TFDruck* d = nullptr;
    QString pdf;  // the file the printer writes; later jobs get "-2", "-3", ...

    Druck(TestUmgebung& umgebung, kv::ui::TFMain& w);

    // A player's calibration: ruler values, "Automatisch ausfüllen", the
    // corrections H = -5 and V = 3, the slip number at 1700/90, Spiel77 "ja"
    // at 1200/1150 and "nein" at 1300/1150; saved as "lotto.kvxdr".
    void kalibrieren();
    QString format() const { return welt.ablage() + QStringLiteral("lotto.kvxdr"); }

    // The next set-up dialog chooses the PDF printer.
    void drucker();
    QString datei(int auftrag) const;
    QStringList dateien() const;
};

}  // namespace kv::test
