#include "recommendations/preparations.h"

#include "base/numbers.h"
#include "text/catalogue.h"

namespace recommendations {

std::vector<int16_t> ParseCategoryList(std::string_view text) {
    std::vector<int16_t> categories;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        const std::string_view element = text.substr(
            start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        categories.push_back(base::CInt(base::Val(base::Trim(element))));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return categories;
}

std::vector<int16_t> CategoryList() {
    return ParseCategoryList(text::GetCatalogText(kCategoryListKey));
}

int Category(const std::vector<int16_t>& categories, int p) {
    if (p < 0 || static_cast<size_t>(p) >= categories.size()) return kNotListed;
    return categories[static_cast<size_t>(p)];
}

std::string PreparationName(int p) { return text::GetCatalogText(kCategoryListKey + p); }

std::string Program1List() { return text::GetBufText(kProgram1ListSlot); }

}  // namespace recommendations
