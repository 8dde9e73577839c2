#pragma once
// "Alignment": the live service-tuning dialog. It shows the test channel chosen on the radio, the
// alignment values, one ADJ button per adjustable value and four typed values; every radio step goes
// through the session in order, and input waits while a step runs. A keyed transmitter is shown in red
// and every way out unkeys it: OK and the close box store the values and leave alignment mode, Esc
// leaves alignment mode without storing them. A radio that stops answering is reported once, after
// which only the ways out are left.

#include <QPointer>
#include <array>

#include "core/alignment/AlignmentModel.h"
#include "gui/alignment/AlignmentLevelDialog.h"
#include "gui/controls/PromptBarDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zt46 {

class AlignmentSession;
class EnterComboBox;
class FilterConfirmEdit;
class UserPrompts;

class AlignmentDialog : public PromptBarDialog {
    Q_OBJECT
public:
    AlignmentDialog(AlignmentSession& session, UserPrompts& prompts, QWidget* parent = nullptr);
    ~AlignmentDialog() override;

    EnterComboBox* ChannelList() const { return m_channel; }
    QPushButton* AdjButton(int slot) const { return m_adj[static_cast<std::size_t>(slot)]; }
    // Slots 0..11: the value fields; 12..15: the typed values' edits.
    QString ValueText(int slot) const;
    FilterConfirmEdit* ValueEdit(int slot) const { return m_edits[static_cast<std::size_t>(slot - 12)]; }
    QLineEdit* ChannelField(int id) const;
    QPushButton* OkButton() const { return m_ok; }
    QLabel* TransmittingLabel() const { return m_keyed; }
    QLabel* StatusLabel() const { return m_loading; }
    // The value editor while a driven step has it open.
    AlignmentLevelDialog* ValueEditor() const { return m_editor; }

    void done(int result) override; // every way out goes through the leaving steps first

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void SelectChannel(int position);
    void Adjust(int slot);
    void Drive(int slot);
    void CommitTyped(int slot);
    void Redisplay();
    void StepAnswered();
    void LinkLost();
    void StartLeaving(bool store);

    AlignmentSession& m_session;
    UserPrompts& m_prompts;
    EnterComboBox* m_channel = nullptr;
    std::array<QLineEdit*, 6> m_fields{};
    std::array<QLabel*, 12> m_values{};
    std::array<QPushButton*, 12> m_adj{};
    std::array<FilterConfirmEdit*, 4> m_edits{};
    QLabel* m_loading = nullptr;
    QLabel* m_keyed = nullptr;
    QPushButton* m_ok = nullptr;
    QPointer<AlignmentLevelDialog> m_editor;
    bool m_leaving = false;
    bool m_left = false;
    bool m_lostReported = false;
    bool m_accepted = false;
};

} // namespace zt46
