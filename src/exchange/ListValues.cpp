#include "exchange/ListValues.h"

#include <cstdlib>

#include "core/editor/FrequencyRules.h"
#include "core/editor/InputFilters.h"
#include "core/util/TextFormat.h"
#include "exchange/CsvReader.h"
#include "exchange/TextDecoding.h"

namespace zt46 {
namespace {

constexpr std::int64_t kBlockHz = 25000;
// The 8.33 kHz channel names belong to the airband, below the FM band.
constexpr std::int64_t kNamesLowHz = 100000000;
constexpr std::int64_t kNamesHighHz = 144000000;
// More whole megahertz than this is no frequency of any radio; the value is kept far out of range.
constexpr int kMaxWholeDigits = 6;
constexpr std::int64_t kFarOutOfRange = 999999 * std::int64_t{1000000};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<std::int64_t> ParseMHz(std::string_view text, bool commaIsDecimal) {
    text = Trimmed(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    std::int64_t whole = 0;
    int wholeDigits = 0;
    std::int64_t fraction = 0;
    int fractionDigits = 0;
    bool roundUp = false;
    bool point = false;
    for (char c : text) {
        if (c == '.' || (c == ',' && commaIsDecimal)) {
            if (point) return std::nullopt;
            point = true;
        } else if (!IsDigit(c)) {
            return std::nullopt;
        } else if (!point) {
            if (++wholeDigits <= kMaxWholeDigits) whole = whole * 10 + (c - '0');
        } else if (fractionDigits < 6) {
            fraction = fraction * 10 + (c - '0');
            ++fractionDigits;
        } else if (fractionDigits == 6) {
            roundUp = c >= '5';
            ++fractionDigits;
        }
    }
    if (wholeDigits == 0 && fractionDigits == 0) return std::nullopt;
    if (wholeDigits > kMaxWholeDigits) return negative ? -kFarOutOfRange : kFarOutOfRange;
    for (int k = std::min(fractionDigits, 6); k < 6; ++k)
        fraction *= 10;
    const std::int64_t hz = whole * 1000000 + fraction + (roundUp ? 1 : 0);
    return negative ? -hz : hz;
}

std::string HzText(std::int64_t hz) {
    const char* sign = hz < 0 ? "-" : "";
    const std::int64_t magnitude = hz < 0 ? -hz : hz;
    return Format("%s%lld.%06lld", sign, static_cast<long long>(magnitude / 1000000),
                  static_cast<long long>(magnitude % 1000000));
}

std::optional<std::int64_t> ChannelNameHz(std::int64_t hz) {
    if (hz < kNamesLowHz || hz >= kNamesHighHz) return std::nullopt;
    return ChannelOfName833(static_cast<std::int32_t>(hz));
}

std::optional<std::int64_t> Nearest833Hz(std::int64_t hz) {
    if (hz < kNamesLowHz || hz >= kNamesHighHz) return std::nullopt;
    const std::int64_t n = (hz * 3 + kBlockHz / 2) / kBlockHz;
    if (n % 3 == 0) return std::nullopt; // a 25 kHz channel
    const std::int64_t channel = n * kBlockHz / 3;
    return std::llabs(hz - channel) <= 500 ? std::optional<std::int64_t>(channel) : std::nullopt;
}

std::string MakeTag(std::string_view utf8) {
    std::string tag;
    std::size_t pos = 0;
    while (pos < utf8.size() && tag.size() < 8) {
        std::size_t length = 0;
        char32_t cp = NextCodePoint(utf8, pos, length);
        pos += length;
        if (cp >= 'a' && cp <= 'z') cp = cp - 'a' + 'A';
        tag +=
            cp < 0x80 && FilterAccepts(EditFilter::Tag, cp) && cp != kBackspace ? static_cast<char>(cp) : ' ';
    }
    return tag;
}

std::optional<bool> ParseFlag(std::string_view text) {
    for (const char* yes : {"v", "yes", "y", "1", "true", "on"}) {
        if (SameName(text, yes)) return true;
    }
    for (const char* no : {"-", "no", "n", "0", "false", "off"}) {
        if (SameName(text, no)) return false;
    }
    return std::nullopt;
}

std::optional<long> ParseInteger(std::string_view text) {
    text = Trimmed(text);
    if (text.empty() || text.size() > 9) return std::nullopt;
    std::size_t start = text[0] == '+' || text[0] == '-' ? 1 : 0;
    if (start == text.size()) return std::nullopt;
    long value = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        if (!IsDigit(text[i])) return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return text[0] == '-' ? -value : value;
}

} // namespace zt46
