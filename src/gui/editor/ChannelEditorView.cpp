#include "gui/editor/ChannelEditorView.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/document/ChangeScope.h"
#include "core/document/Document.h"
#include "core/editor/ChannelPaste.h"
#include "core/editor/EditTexts.h"
#include "core/editor/InputFilters.h"
#include "core/image/Codecs.h"
#include "core/util/TextFormat.h"
#include "core/util/UserPrompts.h"
#include "gui/app/CommandIds.h"
#include "gui/app/TextConversion.h"
#include "gui/controls/FilterEdit.h"
#include "gui/editor/ChannelTableModel.h"
#include "gui/editor/ChannelTableView.h"
#include "gui/editor/GridHeader.h"
#include "gui/editor/StepPickerDialog.h"

namespace zt46 {
namespace {

// Column widths in twips; 15 twips make a pixel.
constexpr int kColumnTwips[kGridColumnCount] = {720, 480, 1080, 1080, 1080, 720, 720, 480, 480, 720, 960};
constexpr int kTwipsPerPixel = 15;
constexpr int kMargin = 15;

} // namespace

ChannelEditorView::ChannelEditorView(Document& document, AppState& state, UserPrompts& prompts,
                                     QWidget* parent)
    : QWidget(parent), m_doc(document), m_state(state), m_prompts(prompts),
      m_dialogPicker(std::make_unique<DialogStepPicker>(this)), m_picker(m_dialogPicker.get()),
      m_model(new ChannelTableModel(document, this)), m_grid(new ChannelTableView(this)),
      m_header(new GridHeader(m_grid)), m_editor(nullptr), m_groupLabel(new QLabel(this)) {
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(9);
    setFont(fixed);

    m_grid->setObjectName("channelGrid");
    m_grid->setHorizontalHeader(m_header);
    m_grid->setModel(m_model);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
    m_grid->setShowGrid(true);

    m_editor = new FilterEdit(m_grid->viewport());
    m_editor->setObjectName("cellEditor");
    m_editor->SetUpperCase(true);
    m_editor->hide();
    m_editor->installEventFilter(this);

    m_groupLabel->setObjectName("groupLabel");
    m_groupLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    auto* gridFrame = new QGroupBox(this);
    auto* gridLayout = new QVBoxLayout(gridFrame);
    auto* top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(m_groupLabel);
    gridLayout->addLayout(top);
    gridLayout->addWidget(m_grid);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin / 3, kMargin / 3, kMargin, kMargin);
    layout->addWidget(BuildHeader());
    layout->addWidget(gridFrame, 1);

    connect(m_grid, &ChannelTableView::EnterPressed, this, &ChannelEditorView::OnEnter);
    connect(m_grid, &ChannelTableView::SpacePressed, this, [this] { OnSpaceOrDoubleClick(false); });
    connect(m_grid, &ChannelTableView::CellDoubleClicked, this, [this] { OnSpaceOrDoubleClick(true); });
    connect(m_grid, &ChannelTableView::CharacterTyped, this, &ChannelEditorView::OnCharacter);
    connect(m_grid, &ChannelTableView::NextGroupRequested, this, &ChannelEditorView::NextGroup);
    connect(m_grid, &ChannelTableView::FileDataRequested, this, [this] {
        if (m_state.PrivilegedMode == Privilege::Privileged) emit FileDataRequested();
    });
    connect(m_grid, &ChannelTableView::ContextMenuRequested, this, [this](const QPoint& pos) {
        if (m_contextMenu) m_contextMenu->exec(pos);
    });
    connect(m_editor, &FilterEdit::FocusLost, this, &ChannelEditorView::CommitCellEdit);
    connect(m_editor, &FilterEdit::CharacterRefused, this, [this] {
        m_prompts.Beep();
        Explain(CharacterRule(m_editColumn));
    });
    // Scrolling the grid ends an edit: the focus goes back to the grid, which commits it.
    for (QScrollBar* bar : {m_grid->verticalScrollBar(), m_grid->horizontalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            if (m_editor->isVisible()) m_grid->setFocus();
        });
    }
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ChannelEditorView::OnCurrentChanged);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
                &ChannelEditorView::OnCurrentChanged, Qt::UniqueConnection);
    });
    setFocusProxy(m_grid);
    RefreshGrid();
}

ChannelEditorView::~ChannelEditorView() {
    m_editor->removeEventFilter(this);
}

QWidget* ChannelEditorView::BuildHeader() {
    auto* frame = new QGroupBox(this);
    auto* grid = new QGridLayout(frame);
    const char* labels[5] = {"Serial No", "ProductType", "COM Port", "FW Version", "Printer"};
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(labels[i], frame);
        m_fields[i] = new QLabel(frame);
        m_fields[i]->setObjectName(QString("headerField%1").arg(i));
        m_fields[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        const int row = i < 3 ? 0 : 1;
        const int col = (i < 3 ? i : i - 3) * 2;
        grid->addWidget(label, row, col);
        grid->addWidget(m_fields[i], row, col + 1, 1, i == 4 ? 3 : 1);
    }
    for (int col = 1; col < 6; col += 2)
        grid->setColumnStretch(col, 1);
    return frame;
}

