#pragma once
// The "Get Started" and "Common Problems" texts (Help menu), and the About box.

#include <QDialog>

class QPlainTextEdit;

namespace zt46 {

class HelpDialog : public QDialog {
    Q_OBJECT
public:
    enum class Topic { GetStarted, CommonProblems };
    HelpDialog(Topic topic, QWidget* parent = nullptr);
    QPlainTextEdit* Text() const { return m_text; }
    static QString TopicText(Topic topic);

private:
    QPlainTextEdit* m_text;
};

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // `dataFolder`: where the program keeps its settings, default file and backups (named in the box).
    explicit AboutDialog(QWidget* parent = nullptr, const QString& dataFolder = {});
    static QString VersionLine();
    // "Version 1.0.0": the build's version, beside the radio software's own version line.
    static QString ProgramVersionLine();
};

} // namespace zt46
