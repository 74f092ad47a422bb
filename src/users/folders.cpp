#include "users/folders.h"

#include <unistd.h>

#include <system_error>

#include "text/catalogue.h"
#include "users/ini_file.h"
#include "users/profiles.h"

namespace users {
namespace fs = std::filesystem;

namespace {

bool HasDocuments(const fs::path& dir) {
    std::error_code error;
    return !dir.empty() && fs::is_directory(dir / "Doc", error);
}

bool HasProfiles(const fs::path& dir) {
    std::error_code error;
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        if (ProfileNumber(it->path().filename().string())) return true;
    }
    return false;
}

bool Writable(const fs::path& dir) { return ::access(dir.c_str(), W_OK | X_OK) == 0; }

// Creates the folder (and its parents) if it is missing; the folder itself is made private, since
// profiles hold passwords. An existing folder keeps its permissions.
std::string Prepare(const fs::path& dir) {
    std::error_code error;
    if (fs::is_directory(dir, error)) return {};
    if (fs::exists(dir, error))
        return text::WithValues(text::FormText("profiles", "FolderIsFile"), {dir.string()});
    fs::create_directories(dir, error);
    if (!error) fs::permissions(dir, fs::perms::owner_all, fs::perm_options::replace, error);
    if (error) {
        return text::WithValues(text::FormText("profiles", "FolderNotCreated"),
                                {dir.string(), SystemErrorReason(error.value())});
    }
    return {};
}

}  // namespace

Folders ChooseFolders(const FolderPlaces& places) {
    Folders folders;
    folders.documents = places.programDir;
    const bool portable = HasDocuments(places.programDir) || HasProfiles(places.programDir);
    if (!HasDocuments(places.programDir)) {
        for (const fs::path& dir : places.installedDataDirs) {
            if (HasDocuments(dir)) {
                folders.documents = dir;
                break;
            }
        }
    }
    if (places.chosenProfiles) {
        folders.profiles = *places.chosenProfiles;
    } else if (portable && Writable(places.programDir)) {
        folders.profiles = places.programDir;
    } else {
        folders.profiles = places.userDataDir;
    }
    folders.problem = Prepare(folders.profiles);
    return folders;
}

}  // namespace users
