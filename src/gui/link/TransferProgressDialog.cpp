#include "gui/link/TransferProgressDialog.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/util/Messages.h"

namespace zt46 {
namespace {

constexpr int kTextColumns = 54; // characters of the status line's width
constexpr int kTextLines = 3;    // lines it has room for before the dialog grows

QString StringText(int id) {
    return QString::fromStdString(FormatString(id, {}));
}

} // namespace

TransferProgressDialog::TransferProgressDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_status(new QLabel(this)),
      m_progress(new QProgressBar(this)), m_cancel(new QPushButton("Cancel", this)) {
    setWindowTitle("Access Gauge");
    setModal(true);
    m_status->setObjectName("gaugeText");   // 1190
    m_progress->setObjectName("gaugeBar");  // 100
    m_cancel->setObjectName("gaugeCancel"); // 1178
    m_progress->setTextVisible(false);
    m_progress->setVisible(false); // appears with the run's first range
    m_cancel->setAutoDefault(false);
    // The status line wraps within a width that follows the font, and the dialog takes the height its
    // lines need: every text shows whole, whatever the font size or the screen's scaling.
    m_status->setWordWrap(true);
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_status->setFixedWidth(m_status->fontMetrics().averageCharWidth() * kTextColumns);
    m_status->setMinimumHeight(m_status->fontMetrics().lineSpacing() * kTextLines);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_status);
    layout->addWidget(m_progress);
    layout->addSpacing(m_status->fontMetrics().lineSpacing());
    layout->addWidget(m_cancel, 0, Qt::AlignHCenter);
    connect(m_cancel, &QPushButton::clicked, this, &TransferProgressDialog::reject);
}

void TransferProgressDialog::Begin() {
    m_cancelRequested = false;
    m_ended = false;
    setWindowTitle("Access Gauge");
    m_status->clear();
    m_progress->setVisible(false);
    m_progress->reset();
}

void TransferProgressDialog::SetRange(int frames) {
    m_progress->setRange(0, frames);
    m_progress->setValue(0);
    m_progress->setVisible(true);
}

void TransferProgressDialog::SetStep(int framesDone) {
    m_progress->setValue(framesDone);
}

void TransferProgressDialog::SetText(int stringId) {
    m_status->setText(StringText(stringId));
}

void TransferProgressDialog::SetTitle(int stringId) {
    setWindowTitle(StringText(stringId));
}

void TransferProgressDialog::RunEnded() {
    m_ended = true;
    if (m_cancelRequested) {
        QDialog::reject();
    } else {
        accept();
    }
}

void TransferProgressDialog::reject() {
    if (m_ended) {
        QDialog::reject();
        return;
    }
    if (!m_cancelRequested) {
        m_cancelRequested = true;
        emit CancelPressed();
    }
}

void TransferProgressDialog::closeEvent(QCloseEvent* event) {
    // No close box: a window manager's close request counts as Cancel.
    event->ignore();
    reject();
}

} // namespace zt46
