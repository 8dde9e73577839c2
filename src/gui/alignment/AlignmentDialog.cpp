#include "gui/alignment/AlignmentDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "core/util/Messages.h"
#include "core/util/UserPrompts.h"
#include "gui/alignment/AlignmentLevelDialog.h"
#include "gui/alignment/AlignmentSession.h"
#include "gui/app/CommandIds.h"
#include "gui/app/TextConversion.h"
#include "gui/controls/EnterComboBox.h"
#include "gui/controls/FilterConfirmEdit.h"

namespace zt46 {
namespace {

constexpr int kChannelListId = 2890;
constexpr int kStatusId = 5550;
constexpr int kFieldIds[6] = {2820, 2821, 2825, 2822, 2823, 2824}; // band, AM step, FM step, RX, TX, split
constexpr const char* kChangeChannelError = "Change Channel Error.\n";

bool IsInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

} // namespace

AlignmentDialog::AlignmentDialog(AlignmentSession& session, UserPrompts& prompts, QWidget* parent)
    : PromptBarDialog(parent), m_session(session), m_prompts(prompts) {
    setWindowTitle("Alignment");
    setProperty("helpContext", cmd::HelpOfDialog(cmd::kAlignmentDialog)); // F1: the dialog's help topic
    BuildControls();
    for (const std::string& item : m_session.Model().ChannelItems())
        m_channel->addItem(ToQString(item));
    connect(m_channel, &QComboBox::currentIndexChanged, this, &AlignmentDialog::SelectChannel);
    connect(&m_session, &AlignmentSession::StepAnswered, this, &AlignmentDialog::StepAnswered);
    // Input waits while a step is on the radio: the steps go strictly one after another.
    qApp->installEventFilter(this);
    Redisplay();
    SelectChannel(0);
    m_channel->setFocus();
}

AlignmentDialog::~AlignmentDialog() {
    qApp->removeEventFilter(this);
}

void AlignmentDialog::BuildControls() {
    auto* top = new QGridLayout(Body());

    m_keyed = new QLabel("TRANSMITTING", Body());
    m_keyed->setAlignment(Qt::AlignCenter);
    m_keyed->setStyleSheet("QLabel { background: #c00000; color: white; font-weight: bold; padding: 4px; }");
    m_keyed->hide();
    top->addWidget(m_keyed, 0, 0, 1, 3);

    // The test channel and what it is.
    auto* channelBox = new QGroupBox(Body());
    auto* channelGrid = new QGridLayout(channelBox);
    m_channel = new EnterComboBox(channelBox);
    SetControlId(m_channel, kChannelListId);
    channelGrid->addWidget(new QLabel("Channel No.", channelBox), 0, 0);
    channelGrid->addWidget(m_channel, 0, 1);
    const char* fieldLabels[6] = {"Band", "AM Step", "FM Step", "RX Freq.", "TX Freq.", "Split"};
    for (int i = 0; i < 6; ++i) {
        auto* field = new QLineEdit(channelBox);
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance("000.000000") + 12);
        SetControlId(field, kFieldIds[i]);
        m_fields[static_cast<std::size_t>(i)] = field;
        channelGrid->addWidget(new QLabel(fieldLabels[i], channelBox), i + 1, 0);
        channelGrid->addWidget(field, i + 1, 1);
    }
    channelGrid->setRowStretch(7, 1);
    top->addWidget(channelBox, 1, 0, 2, 1);

