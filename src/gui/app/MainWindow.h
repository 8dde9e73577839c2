#pragma once
// The main window: menus, toolbar, status bar with prompts and clock, the title, and the commands that
// are not the view's own. File commands go to the core document flows; editing commands to the view.

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include "core/document/Document.h"
#include "gui/app/HelpBrowser.h"
#include "gui/document/CompareDialog.h"

class QLabel;
class QMenu;
class QTimer;

namespace zt46 {

struct AppState;
class PrintController;
class AppSettings;
class ChannelEditorView;
class ChannelListCommands;
class EditHistory;
class GuiPrompts;
class PortHolder;
class TransferController;

class MainWindow : public QMainWindow, public DocumentListener {
    Q_OBJECT
public:
    MainWindow(Document& document, AppState& state, AppSettings& settings, GuiPrompts& prompts,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    ChannelEditorView* View() const { return m_view; }
    QAction* Action(int id) const { return m_actions.value(id); }
    HelpBrowser* Help() const { return m_help; }
    // "<file> - ZT46Win for KSR-410" (with "(M)" in privileged mode). The window title carries the
    // platform's modified mark after the file name while the document is modified.
    QString TitleText() const;
    // " %i:%02i" of the time.
    static QString ClockText(const QTime& time);

    // Enabling of every command after the mode and what is built.
    void UpdateCommandStates();
    // A second copy asked this one to come to the front (or its open modal dialog).
    void BringToFront();
    // A second copy was started for a file: this one comes to the front and opens it as File > Open
    // does, once no dialog is open any more.
    void OpenFromOtherCopy(const QString& path);
    // Opens the built-in help at a context (0: contents).
    void ShowHelp(int context);

    // Upload, Download and Configure over the program's serial port.
    void AttachLink(PortHolder& ports);
    TransferController* Transfers() const { return m_transfers; }
    EditHistory* History() const { return m_history; }

    void DocumentReloaded() override;
    void TitleChanged() override;
    void ModifiedChanged() override;

    PrintController* Printing() const { return m_print; }
    ChannelListCommands* Lists() const { return m_lists; }
    // File > Compare asks this for the clone file instead of a file dialog (tests).
    void SetCompareFileSource(std::function<std::optional<CompareDialog::Other>()> source) {
        m_compareFile = std::move(source);
    }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* AddCommand(QMenu* menu, int id, const QString& text, const QKeySequence& key = {});
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void RebuildRecentFiles();
    void RememberFile();
    void OnCopy();
    void OnPaste();
    void OnVisible();
    void OnOpenRecent(const QString& path);
    void OnCompare();
    void OpenPendingFile();
    void RunFileCommand(bool (Document::*command)());

    Document& m_doc;
    AppState& m_state;
    AppSettings& m_settings;
    GuiPrompts& m_prompts;
    ChannelEditorView* m_view;
    EditHistory* m_history;
    QHash<int, QAction*> m_actions;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QAction* m_recentSeparator = nullptr;
    QList<QAction*> m_recentActions;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_clock = nullptr;
    QTimer* m_timer = nullptr;
    QPointer<HelpBrowser> m_help;
    QString m_pendingOpen; // handed over by a second copy, opened once no dialog is open
    TransferController* m_transfers = nullptr;
    PrintController* m_print = nullptr;
    ChannelListCommands* m_lists = nullptr;
    std::function<std::optional<CompareDialog::Other>()> m_compareFile;
};

} // namespace zt46
