#include "users/ini_document.h"

#include <algorithm>
#include <array>

#include "base/text_codec.h"

namespace users {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kLf = "\n";
constexpr std::string_view kCr = "\r";
constexpr std::string_view kNoEnding = "";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Upper case of every Windows-1251 byte: Latin and Cyrillic letters, everything else unchanged.
const std::array<unsigned char, 256>& UpperTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int b = 0; b < 256; ++b) {
            std::string utf8;
            base::AppendUtf8(utf8, base::Cp1251Char(static_cast<unsigned char>(b)));
            const std::u32string upper = base::DecodeUtf8(base::ToUpper(utf8));
            const int code = upper.size() == 1 ? base::Cp1251Code(upper[0]) : -1;
            t[b] = static_cast<unsigned char>(code < 0 ? b : code);
        }
        return t;
    }();
    return table;
}

}  // namespace

namespace {

const std::array<unsigned char, 256>& AsciiUpperTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[b] = static_cast<unsigned char>(b >= 'a' && b <= 'z' ? b - 32 : b);
        return t;
    }();
    return table;
}

}  // namespace

std::string FoldCase(std::string_view name, bool utf8) {
    const auto& upper = utf8 ? AsciiUpperTable() : UpperTable();
    std::string folded(name);
    for (char& c : folded) c = static_cast<char>(upper[static_cast<unsigned char>(c)]);
    return folded;
}

bool EqualFolded(std::string_view a, std::string_view b, bool utf8) {
    if (a.size() != b.size()) return false;
    const auto& upper = utf8 ? AsciiUpperTable() : UpperTable();
    for (size_t i = 0; i < a.size(); ++i) {
        if (upper[static_cast<unsigned char>(a[i])] != upper[static_cast<unsigned char>(b[i])])
            return false;
    }
    return true;
}

IniDocument::Line IniDocument::ParseLine(std::string_view text, std::string_view ending) {
    Line line;
    line.text = text;
    line.ending = ending;
    size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) ++start;
    if (start == text.size()) return line;
    const char first = text[start];
    if (first == '[') {
        const size_t close = text.rfind(']');
        const size_t end = close == std::string_view::npos || close < start ? text.size() : close;
        line.kind = Kind::Header;
        line.key = TrimBlanks(text.substr(start + 1, end - start - 1));
        return line;
    }
    if (first == ';' || first == '#') return line;
    const size_t equals = text.find('=', start);
    if (equals == std::string_view::npos) return line;
    line.key = TrimBlanks(text.substr(start, equals - start));
    if (line.key.empty()) return line;
    line.kind = Kind::Entry;
    line.valueStart = static_cast<uint32_t>(equals + 1);
    return line;
}

bool IniDocument::LooksLikeUtf8(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) return true;
    const auto high =
        std::find_if(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) != 0; });
    if (high == bytes.end()) return false;
    const size_t at = static_cast<size_t>(high - bytes.begin());
    const size_t lineStart = bytes.rfind('\n', at);
    const size_t start = lineStart == std::string_view::npos ? 0 : lineStart + 1;
    return base::IsValidUtf8(bytes.substr(start, bytes.find('\n', at) - start));
}

std::optional<std::string_view> IniDocument::HeaderName(std::string_view line) {
    const Line parsed = ParseLine(line, kNoEnding);
    if (parsed.kind != Kind::Header) return std::nullopt;
    return parsed.key;
}

IniDocument::IniDocument(std::string bytes) {
    const bool utf8 = LooksLikeUtf8(bytes);
    *this = IniDocument(std::move(bytes), utf8);
}

