#include "gui/document/ImageBytesDialog.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "core/document/ChangeScope.h"
#include "core/document/Document.h"
#include "core/editor/EditTexts.h"
#include "core/editor/InputFilters.h"
#include "gui/controls/FilterEdit.h"
#include "gui/controls/PromptBar.h"
#include "gui/document/ImageBytesModel.h"

namespace zt46 {
namespace {

constexpr int kGridId = 1174;
constexpr int kEditId = 4509;

bool IsHexDigit(const QString& text) {
    return text.size() == 1 && text[0].isPrint() && text[0] != ' ' &&
           FilterAccepts(EditFilter::HexByte, text[0].unicode());
}

} // namespace

bool RunFileData(Document& document, QWidget* parent) {
    return RunAsChange(document, kImageBytesLabel,
                       [&] { return ImageBytesDialog(document, parent).exec() == QDialog::Accepted; });
}

ImageBytesDialog::ImageBytesDialog(Document& document, QWidget* parent) : QDialog(parent), m_doc(document) {
    setWindowTitle("File Data");
    // The image must show every edit made in the models.
    m_doc.ModelsToImage();
    m_model = new ImageBytesModel(m_doc.Image(), m_doc.Trailer(), this);

    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    setFont(font);

    m_grid = new QTableView(this);
    PromptBar::SetControlId(m_grid, kGridId);
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setTabKeyNavigation(false);
    const QFontMetrics metrics(font);
    const int cell = metrics.horizontalAdvance("000") + 6;
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setDefaultSectionSize(cell);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(metrics.height() + 4);
    m_grid->verticalHeader()->setMinimumWidth(metrics.horizontalAdvance("000000h") + 10);
    m_grid->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_grid->setCornerButtonEnabled(false);
    m_grid->installEventFilter(this);
    m_grid->setMinimumWidth(metrics.horizontalAdvance("000000h") + 10 + 16 * cell +
                            m_grid->verticalScrollBar()->sizeHint().width() + 2 * m_grid->frameWidth() + 4);
    m_grid->setMinimumHeight(16 * (metrics.height() + 4));
    m_grid->viewport()->installEventFilter(this); // a double click on a cell edits it
    // The editor stays over its cell: a scroll commits it first.
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { Commit(); });

    m_editor = new FilterEdit(m_grid->viewport());
    PromptBar::SetControlId(m_editor, kEditId);
    m_editor->SetFilterKind(EditFilter::HexByte);
    m_editor->setMaxLength(2);
    m_editor->setAlignment(Qt::AlignCenter);
    m_editor->setFrame(false);
    m_editor->hide();
    m_editor->installEventFilter(this);
    connect(m_editor, &FilterEdit::FocusLost, this, [this] { Commit(); });

    m_ok = new QPushButton("OK", this);
    // Enter on the button itself presses it; the grid and the byte editor take Enter for their own
    // use first, so Enter elsewhere never closes the dialog.
    m_ok->setAutoDefault(true);
    m_ok->setDefault(false);
    connect(m_ok, &QPushButton::clicked, this, [this] { Apply(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    m_grid->setCurrentIndex(m_model->index(0, 0));
    m_grid->setFocus();
}

// QDialog's destructor hides the dialog, which takes the focus from the byte editor: its focus-loss
// signal must not reach this half-destroyed object.
ImageBytesDialog::~ImageBytesDialog() {
    m_editor->disconnect(this);
    m_grid->verticalScrollBar()->disconnect(this);
}

bool ImageBytesDialog::StartEdit(const QString& typed) {
    const QModelIndex index = m_grid->currentIndex();
    if (!ImageBytesModel::IsImageByte(index)) return false; // the trailer row is shown only
    m_editIndex = index;
    m_editing = true;
    if (typed.isEmpty()) {
        m_editor->setText(index.data().toString());
        m_editor->selectAll();
    } else {
        m_editor->setText(typed);
        m_editor->setCursorPosition(static_cast<int>(typed.size()));
    }
    m_grid->scrollTo(index);
    PlaceEditor();
    m_editor->show();
    m_editor->setFocus();
    return true;
}

void ImageBytesDialog::PlaceEditor() {
    const QRect cell = m_grid->visualRect(m_editIndex);
    m_editor->setGeometry(cell.adjusted(-1, -1, 1, 1));
}

void ImageBytesDialog::Commit() {
    if (!m_editing) return;
    m_editing = false;
    m_model->SetByteText(m_editIndex, m_editor->text());
    m_editor->hide();
    if (m_editor->hasFocus()) m_grid->setFocus();
}

void ImageBytesDialog::Apply() {
    Commit();
    m_doc.Image() = m_model->Copy();
    m_doc.ImageToModels();
    accept();
}

bool ImageBytesDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const QModelIndex index = m_grid->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (!index.isValid()) return false;
        m_grid->setCurrentIndex(index);
        StartEdit();
        return true;
    }
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched == m_grid) {
        if (enter) {
            StartEdit();
            return true;
        }
        if (key->modifiers() & Qt::ControlModifier) return false;
        if (IsHexDigit(key->text())) {
            StartEdit(key->text());
            return true;
        }
        return false;
    }
    if (watched == m_editor) {
        if (enter) {
            m_grid->setFocus(); // the loss of focus commits
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            // The cell's own text goes back and is committed unchanged; then the dialog is cancelled.
            m_editor->setText(m_editIndex.data().toString());
            m_grid->setFocus();
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zt46
