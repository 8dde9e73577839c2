#pragma once
// Documents with a chosen number of channels in use, and PDF pages as poppler reads them back.

#include <QList>
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <vector>

#include "core/report/Report.h"
#include "support/TestSupport.h"

namespace zt46::test {

// The factory image with exactly inUse channels in use: the ten Weather channels first, then MR 1,
// MR 2, ... (at most 160).
struct ReportDocument : DocFixture {
    explicit ReportDocument(int inUse);
};

// One string per page of the PDF, as "pdftotext -layout" gives it.
QStringList PdfPages(const QString& path);
// A page's lines with runs of blanks made one blank, trimmed, blank lines left out: what a reader sees,
// independent of how the tool rebuilds the columns.
QStringList Words(const QStringList& lines);
QStringList Words(const QString& pageText);
QStringList Words(const ReportPage& page);
// The PDF's pages read as the report's pages of those numbers (every page when none are given).
void CompareWithReport(const QString& path, const Report& report, QList<int> pages = {});

struct PdfWord {
    QString text;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0; // points from the page's top-left corner
};
// The words of every page with their boxes, from "pdftotext -bbox".
std::vector<std::vector<PdfWord>> PdfWords(const QString& path);
// Every word of every page lies inside the layout's printable area; returns the share of its width or
// height used at most (a report sized to fit nearly fills one of them).
double CheckNothingCut(const QString& path, const QPageLayout& layout);

} // namespace zt46::test
