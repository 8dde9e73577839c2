#include "gui/document/CompareDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/document/ImageCompare.h"
#include "gui/app/CommandIds.h"
#include "gui/app/TextConversion.h"

namespace zt46 {

CompareDialog::CompareDialog(const CloneImage& document, Source file, Source radio, QWidget* parent)
    : QDialog(parent), m_document(document), m_file(std::move(file)), m_radio(std::move(radio)),
      m_fileButton(new QPushButton("A clone &file...", this)),
      m_radioButton(new QPushButton("The &radio", this)), m_heading(new QLabel(this)),
      m_lines(new QPlainTextEdit(this)), m_summary(new QLabel(this)) {
    setWindowTitle("Compare");
    setProperty("helpContext", cmd::HelpOfCommand(cmd::kCompare));
    m_fileButton->setObjectName("compareFile");
    m_radioButton->setObjectName("compareRadio");
    m_fileButton->setEnabled(static_cast<bool>(m_file));
    m_radioButton->setEnabled(static_cast<bool>(m_radio));
    m_fileButton->setAutoDefault(false);
    m_radioButton->setAutoDefault(false);
    m_lines->setReadOnly(true);
    m_lines->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_lines->setMinimumSize(560, 320);
    m_heading->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);

    auto* sources = new QHBoxLayout;
    sources->addWidget(new QLabel("Compare the document with:", this));
    sources->addWidget(m_fileButton);
    sources->addWidget(m_radioButton);
    sources->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sources);
    layout->addWidget(m_heading);
    layout->addWidget(m_lines, 1);
    layout->addWidget(m_summary);
    layout->addWidget(close);

    connect(m_fileButton, &QPushButton::clicked, this, [this] { CompareWith(m_file); });
    connect(m_radioButton, &QPushButton::clicked, this, [this] { CompareWith(m_radio); });
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CompareDialog::CompareWith(const Source& source) {
    if (!source) return;
    if (const std::optional<Other> other = source()) ShowDifferences(*other);
}

void CompareDialog::ShowDifferences(const Other& other) {
    const std::vector<ImageDifference> differences = CompareImages(m_document, other.image);
    m_heading->setText(QString::fromUtf8("The document \xE2\x86\x92 %1").arg(other.name));
    QStringList lines;
    for (const ImageDifference& d : differences)
        lines << ToQString(d.line);
    m_lines->setPlainText(lines.join('\n'));
    m_summary->setText(ToQString(CompareSummary(differences)));
}

} // namespace zt46
