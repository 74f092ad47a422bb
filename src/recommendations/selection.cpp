#include "recommendations/selection.h"

#include <algorithm>

#include "base/numbers.h"
#include "base/text_codec.h"
#include "recommendations/list_items.h"
#include "recommendations/preparations.h"

namespace recommendations {

void Selection::AddLetters(int p, std::string_view letters) {
    SelectionRecord& record = records_(p);
    const std::string lower = base::ToLower(letters);
    if (lower.empty() || record.letters.find(lower) != std::string::npos) return;
    record.letters += lower;
}

void Selection::Order(const std::vector<int16_t>& categories, int lastCategory) {
    std::vector<SelectionRecord> ordered;
    const int lastIndex = std::min<int>(kSlots, static_cast<int>(categories.size()) - 1);
    for (int c = 1; c <= lastCategory; ++c) {
        for (int p = 1; p <= lastIndex; ++p) {
            const SelectionRecord& record = records_(p);
            if (record.product < 1 || Category(categories, p) != c) continue;
            ordered.push_back(
                {static_cast<int16_t>(p), record.letters == "ba" ? "ab" : record.letters});
        }
    }
    Clear();
    for (size_t i = 0; i < ordered.size(); ++i) records_(static_cast<int>(i) + 1) = ordered[i];
}

std::vector<SelectionRecord> Selection::Listed() const {
    std::vector<SelectionRecord> listed;
    for (int slot = 1; slot <= kSlots && records_(slot).product >= 1; ++slot)
        listed.push_back(records_(slot));
    return listed;
}

std::vector<std::string> SplitList(std::string_view list) {
    std::vector<std::string> items;
    size_t start = 0;
    while (true) {
        const size_t comma = list.find(',', start);
        items.emplace_back(list.substr(
            start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos) return items;
        start = comma + 1;
    }
}

void MarkLetterList(Selection& selection, std::string_view list) {
    for (const std::string& item : SplitList(list)) {
        if (base::Trim(item).empty()) continue;
        const int p = LeadingNumber(item);
        selection.Mark(p);
        selection.AddLetters(p, TrailingLetters(item));
    }
}

void MarkDashList(Selection& selection, std::string_view list) {
    std::string plain(list);
    for (char variant = '1'; variant <= '6'; ++variant) {
        const std::string marker{'-', variant};
        for (size_t at; (at = plain.find(marker)) != std::string::npos;)
            plain.erase(at, marker.size());
    }
    for (const std::string& item : SplitList(plain)) {
        if (base::IsNumeric(item)) selection.Mark(base::CInt(base::Val(item)));
    }
}

void LoadCodeList(Selection& selection, std::string_view list) {
    const std::vector<std::string> items = SplitList(list);
    for (size_t j = 0; j < items.size(); ++j) {
        selection(static_cast<int>(j) + 1) = {base::CIntText(items[j]), ""};
    }
}

}  // namespace recommendations
