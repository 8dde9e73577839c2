#include "gui/app/HelpTopics.h"

#include "core/editor/CellEdit.h"
#include "gui/app/CommandIds.h"

namespace zt46 {
namespace {

using namespace cmd;

const HelpTopic kTopics[] = {
    {kHelpContents, "ZT46Win help",
     "<p>ZT46Win programs the KSR-410 airband transceiver. Read the radio's memory with "
     "<b>Radio &gt; Upload</b>, edit its channels in the grid and its settings in the <b>Common</b> menu, "
     "keep "
     "the result in a clone file (<b>.T46</b>) and write it back with <b>Radio &gt; Download</b>.</p>"
     "<p><b>F2</b> switches between the MR, Book and Weather channel groups. <b>F1</b> anywhere opens the "
     "help for what has the focus; in the grid, for the current column.</p>"},
    {HelpOfCommand(kNew), "New",
     "<p>Starts again from the default file <i>ZT46default.t46</i> (in the working folder or beside the "
     "program) or, when there is none, from the radio's factory content, which is then written out as the "
     "default file. Unsaved changes are offered for saving first.</p>"},
    {HelpOfCommand(kOpen), "Open",
     "<p>Opens a clone file. A clone file is exactly 4104 bytes: the radio's 4096-byte memory and eight "
     "bytes kept as they are. Files of any other length are refused and the channels in the grid stay as "
     "they were.</p>"},
    {HelpOfCommand(kSave), "Save",
     "<p>Writes the channels and settings to the current file. Saving over <i>ZT46default.t46</i> asks "
     "first; a read-only file is never written. When the data has no file yet, Save asks for a name.</p>"},
    {HelpOfCommand(kSaveAs), "Save As",
     "<p>Writes the data to a file you name. The program asks before it replaces an existing file or "
     "creates a new one. The old file is replaced only once the new content is completely written.</p>"},
    {HelpOfCommand(kPrint), "Print",
     "<p>Prints the report: the radio's settings on the first page, then every channel in use, 70 to a "
     "page.</p>"},
    {HelpOfCommand(kPrintPreview), "Print Preview", "<p>Shows the report's pages as they will print.</p>"},
    {HelpOfCommand(kPrintSetup), "Print Setup",
     "<p>Chooses the printer and the paper. The printer's name is shown in the window's header.</p>"},
    {HelpOfCommand(kConfigure), "Configure",
     "<p>Chooses the COM port of the programming cable and whether the radio is reached through the "
     "QIB-27 interface unit.</p>"},
    {HelpOfCommand(kCopy), "Copy",
     "<p>In the grid, copies the selected cells as text (cells separated by tabs, rows by line breaks). On "
     "a <b>Chn</b> cell it copies the channel itself; paste it on the <b>Chn</b> cell of another channel to "
     "copy the fields of every visible column there.</p>"},
    {HelpOfCommand(kPaste), "Paste",
     "<p>Puts the clipboard text into the current cell as if it had been typed or picked there. Text the "
     "cell cannot take is refused with a beep, and the status bar says why.</p>"},
    {HelpOfCommand(kUndo), "Undo",
     "<p>Takes back the last change: a typed cell, a paste, a dialog's OK. <b>Ctrl+Z</b> again goes further "
     "back; the grid shows the group and the cell of the change. New, Open and an upload start afresh; a "
     "save keeps what can be taken back.</p>"},
    {HelpOfCommand(kRedo), "Redo",
     "<p>Makes the change taken back again (<b>Ctrl+Y</b> or <b>Ctrl+Shift+Z</b>).</p>"},
    {HelpOfCommand(kVisible), "Visible columns",
     "<p>Chooses which optional columns the grid shows. A channel copy takes over only the fields of the "
     "visible columns.</p>"},
    {HelpOfDialog(kVisibleDialog), "Visible dialog",
     "<p>Tick the columns to show and press OK. Enter on a check box ticks or clears it.</p>"},
    {HelpOfCommand(kSystem), "System parameters", "<p>The radio's system settings.</p>"},
    {HelpOfCommand(kCommon), "Common parameters", "<p>Display, sound, transmit and key settings.</p>"},
    {HelpOfCommand(kVfo), "VFO A/B", "<p>The frequencies and steps of the two VFOs.</p>"},
    {HelpOfDialog(kSystemDialog), "System Parameters dialog",
     "<p>How the radio starts: the VFO (A or B) and the mode (VFO, MR, Book MR, or WX when the weather band "
     "is on), emergency mode, the noise limiter (ANL), dual watch and the pitch control.</p>"
     "<p>Dual watch is off, and cannot be chosen, while the radio is in WX mode or in emergency mode.</p>"
     "<p>In service mode the dialog also shows the band options. Switching the transmit expansion off moves "
     "every transmit frequency above 136.975 MHz down to 136.975 MHz when you press OK.</p>"
     "<p>Return opens or closes a list; OK takes the settings, Cancel drops every change made in the "
     "dialog.</p>"},
    {HelpOfDialog(kDisplaySoundPage), "Display & Sound page",
     "<p>The lamp while scanning is paused, the lamp mode and the dimmer, the power-on beep and the keypad "
     "beeper, the PA monitor, the headphone level (0 to 8), the three user pitch settings, the sensor shown "
     "(temperature or voltage) and what the radio shows on WX, Book and MR channels: the channel number, "
     "the frequency or the tag.</p>"
     "<p>WX Mode can be chosen only when the weather band is on (System Parameters).</p>"},
    {HelpOfDialog(kTxRxPage), "TX/RX page",
     "<p>The squelch level (0 to 8), the receive battery saver, when a paused scan resumes (when the signal "
     "ends, or after 5 seconds), dual watch or priority watch with its interval, and the transmit time-out "
     "(T.O.T) that ends a transmission held too long.</p>"},
    {HelpOfDialog(kKeysMiscPage), "Key Set/Misc page",
     "<p>The key lock and what it locks (PTT, keys, dial), the functions of the [USER1] and [USER2] keys, "
     "the "
     "emergency function, the weather alert (only with the weather band on), the temperature unit and "
     "offset, the internal microphone and the VOX with its delay and sensitivity (1 to 8).</p>"
     "<p>Type the temperature offset in degrees, -12.8 to 12.7 in steps of 0.1, and press Return; a value "
     "outside that range is set to the nearest end.</p>"},
    {HelpOfDialog(kVfoAPage), "VFO A page",
     "<p>The frequencies and steps of VFO A. Type the receive frequency in MHz and press Return: the mode "
     "follows the frequency (AM in the airband, FM from 144 MHz with the receive expansion on), and the "
     "frequency is moved into the band and onto the channel step.</p>"
     "<p>Only AM frequencies from 108.000 to 117.975 MHz can be split; a split VFO also takes a transmit "
     "frequency. Changing the step moves the frequencies onto the new step.</p>"},
    {HelpOfDialog(kVfoBPage), "VFO B page",
     "<p>The frequencies and steps of VFO B, set as on the VFO A page: type the receive frequency in MHz "
     "and press Return, and the mode follows it. A split AM VFO (108.000 to 117.975 MHz) also takes a "
     "transmit frequency. The AM or FM step and the clock shift are chosen from their lists.</p>"},
    {HelpOfDialog(kAlignmentDialog), "Alignment dialog",
     "<p>Service alignment of the radio, live over the programming cable. Choose a test channel (an MR "
     "channel in use, not a weather channel); the radio tunes to it.</p>"
     "<p><b>ADJ</b> beside a squelch or VOR level measures it from the signal the radio receives. The power, "
     "modulation, reference, sidetone and receive tune levels are set with a slider while you watch your "
     "meter; <b>the transmitter is keyed</b> for the transmit levels, so keep a dummy load connected. Type "
     "the hysteresis levels and the VOR degree adjustment and press Return.</p>"
     "<p>Every accepted value is written to the radio at once. OK leaves alignment mode and keeps the values "
     "in the data, so that a later save or download carries them.</p>"},
    {HelpOfCommand(kUpload), "Upload",
     "<p>Reads the radio's whole memory over the programming cable. Connect the cable, choose Upload and "
     "follow the instructions on the screen.</p>"},
    {HelpOfCommand(kDownload), "Download",
     "<p>Writes the edited memory into the radio. The radio's own alignment values and firmware version "
     "are kept. What the radio held before is kept in the <b>backups</b> folder. When the data were read "
     "from another radio (its serial number differs), the program asks whether the radio keeps its own "
     "identity or takes the file's. Afterwards the radio is read back and compared with what was written "
     "(<b>Verify after writing</b> in File &gt; Configure).</p>"},
    {HelpOfCommand(kCompare), "Compare",
     "<p>Lists every difference between the data on screen and a clone file, or what the radio holds now: "
     "the identity (serial number, firmware version), each changed setting, each changed channel cell, the "
     "alignment values and any other bytes. Nothing is changed, and nothing is written to the radio.</p>"},
    {HelpOfCommand(kAlign), "Align", "<p>Service alignment of the radio (service mode only).</p>"},
    {HelpOfCommand(kGetStarted), "Get Started", "<p>The first steps with the program and the radio.</p>"},
    {HelpOfCommand(kCommonProblems), "Common Problems",
     "<p>What to check when the program and the radio do not talk to each other.</p>"},
    {HelpOfColumn(kColChn), "Chn column",
     "<p>The channel's number within its group. <b>Space</b> or a double click takes the channel out of use "
     "(grey row) or back into use; the first MR and the first Book channel always stay in use.</p>"},
    {HelpOfColumn(kColMode), "Mode column",
     "<p>AM, FM or WX. The mode follows the receive frequency: AM in the airband, FM from 144 MHz (with the "
     "receive expansion on), WX on a weather frequency.</p>"},
    {HelpOfColumn(kColTag), "TAG column",
     "<p>Up to eight characters: letters, digits, blank and ( ) + = * / : - _. Type to start editing, Enter "
     "to finish, Escape to leave the tag as it was.</p>"},
    {HelpOfColumn(kColReceive), "Receive column",
     "<p>The receive frequency in MHz, for example 118.5. A frequency outside the band is moved to the "
     "band's "
     "edge and rounded to the channel's step. On an 8.33 kHz channel the grid shows the channel's name "
     "(118.005, 118.010, 118.015 for the three channels of 118.000 to 118.025); typed or pasted, a "
     "channel's name is that channel.</p>"},
    {HelpOfColumn(kColTransmit), "Transmit column",
     "<p>The transmit frequency of a split channel, 118.000 to 136.975 MHz (143.975 with the transmit "
     "expansion).</p>"},
    {HelpOfColumn(kColAmStep), "AM step",
     "<p>8.33k or 25k for AM channels. Space or a double click opens the list of steps.</p>"},
    {HelpOfColumn(kColFmStep), "FM step",
     "<p>5k to 50k for FM channels. Space or a double click opens the list of steps.</p>"},
    {HelpOfColumn(kColClockShift), "Clock shift",
     "<p>v: the radio shifts its clock on this channel. Space switches it.</p>"},
    {HelpOfColumn(kColTagAlp), "Tag display",
     "<p>v: the radio shows the tag instead of the frequency. Space switches it.</p>"},
    {HelpOfColumn(kColScan), "Scan", "<p>v: the channel is scanned. Space switches it.</p>"},
    {HelpOfColumn(kColSplit), "Split",
     "<p>Split channels transmit on their own frequency. Only channels received between 108.000 and 117.975 "
     "MHz can be split.</p>"},
};

} // namespace

const HelpTopic& HelpTopicFor(int context) {
    for (const HelpTopic& topic : kTopics) {
        if (topic.context == context) return topic;
    }
    return kTopics[0];
}

QString HelpTopicHtml(const HelpTopic& topic) {
    QString html = QString("<h2>%1</h2>%2").arg(topic.title, topic.html);
    if (topic.context != kHelpContents) html += "<p><a href=\"help:0\">Contents</a></p>";
    return html;
}

QString HelpContentsHtml() {
    QString html = HelpTopicHtml(kTopics[0]) + "<ul>";
    for (const HelpTopic& topic : kTopics) {
        if (topic.context != kHelpContents)
            html += QString("<li><a href=\"help:%1\">%2</a></li>").arg(topic.context).arg(topic.title);
    }
    return html + "</ul>";
}

} // namespace zt46
