#include "transfer/TransferModell.h"

namespace kv::ui {

int TransferModell::rowCount(const QModelIndex& p) const {
    return p.isValid() ? 0 : static_cast<int>(tabelle_.zeilenAnzahl() - 1);
}

int TransferModell::columnCount(const QModelIndex& p) const {
    return p.isValid() ? 0 : tabelle_.spaltenAnzahl();
}

QVariant TransferModell::data(const QModelIndex& i, int role) const {
    if (!i.isValid()) return {};
    if (role == Qt::DisplayRole)
        return QString::fromStdString(tabelle_.zelle(i.column(), static_cast<std::uint64_t>(i.row()) + 1));
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

QVariant TransferModell::headerData(int section, Qt::Orientation o, int role) const {
    if (o != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return QString::fromStdString(tabelle_.zelle(section, 0));
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

Qt::ItemFlags TransferModell::flags(const QModelIndex& i) const {
    return i.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

}  // namespace kv::ui
