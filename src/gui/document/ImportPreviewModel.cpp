#include "gui/document/ImportPreviewModel.h"

#include <QApplication>
#include <QColor>
#include <QPalette>

#include "core/editor/CellEdit.h"
#include "exchange/ImportPreview.h"
#include "gui/app/TextConversion.h"

namespace zt46 {
namespace {

int GridColumnOf(int column) {
    return column - ImportPreviewModel::kFirstGridColumn + 1; // the channel number column is left out
}

} // namespace

ImportPreviewModel::ImportPreviewModel(QObject* parent) : QAbstractTableModel(parent) {}

void ImportPreviewModel::SetPlan(const ImportPlan* plan) {
    beginResetModel();
    m_rows = plan ? plan->rows : std::vector<PlannedRow>{};
    endResetModel();
}

int ImportPreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ImportPreviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QString ImportPreviewModel::Text(const PlannedRow& row, int column) const {
    switch (column) {
    case kLine:
        return QString::number(row.line);
    case kListedName:
        return ToQString(row.listedName);
    case kListedFrequency:
        return ToQString(row.listedFrequency);
    case kChannel:
        return row.Accepted() ? ToQString(SlotName(row.index)) : QString();
    case kResult:
        return ToQString(OutcomeText(row));
    default:
        return row.Accepted() ? ToQString(row.cells[static_cast<std::size_t>(GridColumnOf(column))])
                              : QString();
    }
}

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    const PlannedRow& row = m_rows[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return Text(row, index.column());
    case Qt::ToolTipRole:
        return index.column() == kResult ? Text(row, kResult) : QVariant();
    case Qt::TextAlignmentRole:
        if (index.column() == kResult || index.column() == kListedName)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        if (!row.Accepted()) return QColor(255, 226, 222);
        return {};
    case Qt::ForegroundRole:
        if (!row.Accepted()) return QColor(150, 0, 0);
        // A channel left masked is drawn as the grid draws one.
        if (row.masked) return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        return {};
    case kRefusedRole:
        return !row.Accepted();
    default:
        return {};
    }
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case kLine:
        return QStringLiteral("Line");
    case kListedName:
        return QStringLiteral("Name in list");
    case kListedFrequency:
        return QStringLiteral("Frequency in list");
    case kChannel:
        return QStringLiteral("Channel");
    case kResult:
        return QStringLiteral("Result");
    default:
        return ToQString(GridColumnName(GridColumnOf(section))); // the grid's title on one line
    }
}

} // namespace zt46
