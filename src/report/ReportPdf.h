#pragma once
// The report as a PDF file: the pages the printer would get, painted by the same code, with the text
// embedded as text (it can be selected and searched).

#include <QPageLayout>
#include <QString>

namespace zt46 {

class Report;

// A4 or Letter after the user's locale, portrait, 15 mm margins.
QPageLayout DefaultReportPageLayout();

enum class PdfResult { Written, CannotOpen, CannotWrite };

// Writes every page of the report to path. The file appears whole or not at all: a failed export
// leaves a file that was there untouched. The reason of a failure goes to *error when given.
PdfResult WriteReportPdf(const Report& report, const QString& path, const QPageLayout& layout,
                         QString* error = nullptr);

} // namespace zt46
