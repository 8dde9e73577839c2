#include "gui/app/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <utility>

#include "core/document/ImageCompare.h"
#include "core/util/Messages.h"
#include "gui/alignment/AlignmentCommand.h"
#include "gui/app/AppSettings.h"
#include "gui/app/CommandIds.h"
#include "gui/app/GuiPrompts.h"
#include "gui/app/HelpBrowser.h"
#include "gui/app/HelpDialog.h"
#include "gui/app/TextConversion.h"
#include "gui/controls/FilterEdit.h"
#include "gui/document/ChannelListCommands.h"
#include "gui/document/CompareDialog.h"
#include "gui/document/EditHistory.h"
#include "gui/document/ImageBytesDialog.h"
#include "gui/editor/ChannelEditorView.h"
#include "gui/editor/ChannelTableView.h"
#include "gui/editor/VisibleColumnsDialog.h"
#include "gui/link/TransferController.h"
#include "gui/report/PrintController.h"
#include "gui/settings/SettingsCommands.h"

namespace zt46 {
namespace {

using namespace cmd;

constexpr int kPendingOpenRetryMs = 200;

constexpr const char* kItemTexts[kColumnFlagCount] = {
    "Mode", "TAG", "Frequency", "STEP", "Clock Shift", "TAG(Alfanumeric)", "SCAN", "Split"};

// How long the status bar says why a key or a value was refused or changed.
constexpr int kExplanationMs = 5000;

QString AppTitle(const AppState& state) {
    return ToQString(
        StringById(state.PrivilegedMode == Privilege::Privileged ? IDS_APP_TITLE_PRIVILEGED : IDS_APP_TITLE));
}

} // namespace

MainWindow::MainWindow(Document& document, AppState& state, AppSettings& settings, GuiPrompts& prompts,
                       QWidget* parent)
    : QMainWindow(parent), m_doc(document), m_state(state), m_settings(settings), m_prompts(prompts),
      m_view(new ChannelEditorView(document, state, prompts, this)),
      m_history(new EditHistory(document, this)), m_print(new PrintController(document, prompts, this)),
      m_lists(new ChannelListCommands(document, prompts, this)) {
    m_state.PrinterName = m_print->PrinterName();
    m_view->RefreshHeader();
    connect(m_print, &PrintController::PrinterNameChanged, this, [this](const QString& name) {
        m_state.PrinterName = name;
        m_view->RefreshHeader();
    });
    setCentralWidget(m_view);
    setMinimumSize(kMinWidth, kMinHeight);
    resize(std::max(state.Cx, kMinWidth), std::max(state.Cy, kMinHeight));
    setWindowIcon(style()->standardIcon(QStyle::SP_ComputerIcon));
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    m_history->AttachActions(m_actions.value(kUndo), m_actions.value(kRedo),
                             [this] { m_view->CommitOpenEdit(); });
    connect(m_history, &EditHistory::Restored, this, [this](const ChangePlace& where) {
        m_view->ShowPlace(where);
        UpdateCommandStates();
    });
    m_view->SetContextMenu(m_editMenu);
    m_doc.SetListener(this);
    m_prompts.SetOwner(this);
    connect(m_view, &ChannelEditorView::DocumentModified, this, &MainWindow::UpdateCommandStates);
    connect(m_lists, &ChannelListCommands::ChannelsChanged, this, &MainWindow::DocumentReloaded);
    connect(m_view, &ChannelEditorView::Explained, this,
            [this](const QString& text) { statusBar()->showMessage(text, kExplanationMs); });
    connect(m_view, &ChannelEditorView::FileDataRequested, this, [this] {
        RunFileData(m_doc, this);
        m_view->RefreshGrid(); // whatever the dialog's result
    });

    auto* f10 = new QShortcut(Qt::Key_F10, this);
    connect(f10, &QShortcut::activated, this, [this] {
        if (!menuBar()->actions().isEmpty()) menuBar()->setActiveAction(menuBar()->actions().first());
    });
    qApp->installEventFilter(this);
    UpdateCommandStates();
    TitleChanged();
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    m_doc.SetListener(nullptr);
}

QAction* MainWindow::AddCommand(QMenu* menu, int id, const QString& text, const QKeySequence& key) {
    auto* action = new QAction(text, this);
    action->setData(id);
    action->setStatusTip(CommandPrompt(id));
    if (!key.isEmpty()) action->setShortcut(key);
    if (menu) menu->addAction(action);
    m_actions.insert(id, action);
    return action;
}

void MainWindow::BuildMenus() {
    m_fileMenu = menuBar()->addMenu("&File");
    connect(AddCommand(m_fileMenu, kNew, "&New", QKeySequence("Ctrl+N")), &QAction::triggered, this,
            [this] { RunFileCommand(&Document::New); });
    connect(AddCommand(m_fileMenu, kOpen, "&Open...", QKeySequence("Ctrl+O")), &QAction::triggered, this,
            [this] { RunFileCommand(&Document::Open); });
    connect(AddCommand(m_fileMenu, kSave, "&Save", QKeySequence("Ctrl+S")), &QAction::triggered, this,
            [this] { RunFileCommand(&Document::Save); });
    connect(AddCommand(m_fileMenu, kSaveAs, "Save &As..."), &QAction::triggered, this,
            [this] { RunFileCommand(&Document::SaveAs); });
    connect(AddCommand(m_fileMenu, kCompare, "Co&mpare..."), &QAction::triggered, this,
            &MainWindow::OnCompare);
    m_fileMenu->addSeparator();
    connect(AddCommand(m_fileMenu, kImport, "&Import..."), &QAction::triggered, m_lists,
            &ChannelListCommands::Import);
    connect(AddCommand(m_fileMenu, kExport, "Expor&t..."), &QAction::triggered, m_lists,
            &ChannelListCommands::Export);
    m_fileMenu->addSeparator();
    connect(AddCommand(m_fileMenu, kPrint, "&Print...", QKeySequence("Ctrl+P")), &QAction::triggered, this,
            [this] { m_print->Print(); });
    connect(AddCommand(m_fileMenu, kPrintPreview, "Print Pre&view"), &QAction::triggered, this,
            [this] { m_print->PrintPreview(); });
    connect(AddCommand(m_fileMenu, kPrintSetup, "P&rint Setup..."), &QAction::triggered, this,
            [this] { m_print->PrintSetup(); });
    connect(AddCommand(m_fileMenu, kExportPdf, "&Export PDF..."), &QAction::triggered, this,
            [this] { m_print->ExportPdf(); });
    m_fileMenu->addSeparator();
    AddCommand(m_fileMenu, kConfigure, "&Configure");
    m_recentSeparator = m_fileMenu->addSeparator();
    connect(AddCommand(m_fileMenu, kExit, "E&xit"), &QAction::triggered, this, &QWidget::close);
    RebuildRecentFiles();

    m_editMenu = menuBar()->addMenu("&Edit");
    AddCommand(m_editMenu, kUndo, "&Undo", QKeySequence("Ctrl+Z"));
    QAction* redo = AddCommand(m_editMenu, kRedo, "&Redo");
    redo->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
    m_editMenu->addSeparator();
    QAction* copy = AddCommand(m_editMenu, kCopy, "&Copy");
    copy->setShortcuts({QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Insert")});
    connect(copy, &QAction::triggered, this, &MainWindow::OnCopy);
    QAction* paste = AddCommand(m_editMenu, kPaste, "&Paste");
    paste->setShortcuts({QKeySequence("Ctrl+V"), QKeySequence("Shift+Insert")});
    connect(paste, &QAction::triggered, this, &MainWindow::OnPaste);

    QMenu* view = menuBar()->addMenu("&View");
    m_toolBar = new QToolBar("Toolbar", this);
    m_toolBar->setObjectName("toolBar");
    QAction* toolbar = m_toolBar->toggleViewAction();
    toolbar->setText("&Toolbar");
    toolbar->setStatusTip(CommandPrompt(kToolbar));
    view->addAction(toolbar);
    m_actions.insert(kToolbar, toolbar);
    QAction* status = AddCommand(view, kStatusBar, "&Status Bar");
    status->setCheckable(true);
    status->setChecked(true);
    connect(status, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });
    QMenu* items = view->addMenu("&Item");
    connect(AddCommand(items, kVisible, "&Visible"), &QAction::triggered, this, &MainWindow::OnVisible);
    items->addSeparator();
    for (int i = 0; i < kColumnFlagCount; ++i) {
        QAction* item = AddCommand(items, kItemFirst + i, kItemTexts[i]);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] {
            m_view->ToggleColumn(i);
            UpdateCommandStates();
        });
    }

