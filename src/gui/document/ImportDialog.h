#pragma once
// The dialog of File > Import...: the import's options and the preview of what it would do. Each change
// of an option reads the list again (format, airports) or plans it again (group, first channel, replace,
// the list's own channels); the table always shows the plan OK hands back. The dialog changes nothing:
// its caller applies Plan() after OK.

#include <QDialog>
#include <optional>
#include <string>

#include "exchange/ChannelList.h"
#include "exchange/ImportPlan.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;
class QTimer;

namespace zt46 {

class Document;
class ImportPreviewModel;

class ImportDialog : public QDialog {
    Q_OBJECT
public:
    // The list's bytes as read from the file; the document is only read.
    ImportDialog(const Document& document, std::string listBytes, const QString& listName,
                 QWidget* parent = nullptr);

    // The plan the table shows; nullptr while the list cannot be read with the options chosen.
    const ImportPlan* Plan() const { return m_plan ? &*m_plan : nullptr; }
    // What is wrong with the list under the options chosen; empty when it was read.
    QString ErrorText() const { return m_error; }

    QComboBox* FormatBox() const { return m_format; }
    QLineEdit* AirportsEdit() const { return m_airports; }
    QComboBox* GroupBox() const { return m_group; }
    QSpinBox* FromBox() const { return m_from; }
    QCheckBox* ListedSlotsBox() const { return m_listedSlots; }
    QCheckBox* ReplaceBox() const { return m_replace; }
    QTableView* Table() const { return m_table; }
    QLabel* Summary() const { return m_summary; }
    QPushButton* OkButton() const { return m_ok; }

public slots:
    // OK: closes with the plan shown. Airports typed but not yet planned are planned and shown first,
    // so OK never applies rows the table did not show.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ReadList();
    void PlanRows();
    void ShowResult();
    ListReadOptions ReadOptions() const;
    ImportPlacement Placement() const;

    const Document& m_doc;
    std::string m_bytes;
    std::optional<ChannelList> m_list;
    std::optional<ImportPlan> m_plan;
    QString m_error;
    bool m_airportList = false; // the list read (or refused) as an airport list

    QComboBox* m_format;
    QLabel* m_airportsLabel;
    QLineEdit* m_airports;
    QComboBox* m_group;
    QSpinBox* m_from;
    QCheckBox* m_listedSlots;
    QCheckBox* m_replace;
    QTableView* m_table;
    ImportPreviewModel* m_model;
    QLabel* m_summary;
    QPushButton* m_ok;
    QTimer* m_airportsTyped; // the airports are read again once typing pauses
};

} // namespace zt46
