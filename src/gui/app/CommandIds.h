#pragma once
// Command ids of the menus, the toolbar and the keys; help contexts are derived from them.

namespace zt46::cmd {

constexpr int kNew = 57600;
constexpr int kOpen = 57601;
constexpr int kSave = 57603;
constexpr int kSaveAs = 57604;
constexpr int kPrintSetup = 57606;
constexpr int kPrint = 57607;
constexpr int kPrintPreview = 57609;
constexpr int kExportPdf = 57610; // ours: the report as a PDF file
constexpr int kRecentFile1 = 57616;
constexpr int kCopy = 57634;
constexpr int kPaste = 57637;
constexpr int kUndo = 57643;
constexpr int kRedo = 57644;
constexpr int kHelpFinder = 57664;
constexpr int kExit = 57665;
constexpr int kHelpTopics = 57667;
constexpr int kContextHelp = 57670;
constexpr int kToolbar = 59392;
constexpr int kStatusBar = 59393;

constexpr int kSystem = 32772;
constexpr int kCommon = 32773;
constexpr int kVfo = 32774;
constexpr int kItemFirst = 32800; // View > Item: 32800..32807
constexpr int kUpload = 32825;
constexpr int kDownload = 32826;
constexpr int kVisible = 32829;
constexpr int kUploadButton = 32832;
constexpr int kDownloadButton = 32833;
constexpr int kGetStarted = 32840;
constexpr int kCommonProblems = 32841;
constexpr int kAbout = 32842;
constexpr int kConfigure = 32850;
constexpr int kAlign = 32851;
// Ours, beyond the original menus.
constexpr int kImport = 32860;
constexpr int kExport = 32861;
constexpr int kCompare = 32862;

// Help contexts.
constexpr int HelpOfCommand(int id) {
    return 65536 + id;
}
constexpr int HelpOfDialog(int id) {
    return 131072 + id;
}
constexpr int HelpOfColumn(int column) {
    return 300 + column;
}
constexpr int kVisibleDialog = 169; // the dialog of View > Visible
// The dialogs and pages with topics of their own.
constexpr int kSystemDialog = 102;
constexpr int kAlignmentDialog = 190;
constexpr int kDisplaySoundPage = 192;
constexpr int kTxRxPage = 193;
constexpr int kKeysMiscPage = 194;
constexpr int kVfoAPage = 196;
constexpr int kVfoBPage = 197;
constexpr int kHelpContents = 0;

// Whether the command-enable masks allow a command (the only difference of the modes: Align).
bool MaskAllows(int id, bool privileged);
// The status-bar prompt of a command.
const char* CommandPrompt(int id);

} // namespace zt46::cmd
