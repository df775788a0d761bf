#include "entry/Zeilenliste.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

#include "eingabe/Entwurf.h"
#include "eingabe/Reihenliste.h"

namespace kv::ui {

namespace {
constexpr int kRand = 3;  // left of the text
}

Zeilenliste::Zeilenliste(QWidget* eltern) : QAbstractScrollArea(eltern) {
    setObjectName(QStringLiteral("M2"));
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPixelSize(11);
    setFont(f);
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    bereichSetzen();
}

void Zeilenliste::zeigeListe(const Reihenliste* liste) {
    text_.zeigeListe(liste);
    zeile_ = 0;
    spalte_ = 0;
    markiert_ = false;
    breiteste_ = 0;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    bereichSetzen();
    viewport()->update();
    Q_EMIT geaendert();
}

void Zeilenliste::zeigeEntwurf(const Reihenliste* liste, std::string_view entwurf) {
    Entwurfsleser l(entwurf);
    text_.entwurfLesen(liste, l);
    zeile_ = 0;
    spalte_ = 0;
    markiert_ = false;
    breiteste_ = 0;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    bereichSetzen();
    viewport()->update();
    Q_EMIT geaendert();
}

int Zeilenliste::zeilenhoehe() const {
    return fontMetrics().height();
}

int Zeilenliste::sichtbareZeilen() const {
    return std::max(1, viewport()->height() / zeilenhoehe());
}

std::uint64_t Zeilenliste::ersteZeile() const {
    return static_cast<std::uint64_t>(verticalScrollBar()->value());
}

void Zeilenliste::bereichSetzen() {
    const std::uint64_t n = text_.anzahl();
    const std::uint64_t seite = static_cast<std::uint64_t>(sichtbareZeilen());
    const std::uint64_t hoechste = n > seite ? n - seite : 0;
    verticalScrollBar()->setRange(0, static_cast<int>(std::min<std::uint64_t>(hoechste, INT32_MAX)));
    verticalScrollBar()->setPageStep(static_cast<int>(seite));
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setRange(0, std::max(0, breiteste_ + 2 * kRand - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void Zeilenliste::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    bereichSetzen();
}

void Zeilenliste::focusInEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusInEvent(e);
    viewport()->update();
}

void Zeilenliste::focusOutEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusOutEvent(e);
    viewport()->update();
}

QString Zeilenliste::zeileText(std::uint64_t i) const {
    return i < text_.anzahl() ? QString::fromStdString(text_.zeile(i)) : QString();
}

std::pair<Zeilenliste::Stelle, Zeilenliste::Stelle> Zeilenliste::markierung() const {
    if (!markiert_) return {};
    const Stelle cursor{zeile_, spalte_};
    return {std::min(anker_, cursor), std::max(anker_, cursor)};
}

void Zeilenliste::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    const QFontMetrics fm = fontMetrics();
    const int h = zeilenhoehe();
    const int x0 = kRand - horizontalScrollBar()->value();
    const std::uint64_t erste = ersteZeile();
    const std::uint64_t letzte =
        std::min(text_.anzahl(), erste + static_cast<std::uint64_t>(sichtbareZeilen()) + 1);
    const auto [von, bis] = markierung();
    int breiteste = breiteste_;
    for (std::uint64_t i = erste; i < letzte; ++i) {
        const int y = static_cast<int>(i - erste) * h;
        const QString s = zeileText(i);
        p.setPen(palette().color(QPalette::Text));
        p.drawText(QPoint(x0, y + fm.ascent()), s);
        if (von < bis && i >= von.zeile && i <= bis.zeile) {
            // the marked part of the line; a line marked to its end shows its
            // line break marked too, up to the right edge
            const int a = i == von.zeile ? von.spalte : 0;
            const int e = i == bis.zeile ? std::min(bis.spalte, static_cast<int>(s.size()))
                                         : static_cast<int>(s.size());
            const int xa = x0 + fm.horizontalAdvance(s.left(a));
            const int xe = i == bis.zeile ? x0 + fm.horizontalAdvance(s.left(e)) : viewport()->width();
            if (xe > xa) {
                const QRect r(xa, y, xe - xa, h);
                p.fillRect(r, palette().color(QPalette::Highlight));
                p.save();
                p.setClipRect(r);
                p.setPen(palette().color(QPalette::HighlightedText));
                p.drawText(QPoint(x0, y + fm.ascent()), s);
                p.restore();
            }
        }
        breiteste = std::max(breiteste, fm.horizontalAdvance(s));
    }
    if (hasFocus() && zeile_ >= erste && zeile_ <= letzte) {
        const int y = static_cast<int>(zeile_ - erste) * h;
        const int x = x0 + fm.horizontalAdvance(zeileText(zeile_).left(spalte_));
        p.setPen(palette().color(QPalette::Text));
        p.drawLine(x, y, x, y + h - 1);
    }
    if (breiteste != breiteste_) {
        breiteste_ = breiteste;
        bereichSetzen();
    }
}

