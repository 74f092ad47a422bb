#pragma once
// Where the results screens find the current user's profile file.
#include <functional>
#include <memory>

#include "platform/app_context.h"
#include "results/profile_store.h"

namespace results {

using ProfileOpener = std::function<std::unique_ptr<ProfileStore>(const platform::AppContext&)>;

// The profile of the user in context.state.userFile.
std::unique_ptr<ProfileStore> OpenUserProfile(const platform::AppContext& context);
// Puts another way of opening profiles in place (an empty opener restores the usual one).
void SetProfileOpener(ProfileOpener opener);

}  // namespace results
