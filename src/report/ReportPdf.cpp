#include "report/ReportPdf.h"

#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include "core/report/Report.h"
#include "report/PageSequence.h"
#include "report/ReportPainter.h"

namespace zt46 {

QPageLayout DefaultReportPageLayout() {
    const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

PdfResult WriteReportPdf(const Report& report, const QString& path, const QPageLayout& layout,
                         QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return PdfResult::CannotOpen;
    }
    bool painted = false;
    {
        // The writer finishes the file when it goes out of scope, before the commit below.
        QPdfWriter writer(&file);
        writer.setPageLayout(layout);
        writer.setResolution(1200);
        writer.setTitle(QStringLiteral("KSR-410 report"));
        writer.setCreator(QStringLiteral("ZT46"));
        painted = PaintReport(writer, report, PageSequence(report.PageCount(), {}));
    }
    if (!painted) {
        file.cancelWriting();
        if (error) *error = QStringLiteral("the pages could not be written");
        return PdfResult::CannotWrite;
    }
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return PdfResult::CannotWrite;
    }
    return PdfResult::Written;
}

} // namespace zt46
