#include "results/ui/profile_access.h"

namespace results {
namespace {

ProfileOpener& Opener() {
    static ProfileOpener opener;
    return opener;
}

// Without the profile files there is nothing to read and nowhere to store a record.
class NoProfile : public ProfileStore {
  public:
    std::string Read(const std::string&, const std::string&,
                     const std::string& defaultValue) override {
        return defaultValue;
    }
    StoreResult Write(const std::vector<ProfileEntry>&) override {
        return {false, "файл пользователя недоступен"};
    }
};

}  // namespace

std::unique_ptr<ProfileStore> OpenUserProfile(const platform::AppContext& context) {
    if (Opener()) return Opener()(context);
    return std::make_unique<NoProfile>();
}

void SetProfileOpener(ProfileOpener opener) { Opener() = std::move(opener); }

}  // namespace results
