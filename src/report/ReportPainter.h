#pragma once
// Paints report pages as plain text lines in one fixed-pitch font: each line at x = 5 character widths,
// y = line position x line height, from the top-left corner of the printable area. The font is sized
// so that the widest and the longest page of the report fit that area: nothing wraps or is cut.

#include <QFont>
#include <vector>

#include "core/report/Report.h"

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace zt46 {

class ReportPainter {
public:
    // Fits the font to the device's printable area for every one of the pages (so all pages of a job
    // share one font, whichever of them are printed).
    ReportPainter(QPaintDevice& device, const std::vector<ReportPage>& pages);

    void PaintPage(QPainter& painter, const ReportPage& page) const;

private:
    // Takes the metrics of the font at its size; true when the pages fit the device with them.
    bool Measure(QPaintDevice& device, const std::vector<ReportPage>& pages);

    QFont m_font;
    qreal m_charWidth = 0;
    qreal m_lineHeight = 0;
    qreal m_ascent = 0;
};

// A fixed-pitch font that has the glyphs the report uses; its size is not set yet.
QFont ReportBaseFont();

// Paints the given pages (numbers from 1) of the report onto the device, one device page each, in the
// order given. False when the device could not be opened (no printer, an unwritable file) or a page
// could not be started.
bool PaintReport(QPagedPaintDevice& device, const Report& report, const std::vector<int>& pages);

} // namespace zt46