    auto valueRow = [this](QGridLayout* grid, int row, int slot, QWidget* owner) {
        grid->addWidget(new QLabel(AlignSlotInfo(slot).label, owner), row, 0);
        if (slot >= 12) {
            auto* edit = new FilterConfirmEdit(owner);
            SetControlId(edit, kFirstValueEditId + slot - 12);
            edit->SetFilterKind(ConfirmFilter::Signed);
            edit->SetLengthLimit(3);
            edit->setAlignment(Qt::AlignRight);
            edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("-0000") + 12);
            m_edits[static_cast<std::size_t>(slot - 12)] = edit;
            connect(edit, &FilterConfirmEdit::EditFinished, this, [this, slot] { CommitTyped(slot); });
            grid->addWidget(edit, row, 1);
            return;
        }
        auto* value = new QLabel(owner);
        SetControlId(value, kFirstValueFieldId + slot);
        value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setFixedWidth(value->fontMetrics().horizontalAdvance("-0000") + 12);
        m_values[static_cast<std::size_t>(slot)] = value;
        auto* adj = new QPushButton("ADJ", owner);
        SetControlId(adj, kFirstAdjButtonId + slot);
        adj->setAutoDefault(false);
        m_adj[static_cast<std::size_t>(slot)] = adj;
        connect(adj, &QPushButton::clicked, this, [this, slot] { Adjust(slot); });
        grid->addWidget(value, row, 1);
        grid->addWidget(adj, row, 2);
    };

    // The squelch values by band.
    auto* squelch = new QVBoxLayout;
    const int bandSlots[2][3] = {{0, 1, 12}, {2, 3, 13}};
    const char* bandNames[2] = {"AM", "FM"};
    for (int band = 0; band < 2; ++band) {
        auto* box = new QGroupBox(bandNames[band], Body());
        auto* grid = new QGridLayout(box);
        for (int row = 0; row < 3; ++row)
            valueRow(grid, row, bandSlots[band][row], box);
        squelch->addWidget(box);
    }
    squelch->addStretch(1);
    top->addLayout(squelch, 1, 1, 2, 1);

    // The transmitter, VOR and receiver values.
    auto* others = new QGroupBox(Body());
    auto* grid = new QGridLayout(others);
    const int otherSlots[] = {4, 5, 6, 9, 7, 8, 14, 15, 10, 11};
    int row = 0;
    for (int slot : otherSlots)
        valueRow(grid, row++, slot, others);
    top->addWidget(others, 1, 2, 2, 1);

    auto* caution = new QLabel("CAUTION!! \n   Turn to transmit automatically", Body());
    caution->setStyleSheet("QLabel { color: #c00000; font-weight: bold; }");
    top->addWidget(caution, 3, 0, 1, 2);
    m_ok = new QPushButton("OK", Body());
    m_ok->setAutoDefault(false); // Return never closes this dialog
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    top->addWidget(m_ok, 3, 2, Qt::AlignRight | Qt::AlignBottom);

    m_loading = new QLabel("Now Loading... Please wait.", Body());
    SetControlId(m_loading, kStatusId);
    m_loading->setAlignment(Qt::AlignCenter);
    m_loading->setStyleSheet("QLabel { background: palette(window); border: 2px solid palette(dark); "
                             "padding: 12px; font-weight: bold; }");
    m_loading->hide();
    top->addWidget(m_loading, 1, 0, 2, 3, Qt::AlignCenter);
}

QString AlignmentDialog::ValueText(int slot) const {
    if (slot >= 12) return ValueEdit(slot)->text();
    return m_values[static_cast<std::size_t>(slot)]->text();
}

QLineEdit* AlignmentDialog::ChannelField(int id) const {
    for (int i = 0; i < 6; ++i) {
        if (kFieldIds[i] == id) return m_fields[static_cast<std::size_t>(i)];
    }
    return nullptr;
}

void AlignmentDialog::Redisplay() {
    const AlignmentModel& model = m_session.Model();
    const std::string fields[6] = {model.Band(),   model.AmStepText(), model.FmStepText(),
                                   model.RxText(), model.TxText(),     model.SplitText()};
    for (int i = 0; i < 6; ++i)
        m_fields[static_cast<std::size_t>(i)]->setText(ToQString(fields[i]));
    for (int slot = 0; slot < 12; ++slot)
        m_values[static_cast<std::size_t>(slot)]->setText(ToQString(model.FormatValue(slot)));
    for (int slot = 12; slot < kAlignSlotCount; ++slot) {
        FilterConfirmEdit* edit = ValueEdit(slot);
        if (edit->Locked()) edit->setText(ToQString(model.FormatValue(slot)));
    }
    if (m_lostReported) return; // only the ways out are left
    for (int slot = 0; slot < 12; ++slot)
        m_adj[static_cast<std::size_t>(slot)]->setEnabled(model.SlotLive(slot));
    for (int slot = 12; slot < kAlignSlotCount; ++slot)
        ValueEdit(slot)->setEnabled(model.SlotLive(slot));
}

void AlignmentDialog::StepAnswered() {
    const bool keyed = m_session.Model().TransmitterKeyed();
    m_keyed->setVisible(keyed);
    if (m_editor) m_editor->SetTransmitting(keyed);
    if (m_session.Model().LinkLost() && !m_lostReported && !m_leaving) LinkLost();
}

void AlignmentDialog::LinkLost() {
    m_lostReported = true;
    // Unkey first, then tell the user once; afterwards only OK, Esc and the close box are left.
    m_session.Run([](AlignmentModel& model) { model.Unkey(); });
    if (m_editor) m_editor->reject();
    m_channel->setEnabled(false);
    for (QPushButton* adj : m_adj)
        adj->setEnabled(false);
    for (FilterConfirmEdit* edit : m_edits)
        edit->setEnabled(false);
    m_ok->setFocus();
    MessageById(m_prompts, IDS_COMM_ERROR, Buttons::Ok, Icon::Stop);
}

