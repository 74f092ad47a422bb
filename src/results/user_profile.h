#pragma once
// The current user's profile file (ZRVI001.ini …) as the results screens read and write it.
#include <string>

#include "results/profile_store.h"

namespace results {

class UserProfile : public ProfileStore {
  public:
    explicit UserProfile(std::string file) : file_(std::move(file)) {}
    std::string Read(const std::string& section, const std::string& key,
                     const std::string& defaultValue) override;
    StoreResult Write(const std::vector<ProfileEntry>& entries) override;

  private:
    std::string file_;
};

}  // namespace results
