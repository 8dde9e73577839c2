#pragma once
// The test classes of this binary (run one after the other by TestMain.cpp).

#include <QObject>

namespace zt46::test {

class PromptBarTest : public QObject {
    Q_OBJECT
private slots:
    void ShowPromptSplitsTheTwoLines_data();
    void ShowPromptSplitsTheTwoLines();
    void BarSitsBelowTheControlsAndFollowsFocus();
    void SheetHasOnlyOkAndCancelAndAsksThePageLeft();
    void ConfigurationDialogOpensOnTheChosenPort();
    void EnterInThePortBoxDoesNotClose();
};

class DesktopTransferTest : public QObject {
    Q_OBJECT
private slots:
    void UploadShowsTheRadiosChannels_data();
    void UploadShowsTheRadiosChannels();
    void OverwriteQuestion_data();
    void OverwriteQuestion();
    void SilentRadioLeavesTheDocument();
    void CancelDuringHandshake_data();
    void CancelDuringHandshake();
    void DownloadMergesAndKeepsABackup();
    void DownloadRefusedWhenTheBackupCannotBeWritten();
    void PortAtStartUpAndAfterConfiguration();
    void AlignmentEntryHandsThePortToTheWindow();
};

} // namespace zt46::test
