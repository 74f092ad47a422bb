// A profile's bytes come out of the parsed file exactly as they went in; a value set is found
// again after the file is parsed anew, and no other value changes.
#include "users/ini_document.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"

namespace {

// Names and values that the store lets through: one line, no blanks at the ends, nothing that
// starts a section or comment.
std::string Clean(std::string_view text, bool name) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '=' || c == ']' || c == '[') continue;
        if (name && (c == ';' || c == '#')) continue;
        out += c;
    }
    while (!out.empty() && out.front() == ' ') out.erase(0, 1);
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    users::IniDocument document{std::string(all)};
    FUZZ_CHECK(document.Bytes() == all);
    FUZZ_CHECK(users::IniDocument(document.Bytes()).Bytes() == all);

    // The last bytes pick a section, a key and a value.
    const std::string_view tail = all.substr(all.size() > 24 ? all.size() - 24 : 0);
    const std::string section = Clean(tail.substr(0, 8), true);
    const std::string key = Clean(tail.substr(tail.size() > 8 ? 8 : tail.size(), 8), true);
    const std::string value = Clean(tail.substr(tail.size() > 16 ? 16 : tail.size()), false);
    if (section.empty() || key.empty()) return 0;
    const std::string otherSection = "Settings", otherKey = "Name";
    const auto before = document.Find(otherSection, otherKey);
    const std::string otherBefore = before ? std::string(*before) : "<none>";

    document.Set(section, key, value);
    const users::IniDocument reread(document.Bytes());
    const auto found = reread.Find(section, key);
    FUZZ_CHECK(found && *found == value);
    FUZZ_CHECK(reread.Bytes() == document.Bytes());
    if (!users::EqualFolded(users::FoldCase(section), users::FoldCase(otherSection)) ||
        !users::EqualFolded(users::FoldCase(key), users::FoldCase(otherKey))) {
        const auto after = reread.Find(otherSection, otherKey);
        FUZZ_CHECK((after ? std::string(*after) : "<none>") == otherBefore);
    }
    return 0;
}
