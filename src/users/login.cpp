#include "users/login.h"

#include <algorithm>

#include "base/failure.h"
#include "base/numbers.h"
#include "base/text_codec.h"
#include "text/catalogue.h"
#include "users/ini_file.h"
#include "users/profiles.h"

namespace users {

std::vector<LoginEntry> BuildLoginList(const std::filesystem::path& programDir) {
    std::vector<LoginEntry> entries;
    for (std::string& fileName : ListProfileFiles(programDir)) {
        const std::vector<std::string> names = ReadIniSection(
            ProfilePath(programDir, fileName), kSettings, {kLastNameKey, kNameKey}, kMissing);
        entries.push_back({names[0] + " " + names[1], std::move(fileName)});
    }
    // UTF-8 compared byte by byte is code-point order.
    std::stable_sort(entries.begin(), entries.end(), [](const LoginEntry& a, const LoginEntry& b) {
        return a.displayName < b.displayName;
    });
    return entries;
}

bool PasswordMatches(std::string_view typed, std::string_view stored) {
    return base::Trim(typed) == base::Trim(stored);
}

namespace {

// Why a profile cannot be used: item of the list, with the stored year of birth where it says.
std::string DamageReason(int item, std::string_view yearBirth) {
    return text::WithValues(text::GetListItem(text::FormText("profiles", "DamageReasons"), item),
                            {yearBirth});
}

}  // namespace

LoadedUser ReadProfileUser(const std::string& file, std::string_view fileName,
                           std::string_view displayName) {
    const std::string yearBirth = ReadIni(file, kSettings, kYearBirthKey, kMissing);
    LoadedUser loaded;
    auto damaged = [&](const std::string& what) {
        loaded.damage =
            text::WithValues(text::FormText("profiles", "Damaged"), {displayName, fileName, what});
        return loaded;
    };
    if (!base::IsNumeric(yearBirth)) {
        return damaged(DamageReason(yearBirth == kMissing ? 1 : 2, yearBirth));
    }
    ProfileUser& user = loaded.user;
    try {
        user.yearBirth = base::CInt(base::Val(yearBirth));
    } catch (const base::RuntimeFailure&) {
        return damaged(DamageReason(3, yearBirth));
    }
    try {
        user.nextTestNum = NextTestNum(file);
    } catch (const base::RuntimeFailure&) {
        return damaged(DamageReason(4, ""));
    }
    user.firstName = ReadIni(file, kSettings, kNameKey, kMissing);
    user.lastName = ReadIni(file, kSettings, kLastNameKey, kMissing);
    user.number = static_cast<int16_t>(ProfileNumber(fileName).value_or(0));
    user.sex = base::ToLower(ReadIni(file, kSettings, kSexKey, kMissing));
    user.height =
        static_cast<float>(base::Val(ReadIni(file, kSettings, kHeightKey, kMissingHeight)));
    loaded.ok = true;
    return loaded;
}

}  // namespace users
