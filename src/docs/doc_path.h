#pragma once
// Document paths are stored Windows-style ("\DOC\O-ZH-3-r.rtf") and mix "\DOC" and "\Doc"; on a
// case-sensitive file system they are matched without regard to letter case.
#include <filesystem>
#include <string_view>

namespace docs {

// The file below programDir that the stored path names: each component matched exactly if it
// exists, otherwise without regard to letter case. When nothing matches, the path as written
// (with "/" separators), which does not exist.
std::filesystem::path ResolveDocPath(const std::filesystem::path& programDir,
                                     std::string_view storedPath);

}  // namespace docs
