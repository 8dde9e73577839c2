#include "gui/app/CommandIds.h"

namespace zt46::cmd {
namespace {

struct MaskWord {
    int first;
    int last;
    unsigned normal;
    unsigned privileged;
};

constexpr MaskWord kMasks[] = {
    {kConfigure, kConfigure, 31, 31}, {kSystem, kSystem + 3, 15, 15}, {kAlign, kAlign, 0, 1},
    {kUpload, kDownload, 3, 3},       {kGetStarted, kAbout, 7, 7},
};

} // namespace

bool MaskAllows(int id, bool privileged) {
    for (const MaskWord& w : kMasks) {
        if (id >= w.first && id <= w.last)
            return ((privileged ? w.privileged : w.normal) >> (id - w.first)) & 1u;
    }
    return true;
}

} // namespace zt46::cmd

namespace zt46::cmd {

const char* CommandPrompt(int id) {
    switch (id) {
    case kNew:
        return "Start again from the default file or the factory content";
    case kOpen:
        return "Open a clone file";
    case kSave:
        return "Save the channels and settings to the current file";
    case kSaveAs:
        return "Save the channels and settings to a file you name";
    case kPrint:
        return "Print the settings and the channels in use";
    case kPrintPreview:
        return "Show the printed pages on the screen";
    case kPrintSetup:
        return "Choose the printer and the paper";
    case kExportPdf:
        return "Write the report as a PDF file";
    case kConfigure:
        return "Choose the COM port and the interface unit";
    case kExit:
        return "Quit the program";
    case kCopy:
        return "Copy the selected cells or the current channel";
    case kPaste:
        return "Paste into the current cell or onto the current channel";
    case kUndo:
        return "Take back the last change";
    case kRedo:
        return "Make the change taken back again";
    case kImport:
        return "Add channels from a channel list (CSV)";
    case kExport:
        return "Write the channels as a channel list (CSV)";
    case kCompare:
        return "Compare with a clone file or with the radio";
    case kToolbar:
        return "Show or hide the toolbar";
    case kStatusBar:
        return "Show or hide the status bar";
    case kVisible:
        return "Choose the columns the grid shows";
    case kSystem:
        return "Edit the system parameters";
    case kCommon:
        return "Edit the display, sound, transmit and key settings";
    case kVfo:
        return "Edit VFO A and VFO B";
    case kAlign:
        return "Align the radio (service mode)";
    case kUpload:
    case kUploadButton:
        return "Read data from radio";
    case kDownload:
    case kDownloadButton:
        return "Program radio with data";
    case kHelpTopics:
    case kHelpFinder:
        return "Open the help contents";
    case kGetStarted:
        return "First steps with the program";
    case kCommonProblems:
        return "What to check when programming fails";
    case kAbout:
        return "Program name and version";
    default:
        if (id >= kItemFirst && id < kItemFirst + 8) return "Show or hide this column of the grid";
        if (id >= kRecentFile1 && id < kRecentFile1 + 4) return "Open this recently used file";
        return "";
    }
}

} // namespace zt46::cmd
