#include "print/Druckmodelle.h"

#include <QColor>

#include <algorithm>

#include "model/Tipp.h"
#include "print/Kalibrierung.h"
#include "textexport/TextExport.h"

namespace kv::ui {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QVariant zellrolle(int role) {
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role == Qt::BackgroundRole) return QColor(Qt::white);
    return {};
}

}  // namespace

// --- field tables ---------------------------------------------------------

FeldtabellenModell::FeldtabellenModell(Kalibrierung& k, int feld, QObject* eltern)
    : QAbstractTableModel(eltern), k_(k), feld_(feld) {}

int FeldtabellenModell::rowCount(const QModelIndex& p) const {
    return p.isValid() ? 0 : kSpiele;
}

int FeldtabellenModell::columnCount(const QModelIndex& p) const {
    return p.isValid() ? 0 : Kalibrierung::kFeldSpalten;
}

QVariant FeldtabellenModell::data(const QModelIndex& i, int role) const {
    if (!i.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return q(k_.feldZelle(feld_, i.row() + 1, i.column()));
    return zellrolle(role);
}

bool FeldtabellenModell::setData(const QModelIndex& i, const QVariant& v, int role) {
    if (!i.isValid() || role != Qt::EditRole || i.column() == 0) return false;
    k_.setzeFeldZelle(feld_, i.row() + 1, i.column(), v.toString().toStdString());
    Q_EMIT dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

QVariant FeldtabellenModell::headerData(int section, Qt::Orientation o, int role) const {
    if (o != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return QString::fromLatin1(Kalibrierung::feldKopf(section));
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags FeldtabellenModell::flags(const QModelIndex& i) const {
    if (!i.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (i.column() > 0) f |= Qt::ItemIsEditable;
    return f;
}

void FeldtabellenModell::aktualisieren() {
    Q_EMIT dataChanged(index(0, 0), index(kSpiele - 1, Kalibrierung::kFeldSpalten - 1));
}

// --- detail table ----------------------------------------------------------

DetailModell::DetailModell(Kalibrierung& k, QObject* eltern) : QAbstractTableModel(eltern), k_(k) {}

int DetailModell::rowCount(const QModelIndex& p) const {
    return p.isValid() ? 0 : Kalibrierung::kDetailZeilen - 1;
}

int DetailModell::columnCount(const QModelIndex& p) const {
    return p.isValid() ? 0 : Kalibrierung::kDetailSpalten;
}

QVariant DetailModell::data(const QModelIndex& i, int role) const {
    if (!i.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return q(k_.detailText(i.column(), i.row() + 1));
    if (i.column() < 2) {
        // the fixed columns: grey like a header, text as the table gives it
        if (role == Qt::BackgroundRole) return QColor(236, 236, 236);
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
        return {};
    }
    return zellrolle(role);
}

bool DetailModell::setData(const QModelIndex& i, const QVariant& v, int role) {
    if (!i.isValid() || role != Qt::EditRole || !Kalibrierung::detailEditierbar(i.column(), i.row() + 1))
        return false;
    k_.setzeDetailZelle(i.column(), i.row() + 1, v.toString().toStdString());
    Q_EMIT dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

QVariant DetailModell::headerData(int section, Qt::Orientation o, int role) const {
    if (o != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return q(k_.detailText(section, 0));
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags DetailModell::flags(const QModelIndex& i) const {
    if (!i.isValid()) return Qt::NoItemFlags;
    if (!Kalibrierung::detailEditierbar(i.column(), i.row() + 1)) return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void DetailModell::aktualisieren() {
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

// --- row table -------------------------------------------------------------

ReihenfensterModell::ReihenfensterModell(const Zellquelle& quelle, QObject* eltern)
    : QAbstractTableModel(eltern), quelle_(quelle) {}

std::uint64_t ReihenfensterModell::reihen() const {
    return quelle_.zeilenAnzahl() - 1;
}

int ReihenfensterModell::sichtbar() const {
    const std::uint64_t n = reihen();
    if (erste_ > n) return 0;
    return static_cast<int>(std::min<std::uint64_t>(static_cast<std::uint64_t>(anzahl_), n - erste_ + 1));
}

int ReihenfensterModell::rowCount(const QModelIndex& p) const {
    return p.isValid() ? 0 : sichtbar();
}

int ReihenfensterModell::columnCount(const QModelIndex& p) const {
    return p.isValid() ? 0 : quelle_.spaltenAnzahl();
}

QVariant ReihenfensterModell::data(const QModelIndex& i, int role) const {
    if (!i.isValid()) return {};
    if (role == Qt::DisplayRole)
        return q(quelle_.zelle(i.column(), erste_ + static_cast<std::uint64_t>(i.row())));
    return zellrolle(role);
}

QVariant ReihenfensterModell::headerData(int section, Qt::Orientation o, int role) const {
    if (o != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return q(quelle_.zelle(section, 0));
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
}

void ReihenfensterModell::setzeFenster(std::uint64_t erste, int anzahl) {
    erste = std::max<std::uint64_t>(erste, 1);
    anzahl = std::max(anzahl, 0);
    if (erste == erste_ && anzahl == anzahl_) return;
    const int vorher = sichtbar();
    const std::uint64_t altErste = erste_;
    const int altAnzahl = anzahl_;
    erste_ = erste;
    anzahl_ = anzahl;
    const int jetzt = sichtbar();
    if (jetzt != vorher) {
        erste_ = altErste;
        anzahl_ = altAnzahl;
        beginResetModel();
        erste_ = erste;
        anzahl_ = anzahl;
        endResetModel();
    } else if (jetzt > 0) {
        Q_EMIT dataChanged(index(0, 0), index(jetzt - 1, columnCount() - 1), {Qt::DisplayRole});
    }
}

void ReihenfensterModell::neuGeladen() {
    beginResetModel();
    erste_ = 1;
    endResetModel();
}

}  // namespace kv::ui
