#pragma once
// Replacing a file's whole content so that a crash, a full disk or a failing disk never leaves
// half a file: the new content goes into a temporary file beside it, reaches the disk, and only
// then takes the old file's place in one rename.
#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <string_view>

namespace users {

struct ReplaceResult {
    int error = 0;  // errno of the step that failed; 0 when the file has its new content
    bool ok() const { return error == 0; }
};

// Writes bytes as the new content of file. An existing file keeps its permission bits; a new one
// gets newFileMode. On failure the old file is untouched and no temporary file is left.
//
// The temporary file (".<name>.XXXXXX", a full copy of the new content) is locked by its writer
// from the moment it exists until it has taken the file's place or is removed: one that nobody
// holds locked was left by a writer that was killed or lost its power.
ReplaceResult ReplaceFileContent(const std::filesystem::path& file, std::string_view bytes,
                                 mode_t newFileMode = 0600);

// Removes the temporary files of ReplaceFileContent in the directory that no living writer holds
// (the leftovers of writers that were killed), for the files whose names isReplaced accepts;
// returns how many were removed.
int RemoveStaleTemporaryFiles(const std::filesystem::path& directory,
                              const std::function<bool(std::string_view)>& isReplaced);

}  // namespace users
