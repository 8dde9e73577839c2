#include "gui/GuiTestSupport.h"

#include <QPointer>
#include <QSettings>

namespace zt46::gui_test {
namespace {

QList<QPointer<QTimer>>& Waits() {
    static QList<QPointer<QTimer>> waits;
    return waits;
}

} // namespace

std::map<std::string, Factory>& Registry() {
    static std::map<std::string, Factory> registry;
    return registry;
}

AppFixture::~AppFixture() {
    Stop();
}

void AppFixture::SetIni(const QString& key, const QVariant& value) const {
    QSettings(Path("ZT46Win.ini"), QSettings::IniFormat).setValue(key, value);
}

QVariant AppFixture::Ini(const QString& key) const {
    return QSettings(Path("ZT46Win.ini"), QSettings::IniFormat).value(key);
}

QStringList AppFixture::Ini(const QStringList& keys) const {
    QStringList values;
    for (const QString& key : keys)
        values << Ini(key).toString();
    return values;
}

bool AppFixture::Start(const QStringList& args, Privilege grant) {
    const QString folder = QString::fromStdString(dir.Path().string());
    app = std::make_unique<Application>(folder, folder);
    app->SetPasswordCheck([this, grant](Privilege request) {
        passwordRequest = request;
        return request == Privilege::Privileged ? grant : Privilege::Normal;
    });
    app->Prompts().SetScript([this](const Prompt& prompt) { return prompts.Show(prompt); });
    if (!app->Start(args)) return false;
    startPrompts = prompts.shown;
    prompts.ids.clear();
    prompts.texts.clear();
    prompts.shown.clear();
    return QTest::qWaitForWindowActive(Frame());
}

void AppFixture::Stop() {
    DropModalWaits();
    if (app && Frame()) {
        Doc().SetModified(false);
        Frame()->close();
    }
    app.reset();
}

void AppFixture::Trigger(int command) const {
    Frame()->Action(command)->trigger();
}

void AppFixture::SetPort(const std::string& device, int portType) const {
    SetIni("Initialize/PORT_TYPE", portType);
    SetIni("Initialize/COM_PORT", 1);
    SetIni("Initialize/PORT_DEVICE", QString::fromStdString(device));
}

CloneImage AppFixture::Image() const {
    Doc().ModelsToImage();
    return Doc().Image();
}

QString AppFixture::Cell(int row, int column) const {
    return gui_test::Cell(Frame()->View(), row, column);
}

ChannelTableView* AppFixture::Select(int row, int column) const {
    return gui_test::Select(Frame()->View(), row, column);
}

QString Cell(const ChannelEditorView* view, int row, int column) {
    return view->Model()->index(row, column).data().toString();
}

ChannelTableView* Select(ChannelEditorView* view, int row, int column) {
    view->Grid()->setCurrentIndex(view->Model()->index(row, column));
    view->Grid()->setFocus();
    return view->Grid();
}

void Type(const QString& keys) {
    for (QChar c : keys)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

DocumentFixture::DocumentFixture() {
    Load(FactoryImage());
    for (int i = 0; i < 10; ++i)
        Entry(i).Masked = 0;
}

void WhenModalWidget(std::function<bool(QWidget*)> act) {
    auto* timer = new QTimer(qApp);
    Waits() << timer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, tries, act] {
        timer->stop(); // the action may run a nested event loop: no second turn meanwhile
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && !modal->isActiveWindow()) {
            QApplication::setActiveWindow(modal); // a dialog shares activation with its parent
        } else if (modal && act(modal)) {
            timer->deleteLater();
            return;
        }
        if (++*tries > 250) {
            timer->deleteLater();
            if (modal) modal->close();
            QTest::qFail("the expected dialog was not shown", __FILE__, __LINE__);
            return;
        }
        timer->start();
    });
    timer->start(20);
}

void DropModalWaits() {
    for (QTimer* timer : Waits())
        delete timer;
    Waits().clear();
}

void TypeAndReturn(QWidget* field, const QString& text) {
    field->setFocus();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

bool ShowActive(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

void ClickTab(PromptBarSheet* sheet, int index) {
    QTabBar* bar = sheet->Tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    QCOMPARE(sheet->ActiveIndex(), index);
}

void ChooseFile(QFileDialog* dialog, const QString& path) {
    dialog->setFocus(); // a file name is taken only while the name field has no focus
    dialog->selectFile(path);
    QMetaObject::invokeMethod(dialog, "accept");
}

void PickWithKeys(QComboBox* combo, int index) {
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Return); // opens the list
    QWidget* list = combo->view();
    const int from = combo->currentIndex() < 0 ? 0 : combo->currentIndex();
    if (combo->currentIndex() < 0) QTest::keyClick(list, Qt::Key_Home);
    for (int i = from; i < index; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    for (int i = from; i > index; --i)
        QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
}

} // namespace zt46::gui_test
