#include "docs/rtf_escape.h"

#include "base/text_codec.h"

namespace docs {

void AppendByteEscape(std::string& out, unsigned char byte) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\'";
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
}

std::string RtfEscape(std::string_view s) {
    std::string out;
    out.reserve(s.size() * 2);
    for (const char32_t c : base::DecodeUtf8(s)) {
        const int code = base::Cp1251Code(c);
        if (code >= 192) {
            AppendByteEscape(out, static_cast<unsigned char>(code));
        } else if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else {
            base::AppendUtf8(out, c);
        }
    }
    return out;
}

}  // namespace docs
