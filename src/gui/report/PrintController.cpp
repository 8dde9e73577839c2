#include "gui/report/PrintController.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageRanges>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/document/Document.h"
#include "core/report/Report.h"
#include "core/util/Messages.h"
#include "core/util/UserPrompts.h"
#include "gui/report/PrintSetupDialog.h"
#include "report/PageSequence.h"
#include "report/ReportPainter.h"
#include "report/ReportPdf.h"

namespace zt46 {
namespace {

// The choice the printer carries after its print dialog.
PageChoice PrinterPageChoice(const QPrinter& printer) {
    PageChoice choice;
    if (printer.printRange() == QPrinter::PageRange) {
        const QPageRanges ranges = printer.pageRanges();
        // No range set is the printer's "every page".
        for (const QPageRanges::Range& r : ranges.toRangeList())
            choice.ranges.emplace_back(r.from, r.to);
    }
    // A printer that makes its copies itself gets each page once.
    choice.copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
    choice.collate = printer.collateCopies();
    choice.lastPageFirst = printer.pageOrder() == QPrinter::LastPageFirst;
    return choice;
}

// PrintingActive for the span of a job or the preview; put back as it was, since a preview can run a
// print job of its own.
class PrintingActiveScope {
public:
    explicit PrintingActiveScope(Document& document)
        : m_document(document), m_was(document.PrintingActive()) {
        m_document.SetPrintingActive(true);
    }
    ~PrintingActiveScope() { m_document.SetPrintingActive(m_was); }
    PrintingActiveScope(const PrintingActiveScope&) = delete;
    PrintingActiveScope& operator=(const PrintingActiveScope&) = delete;

private:
    Document& m_document;
    bool m_was;
};

} // namespace

PrintController::PrintController(Document& document, UserPrompts& prompts, QWidget* dialogParent)
    : QObject(dialogParent), m_document(document), m_prompts(prompts), m_dialogParent(dialogParent),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      m_printerName(QPrinterInfo::defaultPrinterName()) {}

PrintController::~PrintController() = default;

bool PrintController::PrintOn(QPrinter& printer) {
    // The image is what gets printed: the edited models go back into it first.
    m_document.ModelsToImage();
    const Report report(m_document);
    const std::vector<int> pages = PageSequence(report.PageCount(), PrinterPageChoice(printer));
    if (pages.empty()) return true;

    PrintingActiveScope active(m_document);
    if (PaintReport(printer, report, pages)) return true;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        MessageById(m_prompts, IDS_CREATE_FILE_ERROR, Buttons::Ok, Icon::Stop,
                    QDir::toNativeSeparators(printer.outputFileName()).toStdString());
    } else {
        m_prompts.Show({0, "Problem with printer\r\nPrinter = " + printer.printerName().toStdString(),
                        Buttons::Ok, Icon::Stop});
    }
    return false;
}

bool PrintController::ExportPdfTo(const QString& path) {
    m_document.ModelsToImage();
    const Report report(m_document);
    PrintingActiveScope active(m_document);
    switch (WriteReportPdf(report, path, m_printer->pageLayout())) {
    case PdfResult::Written:
        return true;
    case PdfResult::CannotOpen:
        MessageById(m_prompts, IDS_CREATE_FILE_ERROR, Buttons::Ok, Icon::Stop,
                    QDir::toNativeSeparators(path).toStdString());
        return false;
    case PdfResult::CannotWrite:
        MessageById(m_prompts, IDS_WRITE_FILE_ERROR, Buttons::Ok, Icon::Stop);
        return false;
    }
    return false;
}

bool PrintController::Print() {
    m_document.ModelsToImage();
    const int pageCount = Report(m_document).PageCount();
    // The dialog opens on "All" every time, whatever the last job printed.
    m_printer->setPrintRange(QPrinter::AllPages);
    m_printer->setPageRanges({});

    QPrintDialog dialog(m_printer.get(), m_dialogParent);
    dialog.setMinMax(1, pageCount);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) return false;

    const bool printed = PrintOn(*m_printer);
    TakePrinterName(*m_printer);
    return printed;
}

void PrintController::PrintPreview() {
    PrintingActiveScope active(m_document);
    m_printer->setPrintRange(QPrinter::AllPages);
    m_printer->setPageRanges({});
    QPrintPreviewDialog dialog(m_printer.get(), m_dialogParent);
    // The preview paints through the same job code; so does its own print button, with the range
    // chosen in its print dialog.
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { PrintOn(*printer); });
    dialog.exec();
    TakePrinterName(*m_printer);
}

bool PrintController::PrintSetup() {
    PrintSetupDialog dialog(*m_printer, m_dialogParent);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    TakePrinterName(*m_printer);
    return accepted;
}

bool PrintController::ExportPdf() {
    QString path = QFileDialog::getSaveFileName(m_dialogParent, tr("Export PDF"), SuggestedPdfPath(),
                                                tr("PDF files (*.pdf);;All files (*)"));
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    return ExportPdfTo(path);
}

void PrintController::TakePrinterName(const QPrinter& printer) {
    // Printing into a file names no device: the printer shown stays the one the user had.
    if (printer.outputFormat() != QPrinter::NativeFormat) return;
    const QString name = printer.printerName();
    if (name == m_printerName) return;
    m_printerName = name;
    emit PrinterNameChanged(m_printerName);
}

QString PrintController::SuggestedPdfPath() const {
    const std::string& current = m_document.CurrentFileName();
    if (current.empty() || current == kNoFileName)
        return QDir::current().filePath(QStringLiteral("report.pdf"));
    const QFileInfo info(QString::fromStdString(current));
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf"));
}

} // namespace zt46
