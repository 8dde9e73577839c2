#include "gui/alignment/AlignmentLevelDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <algorithm>
#include <cstdint>

#include "core/util/TextFormat.h"
#include "gui/controls/FilterConfirmEdit.h"

namespace zt46 {
namespace {

constexpr int kSliderId = 1233;
constexpr int kEditId = 1235;
constexpr int kMinimum = 0, kMaximum = 255;

QString ThreeWide(int value) {
    return QString::asprintf("%3d", value);
}

} // namespace

AlignmentLevelDialog::AlignmentLevelDialog(int value, Sender sender, QWidget* parent)
    : PromptBarDialog(parent), m_send(std::move(sender)), m_value(std::clamp(value, kMinimum, kMaximum)) {
    setWindowTitle(QString()); // the editor has no caption

    m_slider = new QSlider(Qt::Horizontal, Body());
    SetControlId(m_slider, kSliderId);
    m_slider->setRange(kMinimum, kMaximum);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setTickInterval(10);
    m_slider->setPageStep(20);
    m_slider->setSingleStep(1);
    m_slider->setMinimumWidth(300);
    m_slider->setValue(m_value);
    connect(m_slider, &QSlider::valueChanged, this, &AlignmentLevelDialog::SliderMoved);

    m_minLabel = new QLabel(QString::asprintf("%-3d", kMinimum), Body());
    m_maxLabel = new QLabel(ThreeWide(kMaximum), Body());
    auto* valueLabel = new QLabel("Value", Body());

    m_edit = new FilterConfirmEdit(Body());
    SetControlId(m_edit, kEditId);
    m_edit->SetFilterKind(ConfirmFilter::DigitsSpace);
    m_edit->SetLengthLimit(3);
    m_edit->setMaximumWidth(m_edit->fontMetrics().horizontalAdvance("00000") + 12);
    m_edit->installEventFilter(this);
    // Leaving the edit finishes its edit: a typed level is taken then.
    connect(m_edit, &FilterConfirmEdit::EditFinished, this, [this] {
        if (m_edit->hasFocus() || !m_edit->ModifiedMark()) return; // Return: keyPressEvent decides
        m_edit->ClearModifiedMark();
        const int level = ParseEdit();
        if (level != m_slider->value()) {
            TakeLevel(level);
        } else {
            m_value = level;
            ShowValue();
        }
    });

    m_keyed = new QLabel("TRANSMITTING", Body());
    m_keyed->setAlignment(Qt::AlignCenter);
    m_keyed->setStyleSheet("QLabel { background: #c00000; color: white; font-weight: bold; padding: 3px; }");
    m_keyed->hide();

    m_ok = new QPushButton("OK", Body());
    m_cancel = new QPushButton("Cancel", Body());
    m_ok->setAutoDefault(false); // Return is decided by the focus (keyPressEvent)
    m_cancel->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(Body());
    grid->addWidget(m_keyed, 0, 0, 1, 4);
    grid->addWidget(m_minLabel, 1, 0);
    grid->addWidget(m_slider, 1, 1, 1, 2);
    grid->addWidget(m_maxLabel, 1, 3);
    grid->addWidget(valueLabel, 2, 1, Qt::AlignRight);
    grid->addWidget(m_edit, 2, 2, Qt::AlignLeft);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    grid->addLayout(buttons, 3, 0, 1, 4);

    ShowValue();
    m_edit->setFocus();
}

void AlignmentLevelDialog::SetTransmitting(bool keyed) {
    m_keyed->setVisible(keyed);
}

void AlignmentLevelDialog::ShowValue() {
    const QSignalBlocker block(m_slider);
    m_slider->setValue(m_value);
    m_edit->setText(ThreeWide(m_value));
}

int AlignmentLevelDialog::ParseEdit() const {
    // The edit takes digits and blanks only: its leading number, clamped to the range.
    return static_cast<int>(
        std::clamp<std::int64_t>(LeadingInteger(m_edit->text().toStdString()), kMinimum, kMaximum));
}

void AlignmentLevelDialog::SliderMoved(int position) {
    if (position == m_value && !m_sending) return;
    if (m_sending) {
        m_waiting = position; // sent once the level in flight has its answer
        return;
    }
    SendDragged(position);
}

void AlignmentLevelDialog::SendDragged(int position) {
    m_sending = true;
    QPointer<AlignmentLevelDialog> self(this);
    m_send(position, [self, position](bool accepted) {
        if (!self) return;
        self->m_sending = false;
        if (accepted) self->m_value = position;
        self->ShowValue(); // a refused level springs back
        self->m_edit->setFocus();
        if (self->m_waiting) {
            const int next = *self->m_waiting;
            self->m_waiting.reset();
            if (next != self->m_value) self->SendDragged(next);
        }
    });
}

void AlignmentLevelDialog::TakeLevel(int level) {
    m_waiting.reset();
    m_value = level;
    ShowValue();
    m_send(level, [](bool) {});
}

bool AlignmentLevelDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_edit) return PromptBarDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Right && m_value < kMaximum) TakeLevel(m_value + 1);
        if (key == Qt::Key_Left && m_value > kMinimum) TakeLevel(m_value - 1);
        break; // the key goes on to the edit
    }
    case QEvent::MouseButtonDblClick:
        if (m_edit->ModifiedMark()) {
            m_edit->ClearModifiedMark();
            TakeLevel(ParseEdit());
        }
        break;
    default:
        break;
    }
    return PromptBarDialog::eventFilter(watched, event);
}

void AlignmentLevelDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        PromptBarDialog::keyPressEvent(event); // Escape cancels
        return;
    }
    // Return acts by the focus: on OK it closes; on the edit it takes a typed level first; elsewhere
    // (the slider, Cancel) it does nothing.
    QWidget* focus = focusWidget();
    if (focus == m_ok) {
        accept();
    } else if (focus == m_edit) {
        if (!m_edit->ModifiedMark()) {
            accept();
            return;
        }
        m_edit->ClearModifiedMark();
        TakeLevel(ParseEdit());
    }
}

} // namespace zt46
