#pragma once
// The profile files of the registered users: "ZRVI" + the number in three digits + ".ini" in the
// program's directory, one per user, registration data in [Settings].
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace users {

inline constexpr std::string_view kSettings = "Settings";
inline constexpr std::string_view kPasswKey = "Passw";
inline constexpr std::string_view kNameKey = "Name";
inline constexpr std::string_view kYearBirthKey = "YearBirth";
inline constexpr std::string_view kSexKey = "Sex";
inline constexpr std::string_view kLastNameKey = "LastName";
inline constexpr std::string_view kDateRegKey = "DateReg";
inline constexpr std::string_view kTimeRegKey = "TimeReg";
inline constexpr std::string_view kHeightKey = "Height";
inline constexpr std::string_view kDateNumKey = "DateNum";
// What reading gives for an absent key: "?" for every key, "0" for the height.
inline constexpr std::string_view kMissing = "?";
inline constexpr std::string_view kMissingHeight = "0";

// The login list shows three-digit numbers only, so there can be no more profiles than this.
inline constexpr int kMaxProfiles = 999;

// "ZRVI003.ini": the number with at least three digits.
std::string ProfileFileName(int number);
// The full path of a profile file in the program's directory.
std::string ProfilePath(const std::filesystem::path& programDir, std::string_view fileName);
// The number of a profile file name: "ZRVI" + three digits + ".ini", letters in any case
// ("zrvi003.INI" is 3); nullopt for any other name.
std::optional<int> ProfileNumber(std::string_view fileName);

// The names of the profile files in the directory, sorted by character code. The temporary
// copies that killed writers of profiles left behind (each a whole profile with its password)
// are removed first.
std::vector<std::string> ListProfileFiles(const std::filesystem::path& programDir);

struct NewProfile {
    int16_t number = 0;
    std::string file;  // full path
};
// The smallest number n >= 1 without a profile file (in any letter case); nullopt when all
// numbers up to 999 are taken. Nothing is written.
std::optional<NewProfile> AllocateProfile(const std::filesystem::path& programDir);

// The profile already registered for this person: the same last name and first name (letter
// case and blanks at the ends aside) and the same year of birth. The file name of the first such
// profile in file-name order, or nullopt when there is none.
std::optional<std::string> FindRegisteredPerson(const std::filesystem::path& programDir,
                                                std::string_view lastName,
                                                std::string_view firstName, int yearBirth);

// The number of the next test record: DateNum + 1, or 1 when the profile has no DateNum.
int16_t NextTestNum(const std::string& file);

}  // namespace users