void Zeilenliste::cursorZeigen() {
    const std::uint64_t erste = ersteZeile();
    const std::uint64_t seite = static_cast<std::uint64_t>(sichtbareZeilen());
    if (zeile_ < erste)
        verticalScrollBar()->setValue(static_cast<int>(zeile_));
    else if (zeile_ >= erste + seite)
        verticalScrollBar()->setValue(static_cast<int>(zeile_ - seite + 1));
    const int x = fontMetrics().horizontalAdvance(zeileText(zeile_).left(spalte_));
    QScrollBar* hs = horizontalScrollBar();
    if (x < hs->value())
        hs->setValue(x);
    else if (x + 2 * kRand > hs->value() + viewport()->width())
        hs->setValue(x + 2 * kRand - viewport()->width());
    viewport()->update();
}

void Zeilenliste::bewege(std::int64_t zeile, int spalte, bool markieren) {
    const std::int64_t n = static_cast<std::int64_t>(text_.anzahl());
    if (markieren && !markiert_) {
        anker_ = {zeile_, spalte_};
        markiert_ = true;
    } else if (!markieren) {
        markiert_ = false;
    }
    zeile_ = static_cast<std::uint64_t>(std::clamp<std::int64_t>(zeile, 0, std::max<std::int64_t>(n - 1, 0)));
    spalte_ = std::clamp(spalte, 0, static_cast<int>(zeileText(zeile_).size()));
    cursorZeigen();
}

void Zeilenliste::zeileSetzen(std::uint64_t i, const QString& s) {
    if (i < text_.anzahl())
        text_.ersetzen(i, 1, {s.toStdString()});
    else
        text_.ersetzen(text_.anzahl(), 0, {s.toStdString()});
}

void Zeilenliste::bearbeitet() {
    bereichSetzen();
    cursorZeigen();
    Q_EMIT geaendert();
}

void Zeilenliste::markierteLoeschen() {
    const auto [von, bis] = markierung();
    markiert_ = false;
    if (!(von < bis) || von.zeile >= text_.anzahl()) return;
    // what is left of the first and of the last marked line becomes one line
    const QString rest = zeileText(von.zeile).left(von.spalte) + zeileText(bis.zeile).mid(bis.spalte);
    const std::uint64_t bisZeile = std::min(bis.zeile, text_.anzahl() - 1);
    text_.ersetzen(von.zeile, bisZeile - von.zeile + 1, {rest.toStdString()});
    zeile_ = von.zeile;
    spalte_ = von.spalte;
    bearbeitet();
}

void Zeilenliste::kopieren() {
    QString t;
    const auto [von, bis] = markierung();
    if (von < bis) {
        for (std::uint64_t i = von.zeile; i <= bis.zeile && i < text_.anzahl(); ++i) {
            const QString s = zeileText(i);
            const int a = i == von.zeile ? von.spalte : 0;
            t += i == bis.zeile ? s.mid(a, bis.spalte - a) : s.mid(a) + QLatin1Char('\n');
        }
    } else if (zeile_ < text_.anzahl()) {
        t = zeileText(zeile_) + QLatin1Char('\n');
    }
    QApplication::clipboard()->setText(t);
}

void Zeilenliste::einfuegen(const QString& s) {
    if (s.isEmpty()) return;
    if (markiert_) markierteLoeschen();
    const QString bisher = zeileText(zeile_);
    const std::size_t byte = static_cast<std::size_t>(bisher.left(spalte_).toUtf8().size());
    const auto [zeile, spalteByte] = text_.einfuegen(zeile_, byte, s.toStdString());
    zeile_ = zeile;
    spalte_ = static_cast<int>(QString::fromStdString(text_.zeile(zeile).substr(0, spalteByte)).size());
    bearbeitet();
}

