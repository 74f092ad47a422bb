#pragma once
// Where the program finds its documents and keeps the profiles. A copy that carries its Doc/
// folder or its profiles beside the executable (a portable copy, or a build tree) keeps the
// profiles beside it when it may write there, as profiles stored by earlier versions expect; an
// installed copy finds its documents in the system's data folder and keeps each user's profiles
// in that user's own data folder.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace users {

struct Folders {
    std::filesystem::path documents;  // the folder that holds Doc/
    std::filesystem::path profiles;
    std::string problem;  // empty, or why the profile folder could not be prepared (for the user)
};

struct FolderPlaces {
    std::filesystem::path programDir;                      // the executable's folder
    std::vector<std::filesystem::path> installedDataDirs;  // where an installed copy's Doc/ may be
    std::filesystem::path userDataDir;                     // the user's own data folder
    std::optional<std::filesystem::path> chosenProfiles;   // a folder the user named at start
};

// Chooses the folders and creates the profile folder when it is missing (readable by its owner
// only). A folder that cannot be created is still returned, with the reason in `problem`: the
// program goes on, and each later write reports its own failure.
Folders ChooseFolders(const FolderPlaces& places);

}  // namespace users
