#pragma once
// The preview table of File > Import...: one row per row of the list, in the list's order, with its line,
// its name and frequency as the list writes them, the channel it goes to, that channel's cells as the
// grid will show them, and the outcome. A refused row gives its reason and is drawn in a warning colour.

#include <QAbstractTableModel>

#include "exchange/ImportPlan.h"

namespace zt46 {

class ImportPreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        kLine,
        kListedName,
        kListedFrequency,
        kChannel,
        kFirstGridColumn, // the grid's columns but its channel number, in the grid's order
        kResult = kFirstGridColumn + kGridColumnCount - 1,
        kColumnCount
    };
    // True for a refused row.
    static constexpr int kRefusedRole = Qt::UserRole + 1;

    explicit ImportPreviewModel(QObject* parent = nullptr);

    // The rows of the plan (none for nullptr).
    void SetPlan(const ImportPlan* plan);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString Text(const PlannedRow& row, int column) const;

    std::vector<PlannedRow> m_rows;
};

} // namespace zt46