void AlignmentDialog::SelectChannel(int position) {
    m_loading->setText("Now Loading... Please wait.");
    m_loading->show();
    m_loading->raise();
    auto ok = std::make_shared<bool>(false);
    m_session.Run(
        [position, ok](AlignmentModel& model) { *ok = model.SelectChannel(position); },
        [this, ok] {
            m_loading->hide();
            Redisplay();
            if (!*ok && !m_session.Model().LinkLost())
                m_prompts.Show(Prompt{0, kChangeChannelError, Buttons::Ok, Icon::Stop, "Alignment"});
        },
        this);
}

void AlignmentDialog::Adjust(int slot) {
    if (AlignSlotInfo(slot).kind == AlignSlotKind::Driven) {
        Drive(slot);
        return;
    }
    m_session.Run([slot](AlignmentModel& model) { model.Measure(slot); }, [this] { Redisplay(); }, this);
}

void AlignmentDialog::Drive(int slot) {
    auto started = std::make_shared<bool>(false);
    m_session.Run(
        [slot, started](AlignmentModel& model) { *started = model.StartLive(slot); },
        [this, slot, started] {
            if (m_lostReported || m_leaving) return;
            if (!*started) {
                // The step ends here; a transmitter keyed on the way is unkeyed.
                m_session.Run([](AlignmentModel& model) { model.Unkey(); }, [this] { Redisplay(); }, this);
                return;
            }
            auto sender = [this, slot](int level, std::function<void(bool)> answer) {
                auto result = std::make_shared<RadioReply>(RadioReply::Refused);
                m_session.Run(
                    [slot, level, result](AlignmentModel& model) { *result = model.SetLive(slot, level); },
                    [answer, result] { answer(*result == RadioReply::Accepted); }, this);
            };
            const int shown = m_values[static_cast<std::size_t>(slot)]->text().toInt() & 0xFF;
            AlignmentLevelDialog editor(shown, sender, this);
            m_editor = &editor;
            editor.SetTransmitting(m_session.Model().TransmitterKeyed());
            const bool accepted = editor.exec() == QDialog::Accepted && !m_lostReported;
            const int level = editor.Value();
            m_editor = nullptr;
            // Leaving (or a lost radio) closed the editor: the leaving step unkeys on its own.
            if (m_lostReported || m_leaving) return;
            const std::optional<int> taken = accepted ? std::optional<int>(level) : std::nullopt;
            m_session.Run([slot, taken](AlignmentModel& model) { model.FinishLive(slot, taken); },
                          [this, slot] {
                              Redisplay();
                              if (m_adj[static_cast<std::size_t>(slot)]->isEnabled())
                                  m_adj[static_cast<std::size_t>(slot)]->setFocus();
                          },
                          this);
        },
        this);
}

void AlignmentDialog::CommitTyped(int slot) {
    FilterConfirmEdit* edit = ValueEdit(slot);
    if (!edit->ModifiedMark()) return;
    edit->ClearModifiedMark();
    const std::string text = edit->text().toStdString();
    // A refused write brings the model's (old) value back into the edit.
    m_session.Run([slot, text](AlignmentModel& model) { model.CommitValue(slot, text); },
                  [this] { Redisplay(); }, this);
}

void AlignmentDialog::StartLeaving(bool store) {
    if (m_leaving) return;
    m_leaving = true;
    m_accepted = store;
    if (m_editor) m_editor->reject();
    m_loading->setText("Now Initializing... Please Wait.");
    m_loading->show();
    m_loading->raise();
    m_session.Leave(
        store,
        [this] {
            m_left = true;
            done(m_accepted ? QDialog::Accepted : QDialog::Rejected);
        },
        this);
}

void AlignmentDialog::done(int result) {
    if (m_left) {
        PromptBarDialog::done(result);
        return;
    }
    StartLeaving(result == QDialog::Accepted);
}

void AlignmentDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    StartLeaving(true); // the close box stores the values as OK does
}

void AlignmentDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return; // never closes
    PromptBarDialog::keyPressEvent(event);
}

bool AlignmentDialog::eventFilter(QObject* watched, QEvent* event) {
    if (m_session.Busy() && IsInput(event->type()) && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        // The ways out are always open: leaving queues behind the step on the radio.
        const bool escape =
            event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
        if (watched != m_ok && !escape) return true; // it would start the next step out of turn
    }
    return PromptBarDialog::eventFilter(watched, event);
}

} // namespace zt46
