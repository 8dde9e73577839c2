#pragma once
// Documents with a chosen number of channels in use, and the text of PDF pages as poppler reads it.

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "TestSupport.h"
#include "core/document/Document.h"
#include "core/report/Report.h"
#include "core/util/UserPrompts.h"

namespace zt46::test {

using NoDialogs = ScriptedDialogs; // no script: every dialog is cancelled

struct TestDocument {
    // The factory image with exactly inUse channels in use: the ten Weather channels first, then MR 1,
    // MR 2, ... (at most 160).
    explicit TestDocument(int inUse);
    RecordingPrompts prompts;
    NoDialogs dialogs;
    Document document;
};

// One string per page of the PDF, as "pdftotext -layout" gives it.
QStringList PdfPages(const QString& path);
// A page's lines with runs of blanks made one blank, trimmed, blank lines left out: what a reader sees,
// independent of how the tool rebuilds the columns.
QStringList Words(const QString& pageText);
QStringList Words(const ReportPage& page);

struct PdfWord {
    QString text;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0; // points from the page's top-left corner
};
struct PdfPage {
    double width = 0, height = 0; // points
    std::vector<PdfWord> words;
};
// The words of every page with their boxes, from "pdftotext -bbox".
std::vector<PdfPage> PdfWords(const QString& path);

} // namespace zt46::test
