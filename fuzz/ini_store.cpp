// The profile store on real files: whatever a profile holds, a value written is read back (or the
// write is refused and the file is untouched), the login list's partial read agrees with the
// full read, and no temporary file is left.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "base/text_codec.h"
#include "fuzz_check.h"
#include "users/ini_file.h"

namespace {

namespace fs = std::filesystem;

const fs::path& Directory() {
    static const fs::path directory = [] {
        const fs::path base =
            fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        fs::path dir = base / ("zorvek-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        return dir;
    }();
    return directory;
}

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Trimmed(std::string text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.erase(0, 1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    // The first line is what is written ("section|key|value"), the rest the profile as it was.
    const size_t lineEnd = all.find('\n');
    const std::string_view request = all.substr(0, lineEnd);
    const std::string_view profile =
        lineEnd == std::string_view::npos ? std::string_view() : all.substr(lineEnd + 1);
    const size_t bar1 = request.find('|');
    const size_t bar2 = bar1 == std::string_view::npos ? bar1 : request.find('|', bar1 + 1);
    const std::string section(bar1 == std::string_view::npos ? "Settings"
                                                             : request.substr(0, bar1));
    const std::string key(
        bar2 == std::string_view::npos ? "Name" : request.substr(bar1 + 1, bar2 - bar1 - 1));
    const std::string value(bar2 == std::string_view::npos ? request : request.substr(bar2 + 1));

    // A new name each time: the store keeps the files it wrote as it wrote them, and this run
    // rewrites them faster than file times tell.
    static unsigned long run = 0;
    const fs::path file = Directory() / ("ZRVI" + std::to_string(++run) + ".ini");
    { std::ofstream(file, std::ios::binary | std::ios::trunc) << profile; }

    const std::vector<std::string_view> keys = {"LastName", "Name", "Passw"};
    const std::vector<std::string> partial = users::ReadIniSection(file, "Settings", keys, "?");
    for (size_t i = 0; i < keys.size(); ++i) {
        FUZZ_CHECK(partial[i] == users::ReadIni(file, "Settings", keys[i], "?"));
        FUZZ_CHECK(base::IsValidUtf8(partial[i]));
    }

    const users::WriteResult result = users::WriteIni(file, section, key, value);
    if (!result) {
        FUZZ_CHECK(Bytes(file) == profile);
    } else {
        std::string expected = value;
        for (char& c : expected) {
            if (c == '\r' || c == '\n') c = ' ';
        }
        expected = base::CharLeft(Trimmed(expected), users::kMaxValueChars);
        FUZZ_CHECK(users::ReadIni(file, section, key, "\x01") == expected);
    }
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(Directory())) ++entries;
    FUZZ_CHECK(entries == 1);
    fs::remove(file);
    return 0;
}
