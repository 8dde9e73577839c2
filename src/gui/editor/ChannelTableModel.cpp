#include "gui/editor/ChannelTableModel.h"

#include <QApplication>
#include <QPalette>
#include <bit>

#include "core/document/Document.h"
#include "core/util/UserPrompts.h"

namespace zt46 {

ChannelTableModel::ChannelTableModel(Document& document, QObject* parent)
    : QAbstractTableModel(parent), m_doc(document) {}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ChannelTable::GroupSize(m_doc.Channels().CurrentGroup());
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kGridColumnCount;
}

int ChannelTableModel::EntryOfRow(int row) const {
    return ChannelTable::GroupStart(m_doc.Channels().CurrentGroup()) + row;
}

int ChannelTableModel::RowOfEntry(int index) const {
    const int row = index - ChannelTable::GroupStart(m_doc.Channels().CurrentGroup());
    return row >= 0 && row < rowCount() ? row : -1;
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    const int entry = EntryOfRow(index.row());
    switch (role) {
    case Qt::DisplayRole: {
        static SilentPrompts silent(Answer::Cancel); // showing a cell never asks anything
        const CellEdit cells(m_doc.Channels(), BandContext{}, silent);
        return QString::fromStdString(cells.CellText(entry, index.column()));
    }
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::ForegroundRole:
        // A channel that is not in use is drawn in the palette's inactive text colour.
        if (m_doc.Channels().Entry(entry).Masked)
            return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        return {};
    default:
        return {};
    }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kGridColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) return QString::fromLatin1(GridHeaderBottom(section));
    if (role == kHeaderTopRole) return QString::fromLatin1(GridHeaderTop(section));
    return {};
}

void ChannelTableModel::Reset() {
    beginResetModel();
    endResetModel();
}

void ChannelTableModel::EntryChanged(int index, ColumnMask columns) {
    const int row = RowOfEntry(index);
    if (row < 0 || columns == 0) return;
    const int first = std::countr_zero(static_cast<unsigned>(columns));
    const int last = std::bit_width(static_cast<unsigned>(columns)) - 1;
    emit dataChanged(this->index(row, first), this->index(row, last));
}

} // namespace zt46
