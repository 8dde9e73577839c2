#pragma once
// The printed report as text: page 1 lists every setting, pages 2 and on list the channels in use,
// 70 to a page. Each page is a list of lines at line positions; printing only paints them.

#include <string>
#include <vector>

#include "core/editor/VfoSettings.h"
#include "core/image/SettingsGroups.h"

namespace zt46 {

class Document;

struct ReportLine {
    int position = 0; // line position on the page (y = position x line height)
    std::string text; // UTF-8
};

struct ReportPage {
    std::vector<ReportLine> lines;
    int LastPosition() const { return lines.empty() ? -1 : lines.back().position; }
};

constexpr int kChannelsPerPage = 70;
// Columns of the widest line (page 1 with its VFO column) and positions of the longest page: what a
// printer font has to fit, with the 5-column left margin.
constexpr int kReportColumns = 100;
constexpr int kReportMarginColumns = 5;
constexpr int kReportPositions = 79;

class Report {
public:
    // Takes copies of the settings from the document's image, as printing does when it begins.
    explicit Report(const Document& document);

    int PageCount() const { return 1 + (m_inUse + kChannelsPerPage - 1) / kChannelsPerPage; }
    // Page 1 is the settings page; 2 and on are channel pages.
    ReportPage Page(int page) const;
    std::vector<ReportPage> Pages() const;

private:
    ReportPage SettingsPage() const;
    ReportPage ChannelPage(int page) const;

    const Document& m_document;
    DisplaySoundSettings m_display;
    TxRxSettings m_txRx;
    KeyMiscSettings m_keyMisc;
    VfoSettings m_vfoA = VfoSettings::A();
    VfoSettings m_vfoB = VfoSettings::B();
    int m_inUse = 0;
};

// The report as plain text: every position of a page on its own line (empty where it holds no text),
// each page after the first introduced by a form feed on a line of its own.
std::string ReportText(const std::vector<ReportPage>& pages);

} // namespace zt46
