// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/connectiontable.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace kellvar {

// ListView1's rows: the texts of the core's connection table, shown as they
// stand. Rows added during a run reach the view in batches (Sync), so a long
// run does not pay for one view update per row.
class TConnectionTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TConnectionTableModel(TConnectionTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void SetCaptions(const QStringList& captions);
    const QStringList& Captions() const { return captions_; }

    // The table was emptied.
    void Reset();
    // Makes rows added since the last call visible, and a late cell of the last row.
    void Sync();
    // The table's rows, all of them shown (Sync first), were reordered: old
    // row indices in their new order.
    void Reordered(const std::vector<size_t>& order);

private:
    TConnectionTable& table_;
    QStringList captions_;
    int shownRows_ = 0;
    std::vector<size_t> shownCells_;
    size_t shownLateCells_ = 0;
};

}  // namespace kellvar
