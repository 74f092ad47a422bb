#include "users/profiles.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "base/numbers.h"
#include "base/text_codec.h"
#include "users/file_replace.h"
#include "users/ini_file.h"

namespace users {

std::string ProfileFileName(int number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", number);
    return std::string("ZRVI") + digits + ".ini";
}

std::string ProfilePath(const std::filesystem::path& programDir, std::string_view fileName) {
    return (programDir / std::string(fileName)).string();
}

std::optional<int> ProfileNumber(std::string_view fileName) {
    if (fileName.size() != 11) return std::nullopt;
    const auto sameLetters = [](std::string_view name, std::string_view upper) {
        return std::equal(name.begin(), name.end(), upper.begin(), upper.end(), [](char a, char b) {
            return (a >= 'a' && a <= 'z' ? static_cast<char>(a - 32) : a) == b;
        });
    };
    if (!sameLetters(fileName.substr(0, 4), "ZRVI") || !sameLetters(fileName.substr(7), ".INI")) {
        return std::nullopt;
    }
    int number = 0;
    for (char c : fileName.substr(4, 3)) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}

std::vector<std::string> ListProfileFiles(const std::filesystem::path& programDir) {
    RemoveStaleTemporaryFiles(
        programDir, [](std::string_view name) { return ProfileNumber(name).has_value(); });
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(programDir, error), end; !error && it != end;
         it.increment(error)) {
        std::string name = it->path().filename().string();
        if (!ProfileNumber(name)) continue;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<NewProfile> AllocateProfile(const std::filesystem::path& programDir) {
    std::set<int> taken;
    for (const std::string& name : ListProfileFiles(programDir)) taken.insert(*ProfileNumber(name));
    for (int n = 1; n <= kMaxProfiles; ++n) {
        if (taken.count(n)) continue;
        // A file of that name that is not a regular file (a folder) still blocks the name.
        std::error_code error;
        const std::string path = ProfilePath(programDir, ProfileFileName(n));
        if (std::filesystem::exists(path, error)) continue;
        return NewProfile{static_cast<int16_t>(n), path};
    }
    return std::nullopt;
}

std::optional<std::string> FindRegisteredPerson(const std::filesystem::path& programDir,
                                                std::string_view lastName,
                                                std::string_view firstName, int yearBirth) {
    const auto same = [](std::string_view stored, std::string_view typed) {
        return base::ToUpper(base::Trim(stored)) == base::ToUpper(base::Trim(typed));
    };
    for (const std::string& name : ListProfileFiles(programDir)) {
        const std::vector<std::string> stored =
            ReadIniSection(ProfilePath(programDir, name), kSettings,
                           {kLastNameKey, kNameKey, kYearBirthKey}, kMissing);
        if (stored[0] == kMissing || stored[1] == kMissing) continue;
        if (!same(stored[0], lastName) || !same(stored[1], firstName)) continue;
        if (!base::IsNumeric(stored[2]) || base::Val(stored[2]) != yearBirth) continue;
        return name;
    }
    return std::nullopt;
}

int16_t NextTestNum(const std::string& file) {
    const std::string dateNum = ReadIni(file, kSettings, kDateNumKey, kMissing);
    if (dateNum == kMissing) return 1;
    return base::CInt(base::Val(dateNum) + 1);
}

}  // namespace users