QString ChannelEditorView::HeaderField(int which) const {
    return m_fields[which]->text();
}

int ChannelEditorView::CurrentColumn() const {
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? current.column() : 0;
}

int ChannelEditorView::CurrentEntry() const {
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? m_model->EntryOfRow(current.row()) : m_doc.Channels().CurrentIndex();
}

int ChannelEditorView::HelpContext() const {
    return cmd::HelpOfColumn(CurrentColumn());
}

void ChannelEditorView::OnCurrentChanged() {
    const QModelIndex current = m_grid->currentIndex();
    if (current.isValid()) m_doc.Channels().SetCurrentIndex(m_model->EntryOfRow(current.row()));
}

void ChannelEditorView::RefreshHeader() {
    const CloneImage& image = m_doc.Image();
    m_fields[0]->setText(ToQString(DecodeSerialNumber(image)));
    m_fields[1]->setText("KSR-410");
    m_fields[2]->setText(ToQString(m_state.Port().DisplayName()));
    m_fields[3]->setText(ToQString(FormatFirmwareVersion(DecodeFirmwareVersion(image))));
    m_fields[4]->setText(m_state.PrinterName);
    m_groupLabel->setText(
        ToQString(Format(" %-13.13s ", ChannelTable::GroupName(m_doc.Channels().CurrentGroup()))));
}

void ChannelEditorView::ApplyColumnWidths() {
    for (int c = 0; c < kGridColumnCount; ++c) {
        const bool hidden = !ColumnShown(m_state.ColumnVisible, c);
        // Only real changes: each one makes the view lay out its columns again.
        if (m_grid->isColumnHidden(c) != hidden) m_grid->setColumnHidden(c, hidden);
        if (!hidden && m_grid->columnWidth(c) != kColumnTwips[c] / kTwipsPerPixel)
            m_grid->setColumnWidth(c, kColumnTwips[c] / kTwipsPerPixel);
    }
    m_header->viewport()->update();
}

void ChannelEditorView::RefreshGrid() {
    Rebuild(m_doc.Channels().CurrentGroup(), 0, 0);
    m_grid->scrollToTop();
}

void ChannelEditorView::ShowPlace(const ChangePlace& where) {
    int column = where.column >= 0 ? where.column : CurrentColumn();
    if (!ColumnShown(m_state.ColumnVisible, column)) column = kColChn;
    m_doc.Channels().ShowGroup(where.group, m_doc.System().WeatherBand);
    // The channel's row when the group could be shown (the weather band may be off by now).
    const int row = std::max(0, where.index - ChannelTable::GroupStart(m_doc.Channels().CurrentGroup()));
    Rebuild(m_doc.Channels().CurrentGroup(), row < m_model->rowCount() ? row : 0, column);
    m_grid->scrollTo(m_grid->currentIndex());
}

void ChannelEditorView::Rebuild(int group, int row, int column) {
    // A pending edit belongs to the table as it was; a reload drops it.
    m_editIndex = -1;
    m_editor->hide();
    ChannelTable& table = m_doc.Channels();
    if (group != table.CurrentGroup()) table.ShowGroup(group, m_doc.System().WeatherBand);
    m_model->Reset();
    ApplyColumnWidths();
    RefreshHeader();
    const int first = table.FirstNumber() - 1;
    row = std::clamp(row, 0, m_model->rowCount() - 1);
    table.SetCurrentIndex(first + row);
    m_grid->setCurrentIndex(m_model->index(row, column));
}

void ChannelEditorView::CommitOpenEdit() {
    if (m_editor->isVisible()) CommitCellEdit();
}

void ChannelEditorView::NextGroup() {
    if (m_editor->isVisible()) CommitCellEdit();
    m_doc.Channels().NextGroup(m_doc.System().WeatherBand);
    RefreshGrid();
    m_grid->setFocus();
}

void ChannelEditorView::ToggleColumn(int flag) {
    int& value = m_state.ColumnVisible[static_cast<std::size_t>(flag)];
    value = value == 1 ? 0 : 1;
    ApplyColumnWidths();
}

void ChannelEditorView::Explain(const std::string& reason) {
    if (!reason.empty()) emit Explained(ToQString(reason));
}

void ChannelEditorView::RunCellOperation(int index, int column,
                                         const std::function<CellChange()>& operation) {
    ChangeScope change(m_doc, CellLabel(index, column),
                       ChangePlace{m_doc.Channels().CurrentGroup(), index, column});
    const CellChange result = operation();
    if (!result.label.empty()) change.SetLabel(result.label);
    m_model->EntryChanged(index, result.rewrite);
    Explain(result.reason);
    if (change.Commit()) emit DocumentModified();
}

