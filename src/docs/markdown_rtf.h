#pragma once
// The document sources of content/doc/ (UTF-8, a small subset of Markdown, described in
// content/README.md) turned into the Windows-1251 RTF documents that the viewer shows.
#include <string>
#include <string_view>

namespace docs {

// What makes a source unusable, as "line N: ..." for the first such place; "" when the source is
// fine. Text that is not UTF-8 would come out as wrong letters, so the build refuses it.
std::string SourceProblem(std::string_view utf8);

// The whole RTF document of a source. Every character of the text comes out: Windows-1251
// letters as \'hh, characters outside the code page as \uN?, so the result is plain ASCII.
// Text that is not markup (markers such as "^^12 ^", placeholders such as "яяяяяя" or
// "dd.mm.yy") is written exactly as it stands, never split by a control word.
std::string MarkdownToRtf(std::string_view utf8);

}  // namespace docs