    QMenu* common = menuBar()->addMenu("&Common");
    // System changes what the grid shows and the bands: the view and the masks follow it.
    connect(AddCommand(common, kSystem, "&System"), &QAction::triggered, this, [this] {
        RunSystemParams(m_doc, m_state.PrivilegedMode == Privilege::Privileged, this);
        m_view->RefreshGrid();
        UpdateCommandStates();
    });
    connect(AddCommand(common, kCommon, "&Common"), &QAction::triggered, this,
            [this] { RunCommonSheet(m_doc, this); });
    connect(AddCommand(common, kVfo, "&VFO A/B"), &QAction::triggered, this,
            [this] { RunVfoSheet(m_doc, this); });
    AddCommand(menuBar()->addMenu("&Alignment"), kAlign, "&Align");
    QMenu* radio = menuBar()->addMenu("&Radio");
    AddCommand(radio, kUpload, "&Upload");
    AddCommand(radio, kDownload, "&Download");

    QMenu* help = menuBar()->addMenu("&Help");
    connect(AddCommand(help, kHelpTopics, "&Help Topics"), &QAction::triggered, this,
            [this] { ShowHelp(0); });
    help->addSeparator();
    connect(AddCommand(help, kGetStarted, "&Get Started"), &QAction::triggered, this,
            [this] { HelpDialog(HelpDialog::Topic::GetStarted, this).exec(); });
    connect(AddCommand(help, kCommonProblems, "&Common Problems"), &QAction::triggered, this,
            [this] { HelpDialog(HelpDialog::Topic::CommonProblems, this).exec(); });
    help->addSeparator();
    connect(AddCommand(help, kAbout, "&About ZT46..."), &QAction::triggered, this,
            [this] { AboutDialog(this, QString::fromStdString(m_doc.Paths().working)).exec(); });
}

