#pragma once
// A profile held in memory: records every value written, in order, and can be told to refuse a
// write (a write that fails changes nothing, as with the real profile files).
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "results/profile_store.h"

namespace testsupport {

class MemoryProfile : public results::ProfileStore {
  public:
    std::map<std::string, std::map<std::string, std::string>> sections;
    std::vector<std::pair<std::string, std::string>> writes;  // "section", "key=value"
    std::set<std::string> refusedKeys;                        // writes of these keys fail
    bool refuseAll = false;

    std::string Read(const std::string& section, const std::string& key,
                     const std::string& defaultValue) override {
        const auto s = sections.find(section);
        if (s == sections.end()) return defaultValue;
        const auto k = s->second.find(key);
        return k == s->second.end() ? defaultValue : k->second;
    }
    results::StoreResult Write(const std::vector<results::ProfileEntry>& entries) override {
        for (const auto& entry : entries) {
            if (refuseAll || refusedKeys.count(entry.key)) return {false, "на диске нет места"};
        }
        for (const auto& entry : entries) {
            writes.emplace_back(entry.section, entry.key + "=" + entry.value);
            sections[entry.section][entry.key] = entry.value;
        }
        return {};
    }
    // A stored run: its date and the given keys.
    void AddRun(int run, const std::string& date, const std::map<std::string, std::string>& keys) {
        auto& section = sections["Result" + std::to_string(run)];
        section["DateTest"] = date;
        section["TimeTest"] = "09:00:00";
        for (const auto& [key, value] : keys) section[key] = value;
    }
};

}  // namespace testsupport
