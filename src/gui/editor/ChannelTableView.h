#pragma once
// The channel grid control: a table view that turns keys and clicks into the view's cell commands.

#include <QTableView>

namespace zt46 {

class ChannelTableView : public QTableView {
    Q_OBJECT
public:
    explicit ChannelTableView(QWidget* parent = nullptr);

signals:
    void EnterPressed();
    void SpacePressed();
    void CellDoubleClicked();
    void CharacterTyped(QChar ch);
    void NextGroupRequested();
    void FileDataRequested(); // Shift+F9
    void ContextMenuRequested(const QPoint& globalPos);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

} // namespace zt46
