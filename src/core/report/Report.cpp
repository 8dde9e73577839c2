#include "core/report/Report.h"

#include <array>
#include <string_view>

#include "core/document/Document.h"
#include "core/image/ValueTexts.h"
#include "core/util/TextFormat.h"

namespace zt46 {
namespace {

using texts::Pick;

constexpr std::array<std::string_view, 2> kVfoSelect{"VFO A", "VFO B"};
constexpr std::array<std::string_view, 4> kCurrentMode{"VFO    ", "MR     ", "Book MR", "WX     "};
constexpr std::array<std::string_view, 2> kEmergency{"Off      ", "Emergency"};
constexpr std::array<std::string_view, 2> kOffOn{"Off", "On "};
constexpr std::array<std::string_view, 5> kToneControl{"off", "Mode1", "Mode2", "Mode3", "User"};
constexpr std::array<std::string_view, 2> kDisableEnable{"Disable", "Enable "};
constexpr std::array<std::string_view, 3> kLampMode{"Off    ", "Continue", "Key on "};
constexpr std::array<std::string_view, 4> kDimmer{"LV1", "LV2", "LV3", "LV4"};
constexpr std::array<std::string_view, 4> kPowerOnBeep{"Off ", "Mode1", "Mode2", "Mode3"};
constexpr std::array<std::string_view, 3> kKeypadBeeper{"Off ", "On  ", "DTMF"};
constexpr std::array<std::string_view, 3> kPaMonitor{"Off", "PA", "ALL"};
constexpr std::array<std::string_view, 3> kUserTone{"Off", "+", "-"};
constexpr std::array<std::string_view, 2> kSensorType{"Temperature", "Voltage"};
constexpr std::array<std::string_view, 3> kDisplayMode{"ch", "Freq", "TAG"};
constexpr std::array<std::string_view, 7> kRxSave{"Off  ", "ABS  ", "1 : 1", "1 : 2",
                                                  "1 : 3", "1 : 4", "1 : 5"};
constexpr std::array<std::string_view, 2> kScanStopResume{"Busy ", "5 Sec"};
constexpr std::array<std::string_view, 2> kDwPri{"DW ", "PRI"};
constexpr std::array<std::string_view, 6> kPriTime{"500 mS",  "1 Sec  ", "1.5 Sec",
                                                   "2 Sec  ", "2.5 Sec", "3 Sec  "};
constexpr std::array<std::string_view, 4> kTot{"Off", "1 Min", "3 Min", "5 Min"};
constexpr std::array<std::string_view, 5> kUserKey{"None", "ANL ", "PA", "TONE", "ALRT"};
constexpr std::array<std::string_view, 4> kWeatherAlert{"Off", "Beep", "LED Flash", "Beep + LED Flash"};
constexpr std::array<std::string_view, 4> kVoxDelay{"0.5s", "1.0s", "1.5s", "2.0s"};
constexpr std::array<std::string_view, 2> kClockShiftOnOff{"On", "Off"};

constexpr std::string_view kCelsius = "\u00B0C"; // the degree-Celsius sign of the radio's display

constexpr const char* kChannelHeader[6] = {
    "*****************   CHANNEL DATA  ***************************",
    "     M                                          C T S        ",
    "     o                                          L A c        ",
    "     d            F R E Q U E N C Y    S t e p  K G a        ",
    " CH  e    TAG     Receive  Transmit   AM    FM  S A n  Split ",
    "-------------------------------------------------------------",
};

// A setting line: the label (with its colon and blank) and the value left-aligned in 15 characters.
std::string Setting(std::string_view label, std::string_view value) {
    return std::string(label) + PadRight(value, 15);
}
std::string Number(std::string_view label, int value) {
    return std::string(label) + Format("%-15d", value);
}
std::string Title(std::string_view title) {
    return PadRight(title, 50);
}
std::string Blank50() {
    return std::string(50, ' ');
}

bool InUseForCount(const ChannelEntry& e) {
    return !e.Masked && e.RxHz != 0;
}
bool InUseForPages(const ChannelEntry& e) {
    return !e.Masked && (e.RxHz != 0 || e.TxHz != 0);
}

void AppendVfo(std::vector<std::string>& lines, std::size_t first, const ChannelEntry& e) {
    const bool am = ShownMode(e.Mode) == kModeAm;
    lines[first + 0] += Setting("         Mode                    : ", ModeText(e.Mode));
    lines[first + 1] += "         Receive Frequency       : " + Format("%-7.3f%8s", e.RxDisplay, "");
    lines[first + 2] += e.Split ? "         Transmit Frequency      : " + Format("%-7.3f%8s", e.TxDisplay, "")
                                : Setting("         Transmit Frequency      : ", "---.---");
    lines[first + 3] += Setting("         Split                   : ", Pick(texts::kSplit, e.Split));
    lines[first + 4] += am ? Setting("         AM Step                 : ", Pick(texts::kAmStep, e.AmStep))
                           : Setting("         FM Step                 : ", Pick(texts::kFmStep, e.FmStep));
    lines[first + 5] += Setting("         Clock Shift             : ", Pick(kClockShiftOnOff, e.ClockShift));
}

std::string ChannelLine(int index, const ChannelEntry& e) {
    const int mode = ShownMode(e.Mode);
    std::string line = Format("%-3d", ChannelTable::NumberInGroup(index));
    line += " " + PadRight(ModeText(e.Mode), 2) + " ";
    line += " " + PadRight(e.TagForDisplay(), 8) + " ";
    line += Format(" %-7.3f ", e.RxDisplay);
    line += e.Split ? Format(" %-7.3f ", e.TxDisplay) : std::string(" ---.--- ");
    line += mode == kModeAm ? " " + PadRight(Pick(texts::kAmStep, e.AmStep), 5) + " " : std::string(" ---- ");
    line += mode == kModeFm ? " " + PadRight(Pick(texts::kFmStep, e.FmStep), 4) + " " : std::string(" ---- ");
    line += e.ClockShift ? "- " : "X ";
    line += e.TagDisplay ? "X " : "- ";
    line += e.Scan ? "X " : "- ";
    line += PadRight(Pick(texts::kSplit, e.Split), 7);
    return line;
}

} // namespace

Report::Report(const Document& document) : m_document(document) {
    const CloneImage& image = document.Image();
    m_display.Load(image);
    m_txRx.Load(image);
    m_keyMisc.Load(image);
    const BandContext band = document.Bands();
    m_vfoA.Load(image, band);
    m_vfoB.Load(image, band);
    for (const ChannelEntry& e : document.Channels().Entries())
        m_inUse += InUseForCount(e);
}

ReportPage Report::Page(int page) const {
    return page <= 1 ? SettingsPage() : ChannelPage(page);
}

std::vector<ReportPage> Report::Pages() const {
    std::vector<ReportPage> pages;
    for (int p = 1; p <= PageCount(); ++p)
        pages.push_back(Page(p));
    return pages;
}

ReportPage Report::SettingsPage() const {
    const SystemSettings& s = m_document.System();
    const DisplaySoundSettings& d = m_display;
    const TxRxSettings& t = m_txRx;
    const KeyMiscSettings& k = m_keyMisc;

    ReportPage page;
    page.lines.push_back(
        {0, "                  **********  Norvalen KSR-410 Portable Transceiver  **********"});
    page.lines.push_back({1, ""});
    page.lines.push_back(
        {2, "           File Name:  " + PadRight(FileNamePart(m_document.CurrentFileName()), 32) +
                "           Serial No:  " + PadRight(DecodeSerialNumber(m_document.Image()), 32)});
    page.lines.push_back({3, Blank50()});

    // As the Key Set/Misc page and the radio show it: "1".."8" for the stored 0..7.
    const int voxSensitivityShown = k.VoxSensitivity + 1;
    std::vector<std::string> lines = {
        Title(" *****System Parameters*****"),
        Setting("         VFO A/B                 : ", Pick(kVfoSelect, s.VfoSelect)),
        Setting("         Current Mode            : ", Pick(kCurrentMode, s.CurrentMode)),
        Setting("         Emergency Mode           : ", Pick(kEmergency, s.EmergencyMode)),
        Setting("         ANL Status              : ", Pick(kOffOn, s.AnlStatus)),
        Setting("         Dual Watch              : ", Pick(kOffOn, s.DualWatch)),
        Setting("         Tone Control            : ", Pick(kToneControl, s.ToneControl)),
        Setting("         Weather Band            : ", Pick(kDisableEnable, s.WeatherBand)),
        Setting("         8.33k TX Expansion      : ", Pick(kDisableEnable, s.TxExpansion833)),
        Setting("         TX Expansion            : ", Pick(kDisableEnable, s.TxExpansion)),
        Setting("         RX Expansion            : ", Pick(kDisableEnable, s.RxExpansion)),
        Blank50(),
        Title(" *****Common Parameters*****"),
        Title("       ---Display & Sound---"),
        Setting("         Scan Pause Lamp         : ", Pick(kOffOn, d.ScanPauseLamp)),
        Setting("         Lamp Mode               : ", Pick(kLampMode, d.LampMode)),
        Setting("         DIMMER                  : ", Pick(kDimmer, d.Dimmer)),
        Setting("         Power On Beep           : ", Pick(kPowerOnBeep, d.PowerOnBeep)),
        Setting("         Keypad Beeper           : ", Pick(kKeypadBeeper, d.KeypadBeeper)),
        Setting("         PA Monitor              : ", Pick(kPaMonitor, d.PaMonitor)),
        Number("         Headphone Level         : ", d.HeadphoneLevel),
        Setting("         User Tone Setting(Low)  : ", Pick(kUserTone, d.UserToneLow)),
        Setting("         User Tone Setting(Mid)  : ", Pick(kUserTone, d.UserToneMid)),
        Setting("         User Tone Setting(High) : ", Pick(kUserTone, d.UserToneHigh)),
        Setting("         Sensor Type             : ", Pick(kSensorType, d.SensorType)),
        Setting("         WX Mode                 : ", Pick(kDisplayMode, d.WxDisplayMode)),
        Setting("         BOOK Mode               : ", Pick(kDisplayMode, d.BookDisplayMode)),
        Setting("         MR Mode                 : ", Pick(kDisplayMode, d.MrDisplayMode)),
        Blank50(),
        Title("       ---TX/RX---"),
        Number("         SQL Level               : ", t.SqlLevel),
        Setting("         RX Save                 : ", Pick(kRxSave, t.RxSave)),
        Setting("         Scan Stop Resume        : ", Pick(kScanStopResume, t.ScanStopResume)),
        Setting("         DW/PRI                  : ", Pick(kDwPri, t.DwPri)),
        Setting("         PRI Time                : ", Pick(kPriTime, t.PriTime)),
        Setting("         T.O.T                   : ", Pick(kTot, t.Tot)),
        Blank50(),
        Title("       ---Key Set/Misc---"),
        Setting("         Lock Status             : ", Pick(kOffOn, k.LockStatus)),
        Setting("         PTT Key Dial Lock       : ", Pick(texts::kLockType, k.LockType)),
        Setting("         [USER1] Key             : ", Pick(kUserKey, k.User1Key)),
        Setting("         [USER2] Key             : ", Pick(kUserKey, k.User2Key)),
        Setting("         Emergency Function      : ", Pick(kOffOn, k.EmergencyFunction)),
        Setting("         Weather Alert Function  : ", Pick(kWeatherAlert, k.WeatherAlert)),
        Setting("         Temperature Unit        : ", k.TemperatureUnit ? kCelsius : std::string_view("F ")),
        "         Temperature Offset      : " + Format("%-3.1f%12s", k.TemperatureOffset, ""),
        Setting("         Internal MIC            : ", Pick(kOffOn, k.InternalMic)),
        Setting("         VOX                     : ", Pick(kOffOn, k.Vox)),
        Setting("         VOX Delay               : ", Pick(kVoxDelay, k.VoxDelay)),
        Number("         VOX Sensitivity         : ", voxSensitivityShown),
        "", // line 50: the table runs one line past the left column
    };

    lines[0] += Title(" *****VFO A/B*****");
    lines[1] += Title("       ---VFO A---");
    AppendVfo(lines, 2, m_vfoA.Entry());
    lines[8] += Blank50();
    lines[9] += Title("       ---VFO B---");
    AppendVfo(lines, 10, m_vfoB.Entry());

    for (std::size_t i = 0; i < lines.size(); ++i)
        page.lines.push_back({4 + static_cast<int>(i), lines[i]});
    return page;
}

ReportPage Report::ChannelPage(int page) const {
    const auto& entries = m_document.Channels().Entries();
    int index = 0;
    for (int p = 2; p < page; ++p) {
        int counted = 0;
        while (index < kChannelCount && counted < kChannelsPerPage)
            counted += InUseForPages(entries[index++]);
    }

    ReportPage out;
    int position = 0;
    for (const char* header : kChannelHeader)
        out.lines.push_back({position++, header});
    int printed = 0;
    for (; index < kChannelCount && printed < kChannelsPerPage; ++index) {
        const ChannelEntry& e = entries[static_cast<std::size_t>(index)];
        if (!InUseForPages(e)) continue;
        if (index == 0) out.lines.push_back({position++, "***MR***"});
        if (index == kFirstBookIndex) out.lines.push_back({position++, "***Book MR***"});
        if (index == kFirstWeatherIndex) out.lines.push_back({position++, "***Weather***"});
        out.lines.push_back({position++, ChannelLine(index, e)});
        ++printed;
    }
    return out;
}

std::string ReportText(const std::vector<ReportPage>& pages) {
    std::string out;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) out += "\f\n";
        int next = 0;
        for (const ReportLine& line : pages[p].lines) {
            for (; next < line.position; ++next)
                out += '\n';
            out += line.text;
            out += '\n';
            next = line.position + 1;
        }
    }
    return out;
}

} // namespace zt46
