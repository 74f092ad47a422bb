#include "results/user_profile.h"

#include "users/ini_file.h"

namespace results {

std::string UserProfile::Read(const std::string& section, const std::string& key,
                              const std::string& defaultValue) {
    return users::ReadIni(file_, section, key, defaultValue);
}

StoreResult UserProfile::Write(const std::vector<ProfileEntry>& entries) {
    std::vector<users::IniEntry> values;
    values.reserve(entries.size());
    for (const ProfileEntry& entry : entries)
        values.push_back({entry.section, entry.key, entry.value});
    const users::WriteResult written = users::WriteIni(file_, values);
    return {written.ok, written.reason};
}

}  // namespace results