void MainWindow::BuildToolBar() {
    QStyle* s = style();
    const auto button = [this, s](int id, QStyle::StandardPixmap icon, const QString& tip) {
        QAction* action = m_actions.value(id);
        if (!action) {
            action = AddCommand(nullptr, id, tip);
            if (id == kHelpFinder) connect(action, &QAction::triggered, this, [this] { ShowHelp(0); });
        }
        action->setIcon(s->standardIcon(icon));
        action->setToolTip(tip);
        m_toolBar->addAction(action);
    };
    button(kNew, QStyle::SP_FileIcon, "New");
    button(kOpen, QStyle::SP_DialogOpenButton, "Open");
    m_toolBar->addSeparator();
    button(kSave, QStyle::SP_DialogSaveButton, "Save");
    m_toolBar->addSeparator();
    button(kCopy, QStyle::SP_FileDialogDetailedView, "Copy");
    button(kPaste, QStyle::SP_FileDialogListView, "Paste");
    m_toolBar->addSeparator();
    button(kUndo, QStyle::SP_ArrowBack, "Undo");
    button(kRedo, QStyle::SP_ArrowForward, "Redo");
    m_toolBar->addSeparator();
    button(kPrint, QStyle::SP_FileDialogContentsView, "Print");
    m_toolBar->addSeparator();
    button(kDownloadButton, QStyle::SP_ArrowUp, "Download");
    button(kUploadButton, QStyle::SP_ArrowDown, "Upload");
    m_toolBar->addSeparator();
    button(kHelpFinder, QStyle::SP_MessageBoxQuestion, "Help Topics");
    m_toolBar->setIconSize(QSize(18, 18));
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void MainWindow::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    const QString idle = ToQString(StringById(IDS_IDLE_PROMPT));
    // The idle prompt comes back whenever a command's prompt goes away.
    connect(bar, &QStatusBar::messageChanged, this, [bar, idle](const QString& message) {
        if (message.isEmpty()) bar->showMessage(idle);
    });
    bar->showMessage(idle);
    for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel(indicator, bar);
        pane->setEnabled(false);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addPermanentWidget(pane);
    }
    m_clock = new QLabel("00:00", bar);
    m_clock->setObjectName("clockPane");
    m_clock->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_clock->setMinimumWidth(m_clock->fontMetrics().horizontalAdvance(" 00:00 "));
    bar->addPermanentWidget(m_clock);
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, [this] { m_clock->setText(ClockText(QTime::currentTime())); });
    m_timer->start(1000);
    m_clock->setText(ClockText(QTime::currentTime()));
}

