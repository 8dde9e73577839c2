// Two copies of the real program in one working folder.

#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>

#include "gui/GuiTestSupport.h"
#include "gui/app/SingleInstance.h"

namespace zt46 {

class SingleInstanceTest : public QObject {
    Q_OBJECT

    static void StartIn(QProcess& process, const QString& dir) {
        process.setWorkingDirectory(dir);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        process.start(ZT46WIN_PATH, {});
        QVERIFY(process.waitForStarted());
    }
    static bool Answers(const QString& server) {
        QLocalSocket socket;
        socket.connectToServer(server);
        return socket.waitForConnected(200);
    }

private slots:
    void secondCopyIsRefusedAndStaleLockTakenOver() {
        QTemporaryDir dir;
        const QString server = SingleInstance(dir.path()).ServerName();
        QProcess first;
        StartIn(first, dir.path());
        QTRY_VERIFY_WITH_TIMEOUT(Answers(server), 20000);

        QProcess second;
        StartIn(second, dir.path());
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        // A copy that died leaves its lock behind; the next copy takes it over and runs.
        first.kill();
        first.waitForFinished();
        QProcess third;
        StartIn(third, dir.path());
        QTRY_VERIFY_WITH_TIMEOUT(Answers(server), 20000);
        QCOMPARE(third.state(), QProcess::Running);
        third.kill();
        third.waitForFinished();
    }

    void raiseRequestReachesTheFirstCopy() {
        QTemporaryDir dir;
        SingleInstance first(dir.path());
        QVERIFY(first.Acquire());
        int raised = 0;
        connect(&first, &SingleInstance::RaiseRequested, this, [&raised] { ++raised; });
        QLocalSocket socket;
        socket.connectToServer(first.ServerName());
        QVERIFY(socket.waitForConnected(1000));
        socket.write("raise\n");
        socket.flush();
        QTRY_COMPARE(raised, 1);
    }
};

} // namespace zt46

ZT46_GUI_TEST(SingleInstanceTest)
#include "SingleInstanceTest.moc"