IniDocument::IniDocument(std::string bytes, bool utf8) {
    std::string_view data = Keep(std::move(bytes));
    utf8_ = utf8;
    if (data.starts_with(kByteOrderMark)) {
        mark_ = data.substr(0, kByteOrderMark.size());
        data.remove_prefix(kByteOrderMark.size());
    }
    mixed_ = utf8_ && !base::IsValidUtf8(data);
    sections_.emplace_back();
    bool newlineKnown = false;
    size_t pos = 0;
    while (pos < data.size()) {
        const size_t lf = data.find('\n', pos);
        std::string_view text, ending;
        if (lf == std::string_view::npos) {
            text = data.substr(pos);
            ending = kNoEnding;
            // A carriage return that ends the file ends its last line; it is kept as such.
            if (text.back() == '\r') {
                text.remove_suffix(1);
                ending = kCr;
            }
            pos = data.size();
        } else {
            text = data.substr(pos, lf - pos);
            ending = kLf;
            if (!text.empty() && text.back() == '\r') {
                text.remove_suffix(1);
                ending = kCrLf;
            }
            pos = lf + 1;
            if (!newlineKnown) newline_ = ending, newlineKnown = true;
        }
        Line line = ParseLine(text, ending);
        if (line.kind == Kind::Header) {
            sections_.push_back(Section{line.key, {}});
            index_.emplace(FoldCase(line.key, utf8_), sections_.size() - 1);
        }
        sections_.back().lines.push_back(line);
    }
}

std::string_view IniDocument::Keep(std::string text) {
    storage_.push_back(std::make_shared<const std::string>(std::move(text)));
    return *storage_.back();
}

int IniDocument::FindSection(std::string_view name) const {
    const auto it = index_.find(FoldCase(name, utf8_));
    return it == index_.end() ? -1 : static_cast<int>(it->second);
}

bool IniDocument::SectionIsClosed(std::string_view section) const {
    const int index = FindSection(section);
    return index >= 0 && static_cast<size_t>(index) + 1 < sections_.size();
}

std::optional<std::string_view> IniDocument::Find(std::string_view section,
                                                  std::string_view key) const {
    const int index = FindSection(section);
    if (index < 0) return std::nullopt;
    for (const Line& line : sections_[index].lines) {
        if (line.kind == Kind::Entry && EqualFolded(line.key, key, utf8_)) {
            return TrimBlanks(line.text.substr(line.valueStart));
        }
    }
    return std::nullopt;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    int index = FindSection(section);
    if (index < 0) {
        // A new section at the end of the file; the last line gets its line end if it had none.
        for (auto it = sections_.rbegin(); it != sections_.rend(); ++it) {
            if (it->lines.empty()) continue;
            std::string_view& ending = it->lines.back().ending;
            if (ending.empty() || ending == kCr) ending = newline_;
            break;
        }
        std::string header = "[";
        header.append(section).append("]");
        const std::string_view headerText = Keep(std::move(header));
        sections_.push_back(
            Section{headerText.substr(1, section.size()), {ParseLine(headerText, newline_)}});
        index = static_cast<int>(sections_.size() - 1);
        index_.emplace(FoldCase(section, utf8_), static_cast<size_t>(index));
    }
    std::vector<Line>& lines = sections_[index].lines;
    size_t insertAt = index == 0 ? 0 : 1;  // after the header when the section has no entry
    for (size_t i = 0; i < lines.size(); ++i) {
        Line& line = lines[i];
        if (line.kind != Kind::Entry) continue;
        if (EqualFolded(line.key, key, utf8_)) {
            std::string text(line.text.substr(0, line.valueStart));
            text.append(value);
            line = ParseLine(Keep(std::move(text)), line.ending);
            return;
        }
        insertAt = i + 1;
    }
    if (insertAt > 0 && (lines[insertAt - 1].ending.empty() || lines[insertAt - 1].ending == kCr))
        lines[insertAt - 1].ending = newline_;
    std::string text(key);
    text.append("=").append(value);
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                 ParseLine(Keep(std::move(text)), newline_));
}

std::string IniDocument::Bytes() const {
    size_t size = 0;
    for (const Section& section : sections_) {
        for (const Line& line : section.lines) size += line.text.size() + line.ending.size();
    }
    std::string bytes(mark_);
    bytes.reserve(mark_.size() + size);
    for (const Section& section : sections_) {
        for (const Line& line : section.lines) bytes.append(line.text).append(line.ending);
    }
    return bytes;
}

}  // namespace users
