// Rows, cells, headers and sorting of the QSO list model.
#include "qso/QsoListModel.h"

#include "common/Cp932.h"
#include "qso/QsoListColumns.h"

namespace {

QString fromCp932(std::string_view text) {
    return QString::fromStdString(cp932::toUtf8(text));
}

Qt::Alignment alignment(int column) {
    const bool right = QsoListColumns::columns()[static_cast<std::size_t>(column)].rightAligned;
    return (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

} // namespace

QsoListModel::QsoListModel(const CKorvaneDoc& doc, QObject* parent)
    : QAbstractTableModel(parent), doc_(doc) {}

QsoListRows::Refill QsoListModel::refill() {
    beginResetModel();
    const QsoListRows::Refill result = rows_.refill(doc_);
    endResetModel();
    return result;
}

int QsoListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int QsoListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : QsoListColumns::kColumnCount;
}

std::optional<QsoItem> QsoListModel::itemAt(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) {
        return std::nullopt;
    }
    const std::size_t item = rows_.itemAt(static_cast<std::size_t>(row));
    return item < doc_.qsoList.size() ? std::optional(doc_.qsoList[item]) : std::nullopt;
}

QVariant QsoListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(alignment(index.column()));
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const std::optional<QsoItem> item = itemAt(index.row());
    return item ? fromCp932(QsoListColumns::cellText(*item, index.column())) : QVariant();
}

QVariant QsoListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= QsoListColumns::kColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) {
        return fromCp932(QsoListColumns::columns()[static_cast<std::size_t>(section)].header);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(alignment(section));
    }
    return {};
}

void QsoListModel::sort(int column, Qt::SortOrder) {
    // Selections are not carried over: a sort starts a fresh view of the list.
    beginResetModel();
    rows_.sort(doc_.qsoList, column);
    endResetModel();
}
