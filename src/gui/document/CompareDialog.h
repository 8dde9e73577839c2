#pragma once
// File > Compare: the document beside a clone file or beside what the radio holds now, as one line per
// difference in the grid's and the dialogs' words, with a summary line. The document is never changed.

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

#include "core/image/CloneImage.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zt46 {

class CompareDialog : public QDialog {
    Q_OBJECT
public:
    // What the document is compared with, as loaded, and how the dialog names it.
    struct Other {
        CloneImage image;
        QString name;
    };
    // Asks for (or reads) the other image; nullopt when there is none (cancelled, or after its message).
    using Source = std::function<std::optional<Other>()>;

    // `document` is the document's image as loaded; a source that is not given has its button disabled.
    CompareDialog(const CloneImage& document, Source file, Source radio, QWidget* parent = nullptr);

    // The differences from the document to `other`.
    void ShowDifferences(const Other& other);

    QPushButton* FileButton() const { return m_fileButton; }
    QPushButton* RadioButton() const { return m_radioButton; }
    QPlainTextEdit* Lines() const { return m_lines; }
    QLabel* Heading() const { return m_heading; }
    QLabel* Summary() const { return m_summary; }

private:
    void CompareWith(const Source& source);

    CloneImage m_document;
    Source m_file;
    Source m_radio;
    QPushButton* m_fileButton;
    QPushButton* m_radioButton;
    QLabel* m_heading;
    QPlainTextEdit* m_lines;
    QLabel* m_summary;
};

} // namespace zt46
