#include "gui/editor/GridHeader.h"

#include <QPainter>
#include <QStyleOptionHeader>

#include "gui/editor/ChannelTableModel.h"

namespace zt46 {

GridHeader::GridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(false); // header clicks do nothing
    setSectionsMovable(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setHighlightSections(false);
}

QSize GridHeader::sizeHint() const {
    QSize size = QHeaderView::sizeHint();
    size.setHeight(2 * (fontMetrics().height() + 6));
    return size;
}

QString GridHeader::TopText(int section) const {
    return model()
               ? model()->headerData(section, Qt::Horizontal, ChannelTableModel::kHeaderTopRole).toString()
               : QString();
}

void GridHeader::PaintCell(QPainter& painter, const QRect& rect, const QString& text, int section) const {
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    opt.rect = rect;
    opt.section = section;
    opt.text = text;
    opt.textAlignment = Qt::AlignCenter;
    opt.position = QStyleOptionHeader::Middle;
    opt.state |= QStyle::State_Enabled;
    style()->drawControl(QStyle::CE_Header, &opt, &painter, this);
}

void GridHeader::paintEvent(QPaintEvent*) {
    if (!model()) return;
    QPainter painter(viewport());
    const int half = viewport()->height() / 2;
    const int full = viewport()->height();
    const int count = this->count();
    for (int section = 0; section < count; ++section) {
        if (isSectionHidden(section) || sectionSize(section) == 0) continue;
        const int x = sectionViewportPosition(section);
        const int width = sectionSize(section);
        const QString top = TopText(section);
        const QString bottom = model()->headerData(section, Qt::Horizontal).toString();
        if (top.isEmpty()) {
            PaintCell(painter, QRect(x, 0, width, full), bottom, section);
            continue;
        }
        PaintCell(painter, QRect(x, half, width, full - half), bottom, section);
        // The upper cell is painted once, by the first shown section of its run of equal texts.
        int previous = section - 1;
        while (previous >= 0 && sectionSize(previous) == 0)
            --previous;
        if (previous >= 0 && TopText(previous) == top) continue;
        int spanWidth = width;
        for (int next = section + 1; next < count; ++next) {
            if (sectionSize(next) == 0) continue;
            if (TopText(next) != top) break;
            spanWidth += sectionSize(next);
        }
        PaintCell(painter, QRect(x, 0, spanWidth, half), top, section);
    }
}

} // namespace zt46
