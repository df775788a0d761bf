#include "entry/Spielplanmodell.h"

#include <QHeaderView>
#include <QPainter>

#include "common/Gitter.h"
#include "eingabe/Spielplanimport.h"

namespace kv::ui {

Spielplanmodell::Spielplanmodell(Spielplanraster& raster, QObject* eltern)
    : QAbstractTableModel(eltern), raster_(raster) {}

int Spielplanmodell::rowCount(const QModelIndex& p) const {
    return p.isValid() ? 0 : Spielplanraster::kZeilen - 1;
}

int Spielplanmodell::columnCount(const QModelIndex& p) const {
    return p.isValid() ? 0 : raster_.spaltenAnzahl();
}

QVariant Spielplanmodell::data(const QModelIndex& i, int role) const {
    if (!i.isValid()) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return QString::fromStdString(raster_.zelle(i.column(), i.row() + 1));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignHCenter | Qt::AlignTop);
        case Qt::BackgroundRole:
            return i.column() == 0 ? QVariant() : QVariant(QColor(Qt::white));
        default:
            return {};
    }
}

QVariant Spielplanmodell::headerData(int section, Qt::Orientation o, int role) const {
    if (o != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return QString::fromStdString(raster_.zelle(section, 0));
    return {};
}

Qt::ItemFlags Spielplanmodell::flags(const QModelIndex& i) const {
    if (!i.isValid()) return Qt::NoItemFlags;
    // the number column is fixed; every other cell may be edited
    if (i.column() == 0) return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool Spielplanmodell::setData(const QModelIndex& i, const QVariant& wert, int role) {
    if (!i.isValid() || role != Qt::EditRole || i.column() == 0) return false;
    raster_.setzeZelle(i.column(), i.row() + 1, wert.toString().toStdString());
    Q_EMIT dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

void Spielplanmodell::neuGesetzt() {
    beginResetModel();
    endResetModel();
}

void SpielplanZelle::paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const {
    p->save();
    if (i.column() == 0) {
        // the fixed column: the face of the header, the number centred
        p->fillRect(o.rect, o.palette.color(QPalette::Button));
        p->setPen(o.palette.color(QPalette::ButtonText));
        p->setFont(o.font);
        p->drawText(o.rect, Qt::AlignCenter, i.data(Qt::DisplayRole).toString());
        p->restore();
        return;
    }
    p->fillRect(o.rect, Qt::white);
    if (o.state & QStyle::State_Selected) {
        QColor auswahl = o.palette.color(QPalette::Highlight);
        auswahl.setAlpha(60);
        p->fillRect(o.rect, auswahl);
    }
    const QString text = i.data(Qt::DisplayRole).toString();
    QFont f = o.font;
    f.setBold(false);
    p->setFont(f);
    p->setPen(Qt::black);
    p->setClipRect(o.rect);
    const QFontMetrics fm(f);
    const int x = o.rect.left() + (o.rect.width() - fm.horizontalAdvance(text)) / 2;
    p->drawText(QPoint(x, o.rect.top() + 2 + fm.ascent()), text);
    p->restore();
}

Spielplanansicht::Spielplanansicht(Spielplanmodell* modell, QWidget* eltern) : QTableView(eltern) {
    setObjectName(QStringLiteral("G1"));
    setModel(modell);
    setItemDelegate(new SpielplanZelle(this));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kZeilenhoehe);
    verticalHeader()->setMinimumSectionSize(kZeilenhoehe);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setFixedHeight(kZeilenhoehe + 2);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    connect(modell, &QAbstractItemModel::modelReset, this, &Spielplanansicht::breitenSetzen);
    breitenSetzen();
}

void Spielplanansicht::breitenSetzen() {
    for (int c = 0; c < model()->columnCount(); ++c) setColumnWidth(c, c == 0 ? 26 : c == 3 ? 52 : 200);
}

}  // namespace kv::ui
