#include "gui/report/PrintSetupDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace zt46 {

PrintSetupDialog::PrintSetupDialog(QPrinter& printer, QWidget* parent)
    : QDialog(parent), m_printer(printer), m_oldName(printer.printerName()),
      m_oldFormat(printer.outputFormat()), m_oldFile(printer.outputFileName()),
      m_oldLayout(printer.pageLayout()), m_printers(new QComboBox(this)), m_paper(new QLabel(this)) {
    setWindowTitle(tr("Print Setup"));

    const QStringList names = QPrinterInfo::availablePrinterNames();
    if (names.isEmpty()) {
        // Without a printer the paper still matters: it shapes the preview and the exported PDF.
        m_printers->addItem(tr("(no printer installed)"));
        m_printers->setEnabled(false);
    } else {
        m_printers->addItems(names);
        const int current = names.indexOf(printer.outputFormat() == QPrinter::NativeFormat
                                              ? printer.printerName()
                                              : QPrinterInfo::defaultPrinterName());
        m_printers->setCurrentIndex(std::max(0, current));
        ChoosePrinter(m_printers->currentIndex());
    }
    connect(m_printers, &QComboBox::currentIndexChanged, this, &PrintSetupDialog::ChoosePrinter);

    auto* properties = new QPushButton(tr("&Properties..."), this);
    connect(properties, &QPushButton::clicked, this, &PrintSetupDialog::EditPage);

    auto* form = new QFormLayout;
    form->addRow(tr("&Printer:"), m_printers);
    form->addRow(tr("Paper:"), m_paper);
    form->addRow(QString(), properties);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PrintSetupDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    ShowPaper();
}

void PrintSetupDialog::reject() {
    if (m_oldFormat == QPrinter::NativeFormat) {
        m_printer.setPrinterName(m_oldName);
    } else {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
    }
    m_printer.setOutputFileName(m_oldFile);
    m_printer.setPageLayout(m_oldLayout);
    QDialog::reject();
}

void PrintSetupDialog::ChoosePrinter(int index) {
    if (!m_printers->isEnabled() || index < 0) return;
    m_printer.setPrinterName(m_printers->itemText(index));
    ShowPaper();
}

void PrintSetupDialog::EditPage() {
    QPageSetupDialog dialog(&m_printer, this);
    dialog.exec();
    ShowPaper();
}

void PrintSetupDialog::ShowPaper() {
    const QPageLayout layout = m_printer.pageLayout();
    m_paper->setText(layout.pageSize().name() + QStringLiteral(", ") +
                     (layout.orientation() == QPageLayout::Portrait ? tr("portrait") : tr("landscape")));
}

} // namespace zt46
