#pragma once
// The desktop's undo history: a QUndoStack of the document's change records. A record arrives after its
// change was made, so pushing it applies nothing; undo and redo put the image before or after back (a
// swap of whole values) and tell the views where the change was made. The document's modified state
// follows the stack's clean state: a save marks the state saved, an undo away from it makes the
// document modified again, the redo back makes it unmodified. A load starts a fresh history.

#include <QObject>
#include <functional>

#include "core/document/ChangeRecord.h"

class QAction;
class QUndoStack;

namespace zt46 {

class Document;

class EditHistory : public QObject, public ChangeSink {
    Q_OBJECT
public:
    // At least this many steps are kept (a record is about 8 KB); the oldest go first.
    static constexpr int kUndoLimit = 1000;

    explicit EditHistory(Document& document, QObject* parent = nullptr);
    ~EditHistory() override;

    QUndoStack* Stack() const { return m_stack; }
    // Edit > Undo and Edit > Redo: their texts ("&Undo Receive of MR 12") and tool tips follow the stack,
    // they are enabled only when there is something to undo or redo, and each first runs `settle` (an
    // edit still open in a cell is committed before the step).
    void AttachActions(QAction* undo, QAction* redo, std::function<void()> settle);
    void Undo();
    void Redo();

    void Recorded(ChangeRecord record) override;
    void HistoryReset() override;
    void Saved() override;

signals:
    // An undo or redo put an image back: the views show it from the place of the change.
    void Restored(zt46::ChangePlace where);

private:
    friend class ImageChangeCommand;
    void Restore(const CloneImage& image, const ImageTrailer& trailer, const ChangePlace& where);

    Document& m_doc;
    QUndoStack* m_stack;
    std::function<void()> m_settle;
};

} // namespace zt46
