#include "recommendations/template_fill.h"

#include "base/text_codec.h"
#include "docs/rtf_escape.h"

namespace recommendations {

std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with) {
    if (what.empty()) return std::string(text);
    std::string result;
    size_t start = 0;
    for (size_t at; (at = text.find(what, start)) != std::string_view::npos;
         start = at + what.size()) {
        result.append(text.substr(start, at - start));
        result.append(with);
    }
    result.append(text.substr(start));
    return result;
}

std::string FillDateRtf(std::string_view rtf, std::string_view date) {
    return ReplaceAll(rtf, kRtfDatePlaceholder, date);
}

std::string FillSalutationRtf(std::string_view rtf, std::string_view salutation) {
    return ReplaceAll(rtf, kRtfSalutationPlaceholder, docs::RtfEscape(salutation));
}

bool FillFirstPlaceholder(TemplateText& text, std::string_view placeholder, std::string_view with) {
    const long pos = text.Find(placeholder, 0);
    if (pos <= 0) return false;
    text.Replace(pos, static_cast<long>(base::CharLength(placeholder)), with);
    return true;
}

}  // namespace recommendations