QString MainWindow::ClockText(const QTime& time) {
    return QString::asprintf(" %i:%02i", time.hour(), time.minute());
}

QString MainWindow::TitleText() const {
    return QString::fromStdString(m_doc.CurrentFileName()) + " - " + AppTitle(m_state);
}

void MainWindow::TitleChanged() {
    // "[*]": where Qt puts the platform's modified mark.
    setWindowTitle(QString::fromStdString(m_doc.CurrentFileName()) + "[*] - " + AppTitle(m_state));
    ModifiedChanged();
}

void MainWindow::ModifiedChanged() {
    setWindowModified(m_doc.ImageModified());
}

void MainWindow::DocumentReloaded() {
    m_view->RefreshGrid();
    UpdateCommandStates();
}

void MainWindow::UpdateCommandStates() {
    const bool privileged = m_state.PrivilegedMode == Privilege::Privileged;
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const int id = it.key();
        if (id == kToolbar || id == kUndo || id == kRedo) continue; // the history enables these
        it.value()->setEnabled(MaskAllows(id, privileged));
    }
    for (int i = 0; i < kColumnFlagCount; ++i)
        m_actions.value(kItemFirst + i)->setChecked(m_state.ColumnVisible[static_cast<std::size_t>(i)] != 0);
}

void MainWindow::RunFileCommand(bool (Document::*command)()) {
    if ((m_doc.*command)()) RememberFile();
    UpdateCommandStates();
}

void MainWindow::RememberFile() {
    const std::string& name = m_doc.CurrentFileName();
    if (name.empty() || name == kNoFileName) return;
    m_state.RecentFiles = WithRecentFile(m_state.RecentFiles, QDir::cleanPath(QString::fromStdString(name)));
    m_settings.WriteRecentFiles(m_state.RecentFiles);
    RebuildRecentFiles();
}

void MainWindow::RebuildRecentFiles() {
    for (QAction* action : m_recentActions) {
        m_actions.remove(action->data().toInt());
        delete action;
    }
    m_recentActions.clear();
    QAction* before = m_recentSeparator;
    for (int i = 0; i < m_state.RecentFiles.size(); ++i) {
        const QString path = m_state.RecentFiles[i];
        auto* action = new QAction(QString("&%1 %2").arg(i + 1).arg(path), this);
        action->setData(kRecentFile1 + i);
        action->setStatusTip(CommandPrompt(kRecentFile1 + i));
        connect(action, &QAction::triggered, this, [this, path] { OnOpenRecent(path); });
        m_fileMenu->insertAction(before, action);
        m_recentActions << action;
        m_actions.insert(kRecentFile1 + i, action);
    }
    if (!m_recentActions.isEmpty()) {
        QAction* separator = new QAction(this);
        separator->setSeparator(true);
        separator->setData(-1);
        m_fileMenu->insertAction(before, separator);
        m_recentActions << separator;
    }
}

void MainWindow::OnOpenRecent(const QString& path) {
    if (m_doc.OpenPath(path.toStdString())) RememberFile();
    UpdateCommandStates();
}

void MainWindow::OnCopy() {
    QWidget* focus = QApplication::focusWidget();
    if (focus == m_view->Editor()) {
        m_view->Editor()->copy();
    } else if (focus == m_view->Grid()) {
        m_view->CopyCells();
    }
}

void MainWindow::OnPaste() {
    QWidget* focus = QApplication::focusWidget();
    if (focus == m_view->Editor()) {
        m_view->Editor()->FilteredPaste();
    } else if (focus == m_view->Grid()) {
        m_view->PasteCells();
        UpdateCommandStates();
    }
}

void MainWindow::OnVisible() {
    VisibleColumnsDialog dialog(m_state.ColumnVisible, this);
    if (dialog.exec() == QDialog::Accepted) {
        m_state.ColumnVisible = dialog.Flags();
        m_view->RefreshGrid();
    }
    // Whatever the dialog's result, the configuration file gets the flags.
    m_settings.WriteItems(m_state.ColumnVisible);
    UpdateCommandStates();
}

