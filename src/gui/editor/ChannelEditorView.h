#pragma once
// The main window's view: the information header (radio and link) and the channel grid with its
// in-place editor. It routes keys, clicks and clipboard commands to the core cell rules and redraws
// what they report.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "core/document/ChangeRecord.h"
#include "core/editor/CellEdit.h"
#include "gui/app/AppState.h"

class QLabel;
#include <QMenu>

namespace zt46 {

class ChannelTableView;
class ChannelTableModel;
class Document;
class FilterEdit;
class GridHeader;
class UserPrompts;

class ChannelEditorView : public QWidget {
    Q_OBJECT
public:
    ChannelEditorView(Document& document, AppState& state, UserPrompts& prompts, QWidget* parent = nullptr);
    ~ChannelEditorView() override;

    // Complete rebuild of grid and header from the table; back to the group's first channel.
    void RefreshGrid();
    // Complete rebuild showing the place of a change: its group (Weather only while the band is on), its
    // channel and its column (-1: the column the grid has).
    void ShowPlace(const ChangePlace& where);
    // Commits an edit still open in a cell (before an undo or redo).
    void CommitOpenEdit();
    // The five header fields only (COM port and printer may have changed).
    void RefreshHeader();
    // Width of every column after the column flags.
    void ApplyColumnWidths();
    // View > Item: switches one column flag and the widths of its columns.
    void ToggleColumn(int flag);
    // Next channel group, then a full refresh.
    void NextGroup();

    // Clipboard commands while the grid has the focus.
    void CopyCells();
    void PasteCells();

    // The help topic of the current column.
    int HelpContext() const;

    void SetStepPicker(StepPicker* picker) { m_picker = picker; }
    void SetContextMenu(QMenu* menu) { m_contextMenu = menu; }

    ChannelTableView* Grid() const { return m_grid; }
    FilterEdit* Editor() const { return m_editor; }
    ChannelTableModel* Model() const { return m_model; }
    QLabel* GroupLabel() const { return m_groupLabel; }
    QString HeaderField(int which) const; // 0 serial, 1 product, 2 COM port, 3 firmware, 4 printer

signals:
    void DocumentModified();
    // Why a key, a paste or a commit was refused or changed the value: for the status bar.
    void Explained(const QString& text);
    // Shift+F9 in the grid in privileged mode: the File Data viewer is asked for; afterwards the owner
    // calls RefreshGrid.
    void FileDataRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildHeader();
    int CurrentColumn() const;
    int CurrentEntry() const;
    void OnCurrentChanged();
    void OnEnter();
    void OnSpaceOrDoubleClick(bool doubleClick);
    void OnCharacter(QChar ch);
    void BeginCellEdit(const QString* typed);
    void CommitCellEdit();
    void Explain(const std::string& reason);
    // Runs one cell operation as one change of the document: a change record when it changed the image,
    // its reason shown, its cells redrawn.
    void RunCellOperation(int index, int column, const std::function<CellChange()>& operation);
    void Rebuild(int group, int row, int column);

    Document& m_doc;
    AppState& m_state;
    UserPrompts& m_prompts;
    std::unique_ptr<StepPicker> m_dialogPicker;
    StepPicker* m_picker;
    QPointer<QMenu> m_contextMenu;

    ChannelTableModel* m_model;
    ChannelTableView* m_grid;
    GridHeader* m_header;
    FilterEdit* m_editor;
    QLabel* m_groupLabel;
    QLabel* m_fields[5]{};

    // The cell being edited and its text when the edit began.
    int m_editIndex = -1;
    int m_editColumn = -1;
    QString m_editStart;
    bool m_committing = false;
};

} // namespace zt46
