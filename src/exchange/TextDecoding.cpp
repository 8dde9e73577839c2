#include "exchange/TextDecoding.h"

#include <cstdint>

#include "core/util/TextFormat.h"

namespace zt46 {
namespace {

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string FromUtf16(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? char32_t(a << 8 | b) : char32_t(b << 8 | a);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t cp = unit(i);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD; // a lone surrogate
        AppendUtf8(out, cp);
    }
    return out;
}

// UTF-8 as it is, every byte that does not belong to a valid sequence as a Latin-1 character.
std::string FromUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        // Runs of ASCII are copied as they are: a list is mostly ASCII.
        std::size_t run = pos;
        while (run < bytes.size() && static_cast<unsigned char>(bytes[run]) < 0x80)
            ++run;
        out.append(bytes.substr(pos, run - pos));
        pos = run;
        if (pos >= bytes.size()) break;
        std::size_t length = 0;
        const char32_t cp = NextCodePoint(bytes, pos, length);
        if (length > 1) {
            out.append(bytes.substr(pos, length));
        } else {
            AppendUtf8(out, cp);
        }
        pos += length;
    }
    return out;
}

} // namespace

char32_t NextCodePoint(std::string_view text, std::size_t pos, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    length = 1;
    if (lead < 0x80) return lead;
    std::size_t count = 0;
    char32_t cp = 0;
    char32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        count = 1, cp = lead & 0x1F, lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        count = 2, cp = lead & 0x0F, lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        count = 3, cp = lead & 0x07, lowest = 0x10000;
    } else {
        return lead;
    }
    if (pos + count >= text.size()) return lead; // cut short by the end of the text
    for (std::size_t k = 1; k <= count; ++k) {
        const auto c = static_cast<unsigned char>(text[pos + k]);
        if (!IsContinuation(c)) return lead;
        cp = cp << 6 | (c & 0x3F);
    }
    if (cp < lowest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return lead;
    length = count + 1;
    return cp;
}

ListResult<std::string> DecodeListText(std::string_view bytes) {
    std::string text;
    auto starts = [&](std::string_view mark) { return bytes.substr(0, mark.size()) == mark; };
    if (starts("\xEF\xBB\xBF")) {
        text = FromUtf8(bytes.substr(3));
    } else if (starts("\xFF\xFE") || starts("\xFE\xFF")) {
        const bool bigEndian = bytes[0] == '\xFE';
        const std::string_view units = bytes.substr(2);
        if (units.size() % 2 != 0) {
            return ListError{
                ListErrorKind::NotText, 0, 0, {}, "the file is not text: UTF-16 with an odd byte count"};
        }
        text = FromUtf16(units, bigEndian);
    } else {
        text = FromUtf8(bytes);
    }
    int line = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        // Lines end as the CSV reader ends them: CR LF, LF, or a CR alone.
        if (c == '\n' || (c == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++line;
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') {
            return ListError{ListErrorKind::NotText,
                             line,
                             0,
                             {},
                             Format("the file is not text (control character 0x%02X)", c)};
        }
        if (c == 0x7F) {
            return ListError{
                ListErrorKind::NotText, line, 0, {}, "the file is not text (control character 0x7F)"};
        }
    }
    return text;
}

} // namespace zt46