void ChannelEditorView::OnEnter() {
    const int column = CurrentColumn();
    if (column == kColTag || column == kColReceive || column == kColTransmit) BeginCellEdit(nullptr);
}

void ChannelEditorView::OnSpaceOrDoubleClick(bool) {
    const int column = CurrentColumn();
    if (column == kColTag || column == kColReceive || column == kColTransmit) {
        BeginCellEdit(nullptr); // the Transmit cell of a simplex channel refuses quietly
        return;
    }
    const int index = CurrentEntry();
    RunCellOperation(index, column, [&] {
        CellEdit cells(m_doc.Channels(), m_doc.Bands(), m_prompts);
        return cells.ToggleCell(index, column, *m_picker);
    });
}

void ChannelEditorView::OnCharacter(QChar ch) {
    const int column = CurrentColumn();
    if (column != kColTag && column != kColReceive && column != kColTransmit) return;
    if (!FilterAccepts(ColumnFilter(column), ch.unicode())) {
        m_prompts.Beep();
        Explain(CharacterRule(column));
        return;
    }
    const QString typed = QString(ch).toUpper();
    BeginCellEdit(&typed);
}

void ChannelEditorView::BeginCellEdit(const QString* typed) {
    const int index = CurrentEntry();
    const int column = CurrentColumn();
    CellEdit cells(m_doc.Channels(), m_doc.Bands(), m_prompts);
    std::string reason;
    const std::optional<std::string> text = cells.TextForEdit(index, column, &reason);
    if (!text) {
        Explain(reason);
        return;
    }
    m_editIndex = index;
    m_editColumn = column;
    m_editStart = ToQString(*text);
    m_editor->SetFilterKind(ColumnFilter(column));
    m_editor->setMaxLength(column == kColTag ? 8 : 7);
    m_editor->setText(typed ? *typed : m_editStart);
    m_editor->setGeometry(m_grid->visualRect(m_grid->currentIndex()).adjusted(-1, -1, 1, 1));
    m_editor->show();
    m_editor->setFocus();
    if (typed) {
        m_editor->deselect();
        m_editor->end(false);
    } else {
        m_editor->selectAll();
    }
}

void ChannelEditorView::CommitCellEdit() {
    if (m_editIndex < 0 || m_committing) return;
    m_committing = true;
    const int index = m_editIndex;
    m_editIndex = -1;
    const std::string text = m_editor->text().toStdString();
    m_editor->hide();
    RunCellOperation(index, m_editColumn, [&] {
        CellEdit cells(m_doc.Channels(), m_doc.Bands(), m_prompts);
        return cells.CommitEdit(index, m_editColumn, text, m_editStart.toStdString());
    });
    m_committing = false;
}

bool ChannelEditorView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_editor && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            m_grid->setFocus();
            return true; // the loss of focus commits
        case Qt::Key_Escape: {
            // Back to the cell's text, which is then committed unchanged.
            CellEdit cells(m_doc.Channels(), m_doc.Bands(), m_prompts);
            m_editor->setText(ToQString(cells.CellText(m_editIndex, m_editColumn)));
            m_grid->setFocus();
            return true;
        }
        case Qt::Key_F2:
            NextGroup();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ChannelEditorView::CopyCells() {
    const int column = CurrentColumn();
    QString text;
    if (column == kColChn) {
        text = ToQString(ChannelClipText(CurrentEntry()));
    } else {
        const QModelIndexList selected = m_grid->selectionModel()->selectedIndexes();
        int top = m_grid->currentIndex().row(), bottom = top, left = column, right = column;
        if (!selected.isEmpty()) {
            top = bottom = selected.first().row();
            left = right = selected.first().column();
            for (const QModelIndex& i : selected) {
                top = std::min(top, i.row());
                bottom = std::max(bottom, i.row());
                left = std::min(left, i.column());
                right = std::max(right, i.column());
            }
        }
        CellEdit cells(m_doc.Channels(), BandContext{}, m_prompts);
        std::vector<std::vector<std::string>> rows;
        for (int r = top; r <= bottom; ++r) {
            std::vector<std::string>& row = rows.emplace_back();
            for (int c = left; c <= right; ++c)
                row.push_back(cells.CellText(m_model->EntryOfRow(r), c));
        }
        text = ToQString(CellsClipText(rows));
    }
    QGuiApplication::clipboard()->setText(text);
}

void ChannelEditorView::PasteCells() {
    const QString text = QGuiApplication::clipboard()->text();
    const int index = CurrentEntry();
    const int column = CurrentColumn();
    RunCellOperation(index, column, [&] {
        ChannelPaste paste(m_doc.Channels(), m_doc.Bands(), m_prompts, m_state.ColumnVisible);
        return paste.PasteIntoCell(index, column, text.toStdString());
    });
}

} // namespace zt46
