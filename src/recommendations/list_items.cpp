#include "recommendations/list_items.h"

#include "base/numbers.h"
#include "base/text_codec.h"

namespace recommendations {

int16_t LeadingNumber(std::string_view item) {
    const std::string trimmed = base::Trim(item);
    if (trimmed.empty()) return 0;
    for (size_t length = trimmed.size(); length > 0; --length) {
        const std::string_view prefix = std::string_view(trimmed).substr(0, length);
        if (base::IsNumeric(prefix)) return base::CInt(base::Val(prefix));
    }
    return 0;
}

std::string TrailingLetters(std::string_view item) {
    const std::string trimmed = base::Trim(item);
    // An item that is not text (malformed UTF-8 cannot come from the catalogue) has no letters.
    if (trimmed.empty() || base::IsNumeric(trimmed) || !base::IsValidUtf8(trimmed)) return "";
    const std::u32string characters = base::DecodeUtf8(trimmed);
    size_t start = characters.size();
    while (start > 0) {
        const char32_t c = characters[start - 1];
        const int code = base::Cp1251Code(c);
        if ((code >= 0 ? code : static_cast<int>(c)) <= 96) break;
        --start;
    }
    return base::EncodeUtf8(std::u32string_view(characters).substr(start));
}

}  // namespace recommendations
