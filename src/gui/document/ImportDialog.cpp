#include "gui/document/ImportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "core/document/Document.h"
#include "exchange/ImportPreview.h"
#include "gui/app/TextConversion.h"
#include "gui/document/ImportPreviewModel.h"

namespace zt46 {
namespace {

constexpr int kAutoFormat = -1;
constexpr int kAirportsPause = 400; // ms of no typing before the airports are read again

QString FormatTitle(ListFormat format) {
    switch (format) {
    case ListFormat::Zt46:
        return QStringLiteral("ZT46 channel list");
    case ListFormat::Generic:
        return QStringLiteral("Generic channel list");
    case ListFormat::Airports:
        return QStringLiteral("Airport frequencies");
    }
    return {};
}

} // namespace

ImportDialog::ImportDialog(const Document& document, std::string listBytes, const QString& listName,
                           QWidget* parent)
    : QDialog(parent), m_doc(document), m_bytes(std::move(listBytes)) {
    setWindowTitle(QStringLiteral("Import"));

    auto* file = new QLabel(QStringLiteral("List: %1").arg(QFileInfo(listName).fileName()), this);
    file->setToolTip(listName);

    // Tab goes through the controls in the order they are made here.
    m_format = new QComboBox(this);
    m_format->addItem(QStringLiteral("Detect from the header"), kAutoFormat);
    for (ListFormat f : {ListFormat::Zt46, ListFormat::Generic, ListFormat::Airports})
        m_format->addItem(FormatTitle(f), static_cast<int>(f));
    auto* formatLabel = new QLabel(QStringLiteral("&Format:"), this);
    formatLabel->setBuddy(m_format);

    m_airports = new QLineEdit(this);
    m_airports->setPlaceholderText(QStringLiteral("EGLL EGKK"));
    m_airports->setToolTip(QStringLiteral("The airports whose frequencies to take, by their idents"));
    m_airportsLabel = new QLabel(QStringLiteral("&Airports:"), this);
    m_airportsLabel->setBuddy(m_airports);

    m_group = new QComboBox(this);
    m_group->addItem(QStringLiteral("MR"), kGroupMr);
    m_group->addItem(QStringLiteral("Book"), kGroupBook);
    auto* groupLabel = new QLabel(QStringLiteral("Rows without a channel go to &group:"), this);
    groupLabel->setBuddy(m_group);
    m_from = new QSpinBox(this);
    m_from->setRange(1, ChannelTable::GroupSize(kGroupMr));
    auto* fromLabel = new QLabel(QStringLiteral("from &channel:"), this);
    fromLabel->setBuddy(m_from);

    m_listedSlots = new QCheckBox(QStringLiteral("Put rows at the channel &numbers the list gives"), this);
    m_listedSlots->setChecked(true);
    m_replace = new QCheckBox(QStringLiteral("&Replace channels in use"), this);

    m_model = new ImportPreviewModel(this);
    m_table = new QTableView(this);
    m_table->setModel(m_model);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setTabKeyNavigation(false); // Tab leaves the table for the buttons
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->setWordWrap(false);

    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setDefault(true); // Enter anywhere but in a list that is open
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(m_ok, &QPushButton::clicked, this, &ImportDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* formatRow = new QHBoxLayout;
    formatRow->addWidget(formatLabel);
    formatRow->addWidget(m_format);
    formatRow->addSpacing(12);
    formatRow->addWidget(m_airportsLabel);
    formatRow->addWidget(m_airports, 1);
    formatRow->addStretch(0);
    auto* placeRow = new QHBoxLayout;
    placeRow->addWidget(groupLabel);
    placeRow->addWidget(m_group);
    placeRow->addSpacing(12);
    placeRow->addWidget(fromLabel);
    placeRow->addWidget(m_from);
    placeRow->addStretch(1);
    auto* checkRow = new QHBoxLayout;
    checkRow->addWidget(m_listedSlots);
    checkRow->addSpacing(12);
    checkRow->addWidget(m_replace);
    checkRow->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_summary, 1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(file);
    layout->addLayout(formatRow);
    layout->addLayout(placeRow);
    layout->addLayout(checkRow);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);

    m_airportsTyped = new QTimer(this);
    m_airportsTyped->setSingleShot(true);
    m_airportsTyped->setInterval(kAirportsPause);
    connect(m_airportsTyped, &QTimer::timeout, this, &ImportDialog::ReadList);
    connect(m_airports, &QLineEdit::textEdited, m_airportsTyped, qOverload<>(&QTimer::start));
    m_airports->installEventFilter(this);
    connect(m_format, &QComboBox::currentIndexChanged, this, &ImportDialog::ReadList);
    connect(m_group, &QComboBox::currentIndexChanged, this, [this] {
        const QSignalBlocker quiet(m_from); // one plan for the group and the range it brings
        m_from->setMaximum(ChannelTable::GroupSize(m_group->currentData().toInt()));
        PlanRows();
    });
    connect(m_from, &QSpinBox::valueChanged, this, &ImportDialog::PlanRows);
    connect(m_listedSlots, &QCheckBox::toggled, this, &ImportDialog::PlanRows);
    connect(m_replace, &QCheckBox::toggled, this, &ImportDialog::PlanRows);

    ReadList();
    // Wide enough for every column of the preview, as far as the screen allows.
    const QScreen* screen = parent ? parent->screen() : this->screen();
    const int wanted = m_table->horizontalHeader()->length() +
                       m_table->verticalScrollBar()->sizeHint().width() + 2 * m_table->frameWidth() +
                       layout->contentsMargins().left() + layout->contentsMargins().right();
    resize(std::min(std::max(wanted, 720), screen->availableGeometry().width() - 40), 560);
    if (m_airportList) {
        m_airports->setFocus(); // an airport list waits for its airports
    } else {
        m_table->setFocus();
    }
}

ListReadOptions ImportDialog::ReadOptions() const {
    ListReadOptions options;
    const int format = m_format->currentData().toInt();
    if (format != kAutoFormat) options.format = static_cast<ListFormat>(format);
    options.airports = SplitAirports(m_airports->text().toStdString());
    return options;
}

ImportPlacement ImportDialog::Placement() const {
    ImportPlacement placement;
    placement.group = m_group->currentData().toInt();
    placement.from = m_from->value();
    placement.replace = m_replace->isChecked();
    placement.useListedSlots = m_listedSlots->isChecked();
    return placement;
}

void ImportDialog::ReadList() {
    m_airportsTyped->stop();
    ListResult<ChannelList> read = ReadChannelList(m_bytes, ReadOptions());
    if (auto* error = std::get_if<ListError>(&read)) {
        m_list.reset();
        m_error = ToQString(error->Text());
        m_airportList =
            error->kind == ListErrorKind::NoAirports || error->kind == ListErrorKind::AirportMissing;
    } else {
        m_list = std::move(std::get<ChannelList>(read));
        m_error.clear();
        m_airportList = m_list->format == ListFormat::Airports;
    }
    PlanRows();
}

void ImportDialog::PlanRows() {
    if (m_list) {
        m_plan = PlanImport(m_doc, *m_list, Placement());
    } else {
        m_plan.reset();
    }
    ShowResult();
}

void ImportDialog::ShowResult() {
    const bool airports =
        m_airportList || m_format->currentData().toInt() == static_cast<int>(ListFormat::Airports);
    m_airportsLabel->setVisible(airports);
    m_airports->setVisible(airports);
    m_model->SetPlan(Plan());
    m_table->resizeColumnsToContents();
    m_ok->setEnabled(m_plan.has_value());
    if (!m_plan) {
        // An airport list waits for its airports, or names one it lacks; anything else is wrong with the
        // list.
        const bool waiting = m_airportList && m_airports->text().trimmed().isEmpty();
        m_summary->setStyleSheet(waiting ? QString() : QStringLiteral("color: #a00000"));
        if (waiting) {
            m_summary->setText(QStringLiteral("Name the airports whose frequencies to take."));
        } else if (m_airportList) {
            m_summary->setText(m_error.left(1).toUpper() + m_error.mid(1) + QLatin1Char('.'));
        } else {
            m_summary->setText(QStringLiteral("The list cannot be read: %1").arg(m_error));
        }
        return;
    }
    m_summary->setStyleSheet({});
    QString text = FormatTitle(m_plan->format) + QStringLiteral(", ") + ToQString(PlanSummary(*m_plan));
    if (m_plan->changed.empty()) text += QStringLiteral("; no channel changes");
    m_summary->setText(text);
    if (m_model->rowCount() > 0) m_table->setCurrentIndex(m_model->index(0, 0));
}

bool ImportDialog::eventFilter(QObject* watched, QEvent* event) {
    // Enter after typing airports reads them at once and shows their rows; the next Enter is OK.
    if (watched == m_airports && event->type() == QEvent::KeyPress && m_airportsTyped->isActive()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ReadList();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ImportDialog::accept() {
    if (m_airportsTyped->isActive()) {
        ReadList(); // show what the typed airports give; the next OK takes it
        return;
    }
    if (!m_plan) return;
    QDialog::accept();
}

} // namespace zt46
