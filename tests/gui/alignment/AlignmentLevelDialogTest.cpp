// The slider value editor over a scripted radio: which levels are sent, in what order, and what the
// editor keeps when the radio accepts or refuses them.

#include <deque>

#include "gui/GuiTestSupport.h"
#include "gui/alignment/AlignmentLevelDialog.h"

namespace zt46 {

class AlignmentLevelDialogTest : public QObject {
    Q_OBJECT

    // The levels sent; each is answered only when the test says so (or at once), as a radio on a
    // worker thread would.
    QList<int> sent;
    std::deque<std::function<void(bool)>> unanswered;
    bool answerAtOnce = true;
    bool accept = true;
    std::unique_ptr<AlignmentLevelDialog> dlg;

    void Open(int value) {
        dlg = std::make_unique<AlignmentLevelDialog>(
            value, [this](int level, std::function<void(bool)> answer) {
                sent << level;
                answerAtOnce ? answer(accept) : unanswered.push_back(std::move(answer));
            });
        dlg->show();
        QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
    }
    void AnswerNext(bool accepted) {
        QVERIFY(!unanswered.empty());
        auto answer = std::move(unanswered.front());
        unanswered.pop_front();
        answer(accepted);
    }

private slots:
    void init() {
        sent.clear();
        unanswered.clear();
        answerAtOnce = true;
        accept = true;
    }
    void cleanup() { dlg.reset(); }

    void eachLevelIsAnsweredBeforeTheNextIsSent() {
        answerAtOnce = false;
        Open(10);
        dlg->Slider()->setValue(20);
        dlg->Slider()->setValue(30); // passed while 20 is on its way: skipped
        dlg->Slider()->setValue(40);
        QCOMPARE(sent, QList<int>{20});
        AnswerNext(false); // 20 refused: back to 10, then the latest position goes out
        QCOMPARE(sent, (QList<int>{20, 40}));
        QCOMPARE(dlg->Slider()->value(), 10);
        QCOMPARE(dlg->Edit()->text().trimmed(), QString("10"));
        AnswerNext(true);
        QCOMPARE(dlg->Value(), 40);
        QCOMPARE(dlg->Slider()->value(), 40);
        QVERIFY(unanswered.empty());
    }

    void arrowKeysStepTheLevelWithinItsRange_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("sends");
        QTest::newRow("right") << 7 << int(Qt::Key_Right) << 8 << true;
        QTest::newRow("left") << 7 << int(Qt::Key_Left) << 6 << true;
        QTest::newRow("right at 255") << 255 << int(Qt::Key_Right) << 255 << false;
        QTest::newRow("left at 0") << 0 << int(Qt::Key_Left) << 0 << false;
    }
    void arrowKeysStepTheLevelWithinItsRange() {
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, expected);
        QFETCH(bool, sends);
        accept = false; // keyboard levels are taken whatever the radio says
        Open(start);
        QTest::keyClick(dlg->Edit(), Qt::Key(key));
        QCOMPARE(dlg->Value(), expected);
        QCOMPARE(dlg->Slider()->value(), expected);
        QCOMPARE(sent, sends ? QList<int>{expected} : QList<int>{});
    }

    // A typed level is taken (clamped to 255) by Return, which leaves the editor open until the next
    // Return, or by leaving the field for OK.
    void aTypedLevelIsTaken_data() {
        QTest::addColumn<bool>("byReturn");
        QTest::addColumn<int>("taken");
        QTest::newRow("Return, then Return") << true << 255;
        QTest::newRow("OK clicked") << false << 42;
    }
    void aTypedLevelIsTaken() {
        QFETCH(bool, byReturn);
        QFETCH(int, taken);
        Open(5);
        QTest::keyClicks(dlg->Edit(), byReturn ? "300" : "42");
        if (byReturn) {
            QTest::keyClick(dlg->Edit(), Qt::Key_Return);
            QVERIFY(dlg->isVisible());
            QCOMPARE(dlg->Edit()->text(), QString("255"));
            QTest::keyClick(dlg->Edit(), Qt::Key_Return);
        } else {
            QTest::mouseClick(dlg->OkButton(), Qt::LeftButton);
        }
        QCOMPARE(sent, QList<int>{taken});
        QCOMPARE(dlg->result(), int(QDialog::Accepted));
        QCOMPARE(dlg->Value(), taken);
    }
};

} // namespace zt46

ZT46_GUI_TEST(AlignmentLevelDialogTest)
#include "AlignmentLevelDialogTest.moc"
