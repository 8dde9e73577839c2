#include "gui/app/HelpDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/util/Messages.h"
#include "core/util/Version.h"
#include "gui/app/CommandIds.h"

namespace zt46 {
namespace {

constexpr char kGetStarted[] = "   GET STARTED\n"
                               "\n"
                               "(1) Welcome to the ZT46 programming software for the Norvalen KSR-410\n"
                               "    portable transceiver. Read the Help texts to learn about the radio's\n"
                               "    features and how this program sets them.\n"
                               "\n"
                               "(2) Review the software configuration under File - Configure: the COM\n"
                               "    port of the programming cable and the printer.\n"
                               "\n"
                               "(3) Connect the PW-17 two-piece cable between the computer's 9-pin COM\n"
                               "    port and the radio's MIC/SP jack. Choose \"Radio\", then \"Upload\",\n"
                               "    follow the instructions on the screen and wait until the upload is\n"
                               "    completed.\n";

constexpr char kCommonProblems[] =
    "   PROGRAMMING PROBLEMS\n"
    "\n"
    "Most programming problems are communication problems between the\n"
    "software and the radio. Check the points below in this order.\n"
    "\n"
    "Operating system: use a supported system version with its current\n"
    "updates; older systems may lack the serial drivers the program needs.\n"
    "\n"
    "Software conflicts: other drivers or resident programs (modem, fax,\n"
    "synchronisation or terminal software) may hold the same COM port.\n"
    "Close them, or restart with only the operating system and the ZT46\n"
    "software running.\n"
    "\n"
    "Cable: use only the PW-17 cable with the PW-83 adapter cable, plugged\n"
    "directly into a 9-pin COM port or a USB serial adapter.\n"
    "    A 25-pin port needs a 9-to-25 pin serial adapter, not a \"null\n"
    "    modem\" adapter. Extension cables and switch boxes between the cable\n"
    "    and the port may cause trouble. Use both pieces of the cable.\n"
    "    The 3-contact plug of the main cable fits the radio's jack but does\n"
    "    not program it: attach the short pigtail adapter and insert its\n"
    "    four-contact plug into the jack.\n"
    "\n"
    "Power: the data signal level and the radio's memory write voltage\n"
    "depend on the batteries. A weak laptop battery or a nearly discharged\n"
    "radio battery can prevent programming; charge or replace it.\n";

} // namespace

QString HelpDialog::TopicText(Topic topic) {
    return QString::fromLatin1(topic == Topic::CommonProblems ? kCommonProblems : kGetStarted);
}

HelpDialog::HelpDialog(Topic topic, QWidget* parent) : QDialog(parent), m_text(new QPlainTextEdit(this)) {
    setWindowTitle(topic == Topic::CommonProblems ? "Common Problems" : "Get Started");
    setProperty("helpContext",
                cmd::HelpOfCommand(topic == Topic::CommonProblems ? cmd::kCommonProblems : cmd::kGetStarted));
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_text->setFont(fixed);
    m_text->setReadOnly(true);
    m_text->setPlainText(TopicText(topic));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok, Qt::Vertical, this);
    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addWidget(ok, 0, Qt::AlignTop);
    const int charWidth = QFontMetrics(fixed).horizontalAdvance('M');
    resize(charWidth * 76 + 120, 420);
}

QString AboutDialog::VersionLine() {
    return QString::fromStdString(FormatString(IDS_VERSION_LINE, StringById(IDS_VERSION_NUMBER)));
}

QString AboutDialog::ProgramVersionLine() {
    return QString("Version %1").arg(kProgramVersion);
}

AboutDialog::AboutDialog(QWidget* parent, const QString& dataFolder) : QDialog(parent) {
    setWindowTitle("About");
    setProperty("helpContext", cmd::kHelpContents);
    const QFont base = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const auto label = [this, &base](const QString& text, int points, const char* name) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setAlignment(Qt::AlignCenter);
        QFont f = base;
        if (points > 0) f.setPointSize(points);
        l->setFont(f);
        return l;
    };
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label(VersionLine(), 24, "versionLine"));
    layout->addWidget(label(ProgramVersionLine(), 0, "programVersionLine"));
    layout->addWidget(label("KSR-410 Programming Software", 10, "productLine"));
    layout->addWidget(label("Norvalen", 0, "makerLine"));
    layout->addWidget(
        label("Copyright \u00A9 Norvalen. All rights reserved.\nUse of this software is subject "
              "to the licence\nthat came with the radio.",
              0, "legalNotice"));
    if (!dataFolder.isEmpty()) {
        QLabel* folder =
            label("Settings, default file and backups are kept in\n" + QDir::toNativeSeparators(dataFolder),
                  0, "dataFolderLine");
        folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(folder);
    }
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    ok->setCenterButtons(true);
    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(ok);
}

} // namespace zt46
