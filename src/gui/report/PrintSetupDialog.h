#pragma once
// File > Print Setup...: which printer the report goes to, and its paper (the page setup dialog
// behind "Properties..."). Nothing is printed. Cancel leaves the printer as it was.

#include <QDialog>
#include <QPageLayout>
#include <QPrinter>
#include <QString>

class QComboBox;
class QLabel;

namespace zt46 {

class PrintSetupDialog : public QDialog {
    Q_OBJECT
public:
    PrintSetupDialog(QPrinter& printer, QWidget* parent = nullptr);

    void reject() override;

private:
    void ChoosePrinter(int index);
    void EditPage();
    void ShowPaper();

    QPrinter& m_printer;
    // What Cancel puts back.
    QString m_oldName;
    QPrinter::OutputFormat m_oldFormat;
    QString m_oldFile;
    QPageLayout m_oldLayout;
    QComboBox* m_printers;
    QLabel* m_paper;
};

} // namespace zt46
