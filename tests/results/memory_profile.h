#pragma once
// A profile held in memory: records every write in order and can be told to refuse writes.
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
    bool Write(const std::string& section, const std::string& key, const std::string& value) override {
        if (refuseAll || refusedKeys.count(key)) return false;
        writes.emplace_back(section, key + "=" + value);
        sections[section][key] = value;
        return true;
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
