#include "report/ReportPainter.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>
#include <algorithm>

namespace zt46 {
namespace {

// Bigger paper gets bigger letters, but not poster letters.
constexpr qreal kLargestPointSize = 12.0;
// Below this nobody reads it any more; a device that small still gets the report, clipped.
constexpr qreal kSmallestPointSize = 2.0;

QString LineText(const ReportLine& line) {
    return QString::fromStdString(line.text);
}

} // namespace

QFont ReportBaseFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!QFontInfo(font).fixedPitch()) {
        for (const char* family :
             {"DejaVu Sans Mono", "Liberation Mono", "Noto Mono", "Courier New", "Courier"}) {
            QFont candidate(QString::fromLatin1(family));
            if (QFontInfo(candidate).fixedPitch()) {
                font = candidate;
                break;
            }
        }
    }
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setKerning(false);
    // Unhinted metrics scale with the size, so the screen preview lays out like the paper.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

ReportPainter::ReportPainter(QPaintDevice& device, const std::vector<ReportPage>& pages)
    : m_font(ReportBaseFont()) {
    // Start from an estimate taken at 10 points, then step down until everything fits: glyph advances
    // do not scale exactly linearly at every size.
    m_font.setPointSizeF(10.0);
    Measure(device, pages);
    const qreal columns = kReportMarginColumns + kReportColumns;
    const qreal scale = std::min(device.width() / (columns * m_charWidth),
                                 device.height() / (kReportPositions * m_lineHeight));
    qreal size = std::clamp(10.0 * scale, kSmallestPointSize, kLargestPointSize);
    for (;;) {
        m_font.setPointSizeF(size);
        if (Measure(device, pages) || size <= kSmallestPointSize) break;
        size = std::max(kSmallestPointSize, size * 0.97);
    }
}

bool ReportPainter::Measure(QPaintDevice& device, const std::vector<ReportPage>& pages) {
    const QFontMetricsF metrics(m_font, &device);
    m_charWidth = metrics.horizontalAdvance(QLatin1Char('0'));
    m_lineHeight = metrics.lineSpacing(); // height plus external leading
    m_ascent = metrics.ascent();

    // Room for the longest report line there can be, and for the real lines as they are (a long file
    // name on page 1 runs past it).
    qreal widest = kReportColumns * m_charWidth;
    int positions = kReportPositions;
    for (const ReportPage& page : pages) {
        for (const ReportLine& line : page.lines)
            widest = std::max(widest, metrics.horizontalAdvance(LineText(line)));
        positions = std::max(positions, page.LastPosition() + 1);
    }
    return kReportMarginColumns * m_charWidth + widest <= device.width() &&
           positions * m_lineHeight <= device.height();
}

void ReportPainter::PaintPage(QPainter& painter, const ReportPage& page) const {
    painter.setFont(m_font);
    painter.setPen(Qt::black);
    const qreal x = kReportMarginColumns * m_charWidth;
    for (const ReportLine& line : page.lines) {
        if (line.text.empty()) continue;
        // The line's cell starts at position x line height; text is drawn from its baseline.
        painter.drawText(QPointF(x, line.position * m_lineHeight + m_ascent), LineText(line));
    }
}

bool PaintReport(QPagedPaintDevice& device, const Report& report, const std::vector<int>& pages) {
    const std::vector<ReportPage> all = report.Pages();
    const ReportPainter painter(device, all);
    QPainter p;
    if (!p.begin(&device)) return false;
    bool first = true;
    for (const int number : pages) {
        if (number < 1 || number > static_cast<int>(all.size())) continue;
        if (!first && !device.newPage()) {
            p.end();
            return false;
        }
        first = false;
        painter.PaintPage(p, all[static_cast<std::size_t>(number - 1)]);
    }
    return p.end();
}

} // namespace zt46
