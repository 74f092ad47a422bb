#pragma once
// The user's profile file as the results screens use it: read a value with a default, write a
// group of values. The test record and the history of earlier runs go through nothing else.
#include <string>
#include <vector>

namespace results {

struct ProfileEntry {
    std::string section;
    std::string key;
    std::string value;
};

struct StoreResult {
    bool ok = true;
    std::string reason;  // why a write failed, in words for the user; may be empty
};

class ProfileStore {
  public:
    virtual ~ProfileStore() = default;
    // The stored value, or defaultValue when the section or the key is absent.
    virtual std::string Read(const std::string& section, const std::string& key,
                             const std::string& defaultValue) = 0;
    // Writes the entries in their order, all of them or none: a failed write leaves the file as
    // it was.
    virtual StoreResult Write(const std::vector<ProfileEntry>& entries) = 0;
};

}  // namespace results
