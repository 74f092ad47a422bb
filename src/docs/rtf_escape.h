#pragma once
// Escaping text for RTF documents: how screens put a name or a date into a document's RTF text.
#include <string>
#include <string_view>

namespace docs {

// s with every letter "А" to "я" (Windows-1251 codes 192 to 255) written as \' and two lower-case
// hex digits of its code ("Мир Ё" gives "\'cc\'e8\'f0 Ё"). "\", "{" and "}" become \\, \{ and \},
// so that a text holding them cannot break the document or add RTF commands of its own. Every
// other character is kept as it is (UTF-8; the viewer's RTF text is UTF-8).
std::string RtfEscape(std::string_view s);

// Appends \'hh for a byte, in lower-case hex.
void AppendByteEscape(std::string& out, unsigned char byte);

}  // namespace docs
