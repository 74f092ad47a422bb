#pragma once
// The returning user: the list of registered users, the password check and the registration
// data read back from the chosen profile.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace users {

struct LoginEntry {
    std::string displayName;  // LastName + " " + Name, "?" for either that is missing
    std::string fileName;     // "ZRVI003.ini"
};

// Every profile of the directory, sorted by display name in character-code order (upper-case
// Cyrillic before lower-case); profiles of the same display name in file-name order.
std::vector<LoginEntry> BuildLoginList(const std::filesystem::path& programDir);

// The typed and the stored password, both without blanks at their ends, letter case counting.
bool PasswordMatches(std::string_view typed, std::string_view stored);

struct ProfileUser {
    std::string firstName;
    std::string lastName;
    int16_t number = 0;
    int16_t yearBirth = 0;
    std::string sex;  // lower case
    float height = 0.0f;
    int16_t nextTestNum = 1;
};

struct LoadedUser {
    bool ok = false;
    ProfileUser user;
    std::string damage;  // when not ok: what is wrong with the profile, for the user
};

// The user's registration data from [Settings] of the profile. A value that cannot stand for
// what it should (a year of birth that is not a number) leaves the profile unused: the caller
// shows `damage` and changes nothing.
LoadedUser ReadProfileUser(const std::string& file, std::string_view fileName,
                           std::string_view displayName);

}  // namespace users
