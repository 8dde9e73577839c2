// zt46win --user-data keeps its files in the user's data folder (made when missing) and the About box
// names it; without the switch nothing moves. The port message at start-up is the one zt46 prints.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <clocale>

#include "core/document/FactoryImage.h"
#include "core/util/Messages.h"
#include "core/util/PortProblems.h"
#include "core/util/Version.h"
#include "gui/GuiTestSupport.h"
#include "gui/app/AppState.h"
#include "gui/app/Application.h"
#include "gui/app/CommandIds.h"
#include "gui/app/GuiPrompts.h"
#include "gui/app/HelpDialog.h"
#include "gui/app/MainWindow.h"
#include "gui/app/StartFolder.h"
#include "gui/link/PortHolder.h"

namespace zt46 {

class UserDataFolderTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> temp;
    QString startDir, dataHome;

    QString DataFolder() const { return QDir(dataHome).filePath("zt46"); }

private slots:
    void init() {
        temp = std::make_unique<QTemporaryDir>();
        startDir = temp->filePath("start");
        dataHome = temp->filePath("xdg/data"); // neither it nor its parent exists yet
        QVERIFY(QDir().mkpath(startDir));
        qputenv("XDG_DATA_HOME", dataHome.toLocal8Bit());
    }
    void cleanup() { qunsetenv("XDG_DATA_HOME"); }

    void switchChoosesTheFolderAndKeepsTheRest_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("inDataFolder");
        QTest::addColumn<QStringList>("rest");
        QTest::addRow("none") << QStringList{} << false << QStringList{};
        QTest::addRow("file only") << QStringList{"a.t46"} << false << QStringList{"a.t46"};
        QTest::addRow("switch only") << QStringList{"--user-data"} << true << QStringList{};
        QTest::addRow("switch, file")
            << QStringList{"--user-data", "my radio.t46"} << true << QStringList{"my radio.t46"};
        QTest::addRow("service mode keeps its switch")
            << QStringList{"-m", "--user-data"} << true << QStringList{"-m"};
    }
    void switchChoosesTheFolderAndKeepsTheRest() {
        QFETCH(QStringList, args);
        QFETCH(bool, inDataFolder);
        QFETCH(QStringList, rest);
        const StartFolder start = ChooseStartFolder(args, startDir);
        QCOMPARE(start.workingDir, inDataFolder ? DataFolder() : startDir);
        QCOMPARE(start.arguments, rest);
        QVERIFY(start.problem.isEmpty());
        QCOMPARE(QFileInfo(DataFolder()).isDir(), inDataFolder);
    }

    // A file named with --user-data is still found from the folder the program was started from.
    void aNamedFileIsFoundFromTheStartFolder() {
        const QString file = QDir(startDir).filePath("my radio.t46");
        test::WriteClone(file.toStdString(), FactoryImage());
        const StartFolder start = ChooseStartFolder({"--user-data", "my radio.t46"}, startDir);
        Application app(start.workingDir, startDir);
        app.SetPasswordCheck([](Privilege) { return Privilege::Normal; });
        app.Prompts().SetScript([](const Prompt&) { return Answer::Ok; }); // message 80: no radio here
        QVERIFY(app.Start(start.arguments, startDir));
        QCOMPARE(QString::fromStdString(app.Doc().CurrentFileName()), file);
        app.Frame()->close();
    }

    void aDataFolderThatCannotBeMadeLeavesTheFilesWhereTheyWere() {
        QFile blocker(temp->filePath("xdg"));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where a folder must go: even root fails
        blocker.close();
        const StartFolder start = ChooseStartFolder({"--user-data"}, startDir);
        QCOMPARE(start.workingDir, startDir);
        QVERIFY(start.problem.contains(DataFolder()));
    }

    // The program's start-up on the chosen folder: settings, default file and backups all land in the
    // data folder, none in the folder it was started from, and the About box names it.
    void filesLandInTheDataFolderAndTheAboutBoxNamesIt() {
        const StartFolder start = ChooseStartFolder({"--user-data"}, startDir);
        QString about;
        {
            Application app(start.workingDir, startDir);
            app.SetPasswordCheck([](Privilege) { return Privilege::Normal; });
            app.Prompts().SetScript([](const Prompt&) { return Answer::Ok; }); // message 80: no radio here
            QVERIFY(app.Start(start.arguments));
            QTimer::singleShot(0, [&about] {
                QWidget* box = QApplication::activeModalWidget();
                if (!box) return;
                if (auto* line = box->findChild<QLabel*>("dataFolderLine")) about = line->text();
                if (auto* line = box->findChild<QLabel*>("programVersionLine")) about += "|" + line->text();
                qobject_cast<QDialog*>(box)->accept();
            });
            app.Frame()->Action(cmd::kAbout)->trigger();
            app.Doc().SetModified(false);
            app.Frame()->close();
        }
        for (const char* name : {"ZT46Win.ini", "ZT46default.t46"}) {
            QVERIFY2(QFile::exists(QDir(DataFolder()).filePath(name)), name);
            QVERIFY2(!QFile::exists(QDir(startDir).filePath(name)), name);
        }
        QVERIFY2(about.contains(DataFolder()), qPrintable(about));
        QVERIFY2(about.endsWith(QString("|Version %1").arg(kProgramVersion)), qPrintable(about));
        QCOMPARE(AboutDialog::VersionLine(), QString("ZT46 Ver1.00w")); // the radio software's own line
    }

    // The desktop program's start-up message for a missing device is the text zt46 prints.
    void startUpPortMessageSaysWhy() {
        AppState state;
        state.PortType = PortKind::Cable;
        state.PortDevice = temp->filePath("no-such-tty");
        GuiPrompts prompts;
        QList<Prompt> shown;
        prompts.SetScript([&shown](const Prompt& p) {
            shown << p;
            return Answer::Ok;
        });
        PortHolder ports(state, prompts);
        QVERIFY(!ports.OpenAtStartUp());
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].id, IDS_COMM_PORT_ERROR);
        PortProblemFacts facts;
        facts.problem = PortProblem::NotFound;
        facts.device = state.PortDevice.toStdString();
        QCOMPARE(shown[0].text, PortProblemText(facts));
    }
};

} // namespace zt46

ZT46_GUI_TEST(UserDataFolderTest)
#include "UserDataFolderTest.moc"
