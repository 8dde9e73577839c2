// zt46win --user-data keeps its files in the user's data folder (made when missing) and the About box
// names it; without the switch nothing moves.

#include "gui/GuiTestSupport.h"
#include "gui/app/StartFolder.h"

namespace zt46 {

class UserDataFolderTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> temp;
    QString startDir, dataHome;

    QString DataFolder() const { return QDir(dataHome).filePath("zt46"); }
    // The program started as main() starts it on the folder ChooseStartFolder picks (message 80 answered:
    // no radio here), `act` run on it, and closed.
    void RunProgram(const QStringList& args, const std::function<void(Application&)>& act) {
        const StartFolder start = ChooseStartFolder(args, startDir);
        Application app(start.workingDir, startDir);
        app.SetPasswordCheck([](Privilege) { return Privilege::Normal; });
        app.Prompts().SetScript([](const Prompt&) { return Answer::Ok; });
        QVERIFY(app.Start(start.arguments, startDir));
        act(app);
        app.Doc().SetModified(false);
        app.Frame()->close();
    }

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

    void aDataFolderThatCannotBeMadeLeavesTheFilesWhereTheyWere() {
        QFile blocker(temp->filePath("xdg"));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where a folder must go: even root fails
        blocker.close();
        const StartFolder start = ChooseStartFolder({"--user-data"}, startDir);
        QCOMPARE(start.workingDir, startDir);
        QVERIFY(start.problem.contains(DataFolder()));
    }

    // A file named with --user-data is still found from the folder the program was started from.
    void aNamedFileIsFoundFromTheStartFolder() {
        const QString file = QDir(startDir).filePath("my radio.t46");
        test::WriteClone(file.toStdString(), FactoryImage());
        RunProgram({"--user-data", "my radio.t46"}, [&](Application& app) {
            QCOMPARE(QString::fromStdString(app.Doc().CurrentFileName()), file);
        });
    }

    // Settings and the default file land in the data folder, none in the start folder, and the About box
    // names it.
    void filesLandInTheDataFolderAndTheAboutBoxNamesIt() {
        QString about;
        RunProgram({"--user-data"}, [&about](Application& app) {
            gui_test::RunModal<QDialog>([&app] { app.Frame()->Action(cmd::kAbout)->trigger(); },
                                        [&about](QDialog* box) {
                                            if (auto* line = box->findChild<QLabel*>("dataFolderLine"))
                                                about = line->text();
                                        });
        });
        for (const char* name : {"ZT46Win.ini", "ZT46default.t46"}) {
            QVERIFY2(QFile::exists(QDir(DataFolder()).filePath(name)), name);
            QVERIFY2(!QFile::exists(QDir(startDir).filePath(name)), name);
        }
        QVERIFY2(about.contains(DataFolder()), qPrintable(about));
    }
};

} // namespace zt46

ZT46_GUI_TEST(UserDataFolderTest)
#include "UserDataFolderTest.moc"
