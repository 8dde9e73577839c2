// File > Compare's dialog: a source is asked only when its button is pressed, and the lines and the
// summary are the core's comparison of the document with what the source gave.

#include "gui/document/CompareDialog.h"
#include "core/document/ImageCompare.h"
#include "gui/GuiTestSupport.h"

namespace zt46 {

class CompareDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheLinesOfTheSourceAskedFor() {
        const CloneImage document = AsLoaded(FactoryImage());
        CloneImage file = document;
        file[3900] ^= 0x01;
        int asked = 0;
        std::optional<CompareDialog::Other> answer = CompareDialog::Other{file, "other.t46"};
        CompareDialog dialog(document,
                             [&]() {
                                 ++asked;
                                 return answer;
                             },
                             {});
        QVERIFY(!dialog.RadioButton()->isEnabled()); // no radio to read
        QCOMPARE(asked, 0);

        dialog.FileButton()->click();
        QCOMPARE(asked, 1);
        QCOMPARE(dialog.Heading()->text(), QString::fromUtf8("The document → other.t46"));
        QCOMPARE(dialog.Lines()->toPlainText(), QString::fromUtf8("Byte 3900 (not interpreted): FF → FE"));
        QCOMPARE(dialog.Summary()->text(), QString("1 difference."));
        QVERIFY(dialog.Lines()->isReadOnly());

        // Cancelled (or refused) this time: what is shown stays.
        answer.reset();
        dialog.FileButton()->click();
        QCOMPARE(dialog.Summary()->text(), QString("1 difference."));

        answer = CompareDialog::Other{document, "same.t46"};
        dialog.FileButton()->click();
        QCOMPARE(dialog.Lines()->toPlainText(), QString());
        QCOMPARE(dialog.Summary()->text(), QString("No differences."));
    }
};

} // namespace zt46

ZT46_GUI_TEST(CompareDialogTest)
#include "CompareDialogTest.moc"
