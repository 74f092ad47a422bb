#pragma once
// The user's profile file as the results screens use it: read a value with a default, write a
// value. The test record and the history of earlier runs go through nothing else.
#include <string>

namespace results {

class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    // The stored value, or defaultValue when the section or the key is absent.
    virtual std::string Read(const std::string& section, const std::string& key,
                             const std::string& defaultValue) = 0;
    // Writes key = value into section; false when the file could not be written.
    virtual bool Write(const std::string& section, const std::string& key, const std::string& value) = 0;
};

}  // namespace results
