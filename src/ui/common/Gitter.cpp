#include "common/Gitter.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>

#include "evaluation/Hauptfensterlogik.h"

namespace kv::ui {

QVariant KopfModell::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Horizontal && role == Qt::DisplayRole) return kopf_.value(section);
    return {};
}

void KopfModell::setzeKopf(const QStringList& kopf) {
    kopf_ = kopf;
    if (columnCount() > 0) Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

WerteModell::WerteModell(int spalten, QObject* eltern) : KopfModell(eltern), spalten_(spalten) {}

QVariant KopfModell::weisseZelle(int role) {
    switch (role) {
        case Qt::BackgroundRole:
            return QColor(Qt::white);
        case Qt::TextAlignmentRole:
            return int(Qt::AlignCenter);
        default:
            return {};
    }
}

QVariant WerteModell::data(const QModelIndex& i, int role) const {
    if (!i.isValid()) return {};
    if (role == Qt::DisplayRole) return werte_.value(i.column());
    return weisseZelle(role);
}

void WerteModell::setzeWerte(const QStringList& werte) {
    if (werte == werte_) return;
    werte_ = werte;
    Q_EMIT dataChanged(index(0, 0), index(0, spalten_ - 1), {Qt::DisplayRole});
}

Gitter::Gitter(QWidget* eltern) : QTableView(eltern) {
    QFont f = font();
    f.setPixelSize(kGitterSchrift);
    setFont(f);
    horizontalHeader()->setFont(f);
    setItemDelegate(new ZellenDelegate(this));
    setTextElideMode(Qt::ElideNone);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(kZeilenhoehe);
    verticalHeader()->setDefaultSectionSize(kZeilenhoehe);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setMinimumSectionSize(8);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setFixedHeight(kZeilenhoehe + 2);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void Gitter::spaltenSetzen(const std::vector<int>& breiten) {
    for (std::size_t c = 0; c < breiten.size(); ++c) setColumnWidth(static_cast<int>(c), breiten[c]);
}

void Gitter::kopfSetzen(KopfModell* m, const QStringList& texte, const std::vector<int>& w) {
    const QFontMetrics fm(horizontalHeader()->font());
    QStringList kopf;
    for (qsizetype c = 0; c < texte.size(); ++c)
        kopf << zentriert(texte[c],
                          static_cast<std::size_t>(c) < w.size() ? w[static_cast<std::size_t>(c)] : 0, fm);
    m->setzeKopf(kopf);
}

QSize Gitter::groesseFuer(int zeilen) const {
    int b = 2 * frameWidth();
    for (int c = 0; model() && c < model()->columnCount(); ++c) b += columnWidth(c);
    const int h = 2 * frameWidth() + horizontalHeader()->height() + zeilen * kZeilenhoehe;
    return {b, h};
}

void Gitter::festeGroesse(int zeilen) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFixedSize(groesseFuer(zeilen));
}

void ZellenDelegate::paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const {
    const QRect r = o.rect;
    const QVariant hinten = i.data(Qt::BackgroundRole);
    p->fillRect(r, hinten.isValid() ? hinten.value<QColor>() : o.palette.color(QPalette::Base));
    const QString text = i.data(Qt::DisplayRole).toString();
    if (text.isEmpty()) return;
    // always the grid's own type: the columns are made wide enough instead
    const QFont& f = o.font;
    const QFontMetrics fm(f);
    const int breite = fm.horizontalAdvance(text);
    const bool links = (i.data(Qt::TextAlignmentRole).toInt() & Qt::AlignLeft) != 0;
    const int x = links ? r.left() + 2 : r.left() + (r.width() - breite) / 2;
    const int y = r.top() + (r.height() - fm.height()) / 2 + fm.ascent();
    p->save();
    p->setClipRect(r);
    p->setFont(f);
    p->setPen(o.palette.color(QPalette::Text));
    p->drawText(x, y, text);
    p->restore();
}

QString zentriert(const QString& text, int w, const QFontMetrics& fm) {
    const int n = zentrierBlanks(w, fm.horizontalAdvance(text), fm.horizontalAdvance(QLatin1Char(' ')));
    return QString(n, QLatin1Char(' ')) + text;
}

}  // namespace kv::ui
