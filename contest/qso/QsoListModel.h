// The QSO list as a table model: sixteen columns whose cells are produced only when shown.
#pragma once

#include "document/CKorvaneDoc.h"
#include "qso/QsoListRows.h"

#include <QAbstractTableModel>
#include <optional>

class QsoListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    QsoListModel(const CKorvaneDoc& doc, QObject* parent = nullptr);

    // Applies the refill rules to the document's current QSO list.
    QsoListRows::Refill refill();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Always ascending, whatever the order asked for: the list has no descending sort.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The QSO a row shows, or null for a row outside the list.
    std::optional<QsoItem> itemAt(int row) const;

private:
    const CKorvaneDoc& doc_;
    QsoListRows rows_;
};