void MainWindow::OnCompare() {
    m_doc.ModelsToImage();
    const CompareDialog::Source file = [this]() -> std::optional<CompareDialog::Other> {
        const QString path = QFileDialog::getOpenFileName(QApplication::activeModalWidget(), "Compare",
                                                          QString(), "ZT46 Files(*.T46)");
        if (path.isEmpty()) return std::nullopt;
        const std::optional<CloneImage> image = ReadCloneAsLoaded(path.toStdString(), m_prompts);
        if (!image) return std::nullopt;
        return CompareDialog::Other{*image, QFileInfo(path).fileName()};
    };
    CompareDialog::Source radio;
    if (m_transfers) {
        radio = [this]() -> std::optional<CompareDialog::Other> {
            const std::optional<CloneImage> image = m_transfers->ReadRadioImage();
            if (!image) return std::nullopt;
            return CompareDialog::Other{AsLoaded(*image), "the radio"};
        };
    }
    CompareDialog dialog(AsLoaded(m_doc.Image()), m_compareFile ? m_compareFile : file, radio, this);
    dialog.exec();
}

void MainWindow::ShowHelp(int context) {
    if (!m_help) m_help = new HelpBrowser(this);
    m_help->ShowContext(context);
}

void MainWindow::BringToFront() {
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

void MainWindow::OpenFromOtherCopy(const QString& path) {
    BringToFront();
    m_pendingOpen = path;
    OpenPendingFile();
}

void MainWindow::OpenPendingFile() {
    if (m_pendingOpen.isEmpty()) return;
    // Never under an open dialog or a transfer: they work on the document as it is.
    if (QApplication::activeModalWidget() || m_doc.PrintingActive()) {
        QTimer::singleShot(kPendingOpenRetryMs, this, &MainWindow::OpenPendingFile);
        return;
    }
    OnOpenRecent(std::exchange(m_pendingOpen, QString()));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1) {
            if (event->type() == QEvent::ShortcutOverride) return false;
            if (key->modifiers() & Qt::ShiftModifier) return true; // Shift+F1 does nothing
            QWidget* window = QApplication::activeModalWidget();
            if (!window) window = QApplication::activeWindow();
            if (window && window != this && window != m_help) {
                // The focused control's topic, else that of the page or dialog around it.
                for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
                    if (w->property("helpContext").isValid() && (w == window || window->isAncestorOf(w))) {
                        ShowHelp(w->property("helpContext").toInt());
                        return true;
                    }
                }
                if (window->property("helpContext").isValid()) {
                    ShowHelp(window->property("helpContext").toInt());
                    return true;
                }
            }
            if (window == this || !window) {
                // The main window's topic is the grid's current column, wherever the focus is.
                ShowHelp(m_view->HelpContext());
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A declined or failed save keeps the window open, so nothing is lost without being asked.
    if (!m_doc.PrintingActive() && !m_doc.AskToSave()) {
        event->ignore();
        return;
    }
    m_timer->stop();
    m_settings.WritePort(m_state);
    m_settings.WriteWindowSize(isMaximized() || isFullScreen() ? frameGeometry().size() : size());
    m_settings.WriteItems(m_state.ColumnVisible);
    event->accept();
}

void MainWindow::AttachLink(PortHolder& ports) {
    m_transfers = new TransferController(m_doc, m_state, ports, m_prompts, this);
    connect(m_actions.value(kUpload), &QAction::triggered, m_transfers, &TransferController::Upload);
    connect(m_actions.value(kUploadButton), &QAction::triggered, m_transfers, &TransferController::Upload);
    connect(m_actions.value(kDownload), &QAction::triggered, m_transfers, &TransferController::Download);
    connect(m_actions.value(kDownloadButton), &QAction::triggered, m_transfers,
            &TransferController::Download);
    connect(m_actions.value(kConfigure), &QAction::triggered, m_transfers, &TransferController::Configure);
    connect(m_transfers, &TransferController::RunFinished, this, &MainWindow::DocumentReloaded);
    auto* align = new AlignmentCommand(m_doc, *m_transfers, ports, m_prompts, this);
    align->SetRefresh([this] { DocumentReloaded(); });
    connect(m_actions.value(kAlign), &QAction::triggered, align, &AlignmentCommand::Run);
    connect(m_transfers, &TransferController::PortChanged, m_view, &ChannelEditorView::RefreshHeader);
    connect(m_transfers, &TransferController::BackupWritten, this, [this](const QString& path) {
        statusBar()->showMessage("Backup of the radio's memory: " + QDir::toNativeSeparators(path));
    });
}

} // namespace zt46
