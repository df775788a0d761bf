#include "print/Zifferfeld.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpressionValidator>

namespace kv::ui {

namespace {

// The free pixels at the left and the right of a cell's text.
constexpr int kZellrand = 2;

bool zeichenErlaubt(QChar c, Tastenfilter f) {
    return c.isDigit() || (f == Tastenfilter::ZiffernMinus && c == QLatin1Char('-'));
}

QRegularExpression muster(Tastenfilter f, int maxLaenge) {
    const QString zeichen = f == Tastenfilter::Ziffern ? QStringLiteral("[0-9]") : QStringLiteral("[0-9-]");
    return QRegularExpression(zeichen + QStringLiteral("{0,%1}").arg(maxLaenge));
}

}  // namespace

bool tasteErlaubt(const QKeyEvent* e, Tastenfilter f) {
    const QString t = e->text();
    if (t.isEmpty() || !t.at(0).isPrint()) return true;
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return true;
    for (QChar c : t)
        if (!zeichenErlaubt(c, f)) return false;
    return true;
}

Zifferfeld::Zifferfeld(Tastenfilter filter, int maxLaenge, const char* name, QWidget* eltern)
    : QLineEdit(eltern), filter_(filter) {
    setObjectName(QLatin1String(name));
    setValidator(new QRegularExpressionValidator(muster(filter, maxLaenge), this));
}

void Zifferfeld::keyPressEvent(QKeyEvent* e) {
    if (!tasteErlaubt(e, filter_)) {
        QApplication::beep();
        e->accept();
        return;
    }
    const QString vorher = text();
    const bool zeichen = !e->text().isEmpty() && e->text().at(0).isPrint();
    QLineEdit::keyPressEvent(e);
    // a character the field has no room for
    if (zeichen && text() == vorher && !(e->modifiers() & Qt::ControlModifier)) QApplication::beep();
}

QWidget* ZiffernDelegate::createEditor(QWidget* eltern, const QStyleOptionViewItem&,
                                       const QModelIndex&) const {
    auto* f = new Zifferfeld(Tastenfilter::Ziffern, 5, "Zelleditor", eltern);
    f->setFrame(false);
    f->setAlignment(Qt::AlignCenter);
    return f;
}

void ZiffernDelegate::paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const {
    p->fillRect(o.rect, Qt::white);
    const QString text = i.data(Qt::DisplayRole).toString();
    if (text.isEmpty()) return;
    p->save();
    p->setFont(o.font);
    p->setPen(o.palette.color(QPalette::Text));
    // a value wider than the cell between its margins is drawn narrower, so
    // that it never touches the cell's borders
    const QRectF platz = QRectF(o.rect).adjusted(kZellrand, 0, -kZellrand, 0);
    const double breite = QFontMetricsF(o.font).horizontalAdvance(text);
    if (breite > platz.width()) {
        p->translate(platz.left(), 0);
        p->scale(platz.width() / breite, 1);
        p->drawText(QRectF(0, platz.top(), breite, platz.height()), Qt::AlignCenter, text);
    } else {
        p->drawText(o.rect, Qt::AlignCenter, text);
    }
    p->restore();
}

}  // namespace kv::ui
