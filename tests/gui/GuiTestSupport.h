#pragma once
// What every widget suite shares: the registry the one test runner reads, the program started in a
// temporary working folder, and ways to act on modal dialogs and on lists with keys. The Qt headers and
// the program's headers most suites need come with it.

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStatusBar>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVariant>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "core/document/FactoryImage.h"
#include "core/util/Messages.h"
#include "gui/app/AppState.h"
#include "gui/app/Application.h"
#include "gui/app/CommandIds.h"
#include "gui/app/MainWindow.h"
#include "gui/controls/EnterComboBox.h"
#include "gui/controls/FilterConfirmEdit.h"
#include "gui/controls/FilterEdit.h"
#include "gui/controls/PromptBarSheet.h"
#include "gui/editor/ChannelEditorView.h"
#include "gui/editor/ChannelTableModel.h"
#include "gui/editor/ChannelTableView.h"
#include "support/TestSupport.h"

namespace zt46::gui_test {

using Factory = std::function<std::unique_ptr<QObject>()>;
std::map<std::string, Factory>& Registry();

struct Registration {
    Registration(const char* name, Factory factory) { Registry()[name] = std::move(factory); }
};

// The desktop program as main() starts it, in a temporary working folder, its prompts answered and
// recorded by the test double (what start-up reported is kept apart, in startPrompts).
class AppFixture {
public:
    ~AppFixture();
    // A ZT46Win.ini value, written before Start.
    void SetIni(const QString& key, const QVariant& value) const;
    QVariant Ini(const QString& key) const;
    QStringList Ini(const QStringList& keys) const;
    // Starts the program; the password check gives `grant` to a request for privileged mode.
    bool Start(const QStringList& args = {}, Privilege grant = Privilege::Privileged);
    // Leaves without asking: unsaved changes are dropped and the window closed.
    void Stop();
    QString Path(const QString& name) const { return QString::fromStdString(dir.File(name.toStdString())); }
    MainWindow* Frame() const { return app->Frame(); }
    Document& Doc() const { return app->Doc(); }
    void Trigger(int command) const;
    // ZT46Win.ini naming the radio's device, on the cable (0) or the interface unit (1), COM 1.
    void SetPort(const std::string& device, int portType = 0) const;
    // The document's image with the models written back.
    CloneImage Image() const;
    QString Cell(int row, int column) const;
    ChannelTableView* Select(int row, int column) const;

    test::TempDir dir;
    test::RecordingPrompts prompts;
    std::vector<Prompt> startPrompts;
    std::optional<Privilege> passwordRequest;
    std::unique_ptr<Application> app;
};

// A document over the factory image with MR 1..10 in use, as the main window hands it to a view.
struct DocumentFixture : test::DocFixture {
    AppState state;
    DocumentFixture();
    ChannelEntry& Entry(int index) { return doc.Channels().Entry(index); }
};

// Runs `act` on the modal widget once one is up and has the keyboard, until `act` says it acted. The
// code under test sits in the dialog's exec() meanwhile. After 5 s the test fails and whatever is modal
// is closed, so a failure never hangs the run.
void WhenModalWidget(std::function<bool(QWidget*)> act);
// Drops the waits whose dialog never came (from cleanup(): they must not act in the next test).
void DropModalWaits();

// Runs fn on the modal dialog of type T once it is up, active and `ready` says so.
template <typename T> void WhenModal(std::function<void(T*)> fn, std::function<bool(T*)> ready = nullptr) {
    WhenModalWidget([fn, ready](QWidget* widget) {
        T* dialog = qobject_cast<T*>(widget);
        if (!dialog || (ready && !ready(dialog))) return false;
        fn(dialog);
        return true;
    });
}

// Runs `act`, which opens a modal T, and `fn` on that dialog once `ready` says so, closing it if `fn` left
// it open (a failed check never hangs the run); whether `fn` ran.
template <typename T>
bool RunModal(const std::function<void()>& act, std::function<void(T*)> fn,
              std::function<bool(T*)> ready = nullptr) {
    bool ran = false;
    WhenModal<T>(
        [&ran, fn](T* dialog) {
            ran = true;
            fn(dialog);
            if (dialog->isVisible()) dialog->close();
        },
        ready);
    act();
    return ran;
}

// The grid's cell as shown, and a cell made current with the focus on the grid.
QString Cell(const ChannelEditorView* view, int row, int column);
ChannelTableView* Select(ChannelEditorView* view, int row, int column);
// Each key to the widget that has the focus, as typing does.
void Type(const QString& keys);
// Text typed into a field given the focus, and Return.
void TypeAndReturn(QWidget* field, const QString& text);
// Shows a window and waits until it has the keyboard.
bool ShowActive(QWidget* window);
// A click on a property sheet's tab, as the user does; the sheet then shows that page.
void ClickTab(PromptBarSheet* sheet, int index);
// Takes `path` in a file dialog, as a user choosing the file and pressing OK.
void ChooseFile(QFileDialog* dialog, const QString& path);
// Opens a list with Return, moves to an item with the arrow keys and takes it with Return.
void PickWithKeys(QComboBox* combo, int index);

} // namespace zt46::gui_test

#define ZT46_GUI_TEST(Class)                                                                                 \
    static zt46::gui_test::Registration register##Class(#Class,                                              \
                                                        [] { return std::make_unique<zt46::Class>(); });
