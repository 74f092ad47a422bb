// The catalogue's index finds exactly what a plain search of the table finds; message lists and
// the letter notation of recommendation items take any text.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "base/failure.h"
#include "base/text_codec.h"
#include "fuzz_check.h"
#include "recommendations/list_items.h"
#include "text/catalogue.h"

namespace {

// The catalogue's rule, spelled out as a search of the whole table.
std::string Searched(const std::string& table, long key) {
    const std::string marker = "^" + std::to_string(key) + "~";
    const size_t at = table.find(marker);
    if (at == std::string::npos) return "?" + std::to_string(key) + "?";
    const size_t start = at + marker.size();
    const size_t next = table.find('^', at + 1);
    const size_t end = next == std::string::npos ? table.size() : next;
    return text::ReplaceBreaks(std::string_view(table).substr(start, end - start));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string table(reinterpret_cast<const char*>(data), size);
    const text::Catalogue catalogue({{3, table}});
    const bool tooLong = base::CharLength(table) > text::Catalogue::kMaxTableChars;
    // Every key the table names, and a few it does not.
    std::map<long, bool> keys = {{3000, true}, {3001, true}, {3999, true}};
    for (size_t at = table.find('^'); at != std::string::npos; at = table.find('^', at + 1)) {
        long key = 0;
        size_t i = at + 1;
        for (; i < table.size() && i < at + 7 && table[i] >= '0' && table[i] <= '9'; ++i)
            key = key * 10 + (table[i] - '0');
        if (key >= 3000 && key <= 3999) keys[key] = true;
    }
    for (const auto& [key, _] : keys) {
        try {
            FUZZ_CHECK(catalogue.Text(key) == Searched(table, key));
            FUZZ_CHECK(!tooLong);
        } catch (const base::RuntimeFailure&) {
            FUZZ_CHECK(tooLong);
        }
    }
    FUZZ_CHECK(catalogue.Table(3) == table);

    for (int n = 0; n < 12; ++n) text::GetListItem(table, n);
    try {
        recommendations::LeadingNumber(table);
    } catch (const base::RuntimeFailure&) {
    }
    const std::string letters = recommendations::TrailingLetters(table);
    FUZZ_CHECK(letters.size() <= table.size());
    return 0;
}
