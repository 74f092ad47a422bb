#pragma once
// The content files compiled into the program (made by tools/embed_content at build time).
#include <string_view>
#include <vector>

namespace text {

struct EmbeddedFile {
    std::string_view path;  // relative to content/, e.g. "catalogue/011.txt"
    std::string_view data;  // the file's bytes, UTF-8
};

const std::vector<EmbeddedFile>& EmbeddedContent();

}  // namespace text
