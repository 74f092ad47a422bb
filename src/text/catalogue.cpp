#include "text/catalogue.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "base/failure.h"
#include "base/text_codec.h"
#include "text/embedded_content.h"

namespace text {
namespace {

// The lines of a content file, line ends dropped; blank lines and "#" comments skipped.
std::vector<std::string_view> ContentLines(std::string_view data) {
    std::vector<std::string_view> lines;
    while (!data.empty()) {
        size_t end = data.find('\n');
        std::string_view line = data.substr(0, end);
        data = end == std::string_view::npos ? std::string_view{} : data.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        lines.push_back(line);
    }
    return lines;
}

std::string JoinLines(std::string_view data) {
    std::string joined;
    for (std::string_view line : ContentLines(data)) joined += line;
    return joined;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// Files of one folder of the embedded content, in file-name order.
std::vector<EmbeddedFile> FilesUnder(std::string_view folder) {
    std::vector<EmbeddedFile> files;
    for (const EmbeddedFile& file : EmbeddedContent()) {
        if (StartsWith(file.path, folder)) files.push_back(file);
    }
    std::sort(files.begin(), files.end(),
              [](const EmbeddedFile& a, const EmbeddedFile& b) { return a.path < b.path; });
    return files;
}

// The catalogue's tables, joined from their files; the catalogue keeps the only copy.
std::map<int, std::string> BuiltinTables() {
    std::map<int, std::string> tables;
    for (const EmbeddedFile& file : FilesUnder("catalogue/")) {
        const std::string_view name = file.path.substr(std::string_view("catalogue/").size());
        if (name.size() < 3) continue;
        const int table = std::stoi(std::string(name.substr(0, 3)));
        tables[table] += JoinLines(file.data);
    }
    return tables;
}

struct BuiltinTexts {
    std::string slots[10];
    std::map<std::string, std::string, std::less<>> forms;  // "form.control" -> caption

    BuiltinTexts() {
        for (const EmbeddedFile& file : FilesUnder("buffer/slot_")) {
            const int slot =
                std::stoi(std::string(file.path.substr(std::string_view("buffer/slot_").size())));
            if (slot >= 0 && slot <= 9) slots[slot] = JoinLines(file.data);
        }
        for (const EmbeddedFile& file : FilesUnder("forms/")) {
            std::string_view form = file.path.substr(std::string_view("forms/").size());
            form = form.substr(0, form.rfind('.'));
            for (std::string_view line : ContentLines(file.data)) {
                const size_t tilde = line.find('~');
                if (tilde == std::string_view::npos) continue;
                std::string caption(line.substr(tilde + 1));
                // "¶" is a line break that belongs to the caption itself.
                for (size_t at; (at = caption.find("\u00B6")) != std::string::npos;) {
                    caption.replace(at, std::string_view("\u00B6").size(), kLineBreak);
                }
                forms[std::string(form) + "." + std::string(line.substr(0, tilde))] =
                    std::move(caption);
            }
        }
    }
};

const BuiltinTexts& Builtin() {
    static const BuiltinTexts texts;
    return texts;
}

}  // namespace

std::string ReplaceBreaks(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        if (s.substr(i, kBreakToken.size()) == kBreakToken) {
            out += kLineBreak;
            i += kBreakToken.size();
        } else {
            out += s[i++];
        }
    }
    return out;
}

std::string GetListItem(std::string_view list, int n) {
    const std::string marker = "^" + std::to_string(n);
    const size_t at = list.find(marker);
    if (at == std::string_view::npos) return "";
    const size_t start = at + marker.size();
    const size_t next = list.find('^', at + 1);
    const size_t end = next == std::string_view::npos ? list.size() : next;
    return ReplaceBreaks(start <= end ? list.substr(start, end - start) : std::string_view{});
}

Catalogue::Catalogue(std::map<int, std::string> tables) {
    for (auto& [index, text] : tables) tables_[index].text = std::move(text);
}

void Catalogue::Index(Indexed& table) {
    // A table of no more bytes than the limit has no more characters either.
    table.tooLong =
        table.text.size() > kMaxTableChars && base::CharLength(table.text) > kMaxTableChars;
    const std::string_view all = table.text;
    for (size_t at = all.find('^'); at != std::string_view::npos;) {
        const size_t next = all.find('^', at + 1);
        const size_t end = next == std::string_view::npos ? all.size() : next;
        const std::string_view entry = all.substr(at + 1, end - at - 1);
        const size_t tilde = entry.find('~');
        if (tilde != std::string_view::npos) {
            table.entries.emplace(entry.substr(0, tilde), entry.substr(tilde + 1));
        }
        at = next;
    }
}

const std::string& Catalogue::Table(int index) const {
    static const std::string empty;
    const auto it = tables_.find(index);
    return it == tables_.end() ? empty : it->second.text;
}

std::string Catalogue::Text(long key) const {
    const long index = key / 1000;
    if (index < 0 || index >= kTables) throw base::SubscriptOutOfRange();
    const std::string name = std::to_string(key);
    const auto table = tables_.find(static_cast<int>(index));
    if (table == tables_.end()) return "?" + name + "?";
    std::call_once(table->second.indexed, Index, std::ref(table->second));
    if (table->second.tooLong) throw base::Overflow();
    const auto entry = table->second.entries.find(name);
    if (entry == table->second.entries.end()) return "?" + name + "?";
    return ReplaceBreaks(entry->second);
}

const Catalogue& BuiltinCatalogue() {
    static const Catalogue catalogue(BuiltinTables());
    return catalogue;
}

std::string GetCatalogText(long key) { return BuiltinCatalogue().Text(key); }

std::string GetBufText(int n) {
    if (n < 0 || n > 9) throw base::SubscriptOutOfRange();
    return Builtin().slots[n];
}

std::string FormText(std::string_view form, std::string_view control) {
    const std::string key = std::string(form) + "." + std::string(control);
    const auto& forms = Builtin().forms;
    const auto it = forms.find(key);
    return it == forms.end() ? "?" + key + "?" : it->second;
}

bool HasFormText(std::string_view form, std::string_view control) {
    return Builtin().forms.count(std::string(form) + "." + std::string(control)) > 0;
}

std::string WithValues(std::string pattern, std::initializer_list<std::string_view> values) {
    std::string result;
    for (size_t at = 0; at < pattern.size(); ++at) {
        const size_t n = at + 1 < pattern.size() && pattern[at] == '%'
                             ? static_cast<size_t>(pattern[at + 1] - '1')
                             : values.size();
        if (n < values.size()) {
            result += *(values.begin() + n);
            ++at;
        } else {
            result += pattern[at];
        }
    }
    return result;
}

}  // namespace text
