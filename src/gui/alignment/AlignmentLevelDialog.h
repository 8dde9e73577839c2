#pragma once
// The slider value editor of a driven alignment level. Every new level goes to the radio at once (the
// caller's sender); a level dragged with the slider is taken only when the radio accepts it, otherwise
// the slider springs back. Each level gets its answer before the next one is sent: positions the
// slider passes meanwhile are skipped, the latest one is sent next. OK hands the level to the caller.

#include <QDialog>
#include <functional>
#include <optional>

#include "gui/controls/PromptBarDialog.h"

class QLabel;
class QPushButton;
class QSlider;

namespace zt46 {

class FilterConfirmEdit;

class AlignmentLevelDialog : public PromptBarDialog {
    Q_OBJECT
public:
    // Sends a level; `answer` is called (on this thread) with whether the radio accepted it.
    using Sender = std::function<void(int level, std::function<void(bool accepted)> answer)>;

    AlignmentLevelDialog(int value, Sender sender, QWidget* parent = nullptr);

    int Value() const { return m_value; }
    // The red "transmitting" mark (the transmitter is keyed while the editor is open).
    void SetTransmitting(bool keyed);

    QSlider* Slider() const { return m_slider; }
    FilterConfirmEdit* Edit() const { return m_edit; }
    QLabel* MinimumLabel() const { return m_minLabel; }
    QLabel* MaximumLabel() const { return m_maxLabel; }
    QLabel* TransmittingLabel() const { return m_keyed; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    // Levels sent and not yet answered.
    bool Sending() const { return m_sending; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SliderMoved(int position);
    void SendDragged(int position);
    // A keyboard level: taken whether or not the radio accepts it.
    void TakeLevel(int level);
    void ShowValue();
    int ParseEdit() const;

    QSlider* m_slider;
    FilterConfirmEdit* m_edit;
    QLabel* m_minLabel;
    QLabel* m_maxLabel;
    QLabel* m_keyed;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    Sender m_send;
    int m_value;
    bool m_sending = false;
    std::optional<int> m_waiting; // a dragged position to send once the answer is in
};

} // namespace zt46
