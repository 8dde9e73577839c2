#pragma once
// "File Data": the whole clone file as a hexadecimal table, 16 bytes a row, for the service
// technician. Single image bytes are changed in place (two hexadecimal digits) on a private copy that
// only OK writes back into the document; Escape and the close box drop it.

#include <QDialog>
#include <QPersistentModelIndex>

class QPushButton;
class QTableView;

namespace zt46 {

class Document;
class ImageBytesModel;
class FilterEdit;

// The dialog over the document as Shift+F9 opens it: OK is one change ("Image bytes"), Cancel none.
// Returns whether OK closed it.
bool RunFileData(Document& document, QWidget* parent);

class ImageBytesDialog : public QDialog {
    Q_OBJECT
public:
    explicit ImageBytesDialog(Document& document, QWidget* parent = nullptr);
    ~ImageBytesDialog() override;

    QTableView* Grid() const { return m_grid; }
    FilterEdit* Editor() const { return m_editor; }
    QPushButton* OkButton() const { return m_ok; }
    const ImageBytesModel& Model() const { return *m_model; }
    bool Editing() const { return m_editing; }

    // Opens the in-place editor over the current cell: with the cell's text all selected, or with
    // one typed character. False on a cell that is not an image byte.
    bool StartEdit(const QString& typed = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Commit();
    void Apply();
    void PlaceEditor();

    Document& m_doc;
    ImageBytesModel* m_model;
    QTableView* m_grid;
    FilterEdit* m_editor;
    QPushButton* m_ok;
    QPersistentModelIndex m_editIndex;
    bool m_editing = false;
};

} // namespace zt46
