#include "recommendations/template_text.h"

#include <algorithm>

#include "base/text_codec.h"

namespace recommendations {

PlainTemplateText::PlainTemplateText(std::string_view utf8) : text_(base::DecodeUtf8(utf8)) {}

long PlainTemplateText::Find(std::string_view what, long from) const {
    if (from < 0 || static_cast<size_t>(from) > text_.size()) return -1;
    const size_t at = text_.find(base::DecodeUtf8(what), static_cast<size_t>(from));
    return at == std::u32string::npos ? -1 : static_cast<long>(at);
}

std::string PlainTemplateText::Mid(long start, long length) const {
    if (start < 0 || length <= 0 || static_cast<size_t>(start) >= text_.size()) return "";
    return base::EncodeUtf8(
        std::u32string_view(text_).substr(static_cast<size_t>(start), static_cast<size_t>(length)));
}

void PlainTemplateText::Replace(long start, long length, std::string_view with) {
    if (start < 0 || static_cast<size_t>(start) > text_.size()) return;
    const size_t count = std::min(static_cast<size_t>(std::max(length, 0L)),
                                  text_.size() - static_cast<size_t>(start));
    text_.replace(static_cast<size_t>(start), count, base::DecodeUtf8(with));
}

std::string PlainTemplateText::Text() const { return base::EncodeUtf8(text_); }

}  // namespace recommendations