void Zeilenliste::keyPressEvent(QKeyEvent* e) {
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const bool strg = e->modifiers() & Qt::ControlModifier;
    const std::int64_t z = static_cast<std::int64_t>(zeile_);
    const std::int64_t seite = sichtbareZeilen();
    if (e->matches(QKeySequence::SelectAll)) {
        if (text_.anzahl() == 0) return;
        anker_ = {};
        markiert_ = true;
        zeile_ = text_.anzahl() - 1;
        spalte_ = static_cast<int>(zeileText(zeile_).size());
        cursorZeigen();
        return;
    }
    if (e->matches(QKeySequence::Copy)) return kopieren();
    if (e->matches(QKeySequence::Cut)) {
        kopieren();
        const auto [von, bis] = markierung();
        if (von < bis) return markierteLoeschen();
        // nothing marked: the cursor's line goes, as it was copied
        markiert_ = false;
        if (zeile_ >= text_.anzahl()) return;
        text_.ersetzen(zeile_, 1, {});
        zeile_ = std::min(zeile_, text_.anzahl() > 0 ? text_.anzahl() - 1 : 0);
        spalte_ = 0;
        return bearbeitet();
    }
    if (e->matches(QKeySequence::Paste)) return einfuegen(QApplication::clipboard()->text());
    switch (e->key()) {
        case Qt::Key_Up:
            return bewege(z - 1, spalte_, shift);
        case Qt::Key_Down:
            return bewege(z + 1, spalte_, shift);
        case Qt::Key_PageUp:
            return bewege(z - seite, spalte_, shift);
        case Qt::Key_PageDown:
            return bewege(z + seite, spalte_, shift);
        case Qt::Key_Home:
            return strg ? bewege(0, 0, shift) : bewege(z, 0, shift);
        case Qt::Key_End:
            return strg ? bewege(static_cast<std::int64_t>(text_.anzahl()) - 1, INT32_MAX, shift)
                        : bewege(z, INT32_MAX, shift);
        case Qt::Key_Left:
            if (spalte_ > 0) return bewege(z, spalte_ - 1, shift);
            if (z > 0) return bewege(z - 1, INT32_MAX, shift);
            return;
        case Qt::Key_Right:
            if (spalte_ < zeileText(zeile_).size()) return bewege(z, spalte_ + 1, shift);
            if (zeile_ + 1 < text_.anzahl()) return bewege(z + 1, 0, shift);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return einfuegen(QStringLiteral("\n"));
        case Qt::Key_Backspace: {
            if (markiert_ && markierung().first < markierung().second) return markierteLoeschen();
            markiert_ = false;
            if (zeile_ >= text_.anzahl()) return;
            QString s = zeileText(zeile_);
            if (spalte_ > 0) {
                s.remove(--spalte_, 1);
                zeileSetzen(zeile_, s);
            } else if (zeile_ > 0) {
                const QString davor = zeileText(zeile_ - 1);
                text_.ersetzen(zeile_ - 1, 2, {(davor + s).toStdString()});
                --zeile_;
                spalte_ = static_cast<int>(davor.size());
            } else {
                return;
            }
            return bearbeitet();
        }
        case Qt::Key_Delete: {
            if (markiert_ && markierung().first < markierung().second) return markierteLoeschen();
            markiert_ = false;
            if (zeile_ >= text_.anzahl()) return;
            QString s = zeileText(zeile_);
            if (spalte_ < s.size()) {
                s.remove(spalte_, 1);
                zeileSetzen(zeile_, s);
            } else if (zeile_ + 1 < text_.anzahl()) {
                text_.ersetzen(zeile_, 2, {(s + zeileText(zeile_ + 1)).toStdString()});
            } else {
                return;
            }
            return bearbeitet();
        }
        default:
            break;
    }
    const QString t = e->text();
    if (!t.isEmpty() && !strg && t.at(0).isPrint()) return einfuegen(t);
    QAbstractScrollArea::keyPressEvent(e);
}

void Zeilenliste::mousePressEvent(QMouseEvent* e) {
    setFocus(Qt::MouseFocusReason);
    const std::int64_t zeile = static_cast<std::int64_t>(ersteZeile()) +
                               static_cast<std::int64_t>(e->position().y()) / zeilenhoehe();
    if (text_.anzahl() == 0) return;
    const QString s = zeileText(static_cast<std::uint64_t>(
        std::clamp<std::int64_t>(zeile, 0, static_cast<std::int64_t>(text_.anzahl()) - 1)));
    const int x = static_cast<int>(e->position().x()) - kRand + horizontalScrollBar()->value();
    int spalte = 0;
    const QFontMetrics fm = fontMetrics();
    while (spalte < s.size() &&
           fm.horizontalAdvance(s.left(spalte + 1)) - fm.horizontalAdvance(s.at(spalte)) / 2 < x)
        ++spalte;
    bewege(zeile, spalte, e->modifiers() & Qt::ShiftModifier);
}

}  // namespace kv::ui
