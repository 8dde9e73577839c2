#pragma once
// The channel grid's header: two rows. The upper row's texts are merged across equal neighbours
// ("Frequency" over Receive and Transmit); a column with no upper text has its label over both rows.

#include <QHeaderView>

namespace zt46 {

class GridHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit GridHeader(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString TopText(int section) const;
    void PaintCell(QPainter& painter, const QRect& rect, const QString& text, int section) const;
};

} // namespace zt46
