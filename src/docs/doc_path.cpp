#include "docs/doc_path.h"

#include <string>
#include <system_error>

#include "base/text_codec.h"

namespace docs {

namespace fs = std::filesystem;

fs::path ResolveDocPath(const fs::path& programDir, std::string_view storedPath) {
    fs::path resolved = programDir;
    bool found = true;
    std::string component;
    auto step = [&](const std::string& name) {
        if (name.empty()) return;
        fs::path exact = resolved / name;
        std::error_code error;
        if (found && !fs::exists(exact, error)) {
            found = false;
            const std::string wanted = base::ToLower(name);
            for (const auto& entry : fs::directory_iterator(resolved, error)) {
                if (base::ToLower(entry.path().filename().string()) == wanted) {
                    exact = entry.path();
                    found = true;
                    break;
                }
            }
        }
        resolved = exact;
    };
    for (char c : storedPath) {
        if (c == '\\' || c == '/') {
            step(component);
            component.clear();
        } else {
            component += c;
        }
    }
    step(component);
    return resolved;
}

}  // namespace docs
