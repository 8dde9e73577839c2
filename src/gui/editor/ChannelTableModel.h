#pragma once
// The channel grid's model: a read-only adapter over the document's ChannelTable that shows the
// current group. It holds no channel data; edits go through the core cell rules and arrive here only
// as "these cells changed".

#include <QAbstractTableModel>

#include "core/editor/CellEdit.h"

namespace zt46 {

class Document;

class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Header data role for the upper of the two header rows ("Frequency", "step", "Clk", "Tag").
    static constexpr int kHeaderTopRole = Qt::UserRole + 1;

    explicit ChannelTableModel(Document& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Channel index of a row of the current group, and the row of a channel (-1 when not shown).
    int EntryOfRow(int row) const;
    int RowOfEntry(int index) const;

    // The whole table again (load, group switch).
    void Reset();
    // Some cells of one channel changed.
    void EntryChanged(int index, ColumnMask columns);

private:
    Document& m_doc;
};

} // namespace zt46
