#include "gui/document/EditHistory.h"

#include <QAction>
#include <QUndoCommand>
#include <QUndoStack>

#include "core/document/Document.h"

namespace zt46 {

// One change record on the stack. Undo and redo are one exchange of whole values.
class ImageChangeCommand : public QUndoCommand {
public:
    ImageChangeCommand(EditHistory& history, ChangeRecord change)
        : m_history(history), m_change(std::move(change)) {
        setText(QString::fromStdString(m_change.label));
    }
    void redo() override {
        // The push: the change is already in the document.
        if (m_pushed) {
            m_pushed = false;
            return;
        }
        m_history.Restore(m_change.after, m_change.trailerAfter, m_change.where);
    }
    void undo() override { m_history.Restore(m_change.before, m_change.trailerBefore, m_change.where); }

private:
    EditHistory& m_history;
    ChangeRecord m_change;
    bool m_pushed = true;
};

EditHistory::EditHistory(Document& document, QObject* parent)
    : QObject(parent), m_doc(document), m_stack(new QUndoStack(this)) {
    m_stack->setUndoLimit(kUndoLimit);
    connect(m_stack, &QUndoStack::cleanChanged, this, [this](bool clean) { m_doc.SetModified(!clean); });
    m_doc.SetChangeSink(this);
}

EditHistory::~EditHistory() {
    m_doc.SetChangeSink(nullptr);
}

void EditHistory::AttachActions(QAction* undo, QAction* redo, std::function<void()> settle) {
    m_settle = std::move(settle);
    const auto follow = [](QAction* action, const QString& verb, const QString& label) {
        action->setText(label.isEmpty() ? "&" + verb : "&" + verb + " " + label);
        action->setToolTip(label.isEmpty() ? verb : verb + " " + label);
    };
    connect(m_stack, &QUndoStack::undoTextChanged, undo,
            [undo, follow](const QString& label) { follow(undo, "Undo", label); });
    connect(m_stack, &QUndoStack::redoTextChanged, redo,
            [redo, follow](const QString& label) { follow(redo, "Redo", label); });
    connect(m_stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(m_stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(undo, &QAction::triggered, this, &EditHistory::Undo);
    connect(redo, &QAction::triggered, this, &EditHistory::Redo);
    follow(undo, "Undo", m_stack->undoText());
    follow(redo, "Redo", m_stack->redoText());
    undo->setEnabled(m_stack->canUndo());
    redo->setEnabled(m_stack->canRedo());
}

void EditHistory::Undo() {
    if (m_settle) m_settle();
    m_stack->undo();
}

void EditHistory::Redo() {
    if (m_settle) m_settle();
    m_stack->redo();
}

void EditHistory::Recorded(ChangeRecord record) {
    m_stack->push(new ImageChangeCommand(*this, std::move(record)));
}

void EditHistory::HistoryReset() {
    m_stack->clear();
}

void EditHistory::Saved() {
    m_stack->setClean();
}

void EditHistory::Restore(const CloneImage& image, const ImageTrailer& trailer, const ChangePlace& where) {
    m_doc.RestoreImage(image, trailer);
    emit Restored(where);
}

} // namespace zt46
