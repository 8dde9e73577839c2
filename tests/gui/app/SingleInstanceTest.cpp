// One copy per user: copies of the real program started from different folders, and the hand-over of a
// file from a second copy. The test runner gives this run its own instance key (ZT46_INSTANCE_KEY),
// which the copies it starts inherit.

#include <QLocalSocket>
#include <QProcess>

#include "gui/GuiTestSupport.h"
#include "gui/app/SingleInstance.h"

namespace zt46 {

class SingleInstanceTest : public QObject {
    Q_OBJECT

    static void StartIn(QProcess& process, const QString& dir, const QStringList& args = {}) {
        process.setWorkingDirectory(dir);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_DATA_HOME", dir); // --user-data stays in the test's folder
        process.setProcessEnvironment(env);
        process.start(ZT46WIN_PATH, args);
        QVERIFY(process.waitForStarted());
    }
    static bool Answers(const QString& server) {
        QLocalSocket socket;
        socket.connectToServer(server);
        return socket.waitForConnected(200);
    }

private slots:
    void secondCopyFromAnotherFolderIsRefusedAndStaleLockTakenOver() {
        QTemporaryDir one, two;
        const QString server = SingleInstance().ServerName();
        QProcess first;
        StartIn(first, one.path());
        QTRY_VERIFY_WITH_TIMEOUT(Answers(server), 20000);

        QProcess second;
        StartIn(second, two.path());
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        QVERIFY(!QFile::exists(QDir(two.path()).filePath("ZT46Win.ini"))); // it never started

        // A copy that died leaves its lock behind; the next copy takes it over and runs.
        first.kill();
        first.waitForFinished();
        QProcess third;
        StartIn(third, two.path());
        QTRY_VERIFY_WITH_TIMEOUT(Answers(server), 20000);
        QCOMPARE(third.state(), QProcess::Running);
        third.kill();
        third.waitForFinished();
    }

    // The running copy hears what a second copy was started for: a file named relative to the second
    // copy's folder arrives as an absolute path; nothing named is a request to come to the front.
    void secondCopyHandsOverItsFile() {
        SingleInstance running;
        QVERIFY(running.Acquire());
        QSignalSpy opened(&running, &SingleInstance::OpenRequested);
        QSignalSpy raised(&running, &SingleInstance::RaiseRequested);
        QTemporaryDir start;
        QProcess second;
        StartIn(second, start.path(), {"--user-data", "my radio #1.t46"});
        QTRY_COMPARE_WITH_TIMEOUT(opened.count(), 1, 20000);
        QCOMPARE(opened.at(0).at(0).toString(), QDir(start.path()).filePath("my radio #1.t46"));
        QVERIFY(second.state() == QProcess::NotRunning || second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);

        SingleInstance another;
        QVERIFY(!another.Acquire());
        QTRY_COMPARE(raised.count(), 1);
        QCOMPARE(opened.count(), 1);
    }
};

} // namespace zt46

ZT46_GUI_TEST(SingleInstanceTest)
#include "SingleInstanceTest.moc"
